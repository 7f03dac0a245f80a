#ifndef HX_TRELLAN_PLACES_FILTERCATEGORY_H
#define HX_TRELLAN_PLACES_FILTERCATEGORY_H

#include <hx/trellan/places/hxplacesglobal.h>

#include <QtCore/QMetaType>

namespace hx {
namespace trellan {
namespace places {

// What a list model is asked to load; GroupMapper turns it into the store's result group.
class HXPLACES_EXPORT FilterCategory
{
public:
    FilterCategory() = delete;

    enum Type : int {
        None = 0,
        Favorites = 1,
        Recents = 2,
        Contacts = 3,
        MyPlaces = 4,
        RemotePlaces = 5,
        Addresses = 6,
        Pois = 7,
        RecentGroup5 = 8, // recents grouped by the time of their last use
        Suggestions = 9,
        PoiGroup13 = 10, // category search
        MyPlacesGroup14 = 11,
        PoiGroup12 = 12,
        PoiGroup16 = 13
    };
};

} // namespace places
} // namespace trellan
} // namespace hx

Q_DECLARE_METATYPE(hx::trellan::places::FilterCategory::Type)

#endif
