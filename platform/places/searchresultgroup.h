#ifndef HX_PLATFORM_PLACES_SEARCHRESULTGROUP_H
#define HX_PLATFORM_PLACES_SEARCHRESULTGROUP_H

#include <QtCore/QList>
#include <QtCore/QMetaType>

namespace hx {
namespace platform {
namespace places {

// The result groups of a search, by the numbers the list models use.
class SearchResultGroup
{
public:
    enum Type : int {
        All = 0, // My Places, then contacts, then remote places
        Recents = 2, // recently picked places and recent search terms (full places), newest first
        Favorites = 4,
        RecentlyPicked = 5, // recently picked places, newest first (time-grouped lists)
        Contacts = 6, // contacts' postal addresses
        MyPlaces = 7, // every stored place: favourites, recents, home, work
        RemotePlaces = 8, // the gazetteer, every kind
        Addresses = 9, // gazetteer addresses and localities (forward geocoding), full places
        PointsOfInterest = 10,
        Suggestions = 11, // full places tagged InternalTags::Suggestion or SuggestionCategory
        CategoryCode = 12, // points of interest whose category code starts with the text
        CategorySearch = 13, // points of interest of the category in "code_|_name" terms
        MyPlacesGroup14 = 14, // My Places for the combined model
        PointsOfInterestNearby = 16 // points of interest matching the text, nearest first
    };

    static bool isKnown(int group);
    // The groups an empty group list stands for, in reply order.
    static QList<int> defaultGroups(int myPlacesGroup = MyPlaces);
};

} // namespace places
} // namespace platform
} // namespace hx

Q_DECLARE_METATYPE(hx::platform::places::SearchResultGroup::Type)

#endif
