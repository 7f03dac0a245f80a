#ifndef HX_PLATFORM_PLACES_STREETSEGMENTS_P_H
#define HX_PLATFORM_PLACES_STREETSEGMENTS_P_H

#include <hx/platform/places/gazetteerstreet.h>

namespace hx {
namespace platform {
namespace places {

class GazetteerPrivate;

// The streets of a gazetteer file as pieces of their lines in a spatial table: the street a
// position lies on or beside.
class StreetSegments
{
public:
    // Pieces are kept with their exact ends beside the index's rounded boxes.
    static constexpr const char *CreateSql
        = "CREATE VIRTUAL TABLE street_segments USING rtree(id, min_lat, max_lat, min_lon, max_lon, +name, +city, "
          "+lat1, +lon1, +lat2, +lon2)";

    explicit StreetSegments(GazetteerPrivate &gazetteer) : m_gazetteer(gazetteer) { }

    // Files written before streets existed have none; that is not damage.
    void prepare();
    // The street nearest the position within maxMetres, at its nearest point; invalid when none.
    GazetteerStreet nearest(double latitude, double longitude, double maxMetres);

private:
    GazetteerPrivate &m_gazetteer;
    bool m_available = false;
};

} // namespace places
} // namespace platform
} // namespace hx

#endif
