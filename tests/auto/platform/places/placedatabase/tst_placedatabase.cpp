#include <hx/platform/places/contactstore.h>
#include <hx/platform/places/internalplacemanager.h>
#include <hx/platform/places/placemanager.h>

#include <QtCore/QCoreApplication>
#include <QtCore/QCryptographicHash>
#include <QtCore/QFile>
#include <QtCore/QProcess>
#include <QtCore/QRandomGenerator>
#include <QtCore/QThread>
#include <QtTest/QtTest>

#include <sqlite3.h>
#include <sys/stat.h>

#include <cstdio>
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
} // namespace

class tst_PlaceDatabase : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void refusedFilesAreLeftUntouched_data()
    {
        QTest::addColumn<QByteArray>("kind");
        QTest::newRow("a file that is not a database is refused") << QByteArray("garbage");
        QTest::newRow("a database with a damaged page is refused") << QByteArray("damaged");
        QTest::newRow("a store from a newer version is refused") << QByteArray("newer");
    }

    void refusedFilesAreLeftUntouched()
    {
        QFETCH(QByteArray, kind);
        TestRoots roots;
        const QString path = roots.storePath();
        if (kind == "garbage") {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(QByteArray("not a store at all\n").repeated(300));
        } else {
            sqlite3 *db = nullptr;
            QCOMPARE(sqlite3_open(QFile::encodeName(path).constData(), &db), SQLITE_OK);
            sqlite3_exec(db, "CREATE TABLE t(x); INSERT INTO t VALUES(randomblob(5000));", nullptr, nullptr, nullptr);
            if (kind == "newer")
                sqlite3_exec(db, "PRAGMA user_version=99", nullptr, nullptr, nullptr);
            sqlite3_close(db);
            if (kind == "damaged") {
                QFile file(path);
                QVERIFY(file.open(QIODevice::ReadWrite));
                file.seek(4096 + 8); // inside the second page's header
                file.write(QByteArray(64, '\xee'));
            }
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
    QCoreApplication app(argc, argv);
    tst_PlaceDatabase test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_placedatabase.moc"
