#include <hx/system/systemui.h>
#include <hx/system/systemuibutton.h>
#include <hx/system/systemuielement.h>

#include "systemuielement_p.h"

#include <QtCore/QPointer>

namespace hx {
namespace system {

namespace {
const int resultTypeId = qRegisterMetaType<SystemUiResult::Type>("hx::system::SystemUiResult::Type");
}

SystemUiElement::SystemUiElement(SystemUiRecord::Kind kind, QObject *parent)
    : QObject(parent), d(new SystemUiElementPrivate)
{
    Q_UNUSED(resultTypeId)
    d->kind = kind;
}

SystemUiElement::~SystemUiElement()
{
    if (d->loop)
        d->loop->quit();
    if (d->serial != 0)
        SystemUi::remove(d->serial, SystemUiResult::None);
}

QString SystemUiElement::body() const
{
    return d->body;
}

void SystemUiElement::setBody(const QString &body)
{
    d->body = body;
    contentChanged();
}

void SystemUiElement::resetBody()
{
    setBody(QString());
}

bool SystemUiElement::isAutoUpdateEnabled() const
{
    return d->autoUpdate;
}

void SystemUiElement::setAutoUpdateEnabled(bool enabled)
{
    d->autoUpdate = enabled;
    contentChanged();
}

bool SystemUiElement::isShown() const
{
    return d->serial != 0;
}

SystemUiResult::Type SystemUiElement::result() const
{
    return d->result;
}

SystemUiButton *SystemUiElement::buttonSelection() const
{
    return d->selection;
}

SystemUiRecord SystemUiElement::record() const
{
    SystemUiRecord record;
    record.serial = d->serial;
    record.kind = d->kind;
    record.objectName = objectName();
    record.body = d->body;
    record.autoUpdate = d->autoUpdate;
    for (SystemUiButton *button : buttons()) {
        if (button->isShown())
            record.buttons.append({ button->label(), button->isEnabled(), button->result() });
    }
    fillRecord(record);
    return record;
}

bool SystemUiElement::pressButtonAt(int index)
{
    if (!isShown())
        return false;
    QList<SystemUiButton *> shownButtons;
    for (SystemUiButton *button : buttons()) {
        if (button->isShown())
            shownButtons.append(button);
    }
    if (index < 0 || index >= shownButtons.size() || !shownButtons.at(index)->isEnabled())
        return false;
    pressed(shownButtons.at(index));
    return true;
}

bool SystemUiElement::pressButton(SystemUiResult::Type result)
{
    if (!isShown())
        return false;
    for (SystemUiButton *button : buttons()) {
        if (button->isPressable() && button->result() == result) {
            pressed(button);
            return true;
        }
    }
    return false;
}

void SystemUiElement::show()
{
    d->result = SystemUiResult::None;
    d->selection = nullptr;
    if (d->serial != 0) {
        SystemUi::refresh(record());
    } else {
        d->serial = SystemUi::add(this, record());
    }
    shown();
}

void SystemUiElement::cancel()
{
    close(SystemUiResult::None, false);
}

void SystemUiElement::update()
{
    if (d->serial != 0)
        SystemUi::refresh(record());
}

void SystemUiElement::finish(SystemUiResult::Type result)
{
    close(result, true);
}

void SystemUiElement::contentChanged()
{
    if (d->serial != 0 && d->autoUpdate)
        SystemUi::refresh(record());
}

void SystemUiElement::adoptButton(SystemUiButton *button)
{
    connect(button, &SystemUiButton::changed, this, &SystemUiElement::contentChanged);
}

SystemUiResult::Type SystemUiElement::execLoop()
{
    QEventLoop loop;
    d->loop = &loop;
    QPointer<SystemUiElement> guard(this);
    show();
    loop.exec();
    if (!guard)
        return SystemUiResult::None;
    d->loop = nullptr;
    return d->result;
}

void SystemUiElement::close(SystemUiResult::Type result, bool emitFinished)
{
    const bool wasShown = d->serial != 0;
    d->result = result;
    if (wasShown) {
        SystemUi::remove(d->serial, result);
        d->serial = 0;
        closed();
    }
    if (d->loop) {
        // exec() hands the result back itself instead of signalling it.
        d->loop->quit();
        return;
    }
    if (emitFinished)
        emit finished(result);
}

void SystemUiElement::pressed(SystemUiButton *button)
{
    d->selection = button;
    if (closesOnPress()) {
        close(button->result(), true);
        return;
    }
    d->result = button->result();
    if (d->loop) {
        d->loop->quit();
        return;
    }
    emit finished(button->result());
}

} // namespace system
} // namespace hx
