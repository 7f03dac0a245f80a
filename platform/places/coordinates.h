#ifndef HX_PLATFORM_PLACES_COORDINATES_H
#define HX_PLATFORM_PLACES_COORDINATES_H

#include <QtCore/QDataStream>
#include <QtCore/QMetaType>
#include <QtCore/QtNumeric>

namespace hx {
namespace platform {
namespace places {

// A position in degrees with altitude and accuracies in metres. Every member starts as NaN, so a
// default Coordinates is invalid and no member reads as a real zero.
class Coordinates
{
public:
    Coordinates() = default;
    Coordinates(double latitude, double longitude);

    double latitude() const { return m_latitude; }
    double longitude() const { return m_longitude; }
    double altitude() const { return m_altitude; }
    float horizontalAccuracy() const { return m_horizontalAccuracy; }
    float verticalAccuracy() const { return m_verticalAccuracy; }
    void setLatitude(double latitude) { m_latitude = latitude; }
    void setLongitude(double longitude) { m_longitude = longitude; }
    void setAltitude(double altitude) { m_altitude = altitude; }
    void setHorizontalAccuracy(float accuracy) { m_horizontalAccuracy = accuracy; }
    void setVerticalAccuracy(float accuracy) { m_verticalAccuracy = accuracy; }

    // Latitude within [-90, 90] and longitude within [-180, 180]; NaN is out of every range.
    bool isValid() const;

    // Great-circle distance in metres; NaN when either side is invalid.
    double distanceTo(const Coordinates &other) const;

    bool operator==(const Coordinates &other) const;
    bool operator!=(const Coordinates &other) const { return !(*this == other); }

private:
    double m_latitude = qQNaN();
    double m_longitude = qQNaN();
    double m_altitude = qQNaN();
    float m_horizontalAccuracy = qQNaN();
    float m_verticalAccuracy = qQNaN();
};

QDataStream &operator<<(QDataStream &out, const Coordinates &coordinates);
QDataStream &operator>>(QDataStream &in, Coordinates &coordinates);

} // namespace places
} // namespace platform
} // namespace hx

Q_DECLARE_METATYPE(hx::platform::places::Coordinates)

#endif
