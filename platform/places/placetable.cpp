#include <hx/platform/places/tags.h>
#include <hx/platform/places/utilities.h>

#include <QtCore/QAtomicInt>
#include <QtCore/QDateTime>
#include <QtCore/QDebug>
#include <QtCore/QVector>

#include <sqlite3.h>

#include <memory>

#include "placedatabase_p.h"
#include "placetable_p.h"
#include "sqlstatement_p.h"
#include "textfolding_p.h"

namespace hx {
namespace platform {
namespace places {

namespace {
QAtomicInt s_favoritesLimit(500);

int flagsOfPlace(const Place &place)
{
    int flags = 0;
    if (place.hasTag(QLatin1String(Tags::Favorite)))
        flags |= PlaceTable::FlagFavorite;
    if (place.lastUsedTime() > 0)
        flags |= PlaceTable::FlagRecent;
    if (place.hasTag(QLatin1String(Tags::MyHome)))
        flags |= PlaceTable::FlagHome;
    if (place.hasTag(QLatin1String(Tags::MyWork)))
        flags |= PlaceTable::FlagWork;
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

QByteArray orderClause(PlaceTable::Order order, bool descending, const char *table)
{
    const QByteArray direction = descending ? " DESC, " : ", ";
    const QByteArray last = descending ? " DESC" : "";
    const QByteArray t(table);
    switch (order) {
    case PlaceTable::OrderByLastUsed:
        return t + "last_used" + direction + t + "id" + last;
    case PlaceTable::OrderByModified:
        return t + "modified" + direction + t + "id" + last;
    case PlaceTable::OrderByName:
        return t + "name_key" + direction + t + "id" + last;
    case PlaceTable::OrderByRelevance:
        break;
    }
    return t + "name_key, " + t + "id";
}

QByteArray placeSqlText(bool byWord, PlaceTable::Order order, bool descending, bool favorites)
{
    const bool lastUsed = order == PlaceTable::OrderByLastUsed;
    if (!byWord) {
        const bool byName = order == PlaceTable::OrderByRelevance || order == PlaceTable::OrderByName;
        return QByteArray("SELECT id FROM places") + (byName ? " INDEXED BY places_name_key" : "") + " WHERE "
            + (lastUsed ? "last_used IS NOT NULL AND " : "")
            + "(?1 = 0 OR (flags & ?1) != 0) AND (flags & ?2) = 0 ORDER BY " + orderClause(order, descending, "")
            + " LIMIT ?3 OFFSET ?4";
    }
    // Favourites are a few hundred among thousands of places: their tag narrows the word range
    // before any place row is read, instead of reading the row of every word's place. In word
    // order ("+" keeps the word index in front) the first page still stops at its last row.
    const QByteArray favoriteIds = "w.place_id IN (SELECT place_id FROM place_tags WHERE tag = 'favorite')";
    if (order == PlaceTable::OrderByRelevance)
        return "SELECT w.place_id, p.search_text FROM place_words w JOIN places p ON p.id = w.place_id"
               " WHERE w.word >= ?1 AND w.word < ?2"
            + (favorites ? " AND +" + favoriteIds : QByteArray())
            + " AND (?3 = 0 OR (p.flags & ?3) != 0) AND (p.flags & ?4) = 0 ORDER BY w.word, w.place_id";
    // The word range first and then sorted: the cost follows the matches, not the store.
    return QByteArray("SELECT p.id, p.search_text FROM place_words w CROSS JOIN places p ON p.id = w.place_id"
                      " WHERE w.word >= ?1 AND w.word < ?2")
        + (favorites ? " AND " + favoriteIds : QByteArray())
        + " AND (?3 = 0 OR (p.flags & ?3) != 0) AND (p.flags & ?4) = 0"
        + (lastUsed ? " AND p.last_used IS NOT NULL" : "") + " GROUP BY p.id ORDER BY "
        + orderClause(order, descending, "p.");
}

// The statement cache is keyed by the text's address, so every text is made once and kept.
const char *placeSql(bool byWord, PlaceTable::Order order, bool descending, bool favorites)
{
    static const QVector<QByteArray> texts = [] {
        QVector<QByteArray> all;
        for (int i = 0; i < 32; ++i)
            all.append(placeSqlText(i & 1, PlaceTable::Order((i >> 2) & 3), i & 2, i & 16));
        return all;
    }();
    return texts.at(int(byWord) | (descending ? 2 : 0) | (int(order) << 2) | (favorites ? 16 : 0)).constData();
}
} // namespace

int PlaceTable::favoritesLimit()
{
    return s_favoritesLimit.loadAcquire();
}

void PlaceTable::setFavoritesLimit(int limit)
{
    s_favoritesLimit.storeRelease(limit);
}

Error::Type PlaceTable::refold()
{
    QList<qint64> ids;
    if (!m_db.readIds("SELECT id FROM places ORDER BY id", &ids))
        return Error::StorageFailure;
    sqlite3_stmt *update = m_db.statement("UPDATE places SET name_key = ?2, search_text = ?3 WHERE id = ?1");
    if (!update)
        return Error::StorageFailure;
    for (qint64 id : qAsConst(ids)) {
        Error::Type error = Error::None;
        std::unique_ptr<Place> place(load(id, &error));
        if (!place)
            continue; // an unreadable record is skipped by every search already
        const QStringList words = placeWords(*place);
        {
            SqlStatement use(update);
            sqlite3_bind_int64(update, 1, id);
            SqlStatement::bindText(update, 2, TextFolding::fold(place->name()));
            SqlStatement::bindText(update, 3, words.join(QLatin1Char(' ')));
            if (sqlite3_step(update) != SQLITE_DONE)
                return m_db.fail("refold place");
        }
        error = m_db.words().replace(WordIndex::PlaceWords, id, words);
        if (error != Error::None)
            return error;
    }
    return Error::None;
}

bool PlaceTable::keyAndPosition(qint64 id, QString *key, Coordinates *position)
{
    sqlite3_stmt *stmt = m_db.statement("SELECT name_key, latitude, longitude FROM places WHERE id = ?1");
    if (!stmt)
        return false;
    SqlStatement use(stmt);
    sqlite3_bind_int64(stmt, 1, id);
    if (sqlite3_step(stmt) != SQLITE_ROW)
        return false;
    *key = SqlStatement::columnText(stmt, 0);
    *position = Coordinates(SqlStatement::columnNumber(stmt, 1), SqlStatement::columnNumber(stmt, 2));
    return position->isValid();
}

Place *PlaceTable::load(qint64 id, Error::Type *error)
{
    sqlite3_stmt *stmt = m_db.statement("SELECT record, last_used FROM places WHERE id = ?1");
    if (!stmt) {
        *error = Error::StorageFailure;
        return nullptr;
    }
    SqlStatement use(stmt);
    sqlite3_bind_int64(stmt, 1, id);
    const int rc = sqlite3_step(stmt);
    if (rc != SQLITE_ROW) {
        *error = rc == SQLITE_DONE ? Error::NotFound : m_db.fail("load place");
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

bool PlaceTable::exists(qint64 id)
{
    return flagsOf(id) >= 0;
}

int PlaceTable::flagsOf(qint64 id)
{
    return m_db.readNumber("SELECT flags FROM places WHERE id = ?1", id);
}

Error::Type PlaceTable::write(Place &place, bool insert)
{
    if (!m_db.beginWrite())
        return Error::StorageFailure;
    qint64 id = place.id();
    const Error::Type error = m_db.endWrite(writeRecord(place, insert, &id));
    if (error == Error::None)
        place.setId(id);
    return error;
}

Error::Type PlaceTable::writeRecord(const Place &place, bool insert, qint64 *id)
{
    sqlite3_stmt *stmt = insert
        ? m_db.statement("INSERT INTO places(name, name_key, flags, last_used, modified, latitude, longitude,"
                         " search_text, record) VALUES(?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9)")
        : m_db.statement("UPDATE places SET name = ?1, name_key = ?2, flags = ?3, last_used = ?4, modified = ?5,"
                         " latitude = ?6, longitude = ?7, search_text = ?8, record = ?9 WHERE id = ?10");
    if (!stmt)
        return Error::StorageFailure;
    SqlStatement use(stmt);
    Place stored(place);
    stored.setId(insert ? -1 : *id);
    // Internal tags only mean something on a search row; they are never kept.
    for (const QString &tag : place.tags()) {
        if (tag.startsWith(QLatin1String("internal:")))
            stored.removeTag(tag);
    }
    const QStringList words = placeWords(stored);
    const Coordinates position = place.primaryCoordinates();
    SqlStatement::bindText(stmt, 1, place.name());
    SqlStatement::bindText(stmt, 2, TextFolding::fold(place.name()));
    sqlite3_bind_int(stmt, 3, flagsOfPlace(stored));
    if (place.lastUsedTime() > 0)
        sqlite3_bind_int64(stmt, 4, place.lastUsedTime());
    else
        sqlite3_bind_null(stmt, 4);
    sqlite3_bind_int64(stmt, 5, QDateTime::currentSecsSinceEpoch());
    SqlStatement::bindNumber(stmt, 6, position.isValid() ? position.latitude() : qQNaN());
    SqlStatement::bindNumber(stmt, 7, position.isValid() ? position.longitude() : qQNaN());
    SqlStatement::bindText(stmt, 8, words.join(QLatin1Char(' ')));
    const QByteArray record = Utilities::serialize(stored);
    sqlite3_bind_blob(stmt, 9, record.constData(), record.size(), SQLITE_TRANSIENT);
    if (!insert)
        sqlite3_bind_int64(stmt, 10, *id);
    if (sqlite3_step(stmt) != SQLITE_DONE)
        return m_db.fail("write place");
    if (insert)
        *id = m_db.lastInsertId();
    else if (m_db.changes() == 0)
        return Error::NotFound;
    const Error::Type error = m_db.words().replace(WordIndex::PlaceWords, *id, words);
    return error == Error::None ? m_db.words().replace(WordIndex::PlaceTags, *id, stored.tags()) : error;
}

Error::Type PlaceTable::remove(qint64 id)
{
    return m_db.deleteRow("DELETE FROM places WHERE id = ?1", id, "delete place");
}

Error::Type PlaceTable::setLastUsed(qint64 id, qint64 seconds)
{
    sqlite3_stmt *stmt = m_db.statement("UPDATE places SET last_used = ?2, flags = flags | 2 WHERE id = ?1");
    if (!stmt)
        return Error::StorageFailure;
    SqlStatement use(stmt);
    sqlite3_bind_int64(stmt, 1, id);
    sqlite3_bind_int64(stmt, 2, seconds);
    if (sqlite3_step(stmt) != SQLITE_DONE)
        return m_db.fail("mark used");
    return m_db.changes() > 0 ? Error::None : Error::NotFound;
}

Error::Type PlaceTable::clearRecent()
{
    if (!m_db.beginWrite())
        return Error::StorageFailure;
    // A place kept only because it was picked goes; favourites, home and work stay.
    const bool ok = m_db.exec("DELETE FROM places WHERE flags = 2")
        && m_db.exec("UPDATE places SET last_used = NULL, flags = flags & ~2 WHERE last_used IS NOT NULL")
        && m_db.searchTerms().clear();
    return m_db.endWrite(ok ? Error::None : m_db.fail("clear recent"));
}

int PlaceTable::countWithFlag(int flag)
{
    return m_db.readNumber("SELECT count(*) FROM places WHERE (flags & ?1) != 0", flag);
}

QList<qint64> PlaceTable::findIds(const Query &query, int offset, int limit, bool *hasMore, Error::Type *error)
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
    // Only places with the favourite flag are asked for, and each of them carries the favourite tag.
    const bool favorites = query.anyFlags == FlagFavorite;
    sqlite3_stmt *stmt = m_db.statement(placeSql(!words.isEmpty(), query.order, query.descending, favorites));
    if (!stmt) {
        *error = Error::StorageFailure;
        return ids;
    }
    SqlStatement use(stmt);
    if (words.isEmpty()) {
        sqlite3_bind_int(stmt, 1, query.anyFlags);
        sqlite3_bind_int(stmt, 2, query.noFlags);
        sqlite3_bind_int(stmt, 3, limit + 1);
        sqlite3_bind_int(stmt, 4, offset);
        int rc;
        while ((rc = sqlite3_step(stmt)) == SQLITE_ROW)
            ids.append(sqlite3_column_int64(stmt, 0));
        if (rc != SQLITE_DONE)
            *error = m_db.fail("find places");
    } else {
        WordIndex::bindPrefixRange(stmt, words);
        sqlite3_bind_int(stmt, 3, query.anyFlags);
        sqlite3_bind_int(stmt, 4, query.noFlags);
        WordIndex::collectMatches(stmt, words, offset, limit, &ids);
    }
    WordIndex::trimToPage(&ids, limit, hasMore);
    return ids;
}

QList<qint64> PlaceTable::findByTags(const QStringList &tags, Order order, int offset, int limit, bool *hasMore,
                                     Error::Type *error)
{
    QList<qint64> ids;
    *hasMore = false;
    *error = Error::None;
    if (tags.isEmpty() || limit <= 0 || offset < 0)
        return ids;
    // Places carrying every tag: walk the first tag's entries, check the rest per place.
    sqlite3_stmt *stmt = order == OrderByModified
        ? m_db.statement("SELECT p.id FROM place_tags t JOIN places p ON p.id = t.place_id WHERE t.tag = ?1"
                         " ORDER BY p.modified DESC, p.id DESC")
        : m_db.statement("SELECT p.id FROM place_tags t JOIN places p ON p.id = t.place_id WHERE t.tag = ?1"
                         " ORDER BY p.name_key, p.id");
    sqlite3_stmt *check = m_db.statement("SELECT 1 FROM place_tags WHERE tag = ?1 AND place_id = ?2");
    if (!stmt || !check) {
        *error = Error::StorageFailure;
        return ids;
    }
    SqlStatement use(stmt);
    SqlStatement::bindText(stmt, 1, tags.first());
    int skipped = 0;
    while (ids.size() <= limit && sqlite3_step(stmt) == SQLITE_ROW) {
        const qint64 id = sqlite3_column_int64(stmt, 0);
        bool all = true;
        for (int i = 1; i < tags.size() && all; ++i) {
            SqlStatement checkUse(check);
            SqlStatement::bindText(check, 1, tags.at(i));
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
    WordIndex::trimToPage(&ids, limit, hasMore);
    return ids;
}

QList<qint64> PlaceTable::findByName(const QString &name, bool caseSensitive, Error::Type *error)
{
    QList<qint64> ids;
    *error = Error::None;
    sqlite3_stmt *stmt = m_db.statement("SELECT id, name FROM places WHERE name_key = ?1 ORDER BY id");
    if (!stmt) {
        *error = Error::StorageFailure;
        return ids;
    }
    SqlStatement use(stmt);
    SqlStatement::bindText(stmt, 1, TextFolding::fold(name));
    while (sqlite3_step(stmt) == SQLITE_ROW) {
        if (!caseSensitive || SqlStatement::columnText(stmt, 1) == name)
            ids.append(sqlite3_column_int64(stmt, 0));
    }
    return ids;
}

} // namespace places
} // namespace platform
} // namespace hx
