#ifndef HX_PLATFORM_PLACES_LOCATION_P_H
#define HX_PLATFORM_PLACES_LOCATION_P_H

#include <hx/platform/places/location.h>

namespace hx {
namespace platform {
namespace places {

// The geocoder's door into a Location: it keeps the address the geocoder found next to the
// coordinates while the location's own address stays what the user typed.
class LocationPrivate
{
public:
    static void setCoordinates(Location &location, const Coordinates &coordinates, const Address &foundAddress);
    static Address foundAddress(const Location &location);
};

} // namespace places
} // namespace platform
} // namespace hx

#endif
