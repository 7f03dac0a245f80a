#ifndef HX_PLATFORM_PLACES_PLACEHEADER_P_H
#define HX_PLATFORM_PLACES_PLACEHEADER_P_H

#include <hx/platform/places/place.h>
#include <hx/platform/places/placeheader.h>

namespace hx {
namespace platform {
namespace places {

class PlaceHeaderPrivate
{
public:
    // The header of a full place: the same id, names, tags and first location, and only the
    // auxiliary data a header carries (point of interest, contact, suggestion distance).
    // The caller owns the result; null for a null place.
    static PlaceHeader *createPublicHeader(const Place *place);
    static PlaceHeader createHeader(const Place &place);
};

} // namespace places
} // namespace platform
} // namespace hx

#endif
