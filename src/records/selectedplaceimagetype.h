#ifndef HX_TRELLAN_PLACES_SELECTEDPLACEIMAGETYPE_H
#define HX_TRELLAN_PLACES_SELECTEDPLACEIMAGETYPE_H

#include <hx/trellan/places/hxplacesglobal.h>

namespace hx {
namespace trellan {
namespace places {

// What the bytes of a selected place's map image are.
class HXPLACES_EXPORT SelectedPlaceImageType
{
public:
    enum Type {
        None = 0, // no image
        Png = 1 // the bytes are a PNG image
    };

    SelectedPlaceImageType() = delete;
};

} // namespace places
} // namespace trellan
} // namespace hx

#endif
