#ifndef HX_TRELLAN_PLACES_PLACEVIEWMODE_H
#define HX_TRELLAN_PLACES_PLACEVIEWMODE_H

#include <hx/trellan/places/hxplacesglobal.h>

namespace hx {
namespace trellan {
namespace places {

// The mode of a place card. The values travel as integers (card requests, the place viewer
// JSON), so they never change.
class HXPLACES_EXPORT PlaceViewMode
{
public:
    enum Type {
        NewPlace = 1,
        Preview = 2,
        View = 3,
        ViewEditable = 4,
        Edit = 5,
        Compose = 6,
        // Voice-assistant card modes.
        ZantA = 7,
        ZantB = 8,
        ZantC = 9,
        ZantD = 10
    };

    PlaceViewMode() = delete;
};

} // namespace places
} // namespace trellan
} // namespace hx

#endif
