#ifndef HX_PLATFORM_PLACES_PLACEDATABASE_P_H
#define HX_PLATFORM_PLACES_PLACEDATABASE_P_H

#include <hx/platform/places/error.h>

#include <QtCore/QHash>
#include <QtCore/QList>
#include <QtCore/QString>

#include <functional>

#include "contacttable_p.h"
#include "fileidentity_p.h"
#include "placetable_p.h"
#include "searchtermtable_p.h"
#include "wordindex_p.h"

struct sqlite3;
struct sqlite3_stmt;

namespace hx {
namespace platform {
namespace places {

// One connection to the user's store file and its schema. Each thread has its own
// (forCurrentThread), with its statements prepared once and reused, so a call does no schema
// work. The tables are reached through it: places (with their locations and tags), the word
// index, recent search terms and contacts.
class PlaceDatabase
{
public:
    static QString defaultPath();
    // The calling thread's connection to the configured store, opened on first use and again
    // when the file was replaced. Null, with the reason in error, when the store is refused.
    static PlaceDatabase *forCurrentThread(Error::Type *error);

    ~PlaceDatabase();
    PlaceDatabase(const PlaceDatabase &) = delete;
    PlaceDatabase &operator=(const PlaceDatabase &) = delete;

    PlaceTable &places() { return m_places; }
    WordIndex &words() { return m_words; }
    SearchTermTable &searchTerms() { return m_searchTerms; }
    ContactTable &contacts() { return m_contacts; }

    // One write transaction around a check and the writes it allows, so that no other writer
    // (thread or process) comes between. Writes inside join it; endWrite commits when result
    // is None, else rolls back, and returns result or the failure to commit.
    bool beginWrite();
    Error::Type endWrite(Error::Type result);
    // The calling thread's connection with change run inside one write transaction, committed
    // when it returns None: how every check-then-write of the store is made.
    static Error::Type writeOnCurrentThread(const std::function<Error::Type(PlaceDatabase *)> &change);

    // For the tables: the cached statement of a text (kept by its address), a statement run
    // once, and the failure of an operation logged with SQLite's reason.
    sqlite3_stmt *statement(const char *sql);
    bool exec(const char *sql);
    Error::Type fail(const char *what);
    // Deletes the row of `id` with sql (one parameter); NotFound when there was none.
    Error::Type deleteRow(const char *sql, qint64 id, const char *what);
    // The first column of every row of sql, a statement without parameters; false when it failed.
    bool readIds(const char *sql, QList<qint64> *ids);
    // The number in the first column of the first row of sql with ?1 bound; -1 without a row.
    int readNumber(const char *sql, qint64 parameter);
    qint64 lastInsertId() const;
    // Rows changed by the last statement.
    int changes() const;

    QString path() const { return m_path; }

private:
    PlaceDatabase();
    Error::Type open(const QString &path);
    static Error::Type createFile(const QString &path);
    int openReadOnly(const QString &path);
    Error::Type createOrMigrate();
    Error::Type refold();
    bool control(const char *sql);
    void readWithinScope();
    void endRead();
    bool begin();
    bool commit();
    void rollback();

    sqlite3 *m_db = nullptr;
    QString m_path;
    FileIdentity m_file; // as opened
    quint64 m_checked = 0; // the StoreScope mark of the last identity check
    quint64 m_readMark = 0; // the StoreScope whose read transaction is open
    bool m_readOnly = false; // the process may not write the file: it is only read
    int m_writeDepth = 0; // write transactions begun and not ended; only the outermost is SQL
    QHash<const char *, sqlite3_stmt *> m_statements;
    PlaceTable m_places;
    WordIndex m_words;
    SearchTermTable m_searchTerms;
    ContactTable m_contacts;
    friend class PlaceDatabaseCache;
};

} // namespace places
} // namespace platform
} // namespace hx

#endif
