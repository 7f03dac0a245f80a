#include <hx/platform/places/contactstore.h>
#include <hx/platform/places/internalplacemanager.h>
#include <hx/platform/places/placemanager.h>
#include <hx/platform/places/searchresultgroup.h>
#include <hx/platform/places/storestatus.h>
#include <hx/platform/places/tags.h>

#include <QtCore/QCoreApplication>
#include <QtCore/QCryptographicHash>
#include <QtCore/QDateTime>
#include <QtCore/QFile>
#include <QtCore/QProcess>
#include <QtCore/QRandomGenerator>
#include <QtCore/QThread>
#include <QtTest/QtTest>

#include <sqlite3.h>
#include <sys/stat.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>

#include "storefixture.h"
#include "testroots.h"

using namespace hx::platform::places;
using hx::test::StoreFixture;
using hx::test::TestRoots;

namespace {
QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The writer half of the kill test: stores places one by one and prints each id once its
// transaction has committed.
int runWriter()
{
    PlaceManager manager;
    for (int i = 0;; ++i) {
        Place place = StoreFixture::makePlace(QStringLiteral("Written %1").arg(i), 40, -80 + i * 0.001);
        if (manager.addPlace(place) != Error::None)
            return 2;
        std::printf("%lld\n", static_cast<long long>(place.id()));
        std::fflush(stdout);
    }
}

// Moves the complete lines of `pending` into `ids`; a line still being written stays.
void takeCommittedIds(QByteArray *pending, QList<qint64> *ids)
{
    int newline;
    while ((newline = pending->indexOf('\n')) >= 0) {
        ids->append(pending->left(newline).toLongLong());
        pending->remove(0, newline + 1);
    }
}

// Starts a writer, collects the ids it reports as committed until it has reported `wanted`,
// lets it run `extraMicroseconds` more and kills it.
bool runWriterUntil(int wanted, int extraMicroseconds, QList<qint64> *committed)
{
    QProcess writer;
    writer.setProcessChannelMode(QProcess::SeparateChannels);
    writer.start(QCoreApplication::applicationFilePath(), { QStringLiteral("--writer") });
    if (!writer.waitForStarted())
        return false;
    QByteArray pending;
    QElapsedTimer timer;
    timer.start();
    while (committed->size() < wanted && timer.elapsed() < 20000) {
        writer.waitForReadyRead(1000);
        pending += writer.readAllStandardOutput();
        takeCommittedIds(&pending, committed);
    }
    QThread::usleep(static_cast<unsigned long>(extraMicroseconds));
    writer.kill(); // SIGKILL
    writer.waitForFinished();
    // Ids printed before the kill landed are committed too.
    pending += writer.readAllStandardOutput();
    takeCommittedIds(&pending, committed);
    return committed->size() >= wanted;
}

// Runs statements on a file with SQLite directly; false when any fails.
bool execOn(const QString &path, const char *sql)
{
    sqlite3 *db = nullptr;
    bool ok = sqlite3_open(QFile::encodeName(path).constData(), &db) == SQLITE_OK
        && sqlite3_exec(db, sql, nullptr, nullptr, nullptr) == SQLITE_OK;
    sqlite3_close(db);
    return ok;
}

qint64 numberOn(const QString &path, const char *sql)
{
    sqlite3 *db = nullptr;
    qint64 value = -1;
    if (sqlite3_open(QFile::encodeName(path).constData(), &db) == SQLITE_OK) {
        sqlite3_stmt *stmt = nullptr;
        if (sqlite3_prepare_v2(db, sql, -1, &stmt, nullptr) == SQLITE_OK && sqlite3_step(stmt) == SQLITE_ROW)
            value = sqlite3_column_int64(stmt, 0);
        sqlite3_finalize(stmt);
    }
    sqlite3_close(db);
    return value;
}

// Our own mark, as a file written by the store carries it.
constexpr const char *StoreMark = "PRAGMA application_id = 1215844460;";

Place storedAt(const QString &name, qint64 lastUsed)
{
    Place place = StoreFixture::makePlace(name, 43.4, -80.5);
    place.setLastUsedTime(lastUsed);
    PlaceManager().addPlace(place);
    return place;
}

QStringList namesOf(const QList<QSharedPointer<AbstractPlace>> &places)
{
    QStringList names;
    for (const auto &place : places)
        names.append(place ? place->name() : QStringLiteral("(null)"));
    return names;
}

// The favourite-racer half of the limit test: for a while, adds a favourite, counts the
// favourites it can see and removes its own again. Exits 3 when it ever saw more than the limit.
int runFavoriter(int limit)
{
    InternalPlaceManager::setFavoritesLimit(limit);
    PlaceManager manager;
    InternalPlaceManager internal;
    QElapsedTimer timer;
    timer.start();
    bool over = false;
    for (int i = 0; timer.elapsed() < 1500; ++i) {
        Place place = StoreFixture::makePlace(
            QStringLiteral("Racer %1 %2").arg(QCoreApplication::applicationPid()).arg(i), 1, 1);
        if (internal.fav(place) != Error::None)
            continue;
        Error::Type error;
        SearchHandle handle;
        const int seen
            = internal.findPlacesByGroup(SearchResultGroup::Favorites, error, handle, QString(), 0, 100, Coordinates())
                  .size();
        over = over || error != Error::None || seen > limit;
        manager.removePlace(place.id());
    }
    return over ? 3 : 0;
}

QByteArray integrityCheck(const QString &path)
{
    sqlite3 *db = nullptr;
    QByteArray result;
    if (sqlite3_open(QFile::encodeName(path).constData(), &db) == SQLITE_OK) {
        sqlite3_stmt *stmt = nullptr;
        if (sqlite3_prepare_v2(db, "PRAGMA integrity_check", -1, &stmt, nullptr) == SQLITE_OK
            && sqlite3_step(stmt) == SQLITE_ROW)
            result = reinterpret_cast<const char *>(sqlite3_column_text(stmt, 0));
        sqlite3_finalize(stmt);
    }
    sqlite3_close(db);
    return result;
}

// A store holding one favourite, "Kept", copied to `to` whole (no side files), as if made
// by another run: this process holds no connection to the copy.
bool copyOfAStore(const QString &to)
{
    StoreFixture::addFavorite(QStringLiteral("Kept"), 43.4, -80.5);
    const QString from = qEnvironmentVariable("HX_PLACES_DB");
    return execOn(from, "PRAGMA wal_checkpoint(TRUNCATE)") && QFile::copy(from, to);
}

// A store whose writer was killed inside a transaction in rollback-journal mode: the file
// holds half a change, its journal what it replaced.
bool storeWithAnInterruptedWrite(const QString &to)
{
    const QString source = to + QStringLiteral(".source");
    if (!copyOfAStore(source) || !execOn(source, "PRAGMA journal_mode = DELETE"))
        return false;
    sqlite3 *db = nullptr;
    bool ok = sqlite3_open(QFile::encodeName(source).constData(), &db) == SQLITE_OK
        && sqlite3_exec(db,
                        "PRAGMA cache_size = 1; BEGIN; DELETE FROM places; CREATE TABLE junk(x);"
                        "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 300)"
                        " INSERT INTO junk SELECT randomblob(3000) FROM n;",
                        nullptr, nullptr, nullptr)
            == SQLITE_OK
        && QFile::exists(source + QStringLiteral("-journal")) && QFile::copy(source, to)
        && QFile::copy(source + QStringLiteral("-journal"), to + QStringLiteral("-journal"));
    sqlite3_close(db);
    return ok;
}

mode_t modeOf(const QString &path)
{
    struct stat info;
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 ? info.st_mode & 07777 : 0;
}

QStringList filesBeside(const QString &path)
{
    QStringList names = QFileInfo(path).dir().entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    names.removeAll(QFileInfo(path).fileName() + QStringLiteral(".source"));
    return names;
}
} // namespace

class tst_PlaceDatabase : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void refusedFilesAreLeftUntouched_data()
    {
        QTest::addColumn<QByteArray>("sql"); // empty: a file that is not a database
        QTest::addColumn<bool>("damaged");
        QTest::newRow("a file that is not a database") << QByteArray() << false;
        QTest::newRow("another application's database")
            << QByteArray("CREATE TABLE notes(x); INSERT INTO notes VALUES('keep me');") << false;
        QTest::newRow("another application's database with a places table")
            << QByteArray("CREATE TABLE places(id INTEGER PRIMARY KEY, name TEXT); PRAGMA user_version = 1;") << false;
        QTest::newRow("another application's database in WAL mode")
            << QByteArray("PRAGMA journal_mode = WAL; CREATE TABLE notes(x);") << false;
        QTest::newRow("our store with a damaged page") << (QByteArray(StoreMark)
                                                           + "PRAGMA user_version = 2; CREATE TABLE t(x);"
                                                             "INSERT INTO t VALUES(randomblob(5000));")
                                                       << true;
        QTest::newRow("our store from a newer version")
            << (QByteArray(StoreMark) + "PRAGMA user_version = 99; CREATE TABLE t(x);") << false;
    }

    void refusedFilesAreLeftUntouched()
    {
        QFETCH(QByteArray, sql);
        QFETCH(bool, damaged);
        TestRoots roots;
        const QString path = roots.storePath();
        if (sql.isEmpty()) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(QByteArray("not a store at all\n").repeated(300));
        } else {
            QVERIFY(execOn(path, sql.constData()));
        }
        if (damaged) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadWrite));
            file.seek(4096 + 8); // inside the second page's header
            file.write(QByteArray(64, '\xee'));
        }
        const QByteArray before = fileBytes(path);
        PlaceManager manager;
        Place place = StoreFixture::makePlace(QStringLiteral("Anything"), 1, 1);
        QCOMPARE(manager.addPlace(place), Error::StorageRefused);
        Error::Type error = Error::None;
        QVERIFY(!manager.getPlace(1, error));
        QCOMPARE(error, Error::StorageRefused);
        QCOMPARE(InternalPlaceManager().clearRecentlyPickedPlaces(), Error::StorageRefused);
        QCOMPARE(fileBytes(path), before);
        QVERIFY(!QFile::exists(path + QStringLiteral("-wal")));
        QVERIFY(!QFile::exists(path + QStringLiteral("-shm")));
    }

    // What a store path holds decides what the store may do with it; whatever it is, the store
    // never changes a file's mode or leaves a file it did not have.
    void storePaths_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("added"); // what storing a new place reports
        QTest::addColumn<QStringList>("found"); // the favourites found after it
        QTest::addColumn<QString>("problem");
        QTest::addColumn<bool>("unchanged"); // the file's bytes and mode as they were

        const QString notAFile
            = QStringLiteral("it is not a regular file; give the path of a file (it is made on first use)");
        QTest::newRow("a pipe") << "pipe" << int(Error::StorageRefused) << QStringList() << notAFile << true;
        QTest::newRow("a folder")
            << "folder" << int(Error::StorageRefused) << QStringList()
            << "it is a folder, not a store file; give the path of a file (it is made on first use)" << true;
        QTest::newRow("an empty file made by someone else")
            << "empty" << int(Error::None) << QStringList { "New" } << QString() << false;
        QTest::newRow("a read-only store")
            << "read-only" << int(Error::StorageFailure) << QStringList { "Kept" }
            << "it is read-only: places can be searched but nothing can be stored; make it writable to store places"
            << true;
        QTest::newRow("a store in a read-only folder")
            << "read-only folder" << int(Error::StorageFailure) << QStringList { "Kept" }
            << "its folder is read-only: places can be searched but nothing can be stored; make the folder "
               "writable to store places"
            << true;
        QTest::newRow("a store another program is writing")
            << "locked" << int(Error::StorageFailure) << QStringList { "Kept" }
            << "another program is writing to it; try again when it has finished" << false;
        QTest::newRow("a store whose writer was killed mid-write")
            << "interrupted" << int(Error::None) << QStringList { "Kept", "New" } << QString() << false;
    }

    void storePaths()
    {
        QFETCH(QString, kind);
        QFETCH(int, added);
        QFETCH(QStringList, found);
        QFETCH(QString, problem);
        QFETCH(bool, unchanged);
        TestRoots roots;
        const QString folder = roots.path() + QStringLiteral("/store");
        const QString path = folder + QStringLiteral("/places.db");
        QVERIFY(QDir().mkpath(folder));
        if (kind == QLatin1String("pipe"))
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0644), 0);
        else if (kind == QLatin1String("folder"))
            QVERIFY(QDir().mkpath(path));
        else if (kind == QLatin1String("empty"))
            QVERIFY(QFile(path).open(QIODevice::WriteOnly));
        else if (kind == QLatin1String("interrupted"))
            QVERIFY(storeWithAnInterruptedWrite(path));
        else
            QVERIFY(copyOfAStore(path));
        if (kind == QLatin1String("empty"))
            QVERIFY(QFile::setPermissions(path, QFile::permissions(path) | QFileDevice::ReadOther));
        if (kind == QLatin1String("read-only"))
            QVERIFY(
                QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther));
        const QByteArray before = kind == QLatin1String("pipe") ? QByteArray() : fileBytes(path);
        const mode_t mode = modeOf(path);
        const QStringList beside = filesBeside(path);
        if (kind == QLatin1String("read-only folder"))
            QVERIFY(QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
        qputenv("HX_PLACES_DB", QFile::encodeName(path));
        // Another program in the middle of a write holds the store's write lock.
        std::unique_ptr<sqlite3, int (*)(sqlite3 *)> writer(nullptr, sqlite3_close);
        if (kind == QLatin1String("locked")) {
            sqlite3 *db = nullptr;
            QCOMPARE(sqlite3_open(QFile::encodeName(path).constData(), &db), SQLITE_OK);
            writer.reset(db);
            QCOMPARE(sqlite3_exec(db, "PRAGMA journal_mode = WAL; BEGIN IMMEDIATE", nullptr, nullptr, nullptr),
                     SQLITE_OK);
        }

        PlaceManager manager;
        Place place = StoreFixture::makePlace(QStringLiteral("New"), 43.5, -80.5);
        place.addTag(QLatin1String(Tags::Favorite));
        QCOMPARE(int(manager.addPlace(place)), added);
        Error::Type error = Error::None;
        SearchHandle handle;
        QStringList names;
        for (PlaceHeader *header :
             manager.findPlacesByTags({ QLatin1String(Tags::Favorite) }, error, handle, SortRule(), 0, 10)) {
            names.append(header->name());
            delete header;
        }
        names.sort();
        QCOMPARE(names, found);
        QCOMPARE(StoreStatus::problem(path), problem);
        if (writer)
            sqlite3_exec(writer.get(), "ROLLBACK", nullptr, nullptr, nullptr);
        writer.reset();
        QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        QCOMPARE(modeOf(path), mode);
        if (unchanged) {
            QCOMPARE(kind == QLatin1String("pipe") ? QByteArray() : fileBytes(path), before);
            QCOMPARE(filesBeside(path), beside);
        } else {
            QCOMPARE(integrityCheck(path), QByteArray("ok"));
        }
    }

    void emptyFileBecomesAMarkedStore()
    {
        TestRoots roots;
        QFile file(roots.storePath());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        const Place place = StoreFixture::addFavorite(QStringLiteral("First"), 1, 1);
        QVERIFY(place.isPersisted());
        // The mark is in the file's own header, not only in the write-ahead log.
        QFile store(roots.storePath());
        QVERIFY(store.open(QIODevice::ReadOnly));
        QCOMPARE(store.read(72).mid(68).toHex(), QByteArray("4878506c"));
    }

    // A store written before files were marked: version 1, its places table as made then, and
    // keys folded the old way ("straße" kept its sharp s).
    void unmarkedFirstVersionStoreIsMigrated()
    {
        TestRoots roots;
        const Place place = StoreFixture::addFavorite(QStringLiteral("Große Straße"), 1, 1);
        InternalPlaceManager().addRecentSearchTerm(QStringLiteral("Straßenbahn"));
        QVERIFY(execOn(roots.storePath(),
                       "PRAGMA application_id = 0; PRAGMA user_version = 1;"
                       "UPDATE places SET name_key = 'große straße', search_text = 'große straße';"
                       "UPDATE place_words SET word = replace(word, 'ss', 'ß');"
                       "UPDATE search_terms SET term_key = 'straßenbahn'; PRAGMA wal_checkpoint(TRUNCATE);"));
        // A copy in place of the file, as a restore from a backup would put it.
        QVERIFY(QFile::copy(roots.storePath(), roots.storePath() + QStringLiteral(".copy")));
        for (const QString &suffix : { QString(), QStringLiteral("-wal"), QStringLiteral("-shm") })
            QFile::remove(roots.storePath() + suffix);
        QVERIFY(QFile::rename(roots.storePath() + QStringLiteral(".copy"), roots.storePath()));

        InternalPlaceManager manager;
        Error::Type error;
        SearchHandle handle;
        const auto found = manager.findPlacesByGroup(SearchResultGroup::MyPlaces, error, handle,
                                                     QStringLiteral("grosse strasse"), 0, 10, Coordinates());
        QCOMPARE(error, Error::None);
        QCOMPARE(namesOf(found), QStringList { place.name() });
        QCOMPARE(manager.getRecentSearchTerms(QStringLiteral("strassen"), error),
                 QStringList { QStringLiteral("Straßenbahn") });
        QCOMPARE(numberOn(roots.storePath(), "PRAGMA application_id"), qint64(1215844460));
        QCOMPARE(numberOn(roots.storePath(), "PRAGMA user_version"), qint64(2));
    }

    void newStoreIsPrivate()
    {
        TestRoots roots;
        qputenv("HX_PLACES_DB", QFile::encodeName(roots.path() + QStringLiteral("/fresh/dir/places.db")));
        StoreFixture::addFavorite(QStringLiteral("First"), 1, 1);
        struct stat info;
        QCOMPARE(::stat(QFile::encodeName(roots.path() + QStringLiteral("/fresh/dir/places.db")).constData(), &info),
                 0);
        QCOMPARE(info.st_mode & 0777, 0600u);
        QCOMPARE(::stat(QFile::encodeName(roots.path() + QStringLiteral("/fresh/dir")).constData(), &info), 0);
        QCOMPARE(info.st_mode & 0777, 0700u);
    }

    void replacedFileIsOpenedAnew()
    {
        TestRoots roots;
        Place place = StoreFixture::addFavorite(QStringLiteral("Before"), 1, 1);
        QVERIFY(QFile::remove(roots.storePath()));
        QFile::remove(roots.storePath() + QStringLiteral("-wal"));
        QFile::remove(roots.storePath() + QStringLiteral("-shm"));
        Error::Type error;
        QVERIFY(!PlaceManager().getPlace(place.id(), error));
        QCOMPARE(error, Error::NotFound);
    }

    // A hundred writers, each killed after a random number of commits and a random extra moment,
    // so that some die between transactions and some inside one.
    void killedWritersLoseNoCommittedPlace()
    {
        TestRoots roots;
        QRandomGenerator random(20261206);
        QList<qint64> committed;
        for (int round = 0; round < 100; ++round) {
            const int wanted = 1 + random.bounded(6);
            QList<qint64> written;
            QVERIFY(runWriterUntil(wanted, random.bounded(4000), &written));
            committed += written;
            QVERIFY2(integrityCheck(roots.storePath()) == "ok", qPrintable(QStringLiteral("round %1").arg(round)));
            for (qint64 id : qAsConst(written)) {
                Error::Type error;
                std::unique_ptr<Place> place(PlaceManager().getPlace(id, error));
                QVERIFY2(place, qPrintable(QStringLiteral("place %1 lost in round %2").arg(id).arg(round)));
            }
        }
        // Every place of every round is still there at the end, and the store stays usable.
        PlaceManager manager;
        for (qint64 id : qAsConst(committed)) {
            Error::Type error;
            std::unique_ptr<Place> place(manager.getPlace(id, error));
            QVERIFY2(place, qPrintable(QStringLiteral("place %1 lost").arg(id)));
        }
        Place after = StoreFixture::makePlace(QStringLiteral("After"), 2, 2);
        QCOMPARE(manager.addPlace(after), Error::None);
    }

    // A file checked when this process opened it is not scanned again by every new thread:
    // damage a page that no lookup reads, and a worker thread still reads its places.
    void newThreadDoesNotCheckTheFileAgain()
    {
        TestRoots roots;
        const Place place = StoreFixture::addFavorite(QStringLiteral("Checked once"), 1, 1);
        QVERIFY(execOn(roots.storePath(),
                       "CREATE TABLE filler(x);"
                       "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 40)"
                       " INSERT INTO filler SELECT randomblob(3000) FROM n;"
                       "PRAGMA wal_checkpoint(TRUNCATE);"));
        const qint64 pageSize = numberOn(roots.storePath(), "PRAGMA page_size");
        const qint64 fillerRoot
            = numberOn(roots.storePath(), "SELECT rootpage FROM sqlite_master WHERE name = 'filler'");
        QVERIFY(pageSize > 0 && fillerRoot > 1);
        {
            QFile file(roots.storePath());
            QVERIFY(file.open(QIODevice::ReadWrite));
            file.seek((fillerRoot - 1) * pageSize);
            file.write(QByteArray(64, '\xee'));
        }
        Error::Type error = Error::Unknown;
        bool read = false;
        std::unique_ptr<QThread> worker(QThread::create([&] {
            std::unique_ptr<Place> back(PlaceManager().getPlace(place.id(), error));
            read = back != nullptr;
        }));
        worker->start();
        QVERIFY(worker->wait(10000));
        QCOMPARE(error, Error::None);
        QVERIFY(read);
    }

    // Two processes add favourites at the limit at the same time; neither may ever see more.
    void racingWritersNeverPassTheFavoritesLimit()
    {
        TestRoots roots;
        constexpr int limit = 3;
        for (int i = 0; i < limit - 1; ++i)
            StoreFixture::addFavorite(QStringLiteral("Kept %1").arg(i), 1, 1);
        QProcess racers[2];
        for (QProcess &racer : racers)
            racer.start(QCoreApplication::applicationFilePath(),
                        { QStringLiteral("--favoriter"), QString::number(limit) });
        for (QProcess &racer : racers) {
            QVERIFY(racer.waitForFinished(30000));
            QCOMPARE(racer.exitStatus(), QProcess::NormalExit);
            QCOMPARE(racer.exitCode(), 0);
        }
        Error::Type error;
        SearchHandle handle;
        QCOMPARE(InternalPlaceManager()
                     .findPlacesByGroup(SearchResultGroup::Favorites, error, handle, QString(), 0, 100, Coordinates())
                     .size(),
                 limit - 1);
    }

    // An unreadable record is left out of a page, and the next page starts right after it.
    void unreadableRecordIsSkippedAndPagingStaysExact()
    {
        TestRoots roots;
        QList<Place> stored;
        for (int i = 0; i < 10; ++i)
            stored.append(StoreFixture::addFavorite(QStringLiteral("Stop %1").arg(i), 1, 1 + i));
        const QByteArray damage
            = "UPDATE places SET record = x'00' WHERE id = " + QByteArray::number(stored.at(2).id()) + ";";
        QVERIFY(execOn(roots.storePath(), damage.constData()));

        PlaceManager manager;
        Error::Type error;
        SearchHandle handle;
        const QList<AbstractPlace *> first
            = manager.findPlaces(QStringLiteral("stop"), error, handle, SortRule(), 0, 5, true, Coordinates());
        QStringList names;
        for (AbstractPlace *place : first)
            names.append(place ? place->name() : QStringLiteral("(null)"));
        qDeleteAll(first);
        QVERIFY(handle.hasMoreData());
        names += namesOf(InternalPlaceManager().findMorePlaces(handle, 5, error, -1));
        QCOMPARE(error, Error::None);
        QStringList expected;
        for (int i = 0; i < 10; ++i) {
            if (i != 2)
                expected.append(QStringLiteral("Stop %1").arg(i));
        }
        QCOMPARE(names, expected);
        QVERIFY(!handle.hasMoreData());
    }

    // Recents with a filter text come newest first, paged exactly, however the word index
    // orders them; search terms keep their own time.
    void filteredRecentsAreNewestFirst_data()
    {
        QTest::addColumn<int>("group");
        QTest::newRow("recently picked places") << int(SearchResultGroup::RecentlyPicked);
        QTest::newRow("recent places and search terms") << int(SearchResultGroup::Recents);
    }

    void filteredRecentsAreNewestFirst()
    {
        QFETCH(int, group);
        TestRoots roots;
        const qint64 base = QDateTime::currentSecsSinceEpoch() - 100000;
        // Stored in an order unlike their times; the newest of all does not match.
        QList<qint64> times;
        for (int i = 0; i < 20; ++i) {
            const qint64 time = base + ((i * 7) % 20) * 100;
            storedAt(QStringLiteral("Cafe %1").arg(char('a' + i)), time);
            times.append(time);
        }
        storedAt(QStringLiteral("Bakery"), base + 5000);
        std::sort(times.begin(), times.end(), std::greater<qint64>());

        InternalPlaceManager manager;
        Error::Type error;
        SearchHandle handle;
        QList<qint64> seen;
        auto page = manager.findPlacesByGroup(group, error, handle, QStringLiteral("caf"), 0, 6, Coordinates());
        while (!page.isEmpty()) {
            for (const auto &place : qAsConst(page))
                seen.append(place->lastUsedTime());
            if (!handle.hasMoreData())
                break;
            page = manager.findMorePlaces(handle, 6, error, -1);
        }
        QCOMPARE(error, Error::None);
        QCOMPARE(seen, times);
    }

    // Favourites filtered by a text are exactly the stored favourites that match it, in word
    // order and paged exactly, after places were favoured and unfavoured.
    void filteredFavoritesAreTheFavorites_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("a prefix of the shared word")
            << "caf" << QStringList { "Cafe 0", "Cafe 3", "Cafe 9", "Cafe 12", "Cafe 13", "Cafe 15", "Cafe 18" };
        QTest::newRow("two words, the second narrowing")
            << "cafe 1" << QStringList { "Cafe 12", "Cafe 13", "Cafe 15", "Cafe 18" };
        QTest::newRow("a word only non-favourites have") << "bakery" << QStringList {};
    }

    void filteredFavoritesAreTheFavorites()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, expected);
        TestRoots roots;
        InternalPlaceManager internal;
        QList<Place> places;
        for (int i = 0; i < 20; ++i) {
            places.append(StoreFixture::makePlace(QStringLiteral("Cafe %1").arg(i), 43.0 + i * 0.01, -80.0));
            if (i % 3 == 0)
                QCOMPARE(internal.fav(places.last()), Error::None);
            else
                QCOMPARE(PlaceManager().addPlace(places.last()), Error::None);
        }
        Place bakery = StoreFixture::makePlace(QStringLiteral("Bakery"), 43.5, -80.0);
        QCOMPARE(PlaceManager().addPlace(bakery), Error::None);
        QCOMPARE(internal.unfav(places[6]), Error::None);
        QCOMPARE(internal.fav(places[13]), Error::None);

        Error::Type error;
        SearchHandle handle;
        QStringList names = namesOf(
            internal.findPlacesByGroup(SearchResultGroup::Favorites, error, handle, text, 0, 3, Coordinates()));
        while (handle.hasMoreData() && names.size() < 40)
            names += namesOf(internal.findMorePlaces(handle, 3, error, -1));
        QCOMPARE(error, Error::None);
        QCOMPARE(names, expected);
    }

    void filteredSearchTermsKeepTheirTime()
    {
        TestRoots roots;
        InternalPlaceManager manager;
        QCOMPARE(manager.addRecentSearchTerm(QStringLiteral("cafe au lait")), Error::None);
        for (int i = 0; i < 12; ++i)
            manager.addRecentSearchTerm(QStringLiteral("term %1").arg(i));
        const qint64 older = QDateTime::currentSecsSinceEpoch() - 3 * 86400;
        const QByteArray age
            = "UPDATE search_terms SET last_used = " + QByteArray::number(older) + " WHERE term = 'cafe au lait';";
        QVERIFY(execOn(roots.storePath(), age.constData()));
        Error::Type error;
        SearchHandle handle;
        const auto found = manager.findPlacesByGroup(SearchResultGroup::Recents, error, handle, QStringLiteral("cafe"),
                                                     0, 5, Coordinates());
        QCOMPARE(namesOf(found), QStringList { QStringLiteral("cafe au lait") });
        QCOMPARE(found.first()->lastUsedTime(), older);
    }

    void placesFollowTheSortRule_data()
    {
        QTest::addColumn<int>("field");
        QTest::addColumn<int>("order");
        QTest::addColumn<QStringList>("expected");
        const QString a = QStringLiteral("Stop Alpha");
        const QString b = QStringLiteral("Stop Bravo");
        const QString c = QStringLiteral("Stop Charlie");
        QTest::newRow("name, ascending") << int(SortRule::FieldName) << 0 << QStringList { a, b, c };
        QTest::newRow("name, descending") << int(SortRule::FieldName) << 1 << QStringList { c, b, a };
        QTest::newRow("last used, newest first") << int(SortRule::FieldLastUsed) << 1 << QStringList { a, c, b };
        QTest::newRow("last used, oldest first") << int(SortRule::FieldLastUsed) << 0 << QStringList { b, c, a };
        QTest::newRow("last modified, newest first")
            << int(SortRule::FieldLastModified) << 1 << QStringList { b, c, a };
        QTest::newRow("last modified, oldest first")
            << int(SortRule::FieldLastModified) << 0 << QStringList { a, c, b };
    }

    void placesFollowTheSortRule()
    {
        QFETCH(int, field);
        QFETCH(int, order);
        QFETCH(QStringList, expected);
        TestRoots roots;
        const qint64 base = QDateTime::currentSecsSinceEpoch() - 1000;
        // (last used, modified): Alpha (300, 100), Bravo (100, 300), Charlie (200, 200).
        const Place charlie = storedAt(QStringLiteral("Stop Charlie"), base + 200);
        const Place alpha = storedAt(QStringLiteral("Stop Alpha"), base + 300);
        const Place bravo = storedAt(QStringLiteral("Stop Bravo"), base + 100);
        const QByteArray modified = "UPDATE places SET modified = " + QByteArray::number(base)
            + " + 100 * CASE name WHEN 'Stop Alpha' THEN 1 WHEN 'Stop Bravo' THEN 3 ELSE 2 END;";
        QVERIFY(execOn(roots.storePath(), modified.constData()));
        const SortRule rule = SortRule::createSimpleSortRule(field, order);
        for (const QString &text : { QString(), QStringLiteral("stop") }) {
            PlaceManager manager;
            Error::Type error;
            SearchHandle handle;
            const QList<AbstractPlace *> found
                = manager.findPlaces(text, error, handle, rule, 0, 2, false, Coordinates());
            QStringList names;
            for (AbstractPlace *place : found)
                names.append(place->name());
            qDeleteAll(found);
            names += namesOf(InternalPlaceManager().findMorePlaces(handle, 5, error, -1));
            QCOMPARE(names, expected);
        }
    }

    void contactsFollowTheSortRule_data()
    {
        QTest::addColumn<int>("order");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("ascending") << 0 << QStringList { QStringLiteral("Ada Byron"), QStringLiteral("Grace Hopper") };
        QTest::newRow("descending") << 1 << QStringList { QStringLiteral("Grace Hopper"), QStringLiteral("Ada Byron") };
    }

    void contactsFollowTheSortRule()
    {
        QFETCH(int, order);
        QFETCH(QStringList, expected);
        TestRoots roots;
        StoreFixture::addContact(QStringLiteral("Grace"), QStringLiteral("Hopper"), QStringLiteral("1 Main Street"),
                                 QStringLiteral("Arlington"));
        StoreFixture::addContact(QStringLiteral("Ada"), QStringLiteral("Byron"), QStringLiteral("2 Main Street"),
                                 QStringLiteral("London"));
        for (const QString &text : { QString(), QStringLiteral("main") }) {
            Error::Type error;
            SearchHandle handle;
            const QList<PlaceHeader *> found = InternalPlaceManager().findContacts(
                error, handle, text, SortRule::createSimpleSortRule(SortRule::FieldName, order), 0, 10);
            QStringList names;
            for (PlaceHeader *place : found)
                names.append(place->name());
            qDeleteAll(found);
            QCOMPARE(names, expected);
        }
    }

    void contactsReadBackAsPlaces()
    {
        TestRoots roots;
        ContactStore store;
        hx::platform::places::ContactEntry contact
            = StoreFixture::addContact(QStringLiteral("Ada"), QStringLiteral("O'Neil"),
                                       QStringLiteral("12 King Street"), QStringLiteral("Waterloo"));
        QVERIFY(contact.id >= 1);
        QCOMPARE(store.contacts().size(), 1);
        QCOMPARE(store.contact(contact.id), contact);
        InternalPlaceManager manager;
        Error::Type error;
        std::unique_ptr<Place> place(
            manager.getPlaceFromContact(contact.accountId, contact.id, contact.addresses.first().id, error));
        QCOMPARE(error, Error::None);
        QVERIFY(place);
        QCOMPARE(place->name(), QStringLiteral("Ada O'Neil"));
        QCOMPARE(place->primaryAddress().street(), QStringLiteral("12 King Street"));
        QCOMPARE(place->primaryPhoneNumber(), QStringLiteral("+1 519 555 0100"));
        QVERIFY(place->hasAuxiliaryData(QLatin1String(AuxiliaryData::TypeContact)));
        QVERIFY(!place->isPersisted());
        QVERIFY(!manager.getPlaceFromContact(contact.accountId, contact.id + 1, contact.addresses.first().id, error));
        QCOMPARE(error, Error::NotFound);
        QCOMPARE(store.removeContact(contact.id), Error::None);
        QVERIFY(store.contacts().isEmpty());
    }
};

int main(int argc, char **argv)
{
    if (argc > 1 && qstrcmp(argv[1], "--writer") == 0) {
        QCoreApplication app(argc, argv);
        return runWriter();
    }
    if (argc > 2 && qstrcmp(argv[1], "--favoriter") == 0) {
        QCoreApplication app(argc, argv);
        return runFavoriter(QByteArray(argv[2]).toInt());
    }
    QCoreApplication app(argc, argv);
    tst_PlaceDatabase test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_placedatabase.moc"
