#include "storeintegrity.h"

#include <QtCore/QFile>

#include <sqlite3.h>

namespace hx {
namespace test {

QString StoreIntegrity::check(const QString &path)
{
    sqlite3 *db = nullptr;
    QString result = QStringLiteral("cannot open");
    // Read-only, so that checking never creates or repairs the file it judges.
    if (sqlite3_open_v2(QFile::encodeName(path).constData(), &db, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK) {
        sqlite3_stmt *stmt = nullptr;
        if (sqlite3_prepare_v2(db, "PRAGMA integrity_check", -1, &stmt, nullptr) == SQLITE_OK
            && sqlite3_step(stmt) == SQLITE_ROW)
            result = QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(stmt, 0)));
        sqlite3_finalize(stmt);
    }
    sqlite3_close(db);
    return result;
}

} // namespace test
} // namespace hx
