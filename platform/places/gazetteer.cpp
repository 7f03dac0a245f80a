#include <hx/platform/places/gazetteer.h>

#include <QtCore/QDebug>
#include <QtCore/QFileInfo>
#include <QtCore/QStandardPaths>
#include <QtCore/QUrl>
#include <QtCore/QtMath>

#include <sqlite3.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>
#include <vector>

#include "gazetteer_p.h"
#include "gazetteerschema_p.h"
#include "gazetteertext_p.h"
#include "nearestindex_p.h"
#include "storescope_p.h"

namespace hx {
namespace platform {
namespace places {

namespace {
constexpr double EarthRadiusMetres = 6371008.8;
constexpr double HalfCircumferenceMetres = M_PI * EarthRadiusMetres;

// How many prefix matches, in importance order, are ranked by text and distance. Ranking
// every match of a one-letter prefix would visit a large part of the file; the first few
// hundred by importance hold what a user means by nearly any short prefix.
constexpr int RankedWindow = 200;
// Exact-name matches are looked up by index first so that a rare exact name is never lost
// behind a window full of more important prefix matches.
constexpr int ExactLimit = 64;
// The first box of a nearest lookup: about a city block, where addresses are dense.
constexpr double FirstRadiusMetres = 250;

constexpr const char *ExactSql = "SELECT id, name_key, latitude, longitude, importance FROM entries "
                                 "WHERE name_key = ?1 AND (kind & ?2) != 0 ORDER BY id LIMIT ?3";
// The index yields matches in rowid (importance) order and the kinds are part of the match,
// so the join reads only the rows the caller keeps: a short prefix costs as little as a long one.
constexpr const char *PrefixSql
    = "SELECT e.id, e.name_key, e.latitude, e.longitude, e.importance FROM names JOIN entries e ON e.id = names.rowid "
      "WHERE names MATCH ?1 ORDER BY names.rowid";
// The places of some kinds nearest a point, nearest first: the index walks its boxes in the
// order of the least distance each could hold (hx_nearest below), and the kinds are checked on
// its own small table, so only the few places that can be nearest are read from the entries.
constexpr const char *NearestSql = "SELECT id, min_lat, max_lat, min_lon, max_lon FROM points "
                                   "WHERE id MATCH hx_nearest(?1, ?2, ?3) AND (kind & ?4) != 0";
constexpr const char *PositionSql = "SELECT latitude, longitude FROM entries WHERE id = ?1";
// How far a nearest walk goes at first: a few towns away, and well past any nearest address.
constexpr double FirstReachMetres = 64000;
// The great-circle length of one degree of latitude.
constexpr double LatitudeMetresPerDegree = HalfCircumferenceMetres / 180;
constexpr const char *EntrySql
    = "SELECT id, kind, name, street, postal_code, city, region, region_code, country, country_code, category, "
      "phone, url, email, latitude, longitude, importance, rating, rating_count FROM entries WHERE id = ?1";
// Files written before ratings existed.
constexpr const char *UnratedEntrySql
    = "SELECT id, kind, name, street, postal_code, city, region, region_code, country, country_code, category, "
      "phone, url, email, latitude, longitude, importance, NULL, 0 FROM entries WHERE id = ?1";
// The points of interest under a range of category keys, in (code, id) order from the index alone.
constexpr const char *CategoryRangeSql = "SELECT id, latitude, longitude FROM poi_categories "
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
// Files without the category index: points of interest in importance order.
constexpr const char *PointsOfInterestSql = "SELECT id, category FROM entries WHERE kind = ?1 ORDER BY id";
// A category with at most this many points of interest is read whole from its index and
// sorted; a larger one is found through the spatial index, where it is dense enough that a
// small box around the position already holds a page of it.
constexpr int WholeCategoryLimit = 4096;
constexpr const char *CategoriesSql = "SELECT code, name FROM categories ORDER BY name, code";
constexpr const char *TermsSql = "SELECT term FROM terms WHERE term >= ?1 AND term < ?2 ORDER BY term LIMIT ?3";
// A prefix that stands for at most this many whole terms is searched as those terms.
constexpr int ExpandLimit = 48;

// Leaves a statement ready for its next use whatever path the caller leaves by.
class StatementReset
{
public:
    explicit StatementReset(sqlite3_stmt *statement) : m_statement(statement) { }
    ~StatementReset()
    {
        if (m_statement) {
            sqlite3_reset(m_statement);
            sqlite3_clear_bindings(m_statement);
        }
    }
    StatementReset(const StatementReset &) = delete;
    StatementReset &operator=(const StatementReset &) = delete;

private:
    sqlite3_stmt *m_statement;
};

// The bytes as stored: asking for text would copy each value just to add a terminating NUL.
const char *columnBytes(sqlite3_stmt *statement, int column, int *size)
{
    const auto *bytes = static_cast<const char *>(sqlite3_column_blob(statement, column));
    *size = bytes ? sqlite3_column_bytes(statement, column) : 0;
    return bytes;
}

QString columnText(sqlite3_stmt *statement, int column)
{
    int size = 0;
    const char *bytes = columnBytes(statement, column, &size);
    return bytes ? QString::fromUtf8(bytes, size) : QString();
}

double columnNumber(sqlite3_stmt *statement, int column)
{
    return sqlite3_column_type(statement, column) == SQLITE_NULL ? qQNaN() : sqlite3_column_double(statement, column);
}

void bindText(sqlite3_stmt *statement, int index, const QString &text)
{
    const QByteArray utf8 = text.toUtf8();
    sqlite3_bind_text(statement, index, utf8.constData(), utf8.size(), SQLITE_TRANSIENT);
}

// The haversine's inner term, 0 for the same point and 1 for the antipode. It grows with the
// distance, so ranking compares it as it is and only metres need the arc sine.
double haversineTerm(double latitude1, double longitude1, double latitude2, double longitude2)
{
    const double phi1 = qDegreesToRadians(latitude1);
    const double phi2 = qDegreesToRadians(latitude2);
    const double halfPhi = std::sin((phi2 - phi1) / 2);
    const double halfLambda = std::sin(qDegreesToRadians(longitude2 - longitude1) / 2);
    return qBound(0.0, halfPhi * halfPhi + std::cos(phi1) * std::cos(phi2) * halfLambda * halfLambda, 1.0);
}

bool isValidPosition(double latitude, double longitude)
{
    return qIsFinite(latitude) && qIsFinite(longitude) && qAbs(latitude) <= 90 && qAbs(longitude) <= 180;
}

GazetteerPrivate::Candidate readCandidate(sqlite3_stmt *statement, const GazetteerPrivate::NameTier &tier)
{
    GazetteerPrivate::Candidate candidate;
    candidate.id = sqlite3_column_int64(statement, 0);
    int size = 0;
    const char *name = columnBytes(statement, 1, &size);
    candidate.tier = tier.of(name, size);
    candidate.hasPosition
        = sqlite3_column_type(statement, 2) != SQLITE_NULL && sqlite3_column_type(statement, 3) != SQLITE_NULL;
    candidate.latitude = sqlite3_column_double(statement, 2);
    candidate.longitude = sqlite3_column_double(statement, 3);
    candidate.importance = sqlite3_column_double(statement, 4);
    return candidate;
}

bool startsWith(const char *text, int size, const QByteArray &prefix)
{
    return size >= prefix.size() && std::memcmp(text, prefix.constData(), size_t(prefix.size())) == 0;
}
} // namespace

GazetteerPrivate::NameTier::NameTier(const QString &key) : m_key(key.toUtf8())
{
    // Folded keys are valid UTF-8, so a byte prefix is a prefix of whole characters.
    for (const QString &word : key.split(QLatin1Char(' '), Qt::SkipEmptyParts))
        m_words.append(word.toUtf8());
}

int GazetteerPrivate::NameTier::of(const char *name, int size) const
{
    if (!name)
        size = 0;
    if (size == m_key.size() && startsWith(name, size, m_key))
        return 0;
    if (startsWith(name, size, m_key))
        return 1;
    for (const QByteArray &word : m_words) {
        bool found = false;
        for (int start = 0; start < size && !found;) {
            const char *space = static_cast<const char *>(std::memchr(name + start, ' ', size_t(size - start)));
            const int end = space ? int(space - name) : size;
            found = startsWith(name + start, end - start, word);
            start = end + 1;
        }
        if (!found)
            return 3;
    }
    return 2;
}

GazetteerPrivate::~GazetteerPrivate()
{
    close();
}

bool GazetteerPrivate::fail(const QString &message)
{
    error = message;
    qWarning().noquote() << "hx::platform::places::Gazetteer:" << path << message;
    close();
    return false;
}

QString GazetteerPrivate::sqliteError() const
{
    return db ? QString::fromUtf8(sqlite3_errmsg(db)) : QStringLiteral("not open");
}

bool GazetteerPrivate::open()
{
    if (!QFileInfo(path).isFile())
        return fail(QStringLiteral("no gazetteer file"));
    // A gazetteer file never changes once written (the writer renames a new file into place), so
    // it is opened immutable: no file locks, journal checks or header reads around every statement,
    // which would otherwise cost more system calls than the search itself. Pages are read mapped.
    const FileIdentity identityBefore = FileIdentity::of(path);
    QUrl uri = QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath());
    uri.setQuery(QStringLiteral("immutable=1"));
    if (sqlite3_open_v2(uri.toEncoded().constData(), &db, SQLITE_OPEN_READONLY | SQLITE_OPEN_NOMUTEX | SQLITE_OPEN_URI,
                        nullptr)
        != SQLITE_OK)
        return fail(QStringLiteral("cannot open: ") + sqliteError());
    sqlite3_extended_result_codes(db, 1);
    sqlite3_exec(db, "PRAGMA mmap_size = 1073741824", nullptr, nullptr, nullptr);
    // The reader never writes, even by mistake in a later change.
    if (sqlite3_exec(db, "PRAGMA query_only = 1", nullptr, nullptr, nullptr) != SQLITE_OK)
        return fail(QStringLiteral("not a database: ") + sqliteError());

    sqlite3_stmt *header = nullptr;
    if (sqlite3_prepare_v2(db,
                           "SELECT (SELECT application_id FROM pragma_application_id), "
                           "(SELECT user_version FROM pragma_user_version)",
                           -1, &header, nullptr)
            != SQLITE_OK
        || sqlite3_step(header) != SQLITE_ROW) {
        sqlite3_finalize(header);
        return fail(QStringLiteral("not a database: ") + sqliteError());
    }
    const int applicationId = sqlite3_column_int(header, 0);
    const int version = sqlite3_column_int(header, 1);
    sqlite3_finalize(header);
    // The file now read is the one looked at before, unless it was replaced in between: then
    // there is no telling which, and an index of it is not shared.
    const FileIdentity identityAfter = FileIdentity::of(path);
    identity = identityBefore == identityAfter ? identityAfter : FileIdentity();
    if (applicationId != GazetteerSchema::ApplicationId)
        return fail(QStringLiteral("not a gazetteer file"));
    if (version > GazetteerSchema::Version)
        return fail(QStringLiteral("made by a newer version (%1)").arg(version));
    if (version < 1)
        return fail(QStringLiteral("unknown gazetteer version %1").arg(version));
    this->version = version;
    if (version < GazetteerSchema::FirstVersionWithSharedFolding)
        qWarning().noquote() << "hx::platform::places::Gazetteer:" << path
                             << "was folded by an older version; write it again (places-import) so every name matches";

    for (const char *sql : { ExactSql, PrefixSql, PositionSql, CategoriesSql,
                             version >= GazetteerSchema::FirstVersionWithRatings ? EntrySql : UnratedEntrySql }) {
        if (!statement(sql))
            return fail(QStringLiteral("damaged gazetteer: ") + sqliteError());
    }
    if (hasCategoryIndex() && !statement(CategoryRangeSql))
        return fail(QStringLiteral("damaged gazetteer: ") + sqliteError());
    loadCategories();
    // The file never changes under us, so one read transaction lasts as long as the connection:
    // statements then skip beginning and ending their own, with its check of the file header.
    if (db && sqlite3_exec(db, "BEGIN; SELECT 1 FROM entries LIMIT 1", nullptr, nullptr, nullptr) != SQLITE_OK)
        return fail(QStringLiteral("damaged gazetteer: ") + sqliteError());
    return db != nullptr;
}

void GazetteerPrivate::close()
{
    for (sqlite3_stmt *cached : qAsConst(statements))
        sqlite3_finalize(cached);
    statements.clear();
    if (db && !sqlite3_get_autocommit(db))
        sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
    if (db)
        sqlite3_close(db);
    db = nullptr;
}

sqlite3_stmt *GazetteerPrivate::statement(const char *sql)
{
    if (!db)
        return nullptr;
    sqlite3_stmt *cached = statements.value(sql);
    if (cached)
        return cached;
    if (sqlite3_prepare_v3(db, sql, -1, SQLITE_PREPARE_PERSISTENT, &cached, nullptr) != SQLITE_OK) {
        sqlite3_finalize(cached);
        return nullptr;
    }
    statements.insert(sql, cached);
    return cached;
}

void GazetteerPrivate::loadCategories()
{
    sqlite3_stmt *query = statement(CategoriesSql);
    StatementReset reset(query);
    int rc;
    while ((rc = sqlite3_step(query)) == SQLITE_ROW) {
        Category category;
        category.code = columnText(query, 0);
        category.name = columnText(query, 1);
        category.key = GazetteerText::foldedKey(category.name);
        category.words = category.key.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        categories.append(category);
    }
    if (rc != SQLITE_DONE)
        fail(QStringLiteral("damaged gazetteer: ") + sqliteError());
}

QStringList GazetteerPrivate::termsStartingWith(const QString &prefix, int limit)
{
    // The groups of one search ask for the same kinds' terms again and again.
    const quint64 mark = StoreScope::mark();
    if (mark == 0 || mark != termsMark) {
        termsCache.clear();
        termsMark = mark;
    }
    const QString cacheKey = prefix + QLatin1Char('\n') + QString::number(limit);
    const auto cached = termsCache.constFind(cacheKey);
    if (cached != termsCache.cend())
        return cached.value();
    QStringList terms;
    sqlite3_stmt *query = statement(TermsSql);
    StatementReset reset(query);
    bindText(query, 1, prefix);
    // U+10FFFF sorts after every character a term can continue with.
    bindText(query, 2, prefix + QString::fromUcs4(U"\U0010FFFF"));
    sqlite3_bind_int(query, 3, limit);
    while (sqlite3_step(query) == SQLITE_ROW)
        terms.append(columnText(query, 0));
    if (mark != 0)
        termsCache.insert(cacheKey, terms);
    return terms;
}

QString GazetteerPrivate::matchQuery(const QList<QStringList> &words, int kinds)
{
    // Per kind: every word as a phrase whose last token is a prefix; the kinds joined by OR.
    // Tokens are letters and digits only, so nothing in them can be read as query syntax.
    QStringList perKind;
    for (int kind = GazetteerEntry::Country; kind <= GazetteerEntry::Neighbourhood; kind <<= 1) {
        if (!(kinds & kind))
            continue;
        const QChar letter = GazetteerText::kindLetter(kind);
        QStringList phrases;
        for (const QStringList &tokens : words) {
            QStringList prefixed;
            for (const QString &token : tokens)
                prefixed.append(letter + token);
            const QString last = prefixed.takeLast();
            const QString lead = prefixed.isEmpty() ? QString() : prefixed.join(QLatin1Char(' ')) + QLatin1Char(' ');
            // A prefix of its own index is read directly; a longer one as the few whole terms it
            // stands for. Either way an absent word drops the kind.
            const QStringList terms = termsStartingWith(last, ExpandLimit + 1);
            if (terms.isEmpty()) {
                phrases.clear();
                break; // no entry of this kind has the word
            }
            if (last.size() <= GazetteerSchema::LongestIndexedPrefix || terms.size() > ExpandLimit) {
                phrases.append(QLatin1Char('"') + lead + last + QStringLiteral("\"*"));
                continue;
            }
            QStringList alternatives;
            for (const QString &term : terms)
                alternatives.append(QLatin1Char('"') + lead + term + QLatin1Char('"'));
            phrases.append(QLatin1Char('(') + alternatives.join(QStringLiteral(" OR ")) + QLatin1Char(')'));
        }
        if (!phrases.isEmpty())
            perKind.append(QLatin1Char('(') + phrases.join(QStringLiteral(" AND ")) + QLatin1Char(')'));
    }
    return perKind.join(QStringLiteral(" OR "));
}

GazetteerPrivate::Candidates GazetteerPrivate::exactMatches(const QString &key, const NameTier &tier, int kinds)
{
    Candidates found;
    sqlite3_stmt *query = statement(ExactSql);
    StatementReset reset(query);
    bindText(query, 1, key);
    sqlite3_bind_int(query, 2, kinds);
    sqlite3_bind_int(query, 3, ExactLimit);
    int rc;
    while ((rc = sqlite3_step(query)) == SQLITE_ROW)
        found.append(readCandidate(query, tier));
    if (rc != SQLITE_DONE)
        qWarning().noquote() << "hx::platform::places::Gazetteer::search() exact lookup failed:" << sqliteError();
    return found;
}

bool GazetteerPrivate::prefixMatches(const QString &query, const NameTier &tier, const QSet<qint64> &skip,
                                     int windowSize, int wanted, Candidates *window, Candidates *tail)
{
    sqlite3_stmt *matches = statement(PrefixSql);
    StatementReset reset(matches);
    bindText(matches, 1, query);
    int read = 0;
    int rc;
    while ((rc = sqlite3_step(matches)) == SQLITE_ROW) {
        const bool inWindow = read < windowSize;
        ++read;
        const qint64 id = sqlite3_column_int64(matches, 0);
        if (skip.contains(id))
            continue;
        if (inWindow) {
            window->append(readCandidate(matches, tier));
        } else {
            tail->append(readCandidate(matches, tier));
            if (skip.size() + window->size() + tail->size() >= wanted)
                return true;
        }
    }
    if (rc != SQLITE_DONE) {
        qWarning().noquote() << "hx::platform::places::Gazetteer::search() failed:" << sqliteError();
        return false;
    }
    return true;
}

void GazetteerPrivate::rank(Candidates *candidates, int wanted, double nearLatitude, double nearLongitude) const
{
    const bool near = isValidPosition(nearLatitude, nearLongitude);
    for (Candidate &candidate : *candidates) {
        candidate.distance = near && candidate.hasPosition
            ? haversineTerm(nearLatitude, nearLongitude, candidate.latitude, candidate.longitude)
            : std::numeric_limits<double>::infinity();
    }
    // Ids are unique, so the order is total and only the part a page can reach is sorted.
    const auto end = candidates->begin() + qBound(0, wanted, int(candidates->size()));
    std::partial_sort(candidates->begin(), end, candidates->end(), [](const Candidate &a, const Candidate &b) {
        if (a.tier != b.tier)
            return a.tier < b.tier;
        if (a.distance != b.distance)
            return a.distance < b.distance;
        if (a.importance != b.importance)
            return a.importance > b.importance;
        return a.id < b.id;
    });
}

namespace {
// The smallest latitude/longitude box that holds the whole circle of the radius, as latitude
// bounds and one or two longitude ranges (two when it crosses the antimeridian).
void circleBox(double latitude, double longitude, double radiusMetres, double *minLatitude, double *maxLatitude,
               QVector<QPair<double, double>> *longitudeRanges)
{
    // The longitude half-width follows from the spherical triangle at the circle's widest point.
    const double angle = radiusMetres / EarthRadiusMetres;
    const double latitudeSpan = qRadiansToDegrees(angle);
    *minLatitude = latitude - latitudeSpan;
    *maxLatitude = latitude + latitudeSpan;
    double longitudeSpan = 180;
    if (*maxLatitude < 90 && *minLatitude > -90 && angle < M_PI_2) {
        const double ratio = std::sin(angle) / std::cos(qDegreesToRadians(latitude));
        if (ratio < 1)
            longitudeSpan = qRadiansToDegrees(std::asin(ratio));
    }
    if (longitudeSpan >= 180) {
        longitudeRanges->append({ -180, 180 });
    } else {
        const double west = longitude - longitudeSpan;
        const double east = longitude + longitudeSpan;
        longitudeRanges->append({ qMax(west, -180.0), qMin(east, 180.0) });
        if (west < -180)
            longitudeRanges->append({ west + 360, 180 });
        if (east > 180)
            longitudeRanges->append({ -180, east - 360 });
    }
}
} // namespace

namespace {
// A point to measure from, with what every distance from it needs.
struct NearPoint
{
    NearPoint(double latitudeDegrees, double longitudeDegrees)
        : latitude(latitudeDegrees), longitude(longitudeDegrees), cosLatitude(std::cos(qDegreesToRadians(latitude)))
    { }

    // The least great-circle distance in metres from the point to anywhere in a latitude and
    // longitude box: the haversine with each of its terms at the smallest the box allows. It
    // never exceeds the distance to a place in the box, and never grows when the box does, so a
    // walk in its order meets places no nearer than those already met. A millimetre less covers
    // the rounding against distanceMetres().
    double leastMetres(double south, double north, double west, double east) const
    {
        double latitudeGap = 0;
        if (latitude < south)
            latitudeGap = south - latitude;
        else if (latitude > north)
            latitudeGap = latitude - north;
        // Either way round the globe.
        double longitudeGap = 0;
        if (longitude < west)
            longitudeGap = qMin(west - longitude, longitude + 360 - east);
        else if (longitude > east)
            longitudeGap = qMin(longitude - east, west + 360 - longitude);
        const double cosFarthest = std::cos(qDegreesToRadians(qMin(90.0, qMax(qAbs(south), qAbs(north)))));
        const double sinLatitude = std::sin(qDegreesToRadians(latitudeGap) / 2);
        const double sinLongitude = std::sin(qDegreesToRadians(qMin(longitudeGap, 180.0)) / 2);
        const double h = sinLatitude * sinLatitude + cosLatitude * qMax(0.0, cosFarthest) * sinLongitude * sinLongitude;
        return qMax(0.0, 2 * EarthRadiusMetres * std::asin(std::sqrt(qMin(h, 1.0))) - 1e-3);
    }

    double latitude;
    double longitude;
    double cosLatitude;
};

// hx_nearest(latitude, longitude, maxMetres) for the index: scores each box by the least
// distance it could hold and leaves out those beyond maxMetres, or beyond the farthest place
// the walk keeps so far (GazetteerPrivate::nearestReach).
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
    const double reach = qMin(info->aParam[2], static_cast<const GazetteerPrivate *>(info->pContext)->nearestReach);
    const double south = info->aCoord[0];
    const double north = info->aCoord[1];
    // No place is nearer than its difference in latitude: most boxes are left out on that alone.
    const double latitudeGap = qMax(south - point->latitude, point->latitude - north);
    if (latitudeGap * LatitudeMetresPerDegree > reach + 1) {
        info->eWithin = NOT_WITHIN;
        return SQLITE_OK;
    }
    const double least = point->leastMetres(south, north, info->aCoord[2], info->aCoord[3]);
    info->rScore = least;
    info->eWithin = least <= reach ? PARTLY_WITHIN : NOT_WITHIN;
    return SQLITE_OK;
}
} // namespace

sqlite3_stmt *GazetteerPrivate::nearestStatement()
{
    if (!db)
        return nullptr;
    if (!nearestRegistered) {
        if (sqlite3_rtree_query_callback(db, "hx_nearest", nearestScore, this, nullptr) != SQLITE_OK)
            return nullptr;
        nearestRegistered = true;
    }
    return statement(NearestSql);
}

int GazetteerPrivate::readPosition(qint64 id, double *latitude, double *longitude)
{
    sqlite3_stmt *query = statement(PositionSql);
    if (!query)
        return -1;
    StatementReset reset(query);
    sqlite3_bind_int64(query, 1, id);
    const int rc = sqlite3_step(query);
    if (rc != SQLITE_ROW)
        return rc == SQLITE_DONE ? 0 : -1;
    *latitude = sqlite3_column_double(query, 0);
    *longitude = sqlite3_column_double(query, 1);
    return 1;
}

QList<GazetteerEntry> GazetteerPrivate::nearestFromIndex(double latitude, double longitude, int kinds, int limit,
                                                         double maxMetres)
{
    // The candidates are the places asked for, or barely more: each is read whole at once.
    QList<GazetteerEntry> entries;
    for (qint64 id : nearestIndex->candidates(latitude, longitude, kinds, limit, maxMetres)) {
        GazetteerEntry entry;
        if (!readEntry(id, &entry))
            continue;
        entry.distanceMetres = Gazetteer::distanceMetres(latitude, longitude, entry.latitude, entry.longitude);
        if (entry.distanceMetres <= maxMetres)
            entries.append(entry);
    }
    std::sort(entries.begin(), entries.end(), [](const GazetteerEntry &a, const GazetteerEntry &b) {
        return a.distanceMetres != b.distanceMetres ? a.distanceMetres < b.distanceMetres : a.id < b.id;
    });
    return entries.mid(0, limit);
}

bool GazetteerPrivate::readEntry(qint64 id, GazetteerEntry *entry)
{
    sqlite3_stmt *query = statement(version >= GazetteerSchema::FirstVersionWithRatings ? EntrySql : UnratedEntrySql);
    if (!query)
        return false;
    StatementReset reset(query);
    sqlite3_bind_int64(query, 1, id);
    if (sqlite3_step(query) != SQLITE_ROW)
        return false;
    entry->id = sqlite3_column_int64(query, 0);
    entry->kind = GazetteerEntry::Kind(sqlite3_column_int(query, 1));
    entry->name = columnText(query, 2);
    entry->street = columnText(query, 3);
    entry->postalCode = columnText(query, 4);
    entry->city = columnText(query, 5);
    entry->region = columnText(query, 6);
    entry->regionCode = columnText(query, 7);
    entry->country = columnText(query, 8);
    entry->countryCode = columnText(query, 9);
    entry->category = columnText(query, 10);
    entry->phone = columnText(query, 11);
    entry->url = columnText(query, 12);
    entry->email = columnText(query, 13);
    entry->latitude = columnNumber(query, 14);
    entry->longitude = columnNumber(query, 15);
    entry->importance = sqlite3_column_double(query, 16);
    entry->rating = columnNumber(query, 17);
    entry->ratingCount = qIsNaN(entry->rating) ? 0 : sqlite3_column_int(query, 18);
    return true;
}

bool GazetteerPrivate::hasCategoryIndex() const
{
    return version >= GazetteerSchema::FirstVersionWithCategoryIndex;
}

QString GazetteerPrivate::categoryEnd(const QString &key)
{
    // U+10FFFF sorts after every character a code can continue with.
    return key + QString::fromUcs4(U"\U0010FFFF");
}

bool GazetteerPrivate::wholeCategory(const QString &key, Candidates *rows)
{
    sqlite3_stmt *query = statement(CategoryRangeSql);
    StatementReset reset(query);
    bindText(query, 1, key);
    bindText(query, 2, categoryEnd(key));
    sqlite3_bind_int(query, 3, WholeCategoryLimit + 1);
    int rc;
    while ((rc = sqlite3_step(query)) == SQLITE_ROW) {
        Candidate candidate;
        candidate.id = sqlite3_column_int64(query, 0);
        candidate.hasPosition
            = sqlite3_column_type(query, 1) != SQLITE_NULL && sqlite3_column_type(query, 2) != SQLITE_NULL;
        candidate.latitude = sqlite3_column_double(query, 1);
        candidate.longitude = sqlite3_column_double(query, 2);
        rows->append(candidate);
    }
    if (rc != SQLITE_DONE)
        qWarning().noquote() << "hx::platform::places::Gazetteer::inCategory() failed:" << sqliteError();
    return rc == SQLITE_DONE && rows->size() <= WholeCategoryLimit;
}

GazetteerPrivate::Candidates GazetteerPrivate::categoryInBox(const QString &key, double latitude, double longitude,
                                                             double radiusMetres)
{
    double minLatitude = 0;
    double maxLatitude = 0;
    QVector<QPair<double, double>> longitudeRanges;
    circleBox(latitude, longitude, radiusMetres, &minLatitude, &maxLatitude, &longitudeRanges);
    constexpr double margin = 1e-6; // the index keeps single-precision corners rounded outwards
    Candidates found;
    sqlite3_stmt *query = statement(CategoryBoxSql);
    for (const auto &range : qAsConst(longitudeRanges)) {
        StatementReset reset(query);
        sqlite3_bind_double(query, 1, minLatitude - margin);
        sqlite3_bind_double(query, 2, maxLatitude + margin);
        sqlite3_bind_double(query, 3, range.first - margin);
        sqlite3_bind_double(query, 4, range.second + margin);
        sqlite3_bind_int(query, 5, GazetteerEntry::PointOfInterest);
        int rc;
        while ((rc = sqlite3_step(query)) == SQLITE_ROW) {
            if (!columnText(query, 3).startsWith(key, Qt::CaseInsensitive))
                continue;
            Candidate candidate;
            candidate.id = sqlite3_column_int64(query, 0);
            candidate.latitude = sqlite3_column_double(query, 1);
            candidate.longitude = sqlite3_column_double(query, 2);
            candidate.hasPosition = true;
            candidate.distance
                = Gazetteer::distanceMetres(latitude, longitude, candidate.latitude, candidate.longitude);
            found.append(candidate);
        }
        if (rc != SQLITE_DONE) {
            qWarning().noquote() << "hx::platform::places::Gazetteer::inCategory() failed:" << sqliteError();
            return {};
        }
    }
    return found;
}

GazetteerPrivate::Candidates GazetteerPrivate::nearestInCategory(const QString &key, double latitude, double longitude,
                                                                 int wanted)
{
    const auto byDistance = [](const Candidate &a, const Candidate &b) {
        return a.distance != b.distance ? a.distance < b.distance : a.id < b.id;
    };
    Candidates found;
    if (hasCategoryIndex() && wholeCategory(key, &found)) {
        Candidates placed;
        for (Candidate &candidate : found) {
            if (!candidate.hasPosition)
                continue;
            candidate.distance
                = Gazetteer::distanceMetres(latitude, longitude, candidate.latitude, candidate.longitude);
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
        found = categoryInBox(key, latitude, longitude, radius);
        std::sort(found.begin(), found.end(), byDistance);
        if (radius >= HalfCircumferenceMetres)
            break;
        if (found.size() >= wanted) {
            const double farthest = found.at(wanted - 1).distance;
            if (farthest <= radius)
                break;
            radius = qMin(farthest, HalfCircumferenceMetres);
        } else {
            const auto inCircle = std::count_if(found.cbegin(), found.cend(), [radius](const Candidate &candidate) {
                return candidate.distance <= radius;
            });
            const double factor
                = inCircle > 0 ? qBound(1.5, 1.25 * std::sqrt(double(wanted) / double(inCircle)), 16.0) : 8.0;
            radius = qMin(radius * factor, HalfCircumferenceMetres);
        }
    }
    return found.mid(0, wanted);
}

QList<qint64> GazetteerPrivate::categoryByImportance(const QString &key, int wanted)
{
    QList<qint64> ids;
    if (!hasCategoryIndex()) {
        sqlite3_stmt *query = statement(PointsOfInterestSql);
        StatementReset reset(query);
        sqlite3_bind_int(query, 1, GazetteerEntry::PointOfInterest);
        while (ids.size() < wanted && sqlite3_step(query) == SQLITE_ROW) {
            if (columnText(query, 1).toCaseFolded().startsWith(key))
                ids.append(sqlite3_column_int64(query, 0));
        }
        return ids;
    }
    // Ids run in importance order within each code, so the first ids of every code of the
    // range, merged, are the first of the range without sorting the whole range.
    const QString end = categoryEnd(key);
    QString code;
    for (bool first = true;; first = false) {
        sqlite3_stmt *next = statement(first ? FirstCategoryCodeSql : NextCategoryCodeSql);
        StatementReset resetNext(next);
        bindText(next, 1, first ? key : code);
        bindText(next, 2, end);
        if (sqlite3_step(next) != SQLITE_ROW)
            break;
        code = columnText(next, 0);
        sqlite3_stmt *byId = statement(CategoryByIdSql);
        StatementReset resetById(byId);
        bindText(byId, 1, code);
        sqlite3_bind_int(byId, 2, wanted);
        while (sqlite3_step(byId) == SQLITE_ROW)
            ids.append(sqlite3_column_int64(byId, 0));
    }
    std::sort(ids.begin(), ids.end());
    return ids.mid(0, wanted);
}

Gazetteer::Gazetteer(const QString &path) : d(new GazetteerPrivate)
{
    d->path = path.isEmpty() ? defaultPath() : path;
    d->open();
}

Gazetteer::~Gazetteer() = default;

QString Gazetteer::defaultPath()
{
    const QString configured = qEnvironmentVariable("HX_GAZETTEER_DB");
    if (!configured.isEmpty())
        return configured;
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
        + QStringLiteral("/hxplaces/gazetteer.db");
}

double Gazetteer::distanceMetres(double latitude1, double longitude1, double latitude2, double longitude2)
{
    // Haversine: exact on the sphere and well conditioned for the short distances that matter.
    return 2 * EarthRadiusMetres * std::asin(std::sqrt(haversineTerm(latitude1, longitude1, latitude2, longitude2)));
}

bool Gazetteer::isOpen() const
{
    return d->db != nullptr;
}

QString Gazetteer::path() const
{
    return d->path;
}

QString Gazetteer::errorString() const
{
    return d->error;
}

QList<GazetteerEntry> Gazetteer::search(const QString &text, int kinds, double nearLatitude, double nearLongitude,
                                        int offset, int limit, bool *hasMore) const
{
    if (hasMore)
        *hasMore = false;
    kinds &= GazetteerEntry::AnyKind;
    const QList<QStringList> words = GazetteerText::queryWords(text);
    if (!d->db || kinds == 0 || offset < 0 || limit <= 0 || words.isEmpty())
        return {};
    const QString query = d->matchQuery(words, kinds);
    if (query.isEmpty())
        return {};

    // The order is: the exact names and the first prefix matches by importance, ranked by text
    // and distance; then every further match in importance order. It never depends on the page
    // asked for, so pages join up without gaps or repeats.
    const QString key = GazetteerText::foldedKey(text);
    const GazetteerPrivate::NameTier tier(key);
    GazetteerPrivate::Candidates head = d->exactMatches(key, tier, kinds);
    QSet<qint64> exactIds;
    for (const auto &candidate : qAsConst(head))
        exactIds.insert(candidate.id);
    GazetteerPrivate::Candidates window;
    window.reserve(RankedWindow);
    GazetteerPrivate::Candidates tail;
    const int wanted = offset + limit + 1; // one more than the page tells whether more exist
    if (!d->prefixMatches(query, tier, exactIds, RankedWindow, wanted, &window, &tail))
        return {};
    head.append(window);
    d->rank(&head, offset + limit, nearLatitude, nearLongitude);
    head.append(tail);

    const bool near = isValidPosition(nearLatitude, nearLongitude);
    QList<GazetteerEntry> entries;
    for (int i = offset; i < head.size() && i < offset + limit; ++i) {
        GazetteerEntry entry;
        if (!d->readEntry(head.at(i).id, &entry))
            continue;
        if (near && isValidPosition(entry.latitude, entry.longitude))
            entry.distanceMetres = distanceMetres(nearLatitude, nearLongitude, entry.latitude, entry.longitude);
        entries.append(entry);
    }
    if (hasMore)
        *hasMore = head.size() > offset + limit;
    return entries;
}

QList<GazetteerEntry> Gazetteer::nearest(double latitude, double longitude, int kinds, int limit,
                                         double maxMetres) const
{
    kinds &= GazetteerEntry::AnyKind;
    if (!d->db || kinds == 0 || limit <= 0 || !isValidPosition(latitude, longitude) || !(maxMetres >= 0))
        return {};
    if (d->nearestIndex)
        return d->nearestFromIndex(latitude, longitude, kinds, limit, maxMetres);
    sqlite3_stmt *query = d->nearestStatement();
    if (!query) {
        qWarning().noquote() << "hx::platform::places::Gazetteer::nearest() failed:" << d->sqliteError();
        return {};
    }

    // Places come nearest bound first; each is read only while its bound could still beat the
    // farthest kept, and the walk ends at the first that cannot.
    struct Found
    {
        qint64 id;
        double distance;
        bool operator<(const Found &other) const
        {
            return distance != other.distance ? distance < other.distance : id < other.id;
        }
    };
    std::vector<Found> found;
    const NearPoint point(latitude, longitude);
    // Until the walk has enough places it cannot tell a far box from a near one, and would queue
    // every box of every node it opens. So it first goes only so far; if that does not hold
    // enough places it goes again, eight times as far, and so on.
    const double wanted = qMin(maxMetres, 2 * HalfCircumferenceMetres);
    double reach = qMin(FirstReachMetres, wanted);
    for (;;) {
        found.clear();
        d->nearestReach = reach;
        StatementReset reset(query);
        sqlite3_bind_double(query, 1, latitude);
        sqlite3_bind_double(query, 2, longitude);
        sqlite3_bind_double(query, 3, reach);
        sqlite3_bind_int(query, 4, kinds);
        int rc;
        while ((rc = sqlite3_step(query)) == SQLITE_ROW) {
            const double least = point.leastMetres(sqlite3_column_double(query, 1), sqlite3_column_double(query, 2),
                                                   sqlite3_column_double(query, 3), sqlite3_column_double(query, 4));
            if (int(found.size()) >= limit && least > found.back().distance)
                break;
            const qint64 id = sqlite3_column_int64(query, 0);
            double placeLatitude = 0;
            double placeLongitude = 0;
            const int read = d->readPosition(id, &placeLatitude, &placeLongitude);
            if (read < 0) {
                rc = SQLITE_ERROR;
                break;
            }
            if (read == 0)
                continue; // indexed without an entry: nothing to answer with
            const Found place { id, distanceMetres(latitude, longitude, placeLatitude, placeLongitude) };
            if (place.distance > maxMetres || (int(found.size()) >= limit && !(place < found.back())))
                continue;
            found.insert(std::upper_bound(found.begin(), found.end(), place), place);
            if (int(found.size()) > limit)
                found.pop_back();
            if (int(found.size()) >= limit)
                d->nearestReach = qMin(reach, found.back().distance);
        }
        if (rc != SQLITE_ROW && rc != SQLITE_DONE) {
            qWarning().noquote() << "hx::platform::places::Gazetteer::nearest() failed:" << d->sqliteError();
            return {};
        }
        // Every place within the reach was met; one beyond it may have been passed over.
        if (reach >= wanted || (int(found.size()) >= limit && found.back().distance <= reach))
            break;
        reach = qMin(reach * 8, wanted);
    }

    QList<GazetteerEntry> entries;
    for (const Found &place : found) {
        GazetteerEntry entry;
        if (!d->readEntry(place.id, &entry))
            continue;
        entry.distanceMetres = place.distance;
        entries.append(entry);
    }
    return entries;
}

QList<GazetteerEntry> Gazetteer::inCategory(const QString &code, double nearLatitude, double nearLongitude, int offset,
                                            int limit, bool *hasMore) const
{
    if (hasMore)
        *hasMore = false;
    if (!d->db || offset < 0 || limit <= 0)
        return {};
    const QString key = code.trimmed().toCaseFolded();
    const bool near = isValidPosition(nearLatitude, nearLongitude);
    // One more than the page tells whether more exist.
    const int wanted = int(qMin<qint64>(qint64(offset) + limit + 1, std::numeric_limits<int>::max()));
    QList<qint64> ids;
    if (near) {
        for (const auto &candidate : d->nearestInCategory(key, nearLatitude, nearLongitude, wanted))
            ids.append(candidate.id);
    } else {
        ids = d->categoryByImportance(key, wanted);
    }
    QList<GazetteerEntry> entries;
    for (qint64 id : ids.mid(offset, limit)) {
        GazetteerEntry entry;
        if (!d->readEntry(id, &entry))
            continue;
        if (near)
            entry.distanceMetres = distanceMetres(nearLatitude, nearLongitude, entry.latitude, entry.longitude);
        entries.append(entry);
    }
    if (hasMore)
        *hasMore = ids.size() - offset > limit;
    return entries;
}

void Gazetteer::preloadNearestIndex() const
{
    if (!d->db || d->nearestIndex)
        return;
    QString error;
    d->nearestIndex = NearestIndex::shared(d->path, d->identity, d->db, &error);
    if (!d->nearestIndex)
        qWarning().noquote() << "hx::platform::places::Gazetteer::preloadNearestIndex() failed:" << error;
}

GazetteerEntry Gazetteer::entry(qint64 id) const
{
    GazetteerEntry entry;
    if (!d->db || !d->readEntry(id, &entry))
        return GazetteerEntry();
    return entry;
}

QStringList Gazetteer::categories(const QString &prefix, int limit) const
{
    QStringList found;
    const QString key = GazetteerText::foldedKey(prefix);
    for (const auto &category : qAsConst(d->categories)) {
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
