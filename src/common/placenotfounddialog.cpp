#include <hx/system/systemdialog.h>
#include <hx/system/systemuibutton.h>
#include <hx/trellan/places/placenotfounddialog.h>

#include <QtCore/QCoreApplication>

namespace hx {
namespace trellan {
namespace places {

PlaceNotFoundDialog::PlaceNotFoundDialog(QObject *parent) : SystemDialogWrapper(parent)
{
    retranslateUI();
    connect(dialog(), &hx::system::SystemDialog::finished, this, &QObject::deleteLater);
}

PlaceNotFoundDialog::~PlaceNotFoundDialog() = default;

void PlaceNotFoundDialog::retranslateUI()
{
    hx::system::SystemDialog *d = dialog();
    d->setTitle(QCoreApplication::translate("Places", "Place not found"));
    d->setBody(QCoreApplication::translate("Places", "The selected place could not be found."));
    d->cancelButton()->setLabel(QString());
    d->confirmButton()->setLabel(QCoreApplication::translate("Places", "OK"));
}

} // namespace places
} // namespace trellan
} // namespace hx
