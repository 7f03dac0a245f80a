#ifndef HX_PLATFORM_PLACES_NEARESTWALK_P_H
#define HX_PLATFORM_PLACES_NEARESTWALK_P_H

#include <hx/platform/places/gazetteerentry.h>

#include <QtCore/QList>

#include <memory>

struct sqlite3_stmt;

namespace hx {
namespace platform {
namespace places {

class GazetteerPrivate;
class NearestIndex;

// The gazetteer's nearest places: a nearest-first walk of its spatial index, or, once
// preloaded, the in-memory index of every position.
class NearestWalk
{
public:
    explicit NearestWalk(GazetteerPrivate &gazetteer) : m_gazetteer(gazetteer) { }

    bool prepare();
    QList<GazetteerEntry> nearest(double latitude, double longitude, int kinds, int limit, double maxMetres);
    void preloadIndex();
    // While a walk runs: the distance of the farthest place it keeps once it has enough.
    double reach() const { return m_reach; }

private:
    // The walk's statement, its scoring function registered on first use.
    sqlite3_stmt *walkStatement();
    // 1 read, 0 no such entry, -1 failed.
    int readPosition(qint64 id, double *latitude, double *longitude);
    QList<GazetteerEntry> fromIndex(double latitude, double longitude, int kinds, int limit, double maxMetres);

    GazetteerPrivate &m_gazetteer;
    bool m_registered = false;
    double m_reach = 0;
    // Every place's position in memory, once preloadIndex() has read them.
    std::shared_ptr<const NearestIndex> m_index;
};

} // namespace places
} // namespace platform
} // namespace hx

#endif
