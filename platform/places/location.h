#ifndef HX_PLATFORM_PLACES_LOCATION_H
#define HX_PLATFORM_PLACES_LOCATION_H

#include <hx/platform/geo/boundingbox.h>
#include <hx/platform/places/address.h>
#include <hx/platform/places/coordinates.h>

#include <QtCore/QDataStream>
#include <QtCore/QList>
#include <QtCore/QMetaType>

namespace hx {
namespace platform {
namespace places {

class LocationPrivate;

// Where a place is: its address, its coordinates, a map zoom level and the box that frames it.
// A default Location is empty: empty address, invalid coordinates, zoom -1, invalid box.
class Location
{
public:
    Location() = default;
    Location(const Coordinates &coordinates, const Address &address);

    Address address() const { return m_address; }
    Coordinates coordinates() const { return m_coordinates; }
    int zoom() const { return m_zoom; }
    hx::platform::geo::BoundingBox boundingBox() const { return m_boundingBox; }
    void setAddress(const Address &address) { m_address = address; }
    void setCoordinates(const Coordinates &coordinates) { m_coordinates = coordinates; }
    void setZoom(int zoom) { m_zoom = zoom; }
    void setBoundingBox(const hx::platform::geo::BoundingBox &box) { m_boundingBox = box; }

    bool isEmpty() const;

    // Address, coordinates, zoom and box all equal. The geocoder's found address is not part of a
    // location's identity and is left out.
    bool operator==(const Location &other) const;
    bool operator!=(const Location &other) const { return !(*this == other); }

private:
    friend class LocationPrivate;
    Address m_address;
    Coordinates m_coordinates;
    int m_zoom = -1;
    hx::platform::geo::BoundingBox m_boundingBox;
    Address m_foundAddress;
};

QDataStream &operator<<(QDataStream &out, const Location &location);
QDataStream &operator>>(QDataStream &in, Location &location);

} // namespace places
} // namespace platform
} // namespace hx

Q_DECLARE_METATYPE(hx::platform::places::Location)
Q_DECLARE_METATYPE(QList<hx::platform::places::Location>)

#endif
