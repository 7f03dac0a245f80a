#include <QtCore/QDebug>
#include <QtCore/QDir>
#include <QtCore/QFile>
#include <QtCore/QFileInfo>
#include <QtCore/QStandardPaths>
#include <QtCore/QUrl>

#include <sqlite3.h>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <unistd.h>

#include "placedatabase_p.h"
#include "placeschema_p.h"
#include "sqlstatement_p.h"
#include "storeaccess_p.h"
#include "storefilecheck_p.h"
#include "storescope_p.h"

namespace hx {
namespace platform {
namespace places {

// The connections of one thread, closed when the thread ends.
class PlaceDatabaseCache
{
public:
    ~PlaceDatabaseCache() { qDeleteAll(connections); }
    QHash<QString, PlaceDatabase *> connections;
};

QString PlaceDatabase::defaultPath()
{
    const QString configured = qEnvironmentVariable("HX_PLACES_DB");
    if (!configured.isEmpty())
        return configured;
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
        + QStringLiteral("/hxplaces/places.db");
}

PlaceDatabase *PlaceDatabase::forCurrentThread(Error::Type *error)
{
    static thread_local PlaceDatabaseCache cache;
    const QString path = defaultPath();
    PlaceDatabase *db = cache.connections.value(path);
    if (db) {
        // A file replaced or removed behind our back is opened anew, never written blind.
        if (StoreScope::isFresh(db->m_checked) || FileIdentity::of(path).isSameFile(db->m_file)) {
            db->m_checked = StoreScope::mark();
            db->readWithinScope();
            *error = Error::None;
            return db;
        }
        cache.connections.remove(path);
        delete db;
    }
    std::unique_ptr<PlaceDatabase> fresh(new PlaceDatabase);
    *error = fresh->open(path);
    if (*error != Error::None)
        return nullptr;
    db = fresh.release();
    db->m_checked = StoreScope::mark();
    db->readWithinScope();
    cache.connections.insert(path, db);
    return db;
}

PlaceDatabase::PlaceDatabase() : m_places(*this), m_words(*this), m_searchTerms(*this), m_contacts(*this) { }

PlaceDatabase::~PlaceDatabase()
{
    for (sqlite3_stmt *stmt : qAsConst(m_statements))
        sqlite3_finalize(stmt);
    if (m_db)
        sqlite3_close(m_db);
    if (m_file.isValid())
        StoreFileCheck::forget(m_path, m_file);
}

Error::Type PlaceDatabase::open(const QString &path)
{
    m_path = path;
    const QFileInfo info(path);
    if (info.exists() && !info.isFile()) {
        qWarning().noquote() << "place store: not a regular file, refused:" << path;
        return Error::StorageRefused;
    }
    const bool created = !info.exists();
    if (created) {
        const Error::Type error = createFile(path);
        if (error != Error::None)
            return error;
    }
    m_readOnly = StoreAccess::isReadOnly(path);
    if (!created && info.size() > 0) {
        const Error::Type refused = StoreFileCheck::inspect(path, !m_readOnly);
        if (refused != Error::None)
            return refused;
    }

    const int rc = m_readOnly ? openReadOnly(path)
                              : sqlite3_open_v2(QFile::encodeName(path).constData(), &m_db,
                                                SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX, nullptr);
    if (rc != SQLITE_OK)
        return fail("open");
    sqlite3_busy_timeout(m_db, 5000);
    // A filter typed into My Places looks up many rows of the word index per key: a page cache
    // that holds the index of a large store saves reading it from the file again each time.
    if (!exec("PRAGMA foreign_keys=ON") || !exec("PRAGMA synchronous=NORMAL") || !exec("PRAGMA cache_size=-16384"))
        return fail("configure");
    // A new file gets its schema and mark before it turns to WAL, so the mark is in the file's
    // own header from the start and a reader that only looks at the header knows the file.
    Error::Type error = createOrMigrate();
    if (error != Error::None)
        return error;
    if (!m_readOnly && !exec("PRAGMA journal_mode=WAL"))
        return fail("configure");
    m_file = FileIdentity::of(path);
    if (!m_file.isValid())
        return Error::StorageFailure;
    StoreFileCheck::remember(path, m_file);
    return Error::None;
}

Error::Type PlaceDatabase::createFile(const QString &path)
{
    const QString folder = QFileInfo(path).absolutePath();
    if (!QDir(folder).exists()) {
        if (!QDir().mkpath(folder))
            return Error::StorageFailure;
        QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    }
    // Made here, private from the start: the mode of a file someone else made is never changed.
    const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd >= 0)
        ::close(fd);
    else if (errno != EEXIST) {
        qWarning().noquote() << "place store: cannot create:" << path << strerror(errno);
        return Error::StorageFailure;
    }
    return Error::None;
}

int PlaceDatabase::openReadOnly(const QString &path)
{
    // With no side files there is no writer: the file is read as it is, and nothing beside it
    // is made. Otherwise they are shared with the writer that keeps them.
    QUrl uri = QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath());
    const bool sideFiles
        = QFileInfo::exists(path + QStringLiteral("-wal")) || QFileInfo::exists(path + QStringLiteral("-shm"));
    uri.setQuery(sideFiles ? QStringLiteral("mode=ro") : QStringLiteral("immutable=1"));
    qWarning().noquote() << "place store: read-only, opened for reading:" << path;
    return sqlite3_open_v2(uri.toEncoded().constData(), &m_db,
                           SQLITE_OPEN_READONLY | SQLITE_OPEN_URI | SQLITE_OPEN_NOMUTEX, nullptr);
}

Error::Type PlaceDatabase::createOrMigrate()
{
    sqlite3_stmt *stmt = statement("PRAGMA user_version");
    if (!stmt)
        return fail("read version");
    const auto readVersion = [stmt] {
        const int version = sqlite3_step(stmt) == SQLITE_ROW ? sqlite3_column_int(stmt, 0) : -1;
        sqlite3_reset(stmt);
        return version;
    };
    if (readVersion() == PlaceSchema::Version)
        return Error::None;
    if (!begin())
        return fail("begin migration");
    // Read again under the write lock: another process may have made the schema meanwhile.
    const int version = readVersion();
    if (version < 0 || version > PlaceSchema::Version) {
        rollback();
        return version < 0 ? fail("read version") : Error::StorageRefused;
    }
    if (version == PlaceSchema::Version) {
        rollback();
        return Error::None;
    }
    // Each step moves the schema one version forward; all of them commit together.
    if (version < 1) {
        for (const char *sql : PlaceSchema::V1) {
            if (!exec(sql)) {
                rollback();
                return fail("create schema");
            }
        }
    }
    if (version == 1 && refold() != Error::None) {
        rollback();
        return Error::StorageFailure;
    }
    const QByteArray mark = "PRAGMA application_id=" + QByteArray::number(PlaceSchema::ApplicationId)
        + ";PRAGMA user_version=" + QByteArray::number(PlaceSchema::Version);
    if (!exec(mark.constData()) || !commit()) {
        rollback();
        return fail("set version");
    }
    return Error::None;
}

Error::Type PlaceDatabase::refold()
{
    // Version 1 folded text otherwise: every key and word list is made again from the records.
    Error::Type error = m_places.refold();
    if (error == Error::None)
        error = m_searchTerms.refold();
    return error == Error::None ? m_contacts.refold() : error;
}

sqlite3_stmt *PlaceDatabase::statement(const char *sql)
{
    sqlite3_stmt *stmt = m_statements.value(sql);
    if (stmt)
        return stmt;
    if (sqlite3_prepare_v3(m_db, sql, -1, SQLITE_PREPARE_PERSISTENT, &stmt, nullptr) != SQLITE_OK) {
        qWarning().noquote() << "place store: cannot prepare:" << sqlite3_errmsg(m_db);
        return nullptr;
    }
    m_statements.insert(sql, stmt);
    return stmt;
}

bool PlaceDatabase::exec(const char *sql)
{
    return sqlite3_exec(m_db, sql, nullptr, nullptr, nullptr) == SQLITE_OK;
}

bool PlaceDatabase::control(const char *sql)
{
    // Transaction control runs around every search and write: parsed once, not each time.
    sqlite3_stmt *stmt = statement(sql);
    if (!stmt)
        return false;
    const int rc = sqlite3_step(stmt);
    sqlite3_reset(stmt);
    return rc == SQLITE_DONE;
}

void PlaceDatabase::readWithinScope()
{
    // One snapshot for a whole store operation: its groups see the same store, and the
    // statements skip taking and dropping the shared lock one by one.
    const quint64 mark = StoreScope::mark();
    if (mark == 0 || m_readMark == mark || !sqlite3_get_autocommit(m_db) || !control("BEGIN"))
        return;
    m_readMark = mark;
    StoreScope::atEnd([this] { endRead(); });
}

void PlaceDatabase::endRead()
{
    if (m_readMark != 0 && !sqlite3_get_autocommit(m_db))
        control("COMMIT");
    m_readMark = 0;
}

bool PlaceDatabase::begin()
{
    if (m_writeDepth > 0) {
        ++m_writeDepth;
        return true;
    }
    endRead();
    if (!control("BEGIN IMMEDIATE"))
        return false;
    m_writeDepth = 1;
    return true;
}

bool PlaceDatabase::commit()
{
    if (m_writeDepth > 1) {
        --m_writeDepth;
        return true;
    }
    m_writeDepth = 0;
    return control("COMMIT");
}

void PlaceDatabase::rollback()
{
    // Inside an outer transaction the failure travels up and the outermost rolls back.
    if (m_writeDepth > 1) {
        --m_writeDepth;
        return;
    }
    m_writeDepth = 0;
    if (!sqlite3_get_autocommit(m_db))
        control("ROLLBACK");
}

bool PlaceDatabase::beginWrite()
{
    if (m_readOnly) {
        qWarning().noquote() << "place store: read-only, not written:" << m_path;
        return false;
    }
    if (begin())
        return true;
    fail("begin");
    return false;
}

Error::Type PlaceDatabase::writeOnCurrentThread(const std::function<Error::Type(PlaceDatabase *)> &change)
{
    Error::Type error = Error::None;
    PlaceDatabase *db = forCurrentThread(&error);
    if (!db)
        return error;
    if (!db->beginWrite())
        return Error::StorageFailure;
    return db->endWrite(change(db));
}

Error::Type PlaceDatabase::endWrite(Error::Type result)
{
    if (result != Error::None) {
        rollback();
        return result;
    }
    if (commit())
        return Error::None;
    const Error::Type error = fail("commit");
    rollback();
    return error;
}

Error::Type PlaceDatabase::fail(const char *what)
{
    qWarning().noquote() << "place store:" << what << "failed:" << (m_db ? sqlite3_errmsg(m_db) : "no connection");
    return Error::StorageFailure;
}

Error::Type PlaceDatabase::deleteRow(const char *sql, qint64 id, const char *what)
{
    sqlite3_stmt *stmt = statement(sql);
    if (!stmt)
        return Error::StorageFailure;
    SqlStatement use(stmt);
    sqlite3_bind_int64(stmt, 1, id);
    if (sqlite3_step(stmt) != SQLITE_DONE)
        return fail(what);
    return sqlite3_changes(m_db) > 0 ? Error::None : Error::NotFound;
}

bool PlaceDatabase::readIds(const char *sql, QList<qint64> *ids)
{
    sqlite3_stmt *stmt = statement(sql);
    if (!stmt)
        return false;
    SqlStatement use(stmt);
    while (sqlite3_step(stmt) == SQLITE_ROW)
        ids->append(sqlite3_column_int64(stmt, 0));
    return true;
}

int PlaceDatabase::readNumber(const char *sql, qint64 parameter)
{
    sqlite3_stmt *stmt = statement(sql);
    if (!stmt)
        return -1;
    SqlStatement use(stmt);
    sqlite3_bind_int64(stmt, 1, parameter);
    return sqlite3_step(stmt) == SQLITE_ROW ? sqlite3_column_int(stmt, 0) : -1;
}

qint64 PlaceDatabase::lastInsertId() const
{
    return sqlite3_last_insert_rowid(m_db);
}

int PlaceDatabase::changes() const
{
    return sqlite3_changes(m_db);
}

} // namespace places
} // namespace platform
} // namespace hx
