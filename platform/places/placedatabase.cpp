#include <hx/platform/places/tags.h>
#include <hx/platform/places/utilities.h>

#include <QtCore/QAtomicInt>
#include <QtCore/QDateTime>
#include <QtCore/QDebug>
#include <QtCore/QDir>
#include <QtCore/QFile>
#include <QtCore/QFileInfo>
#include <QtCore/QSet>
#include <QtCore/QStandardPaths>
#include <QtCore/QVector>

#include <sqlite3.h>

#include <memory>

#include "placedatabase_p.h"
#include "placeschema_p.h"
#include "storefilecheck_p.h"
#include "storescope_p.h"
#include "textfolding_p.h"

namespace hx {
namespace platform {
namespace places {

namespace {
QAtomicInt s_favoritesLimit(500);

// Upper bound of a prefix range: the highest code point appended, so that in SQLite's binary
// (UTF-8 byte) order every word starting with the prefix sorts below it.
QByteArray prefixEnd(const QByteArray &prefix)
{
    return prefix + QByteArray("\xF4\x8F\xBF\xBF");
}

void bindText(sqlite3_stmt *stmt, int index, const QString &text)
{
    const QByteArray utf8 = text.toUtf8();
    sqlite3_bind_text(stmt, index, utf8.constData(), utf8.size(), SQLITE_TRANSIENT);
}

void bindBytes(sqlite3_stmt *stmt, int index, const QByteArray &bytes)
{
    sqlite3_bind_text(stmt, index, bytes.constData(), bytes.size(), SQLITE_TRANSIENT);
}

void bindNumber(sqlite3_stmt *stmt, int index, double value)
{
    if (qIsNaN(value))
        sqlite3_bind_null(stmt, index);
    else
        sqlite3_bind_double(stmt, index, value);
}

QString columnText(sqlite3_stmt *stmt, int column)
{
    return QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(stmt, column)),
                             sqlite3_column_bytes(stmt, column));
}

double columnNumber(sqlite3_stmt *stmt, int column)
{
    return sqlite3_column_type(stmt, column) == SQLITE_NULL ? qQNaN() : sqlite3_column_double(stmt, column);
}

// Binds ?1 and ?2 to the range of index words that start with prefix.
void bindPrefixRange(sqlite3_stmt *stmt, const QString &prefix)
{
    const QByteArray bytes = prefix.toUtf8();
    bindBytes(stmt, 1, bytes);
    bindBytes(stmt, 2, prefixEnd(bytes));
}

// The word that narrows an index range the most; the others are checked on each candidate.
QString longestWord(const QStringList &words)
{
    QString longest = words.first();
    for (const QString &word : words)
        if (word.size() > longest.size())
            longest = word;
    return longest;
}

// Reads the (id, search text) rows of a walk over a word index: each id once, only those whose
// text holds every word, the first `offset` skipped, until one more than `limit` is found.
void collectWordMatches(sqlite3_stmt *stmt, const QStringList &words, int offset, int limit, QList<qint64> *ids)
{
    QSet<qint64> seen;
    int skipped = 0;
    while (ids->size() <= limit && sqlite3_step(stmt) == SQLITE_ROW) {
        const qint64 id = sqlite3_column_int64(stmt, 0);
        if (seen.contains(id))
            continue;
        seen.insert(id);
        if (words.size() > 1
            && !TextFolding::matchesAll(words, columnText(stmt, 1).split(QLatin1Char(' '), Qt::SkipEmptyParts)))
            continue;
        if (skipped < offset) {
            ++skipped;
            continue;
        }
        ids->append(id);
    }
}

// Drops the one row read past the page, which only tells that more exist.
void trimToPage(QList<qint64> *ids, int limit, bool *hasMore)
{
    if (ids->size() > limit) {
        ids->removeLast();
        *hasMore = true;
    }
}

// Resets a cached statement when a call leaves, whatever path it leaves by.
class StatementGuard
{
public:
    explicit StatementGuard(sqlite3_stmt *stmt) : m_stmt(stmt) { }
    ~StatementGuard()
    {
        if (m_stmt) {
            sqlite3_reset(m_stmt);
            sqlite3_clear_bindings(m_stmt);
        }
    }

private:
    sqlite3_stmt *m_stmt;
};

int flagsOfPlace(const Place &place)
{
    int flags = 0;
    if (place.hasTag(QLatin1String(Tags::Favorite)))
        flags |= PlaceDatabase::FlagFavorite;
    if (place.lastUsedTime() > 0)
        flags |= PlaceDatabase::FlagRecent;
    if (place.hasTag(QLatin1String(Tags::MyHome)))
        flags |= PlaceDatabase::FlagHome;
    if (place.hasTag(QLatin1String(Tags::MyWork)))
        flags |= PlaceDatabase::FlagWork;
    return flags;
}

QStringList placeWords(const Place &place)
{
    QStringList words = TextFolding::words(place.name());
    const Address address = place.primaryAddress();
    words += TextFolding::words(address.label());
    words += TextFolding::words(address.street());
    words += TextFolding::words(address.city());
    words += TextFolding::words(address.region());
    words += TextFolding::words(address.postalCode());
    words.removeDuplicates();
    return words;
}

QString termKey(const QString &term)
{
    return TextFolding::words(term).join(QLatin1Char(' '));
}

QStringList contactAddressWords(const ContactEntry &contact, const ContactEntry::PostalAddress &entry)
{
    QStringList words = TextFolding::words(contact.displayName());
    for (const QString &part : { entry.street, entry.city, entry.region, entry.postalCode, entry.label })
        words += TextFolding::words(part);
    words.removeDuplicates();
    return words;
}

QByteArray orderClause(PlaceDatabase::Order order, bool descending, const char *table)
{
    const QByteArray direction = descending ? " DESC, " : ", ";
    const QByteArray last = descending ? " DESC" : "";
    const QByteArray t(table);
    switch (order) {
    case PlaceDatabase::OrderByLastUsed:
        return t + "last_used" + direction + t + "id" + last;
    case PlaceDatabase::OrderByModified:
        return t + "modified" + direction + t + "id" + last;
    case PlaceDatabase::OrderByName:
        return t + "name_key" + direction + t + "id" + last;
    case PlaceDatabase::OrderByRelevance:
        break;
    }
    return t + "name_key, " + t + "id";
}

QByteArray placeSqlText(bool byWord, PlaceDatabase::Order order, bool descending)
{
    const bool lastUsed = order == PlaceDatabase::OrderByLastUsed;
    if (!byWord) {
        const bool byName = order == PlaceDatabase::OrderByRelevance || order == PlaceDatabase::OrderByName;
        return QByteArray("SELECT id FROM places") + (byName ? " INDEXED BY places_name_key" : "") + " WHERE "
            + (lastUsed ? "last_used IS NOT NULL AND " : "")
            + "(?1 = 0 OR (flags & ?1) != 0) AND (flags & ?2) = 0 ORDER BY " + orderClause(order, descending, "")
            + " LIMIT ?3 OFFSET ?4";
    }
    if (order == PlaceDatabase::OrderByRelevance)
        return "SELECT w.place_id, p.search_text FROM place_words w JOIN places p ON p.id = w.place_id"
               " WHERE w.word >= ?1 AND w.word < ?2 AND (?3 = 0 OR (p.flags & ?3) != 0) AND (p.flags & ?4) = 0"
               " ORDER BY w.word, w.place_id";
    // The word range first and then sorted: the cost follows the matches, not the store.
    return QByteArray("SELECT p.id, p.search_text FROM place_words w CROSS JOIN places p ON p.id = w.place_id"
                      " WHERE w.word >= ?1 AND w.word < ?2 AND (?3 = 0 OR (p.flags & ?3) != 0) AND (p.flags & ?4) = 0")
        + (lastUsed ? " AND p.last_used IS NOT NULL" : "") + " GROUP BY p.id ORDER BY "
        + orderClause(order, descending, "p.");
}

// The statement cache is keyed by the text's address, so every text is made once and kept.
const char *placeSql(bool byWord, PlaceDatabase::Order order, bool descending)
{
    static const QVector<QByteArray> texts = [] {
        QVector<QByteArray> all;
        for (int i = 0; i < 16; ++i)
            all.append(placeSqlText(i & 1, PlaceDatabase::Order(i >> 2), i & 2));
        return all;
    }();
    return texts.at(int(byWord) | (descending ? 2 : 0) | (int(order) << 2)).constData();
}

} // namespace

// The connections of one thread, closed when the thread ends.
class PlaceDatabaseCache
{
public:
    ~PlaceDatabaseCache() { qDeleteAll(connections); }
    QHash<QString, PlaceDatabase *> connections;
};

QString PlaceDatabase::defaultPath()
{
    const QString configured = qEnvironmentVariable("HX_PLACES_DB");
    if (!configured.isEmpty())
        return configured;
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
        + QStringLiteral("/hxplaces/places.db");
}

PlaceDatabase *PlaceDatabase::forCurrentThread(Error::Type *error)
{
    static thread_local PlaceDatabaseCache cache;
    const QString path = defaultPath();
    PlaceDatabase *db = cache.connections.value(path);
    if (db) {
        // A file replaced or removed behind our back is opened anew, never written blind.
        if (StoreScope::isFresh(db->m_checked) || FileIdentity::of(path).isSameFile(db->m_file)) {
            db->m_checked = StoreScope::mark();
            db->readWithinScope();
            *error = Error::None;
            return db;
        }
        cache.connections.remove(path);
        delete db;
    }
    std::unique_ptr<PlaceDatabase> fresh(new PlaceDatabase);
    *error = fresh->open(path);
    if (*error != Error::None)
        return nullptr;
    db = fresh.release();
    db->m_checked = StoreScope::mark();
    db->readWithinScope();
    cache.connections.insert(path, db);
    return db;
}

int PlaceDatabase::favoritesLimit()
{
    return s_favoritesLimit.loadAcquire();
}

void PlaceDatabase::setFavoritesLimit(int limit)
{
    s_favoritesLimit.storeRelease(limit);
}

PlaceDatabase::~PlaceDatabase()
{
    for (sqlite3_stmt *stmt : qAsConst(m_statements))
        sqlite3_finalize(stmt);
    if (m_db)
        sqlite3_close(m_db);
    if (m_file.isValid())
        StoreFileCheck::forget(m_path, m_file);
}

Error::Type PlaceDatabase::open(const QString &path)
{
    m_path = path;
    const QByteArray encoded = QFile::encodeName(path);
    const QFileInfo info(path);
    if (info.exists() && info.size() > 0) {
        const Error::Type refused = StoreFileCheck::inspect(path);
        if (refused != Error::None)
            return refused;
    } else {
        const QString folder = info.absolutePath();
        if (!QDir(folder).exists()) {
            if (!QDir().mkpath(folder))
                return Error::StorageFailure;
            QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        }
    }

    const int rc = sqlite3_open_v2(encoded.constData(), &m_db,
                                   SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX, nullptr);
    if (rc != SQLITE_OK)
        return fail("open");
    QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    sqlite3_busy_timeout(m_db, 5000);
    if (!exec("PRAGMA foreign_keys=ON") || !exec("PRAGMA synchronous=NORMAL"))
        return fail("configure");
    // A new file gets its schema and mark before it turns to WAL, so the mark is in the file's
    // own header from the start and a reader that only looks at the header knows the file.
    Error::Type error = createOrMigrate();
    if (error != Error::None)
        return error;
    if (!exec("PRAGMA journal_mode=WAL"))
        return fail("configure");
    m_file = FileIdentity::of(path);
    if (!m_file.isValid())
        return Error::StorageFailure;
    StoreFileCheck::remember(path, m_file);
    return Error::None;
}

Error::Type PlaceDatabase::createOrMigrate()
{
    sqlite3_stmt *stmt = statement("PRAGMA user_version");
    if (!stmt)
        return fail("read version");
    const auto readVersion = [stmt] {
        const int version = sqlite3_step(stmt) == SQLITE_ROW ? sqlite3_column_int(stmt, 0) : -1;
        sqlite3_reset(stmt);
        return version;
    };
    if (readVersion() == PlaceSchema::Version)
        return Error::None;
    if (!begin())
        return fail("begin migration");
    // Read again under the write lock: another process may have made the schema meanwhile.
    const int version = readVersion();
    if (version < 0 || version > PlaceSchema::Version) {
        rollback();
        return version < 0 ? fail("read version") : Error::StorageRefused;
    }
    if (version == PlaceSchema::Version) {
        rollback();
        return Error::None;
    }
    // Each step moves the schema one version forward; all of them commit together.
    if (version < 1) {
        for (const char *sql : PlaceSchema::V1) {
            if (!exec(sql)) {
                rollback();
                return fail("create schema");
            }
        }
    }
    if (version == 1 && refoldKeys() != Error::None) {
        rollback();
        return Error::StorageFailure;
    }
    const QByteArray mark = "PRAGMA application_id=" + QByteArray::number(PlaceSchema::ApplicationId)
        + ";PRAGMA user_version=" + QByteArray::number(PlaceSchema::Version);
    if (!exec(mark.constData()) || !commit()) {
        rollback();
        return fail("set version");
    }
    return Error::None;
}

Error::Type PlaceDatabase::refoldKeys()
{
    // Version 1 folded text otherwise: every key and word list is made again from the records.
    QList<qint64> ids;
    {
        sqlite3_stmt *stmt = statement("SELECT id FROM places ORDER BY id");
        if (!stmt)
            return Error::StorageFailure;
        StatementGuard guard(stmt);
        while (sqlite3_step(stmt) == SQLITE_ROW)
            ids.append(sqlite3_column_int64(stmt, 0));
    }
    sqlite3_stmt *update = statement("UPDATE places SET name_key = ?2, search_text = ?3 WHERE id = ?1");
    if (!update)
        return Error::StorageFailure;
    for (qint64 id : qAsConst(ids)) {
        Error::Type error = Error::None;
        std::unique_ptr<Place> place(loadPlace(id, &error));
        if (!place)
            continue; // an unreadable record is skipped by every search already
        const QStringList words = placeWords(*place);
        {
            StatementGuard guard(update);
            sqlite3_bind_int64(update, 1, id);
            bindText(update, 2, TextFolding::fold(place->name()));
            bindText(update, 3, words.join(QLatin1Char(' ')));
            if (sqlite3_step(update) != SQLITE_DONE)
                return fail("refold place");
        }
        error = writeWords("DELETE FROM place_words WHERE place_id = ?1",
                           "INSERT OR IGNORE INTO place_words(word, place_id) VALUES(?1, ?2)", id, words);
        if (error != Error::None)
            return error;
    }
    const Error::Type error = refoldSearchTerms();
    return error == Error::None ? refoldContacts() : error;
}

Error::Type PlaceDatabase::refoldSearchTerms()
{
    QStringList terms;
    {
        sqlite3_stmt *stmt = statement("SELECT term FROM search_terms");
        if (!stmt)
            return Error::StorageFailure;
        StatementGuard guard(stmt);
        while (sqlite3_step(stmt) == SQLITE_ROW)
            terms.append(columnText(stmt, 0));
    }
    sqlite3_stmt *update = statement("UPDATE search_terms SET term_key = ?2 WHERE term = ?1");
    if (!update)
        return Error::StorageFailure;
    for (const QString &term : qAsConst(terms)) {
        StatementGuard guard(update);
        bindText(update, 1, term);
        bindText(update, 2, termKey(term));
        if (sqlite3_step(update) != SQLITE_DONE)
            return fail("refold search term");
    }
    return Error::None;
}

Error::Type PlaceDatabase::refoldContacts()
{
    QList<qint64> ids;
    {
        sqlite3_stmt *stmt = statement("SELECT id FROM contacts ORDER BY id");
        if (!stmt)
            return Error::StorageFailure;
        StatementGuard guard(stmt);
        while (sqlite3_step(stmt) == SQLITE_ROW)
            ids.append(sqlite3_column_int64(stmt, 0));
    }
    sqlite3_stmt *contactKey = statement("UPDATE contacts SET name_key = ?2 WHERE id = ?1");
    sqlite3_stmt *addressKey = statement("UPDATE contact_addresses SET name_key = ?2, search_text = ?3 WHERE id = ?1");
    if (!contactKey || !addressKey)
        return Error::StorageFailure;
    for (qint64 id : qAsConst(ids)) {
        Error::Type error = Error::None;
        const ContactEntry entry = contact(id, &error);
        if (error != Error::None)
            return error;
        const QString nameKey = TextFolding::fold(entry.displayName());
        {
            StatementGuard guard(contactKey);
            sqlite3_bind_int64(contactKey, 1, id);
            bindText(contactKey, 2, nameKey);
            if (sqlite3_step(contactKey) != SQLITE_DONE)
                return fail("refold contact");
        }
        for (const ContactEntry::PostalAddress &address : entry.addresses) {
            const QStringList words = contactAddressWords(entry, address);
            {
                StatementGuard guard(addressKey);
                sqlite3_bind_int64(addressKey, 1, address.id);
                bindText(addressKey, 2, nameKey);
                bindText(addressKey, 3, words.join(QLatin1Char(' ')));
                if (sqlite3_step(addressKey) != SQLITE_DONE)
                    return fail("refold postal address");
            }
            error
                = writeWords("DELETE FROM contact_words WHERE address_id = ?1",
                             "INSERT OR IGNORE INTO contact_words(word, address_id) VALUES(?1, ?2)", address.id, words);
            if (error != Error::None)
                return error;
        }
    }
    return Error::None;
}

sqlite3_stmt *PlaceDatabase::statement(const char *sql)
{
    sqlite3_stmt *stmt = m_statements.value(sql);
    if (stmt)
        return stmt;
    if (sqlite3_prepare_v3(m_db, sql, -1, SQLITE_PREPARE_PERSISTENT, &stmt, nullptr) != SQLITE_OK) {
        qWarning().noquote() << "place store: cannot prepare:" << sqlite3_errmsg(m_db);
        return nullptr;
    }
    m_statements.insert(sql, stmt);
    return stmt;
}

bool PlaceDatabase::exec(const char *sql)
{
    return sqlite3_exec(m_db, sql, nullptr, nullptr, nullptr) == SQLITE_OK;
}

bool PlaceDatabase::control(const char *sql)
{
    // Transaction control runs around every search and write: parsed once, not each time.
    sqlite3_stmt *stmt = statement(sql);
    if (!stmt)
        return false;
    const int rc = sqlite3_step(stmt);
    sqlite3_reset(stmt);
    return rc == SQLITE_DONE;
}

void PlaceDatabase::readWithinScope()
{
    // One snapshot for a whole store operation: its groups see the same store, and the
    // statements skip taking and dropping the shared lock one by one.
    const quint64 mark = StoreScope::mark();
    if (mark == 0 || m_readMark == mark || !sqlite3_get_autocommit(m_db) || !control("BEGIN"))
        return;
    m_readMark = mark;
    StoreScope::atEnd([this] { endRead(); });
}

void PlaceDatabase::endRead()
{
    if (m_readMark != 0 && !sqlite3_get_autocommit(m_db))
        control("COMMIT");
    m_readMark = 0;
}

bool PlaceDatabase::begin()
{
    if (m_writeDepth > 0) {
        ++m_writeDepth;
        return true;
    }
    endRead();
    if (!control("BEGIN IMMEDIATE"))
        return false;
    m_writeDepth = 1;
    return true;
}

bool PlaceDatabase::commit()
{
    if (m_writeDepth > 1) {
        --m_writeDepth;
        return true;
    }
    m_writeDepth = 0;
    return control("COMMIT");
}

void PlaceDatabase::rollback()
{
    // Inside an outer transaction the failure travels up and the outermost rolls back.
    if (m_writeDepth > 1) {
        --m_writeDepth;
        return;
    }
    m_writeDepth = 0;
    if (!sqlite3_get_autocommit(m_db))
        control("ROLLBACK");
}

bool PlaceDatabase::beginWrite()
{
    if (begin())
        return true;
    fail("begin");
    return false;
}

Error::Type PlaceDatabase::endWrite(Error::Type result)
{
    if (result != Error::None) {
        rollback();
        return result;
    }
    if (commit())
        return Error::None;
    const Error::Type error = fail("commit");
    rollback();
    return error;
}

Error::Type PlaceDatabase::fail(const char *what)
{
    qWarning().noquote() << "place store:" << what << "failed:" << (m_db ? sqlite3_errmsg(m_db) : "no connection");
    return Error::StorageFailure;
}

Place *PlaceDatabase::loadPlace(qint64 id, Error::Type *error)
{
    sqlite3_stmt *stmt = statement("SELECT record, last_used FROM places WHERE id = ?1");
    if (!stmt) {
        *error = Error::StorageFailure;
        return nullptr;
    }
    StatementGuard guard(stmt);
    sqlite3_bind_int64(stmt, 1, id);
    const int rc = sqlite3_step(stmt);
    if (rc != SQLITE_ROW) {
        *error = rc == SQLITE_DONE ? Error::NotFound : fail("load place");
        return nullptr;
    }
    const auto *blob = static_cast<const char *>(sqlite3_column_blob(stmt, 0));
    const int size = sqlite3_column_bytes(stmt, 0);
    Place decoded;
    Place *place = nullptr;
    if (m_decoded.recall(id, blob, size, &decoded)) {
        place = new Place(decoded);
    } else {
        const QByteArray bytes(blob, size);
        place = Utilities::deserialize(bytes);
        if (!place) {
            qWarning() << "place store: unreadable record" << id;
            *error = Error::NotFound;
            return nullptr;
        }
        m_decoded.remember(id, bytes, *place);
    }
    place->setId(id);
    place->setLastUsedTime(sqlite3_column_type(stmt, 1) == SQLITE_NULL ? 0 : sqlite3_column_int64(stmt, 1));
    *error = Error::None;
    return place;
}

bool PlaceDatabase::exists(qint64 id)
{
    return flagsOf(id) >= 0;
}

int PlaceDatabase::flagsOf(qint64 id)
{
    sqlite3_stmt *stmt = statement("SELECT flags FROM places WHERE id = ?1");
    if (!stmt)
        return -1;
    StatementGuard guard(stmt);
    sqlite3_bind_int64(stmt, 1, id);
    return sqlite3_step(stmt) == SQLITE_ROW ? sqlite3_column_int(stmt, 0) : -1;
}

Error::Type PlaceDatabase::writeWords(const char *deleteSql, const char *insertSql, qint64 id, const QStringList &words)
{
    sqlite3_stmt *remove = statement(deleteSql);
    sqlite3_stmt *insert = statement(insertSql);
    if (!remove || !insert)
        return Error::StorageFailure;
    {
        StatementGuard guard(remove);
        sqlite3_bind_int64(remove, 1, id);
        if (sqlite3_step(remove) != SQLITE_DONE)
            return fail("remove index entries");
    }
    for (const QString &word : words) {
        StatementGuard guard(insert);
        bindText(insert, 1, word);
        sqlite3_bind_int64(insert, 2, id);
        if (sqlite3_step(insert) != SQLITE_DONE)
            return fail("add index entry");
    }
    return Error::None;
}

Error::Type PlaceDatabase::writePlace(Place &place, bool insert)
{
    if (!begin())
        return fail("begin");
    const qint64 now = QDateTime::currentSecsSinceEpoch();
    qint64 id = place.id();
    {
        sqlite3_stmt *stmt = insert
            ? statement("INSERT INTO places(name, name_key, flags, last_used, modified, latitude, longitude,"
                        " search_text, record) VALUES(?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9)")
            : statement("UPDATE places SET name = ?1, name_key = ?2, flags = ?3, last_used = ?4, modified = ?5,"
                        " latitude = ?6, longitude = ?7, search_text = ?8, record = ?9 WHERE id = ?10");
        if (!stmt) {
            rollback();
            return Error::StorageFailure;
        }
        StatementGuard guard(stmt);
        Place stored(place);
        stored.setId(insert ? -1 : id);
        // Internal tags only mean something on a search row; they are never kept.
        for (const QString &tag : place.tags()) {
            if (tag.startsWith(QLatin1String("internal:")))
                stored.removeTag(tag);
        }
        const QStringList words = placeWords(stored);
        bindText(stmt, 1, place.name());
        bindText(stmt, 2, TextFolding::fold(place.name()));
        sqlite3_bind_int(stmt, 3, flagsOfPlace(stored));
        if (place.lastUsedTime() > 0)
            sqlite3_bind_int64(stmt, 4, place.lastUsedTime());
        else
            sqlite3_bind_null(stmt, 4);
        sqlite3_bind_int64(stmt, 5, now);
        bindNumber(stmt, 6, place.primaryCoordinates().isValid() ? place.primaryCoordinates().latitude() : qQNaN());
        bindNumber(stmt, 7, place.primaryCoordinates().isValid() ? place.primaryCoordinates().longitude() : qQNaN());
        bindText(stmt, 8, words.join(QLatin1Char(' ')));
        const QByteArray record = Utilities::serialize(stored);
        sqlite3_bind_blob(stmt, 9, record.constData(), record.size(), SQLITE_TRANSIENT);
        if (!insert)
            sqlite3_bind_int64(stmt, 10, id);
        if (sqlite3_step(stmt) != SQLITE_DONE) {
            const Error::Type error = fail("write place");
            rollback();
            return error;
        }
        if (insert)
            id = sqlite3_last_insert_rowid(m_db);
        else if (sqlite3_changes(m_db) == 0) {
            rollback();
            return Error::NotFound;
        }
        Error::Type error = writeWords("DELETE FROM place_words WHERE place_id = ?1",
                                       "INSERT OR IGNORE INTO place_words(word, place_id) VALUES(?1, ?2)", id, words);
        if (error == Error::None)
            error = writeWords("DELETE FROM place_tags WHERE place_id = ?1",
                               "INSERT OR IGNORE INTO place_tags(tag, place_id) VALUES(?1, ?2)", id, stored.tags());
        if (error != Error::None) {
            rollback();
            return error;
        }
    }
    if (!commit()) {
        const Error::Type error = fail("commit");
        rollback();
        return error;
    }
    place.setId(id);
    return Error::None;
}

Error::Type PlaceDatabase::deleteRow(const char *sql, qint64 id, const char *what)
{
    sqlite3_stmt *stmt = statement(sql);
    if (!stmt)
        return Error::StorageFailure;
    StatementGuard guard(stmt);
    sqlite3_bind_int64(stmt, 1, id);
    if (sqlite3_step(stmt) != SQLITE_DONE)
        return fail(what);
    return sqlite3_changes(m_db) > 0 ? Error::None : Error::NotFound;
}

Error::Type PlaceDatabase::deletePlace(qint64 id)
{
    return deleteRow("DELETE FROM places WHERE id = ?1", id, "delete place");
}

Error::Type PlaceDatabase::setLastUsed(qint64 id, qint64 seconds)
{
    sqlite3_stmt *stmt = statement("UPDATE places SET last_used = ?2, flags = flags | 2 WHERE id = ?1");
    if (!stmt)
        return Error::StorageFailure;
    StatementGuard guard(stmt);
    sqlite3_bind_int64(stmt, 1, id);
    sqlite3_bind_int64(stmt, 2, seconds);
    if (sqlite3_step(stmt) != SQLITE_DONE)
        return fail("mark used");
    return sqlite3_changes(m_db) > 0 ? Error::None : Error::NotFound;
}

Error::Type PlaceDatabase::clearRecent()
{
    if (!begin())
        return fail("begin");
    // A place kept only because it was picked goes; favourites, home and work stay.
    const bool ok = exec("DELETE FROM places WHERE flags = 2")
        && exec("UPDATE places SET last_used = NULL, flags = flags & ~2 WHERE last_used IS NOT NULL")
        && exec("DELETE FROM search_terms");
    if (!ok || !commit()) {
        const Error::Type error = fail("clear recent");
        rollback();
        return error;
    }
    return Error::None;
}

int PlaceDatabase::countWithFlag(int flag)
{
    sqlite3_stmt *stmt = statement("SELECT count(*) FROM places WHERE (flags & ?1) != 0");
    if (!stmt)
        return -1;
    StatementGuard guard(stmt);
    sqlite3_bind_int(stmt, 1, flag);
    return sqlite3_step(stmt) == SQLITE_ROW ? sqlite3_column_int(stmt, 0) : -1;
}

QList<qint64> PlaceDatabase::findIds(const Query &query, int offset, int limit, bool *hasMore, Error::Type *error)
{
    QList<qint64> ids;
    *hasMore = false;
    *error = Error::None;
    if (limit <= 0 || offset < 0)
        return ids;
    const QStringList words = TextFolding::words(query.text);
    // Text made only of signs finds nothing; only an empty text lists everything.
    if (words.isEmpty() && !query.text.trimmed().isEmpty())
        return ids;
    sqlite3_stmt *stmt = statement(placeSql(!words.isEmpty(), query.order, query.descending));
    if (!stmt) {
        *error = Error::StorageFailure;
        return ids;
    }
    StatementGuard guard(stmt);
    if (words.isEmpty()) {
        sqlite3_bind_int(stmt, 1, query.anyFlags);
        sqlite3_bind_int(stmt, 2, query.noFlags);
        sqlite3_bind_int(stmt, 3, limit + 1);
        sqlite3_bind_int(stmt, 4, offset);
        int rc;
        while ((rc = sqlite3_step(stmt)) == SQLITE_ROW)
            ids.append(sqlite3_column_int64(stmt, 0));
        if (rc != SQLITE_DONE)
            *error = fail("find places");
    } else {
        bindPrefixRange(stmt, longestWord(words));
        sqlite3_bind_int(stmt, 3, query.anyFlags);
        sqlite3_bind_int(stmt, 4, query.noFlags);
        collectWordMatches(stmt, words, offset, limit, &ids);
    }
    trimToPage(&ids, limit, hasMore);
    return ids;
}

QList<qint64> PlaceDatabase::findByTags(const QStringList &tags, Order order, int offset, int limit, bool *hasMore,
                                        Error::Type *error)
{
    QList<qint64> ids;
    *hasMore = false;
    *error = Error::None;
    if (tags.isEmpty() || limit <= 0 || offset < 0)
        return ids;
    // Places carrying every tag: walk the first tag's entries, check the rest per place.
    sqlite3_stmt *stmt = order == OrderByModified
        ? statement("SELECT p.id FROM place_tags t JOIN places p ON p.id = t.place_id WHERE t.tag = ?1"
                    " ORDER BY p.modified DESC, p.id DESC")
        : statement("SELECT p.id FROM place_tags t JOIN places p ON p.id = t.place_id WHERE t.tag = ?1"
                    " ORDER BY p.name_key, p.id");
    sqlite3_stmt *check = statement("SELECT 1 FROM place_tags WHERE tag = ?1 AND place_id = ?2");
    if (!stmt || !check) {
        *error = Error::StorageFailure;
        return ids;
    }
    StatementGuard guard(stmt);
    bindText(stmt, 1, tags.first());
    int skipped = 0;
    while (ids.size() <= limit && sqlite3_step(stmt) == SQLITE_ROW) {
        const qint64 id = sqlite3_column_int64(stmt, 0);
        bool all = true;
        for (int i = 1; i < tags.size() && all; ++i) {
            StatementGuard checkGuard(check);
            bindText(check, 1, tags.at(i));
            sqlite3_bind_int64(check, 2, id);
            all = sqlite3_step(check) == SQLITE_ROW;
        }
        if (!all)
            continue;
        if (skipped < offset) {
            ++skipped;
            continue;
        }
        ids.append(id);
    }
    trimToPage(&ids, limit, hasMore);
    return ids;
}

QList<qint64> PlaceDatabase::findByName(const QString &name, bool caseSensitive, Error::Type *error)
{
    QList<qint64> ids;
    *error = Error::None;
    sqlite3_stmt *stmt = statement("SELECT id, name FROM places WHERE name_key = ?1 ORDER BY id");
    if (!stmt) {
        *error = Error::StorageFailure;
        return ids;
    }
    StatementGuard guard(stmt);
    bindText(stmt, 1, TextFolding::fold(name));
    while (sqlite3_step(stmt) == SQLITE_ROW) {
        if (!caseSensitive || columnText(stmt, 1) == name)
            ids.append(sqlite3_column_int64(stmt, 0));
    }
    return ids;
}

QList<PlaceDatabase::SearchTerm> PlaceDatabase::recentSearchTerms(const QString &filter, int offset, int limit,
                                                                  bool *hasMore, Error::Type *error)
{
    QList<SearchTerm> terms;
    *hasMore = false;
    *error = Error::None;
    sqlite3_stmt *stmt
        = statement("SELECT term, category, term_key, last_used FROM search_terms ORDER BY last_used DESC, term");
    if (!stmt) {
        *error = Error::StorageFailure;
        return terms;
    }
    StatementGuard guard(stmt);
    const QStringList words = TextFolding::words(filter);
    int skipped = 0;
    while ((limit < 0 || terms.size() <= limit) && sqlite3_step(stmt) == SQLITE_ROW) {
        if (!words.isEmpty()
            && !TextFolding::matchesAll(words, columnText(stmt, 2).split(QLatin1Char(' '), Qt::SkipEmptyParts)))
            continue;
        if (skipped < offset) {
            ++skipped;
            continue;
        }
        terms.append({ columnText(stmt, 0), columnText(stmt, 1), sqlite3_column_int64(stmt, 3) });
    }
    if (limit >= 0 && terms.size() > limit) {
        terms.removeLast();
        *hasMore = true;
    }
    return terms;
}

Error::Type PlaceDatabase::addRecentSearchTerm(const QString &term, const QString &category, qint64 seconds)
{
    sqlite3_stmt *stmt
        = statement("INSERT INTO search_terms(term, term_key, category, last_used) VALUES(?1, ?2, ?3, ?4)"
                    " ON CONFLICT(term) DO UPDATE SET category = ?3, last_used = ?4");
    if (!stmt)
        return Error::StorageFailure;
    StatementGuard guard(stmt);
    bindText(stmt, 1, term);
    bindText(stmt, 2, termKey(term));
    bindText(stmt, 3, category);
    sqlite3_bind_int64(stmt, 4, seconds);
    return sqlite3_step(stmt) == SQLITE_DONE ? Error::None : fail("add search term");
}

Error::Type PlaceDatabase::addContact(ContactEntry &contact)
{
    if (!begin())
        return fail("begin");
    auto abort = [this](const char *what) {
        const Error::Type error = fail(what);
        rollback();
        return error;
    };
    sqlite3_stmt *stmt = statement("INSERT INTO contacts(account_id, first_name, last_name, company, notes, url,"
                                   " photo_path, name_key) VALUES(?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8)");
    if (!stmt)
        return abort("prepare contact");
    {
        StatementGuard guard(stmt);
        sqlite3_bind_int64(stmt, 1, contact.accountId);
        bindText(stmt, 2, contact.firstName);
        bindText(stmt, 3, contact.lastName);
        bindText(stmt, 4, contact.company);
        bindText(stmt, 5, contact.notes);
        bindText(stmt, 6, contact.url);
        bindText(stmt, 7, contact.photoPath);
        bindText(stmt, 8, TextFolding::fold(contact.displayName()));
        if (sqlite3_step(stmt) != SQLITE_DONE)
            return abort("add contact");
    }
    const qint64 contactId = sqlite3_last_insert_rowid(m_db);
    sqlite3_stmt *phone
        = statement("INSERT INTO contact_phones(contact_id, position, kind, number) VALUES(?1, ?2, ?3, ?4)");
    sqlite3_stmt *email
        = statement("INSERT INTO contact_emails(contact_id, position, kind, address) VALUES(?1, ?2, ?3, ?4)");
    sqlite3_stmt *address = statement(
        "INSERT INTO contact_addresses(contact_id, kind, street, city, region, country, country_code, postal_code,"
        " label, latitude, longitude, name_key, search_text) VALUES(?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10, ?11, ?12, "
        "?13)");
    if (!phone || !email || !address)
        return abort("prepare contact details");
    for (int i = 0; i < contact.phones.size(); ++i) {
        StatementGuard guard(phone);
        sqlite3_bind_int64(phone, 1, contactId);
        sqlite3_bind_int(phone, 2, i);
        bindText(phone, 3, contact.phones.at(i).kind);
        bindText(phone, 4, contact.phones.at(i).number);
        if (sqlite3_step(phone) != SQLITE_DONE)
            return abort("add phone");
    }
    for (int i = 0; i < contact.emails.size(); ++i) {
        StatementGuard guard(email);
        sqlite3_bind_int64(email, 1, contactId);
        sqlite3_bind_int(email, 2, i);
        bindText(email, 3, contact.emails.at(i).kind);
        bindText(email, 4, contact.emails.at(i).address);
        if (sqlite3_step(email) != SQLITE_DONE)
            return abort("add e-mail");
    }
    QList<qint64> addressIds;
    for (const ContactEntry::PostalAddress &entry : qAsConst(contact.addresses)) {
        const QStringList words = contactAddressWords(contact, entry);
        {
            StatementGuard guard(address);
            sqlite3_bind_int64(address, 1, contactId);
            bindText(address, 2, entry.kind);
            bindText(address, 3, entry.street);
            bindText(address, 4, entry.city);
            bindText(address, 5, entry.region);
            bindText(address, 6, entry.country);
            bindText(address, 7, entry.countryCode);
            bindText(address, 8, entry.postalCode);
            bindText(address, 9, entry.label);
            bindNumber(address, 10, entry.latitude);
            bindNumber(address, 11, entry.longitude);
            bindText(address, 12, TextFolding::fold(contact.displayName()));
            bindText(address, 13, words.join(QLatin1Char(' ')));
            if (sqlite3_step(address) != SQLITE_DONE)
                return abort("add postal address");
        }
        const qint64 addressId = sqlite3_last_insert_rowid(m_db);
        addressIds.append(addressId);
        if (writeWords("DELETE FROM contact_words WHERE address_id = ?1",
                       "INSERT OR IGNORE INTO contact_words(word, address_id) VALUES(?1, ?2)", addressId, words)
            != Error::None) {
            rollback();
            return Error::StorageFailure;
        }
    }
    if (!commit())
        return abort("commit contact");
    contact.id = contactId;
    for (int i = 0; i < addressIds.size(); ++i)
        contact.addresses[i].id = addressIds.at(i);
    return Error::None;
}

Error::Type PlaceDatabase::removeContact(qint64 id)
{
    return deleteRow("DELETE FROM contacts WHERE id = ?1", id, "remove contact");
}

ContactEntry PlaceDatabase::contact(qint64 id, Error::Type *error)
{
    ContactEntry contact;
    *error = Error::None;
    sqlite3_stmt *stmt = statement("SELECT account_id, first_name, last_name, company, notes, url, photo_path"
                                   " FROM contacts WHERE id = ?1");
    sqlite3_stmt *phones = statement("SELECT kind, number FROM contact_phones WHERE contact_id = ?1 ORDER BY position");
    sqlite3_stmt *emails
        = statement("SELECT kind, address FROM contact_emails WHERE contact_id = ?1 ORDER BY position");
    sqlite3_stmt *addresses = statement("SELECT id, kind, street, city, region, country, country_code, postal_code,"
                                        " label, latitude, longitude FROM contact_addresses WHERE contact_id = ?1"
                                        " ORDER BY id");
    if (!stmt || !phones || !emails || !addresses) {
        *error = Error::StorageFailure;
        return contact;
    }
    {
        StatementGuard guard(stmt);
        sqlite3_bind_int64(stmt, 1, id);
        if (sqlite3_step(stmt) != SQLITE_ROW) {
            *error = Error::NotFound;
            return contact;
        }
        contact.id = id;
        contact.accountId = sqlite3_column_int64(stmt, 0);
        contact.firstName = columnText(stmt, 1);
        contact.lastName = columnText(stmt, 2);
        contact.company = columnText(stmt, 3);
        contact.notes = columnText(stmt, 4);
        contact.url = columnText(stmt, 5);
        contact.photoPath = columnText(stmt, 6);
    }
    {
        StatementGuard guard(phones);
        sqlite3_bind_int64(phones, 1, id);
        while (sqlite3_step(phones) == SQLITE_ROW)
            contact.phones.append({ columnText(phones, 0), columnText(phones, 1) });
    }
    {
        StatementGuard guard(emails);
        sqlite3_bind_int64(emails, 1, id);
        while (sqlite3_step(emails) == SQLITE_ROW)
            contact.emails.append({ columnText(emails, 0), columnText(emails, 1) });
    }
    StatementGuard guard(addresses);
    sqlite3_bind_int64(addresses, 1, id);
    while (sqlite3_step(addresses) == SQLITE_ROW) {
        ContactEntry::PostalAddress entry;
        entry.id = sqlite3_column_int64(addresses, 0);
        entry.kind = columnText(addresses, 1);
        entry.street = columnText(addresses, 2);
        entry.city = columnText(addresses, 3);
        entry.region = columnText(addresses, 4);
        entry.country = columnText(addresses, 5);
        entry.countryCode = columnText(addresses, 6);
        entry.postalCode = columnText(addresses, 7);
        entry.label = columnText(addresses, 8);
        entry.latitude = columnNumber(addresses, 9);
        entry.longitude = columnNumber(addresses, 10);
        contact.addresses.append(entry);
    }
    return contact;
}

QList<ContactEntry> PlaceDatabase::contacts(Error::Type *error)
{
    QList<ContactEntry> result;
    QList<qint64> ids;
    *error = Error::None;
    sqlite3_stmt *stmt = statement("SELECT id FROM contacts ORDER BY name_key, id");
    if (!stmt) {
        *error = Error::StorageFailure;
        return result;
    }
    {
        StatementGuard guard(stmt);
        while (sqlite3_step(stmt) == SQLITE_ROW)
            ids.append(sqlite3_column_int64(stmt, 0));
    }
    for (qint64 id : qAsConst(ids)) {
        const ContactEntry entry = contact(id, error);
        if (*error != Error::None)
            return result;
        result.append(entry);
    }
    return result;
}

QList<qint64> PlaceDatabase::findContactAddresses(const QString &text, Order order, bool descending, int offset,
                                                  int limit, bool *hasMore, Error::Type *error)
{
    QList<qint64> ids;
    *hasMore = false;
    *error = Error::None;
    if (limit <= 0 || offset < 0)
        return ids;
    const QStringList words = TextFolding::words(text);
    if (words.isEmpty() && !text.trimmed().isEmpty())
        return ids;
    // Contacts have no time of use or change: every order but relevance is the name order.
    const bool backwards = order != OrderByRelevance && descending;
    if (words.isEmpty()) {
        sqlite3_stmt *stmt = backwards
            ? statement("SELECT id FROM contact_addresses ORDER BY name_key DESC, id DESC LIMIT ?1 OFFSET ?2")
            : statement("SELECT id FROM contact_addresses ORDER BY name_key, id LIMIT ?1 OFFSET ?2");
        if (!stmt) {
            *error = Error::StorageFailure;
            return ids;
        }
        StatementGuard guard(stmt);
        sqlite3_bind_int(stmt, 1, limit + 1);
        sqlite3_bind_int(stmt, 2, offset);
        while (sqlite3_step(stmt) == SQLITE_ROW)
            ids.append(sqlite3_column_int64(stmt, 0));
    } else {
        const char *byWord
            = "SELECT w.address_id, a.search_text FROM contact_words w JOIN contact_addresses a ON a.id = w.address_id"
              " WHERE w.word >= ?1 AND w.word < ?2 ORDER BY w.word, w.address_id";
        const char *byName = "SELECT a.id, a.search_text FROM contact_words w CROSS JOIN contact_addresses a"
                             " ON a.id = w.address_id WHERE w.word >= ?1 AND w.word < ?2 GROUP BY a.id"
                             " ORDER BY a.name_key, a.id";
        const char *byNameBackwards = "SELECT a.id, a.search_text FROM contact_words w CROSS JOIN contact_addresses a"
                                      " ON a.id = w.address_id WHERE w.word >= ?1 AND w.word < ?2 GROUP BY a.id"
                                      " ORDER BY a.name_key DESC, a.id DESC";
        sqlite3_stmt *stmt = statement(order == OrderByRelevance ? byWord : backwards ? byNameBackwards : byName);
        if (!stmt) {
            *error = Error::StorageFailure;
            return ids;
        }
        StatementGuard guard(stmt);
        bindPrefixRange(stmt, longestWord(words));
        collectWordMatches(stmt, words, offset, limit, &ids);
    }
    trimToPage(&ids, limit, hasMore);
    return ids;
}

bool PlaceDatabase::contactAddress(qint64 addressId, ContactEntry *contact, ContactEntry::PostalAddress *address)
{
    sqlite3_stmt *stmt = statement("SELECT contact_id FROM contact_addresses WHERE id = ?1");
    if (!stmt)
        return false;
    qint64 contactId = -1;
    {
        StatementGuard guard(stmt);
        sqlite3_bind_int64(stmt, 1, addressId);
        if (sqlite3_step(stmt) != SQLITE_ROW)
            return false;
        contactId = sqlite3_column_int64(stmt, 0);
    }
    Error::Type error = Error::None;
    *contact = this->contact(contactId, &error);
    if (error != Error::None)
        return false;
    for (const ContactEntry::PostalAddress &entry : qAsConst(contact->addresses)) {
        if (entry.id == addressId) {
            *address = entry;
            return true;
        }
    }
    return false;
}

} // namespace places
} // namespace platform
} // namespace hx
