#ifndef HX_TRELLAN_PLACES_TCSPLACESLISTITEMBUILDER_H
#define HX_TRELLAN_PLACES_TCSPLACESLISTITEMBUILDER_H

#include <hx/trellan/places/placeslistitembuilder.h>

namespace hx {
namespace trellan {
namespace places {

// The place rows of the My Places list, with their context menu of map actions.
class HXPLACES_EXPORT TCSPlacesListItemBuilder : public PlacesListItemBuilder
{
public:
    ItemIconCommon *createPlacesListItem() override;
};

} // namespace places
} // namespace trellan
} // namespace hx

#endif
