#ifndef HX_PLATFORM_PLACES_STREETSTAGING_P_H
#define HX_PLATFORM_PLACES_STREETSTAGING_P_H

#include <hx/platform/places/gazetteerstreet.h>

#include <QtCore/QString>

struct sqlite3;
struct sqlite3_stmt;

namespace hx {
namespace platform {
namespace places {

// The streets of a gazetteer write, one row per piece of a street's line, until the file's
// spatial table of them is built.
class StreetStaging
{
public:
    ~StreetStaging();

    bool create(sqlite3 *db, QString *error);
    // Keeps the streets of the attached old file.
    bool copyExisting(QString *error);
    bool add(const GazetteerStreet &street, QString *error);
    bool build(QString *error);
    void close();

    static QString validate(const GazetteerStreet &street);

private:
    bool exec(const char *sql, QString *error);
    bool failed(QString *error) const;

    sqlite3 *m_db = nullptr;
    sqlite3_stmt *m_insert = nullptr;
};

} // namespace places
} // namespace platform
} // namespace hx

#endif
