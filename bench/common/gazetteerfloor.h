#ifndef HX_BENCH_GAZETTEERFLOOR_H
#define HX_BENCH_GAZETTEERFLOOR_H

#include <QtCore/QByteArray>
#include <QtCore/QString>

#include <initializer_list>

struct sqlite3;
struct sqlite3_stmt;

namespace hx {
namespace bench {

// The floor under a gazetteer search: the same SQL statements the gazetteer runs for one
// group (exact names, the importance-ordered prefix window, the page's rows), straight on
// SQLite with no ranking, no Qt types and no objects. What a search costs above this is ours.
class GazetteerFloor
{
public:
    explicit GazetteerFloor(const QString &path);
    ~GazetteerFloor();
    GazetteerFloor(const GazetteerFloor &) = delete;
    GazetteerFloor &operator=(const GazetteerFloor &) = delete;

    bool isOpen() const { return m_db != nullptr; }
    // token: one folded word, as the gazetteer makes it from the typed text. passes: the kinds
    // searched together, each with its own importance-ordered window. Returns the rows read.
    int search(const QByteArray &token, std::initializer_list<int> passes, int limit);

private:
    QByteArray matchQuery(const QByteArray &token, int kinds);

    sqlite3 *m_db = nullptr;
    sqlite3_stmt *m_terms = nullptr;
    sqlite3_stmt *m_exact = nullptr;
    sqlite3_stmt *m_prefix = nullptr;
    sqlite3_stmt *m_entry = nullptr;
};

} // namespace bench
} // namespace hx

#endif
