#include "locklines.h"
#include "twoprocessplaces.h"

#include <hx/platform/places/internalplacemanager.h>
#include <hx/platform/places/place.h>
#include <hx/platform/places/tags.h>
#include <hx/system/systemui.h>
#include <hx/trellan/places/placemanagerui.h>

#include "storefixture.h"
#include "storeintegrity.h"
#include "testroots.h"

#include <QtCore/QFile>
#include <QtCore/QHash>
#include <QtCore/QProcess>
#include <QtCore/QRandomGenerator>
#include <QtCore/QScopedPointer>
#include <QtCore/QTextStream>
#include <QtTest/QtTest>

using namespace hx::platform::places;
using namespace hx::test;
using hx::system::SystemUi;
using hx::trellan::places::PlaceManagerUI;

namespace {

int favoriteCount()
{
    Error::Type error = Error::None;
    SearchHandle handle;
    const QList<PlaceHeader *> favorites = PlaceManagerUI::findPlacesByTags({ QLatin1String(Tags::Favorite) }, error,
                                                                            handle, SortRule(), 0, 10000, false);
    const int count = error == Error::None ? favorites.size() : -1;
    qDeleteAll(favorites);
    return count;
}

} // namespace

// The picker card saves recent places in its own process while the application edits,
// favourites and unfavourites places of the same store.
class tst_TwoProcesses : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void pickerAndApplication_data();
    void pickerAndApplication();
};

void tst_TwoProcesses::init()
{
    twoprocesses::LockLines::start();
    SystemUi::clearHistory();
}

void tst_TwoProcesses::cleanup()
{
    twoprocesses::LockLines::stop();
    InternalPlaceManager::setFavoritesLimit(500);
}

void tst_TwoProcesses::pickerAndApplication_data()
{
    QTest::addColumn<int>("favoritesLimit");
    QTest::addColumn<int>("operations");

    QTest::newRow("room to spare") << 500 << 1000;
    QTest::newRow("limit reached again and again") << 8 << 1000;
}

void tst_TwoProcesses::pickerAndApplication()
{
    QFETCH(int, favoritesLimit);
    QFETCH(int, operations);

    TestRoots roots;
    QVERIFY(roots.isValid());
    InternalPlaceManager::setFavoritesLimit(favoritesLimit);

    // The shared places are recent ones, so that unfavouriting keeps them stored.
    QList<qint64> ids;
    for (int i = 0; i < twoprocesses::SHARED_PLACES; ++i) {
        const Place place = StoreFixture::addRecent(twoprocesses::sharedName(i), twoprocesses::sharedLatitude(i),
                                                    twoprocesses::sharedLongitude(i));
        QVERIFY(place.isPersisted());
        ids.append(place.id());
    }

    const quint32 seed = QRandomGenerator::global()->generate();
    qInfo("seed %u (the picker uses seed + 1)", seed);
    QRandomGenerator random(seed);

    QProcess picker;
    picker.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    const QString results = roots.path() + QStringLiteral("/picks.txt");
    picker.start(QStringLiteral(HX_RECENTSAVER_PATH),
                 { QString::number(operations), QString::number(seed + 1), results });
    QVERIFY2(picker.waitForStarted(), qPrintable(picker.errorString()));
    QVERIFY(picker.waitForReadyRead(60000));

    QHash<qint64, QString> expectedDescriptions;
    int edits = 0;
    int limitAnswers = 0;
    int pickerStillRunningAt = -1;
    for (int i = 0; i < operations; ++i) {
        const qint64 id = ids.at(random.bounded(ids.size()));
        Error::Type error = Error::None;
        QScopedPointer<Place> place(PlaceManagerUI::getPlace(id, error, true));
        QVERIFY2(place && error == Error::None, qPrintable(QStringLiteral("op %1: read error %2").arg(i).arg(error)));
        const int kind = random.bounded(3);
        if (kind == 0) {
            const QString description = QStringLiteral("edit %1").arg(i);
            place->setDescription(description);
            error = PlaceManagerUI::updatePlace(*place, true);
            QVERIFY2(error == Error::None, qPrintable(QStringLiteral("op %1: edit error %2").arg(i).arg(error)));
            expectedDescriptions.insert(id, description);
            ++edits;
        } else if (kind == 1) {
            if (place->isFavorite()) {
                error = PlaceManagerUI::removeFromFavorites(*place, true);
                QVERIFY2(error == Error::None,
                         qPrintable(QStringLiteral("op %1: unfavourite error %2").arg(i).arg(error)));
            }
        } else if (!place->isFavorite()) {
            // The limit answer is the user's own to see; anything else must not happen.
            error = PlaceManagerUI::addToFavorites(*place, false);
            QVERIFY2(error == Error::None || error == Error::FavoritesLimitReached,
                     qPrintable(QStringLiteral("op %1: favourite error %2").arg(i).arg(error)));
            if (error == Error::FavoritesLimitReached)
                ++limitAnswers;
        }
        const int favorites = favoriteCount();
        QVERIFY2(favorites >= 0 && favorites <= favoritesLimit,
                 qPrintable(QStringLiteral("op %1: %2 favourites").arg(i).arg(favorites)));
        if (pickerStillRunningAt < 0 && picker.state() == QProcess::NotRunning)
            pickerStillRunningAt = i;
    }
    qInfo("%d operations here (%d edits, %d limit answers), the picker ended after operation %d of ours", operations,
          edits, limitAnswers, pickerStillRunningAt < 0 ? operations : pickerStillRunningAt);

    QVERIFY(picker.waitForFinished(300000));
    const QString pickerOutput = QString::fromLocal8Bit(picker.readAllStandardOutput());
    QVERIFY2(picker.exitStatus() == QProcess::NormalExit && picker.exitCode() == 0, qPrintable(pickerOutput));

    // Nothing reached the user, and no lock was reported on this side either.
    QStringList shown;
    for (const hx::system::SystemUiRecord &record : SystemUi::history())
        shown.append(record.toText());
    QVERIFY2(shown.isEmpty(), qPrintable(shown.join(QLatin1Char('\n'))));
    const QStringList lockLines = twoprocesses::LockLines::lines();
    QVERIFY2(lockLines.isEmpty(), qPrintable(lockLines.join(QLatin1Char('\n'))));
    QCOMPARE(StoreIntegrity::check(roots.storePath()), QStringLiteral("ok"));

    // Every pick is stored under the id it was given, re-picks on the shared place itself.
    QFile file(results);
    QVERIFY(file.open(QIODevice::ReadOnly | QIODevice::Text));
    QTextStream in(&file);
    int picks = 0;
    while (!in.atEnd()) {
        const QStringList fields = in.readLine().split(QLatin1Char('\t'));
        QCOMPARE(fields.size(), 3);
        QCOMPARE(fields.at(2), QStringLiteral("0"));
        const qint64 id = fields.at(1).toLongLong();
        Error::Type error = Error::None;
        QScopedPointer<Place> stored(PlaceManagerUI::getPlace(id, error, false));
        QVERIFY2(stored, qPrintable(QStringLiteral("pick %1 (%2) is gone").arg(fields.at(0)).arg(id)));
        QCOMPARE(stored->name(), fields.at(0));
        QVERIFY2(stored->lastUsedTime() > 0, qPrintable(fields.at(0)));
        if (fields.at(0).startsWith(QLatin1String("Shared place ")))
            QVERIFY2(ids.contains(id), qPrintable(QStringLiteral("%1 was stored twice").arg(fields.at(0))));
        ++picks;
    }
    QCOMPARE(picks, operations);

    // Every shared place carries the application's last edit.
    for (auto it = expectedDescriptions.constBegin(); it != expectedDescriptions.constEnd(); ++it) {
        Error::Type error = Error::None;
        QScopedPointer<Place> stored(PlaceManagerUI::getPlace(it.key(), error, false));
        QVERIFY(stored);
        QCOMPARE(stored->description(), it.value());
    }
    QVERIFY(favoriteCount() <= favoritesLimit);
}

QTEST_MAIN(tst_TwoProcesses)
#include "tst_twoprocesses.moc"
