#include <hx/system/systemdialog.h>
#include <hx/system/systemuibutton.h>
#include <hx/trellan/places/enablelocationdialog.h>

#include <QtCore/QCoreApplication>

namespace hx {
namespace trellan {
namespace places {

EnableLocationDialog::EnableLocationDialog(QObject *parent)
    : SettingsCardDialog(QStringLiteral("settings://location"), parent)
{ }

EnableLocationDialog::~EnableLocationDialog() = default;

void EnableLocationDialog::retranslateUI()
{
    hx::system::SystemDialog *d = dialog();
    if (!d)
        return;
    d->setTitle(QCoreApplication::translate("Places", "Location Services Off"));
    d->setBody(QCoreApplication::translate("Places",
                                           "Some features are unavailable because Location Services are turned off. To "
                                           "turn on Location Services, open Settings."));
    d->cancelButton()->setLabel(QCoreApplication::translate("Places", "Not Now"));
    d->confirmButton()->setLabel(QCoreApplication::translate("Places", "Settings"));
}

} // namespace places
} // namespace trellan
} // namespace hx
