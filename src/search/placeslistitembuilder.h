#ifndef HX_TRELLAN_PLACES_PLACESLISTITEMBUILDER_H
#define HX_TRELLAN_PLACES_PLACESLISTITEMBUILDER_H

#include <hx/trellan/places/hxplacesglobal.h>

namespace hx {
namespace trellan {
namespace places {

class ItemIconCommon;

// Makes the place rows of a list, so that one item manager serves lists with different rows.
class HXPLACES_EXPORT PlacesListItemBuilder
{
public:
    virtual ~PlacesListItemBuilder();
    // A new row, not yet laid out; the caller owns it.
    virtual ItemIconCommon *createPlacesListItem() = 0;
};

} // namespace places
} // namespace trellan
} // namespace hx

#endif
