#ifndef HX_TRELLAN_PLACES_MYLOCATIONSPINNER_H
#define HX_TRELLAN_PLACES_MYLOCATIONSPINNER_H

#include <hx/trellan/places/hxplacesglobal.h>
#include <hx/trellan/places/mylocationspinnerreturncode.h>
#include <hx/trellan/places/pickerretrans.h>
#include <hx/trellan/places/selectorcoordinate.h>

#include <hx/platform/places/location.h>
#include <hx/system/carddonemessage.h>
#include <hx/system/systemuiresult.h>

#include <QtCore/QObject>

class QTimer;

namespace hx {
namespace system {
class SystemProgressDialog;
}
namespace trellan {
namespace places {

class CurrentCoordinate;
class ReverseGeocodeRunnable;

// Finds where the user stands in four stages, each started from the event loop:
// location services on (1, 1a), a fix good enough (2), its address (3), the
// outcome (4). A progress dialog that the user may cancel stays up through
// stages 2 and 3. Every fetch ends with one done().
class HXPLACES_EXPORT MyLocationSpinner : public QObject, public PickerRetrans
{
    Q_OBJECT

public:
    explicit MyLocationSpinner(QObject *parent = nullptr);
    ~MyLocationSpinner() override;

    void fetch();
    void retranslateUI() override;

signals:
    void done(hx::trellan::places::MyLocationSpinnerReturnCode::Code code, hx::platform::places::Location location);
    void startFetchStage1();
    void startFetchStage2();
    void startFetchStage3();
    void startFetchStage4();

public slots:
    void locationCardDone(const hx::system::CardDoneMessage &message);
    void onCancelMyLocation();
    void onCheckGeolocationFix();
    void onCountingTimeOnReverseGeocoding();
    void reverseGeocodeFinished(ReverseGeocodeRunnable *runnable, bool ok, hx::platform::places::Location location);
    void onStartFetchStage1();
    void onStartFetchStage1a(bool answer);
    void onStartFetchStage2();
    void onStartFetchStage3();
    void onStartFetchStage4();

private:
    // The found address at the user's own position.
    hx::platform::places::Location atFix(const hx::platform::places::Location &found) const;
    void showProgressDialog();
    void cancelProgressDialog();
    void ensureTimer();
    void finish(MyLocationSpinnerReturnCode::Code code,
                const hx::platform::places::Location &location = hx::platform::places::Location());

    hx::system::SystemProgressDialog *m_progressDialog;
    QTimer *m_timer;
    SelectorCoordinate m_bestFix;
    CurrentCoordinate *m_fix;
    int m_ticks;
    ReverseGeocodeRunnable *m_runnable; // only compared, never dereferenced
    bool m_geocodeSucceeded;
    double m_bestAccuracy;
    hx::platform::places::Location m_result;
};

} // namespace places
} // namespace trellan
} // namespace hx

#endif
