#include <hx/trellan/places/reversegeocoderchecker.h>

#include <hx/trellan/places/log.h>
#include <hx/trellan/places/placeutils.h>
#include <hx/trellan/places/reversegeocoderunnable.h>

#include <QtCore/QThreadPool>
#include <QtCore/QTimer>

namespace hx {
namespace trellan {
namespace places {

using hx::platform::places::Location;

ReverseGeocoderChecker::ReverseGeocoderChecker(const SelectorCoordinate &coordinate)
    : QObject(nullptr), m_runnable(nullptr), m_coordinate(coordinate), m_timer(new QTimer(this)), m_ticks(0)
{
    m_timer->setSingleShot(false);
}

ReverseGeocoderChecker::~ReverseGeocoderChecker() = default;

void ReverseGeocoderChecker::start()
{
    auto *runnable = new ReverseGeocodeRunnable(m_coordinate.latitude(), m_coordinate.longitude(),
                                                m_coordinate.accuracy(), m_coordinate.altitudeAccuracy());
    m_runnable = runnable;
    qRegisterMetaType<Location>("hx::platform::places::Location");
    connect(runnable, &ReverseGeocodeRunnable::done, this, &ReverseGeocoderChecker::reverseGeocodeFinished,
            Qt::QueuedConnection);
    if (!QThreadPool::globalInstance()->tryStart(runnable)) {
        Log::debug() << "hx::trellan::places::ReverseGeocoderChecker::start(): error,  maxThreadCount reached. "
                        "Unable to spawn new thread.";
        // The pool never owned it; the deadline below still ends the wait.
        delete runnable;
    }

    connect(m_timer, &QTimer::timeout, this, &ReverseGeocoderChecker::onCountingTimeOnReverseGeocoding,
            Qt::UniqueConnection);
    const int frequency = qMax(1, PlaceUtils::MY_LOCATION_CHECK_FREQUENCY);
    m_timer->setInterval(1000 / frequency);
    m_ticks = frequency * (PlaceUtils::MY_LOCATION_WAITTIME + PlaceUtils::MY_LOCATION_WAITTIME_TIMEOUT);
    m_timer->start();
}

void ReverseGeocoderChecker::onCountingTimeOnReverseGeocoding()
{
    if (!m_timer->isActive())
        return; // a tick queued before the answer stopped the timer
    if (--m_ticks >= 1)
        return;
    m_timer->stop();
    m_runnable = nullptr; // a late answer is ignored
    emit done(Location());
}

void ReverseGeocoderChecker::reverseGeocodeFinished(ReverseGeocodeRunnable *runnable, bool ok, Location location)
{
    if (!runnable || runnable != m_runnable)
        return;
    m_timer->stop();
    m_runnable = nullptr;
    emit done(ok ? location : Location());
}

} // namespace places
} // namespace trellan
} // namespace hx
