#include <hx/platform/places/gazetteer.h>

#include <QtCore/QDebug>
#include <QtCore/QFileInfo>
#include <QtCore/QLocale>
#include <QtCore/QStandardPaths>
#include <QtCore/QUrl>

#include <sqlite3.h>

#include "gazetteer_p.h"
#include "gazetteerschema_p.h"
#include "spheregeometry_p.h"
#include "sqlstatement_p.h"

namespace hx {
namespace platform {
namespace places {

namespace {
constexpr const char *EntrySql
    = "SELECT id, kind, name, street, postal_code, city, region, region_code, country, country_code, category, "
      "phone, url, email, latitude, longitude, importance, rating, rating_count FROM entries WHERE id = ?1";
// Files written before ratings existed.
constexpr const char *UnratedEntrySql
    = "SELECT id, kind, name, street, postal_code, city, region, region_code, country, country_code, category, "
      "phone, url, email, latitude, longitude, importance, NULL, 0 FROM entries WHERE id = ?1";
// How many ids one read of a page's entries binds.
constexpr int EntriesAtOnce = 24;

QByteArray entriesSql(const char *columns)
{
    QByteArray sql = QByteArray("SELECT ") + columns + " FROM entries WHERE id IN (";
    for (int i = 1; i <= EntriesAtOnce; ++i)
        sql += (i > 1 ? ", ?" : "?") + QByteArray::number(i);
    return sql + ")";
}

// Statements are kept by the address of their text, so each text is made once.
const QByteArray &ratedEntriesText()
{
    static const QByteArray sql = entriesSql("id, kind, name, street, postal_code, city, region, region_code, country, "
                                             "country_code, category, phone, url, email, latitude, longitude, "
                                             "importance, rating, rating_count");
    return sql;
}

const QByteArray &unratedEntriesText()
{
    static const QByteArray sql = entriesSql("id, kind, name, street, postal_code, city, region, region_code, country, "
                                             "country_code, category, phone, url, email, latitude, longitude, "
                                             "importance, NULL, 0");
    return sql;
}
constexpr const char *CountryNamesSql = "SELECT code, name FROM country_names WHERE language = ?1";
constexpr const char *OtherNamesSql = "SELECT names FROM other_names WHERE id = ?1";
} // namespace

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

    if (!statement(version >= GazetteerSchema::FirstVersionWithRatings ? EntrySql : UnratedEntrySql)
        || !prefix.prepare() || !otherNames.prepare() || !nearest.prepare() || !categories.prepare())
        return fail(QStringLiteral("damaged gazetteer: ") + sqliteError());
    reviews.prepare();
    streets.prepare();
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

bool GazetteerPrivate::readEntry(qint64 id, GazetteerEntry *entry)
{
    sqlite3_stmt *query = statement(version >= GazetteerSchema::FirstVersionWithRatings ? EntrySql : UnratedEntrySql);
    if (!query)
        return false;
    SqlStatement use(query);
    sqlite3_bind_int64(query, 1, id);
    if (sqlite3_step(query) != SQLITE_ROW)
        return false;
    readColumns(query, entry);
    return true;
}

QList<GazetteerEntry> GazetteerPrivate::readEntries(const QVector<qint64> &ids)
{
    QHash<qint64, GazetteerEntry> read;
    sqlite3_stmt *query
        = statement(version >= GazetteerSchema::FirstVersionWithRatings ? ratedEntriesText().constData()
                                                                        : unratedEntriesText().constData());
    for (int first = 0; query && first < ids.size(); first += EntriesAtOnce) {
        SqlStatement use(query);
        // Unused places stay NULL, which no id equals.
        for (int i = 0; i < EntriesAtOnce && first + i < ids.size(); ++i)
            sqlite3_bind_int64(query, i + 1, ids.at(first + i));
        while (sqlite3_step(query) == SQLITE_ROW) {
            GazetteerEntry entry;
            readColumns(query, &entry);
            read.insert(entry.id, entry);
        }
    }
    QList<GazetteerEntry> entries;
    for (qint64 id : ids) {
        const auto found = read.constFind(id);
        if (found != read.cend())
            entries.append(found.value());
    }
    return entries;
}

void GazetteerPrivate::readColumns(sqlite3_stmt *query, GazetteerEntry *entry)
{
    entry->id = sqlite3_column_int64(query, 0);
    entry->kind = GazetteerEntry::Kind(sqlite3_column_int(query, 1));
    entry->name = SqlStatement::columnText(query, 2);
    entry->street = SqlStatement::columnText(query, 3);
    entry->postalCode = SqlStatement::columnText(query, 4);
    entry->city = SqlStatement::columnText(query, 5);
    entry->region = SqlStatement::columnText(query, 6);
    entry->regionCode = SqlStatement::columnText(query, 7);
    entry->country = SqlStatement::columnText(query, 8);
    entry->countryCode = SqlStatement::columnText(query, 9);
    entry->category = SqlStatement::columnText(query, 10);
    entry->phone = SqlStatement::columnText(query, 11);
    entry->url = SqlStatement::columnText(query, 12);
    entry->email = SqlStatement::columnText(query, 13);
    entry->latitude = SqlStatement::columnNumber(query, 14);
    entry->longitude = SqlStatement::columnNumber(query, 15);
    entry->importance = sqlite3_column_double(query, 16);
    entry->rating = SqlStatement::columnNumber(query, 17);
    entry->ratingCount = qIsNaN(entry->rating) ? 0 : sqlite3_column_int(query, 18);
    const QString translated = countryNameInLanguage(entry->countryCode);
    if (!translated.isEmpty()) {
        entry->country = translated;
        if (entry->kind == GazetteerEntry::Country)
            entry->name = translated;
    }
}

QString GazetteerPrivate::countryNameInLanguage(const QString &code)
{
    if (version < GazetteerSchema::FirstVersionWithOtherNames || code.isEmpty())
        return QString();
    // The phone's language can change at any time; its names are read again when it does.
    const QString locale = QLocale().name();
    if (locale != countryNamesLocale) {
        countryNamesLocale = locale;
        countryNames.clear();
        sqlite3_stmt *query = statement(CountryNamesSql);
        // "pt_BR" first, then "pt" for what the country's own catalogue lacks.
        for (const QString &language : { locale, locale.section(QLatin1Char('_'), 0, 0) }) {
            if (!query)
                break;
            SqlStatement use(query);
            SqlStatement::bindText(query, 1, language);
            while (sqlite3_step(query) == SQLITE_ROW) {
                const QString country = SqlStatement::columnText(query, 0);
                if (!countryNames.contains(country))
                    countryNames.insert(country, SqlStatement::columnText(query, 1));
            }
        }
    }
    return countryNames.value(code);
}

QStringList GazetteerPrivate::otherNamesOf(qint64 id)
{
    sqlite3_stmt *query = version >= GazetteerSchema::FirstVersionWithOtherNames ? statement(OtherNamesSql) : nullptr;
    if (!query)
        return {};
    SqlStatement use(query);
    sqlite3_bind_int64(query, 1, id);
    if (sqlite3_step(query) != SQLITE_ROW)
        return {};
    return SqlStatement::columnText(query, 0).split(QChar(GazetteerSchema::OtherNameSeparator), Qt::SkipEmptyParts);
}

bool GazetteerPrivate::hasCategoryIndex() const
{
    return version >= GazetteerSchema::FirstVersionWithCategoryIndex;
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
    return SphereGeometry::distanceMetres(latitude1, longitude1, latitude2, longitude2);
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
    bool more = false;
    const QList<GazetteerEntry> entries = d->db
        ? d->prefix.search(text, kinds, nearLatitude, nearLongitude, offset, limit, &more)
        : QList<GazetteerEntry>();
    if (hasMore)
        *hasMore = more;
    return entries;
}

QList<GazetteerEntry> Gazetteer::spelledAlike(const QString &text, int kinds, double nearLatitude, double nearLongitude,
                                              int limit) const
{
    return d->db ? d->prefix.spelledAlike(text, kinds, nearLatitude, nearLongitude, limit) : QList<GazetteerEntry>();
}

QList<GazetteerEntry> Gazetteer::nearest(double latitude, double longitude, int kinds, int limit,
                                         double maxMetres) const
{
    return d->db ? d->nearest.nearest(latitude, longitude, kinds, limit, maxMetres) : QList<GazetteerEntry>();
}

QList<GazetteerEntry> Gazetteer::inCategory(const QString &code, double nearLatitude, double nearLongitude, int offset,
                                            int limit, bool *hasMore) const
{
    bool more = false;
    const QList<GazetteerEntry> entries = d->db
        ? d->categories.inCategory(code, nearLatitude, nearLongitude, offset, limit, &more)
        : QList<GazetteerEntry>();
    if (hasMore)
        *hasMore = more;
    return entries;
}

void Gazetteer::preloadNearestIndex() const
{
    d->nearest.preloadIndex();
}

GazetteerEntry Gazetteer::entry(qint64 id) const
{
    GazetteerEntry entry;
    if (!d->db || !d->readEntry(id, &entry))
        return GazetteerEntry();
    entry.otherNames = d->otherNamesOf(id);
    return entry;
}

QStringList Gazetteer::categories(const QString &prefix, int limit) const
{
    return d->categories.categories(prefix, limit);
}

GazetteerStreet Gazetteer::nearestStreet(double latitude, double longitude, double maxMetres) const
{
    return d->db ? d->streets.nearest(latitude, longitude, maxMetres) : GazetteerStreet();
}

QList<GazetteerReview> Gazetteer::reviews(qint64 id) const
{
    return d->db ? d->reviews.of(id) : QList<GazetteerReview>();
}

} // namespace places
} // namespace platform
} // namespace hx
