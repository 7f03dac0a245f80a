#include <hx/trellan/places/getuom.h>
#include <hx/trellan/places/log.h>
#include <hx/trellan/places/placeutils.h>

#include <hx/pps/ppsobject.h>

namespace hx {
namespace trellan {
namespace places {

int PlaceUtils::MY_LOCATION_WAITTIME = 60;
int PlaceUtils::MY_LOCATION_WAITTIME_EXTRA = 10;
int PlaceUtils::MY_LOCATION_WAITTIME_TIMEOUT = 2;
int PlaceUtils::MY_LOCATION_ACCURACY = 90;
int PlaceUtils::MY_LOCATION_STALE_PERIOD_IN_SECONDS = 0;
int PlaceUtils::GENERAL_GEOCODING_STALE_PERIOD_IN_SECONDS = 180;
int PlaceUtils::MY_LOCATION_CHECK_FREQUENCY = 20;

// The settings above are constant-initialised, so they already hold their
// defaults here.
GeolocationRequest PlaceUtils::genericRequest(0, 1, PlaceUtils::MY_LOCATION_WAITTIME, GeolocationRequest::Hybrid, false,
                                              PlaceUtils::GENERAL_GEOCODING_STALE_PERIOD_IN_SECONDS, false);
GeolocationRequest PlaceUtils::mylocationRequest(PlaceUtils::MY_LOCATION_ACCURACY, 1, PlaceUtils::MY_LOCATION_WAITTIME,
                                                 GeolocationRequest::Hybrid, true,
                                                 PlaceUtils::MY_LOCATION_STALE_PERIOD_IN_SECONDS, false);
GeolocationRequest PlaceUtils::mylocationRequest_zant(PlaceUtils::MY_LOCATION_ACCURACY, 1,
                                                      PlaceUtils::MY_LOCATION_WAITTIME, GeolocationRequest::Hybrid,
                                                      true, PlaceUtils::MY_LOCATION_STALE_PERIOD_IN_SECONDS, true);
GeolocationRequest PlaceUtils::searchRequest(500, 1, 10, GeolocationRequest::Hybrid, true,
                                             PlaceUtils::MY_LOCATION_STALE_PERIOD_IN_SECONDS, false);
GeolocationRequest PlaceUtils::searchRequest_zant(500, 1, 10, GeolocationRequest::Hybrid, true,
                                                  PlaceUtils::MY_LOCATION_STALE_PERIOD_IN_SECONDS, true);

void PlaceUtils::applyLocationSettings()
{
    genericRequest.provider = GeolocationRequest::Hybrid;
    genericRequest.period = 1;
    genericRequest.resetOnStart = false;
    genericRequest.responseTime = MY_LOCATION_WAITTIME;
    genericRequest.staleSeconds = static_cast<unsigned int>(GENERAL_GEOCODING_STALE_PERIOD_IN_SECONDS);

    mylocationRequest.responseTime = MY_LOCATION_WAITTIME;
    mylocationRequest.accuracy = MY_LOCATION_ACCURACY;
    mylocationRequest.provider = GeolocationRequest::Hybrid;
    mylocationRequest.period = 1;
    mylocationRequest.resetOnStart = true;
    mylocationRequest.staleSeconds = static_cast<unsigned int>(MY_LOCATION_STALE_PERIOD_IN_SECONDS);
}

bool PlaceUtils::isOnline()
{
    hx::PpsObject object(QStringLiteral("/pps/services/networking/status_public?f=ip_ok"));
    object.open(hx::PpsObject::Subscribe);
    bool ok = false;
    const QByteArray data = object.read(&ok);
    if (!ok) {
        Log::warning() << "hx::trellan::places::PlaceUtils::isOnline(), error: "
                          "could not read from PPS: \""
                       << object.errorString() << "\"";
        return false;
    }
    const QVariantMap map = hx::PpsObject::decode(data, &ok);
    if (!ok) {
        Log::warning() << "hx::trellan::places::PlaceUtils::isOnline(), error: "
                          "could not decode a value from PPS object: "
                       << object.errorString();
        return false;
    }
    const QVariantMap status = map.value(QStringLiteral("@status_public")).toMap();
    if (status.isEmpty()) {
        Log::warning() << "hx::trellan::places::PlaceUtils::isOnline(), error: empty status: " << object.errorString();
        return false;
    }
    return status.value(QStringLiteral("ip_ok")) == QVariant(QStringLiteral("yes"));
}

QList<QVariant> PlaceUtils::distanceInfo(double metres)
{
    return GetUOM::distanceInfo(metres);
}

} // namespace places
} // namespace trellan
} // namespace hx
