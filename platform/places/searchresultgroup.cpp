#include <hx/platform/places/searchresultgroup.h>

namespace hx {
namespace platform {
namespace places {

bool SearchResultGroup::isKnown(int group)
{
    switch (group) {
    case All:
    case Recents:
    case Favorites:
    case RecentlyPicked:
    case Contacts:
    case MyPlaces:
    case RemotePlaces:
    case Addresses:
    case PointsOfInterest:
    case Suggestions:
    case CategoryCode:
    case CategorySearch:
    case MyPlacesGroup14:
    case PointsOfInterestNearby:
        return true;
    default:
        return false;
    }
}

QList<int> SearchResultGroup::defaultGroups(int myPlacesGroup)
{
    return { myPlacesGroup, Contacts, PointsOfInterest, Addresses, Suggestions };
}

} // namespace places
} // namespace platform
} // namespace hx
