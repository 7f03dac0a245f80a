#ifndef HX_TRELLAN_PLACES_PLACERECORD_P_H
#define HX_TRELLAN_PLACES_PLACERECORD_P_H

#include <hx/platform/places/abstractplace.h>
#include <hx/platform/places/placeheader.h>

namespace hx {
namespace trellan {
namespace places {

// Record conversions the list models share.
class PlaceRecord
{
public:
    // A header the store can resolve back into the current record: a copy of a header, or the
    // identity, first location and source data of a full place. The caller owns it; null for
    // null or an unknown record kind.
    static hx::platform::places::PlaceHeader *headerOf(const hx::platform::places::AbstractPlace *place);
};

} // namespace places
} // namespace trellan
} // namespace hx

#endif
