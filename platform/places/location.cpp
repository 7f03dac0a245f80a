#include <hx/platform/places/location.h>

#include "location_p.h"

namespace hx {
namespace platform {
namespace places {

Location::Location(const Coordinates &coordinates, const Address &address)
    : m_address(address), m_coordinates(coordinates)
{ }

bool Location::isEmpty() const
{
    return *this == Location();
}

bool Location::operator==(const Location &other) const
{
    return m_address == other.m_address && m_coordinates == other.m_coordinates && m_zoom == other.m_zoom
        && m_boundingBox == other.m_boundingBox;
}

void LocationPrivate::setCoordinates(Location &location, const Coordinates &coordinates, const Address &foundAddress)
{
    location.m_coordinates = coordinates;
    location.m_foundAddress = foundAddress;
}

Address LocationPrivate::foundAddress(const Location &location)
{
    return location.m_foundAddress;
}

QDataStream &operator<<(QDataStream &out, const Location &location)
{
    return out << location.address() << location.coordinates() << qint32(location.zoom()) << location.boundingBox()
               << LocationPrivate::foundAddress(location);
}

QDataStream &operator>>(QDataStream &in, Location &location)
{
    Address address, found;
    Coordinates coordinates;
    qint32 zoom = -1;
    hx::platform::geo::BoundingBox box;
    in >> address >> coordinates >> zoom >> box >> found;
    location = Location(coordinates, address);
    location.setZoom(zoom);
    location.setBoundingBox(box);
    LocationPrivate::setCoordinates(location, coordinates, found);
    return in;
}

} // namespace places
} // namespace platform
} // namespace hx
