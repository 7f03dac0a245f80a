#include <QtCore/QDebug>

#include <sqlite3.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "gazetteer_p.h"
#include "gazetteerschema_p.h"
#include "nearestindex_p.h"
#include "nearestwalk_p.h"
#include "nearpoint_p.h"
#include "spheregeometry_p.h"
#include "sqlstatement_p.h"

namespace hx {
namespace platform {
namespace places {

namespace {
// The places of some kinds nearest a point, nearest first: the index walks its boxes in the
// order of the least distance each could hold (hx_nearest below), and the kinds are checked on
// its own small table, so only the few places that can be nearest are read from the entries.
constexpr const char *NearestSql = "SELECT id, min_lat, max_lat, min_lon, max_lon FROM points "
                                   "WHERE id MATCH hx_nearest(?1, ?2, ?3) AND (kind & ?4) != 0";
constexpr const char *PositionSql = "SELECT latitude, longitude FROM entries WHERE id = ?1";
// How far a nearest walk goes at first: a few towns away, and well past any nearest address.
constexpr double FirstReachMetres = 64000;

// hx_nearest(latitude, longitude, maxMetres) for the index: scores each box by the least
// distance it could hold and leaves out those beyond maxMetres, or beyond the farthest place
// the walk keeps so far (NearestWalk::reach).
int nearestScore(sqlite3_rtree_query_info *info)
{
    if (info->nParam != 3 || info->nCoord != 4)
        return SQLITE_ERROR;
    auto *point = static_cast<NearPoint *>(info->pUser);
    if (!point) {
        point = new NearPoint(info->aParam[0], info->aParam[1]);
        info->pUser = point;
        info->xDelUser = [](void *user) { delete static_cast<NearPoint *>(user); };
    }
    const double reach = qMin(info->aParam[2], static_cast<const NearestWalk *>(info->pContext)->reach());
    const double south = info->aCoord[0];
    const double north = info->aCoord[1];
    // No place is nearer than its difference in latitude: most boxes are left out on that alone.
    const double latitudeGap = qMax(south - point->latitude, point->latitude - north);
    if (latitudeGap * SphereGeometry::LatitudeMetresPerDegree > reach + 1) {
        info->eWithin = NOT_WITHIN;
        return SQLITE_OK;
    }
    const double least = point->leastMetres(south, north, info->aCoord[2], info->aCoord[3]);
    info->rScore = least;
    info->eWithin = least <= reach ? PARTLY_WITHIN : NOT_WITHIN;
    return SQLITE_OK;
}
} // namespace

bool NearestWalk::prepare()
{
    return m_gazetteer.statement(PositionSql);
}

sqlite3_stmt *NearestWalk::walkStatement()
{
    if (!m_gazetteer.db)
        return nullptr;
    if (!m_registered) {
        if (sqlite3_rtree_query_callback(m_gazetteer.db, "hx_nearest", nearestScore, this, nullptr) != SQLITE_OK)
            return nullptr;
        m_registered = true;
    }
    return m_gazetteer.statement(NearestSql);
}

int NearestWalk::readPosition(qint64 id, double *latitude, double *longitude)
{
    sqlite3_stmt *query = m_gazetteer.statement(PositionSql);
    if (!query)
        return -1;
    SqlStatement use(query);
    sqlite3_bind_int64(query, 1, id);
    const int rc = sqlite3_step(query);
    if (rc != SQLITE_ROW)
        return rc == SQLITE_DONE ? 0 : -1;
    *latitude = sqlite3_column_double(query, 0);
    *longitude = sqlite3_column_double(query, 1);
    return 1;
}

QList<GazetteerEntry> NearestWalk::fromIndex(double latitude, double longitude, int kinds, int limit, double maxMetres)
{
    // The candidates are the places asked for, or barely more: each is read whole at once.
    QList<GazetteerEntry> entries;
    for (qint64 id : m_index->candidates(latitude, longitude, kinds, limit, maxMetres)) {
        GazetteerEntry entry;
        if (!m_gazetteer.readEntry(id, &entry))
            continue;
        entry.distanceMetres = SphereGeometry::distanceMetres(latitude, longitude, entry.latitude, entry.longitude);
        if (entry.distanceMetres <= maxMetres)
            entries.append(entry);
    }
    std::sort(entries.begin(), entries.end(), [](const GazetteerEntry &a, const GazetteerEntry &b) {
        return a.distanceMetres != b.distanceMetres ? a.distanceMetres < b.distanceMetres : a.id < b.id;
    });
    return entries.mid(0, limit);
}

QList<GazetteerEntry> NearestWalk::nearest(double latitude, double longitude, int kinds, int limit, double maxMetres)
{
    kinds &= GazetteerEntry::AnyKind;
    if (kinds == 0 || limit <= 0 || !SphereGeometry::isValidPosition(latitude, longitude) || !(maxMetres >= 0))
        return {};
    if (m_index)
        return fromIndex(latitude, longitude, kinds, limit, maxMetres);
    std::vector<Found> found;
    const bool walked = m_gazetteer.version >= GazetteerSchema::FirstVersionWithCells
        ? m_cells.nearest(latitude, longitude, kinds, limit, maxMetres, &found)
        : walkBoxes(latitude, longitude, kinds, limit, maxMetres, &found);
    if (!walked) {
        qWarning().noquote() << "hx::platform::places::Gazetteer::nearest() failed:" << m_gazetteer.sqliteError();
        return {};
    }
    QList<GazetteerEntry> entries;
    for (const Found &place : found) {
        GazetteerEntry entry;
        if (!m_gazetteer.readEntry(place.id, &entry))
            continue;
        entry.distanceMetres = place.distance;
        entries.append(entry);
    }
    return entries;
}

bool NearestWalk::walkBoxes(double latitude, double longitude, int kinds, int limit, double maxMetres,
                            std::vector<Found> *found)
{
    sqlite3_stmt *query = walkStatement();
    if (!query)
        return false;
    // Places come nearest bound first; each is read only while its bound could still beat the
    // farthest kept, and the walk ends at the first that cannot.
    const NearPoint point(latitude, longitude);
    // Until the walk has enough places it cannot tell a far box from a near one, and would queue
    // every box of every node it opens. So it first goes only so far; if that does not hold
    // enough places it goes again, eight times as far, and so on.
    const double wanted = qMin(maxMetres, 2 * SphereGeometry::HalfCircumferenceMetres);
    double reach = qMin(FirstReachMetres, wanted);
    for (;;) {
        found->clear();
        m_reach = reach;
        SqlStatement use(query);
        sqlite3_bind_double(query, 1, latitude);
        sqlite3_bind_double(query, 2, longitude);
        sqlite3_bind_double(query, 3, reach);
        sqlite3_bind_int(query, 4, kinds);
        int rc;
        while ((rc = sqlite3_step(query)) == SQLITE_ROW) {
            const double least = point.leastMetres(sqlite3_column_double(query, 1), sqlite3_column_double(query, 2),
                                                   sqlite3_column_double(query, 3), sqlite3_column_double(query, 4));
            if (int(found->size()) >= limit && least > found->back().distance)
                break;
            const qint64 id = sqlite3_column_int64(query, 0);
            double placeLatitude = 0;
            double placeLongitude = 0;
            const int read = readPosition(id, &placeLatitude, &placeLongitude);
            if (read < 0) {
                rc = SQLITE_ERROR;
                break;
            }
            if (read == 0)
                continue; // indexed without an entry: nothing to answer with
            const Found place { id,
                                SphereGeometry::distanceMetres(latitude, longitude, placeLatitude, placeLongitude) };
            if (place.distance > maxMetres || (int(found->size()) >= limit && !(place < found->back())))
                continue;
            found->insert(std::upper_bound(found->begin(), found->end(), place), place);
            if (int(found->size()) > limit)
                found->pop_back();
            if (int(found->size()) >= limit)
                m_reach = qMin(reach, found->back().distance);
        }
        if (rc != SQLITE_ROW && rc != SQLITE_DONE)
            return false;
        // Every place within the reach was met; one beyond it may have been passed over.
        if (reach >= wanted || (int(found->size()) >= limit && found->back().distance <= reach))
            break;
        reach = qMin(reach * 8, wanted);
    }
    return true;
}

void NearestWalk::preloadIndex()
{
    if (!m_gazetteer.db || m_index)
        return;
    QString error;
    m_index = NearestIndex::shared(m_gazetteer.path, m_gazetteer.identity, m_gazetteer.db, &error);
    if (!m_index)
        qWarning().noquote() << "hx::platform::places::Gazetteer::preloadNearestIndex() failed:" << error;
}

} // namespace places
} // namespace platform
} // namespace hx
