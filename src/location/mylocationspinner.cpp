#include <hx/trellan/places/mylocationspinner.h>

#include <hx/trellan/places/currentcoordinate.h>
#include <hx/trellan/places/enablelocationdialog.h>
#include <hx/trellan/places/getgeolocation.h>
#include <hx/trellan/places/getlocationsettings.h>
#include <hx/trellan/places/log.h>
#include <hx/trellan/places/placeutils.h>
#include <hx/trellan/places/reversegeocoderunnable.h>

#include <hx/system/systemprogressdialog.h>
#include <hx/system/systemuibutton.h>

#include <QtCore/QCoreApplication>
#include <QtCore/QThreadPool>
#include <QtCore/QTimer>

#include <algorithm>
#include <cmath>
#include <limits>

namespace hx {
namespace trellan {
namespace places {

using hx::platform::places::Coordinates;
using hx::platform::places::Location;

namespace {

constexpr double NaN = std::numeric_limits<double>::quiet_NaN();

int ticksFor(int seconds)
{
    return PlaceUtils::MY_LOCATION_CHECK_FREQUENCY * seconds;
}

// How far from the user the address found may lie: a house is where the user stands, a town
// or a region only somewhere around.
float reachOf(const hx::platform::places::Address &address)
{
    if (!address.street().isEmpty())
        return 25;
    if (!address.city().isEmpty())
        return 5000;
    if (!address.region().isEmpty())
        return 100000;
    return 1000000;
}

} // namespace

MyLocationSpinner::MyLocationSpinner(QObject *parent)
    : QObject(parent),
      PickerRetrans(true),
      m_progressDialog(nullptr),
      m_timer(nullptr),
      m_fix(nullptr),
      m_ticks(0),
      m_runnable(nullptr),
      m_geocodeSucceeded(false),
      m_bestAccuracy(NaN)
{
    qRegisterMetaType<MyLocationSpinnerReturnCode::Code>("hx::trellan::places::MyLocationSpinnerReturnCode::Code");
    // Queued, so every stage starts in a fresh turn of the event loop, never
    // inside the caller.
    connect(this, &MyLocationSpinner::startFetchStage1, this, &MyLocationSpinner::onStartFetchStage1,
            Qt::QueuedConnection);
    connect(this, &MyLocationSpinner::startFetchStage2, this, &MyLocationSpinner::onStartFetchStage2,
            Qt::QueuedConnection);
    connect(this, &MyLocationSpinner::startFetchStage3, this, &MyLocationSpinner::onStartFetchStage3,
            Qt::QueuedConnection);
    connect(this, &MyLocationSpinner::startFetchStage4, this, &MyLocationSpinner::onStartFetchStage4,
            Qt::QueuedConnection);
}

MyLocationSpinner::~MyLocationSpinner() = default;

void MyLocationSpinner::fetch()
{
    m_fix = GetGeolocation::getCoordinate(PlaceUtils::mylocationRequest);
    emit startFetchStage1();
}

void MyLocationSpinner::retranslateUI()
{
    if (!m_progressDialog)
        return;
    m_progressDialog->setTitle(
        QCoreApplication::translate("hx::trellan::places::SelectorSheet", "Your current location:"));
    m_progressDialog->setBody(QCoreApplication::translate("Places", "Getting your location"));
    m_progressDialog->cancelButton()->setLabel(
        QCoreApplication::translate("hx::trellan::places::SelectorSheet", "Cancel"));
    m_progressDialog->confirmButton()->setLabel(QString());
}

void MyLocationSpinner::finish(MyLocationSpinnerReturnCode::Code code, const Location &location)
{
    emit done(code, location);
}

void MyLocationSpinner::onStartFetchStage1()
{
    m_runnable = nullptr;
    if (GetLocationSettings::getSettings() == 2) {
        emit startFetchStage2();
        return;
    }
    auto *dialog = new EnableLocationDialog(this);
    connect(dialog, &EnableLocationDialog::done, this, &MyLocationSpinner::onStartFetchStage1a);
    dialog->show();
}

void MyLocationSpinner::onStartFetchStage1a(bool answer)
{
    if (QObject *dialog = sender())
        dialog->deleteLater();
    if (answer)
        emit startFetchStage2();
    else
        finish(MyLocationSpinnerReturnCode::LocationServicesOff);
}

void MyLocationSpinner::locationCardDone(const hx::system::CardDoneMessage &)
{
    if (GetLocationSettings::getSettings() == 2)
        emit startFetchStage2();
    else
        finish(MyLocationSpinnerReturnCode::LocationServicesOff);
}

void MyLocationSpinner::showProgressDialog()
{
    if (!m_progressDialog) {
        m_progressDialog = new hx::system::SystemProgressDialog(this);
        connect(m_progressDialog, &hx::system::SystemProgressDialog::finished, this,
                &MyLocationSpinner::onCancelMyLocation, Qt::UniqueConnection);
    }
    retranslateUI();
    m_progressDialog->show();
}

void MyLocationSpinner::cancelProgressDialog()
{
    if (m_progressDialog)
        m_progressDialog->cancel();
}

void MyLocationSpinner::ensureTimer()
{
    if (m_timer)
        return;
    m_timer = new QTimer(this);
    m_timer->setSingleShot(false);
}

void MyLocationSpinner::onStartFetchStage2()
{
    showProgressDialog();
    ensureTimer();
    m_timer->setInterval(1000 / qMax(1, PlaceUtils::MY_LOCATION_CHECK_FREQUENCY));
    connect(m_timer, &QTimer::timeout, this, &MyLocationSpinner::onCheckGeolocationFix, Qt::UniqueConnection);
    disconnect(m_timer, &QTimer::timeout, this, &MyLocationSpinner::onCountingTimeOnReverseGeocoding);

    // Starts a new run if the previous one has ended (location services just
    // turned on).
    m_fix = GetGeolocation::getCoordinate(PlaceUtils::mylocationRequest);
    m_bestFix = SelectorCoordinate();
    m_bestAccuracy = NaN;
    m_ticks = ticksFor(PlaceUtils::MY_LOCATION_WAITTIME + PlaceUtils::MY_LOCATION_WAITTIME_TIMEOUT);
    m_timer->start();
}

void MyLocationSpinner::onCheckGeolocationFix()
{
    --m_ticks;
    if (!m_fix)
        return;

    if (m_ticks <= 0) {
        m_timer->stop();
        if (std::isnan(m_bestAccuracy)) {
            cancelProgressDialog();
            finish(MyLocationSpinnerReturnCode::NoLocation);
            return;
        }
        m_ticks = ticksFor(PlaceUtils::MY_LOCATION_WAITTIME_EXTRA);
        emit startFetchStage3();
        return;
    }

    const int state = m_fix->state();
    if (state == CurrentCoordinate::Valid) {
        const SelectorCoordinate copy = m_fix->value();
        if (std::isnan(copy.latitude()) || std::isnan(copy.longitude()) || std::isnan(copy.accuracy()))
            return;
        if (copy.accuracy() <= PlaceUtils::mylocationRequest.accuracy) {
            m_bestFix = copy;
            m_bestAccuracy = copy.accuracy();
            m_timer->stop();
            m_ticks += ticksFor(PlaceUtils::MY_LOCATION_WAITTIME_EXTRA);
            emit startFetchStage3();
        } else if (std::isnan(m_bestAccuracy) || copy.accuracy() < m_bestAccuracy) {
            m_bestFix = copy;
            m_bestAccuracy = copy.accuracy();
        }
    } else if (state == CurrentCoordinate::Failed) {
        Log::debug() << "hx::trellan::places::MyLocationSpinner::"
                        "onCheckGeolocationFix() pps failed: "
                     << m_fix->error();
        m_timer->stop();
        cancelProgressDialog();
        finish(MyLocationSpinnerReturnCode::NoLocation);
    }
}

void MyLocationSpinner::onStartFetchStage3()
{
    auto *runnable = new ReverseGeocodeRunnable(m_bestFix.latitude(), m_bestFix.longitude(), m_bestFix.accuracy(),
                                                m_bestFix.altitudeAccuracy());
    m_runnable = runnable;
    qRegisterMetaType<Location>("hx::platform::places::Location");
    connect(runnable, &ReverseGeocodeRunnable::done, this, &MyLocationSpinner::reverseGeocodeFinished,
            Qt::QueuedConnection);
    if (!QThreadPool::globalInstance()->tryStart(runnable)) {
        Log::debug() << "hx::trellan::places::MyLocationSpinner::"
                        "onStartFetchStage3(): error,  maxThreadCount "
                        "reached. Unable to spawn new thread.";
        // The pool never owned it; the address stage simply times out.
        delete runnable;
    }
    ensureTimer();
    disconnect(m_timer, &QTimer::timeout, this, &MyLocationSpinner::onCheckGeolocationFix);
    connect(m_timer, &QTimer::timeout, this, &MyLocationSpinner::onCountingTimeOnReverseGeocoding,
            Qt::UniqueConnection);
    m_timer->start();
}

void MyLocationSpinner::onCountingTimeOnReverseGeocoding()
{
    --m_ticks;
    if (m_ticks >= 1)
        return;
    m_timer->stop();
    cancelProgressDialog();
    m_geocodeSucceeded = false;
    m_runnable = nullptr; // a late answer is ignored
    emit startFetchStage4();
}

void MyLocationSpinner::reverseGeocodeFinished(ReverseGeocodeRunnable *runnable, bool ok, Location location)
{
    if (!runnable || runnable != m_runnable)
        return;
    m_geocodeSucceeded = ok;
    m_runnable = nullptr;
    m_result = ok ? atFix(location) : Location();
    if (m_timer)
        m_timer->stop();
    cancelProgressDialog();
    emit startFetchStage4();
}

Location MyLocationSpinner::atFix(const Location &found) const
{
    // The user stands at the fix, not at the address's own point; the accuracy says how far
    // the address may be from there.
    const Coordinates at = found.coordinates();
    Coordinates coordinates(m_bestFix.latitude(), m_bestFix.longitude());
    const double apart = at.isValid() ? coordinates.distanceTo(at) : 0;
    coordinates.setHorizontalAccuracy(
        float(std::max({ m_bestFix.accuracy(), double(reachOf(found.address())), apart })));
    coordinates.setVerticalAccuracy(float(m_bestFix.altitudeAccuracy()));
    Location location = found;
    location.setCoordinates(coordinates);
    return location;
}

void MyLocationSpinner::onStartFetchStage4()
{
    if (m_geocodeSucceeded) {
        finish(MyLocationSpinnerReturnCode::AddressFound, m_result);
        return;
    }
    Coordinates coordinates(m_bestFix.latitude(), m_bestFix.longitude());
    coordinates.setHorizontalAccuracy(float(m_bestFix.accuracy()));
    coordinates.setVerticalAccuracy(float(m_bestFix.altitudeAccuracy()));
    hx::platform::places::Address address;
    address.setLabel(QCoreApplication::translate("hx::trellan::places::SelectorSheet", "Latitude %1 Longitude %2")
                         .arg(m_bestFix.latitude())
                         .arg(m_bestFix.longitude()));
    finish(MyLocationSpinnerReturnCode::CoordinatesOnly, Location(coordinates, address));
}

void MyLocationSpinner::onCancelMyLocation()
{
    if (m_timer)
        m_timer->stop();
    cancelProgressDialog();
    m_runnable = nullptr;
    finish(MyLocationSpinnerReturnCode::Cancelled);
}

} // namespace places
} // namespace trellan
} // namespace hx
