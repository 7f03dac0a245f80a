#ifndef HX_TRELLAN_PLACES_MYLOCATIONDIALOG_H
#define HX_TRELLAN_PLACES_MYLOCATIONDIALOG_H

#include <hx/trellan/places/hxplacesglobal.h>
#include <hx/trellan/places/mylocationspinnerreturncode.h>
#include <hx/trellan/places/pickerretrans.h>

#include <hx/platform/places/location.h>
#include <hx/system/systemuiresult.h>

#include <QtCore/QObject>

namespace hx {
namespace system {
class SystemDialog;
}
namespace trellan {
namespace places {

class MyLocationSpinner;

// The current-location fetch for the screens: runs a MyLocationSpinner, turns
// its outcome into the right question (confirm the address, use the bare
// coordinates, no location found) and ends every fetch with exactly one
// success(Location) or aborted().
class HXPLACES_EXPORT MyLocationDialog : public QObject, public PickerRetrans
{
    Q_OBJECT

public:
    // showConfirm: ask the user to accept an address that has a street before
    // success().
    MyLocationDialog(QObject *parent, bool showConfirm);
    ~MyLocationDialog() override;

    void fetch();
    void retranslateUI() override;

signals:
    void success(hx::platform::places::Location location);
    void aborted();
    void reverseGeocodingFinished(hx::platform::places::Location location, bool showConfirm);
    void reverseGeocodingFailed(hx::platform::places::Location location);
    void showNoCurrentLocationDialog();

public slots:
    void onReverseGeocodingFinished(hx::platform::places::Location address, bool showConfirm);
    void onMyLocationDialogFinished(hx::system::SystemUiResult::Type value);
    void onReverseGeocodingFailed(hx::platform::places::Location location);
    void onShowNoCurrentLocationDialog();
    void onSpinnerDone(hx::trellan::places::MyLocationSpinnerReturnCode::Code code,
                       hx::platform::places::Location location);
    void onReturnOfNoCurrentLocationDialog(hx::system::SystemUiResult::Type value);

private:
    void showMyLocationDialog(const QString &body);
    void applyMyLocationTexts();
    void applyAddressNotFoundTexts();
    void applyNoCurrentLocationTexts();

    hx::platform::places::Location m_result;
    hx::system::SystemDialog *m_addressNotFoundDialog;
    hx::system::SystemDialog *m_myLocationDialog;
    hx::system::SystemDialog *m_noCurrentLocationDialog;
    MyLocationSpinner *m_spinner;
    bool m_showConfirm;
    QString m_myLocationBody; // the body last given to the my-location dialog
    hx::platform::places::Location m_notFoundLocation; // whose coordinates the not-found body shows
};

} // namespace places
} // namespace trellan
} // namespace hx

#endif
