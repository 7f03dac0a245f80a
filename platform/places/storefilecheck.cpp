#include <QtCore/QDebug>
#include <QtCore/QFile>
#include <QtCore/QFileInfo>
#include <QtCore/QList>
#include <QtCore/QUrl>
#include <QtCore/QtEndian>

#include <sqlite3.h>

#include <mutex>

#include "placeschema_p.h"
#include "storefilecheck_p.h"

namespace hx {
namespace platform {
namespace places {

namespace {
constexpr int HeaderSize = 100;
constexpr int UserVersionOffset = 60;
constexpr int ApplicationIdOffset = 68;

struct Remembered
{
    QString path;
    FileIdentity identity;
    int holders = 0;
};

// Never destroyed: connections of threads that end late still forget their file. A standard
// mutex: a thread's connections forget their file as the thread exits, after QThread::wait()
// has returned, and only a lock the thread sanitizer sees orders that against other threads.
std::mutex &rememberedLock()
{
    static std::mutex *lock = new std::mutex;
    return *lock;
}

QList<Remembered> &remembered()
{
    static QList<Remembered> *files = new QList<Remembered>;
    return *files;
}

Error::Type refuse(StoreFileCheck::Verdict verdict, const char *why, const QString &path,
                   StoreFileCheck::Verdict *given)
{
    qWarning().noquote() << "place store:" << why << "refused:" << path;
    if (given)
        *given = verdict;
    return Error::StorageRefused;
}

int headerNumber(const QByteArray &header, int offset)
{
    return int(qFromBigEndian<quint32>(header.constData() + offset));
}

// What a read-only look inside tells about a file.
struct Contents
{
    bool readable = false;
    int applicationId = 0;
    int version = 0;
    QByteArray placesTable; // how the table named places was created, if there is one
    bool healthy = false;
};

// How to look inside: read-only, unless a journal left by a killed writer must be rolled back
// first (SQLite does that as it reads, and only a connection that may write can); without any
// side files and no right to make them, the file is read as it is.
enum class Look { ReadOnly, Recovering, AsItIs };

int openForLook(const QString &path, Look look, sqlite3 **db)
{
    if (look == Look::Recovering)
        return sqlite3_open_v2(QFile::encodeName(path).constData(), db, SQLITE_OPEN_READWRITE, nullptr);
    if (look == Look::ReadOnly)
        return sqlite3_open_v2(QFile::encodeName(path).constData(), db, SQLITE_OPEN_READONLY, nullptr);
    QUrl uri = QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath());
    uri.setQuery(QStringLiteral("immutable=1"));
    return sqlite3_open_v2(uri.toEncoded().constData(), db, SQLITE_OPEN_READONLY | SQLITE_OPEN_URI, nullptr);
}

Contents readContents(const QString &path, bool check, Look look)
{
    Contents contents;
    sqlite3 *db = nullptr;
    if (openForLook(path, look, &db) == SQLITE_OK) {
        sqlite3_busy_timeout(db, 5000);
        sqlite3_stmt *stmt = nullptr;
        if (sqlite3_prepare_v2(db,
                               "SELECT (SELECT application_id FROM pragma_application_id),"
                               " (SELECT user_version FROM pragma_user_version),"
                               " (SELECT sql FROM sqlite_master WHERE type = 'table' AND name = 'places')",
                               -1, &stmt, nullptr)
                == SQLITE_OK
            && sqlite3_step(stmt) == SQLITE_ROW) {
            contents.readable = true;
            contents.applicationId = sqlite3_column_int(stmt, 0);
            contents.version = sqlite3_column_int(stmt, 1);
            contents.placesTable = reinterpret_cast<const char *>(sqlite3_column_text(stmt, 2));
        }
        sqlite3_finalize(stmt);
        stmt = nullptr;
        contents.healthy = !check;
        if (check && sqlite3_prepare_v2(db, "PRAGMA quick_check(1)", -1, &stmt, nullptr) == SQLITE_OK
            && sqlite3_step(stmt) == SQLITE_ROW)
            contents.healthy = qstrcmp(reinterpret_cast<const char *>(sqlite3_column_text(stmt, 0)), "ok") == 0;
        sqlite3_finalize(stmt);
    }
    sqlite3_close(db);
    return contents;
}

bool isOurs(const Contents &contents)
{
    if (contents.applicationId == PlaceSchema::ApplicationId)
        return true;
    return contents.applicationId == 0 && contents.version == 1 && contents.placesTable == PlaceSchema::V1[0];
}

// A read-only connection to a file in WAL mode makes the side files it needs; a refused file
// is left as it was found.
void removeSideFilesMadeSince(const QString &path, bool hadLog, bool hadIndex)
{
    if (!hadLog)
        QFile::remove(path + QStringLiteral("-wal"));
    if (!hadIndex)
        QFile::remove(path + QStringLiteral("-shm"));
}
} // namespace

Error::Type StoreFileCheck::inspect(const QString &path, bool writable, Verdict *verdict)
{
    if (verdict)
        *verdict = Usable;
    QFile file(path);
    const QByteArray header = file.open(QIODevice::ReadOnly) ? file.read(HeaderSize) : QByteArray();
    if (header.size() < HeaderSize || !header.startsWith(QByteArray("SQLite format 3\0", 16)))
        return refuse(NotAStore, "not a store file,", path, verdict);
    const int applicationId = headerNumber(header, ApplicationIdOffset);
    const bool unmarkedFirstVersion = applicationId == 0 && headerNumber(header, UserVersionOffset) == 1;
    // Changes still in a write-ahead log, or being written (a store being made by another
    // process), are not in the header yet: then SQLite reads the file under its locks.
    const bool hadLog = QFileInfo::exists(path + QStringLiteral("-wal"));
    const bool hadIndex = QFileInfo::exists(path + QStringLiteral("-shm"));
    const bool journal = QFileInfo(path + QStringLiteral("-journal")).size() > 0;
    const bool pending = (hadLog && QFileInfo(path + QStringLiteral("-wal")).size() > 0)
        || QFileInfo::exists(path + QStringLiteral("-journal"));
    if (applicationId != PlaceSchema::ApplicationId && !unmarkedFirstVersion && !pending)
        return refuse(NotAStore, "not a store file,", path, verdict);
    if (journal && !writable)
        return refuse(NeedsRecovery, "an interrupted write to roll back in a read-only file,", path, verdict);

    Look look = Look::ReadOnly;
    if (journal)
        look = Look::Recovering;
    else if (!hadLog && !hadIndex && !writable)
        look = Look::AsItIs;
    const Contents contents = readContents(path, !isRemembered(path) || journal, look);
    Error::Type error = Error::None;
    if (!contents.readable || (isOurs(contents) && !contents.healthy))
        error = refuse(Damaged, "corrupt file", path, verdict);
    else if (!isOurs(contents))
        error = refuse(NotAStore, "not a store file,", path, verdict);
    else if (contents.version > PlaceSchema::Version)
        error = refuse(Newer, qPrintable(QStringLiteral("written by a newer version (%1),").arg(contents.version)),
                       path, verdict);
    if (error != Error::None)
        removeSideFilesMadeSince(path, hadLog, hadIndex);
    return error;
}

void StoreFileCheck::remember(const QString &path, const FileIdentity &identity)
{
    const std::lock_guard<std::mutex> locker(rememberedLock());
    for (Remembered &file : remembered()) {
        if (file.path == path && file.identity.isSameFile(identity)) {
            ++file.holders;
            return;
        }
    }
    remembered().append({ path, identity, 1 });
}

void StoreFileCheck::forget(const QString &path, const FileIdentity &identity)
{
    const std::lock_guard<std::mutex> locker(rememberedLock());
    QList<Remembered> &files = remembered();
    for (int i = 0; i < files.size(); ++i) {
        if (files.at(i).path == path && files.at(i).identity.isSameFile(identity)) {
            if (--files[i].holders == 0)
                files.removeAt(i);
            return;
        }
    }
}

bool StoreFileCheck::isRemembered(const QString &path)
{
    const FileIdentity current = FileIdentity::of(path);
    const std::lock_guard<std::mutex> locker(rememberedLock());
    for (const Remembered &file : qAsConst(remembered())) {
        if (file.path == path && file.identity.isSameFile(current))
            return true;
    }
    return false;
}

} // namespace places
} // namespace platform
} // namespace hx
