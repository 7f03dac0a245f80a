#include <hx/trellan/places/selectorcoordinate.h>

#include <limits>

namespace hx {
namespace trellan {
namespace places {

namespace {
constexpr double NaN = std::numeric_limits<double>::quiet_NaN();
}

SelectorCoordinate::SelectorCoordinate() : SelectorCoordinate(0.0, 0.0, NaN, NaN, NaN) { }

SelectorCoordinate::SelectorCoordinate(double latitude, double longitude, double accuracy, double altitude,
                                       double altitudeAccuracy)
    : m_latitude(latitude),
      m_longitude(longitude),
      m_accuracy(accuracy),
      m_altitude(altitude),
      m_altitudeAccuracy(altitudeAccuracy)
{ }

SelectorCoordinate::SelectorCoordinate(const SelectorCoordinate &other)
    : SelectorCoordinate(other.latitude(), other.longitude(), other.accuracy(), other.altitude(),
                         other.altitudeAccuracy())
{ }

SelectorCoordinate &SelectorCoordinate::operator=(const SelectorCoordinate &other)
{
    assignValues(other);
    return *this;
}

SelectorCoordinate::~SelectorCoordinate() = default;

void SelectorCoordinate::assignValues(const SelectorCoordinate &other)
{
    setLatitude(other.latitude());
    setLongitude(other.longitude());
    setAccuracy(other.accuracy());
    setAltitude(other.altitude());
    setAltitudeAccuracy(other.altitudeAccuracy());
}

} // namespace places
} // namespace trellan
} // namespace hx
