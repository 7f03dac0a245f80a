#include <hx/platform/places/gazetteer.h>
#include <hx/platform/places/gazetteerwriter.h>

#include <QtCore/QDebug>
#include <QtCore/QDir>
#include <QtCore/QFile>
#include <QtCore/QFileInfo>
#include <QtCore/QUrl>

#include <sqlite3.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include "gazetteerschema_p.h"
#include "gazetteerstaging_p.h"
#include "gazetteertext_p.h"
#include "gazetteerwriter_p.h"
#include "sqlstatement_p.h"

namespace hx {
namespace platform {
namespace places {

namespace {
bool isKnownKind(int kind)
{
    switch (kind) {
    case GazetteerEntry::Country:
    case GazetteerEntry::Region:
    case GazetteerEntry::Locality:
    case GazetteerEntry::Address:
    case GazetteerEntry::PointOfInterest:
    case GazetteerEntry::Neighbourhood:
        return true;
    default:
        return false;
    }
}

// A write in progress names its file after the target with this mark and holds a lock on it;
// a file of that name nobody holds was left by a write that was killed.
const QString TemporaryMark = QStringLiteral(".places-import-");

QString temporaryPrefix(const QFileInfo &target)
{
    return QLatin1Char('.') + target.fileName() + TemporaryMark;
}

void removeAbandonedTemporaries(const QFileInfo &target)
{
    const QDir folder = target.absoluteDir();
    const QStringList candidates
        = folder.entryList({ temporaryPrefix(target) + QStringLiteral("??????") }, QDir::Files | QDir::Hidden);
    for (const QString &name : candidates) {
        const QString path = folder.filePath(name);
        const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
        if (fd < 0)
            continue;
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0)
            QFile::remove(path);
        ::close(fd);
    }
}

// Why the file at path may not be replaced by a gazetteer, or an empty string: only a
// gazetteer, an empty file or nothing at all is ever overwritten.
QString whyNotReplaceable(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink())
        return QString();
    if (!info.isFile())
        return QStringLiteral("not a regular file");
    if (info.size() == 0)
        return QString();
    const Gazetteer existing(path);
    return existing.isOpen() ? QString() : existing.errorString();
}

bool syncPath(const QString &path, int flags)
{
    const int fd = ::open(QFile::encodeName(path).constData(), flags | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool synced = ::fsync(fd) == 0;
    ::close(fd);
    return synced;
}
} // namespace

bool GazetteerWriterPrivate::fail(const QString &message)
{
    error = message;
    qWarning().noquote() << "hx::platform::places::GazetteerWriter:" << path << message;
    return false;
}

bool GazetteerWriterPrivate::exec(const char *sql)
{
    char *message = nullptr;
    if (sqlite3_exec(db, sql, nullptr, nullptr, &message) == SQLITE_OK)
        return true;
    const QString text = QString::fromUtf8(message ? message : "unknown error");
    sqlite3_free(message);
    return fail(text);
}

bool GazetteerWriterPrivate::createStaging()
{
    // The temporary file is ours alone until the rename: no journal and no syncs while it
    // fills, one sync of the finished file before it replaces the old one.
    if (!exec("PRAGMA journal_mode = OFF; PRAGMA synchronous = OFF; PRAGMA cache_size = -65536;"))
        return false;
    if (!exec(GazetteerStaging::StagingSql))
        return false;
    const QByteArray insert = QByteArray("INSERT INTO temp.staging(") + GazetteerStaging::EntryColumns
        + ", indexed_name, indexed_place, category_key, other_names) VALUES(?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10, "
          "?11, ?12, ?13, ?14, ?15, ?16, ?17, ?18, ?19, ?20, ?21, ?22, ?23)";
    if (sqlite3_prepare_v2(db, insert.constData(), -1, &insertEntry, nullptr) != SQLITE_OK
        || sqlite3_prepare_v2(db, "INSERT OR REPLACE INTO temp.staged_categories(code, name) VALUES(?1, ?2)", -1,
                              &insertCategory, nullptr)
            != SQLITE_OK
        || sqlite3_prepare_v2(db,
                              "INSERT OR REPLACE INTO temp.staged_country_names(code, language, name) "
                              "VALUES(?1, ?2, ?3)",
                              -1, &insertCountryName, nullptr)
            != SQLITE_OK)
        return fail(QString::fromUtf8(sqlite3_errmsg(db)));
    QString reason;
    return (reviews.create(db, &reason) && streets.create(db, &reason)) || fail(reason);
}

bool GazetteerWriterPrivate::copyExisting()
{
    if (!QFileInfo::exists(path) || QFileInfo(path).size() == 0)
        return true;
    {
        const Gazetteer existing(path);
        if (!existing.isOpen())
            return fail(QStringLiteral("cannot keep the existing file: ") + existing.errorString());
    }
    const QByteArray uri = QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()).toEncoded() + "?mode=ro";
    sqlite3_stmt *attach = nullptr;
    sqlite3_prepare_v2(db, "ATTACH DATABASE ?1 AS old", -1, &attach, nullptr);
    sqlite3_bind_text(attach, 1, uri.constData(), uri.size(), SQLITE_TRANSIENT);
    const int rc = sqlite3_step(attach);
    sqlite3_finalize(attach);
    if (rc != SQLITE_DONE)
        return fail(QStringLiteral("cannot read the existing file: ") + QString::fromUtf8(sqlite3_errmsg(db)));
    // Files from before ratings existed are kept as entries without a rating.
    sqlite3_stmt *version = nullptr;
    sqlite3_prepare_v2(db, "PRAGMA old.user_version", -1, &version, nullptr);
    const int oldVersion = sqlite3_step(version) == SQLITE_ROW ? sqlite3_column_int(version, 0) : 0;
    const bool hasRatings = oldVersion >= GazetteerSchema::FirstVersionWithRatings;
    sqlite3_finalize(version);
    const bool hasOtherNames = hasRatings && oldVersion >= GazetteerSchema::FirstVersionWithOtherNames;
    // Through the same insert as new entries, so their index text is made the same way.
    QByteArray select = QByteArray("SELECT ") + GazetteerStaging::EntryColumns
        + (hasOtherNames ? ", (SELECT names FROM old.other_names o WHERE o.id = old.entries.id)" : ", NULL")
        + " FROM old.entries ORDER BY id";
    if (!hasRatings)
        select.replace("rating, rating_count", "NULL, 0");
    sqlite3_stmt *rows = nullptr;
    bool copied = exec("BEGIN") && sqlite3_prepare_v2(db, select.constData(), -1, &rows, nullptr) == SQLITE_OK;
    int step = SQLITE_DONE;
    while (copied && (step = sqlite3_step(rows)) == SQLITE_ROW) {
        GazetteerEntry entry;
        entry.kind = GazetteerEntry::Kind(sqlite3_column_int(rows, 0));
        QString *texts[]
            = { &entry.name,    &entry.street,      &entry.postalCode, &entry.city,  &entry.region, &entry.regionCode,
                &entry.country, &entry.countryCode, &entry.category,   &entry.phone, &entry.url,    &entry.email };
        const int columns[] = { 1, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13 };
        for (int i = 0; i < 12; ++i)
            *texts[i] = SqlStatement::columnText(rows, columns[i]);
        if (sqlite3_column_type(rows, 14) != SQLITE_NULL) {
            entry.latitude = sqlite3_column_double(rows, 14);
            entry.longitude = sqlite3_column_double(rows, 15);
        }
        entry.importance = sqlite3_column_double(rows, 16);
        if (sqlite3_column_type(rows, 17) != SQLITE_NULL) {
            entry.rating = sqlite3_column_double(rows, 17);
            entry.ratingCount = sqlite3_column_int(rows, 18);
        }
        entry.otherNames
            = SqlStatement::columnText(rows, 19).split(QChar(GazetteerSchema::OtherNameSeparator), Qt::SkipEmptyParts);
        copied = insert(entry);
    }
    sqlite3_finalize(rows);
    QString reason;
    if (copied && step == SQLITE_DONE && !(reviews.copyExisting(&reason) && streets.copyExisting(&reason)))
        copied = fail(reason);
    copied = copied && step == SQLITE_DONE
        && exec("INSERT OR REPLACE INTO temp.staged_categories(code, name) SELECT code, name FROM old.categories;")
        && (!hasOtherNames
            || exec("INSERT OR REPLACE INTO temp.staged_country_names(code, language, name) "
                    "SELECT code, language, name FROM old.country_names;"))
        && exec("COMMIT;");
    if (!copied)
        exec("ROLLBACK");
    exec("DETACH DATABASE old");
    return copied;
}

namespace {
// Longer texts are no names or addresses a list row, a card or a link could show; cut, a
// pair of UTF-16 units kept whole.
constexpr int MaxTextLength = 256;
constexpr int MaxUrlLength = 2048;

QString cut(const QString &text, int length = MaxTextLength)
{
    const QString trimmed = text.trimmed();
    if (trimmed.size() <= length)
        return trimmed;
    if (trimmed.at(length - 1).isHighSurrogate())
        --length;
    return trimmed.left(length).trimmed();
}
} // namespace

bool GazetteerWriterPrivate::insert(const GazetteerEntry &given)
{
    GazetteerEntry entry = given;
    for (QString *text : { &entry.name, &entry.street, &entry.postalCode, &entry.city, &entry.region, &entry.regionCode,
                           &entry.country, &entry.countryCode, &entry.category, &entry.phone, &entry.email })
        *text = cut(*text);
    entry.url = cut(entry.url, MaxUrlLength);
    sqlite3_stmt *insert = insertEntry;
    sqlite3_bind_int(insert, 1, entry.kind);
    SqlStatement::bindText(insert, 2, entry.name.trimmed());
    SqlStatement::bindText(insert, 3, GazetteerText::foldedKey(entry.name));
    const QString texts[]
        = { entry.street,      entry.postalCode, entry.city,  entry.region, entry.regionCode, entry.country,
            entry.countryCode, entry.category,   entry.phone, entry.url,    entry.email };
    int index = 4;
    for (const QString &text : texts)
        SqlStatement::bindText(insert, index++, text.trimmed());
    if (qIsNaN(entry.latitude)) {
        sqlite3_bind_null(insert, 15);
        sqlite3_bind_null(insert, 16);
    } else {
        sqlite3_bind_double(insert, 15, entry.latitude);
        sqlite3_bind_double(insert, 16, entry.longitude);
    }
    sqlite3_bind_double(insert, 17, qIsNaN(entry.importance) ? 0 : entry.importance);
    if (qIsNaN(entry.rating))
        sqlite3_bind_null(insert, 18);
    else
        sqlite3_bind_double(insert, 18, entry.rating);
    sqlite3_bind_int(insert, 19, qIsNaN(entry.rating) ? 0 : entry.ratingCount);
    SqlStatement::bindText(insert, 20, GazetteerText::indexText(entry.kind, entry.name));
    const QString place = QStringList { entry.street, entry.postalCode, entry.city, entry.region, entry.country }.join(
        QLatin1Char(' '));
    SqlStatement::bindText(insert, 21, GazetteerText::indexText(entry.kind, place));
    SqlStatement::bindText(insert, 22, entry.category.trimmed().toCaseFolded());
    const QStringList others
        = GazetteerText::distinctOtherNames(entry.name, entry.otherNames, GazetteerEntry::OtherNamesLimit);
    SqlStatement::bindText(insert, 23, others.join(QChar(GazetteerSchema::OtherNameSeparator)));
    const int rc = sqlite3_step(insert);
    sqlite3_reset(insert);
    if (rc != SQLITE_DONE)
        return fail(QString::fromUtf8(sqlite3_errmsg(db)));
    return true;
}

bool GazetteerWriterPrivate::indexOtherNames()
{
    sqlite3_stmt *rows = nullptr;
    sqlite3_stmt *add = nullptr;
    bool indexed = sqlite3_prepare_v2(
                       db, "SELECT o.id, e.kind, o.names FROM other_names o JOIN entries e USING(id) ORDER BY o.id", -1,
                       &rows, nullptr)
            == SQLITE_OK
        && sqlite3_prepare_v2(db, "INSERT INTO other_names_index(rowid, name) VALUES(?1, ?2)", -1, &add, nullptr)
            == SQLITE_OK;
    while (indexed && sqlite3_step(rows) == SQLITE_ROW) {
        const qint64 id = sqlite3_column_int64(rows, 0);
        const int kind = sqlite3_column_int(rows, 1);
        const QStringList names = SqlStatement::columnText(rows, 2).split(QChar(GazetteerSchema::OtherNameSeparator));
        for (int position = 0; indexed && position < names.size(); ++position) {
            sqlite3_bind_int64(add, 1, (id << GazetteerSchema::OtherNameShift) + position);
            SqlStatement::bindText(add, 2, GazetteerText::indexText(kind, names.at(position)));
            indexed = sqlite3_step(add) == SQLITE_DONE;
            sqlite3_reset(add);
        }
    }
    if (!indexed)
        fail(QString::fromUtf8(sqlite3_errmsg(db)));
    sqlite3_finalize(rows);
    sqlite3_finalize(add);
    return indexed && exec(GazetteerStaging::OptimizeOtherNamesSql);
}

bool GazetteerWriterPrivate::buildTables()
{
    QString reason;
    if (!exec(GazetteerSchema::CreateTables) || !exec(GazetteerStaging::BuildSql) || !indexOtherNames())
        return false;
    if (!reviews.build(&reason) || !streets.build(&reason))
        return fail(reason);
    if (!exec(GazetteerSchema::CreateIndexes))
        return false;
    const QByteArray versions = QByteArray("PRAGMA application_id = ")
        + QByteArray::number(GazetteerSchema::ApplicationId)
        + "; PRAGMA user_version = " + QByteArray::number(GazetteerSchema::Version) + ";";
    return exec(versions.constData());
}

bool GazetteerWriterPrivate::finishFile()
{
    closeDatabase();
    if (!syncPath(temporaryPath, O_RDONLY))
        return fail(QStringLiteral("cannot sync the new file"));
    QFile::Permissions permissions
        = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther;
    if (QFileInfo::exists(path))
        permissions = QFile::permissions(path);
    QFile::setPermissions(temporaryPath, permissions);
    // rename() replaces the target in one step; QFile::rename would refuse an existing target.
    if (std::rename(QFile::encodeName(temporaryPath).constData(), QFile::encodeName(path).constData()) != 0)
        return fail(QStringLiteral("cannot put the new file in place: ") + QString::fromLocal8Bit(strerror(errno)));
    temporaryPath.clear();
    releaseTemporaryLock();
    syncPath(QFileInfo(path).absolutePath(), O_RDONLY | O_DIRECTORY);
    return true;
}

void GazetteerWriterPrivate::closeDatabase()
{
    reviews.close();
    streets.close();
    sqlite3_finalize(insertEntry);
    sqlite3_finalize(insertCategory);
    sqlite3_finalize(insertCountryName);
    insertEntry = nullptr;
    insertCategory = nullptr;
    insertCountryName = nullptr;
    if (db)
        sqlite3_close(db);
    db = nullptr;
}

void GazetteerWriterPrivate::removeTemporary()
{
    if (!temporaryPath.isEmpty())
        QFile::remove(temporaryPath);
    temporaryPath.clear();
    releaseTemporaryLock();
}

void GazetteerWriterPrivate::releaseTemporaryLock()
{
    if (temporaryLock >= 0)
        ::close(temporaryLock);
    temporaryLock = -1;
}

GazetteerWriter::GazetteerWriter(const QString &path) : d(new GazetteerWriterPrivate)
{
    d->path = path.isEmpty() ? Gazetteer::defaultPath() : path;
}

GazetteerWriter::~GazetteerWriter()
{
    rollback();
}

QString GazetteerWriter::path() const
{
    return d->path;
}

QString GazetteerWriter::errorString() const
{
    return d->error;
}

bool GazetteerWriter::isActive() const
{
    return d->db != nullptr;
}

qint64 GazetteerWriter::count() const
{
    return d->count;
}

bool GazetteerWriter::begin(Mode mode)
{
    rollback();
    d->error.clear();
    d->count = 0;
    const QFileInfo target(d->path);
    const QString refusal = whyNotReplaceable(d->path);
    if (!refusal.isEmpty())
        return d->fail(QStringLiteral("refused and left as it is: ") + refusal);
    if (!QDir().mkpath(target.absolutePath()))
        return d->fail(QStringLiteral("cannot create the folder ") + target.absolutePath());
    removeAbandonedTemporaries(target);
    QByteArray name = QFile::encodeName(target.absoluteDir().filePath(temporaryPrefix(target))) + "XXXXXX";
    const int fd = ::mkostemp(name.data(), O_CLOEXEC);
    if (fd < 0)
        return d->fail(QStringLiteral("cannot create a temporary file: ") + QString::fromLocal8Bit(strerror(errno)));
    ::flock(fd, LOCK_EX);
    d->temporaryLock = fd;
    d->temporaryPath = QFile::decodeName(name);

    if (sqlite3_open_v2(name.constData(), &d->db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_URI, nullptr) != SQLITE_OK) {
        d->fail(QString::fromUtf8(sqlite3_errmsg(d->db)));
        rollback();
        return false;
    }
    if (!d->createStaging() || (mode == KeepExisting && !d->copyExisting()) || !d->exec("BEGIN")) {
        const QString reason = d->error;
        rollback();
        d->error = reason;
        return false;
    }
    d->count = 0;
    sqlite3_stmt *counter = nullptr;
    sqlite3_prepare_v2(d->db, "SELECT count(*) FROM temp.staging", -1, &counter, nullptr);
    if (sqlite3_step(counter) == SQLITE_ROW)
        d->count = sqlite3_column_int64(counter, 0);
    sqlite3_finalize(counter);
    return true;
}

QString GazetteerWriter::validate(const GazetteerEntry &entry)
{
    if (!isKnownKind(entry.kind))
        return QStringLiteral("unknown kind %1").arg(int(entry.kind));
    if (entry.name.trimmed().isEmpty())
        return QStringLiteral("no name");
    if (GazetteerText::foldedKey(entry.name).isEmpty())
        return QStringLiteral("a name without letters or digits");
    const bool noLatitude = qIsNaN(entry.latitude);
    const bool noLongitude = qIsNaN(entry.longitude);
    if (noLatitude != noLongitude)
        return QStringLiteral("a latitude without a longitude or the other way round");
    if (!noLatitude && !(qIsFinite(entry.latitude) && qAbs(entry.latitude) <= 90))
        return QStringLiteral("latitude out of range");
    if (!noLongitude && !(qIsFinite(entry.longitude) && qAbs(entry.longitude) <= 180))
        return QStringLiteral("longitude out of range");
    if (!qIsNaN(entry.importance) && !qIsFinite(entry.importance))
        return QStringLiteral("importance out of range");
    if (!qIsNaN(entry.rating) && !(entry.rating >= 0 && entry.rating <= 5))
        return QStringLiteral("rating out of range (0 to 5)");
    if (entry.ratingCount < 0)
        return QStringLiteral("a negative rating count");
    if (entry.ratingCount > 0 && qIsNaN(entry.rating))
        return QStringLiteral("a rating count without a rating");
    return QString();
}

bool GazetteerWriter::add(const GazetteerEntry &entry)
{
    if (!d->db)
        return d->fail(QStringLiteral("no write begun"));
    const QString reason = validate(entry);
    if (!reason.isEmpty()) {
        d->error = reason;
        return false;
    }
    if (!d->insert(entry))
        return false;
    ++d->count;
    return true;
}

bool GazetteerWriter::addReview(const GazetteerReview &review)
{
    if (!d->db)
        return d->fail(QStringLiteral("no write begun"));
    return d->reviews.add(review, &d->error);
}

bool GazetteerWriter::addStreet(const GazetteerStreet &street)
{
    if (!d->db)
        return d->fail(QStringLiteral("no write begun"));
    return d->streets.add(street, &d->error);
}

bool GazetteerWriter::addCategory(const QString &code, const QString &name)
{
    if (!d->db)
        return d->fail(QStringLiteral("no write begun"));
    if (code.trimmed().isEmpty()) {
        d->error = QStringLiteral("a category without a code");
        return false;
    }
    SqlStatement::bindText(d->insertCategory, 1, code.trimmed());
    SqlStatement::bindText(d->insertCategory, 2, name.trimmed().isEmpty() ? code.trimmed() : name);
    const int rc = sqlite3_step(d->insertCategory);
    sqlite3_reset(d->insertCategory);
    return rc == SQLITE_DONE || d->fail(QString::fromUtf8(sqlite3_errmsg(d->db)));
}

bool GazetteerWriter::addCountryName(const QString &code, const QString &language, const QString &name)
{
    if (!d->db)
        return d->fail(QStringLiteral("no write begun"));
    if (code.trimmed().isEmpty() || language.trimmed().isEmpty() || GazetteerText::foldedKey(name).isEmpty()) {
        d->error = QStringLiteral("a country name without a code, language or letters");
        return false;
    }
    SqlStatement::bindText(d->insertCountryName, 1, code.trimmed().toUpper());
    SqlStatement::bindText(d->insertCountryName, 2, language.trimmed());
    SqlStatement::bindText(d->insertCountryName, 3, name.trimmed());
    const int rc = sqlite3_step(d->insertCountryName);
    sqlite3_reset(d->insertCountryName);
    return rc == SQLITE_DONE || d->fail(QString::fromUtf8(sqlite3_errmsg(d->db)));
}

bool GazetteerWriter::commit()
{
    if (!d->db)
        return d->fail(QStringLiteral("no write begun"));
    // Merging the index leaves its old segments' pages free; a phone stores the file as it is.
    if (!d->buildTables() || !d->exec("COMMIT") || !d->exec("VACUUM") || !d->finishFile()) {
        const QString reason = d->error;
        rollback();
        d->error = reason;
        return false;
    }
    return true;
}

void GazetteerWriter::rollback()
{
    d->closeDatabase();
    d->removeTemporary();
}

} // namespace places
} // namespace platform
} // namespace hx
