#ifndef HX_PLATFORM_PLACES_GAZETTEERWRITER_P_H
#define HX_PLATFORM_PLACES_GAZETTEERWRITER_P_H

#include <hx/platform/places/gazetteerentry.h>

#include <QtCore/QString>

#include "reviewstaging_p.h"
#include "streetstaging_p.h"

struct sqlite3;
struct sqlite3_stmt;

namespace hx {
namespace platform {
namespace places {

class GazetteerWriterPrivate
{
public:
    bool fail(const QString &message);
    bool exec(const char *sql);
    bool createStaging();
    bool copyExisting();
    bool insert(const GazetteerEntry &entry);
    bool indexOtherNames();
    bool buildTables();
    bool finishFile();
    void closeDatabase();
    void removeTemporary();
    void releaseTemporaryLock();

    QString path;
    QString temporaryPath;
    int temporaryLock = -1; // held while the temporary file is being written
    QString error;
    sqlite3 *db = nullptr;
    sqlite3_stmt *insertEntry = nullptr;
    sqlite3_stmt *insertCategory = nullptr;
    sqlite3_stmt *insertCountryName = nullptr;
    qint64 count = 0;
    ReviewStaging reviews;
    StreetStaging streets;
};

} // namespace places
} // namespace platform
} // namespace hx

#endif
