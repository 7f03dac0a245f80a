#ifndef HX_PLATFORM_PLACES_NEARESTWALK_P_H
#define HX_PLATFORM_PLACES_NEARESTWALK_P_H

#include <hx/platform/places/gazetteerentry.h>

#include <QtCore/QList>

#include <memory>
#include <vector>

#include "cellwalk_p.h"

struct sqlite3_stmt;

namespace hx {
namespace platform {
namespace places {

class GazetteerPrivate;
class NearestIndex;

// The gazetteer's nearest places: a walk of its position grid (older files: a nearest-first walk of
// their spatial index), or, once preloaded, the in-memory index of every position.
class NearestWalk
{
public:
    explicit NearestWalk(GazetteerPrivate &gazetteer) : m_gazetteer(gazetteer), m_cells(gazetteer) { }

    bool prepare();
    QList<GazetteerEntry> nearest(double latitude, double longitude, int kinds, int limit, double maxMetres);
    void preloadIndex();
    // While a walk runs: the distance of the farthest place it keeps once it has enough.
    double reach() const { return m_reach; }

private:
    using Found = CellWalk::Found;

    // The walk of the spatial index of files from before the cells table.
    bool walkBoxes(double latitude, double longitude, int kinds, int limit, double maxMetres,
                   std::vector<Found> *found);
    // The walk's statement, its scoring function registered on first use.
    sqlite3_stmt *walkStatement();
    // 1 read, 0 no such entry, -1 failed.
    int readPosition(qint64 id, double *latitude, double *longitude);
    QList<GazetteerEntry> fromIndex(double latitude, double longitude, int kinds, int limit, double maxMetres);

    GazetteerPrivate &m_gazetteer;
    CellWalk m_cells;
    bool m_registered = false;
    double m_reach = 0;
    // Every place's position in memory, once preloadIndex() has read them.
    std::shared_ptr<const NearestIndex> m_index;
};

} // namespace places
} // namespace platform
} // namespace hx

#endif
