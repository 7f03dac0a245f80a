#include <hx/trellan/places/geolocationfixchecker.h>

#include <hx/trellan/places/currentcoordinate.h>
#include <hx/trellan/places/getgeolocation.h>
#include <hx/trellan/places/log.h>
#include <hx/trellan/places/placeutils.h>

#include <QtCore/QTimer>

#include <cmath>
#include <limits>

namespace hx {
namespace trellan {
namespace places {

namespace {

int tickInterval()
{
    return 1000 / qMax(1, PlaceUtils::MY_LOCATION_CHECK_FREQUENCY);
}

} // namespace

GeolocationFixChecker::GeolocationFixChecker(const GeolocationRequest &request, QObject *parent)
    : QObject(parent),
      m_timer(new QTimer(this)),
      // The interval in milliseconds times 62: a longer wait than the spinner's 62 seconds.
      m_ticks(tickInterval() * 62),
      m_bestAccuracy(std::numeric_limits<double>::quiet_NaN()),
      m_request(request)
{
    m_timer->setSingleShot(false);
    m_timer->setInterval(tickInterval());
    connect(m_timer, &QTimer::timeout, this, &GeolocationFixChecker::onCheckGeolocationFix);
}

GeolocationFixChecker::~GeolocationFixChecker() = default;

void GeolocationFixChecker::start()
{
    GetGeolocation::getCoordinate(m_request);
    m_timer->start();
}

void GeolocationFixChecker::finish(const SelectorCoordinate &coordinate)
{
    m_timer->stop();
    emit done(coordinate);
}

void GeolocationFixChecker::onCheckGeolocationFix()
{
    if (!m_timer->isActive())
        return; // a tick queued before done() was emitted
    if (--m_ticks < 1) {
        finish(std::isnan(m_bestAccuracy) ? SelectorCoordinate() : m_bestFix);
        return;
    }

    // With a stale period of 0 this also starts a new run once the stored fix has aged.
    const CurrentCoordinate *fix = GetGeolocation::getCoordinate(m_request);
    const int state = fix->state();
    if (state == CurrentCoordinate::Valid) {
        const SelectorCoordinate copy = fix->value();
        if (std::isnan(copy.latitude()) || std::isnan(copy.longitude()) || std::isnan(copy.accuracy()))
            return;
        if (copy.accuracy() <= m_request.accuracy) {
            m_bestFix = copy;
            m_bestAccuracy = copy.accuracy();
            finish(copy);
        } else if (std::isnan(m_bestAccuracy) || copy.accuracy() < m_bestAccuracy) {
            m_bestFix = copy;
            m_bestAccuracy = copy.accuracy();
        }
    } else if (state == CurrentCoordinate::Failed) {
        m_timer->stop();
        Log::debug() << "hx::trellan::places::GeolocationFixChecker::onCheckGeolocationFix() pps failed: "
                     << fix->error();
        emit done(SelectorCoordinate());
    }
}

} // namespace places
} // namespace trellan
} // namespace hx
