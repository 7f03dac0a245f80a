#ifndef HX_PLATFORM_PLACES_RECENTGAZETTEERPLACES_P_H
#define HX_PLATFORM_PLACES_RECENTGAZETTEERPLACES_P_H

#include <hx/platform/places/gazetteerentry.h>
#include <hx/platform/places/place.h>

namespace hx {
namespace platform {
namespace places {

// The places this thread last built from the gazetteer, by entry id. A list asks for the
// details and ratings of the rows it has just shown; the gazetteer never changes under an
// open connection, so those rows can be handed back instead of read and built again; and
// successive keystrokes list many of the same entries, which are then not built again either.
class RecentGazetteerPlaces
{
public:
    static void remember(const GazetteerEntry &entry, const Place &place);
    static bool recall(qint64 id, Place *place);
    // The place built from an entry that holds the same texts, position and rating.
    static bool recallBuilt(const GazetteerEntry &entry, Place *place);
    // The gazetteer file was replaced: nothing remembered holds any more.
    static void forget();
};

} // namespace places
} // namespace platform
} // namespace hx

#endif
