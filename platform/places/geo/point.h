#ifndef HX_PLATFORM_GEO_POINT_H
#define HX_PLATFORM_GEO_POINT_H

#include <QtCore/QDataStream>
#include <QtCore/QMetaType>
#include <QtCore/QtNumeric>

namespace hx {
namespace platform {
namespace geo {

// A position on the globe in degrees, with an optional altitude in metres.
class Point
{
public:
    Point() = default;
    Point(double latitude, double longitude, double altitude = qQNaN());

    double latitude() const { return m_latitude; }
    double longitude() const { return m_longitude; }
    double altitude() const { return m_altitude; }
    void setLatitude(double latitude) { m_latitude = latitude; }
    void setLongitude(double longitude) { m_longitude = longitude; }
    void setAltitude(double altitude) { m_altitude = altitude; }

    // Latitude in [-90, 90] and longitude in [-180, 180]; NaN is never valid.
    bool isValid() const;

    bool operator==(const Point &other) const;
    bool operator!=(const Point &other) const { return !(*this == other); }

private:
    double m_latitude = qQNaN();
    double m_longitude = qQNaN();
    double m_altitude = qQNaN();
};

QDataStream &operator<<(QDataStream &out, const Point &point);
QDataStream &operator>>(QDataStream &in, Point &point);

} // namespace geo
} // namespace platform
} // namespace hx

Q_DECLARE_METATYPE(hx::platform::geo::Point)

#endif
