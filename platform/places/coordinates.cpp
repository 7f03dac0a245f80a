#include <hx/platform/places/coordinates.h>

#include <cmath>

namespace hx {
namespace platform {
namespace places {

namespace {
bool sameNumber(double a, double b)
{
    return (std::isnan(a) && std::isnan(b)) || a == b;
}
constexpr double EarthRadiusMetres = 6371008.8;
} // namespace

Coordinates::Coordinates(double latitude, double longitude) : m_latitude(latitude), m_longitude(longitude) { }

bool Coordinates::isValid() const
{
    return m_latitude >= -90.0 && m_latitude <= 90.0 && m_longitude >= -180.0 && m_longitude <= 180.0;
}

double Coordinates::distanceTo(const Coordinates &other) const
{
    if (!isValid() || !other.isValid())
        return qQNaN();
    const double toRadians = M_PI / 180.0;
    const double lat1 = m_latitude * toRadians;
    const double lat2 = other.m_latitude * toRadians;
    const double dLat = lat2 - lat1;
    const double dLon = (other.m_longitude - m_longitude) * toRadians;
    const double a = std::sin(dLat / 2) * std::sin(dLat / 2)
        + std::cos(lat1) * std::cos(lat2) * std::sin(dLon / 2) * std::sin(dLon / 2);
    return 2 * EarthRadiusMetres * std::asin(std::min(1.0, std::sqrt(a)));
}

bool Coordinates::operator==(const Coordinates &other) const
{
    return sameNumber(m_latitude, other.m_latitude) && sameNumber(m_longitude, other.m_longitude)
        && sameNumber(m_altitude, other.m_altitude) && sameNumber(m_horizontalAccuracy, other.m_horizontalAccuracy)
        && sameNumber(m_verticalAccuracy, other.m_verticalAccuracy);
}

QDataStream &operator<<(QDataStream &out, const Coordinates &coordinates)
{
    return out << coordinates.latitude() << coordinates.longitude() << coordinates.altitude()
               << coordinates.horizontalAccuracy() << coordinates.verticalAccuracy();
}

QDataStream &operator>>(QDataStream &in, Coordinates &coordinates)
{
    double latitude = 0, longitude = 0, altitude = 0;
    float horizontal = 0, vertical = 0;
    in >> latitude >> longitude >> altitude >> horizontal >> vertical;
    coordinates = Coordinates(latitude, longitude);
    coordinates.setAltitude(altitude);
    coordinates.setHorizontalAccuracy(horizontal);
    coordinates.setVerticalAccuracy(vertical);
    return in;
}

} // namespace places
} // namespace platform
} // namespace hx
