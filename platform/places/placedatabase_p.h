#ifndef HX_PLATFORM_PLACES_PLACEDATABASE_P_H
#define HX_PLATFORM_PLACES_PLACEDATABASE_P_H

#include <hx/platform/places/contactentry.h>
#include <hx/platform/places/error.h>
#include <hx/platform/places/place.h>

#include <QtCore/QHash>
#include <QtCore/QList>
#include <QtCore/QString>

#include "decodedrecords_p.h"
#include "fileidentity_p.h"

struct sqlite3;
struct sqlite3_stmt;

namespace hx {
namespace platform {
namespace places {

// One connection to the user's store file. Each thread has its own (forCurrentThread), with
// its statements prepared once and reused, so a call does no schema work.
class PlaceDatabase
{
public:
    enum Flag { FlagFavorite = 1, FlagRecent = 2, FlagHome = 4, FlagWork = 8 };
    // Relevance: in name order without a text, else in the order of the word index (the cheap
    // walk the as-you-type lists use). Last used lists only places that were used.
    enum Order { OrderByRelevance, OrderByName, OrderByLastUsed, OrderByModified };

    struct Query
    {
        QString text;
        int anyFlags = 0; // 0: every place; else places with one of these flags
        int noFlags = 0; // places with none of these flags
        Order order = OrderByRelevance;
        bool descending = false; // reverses every order but relevance
    };

    struct SearchTerm
    {
        QString term;
        QString category;
        qint64 lastUsed = 0;
    };

    static QString defaultPath();
    // The calling thread's connection to the configured store, opened on first use and again
    // when the file was replaced. Null, with the reason in error, when the store is refused.
    static PlaceDatabase *forCurrentThread(Error::Type *error);

    static int favoritesLimit();
    static void setFavoritesLimit(int limit);

    ~PlaceDatabase();

    // One write transaction around a check and the writes it allows, so that no other writer
    // (thread or process) comes between. Writes inside join it; endWrite commits when result
    // is None, else rolls back, and returns result or the failure to commit.
    bool beginWrite();
    Error::Type endWrite(Error::Type result);

    Place *loadPlace(qint64 id, Error::Type *error);
    bool exists(qint64 id);
    int flagsOf(qint64 id);
    // Inserts a new place, or rewrites the stored one with the same id; sets the place's id.
    Error::Type writePlace(Place &place, bool insert);
    Error::Type deletePlace(qint64 id);
    Error::Type setLastUsed(qint64 id, qint64 seconds);
    Error::Type clearRecent();
    // -1 when the count cannot be read.
    int countWithFlag(int flag);

    QList<qint64> findIds(const Query &query, int offset, int limit, bool *hasMore, Error::Type *error);
    QList<qint64> findByTags(const QStringList &tags, Order order, int offset, int limit, bool *hasMore,
                             Error::Type *error);
    // Stored places with exactly this name, nearest first.
    QList<qint64> findByName(const QString &name, bool caseSensitive, Error::Type *error);

    // Recent search terms matching filter, newest first.
    QList<SearchTerm> recentSearchTerms(const QString &filter, int offset, int limit, bool *hasMore,
                                        Error::Type *error);
    Error::Type addRecentSearchTerm(const QString &term, const QString &category, qint64 seconds);

    // Contacts.
    Error::Type addContact(ContactEntry &contact);
    Error::Type removeContact(qint64 id);
    QList<ContactEntry> contacts(Error::Type *error);
    ContactEntry contact(qint64 id, Error::Type *error);
    // Postal-address ids of contacts matching text: by relevance (as places) or in name order.
    QList<qint64> findContactAddresses(const QString &text, Order order, bool descending, int offset, int limit,
                                       bool *hasMore, Error::Type *error);
    // The contact and address of a postal-address id; false when there is none.
    bool contactAddress(qint64 addressId, ContactEntry *contact, ContactEntry::PostalAddress *address);

    QString path() const { return m_path; }

private:
    PlaceDatabase() = default;
    Error::Type open(const QString &path);
    Error::Type createOrMigrate();
    Error::Type refoldKeys();
    Error::Type refoldSearchTerms();
    Error::Type refoldContacts();
    sqlite3_stmt *statement(const char *sql);
    bool exec(const char *sql);
    bool control(const char *sql);
    void readWithinScope();
    void endRead();
    bool begin();
    bool commit();
    void rollback();
    Error::Type fail(const char *what);
    // Deletes the row of `id` with sql (one parameter); NotFound when there was none.
    Error::Type deleteRow(const char *sql, qint64 id, const char *what);
    Error::Type writeWords(const char *deleteSql, const char *insertSql, qint64 id, const QStringList &words);

    sqlite3 *m_db = nullptr;
    QString m_path;
    FileIdentity m_file; // as opened
    quint64 m_checked = 0; // the StoreScope mark of the last identity check
    quint64 m_readMark = 0; // the StoreScope whose read transaction is open
    int m_writeDepth = 0; // write transactions begun and not ended; only the outermost is SQL
    QHash<const char *, sqlite3_stmt *> m_statements;
    DecodedRecords m_decoded;
    friend class PlaceDatabaseCache;
};

} // namespace places
} // namespace platform
} // namespace hx

#endif
