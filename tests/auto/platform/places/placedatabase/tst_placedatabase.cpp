#include <hx/platform/places/contactstore.h>
#include <hx/platform/places/internalplacemanager.h>
#include <hx/platform/places/placemanager.h>

#include <QtCore/QCoreApplication>
#include <QtCore/QCryptographicHash>
#include <QtCore/QFile>
#include <QtCore/QProcess>
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

    void killedWriterLosesNoCommittedPlace()
    {
        TestRoots roots;
        QProcess writer;
        writer.setProcessChannelMode(QProcess::SeparateChannels);
        writer.start(QCoreApplication::applicationFilePath(), { QStringLiteral("--writer") });
        QVERIFY(writer.waitForStarted());
        QList<qint64> committed;
        QByteArray pending;
        QElapsedTimer timer;
        timer.start();
        while (committed.size() < 60 && timer.elapsed() < 20000) {
            writer.waitForReadyRead(1000);
            pending += writer.readAllStandardOutput();
            int newline;
            while ((newline = pending.indexOf('\n')) >= 0) {
                committed.append(pending.left(newline).toLongLong());
                pending.remove(0, newline + 1);
            }
        }
        writer.kill(); // SIGKILL, in the middle of its write loop
        QVERIFY(writer.waitForFinished());
        QVERIFY(committed.size() >= 60);
        PlaceManager manager;
        for (qint64 id : qAsConst(committed)) {
            Error::Type error;
            std::unique_ptr<Place> place(manager.getPlace(id, error));
            QVERIFY2(place, qPrintable(QStringLiteral("place %1 lost").arg(id)));
        }
        // The store stays usable after the crash.
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
