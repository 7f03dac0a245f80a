#ifndef HX_BENCH_FLOORQUERIES_H
#define HX_BENCH_FLOORQUERIES_H

#include <QtCore/QByteArray>
#include <QtCore/QString>

#include <memory>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

namespace hx {
namespace bench {

class GazetteerFloor;

// The floor of a default search: the store's and the gazetteer's SQL for the default groups
// (My Places, contacts, points of interest, addresses, suggestions), run straight on SQLite
// with statements prepared once, reading the same columns and rows but building no records.
// What the store spends above this is its own overhead.
class FloorQueries
{
public:
    FloorQueries(const QString &storePath, const QString &gazetteerPath);
    ~FloorQueries();
    FloorQueries(const FloorQueries &) = delete;
    FloorQueries &operator=(const FloorQueries &) = delete;

    bool isOpen() const;
    // Runs every default group's queries for a single-word prefix, limit rows each; returns
    // the rows read, so that the work cannot be optimised away.
    int search(const QByteArray &prefix, int limit);
    // Only the user store's part: My Places and contacts' addresses.
    int userStore(const QByteArray &prefix, int limit);

private:
    sqlite3_stmt *prepare(sqlite3 *db, const char *sql);
    int storeWords(const QByteArray &prefix, int limit);
    int contactWords(const QByteArray &prefix, int limit);

    sqlite3 *m_store = nullptr;
    std::unique_ptr<GazetteerFloor> m_gazetteer;
    std::vector<sqlite3_stmt *> m_statements;
    sqlite3_stmt *m_placeWords = nullptr;
    sqlite3_stmt *m_placeRecord = nullptr;
    sqlite3_stmt *m_contactWords = nullptr;
    sqlite3_stmt *m_contactOf = nullptr;
    sqlite3_stmt *m_contact = nullptr;
    sqlite3_stmt *m_contactPhones = nullptr;
    sqlite3_stmt *m_contactEmails = nullptr;
    sqlite3_stmt *m_contactAddresses = nullptr;
};

} // namespace bench
} // namespace hx

#endif
