#include <hx/system/systemdialog.h>
#include <hx/system/systemuibutton.h>

namespace hx {
namespace system {

class SystemDialogPrivate
{
public:
    QString title;
    SystemUiButton *confirm = nullptr;
    SystemUiButton *cancel = nullptr;
    QList<SystemUiButton *> custom;
    bool activityIndicator = false;
    bool dismiss = true;
};

SystemDialog::SystemDialog(QObject *parent)
    : SystemUiElement(SystemUiRecord::Dialog, parent), d(new SystemDialogPrivate)
{
    init(QStringLiteral("OK"), QStringLiteral("Cancel"));
}

SystemDialog::SystemDialog(const QString &confirmLabel, QObject *parent)
    : SystemUiElement(SystemUiRecord::Dialog, parent), d(new SystemDialogPrivate)
{
    init(confirmLabel, QString());
}

SystemDialog::SystemDialog(const QString &confirmLabel, const QString &cancelLabel, QObject *parent)
    : SystemUiElement(SystemUiRecord::Dialog, parent), d(new SystemDialogPrivate)
{
    init(confirmLabel, cancelLabel);
}

SystemDialog::SystemDialog(SystemUiRecord::Kind kind, QObject *parent)
    : SystemUiElement(kind, parent), d(new SystemDialogPrivate)
{
    init(QStringLiteral("OK"), QStringLiteral("Cancel"));
}

SystemDialog::~SystemDialog() = default;

void SystemDialog::init(const QString &confirmLabel, const QString &cancelLabel)
{
    d->confirm = new SystemUiButton(confirmLabel, this);
    d->confirm->setResult(SystemUiResult::ConfirmButtonSelection);
    d->cancel = new SystemUiButton(cancelLabel, this);
    d->cancel->setResult(SystemUiResult::CancelButtonSelection);
    adoptButton(d->confirm);
    adoptButton(d->cancel);
}

QString SystemDialog::title() const
{
    return d->title;
}

void SystemDialog::setTitle(const QString &title)
{
    d->title = title;
    contentChanged();
}

void SystemDialog::resetTitle()
{
    setTitle(QString());
}

SystemUiButton *SystemDialog::confirmButton() const
{
    return d->confirm;
}

SystemUiButton *SystemDialog::cancelButton() const
{
    return d->cancel;
}

void SystemDialog::appendButton(SystemUiButton *button)
{
    if (!button || d->custom.contains(button) || button == d->confirm || button == d->cancel)
        return;
    button->setParent(this);
    button->setResult(SystemUiResult::ButtonSelection);
    d->custom.append(button);
    adoptButton(button);
    contentChanged();
}

QList<SystemUiButton *> SystemDialog::customButtons() const
{
    return d->custom;
}

void SystemDialog::clearButtons()
{
    qDeleteAll(d->custom);
    d->custom.clear();
    contentChanged();
}

bool SystemDialog::isActivityIndicatorVisible() const
{
    return d->activityIndicator;
}

void SystemDialog::setActivityIndicatorVisible(bool visible)
{
    d->activityIndicator = visible;
    contentChanged();
}

bool SystemDialog::dismissAutomatically() const
{
    return d->dismiss;
}

void SystemDialog::setDismissAutomatically(bool dismiss)
{
    d->dismiss = dismiss;
}

QList<SystemUiButton *> SystemDialog::buttons() const
{
    return d->custom + QList<SystemUiButton *> { d->cancel, d->confirm };
}

SystemUiResult::Type SystemDialog::exec()
{
    return execLoop();
}

void SystemDialog::fillRecord(SystemUiRecord &record) const
{
    record.title = d->title;
    record.activityIndicatorVisible = d->activityIndicator;
}

bool SystemDialog::closesOnPress() const
{
    return d->dismiss;
}

} // namespace system
} // namespace hx
