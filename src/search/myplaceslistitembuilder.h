#ifndef HX_TRELLAN_PLACES_MYPLACESLISTITEMBUILDER_H
#define HX_TRELLAN_PLACES_MYPLACESLISTITEMBUILDER_H

#include <hx/trellan/places/placeslistitembuilder.h>

namespace hx {
namespace trellan {
namespace places {

// The place rows of the selectors and the single search list.
class HXPLACES_EXPORT MyPlacesListItemBuilder : public PlacesListItemBuilder
{
public:
    ItemIconCommon *createPlacesListItem() override;
};

} // namespace places
} // namespace trellan
} // namespace hx

#endif
