#include <hx/platform/geo/point.h>

#include <cmath>

namespace hx {
namespace platform {
namespace geo {

namespace {
// NaN compares unequal to itself; two unset members are still the same value.
bool sameNumber(double a, double b)
{
    return (std::isnan(a) && std::isnan(b)) || a == b;
}
} // namespace

Point::Point(double latitude, double longitude, double altitude)
    : m_latitude(latitude), m_longitude(longitude), m_altitude(altitude)
{ }

bool Point::isValid() const
{
    return m_latitude >= -90.0 && m_latitude <= 90.0 && m_longitude >= -180.0 && m_longitude <= 180.0;
}

bool Point::operator==(const Point &other) const
{
    return sameNumber(m_latitude, other.m_latitude) && sameNumber(m_longitude, other.m_longitude)
        && sameNumber(m_altitude, other.m_altitude);
}

QDataStream &operator<<(QDataStream &out, const Point &point)
{
    return out << point.latitude() << point.longitude() << point.altitude();
}

QDataStream &operator>>(QDataStream &in, Point &point)
{
    double latitude = 0, longitude = 0, altitude = 0;
    in >> latitude >> longitude >> altitude;
    point = Point(latitude, longitude, altitude);
    return in;
}

} // namespace geo
} // namespace platform
} // namespace hx
