#include <sqlite3.h>

#include <algorithm>

#include "cellwalk_p.h"
#include "gazetteer_p.h"
#include "nearpoint_p.h"
#include "positiongrid_p.h"
#include "spheregeometry_p.h"
#include "sqlstatement_p.h"

namespace hx {
namespace platform {
namespace places {

namespace {
constexpr const char *CellsSql = "SELECT cell, id FROM cells WHERE cell BETWEEN ?1 AND ?2";
constexpr const char *PositionSql = "SELECT latitude, longitude FROM entries WHERE id = ?1";
// The first circle: a street's length, so that a dense town centre reads few blocks; each
// further circle is four times as wide.
constexpr double FirstReachMetres = 1000;
constexpr double Growth = 4;
constexpr int KindBits = 6;
} // namespace

bool CellWalk::collect(double latitude, double longitude, int kinds, double reach, std::vector<Candidate> *candidates)
{
    sqlite3_stmt *query = m_gazetteer.statement(CellsSql);
    if (!query)
        return false;
    const NearPoint point(latitude, longitude);
    for (int bit = 0; bit < KindBits; ++bit) {
        if (!(kinds & (1 << bit)))
            continue;
        for (const PositionGrid::Range &range : PositionGrid::rangesAround(bit, latitude, longitude, reach)) {
            SqlStatement use(query);
            sqlite3_bind_int64(query, 1, range.first);
            sqlite3_bind_int64(query, 2, range.last);
            int rc;
            while ((rc = sqlite3_step(query)) == SQLITE_ROW) {
                double south, north, west, east;
                PositionGrid::stepBox(sqlite3_column_int64(query, 0), &south, &north, &west, &east);
                const double least = point.leastMetres(south, north, west, east);
                if (least <= reach)
                    candidates->push_back({ sqlite3_column_int64(query, 1), least });
            }
            if (rc != SQLITE_DONE)
                return false;
        }
    }
    return true;
}

bool CellWalk::measure(double latitude, double longitude, const std::vector<Candidate> &candidates, double bound,
                       double maxMetres, std::vector<Found> *found)
{
    sqlite3_stmt *query = m_gazetteer.statement(PositionSql);
    if (!query)
        return false;
    for (const Candidate &candidate : candidates) {
        if (candidate.least > bound)
            break;
        SqlStatement use(query);
        sqlite3_bind_int64(query, 1, candidate.id);
        const int rc = sqlite3_step(query);
        if (rc == SQLITE_DONE)
            continue; // keyed without an entry: nothing to answer with
        if (rc != SQLITE_ROW)
            return false;
        const double distance = SphereGeometry::distanceMetres(latitude, longitude, sqlite3_column_double(query, 0),
                                                               sqlite3_column_double(query, 1));
        if (distance <= maxMetres)
            found->push_back({ candidate.id, distance });
    }
    std::sort(found->begin(), found->end());
    return true;
}

bool CellWalk::nearest(double latitude, double longitude, int kinds, int limit, double maxMetres,
                       std::vector<Found> *found)
{
    const double wanted = qMin(maxMetres, 2 * SphereGeometry::HalfCircumferenceMetres);
    double reach = qMin(FirstReachMetres, wanted);
    std::vector<Candidate> candidates;
    for (;;) {
        candidates.clear();
        found->clear();
        if (!collect(latitude, longitude, kinds, reach, &candidates))
            return false;
        // A place of several kinds is keyed once for each.
        std::sort(candidates.begin(), candidates.end(), [](const Candidate &a, const Candidate &b) {
            return a.least != b.least ? a.least < b.least : a.id < b.id;
        });
        candidates.erase(std::unique(candidates.begin(), candidates.end(),
                                     [](const Candidate &a, const Candidate &b) { return a.id == b.id; }),
                         candidates.end());
        // No place is farther than its step's nearest point and the step's width: the limit-th
        // candidate bounds the limit nearest, and only those within the bound are read.
        double bound = wanted;
        if (int(candidates.size()) >= limit)
            bound = qMin(bound, candidates.at(size_t(limit) - 1).least + PositionGrid::StepDiameterMetres);
        if (!measure(latitude, longitude, candidates, bound, maxMetres, found))
            return false;
        // Every place within the reach was met; one beyond it may be nearer than the last kept.
        if (reach >= wanted || (int(found->size()) >= limit && found->at(size_t(limit) - 1).distance <= reach))
            break;
        reach = qMin(reach * Growth, wanted);
    }
    if (int(found->size()) > limit)
        found->resize(size_t(limit));
    return true;
}

} // namespace places
} // namespace platform
} // namespace hx
