#ifndef HX_TRELLAN_PLACES_ICONITEMTYPE_H
#define HX_TRELLAN_PLACES_ICONITEMTYPE_H

#include <hx/platform/places/abstractplace.h>
#include <hx/trellan/places/hxplacesglobal.h>

namespace hx {
namespace trellan {
namespace places {

// What kind of place a record is, for choosing a row's icon. Every predicate is false for null.
// Tests marked "full place only" read internal tags that only full places carry.
class HXPLACES_EXPORT IconItemType
{
public:
    using AbstractPlace = hx::platform::places::AbstractPlace;

    IconItemType() = delete;

    static bool isFavorite(const AbstractPlace *place);
    static bool isContact(const AbstractPlace *place);
    static bool isMyHome(const AbstractPlace *place);
    static bool isMyWork(const AbstractPlace *place);
    static bool isContactHome(const AbstractPlace *place);
    static bool isContactWork(const AbstractPlace *place);
    static bool isPOI(const AbstractPlace *place);
    static bool isGeocoded(const AbstractPlace *place);
    static bool hasCoordinates(const AbstractPlace *place);
    static bool isAirport(const AbstractPlace *place);
    // Full place only.
    static bool isGas(const AbstractPlace *place);
    static bool isCategory(const AbstractPlace *place);
    static bool isSuggestion(const AbstractPlace *place);

    static bool isBank(const AbstractPlace *place);
    static bool isEntertainment(const AbstractPlace *place);
    static bool isHeathCare(const AbstractPlace *place);
    static bool isLodging(const AbstractPlace *place);
    static bool isPersonalServices(const AbstractPlace *place);
    static bool isPublicOffices(const AbstractPlace *place);
    static bool isRestaurant(const AbstractPlace *place);
    static bool isShopping(const AbstractPlace *place);
    static bool isTravel(const AbstractPlace *place);
    static bool isAutomotive(const AbstractPlace *place);
    // Two or more of the ten main category tags.
    static bool hasMultipleMainCategories(const AbstractPlace *place);
};

} // namespace places
} // namespace trellan
} // namespace hx

#endif
