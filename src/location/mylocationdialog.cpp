#include <hx/trellan/places/mylocationdialog.h>

#include <hx/trellan/places/mylocationspinner.h>

#include <hx/system/systemdialog.h>
#include <hx/system/systemuibutton.h>

#include <QtCore/QCoreApplication>

namespace hx {
namespace trellan {
namespace places {

using hx::platform::places::Location;
using hx::system::SystemDialog;
using hx::system::SystemUiResult;

namespace {

void setButtons(SystemDialog *dialog, const QString &confirm, const QString &cancel)
{
    dialog->confirmButton()->setLabel(confirm);
    dialog->cancelButton()->setLabel(cancel);
}

} // namespace

MyLocationDialog::MyLocationDialog(QObject *parent, bool showConfirm)
    : QObject(parent),
      PickerRetrans(true),
      m_addressNotFoundDialog(nullptr),
      m_myLocationDialog(nullptr),
      m_noCurrentLocationDialog(nullptr),
      m_spinner(nullptr),
      m_showConfirm(showConfirm)
{
    qRegisterMetaType<Location>("hx::platform::places::Location");
    connect(this, &MyLocationDialog::reverseGeocodingFinished, this, &MyLocationDialog::onReverseGeocodingFinished,
            Qt::UniqueConnection);
    connect(this, &MyLocationDialog::reverseGeocodingFailed, this, &MyLocationDialog::onReverseGeocodingFailed,
            Qt::UniqueConnection);
    connect(this, &MyLocationDialog::showNoCurrentLocationDialog, this,
            &MyLocationDialog::onShowNoCurrentLocationDialog, Qt::UniqueConnection);
}

MyLocationDialog::~MyLocationDialog() = default;

void MyLocationDialog::fetch()
{
    if (!m_spinner)
        m_spinner = new MyLocationSpinner(this);
    qRegisterMetaType<Location>("hx::platform::places::Location");
    qRegisterMetaType<MyLocationSpinnerReturnCode::Code>("hx::trellan::places::MyLocationSpinnerReturnCode::Code");
    connect(m_spinner, &MyLocationSpinner::done, this, &MyLocationDialog::onSpinnerDone, Qt::UniqueConnection);
    m_spinner->fetch();
}

void MyLocationDialog::retranslateUI()
{
    if (m_myLocationDialog)
        applyMyLocationTexts();
    if (m_addressNotFoundDialog)
        applyAddressNotFoundTexts();
    if (m_noCurrentLocationDialog)
        applyNoCurrentLocationTexts();
}

void MyLocationDialog::onSpinnerDone(MyLocationSpinnerReturnCode::Code code, Location location)
{
    switch (code) {
    case MyLocationSpinnerReturnCode::AddressFound:
        emit reverseGeocodingFinished(location, true);
        break;
    case MyLocationSpinnerReturnCode::CoordinatesOnly:
        emit reverseGeocodingFailed(location);
        break;
    case MyLocationSpinnerReturnCode::NoLocation:
        emit showNoCurrentLocationDialog();
        break;
    default:
        emit aborted();
    }
}

void MyLocationDialog::onReverseGeocodingFinished(Location address, bool showConfirm)
{
    m_result = address;
    if (showConfirm)
        showMyLocationDialog(address.address().label());
    else
        emit success(address);
}

void MyLocationDialog::applyMyLocationTexts()
{
    m_myLocationDialog->setTitle(
        QCoreApplication::translate("hx::trellan::places::SelectorSheet", "Your current location:"));
    setButtons(m_myLocationDialog, QCoreApplication::translate("hx::trellan::places::SelectorSheet", "Accept"),
               QCoreApplication::translate("hx::trellan::places::SelectorSheet", "Cancel"));
    m_myLocationDialog->setBody(QCoreApplication::translate("Places", "Getting your location"));
    if (m_result.address().street().isEmpty())
        m_myLocationDialog->setBody(QCoreApplication::translate("Places", "Could not find your exact location.")
                                    + QStringLiteral("\n\n") + m_myLocationBody);
    else
        m_myLocationDialog->setBody(m_myLocationBody);
}

void MyLocationDialog::showMyLocationDialog(const QString &body)
{
    if (!m_myLocationDialog) {
        m_myLocationDialog = new SystemDialog(this);
        m_myLocationDialog->setAutoUpdateEnabled(true);
    }
    m_myLocationBody = body;
    applyMyLocationTexts();
    // An address without a street is always shown, so the user sees how rough it
    // is.
    if (!m_result.address().street().isEmpty() && !m_showConfirm) {
        emit success(m_result);
        return;
    }
    connect(m_myLocationDialog, &SystemDialog::finished, this, &MyLocationDialog::onMyLocationDialogFinished,
            Qt::UniqueConnection);
    m_myLocationDialog->show();
}

void MyLocationDialog::onMyLocationDialogFinished(SystemUiResult::Type value)
{
    if (value == SystemUiResult::ConfirmButtonSelection)
        emit success(m_result);
    else
        emit aborted();
}

void MyLocationDialog::applyAddressNotFoundTexts()
{
    m_addressNotFoundDialog->setTitle(
        QCoreApplication::translate("hx::trellan::places::SelectorSheet", "Address Not Found"));
    setButtons(m_addressNotFoundDialog,
               QCoreApplication::translate("hx::trellan::places::SelectorSheet", "Use Coordinates"),
               QCoreApplication::translate("hx::trellan::places::SelectorSheet", "Cancel"));
    const auto coordinates = m_notFoundLocation.coordinates();
    m_addressNotFoundDialog->setBody(
        QCoreApplication::translate("hx::trellan::places::SelectorSheet",
                                    "An exact address or location name could not be found.  Would you "
                                    "like to "
                                    "use the location coordinates instead?\nLatitude %1 Longitude %2")
            .arg(coordinates.latitude())
            .arg(coordinates.longitude()));
}

void MyLocationDialog::onReverseGeocodingFailed(Location location)
{
    if (location == Location()) {
        emit showNoCurrentLocationDialog();
        return;
    }
    if (!m_addressNotFoundDialog)
        m_addressNotFoundDialog = new SystemDialog(this);
    m_notFoundLocation = location;
    applyAddressNotFoundTexts();
    if (m_addressNotFoundDialog->exec() == SystemUiResult::ConfirmButtonSelection)
        emit reverseGeocodingFinished(location, false);
    else
        emit aborted();
}

void MyLocationDialog::applyNoCurrentLocationTexts()
{
    m_noCurrentLocationDialog->setTitle(QCoreApplication::translate("Places", "Can't find location"));
    m_noCurrentLocationDialog->setBody(
        QCoreApplication::translate("Places",
                                    "Unable to find your current location.  Ensure that you are in a "
                                    "network coverage area and try again."));
    setButtons(m_noCurrentLocationDialog, QCoreApplication::translate("hx::trellan::places::SelectorSheet", "OK"),
               QString());
}

void MyLocationDialog::onShowNoCurrentLocationDialog()
{
    if (!m_noCurrentLocationDialog) {
        m_noCurrentLocationDialog = new SystemDialog(this);
        m_noCurrentLocationDialog->setAutoUpdateEnabled(true);
    }
    applyNoCurrentLocationTexts();
    connect(m_noCurrentLocationDialog, &SystemDialog::finished, this,
            &MyLocationDialog::onReturnOfNoCurrentLocationDialog, Qt::UniqueConnection);
    m_noCurrentLocationDialog->show();
}

void MyLocationDialog::onReturnOfNoCurrentLocationDialog(SystemUiResult::Type)
{
    emit aborted();
}

} // namespace places
} // namespace trellan
} // namespace hx
