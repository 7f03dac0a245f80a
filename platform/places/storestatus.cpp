#include <hx/platform/places/storestatus.h>

#include <QtCore/QFile>
#include <QtCore/QFileInfo>

#include <sqlite3.h>

#include "placedatabase_p.h"
#include "storeaccess_p.h"
#include "storefilecheck_p.h"

namespace hx {
namespace platform {
namespace places {

namespace {
bool isLocked(const QString &path)
{
    sqlite3 *db = nullptr;
    bool locked = false;
    if (sqlite3_open_v2(QFile::encodeName(path).constData(), &db, SQLITE_OPEN_READWRITE, nullptr) == SQLITE_OK) {
        const int rc = sqlite3_exec(db, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr);
        locked = rc == SQLITE_BUSY || rc == SQLITE_LOCKED;
        sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
    }
    sqlite3_close(db);
    return locked;
}
QString describe(const QString &path, StoreStatus::Kind *kind)
{
    *kind = StoreStatus::Unusable;
    const QFileInfo info(path);
    if (info.isDir())
        return QStringLiteral("it is a folder, not a store file; give the path of a file (it is made on first use)");
    if (info.exists() && !info.isFile())
        return QStringLiteral("it is not a regular file; give the path of a file (it is made on first use)");
    if (!info.exists()) {
        if (StoreAccess::canWrite(info.absolutePath()) || !QFileInfo::exists(info.absolutePath())) {
            *kind = StoreStatus::Usable;
            return QString();
        }
        return QStringLiteral("its folder is read-only, so it cannot be made; choose a folder you may write");
    }
    if (info.size() > 0) {
        StoreFileCheck::Verdict verdict = StoreFileCheck::Usable;
        StoreFileCheck::inspect(path, !StoreAccess::isReadOnly(path), &verdict);
        switch (verdict) {
        case StoreFileCheck::NotAStore:
            return QStringLiteral("it is not a place store but some other file, left as it is; give another path");
        case StoreFileCheck::Damaged:
            return QStringLiteral("it is damaged; keep it for recovery and give another path for a new store");
        case StoreFileCheck::Newer:
            return QStringLiteral("it was written by a newer version; use that version");
        case StoreFileCheck::NeedsRecovery:
            return QStringLiteral("a write to it was interrupted and it is read-only, so it cannot be rolled back; "
                                  "make it writable and try again");
        case StoreFileCheck::Usable:
            break;
        }
    }
    *kind = StoreStatus::ReadOnly;
    if (!StoreAccess::canWrite(path))
        return QStringLiteral("it is read-only: places can be searched but nothing can be stored; make it writable "
                              "to store places");
    if (!StoreAccess::canWriteBeside(path))
        return QStringLiteral("its folder is read-only: places can be searched but nothing can be stored; make the "
                              "folder writable to store places");
    *kind = StoreStatus::Busy;
    if (isLocked(path))
        return QStringLiteral("another program is writing to it; try again when it has finished");
    *kind = StoreStatus::Usable;
    return QString();
}
} // namespace

QString StoreStatus::problem(const QString &path, Kind *kind)
{
    Kind found = Usable;
    const QString text = describe(path, &found);
    if (kind)
        *kind = found;
    return text;
}

QString StoreStatus::userStorePath()
{
    return PlaceDatabase::defaultPath();
}

bool StoreStatus::isReadOnly(const QString &path)
{
    return StoreAccess::isReadOnly(path);
}

} // namespace places
} // namespace platform
} // namespace hx
