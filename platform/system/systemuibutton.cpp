#include <hx/system/systemuibutton.h>

namespace hx {
namespace system {

class SystemUiButtonPrivate
{
public:
    QString label;
    bool enabled = true;
    SystemUiResult::Type result = SystemUiResult::ButtonSelection;
};

SystemUiButton::SystemUiButton(const QString &label, QObject *parent) : QObject(parent), d(new SystemUiButtonPrivate)
{
    d->label = label;
}

SystemUiButton::~SystemUiButton() = default;

QString SystemUiButton::label() const
{
    return d->label;
}

void SystemUiButton::setLabel(const QString &label)
{
    if (d->label == label)
        return;
    d->label = label;
    emit changed();
}

void SystemUiButton::resetLabel()
{
    setLabel(QString());
}

bool SystemUiButton::isEnabled() const
{
    return d->enabled;
}

void SystemUiButton::setEnabled(bool enabled)
{
    if (d->enabled == enabled)
        return;
    d->enabled = enabled;
    emit changed();
}

void SystemUiButton::resetEnabled()
{
    setEnabled(true);
}

bool SystemUiButton::isShown() const
{
    return !d->label.isEmpty();
}

bool SystemUiButton::isPressable() const
{
    return isShown() && d->enabled;
}

SystemUiResult::Type SystemUiButton::result() const
{
    return d->result;
}

void SystemUiButton::setResult(SystemUiResult::Type result)
{
    d->result = result;
}

} // namespace system
} // namespace hx
