#include "floorqueries.h"

#include <hx/platform/places/gazetteerentry.h>

#include <QtCore/QFile>

#include <sqlite3.h>

#include "gazetteerfloor.h"

namespace hx {
namespace bench {

namespace {
// The gazetteer's groups of a merged list, each kind in one: points of interest; street
// addresses; towns and their sections, then regions and countries in a window of their own.
constexpr int PointOfInterest = hx::platform::places::GazetteerEntry::PointOfInterest;
constexpr int Address = hx::platform::places::GazetteerEntry::Address;
constexpr int Towns
    = hx::platform::places::GazetteerEntry::Locality | hx::platform::places::GazetteerEntry::Neighbourhood;
constexpr int Areas = hx::platform::places::GazetteerEntry::Region | hx::platform::places::GazetteerEntry::Country;

class Reset
{
public:
    explicit Reset(sqlite3_stmt *statement) : m_statement(statement) { }
    ~Reset() { sqlite3_reset(m_statement); }
    Reset(const Reset &) = delete;
    Reset &operator=(const Reset &) = delete;

private:
    sqlite3_stmt *m_statement;
};

// Every column as a client uses it: numbers as numbers, text and blobs as bytes.
int readColumns(sqlite3_stmt *statement)
{
    int bytes = 0;
    for (int c = 0; c < sqlite3_column_count(statement); ++c) {
        const int type = sqlite3_column_type(statement, c);
        if (type == SQLITE_INTEGER || type == SQLITE_FLOAT)
            bytes += sqlite3_column_double(statement, c) != 0;
        else if (type != SQLITE_NULL)
            bytes += sqlite3_column_bytes(statement, c);
    }
    return bytes;
}
} // namespace

FloorQueries::FloorQueries(const QString &storePath, const QString &gazetteerPath)
{
    if (sqlite3_open_v2(QFile::encodeName(storePath).constData(), &m_store, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK)
        return;
    if (!gazetteerPath.isEmpty())
        m_gazetteer.reset(new GazetteerFloor(gazetteerPath));
    m_placeWords
        = prepare(m_store,
                  "SELECT w.place_id, p.search_text FROM place_words w JOIN places p ON p.id = w.place_id"
                  " WHERE w.word >= ?1 AND w.word < ?2 AND (?3 = 0 OR (p.flags & ?3) != 0) AND (p.flags & ?4) = 0"
                  " ORDER BY w.word, w.place_id");
    m_placeRecord = prepare(m_store, "SELECT record, last_used FROM places WHERE id = ?1");
    m_contactWords = prepare(
        m_store,
        "SELECT w.address_id, a.search_text FROM contact_words w JOIN contact_addresses a ON a.id = w.address_id"
        " WHERE w.word >= ?1 AND w.word < ?2 ORDER BY w.word, w.address_id");
    m_contactOf = prepare(m_store, "SELECT contact_id FROM contact_addresses WHERE id = ?1");
    m_contact = prepare(m_store,
                        "SELECT account_id, first_name, last_name, company, notes, url, photo_path"
                        " FROM contacts WHERE id = ?1");
    m_contactPhones
        = prepare(m_store, "SELECT kind, number FROM contact_phones WHERE contact_id = ?1 ORDER BY position");
    m_contactEmails
        = prepare(m_store, "SELECT kind, address FROM contact_emails WHERE contact_id = ?1 ORDER BY position");
    m_contactAddresses = prepare(m_store,
                                 "SELECT id, kind, street, city, region, country, country_code, postal_code,"
                                 " label, latitude, longitude FROM contact_addresses WHERE contact_id = ?1"
                                 " ORDER BY id");
}

FloorQueries::~FloorQueries()
{
    for (sqlite3_stmt *statement : m_statements)
        sqlite3_finalize(statement);
    sqlite3_close(m_store);
}

bool FloorQueries::isOpen() const
{
    return m_placeWords && m_placeRecord && m_contactWords && m_contactOf && m_contact && m_contactPhones
        && m_contactEmails && m_contactAddresses && (!m_gazetteer || m_gazetteer->isOpen());
}

sqlite3_stmt *FloorQueries::prepare(sqlite3 *db, const char *sql)
{
    sqlite3_stmt *statement = nullptr;
    if (sqlite3_prepare_v3(db, sql, -1, SQLITE_PREPARE_PERSISTENT, &statement, nullptr) != SQLITE_OK) {
        sqlite3_finalize(statement);
        return nullptr;
    }
    m_statements.push_back(statement);
    return statement;
}

int FloorQueries::storeWords(const QByteArray &prefix, int limit)
{
    const QByteArray end = prefix + QByteArray("\xF4\x8F\xBF\xBF");
    std::vector<sqlite3_int64> ids;
    int bytes = 0;
    {
        Reset reset(m_placeWords);
        sqlite3_bind_text(m_placeWords, 1, prefix.constData(), prefix.size(), SQLITE_STATIC);
        sqlite3_bind_text(m_placeWords, 2, end.constData(), end.size(), SQLITE_STATIC);
        sqlite3_bind_int(m_placeWords, 3, 0);
        sqlite3_bind_int(m_placeWords, 4, 0);
        while (int(ids.size()) <= limit && sqlite3_step(m_placeWords) == SQLITE_ROW) {
            ids.push_back(sqlite3_column_int64(m_placeWords, 0));
            bytes += sqlite3_column_bytes(m_placeWords, 1);
        }
    }
    for (size_t i = 0; i < ids.size() && int(i) < limit; ++i) {
        Reset reset(m_placeRecord);
        sqlite3_bind_int64(m_placeRecord, 1, ids[i]);
        if (sqlite3_step(m_placeRecord) == SQLITE_ROW)
            bytes += readColumns(m_placeRecord);
    }
    return int(ids.size()) + bytes;
}

int FloorQueries::contactWords(const QByteArray &prefix, int limit)
{
    const QByteArray end = prefix + QByteArray("\xF4\x8F\xBF\xBF");
    std::vector<sqlite3_int64> ids;
    int bytes = 0;
    {
        Reset reset(m_contactWords);
        sqlite3_bind_text(m_contactWords, 1, prefix.constData(), prefix.size(), SQLITE_STATIC);
        sqlite3_bind_text(m_contactWords, 2, end.constData(), end.size(), SQLITE_STATIC);
        while (int(ids.size()) <= limit && sqlite3_step(m_contactWords) == SQLITE_ROW) {
            ids.push_back(sqlite3_column_int64(m_contactWords, 0));
            bytes += sqlite3_column_bytes(m_contactWords, 1);
        }
    }
    for (size_t i = 0; i < ids.size() && int(i) < limit; ++i) {
        sqlite3_int64 contact = -1;
        {
            Reset reset(m_contactOf);
            sqlite3_bind_int64(m_contactOf, 1, ids[i]);
            if (sqlite3_step(m_contactOf) == SQLITE_ROW)
                contact = sqlite3_column_int64(m_contactOf, 0);
        }
        Reset reset(m_contact);
        sqlite3_bind_int64(m_contact, 1, contact);
        if (sqlite3_step(m_contact) == SQLITE_ROW)
            bytes += readColumns(m_contact);
        // A contact's place carries its phones and first e-mail address, and names its address.
        for (sqlite3_stmt *details : { m_contactPhones, m_contactEmails, m_contactAddresses }) {
            Reset detailsReset(details);
            sqlite3_bind_int64(details, 1, contact);
            while (sqlite3_step(details) == SQLITE_ROW)
                bytes += readColumns(details);
        }
    }
    return int(ids.size()) + bytes;
}

int FloorQueries::search(const QByteArray &prefix, int limit)
{
    if (!isOpen())
        return 0;
    int rows = userStore(prefix, limit);
    if (m_gazetteer)
        rows += m_gazetteer->search(prefix, { PointOfInterest }, limit)
            + m_gazetteer->search(prefix, { Address }, limit) + m_gazetteer->search(prefix, { Towns, Areas }, limit);
    return rows;
}

int FloorQueries::userStore(const QByteArray &prefix, int limit)
{
    if (!isOpen())
        return 0;
    // One read transaction, as the store takes one for a whole search.
    sqlite3_exec(m_store, "BEGIN", nullptr, nullptr, nullptr);
    const int rows = storeWords(prefix, limit) + contactWords(prefix, limit);
    sqlite3_exec(m_store, "COMMIT", nullptr, nullptr, nullptr);
    return rows;
}

} // namespace bench
} // namespace hx
