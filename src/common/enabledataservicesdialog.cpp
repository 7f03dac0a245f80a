#include <hx/system/systemdialog.h>
#include <hx/system/systemuibutton.h>
#include <hx/trellan/places/enabledataservicesdialog.h>

#include <QtCore/QCoreApplication>

namespace hx {
namespace trellan {
namespace places {

EnableDataServicesDialog::EnableDataServicesDialog(QObject *parent)
    : SettingsCardDialog(QStringLiteral("settings://networkconnections"), parent)
{ }

EnableDataServicesDialog::~EnableDataServicesDialog() = default;

void EnableDataServicesDialog::retranslateUI()
{
    hx::system::SystemDialog *d = dialog();
    if (!d)
        return;
    d->setTitle(QCoreApplication::translate("Places", "Data Services"));
    d->setBody(QCoreApplication::translate(
        "Places",
        "Data Services are turned off or your device isn't connected to the network. To turn on Data Services, open "
        "Settings. After your device is connected to the network, try again."));
    d->cancelButton()->setLabel(QCoreApplication::translate("Places", "Exit"));
    d->confirmButton()->setLabel(QCoreApplication::translate("Places", "Settings"));
}

} // namespace places
} // namespace trellan
} // namespace hx
