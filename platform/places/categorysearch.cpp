#include <QtCore/QDebug>
#include <QtCore/QtAlgorithms>

#include <sqlite3.h>

#include <algorithm>
#include <cmath>
#include <limits>

#include "categorysearch_p.h"
#include "gazetteer_p.h"
#include "gazetteerschema_p.h"
#include "gazetteertext_p.h"
#include "positiongrid_p.h"
#include "spheregeometry_p.h"
#include "sqlstatement_p.h"

namespace hx {
namespace platform {
namespace places {

namespace {
// The first box of a nearest lookup: about a city block, where addresses are dense.
constexpr double FirstRadiusMetres = 250;
// The points of interest under a range of category keys, in (code, id) order from the index alone.
// Positions are stored in whole steps (?4: how many to a degree; 1 in files that keep degrees).
constexpr const char *CategoryRangeSql = "SELECT id, latitude / ?4, longitude / ?4 FROM poi_categories "
                                         "WHERE code_key >= ?1 AND code_key < ?2 LIMIT ?3";
// The distinct codes of a range, one index seek each.
constexpr const char *FirstCategoryCodeSql
    = "SELECT code_key FROM poi_categories WHERE code_key >= ?1 AND code_key < ?2 ORDER BY code_key LIMIT 1";
constexpr const char *NextCategoryCodeSql
    = "SELECT code_key FROM poi_categories WHERE code_key > ?1 AND code_key < ?2 ORDER BY code_key LIMIT 1";
constexpr const char *CategoryByIdSql = "SELECT id FROM poi_categories WHERE code_key = ?1 ORDER BY id LIMIT ?2";
// Points of interest in a box with their codes, for categories too common to read whole.
constexpr const char *CategoryBoxSql
    = "SELECT e.id, e.latitude, e.longitude, e.category FROM points p JOIN entries e ON e.id = p.id "
      "WHERE p.max_lat >= ?1 AND p.min_lat <= ?2 AND p.max_lon >= ?3 AND p.min_lon <= ?4 AND p.kind = ?5";
// The same from the position grid (PositionGrid), one range of keys at a time.
constexpr const char *CategoryCellsSql
    = "SELECT e.id, e.latitude, e.longitude, e.category FROM cells c JOIN entries e ON e.id = c.id "
      "WHERE c.cell BETWEEN ?1 AND ?2";
// Files without the category index: points of interest in importance order.
constexpr const char *PointsOfInterestSql = "SELECT id, category FROM entries WHERE kind = ?1 ORDER BY id";
// A category with at most this many points of interest is read whole from its index and
// sorted; a larger one is found through the spatial index, where it is dense enough that a
// small box around the position already holds a page of it.
constexpr int WholeCategoryLimit = 4096;
constexpr const char *CategoriesSql = "SELECT code, name FROM categories ORDER BY name, code";
} // namespace

bool CategorySearch::prepare()
{
    sqlite3_stmt *query = m_gazetteer.statement(CategoriesSql);
    SqlStatement use(query);
    int rc;
    while ((rc = sqlite3_step(query)) == SQLITE_ROW) {
        Category category;
        category.code = SqlStatement::columnText(query, 0);
        category.name = SqlStatement::columnText(query, 1);
        category.key = GazetteerText::foldedKey(category.name);
        category.words = category.key.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        m_categories.append(category);
    }
    return rc == SQLITE_DONE && (!m_gazetteer.hasCategoryIndex() || m_gazetteer.statement(CategoryRangeSql));
}

QString CategorySearch::categoryEnd(const QString &key)
{
    // U+10FFFF sorts after every character a code can continue with.
    return key + QString::fromUcs4(U"\U0010FFFF");
}

bool CategorySearch::wholeCategory(const QString &key, GazetteerCandidates *rows)
{
    sqlite3_stmt *query = m_gazetteer.statement(CategoryRangeSql);
    SqlStatement use(query);
    SqlStatement::bindText(query, 1, key);
    SqlStatement::bindText(query, 2, categoryEnd(key));
    sqlite3_bind_int(query, 3, WholeCategoryLimit + 1);
    sqlite3_bind_double(query, 4,
                        m_gazetteer.version >= GazetteerSchema::FirstVersionWithWholeCoordinates
                            ? GazetteerSchema::CoordinateStepsPerDegree
                            : 1.0);
    int rc;
    while ((rc = sqlite3_step(query)) == SQLITE_ROW) {
        GazetteerCandidate candidate;
        candidate.id = sqlite3_column_int64(query, 0);
        candidate.hasPosition
            = sqlite3_column_type(query, 1) != SQLITE_NULL && sqlite3_column_type(query, 2) != SQLITE_NULL;
        candidate.latitude = sqlite3_column_double(query, 1);
        candidate.longitude = sqlite3_column_double(query, 2);
        rows->append(candidate);
    }
    if (rc != SQLITE_DONE)
        qWarning().noquote() << "hx::platform::places::Gazetteer::inCategory() failed:" << m_gazetteer.sqliteError();
    return rc == SQLITE_DONE && rows->size() <= WholeCategoryLimit;
}

bool CategorySearch::readBox(sqlite3_stmt *query, const QString &key, double latitude, double longitude,
                             GazetteerCandidates *found)
{
    int rc;
    while ((rc = sqlite3_step(query)) == SQLITE_ROW) {
        if (!SqlStatement::columnText(query, 3).startsWith(key, Qt::CaseInsensitive))
            continue;
        GazetteerCandidate candidate;
        candidate.id = sqlite3_column_int64(query, 0);
        candidate.latitude = sqlite3_column_double(query, 1);
        candidate.longitude = sqlite3_column_double(query, 2);
        candidate.hasPosition = true;
        candidate.distance
            = SphereGeometry::distanceMetres(latitude, longitude, candidate.latitude, candidate.longitude);
        found->append(candidate);
    }
    if (rc == SQLITE_DONE)
        return true;
    qWarning().noquote() << "hx::platform::places::Gazetteer::inCategory() failed:" << m_gazetteer.sqliteError();
    return false;
}

GazetteerCandidates CategorySearch::inBox(const QString &key, double latitude, double longitude, double radiusMetres)
{
    GazetteerCandidates found;
    if (m_gazetteer.version >= GazetteerSchema::FirstVersionWithCells) {
        sqlite3_stmt *query = m_gazetteer.statement(CategoryCellsSql);
        const int kindBit = int(qCountTrailingZeroBits(uint(GazetteerEntry::PointOfInterest)));
        for (const PositionGrid::Range &range :
             PositionGrid::rangesAround(kindBit, latitude, longitude, radiusMetres)) {
            SqlStatement use(query);
            sqlite3_bind_int64(query, 1, range.first);
            sqlite3_bind_int64(query, 2, range.last);
            if (!readBox(query, key, latitude, longitude, &found))
                return {};
        }
        return found;
    }
    double minLatitude = 0;
    double maxLatitude = 0;
    QVector<QPair<double, double>> longitudeRanges;
    SphereGeometry::circleBox(latitude, longitude, radiusMetres, &minLatitude, &maxLatitude, &longitudeRanges);
    constexpr double margin = 1e-6; // the index keeps single-precision corners rounded outwards
    sqlite3_stmt *query = m_gazetteer.statement(CategoryBoxSql);
    for (const auto &range : qAsConst(longitudeRanges)) {
        SqlStatement use(query);
        sqlite3_bind_double(query, 1, minLatitude - margin);
        sqlite3_bind_double(query, 2, maxLatitude + margin);
        sqlite3_bind_double(query, 3, range.first - margin);
        sqlite3_bind_double(query, 4, range.second + margin);
        sqlite3_bind_int(query, 5, GazetteerEntry::PointOfInterest);
        if (!readBox(query, key, latitude, longitude, &found))
            return {};
    }
    return found;
}

GazetteerCandidates CategorySearch::nearestInCategory(const QString &key, double latitude, double longitude, int wanted)
{
    const auto byDistance = [](const GazetteerCandidate &a, const GazetteerCandidate &b) {
        return a.distance != b.distance ? a.distance < b.distance : a.id < b.id;
    };
    GazetteerCandidates found;
    if (m_gazetteer.hasCategoryIndex() && wholeCategory(key, &found)) {
        GazetteerCandidates placed;
        for (GazetteerCandidate &candidate : found) {
            if (!candidate.hasPosition)
                continue;
            candidate.distance
                = SphereGeometry::distanceMetres(latitude, longitude, candidate.latitude, candidate.longitude);
            placed.append(candidate);
        }
        std::sort(placed.begin(), placed.end(), byDistance);
        return placed.mid(0, wanted);
    }
    // Grow the box until it holds enough, then once more out to the farthest of those, which a
    // corner of the square may hide. Every box is read whole, so the
    // next radius is guessed from how many the circle held, to need few boxes.
    double radius = FirstRadiusMetres;
    for (;;) {
        found = inBox(key, latitude, longitude, radius);
        std::sort(found.begin(), found.end(), byDistance);
        if (radius >= SphereGeometry::HalfCircumferenceMetres)
            break;
        if (found.size() >= wanted) {
            const double farthest = found.at(wanted - 1).distance;
            if (farthest <= radius)
                break;
            radius = qMin(farthest, SphereGeometry::HalfCircumferenceMetres);
        } else {
            const auto inCircle
                = std::count_if(found.cbegin(), found.cend(),
                                [radius](const GazetteerCandidate &candidate) { return candidate.distance <= radius; });
            const double factor
                = inCircle > 0 ? qBound(1.5, 1.25 * std::sqrt(double(wanted) / double(inCircle)), 16.0) : 8.0;
            radius = qMin(radius * factor, SphereGeometry::HalfCircumferenceMetres);
        }
    }
    return found.mid(0, wanted);
}

QList<qint64> CategorySearch::byImportance(const QString &key, int wanted)
{
    QList<qint64> ids;
    if (!m_gazetteer.hasCategoryIndex()) {
        sqlite3_stmt *query = m_gazetteer.statement(PointsOfInterestSql);
        SqlStatement use(query);
        sqlite3_bind_int(query, 1, GazetteerEntry::PointOfInterest);
        while (ids.size() < wanted && sqlite3_step(query) == SQLITE_ROW) {
            if (SqlStatement::columnText(query, 1).toCaseFolded().startsWith(key))
                ids.append(sqlite3_column_int64(query, 0));
        }
        return ids;
    }
    // Ids run in importance order within each code, so the first ids of every code of the
    // range, merged, are the first of the range without sorting the whole range.
    const QString end = categoryEnd(key);
    QString code;
    for (bool first = true;; first = false) {
        sqlite3_stmt *next = m_gazetteer.statement(first ? FirstCategoryCodeSql : NextCategoryCodeSql);
        SqlStatement useNext(next);
        SqlStatement::bindText(next, 1, first ? key : code);
        SqlStatement::bindText(next, 2, end);
        if (sqlite3_step(next) != SQLITE_ROW)
            break;
        code = SqlStatement::columnText(next, 0);
        sqlite3_stmt *byId = m_gazetteer.statement(CategoryByIdSql);
        SqlStatement useById(byId);
        SqlStatement::bindText(byId, 1, code);
        sqlite3_bind_int(byId, 2, wanted);
        while (sqlite3_step(byId) == SQLITE_ROW)
            ids.append(sqlite3_column_int64(byId, 0));
    }
    std::sort(ids.begin(), ids.end());
    return ids.mid(0, wanted);
}

QList<GazetteerEntry> CategorySearch::inCategory(const QString &code, double nearLatitude, double nearLongitude,
                                                 int offset, int limit, bool *hasMore)
{
    if (offset < 0 || limit <= 0)
        return {};
    const QString key = code.trimmed().toCaseFolded();
    const bool near = SphereGeometry::isValidPosition(nearLatitude, nearLongitude);
    // One more than the page tells whether more exist.
    const int wanted = int(qMin<qint64>(qint64(offset) + limit + 1, std::numeric_limits<int>::max()));
    QList<qint64> ids;
    if (near) {
        for (const auto &candidate : nearestInCategory(key, nearLatitude, nearLongitude, wanted))
            ids.append(candidate.id);
    } else {
        ids = byImportance(key, wanted);
    }
    QList<GazetteerEntry> entries;
    for (qint64 id : ids.mid(offset, limit)) {
        GazetteerEntry entry;
        if (!m_gazetteer.readEntry(id, &entry))
            continue;
        if (near)
            entry.distanceMetres
                = SphereGeometry::distanceMetres(nearLatitude, nearLongitude, entry.latitude, entry.longitude);
        entries.append(entry);
    }
    *hasMore = ids.size() - offset > limit;
    return entries;
}

QStringList CategorySearch::categories(const QString &prefix, int limit) const
{
    QStringList found;
    const QString key = GazetteerText::foldedKey(prefix);
    for (const auto &category : qAsConst(m_categories)) {
        if (found.size() >= limit)
            break;
        const bool matches = key.isEmpty() || category.key.startsWith(key)
            || std::any_of(category.words.cbegin(), category.words.cend(),
                           [&key](const QString &word) { return word.startsWith(key); });
        if (matches)
            found.append(category.code + QLatin1Char('\t') + category.name);
    }
    return found;
}

} // namespace places
} // namespace platform
} // namespace hx
