#include <hx/system/systemdialog.h>
#include <hx/system/systemuibutton.h>
#include <hx/trellan/places/duplicateplacedialog.h>

#include <QtCore/QCoreApplication>

namespace hx {
namespace trellan {
namespace places {

DuplicatePlaceDialog::DuplicatePlaceDialog(QObject *parent) : SystemDialogWrapper(parent)
{
    connect(dialog(), &hx::system::SystemDialog::finished, this, &DuplicatePlaceDialog::finished);
}

DuplicatePlaceDialog::~DuplicatePlaceDialog() = default;

void DuplicatePlaceDialog::retranslateUI()
{
    hx::system::SystemDialog *d = dialog();
    d->setTitle(QCoreApplication::translate("Places", "Duplicate Place"));
    d->setBody(QCoreApplication::translate(
        "Places", "This place already exists on the device. Do you want to replace the existing place?"));
    d->cancelButton()->setLabel(QCoreApplication::translate("Places", "Cancel"));
    d->confirmButton()->setLabel(QCoreApplication::translate("Places", "Replace"));
}

} // namespace places
} // namespace trellan
} // namespace hx
