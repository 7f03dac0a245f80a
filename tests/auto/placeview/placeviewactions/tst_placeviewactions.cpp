#include <hx/platform/places/internalplacemanager.h>
#include <hx/platform/places/placemanager.h>
#include <hx/system/invokemanager.h>
#include <hx/system/systemui.h>
#include <hx/trellan/places/favaction.h>
#include <hx/trellan/places/homeworkcache.h>
#include <hx/trellan/places/myhomeaction.h>
#include <hx/trellan/places/myworkaction.h>
#include <hx/trellan/places/shareaction.h>
#include <hx/trellan/testdriver.h>

#include <QtCore/QFile>
#include <QtCore/QJsonDocument>
#include <QtCore/QJsonObject>
#include <QtTest/QtTest>

#include "storefixture.h"
#include "testroots.h"

using namespace hx::platform::places;
using namespace hx::trellan::places;
using hx::system::InvokeManager;
using hx::system::SystemUi;
using hx::test::StoreFixture;
using hx::test::TestRoots;
using hx::trellan::TestDriver;

namespace {

// The actionName of every usage event written so far.
QStringList loggedActions(const QString &path)
{
    QStringList actions;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return actions;
    for (const QByteArray &line : file.readAll().split('\n')) {
        const QJsonObject fields = QJsonDocument::fromJson(line).object().value(QStringLiteral("fields")).toObject();
        if (fields.contains(QStringLiteral("actionName")))
            actions.append(fields.value(QStringLiteral("actionName")).toString());
    }
    return actions;
}

bool storedAsFavorite(qint64 id)
{
    PlaceManager manager;
    Error::Type error = Error::None;
    QScopedPointer<Place> place(manager.getPlace(id, error));
    return place && place->isFavorite();
}

void closeAllDialogs()
{
    while (SystemUi::visibleCount() > 0 && !SystemUi::top().buttons.isEmpty())
        SystemUi::pressButton(SystemUi::top().buttons.last().label);
}

} // namespace

class tst_PlaceViewActions : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void favoriteTogglesTheStore_data();
    void favoriteTogglesTheStore();
    void favoritesLimitShowsTheStoreDialog();
    void shareSendsThePlaceQuery();
    void shareFollowsCoordinates();
    void homeAndWorkTitlesFollowTheStore();
};

void tst_PlaceViewActions::init()
{
    InvokeManager::clearRecordedRequests();
    HomeWorkCache::setDirty(HomeWorkCache::All);
}

void tst_PlaceViewActions::cleanup()
{
    InternalPlaceManager::setFavoritesLimit(500);
    closeAllDialogs();
}

void tst_PlaceViewActions::favoriteTogglesTheStore_data()
{
    QTest::addColumn<QString>("stored"); // "recent", "favorite" or "new"
    QTest::addColumn<bool>("favoriteAfter");
    QTest::addColumn<QString>("titleAfterTap");

    QTest::newRow("a recent place becomes a favourite") << "recent" << true << "Unfavorite";
    QTest::newRow("a favourite is unfavoured") << "favorite" << false << "Favorite";
    QTest::newRow("a place not yet stored is stored as a favourite") << "new" << true << "Unfavorite";
}

void tst_PlaceViewActions::favoriteTogglesTheStore()
{
    QFETCH(QString, stored);
    QFETCH(bool, favoriteAfter);
    QFETCH(QString, titleAfterTap);

    TestRoots roots;
    Place record;
    if (stored == QLatin1String("recent"))
        record = StoreFixture::addRecent(QStringLiteral("Kitchener Market"), 43.45, -80.49);
    else if (stored == QLatin1String("favorite"))
        record = StoreFixture::addFavorite(QStringLiteral("Kitchener Market"), 43.45, -80.49);
    else
        record = StoreFixture::makePlace(QStringLiteral("Kitchener Market"), 43.45, -80.49);
    QSharedPointer<Place> place(new Place(record));

    FavAction action(place->isFavorite());
    QSignalSpy favorite(&action, &FavAction::favorite);
    QVERIFY(action.trigger());
    QCOMPARE(action.title(), titleAfterTap);
    QCOMPARE(action.objectName(),
             favoriteAfter ? QStringLiteral("UnfavoriteAction") : QStringLiteral("FavoriteAction"));

    action.handle(place);
    QCOMPARE(favorite.size(), 1);
    QCOMPARE(favorite.first().first().toBool(), favoriteAfter);
    QVERIFY(place->id() > 0);
    QCOMPARE(storedAsFavorite(place->id()), favoriteAfter);
    QCOMPARE(loggedActions(roots.eventLogPath()),
             QStringList(favoriteAfter ? QStringLiteral("favorite") : QStringLiteral("unfavorite")));
}

void tst_PlaceViewActions::favoritesLimitShowsTheStoreDialog()
{
    TestRoots roots;
    StoreFixture::addFavorite(QStringLiteral("Waterloo Park"), 43.46, -80.53);
    InternalPlaceManager::setFavoritesLimit(1);
    QSharedPointer<Place> place(new Place(StoreFixture::addRecent(QStringLiteral("Uptown"), 43.47, -80.52)));

    FavAction action(false);
    QSignalSpy favorite(&action, &FavAction::favorite);
    QVERIFY(action.trigger());
    QTest::ignoreMessage(QtWarningMsg, "hx::trellan::places::FavAction::handle(): error in faving place,13");
    action.handle(place);

    QTRY_COMPARE(SystemUi::top().title, QStringLiteral("Maximum Limit Reached"));
    QVERIFY2(TestDriver::pressDialogButton(QStringLiteral("OK")), qPrintable(TestDriver::lastError()));
    QTRY_COMPARE(SystemUi::visibleCount(), 0);
    QVERIFY(favorite.isEmpty());
    QVERIFY(!storedAsFavorite(place->id()));
    QVERIFY(loggedActions(roots.eventLogPath()).isEmpty());
}

void tst_PlaceViewActions::shareSendsThePlaceQuery()
{
    TestRoots roots;
    QSharedPointer<Place> place(new Place(StoreFixture::addFavorite(QStringLiteral("Café Pyrus"), 43.4643, -80.5204)));
    ShareAction action(place);
    QCOMPARE(action.objectName(), QStringLiteral("ShareAction"));
    QCOMPARE(action.title(), QStringLiteral("Share"));
    QVERIFY(action.isEnabled());
    QVERIFY(action.trigger());
    QTRY_COMPARE(InvokeManager::recordedRequests().size(), 1);
    const auto request = InvokeManager::recordedRequests().first();
    QCOMPARE(request.action(), QStringLiteral("hx.action.SHARE"));
    QVERIFY2(request.uri().toString().startsWith(QStringLiteral("geo:43.464300,-80.520400")),
             qPrintable(request.uri().toString()));
    QVERIFY2(request.uri().toString(QUrl::FullyEncoded).contains(QStringLiteral(";name=Caf%C3%A9%20Pyrus")),
             qPrintable(request.uri().toString(QUrl::FullyEncoded)));
    QCOMPARE(request.metadata().value(QStringLiteral("name")).toString(), QStringLiteral("Café Pyrus"));
}

void tst_PlaceViewActions::shareFollowsCoordinates()
{
    QSharedPointer<Place> unlocated(new Place);
    unlocated->setName(QStringLiteral("Somewhere"));
    ShareAction action(unlocated);
    QVERIFY(!action.isEnabled());
    QVERIFY(!action.trigger());

    QSharedPointer<Place> geocoded(new Place(StoreFixture::makePlace(QStringLiteral("Somewhere"), 43.5, -80.5)));
    action.update(geocoded);
    QVERIFY(action.isEnabled());
    QVERIFY(action.trigger());
    QTRY_COMPARE(InvokeManager::recordedRequests().size(), 1);
    QVERIFY(InvokeManager::recordedRequests().first().uri().toString().startsWith(
        QStringLiteral("geo:43.500000,-80.500000")));

    action.update(QSharedPointer<Place>());
    QVERIFY(!action.isEnabled());
}

void tst_PlaceViewActions::homeAndWorkTitlesFollowTheStore()
{
    TestRoots roots;
    MyHomeAction home;
    MyWorkAction work;
    QCOMPARE(home.title(), QStringLiteral("Add Home"));
    QCOMPARE(home.objectName(), QStringLiteral("AddHome"));
    QCOMPARE(work.title(), QStringLiteral("Add Work"));

    const Place stored = StoreFixture::addHome(QStringLiteral("Home"), 43.47, -80.54);
    HomeWorkCache::setDirty(HomeWorkCache::Home);
    home.updateTitle();
    work.updateTitle();
    QCOMPARE(home.title(), QStringLiteral("Edit Home"));
    QCOMPARE(home.objectName(), QStringLiteral("EditHome"));
    QCOMPARE(work.title(), QStringLiteral("Add Work"));
    QCOMPARE(work.objectName(), QStringLiteral("AddWork"));

    StoreFixture::addWork(QStringLiteral("Office"), 43.48, -80.53);
    PlaceManager manager;
    QCOMPARE(manager.removePlace(stored.id()), Error::None);
    HomeWorkCache::setDirty(HomeWorkCache::All);
    home.updateTitle();
    work.updateTitle();
    QCOMPARE(home.title(), QStringLiteral("Add Home"));
    QCOMPARE(work.title(), QStringLiteral("Edit Work"));
    QCOMPARE(work.objectName(), QStringLiteral("EditWork"));
}

QTEST_MAIN(tst_PlaceViewActions)
#include "tst_placeviewactions.moc"
