#include <hx/platform/places/internalplacemanager.h>
#include <hx/platform/places/placemanager.h>
#include <hx/platform/places/tags.h>

#include <QtTest/QtTest>

#include <memory>

#include "storefixture.h"
#include "testroots.h"

using namespace hx::platform::places;
using hx::test::StoreFixture;
using hx::test::TestRoots;

class tst_PlaceManager : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { InternalPlaceManager::setFavoritesLimit(500); }

    void addedPlaceReadsBack()
    {
        TestRoots roots;
        PlaceManager manager;
        Place place = StoreFixture::makePlace(QStringLiteral("Café Nord"), 43.5, -80.25, QStringLiteral("1 King St"));
        place.addTag(QStringLiteral("NAMEFIELD:2"));
        QCOMPARE(manager.addPlace(place), Error::None);
        QVERIFY(place.isPersisted());
        Error::Type error = Error::Unknown;
        std::unique_ptr<Place> back(manager.getPlace(place.id(), error));
        QCOMPARE(error, Error::None);
        QVERIFY(back);
        QCOMPARE(back->name(), place.name());
        QVERIFY(back->hasTag(QStringLiteral("NAMEFIELD:2")));
        QCOMPARE(back->location(0), place.location(0));
        // Adding the same stored place again is refused.
        QCOMPARE(manager.addPlace(*back), Error::AlreadyStored);
    }

    void freeTextTagsAreKeptAndRemoved()
    {
        TestRoots roots;
        PlaceManager manager;
        Place place = StoreFixture::addFavorite(QStringLiteral("Park"), 43.48, -80.56);
        place.addTag(QStringLiteral("NAMEFIELD:0"));
        place.addTag(QStringLiteral("anything at all, with spaces"));
        QCOMPARE(manager.updatePlace(place), Error::None);
        Error::Type error;
        std::unique_ptr<Place> back(manager.getPlace(place.id(), error));
        QVERIFY(back->hasTag(QStringLiteral("anything at all, with spaces")));
        back->removeTag(QStringLiteral("NAMEFIELD:0"));
        QCOMPARE(manager.updatePlace(*back), Error::None);
        back.reset(manager.getPlace(place.id(), error));
        QVERIFY(!back->hasTag(QStringLiteral("NAMEFIELD:0")));
        QVERIFY(back->isFavorite());
    }

    void removedPlaceIsGone()
    {
        TestRoots roots;
        PlaceManager manager;
        Place place = StoreFixture::addFavorite(QStringLiteral("Gone"), 1, 1);
        QCOMPARE(manager.removePlace(place.id()), Error::None);
        Error::Type error = Error::None;
        QVERIFY(!manager.getPlace(place.id(), error));
        QCOMPARE(error, Error::NotFound);
        QCOMPARE(manager.removePlace(place.id()), Error::NotFound);
        QCOMPARE(manager.updatePlace(place), Error::NotFound);
    }

    void favoritesAreLimited()
    {
        TestRoots roots;
        InternalPlaceManager::setFavoritesLimit(2);
        InternalPlaceManager internal;
        PlaceManager manager;
        StoreFixture::addFavorite(QStringLiteral("One"), 1, 1);
        Place second = StoreFixture::makePlace(QStringLiteral("Two"), 2, 2);
        QCOMPARE(internal.fav(second), Error::None);
        QVERIFY(second.isPersisted());
        QCOMPARE(internal.fav(second), Error::AlreadyStored);
        Place third = StoreFixture::makePlace(QStringLiteral("Three"), 3, 3);
        QCOMPARE(internal.fav(third), Error::FavoritesLimitReached);
        third.addTag(QLatin1String(Tags::Favorite));
        QCOMPARE(manager.addPlace(third), Error::FavoritesLimitReached);
        QVERIFY(!third.isPersisted());
        // Unfavouring makes room again.
        QCOMPARE(internal.unfav(second), Error::None);
        QVERIFY(!second.isFavorite());
        QCOMPARE(manager.addPlace(third), Error::None);
    }

    void unfavouredPlaceKeptOnlyWhenItHasAnotherReason()
    {
        TestRoots roots;
        InternalPlaceManager internal;
        PlaceManager manager;
        Place onlyFavorite = StoreFixture::addFavorite(QStringLiteral("Only"), 1, 1);
        Place picked = StoreFixture::addRecent(QStringLiteral("Picked"), 2, 2);
        QCOMPARE(internal.fav(picked), Error::None);
        QCOMPARE(internal.unfav(onlyFavorite), Error::None);
        QCOMPARE(internal.unfav(picked), Error::None);
        Error::Type error;
        QVERIFY(!std::unique_ptr<Place>(manager.getPlace(onlyFavorite.id(), error)));
        std::unique_ptr<Place> kept(manager.getPlace(picked.id(), error));
        QVERIFY(kept);
        QVERIFY(!kept->isFavorite());
        // Undo: the removed favourite comes back as a new place.
        QCOMPARE(internal.fav(onlyFavorite), Error::None);
        QVERIFY(onlyFavorite.isPersisted());
    }

    void recentPicks_data()
    {
        QTest::addColumn<double>("offset");
        QTest::addColumn<int>("expected");
        QTest::newRow("the same name 0.002 degrees away is already stored") << 0.002 << int(Error::AlreadyStored);
        QTest::newRow("the same name 0.5 degrees away is a new place") << 0.5 << int(Error::None);
    }

    void recentPicks()
    {
        QFETCH(double, offset);
        QFETCH(int, expected);
        TestRoots roots;
        PlaceManager manager;
        Place stored = StoreFixture::addRecent(QStringLiteral("Market"), 43.45, -80.49);
        QVERIFY(stored.lastUsedTime() > 0);
        Place picked = StoreFixture::makePlace(QStringLiteral("Market"), 43.45 + offset, -80.49);
        QCOMPARE(int(manager.addRecentlyPickedPlace(picked)), expected);
        // A stored place is simply marked as used again.
        QCOMPARE(manager.addRecentlyPickedPlace(stored), Error::None);
    }

    void recentlyPickedNewestFirstAndCleared()
    {
        TestRoots roots;
        InternalPlaceManager internal;
        PlaceManager manager;
        Place first = StoreFixture::addRecent(QStringLiteral("First"), 1, 1);
        Place second = StoreFixture::addRecent(QStringLiteral("Second"), 2, 2);
        Place favorite = StoreFixture::addFavorite(QStringLiteral("Fav"), 3, 3);
        // A later pick of the first moves it to the top (times are whole seconds).
        first.setLastUsedTime(0);
        QTest::qWait(1100);
        QCOMPARE(manager.addRecentlyPickedPlace(first), Error::None);
        QCOMPARE(manager.addRecentlyPickedPlace(favorite), Error::None);
        Error::Type error;
        SearchHandle handle;
        QList<PlaceHeader *> recents = internal.findRecentlyPickedPlaces(error, handle, 0, 10);
        QCOMPARE(recents.size(), 3);
        QCOMPARE(recents.at(2)->name(), QStringLiteral("Second"));
        qDeleteAll(recents);
        QCOMPARE(internal.addRecentSearchTerm(QStringLiteral("coffee")), Error::None);
        QCOMPARE(internal.getRecentSearchTerms(QString(), error), QStringList { QStringLiteral("coffee") });

        QCOMPARE(internal.clearRecentlyPickedPlaces(), Error::None);
        recents = internal.findRecentlyPickedPlaces(error, handle, 0, 10);
        QVERIFY(recents.isEmpty());
        QVERIFY(internal.getRecentSearchTerms(QString(), error).isEmpty());
        // The favourite stays; places kept only as picks go.
        QVERIFY(std::unique_ptr<Place>(manager.getPlace(favorite.id(), error)));
        QVERIFY(!std::unique_ptr<Place>(manager.getPlace(second.id(), error)));
    }

    void homeLookupFindsOneNewest()
    {
        TestRoots roots;
        PlaceManager manager;
        StoreFixture::addHome(QStringLiteral("Old home"), 1, 1);
        QTest::qWait(1100);
        StoreFixture::addHome(QStringLiteral("New home"), 2, 2);
        StoreFixture::addWork(QStringLiteral("Office"), 3, 3);
        Error::Type error;
        SearchHandle handle;
        QList<PlaceHeader *> homes = manager.findPlacesByTags({ QLatin1String(Tags::MyHome) }, error, handle,
                                                              SortRule::createSimpleSortRule(1, 1), 0, 1);
        QCOMPARE(error, Error::None);
        QCOMPARE(homes.size(), 1);
        QCOMPARE(homes.first()->name(), QStringLiteral("New home"));
        QVERIFY(handle.hasMoreData());
        qDeleteAll(homes);
    }

    void equivalentPlaces()
    {
        TestRoots roots;
        PlaceManager manager;
        Place stored = StoreFixture::addFavorite(QStringLiteral("Library"), 43.0, -80.0);
        StoreFixture::addFavorite(QStringLiteral("Library"), 44.0, -80.0);
        QCOMPARE(
            manager.findEquivalentPlaces(StoreFixture::makePlace(QStringLiteral("library"), 43.0004, -80.0), 0).size(),
            1);
        QCOMPARE(
            manager.findEquivalentPlaces(StoreFixture::makePlace(QStringLiteral("Library"), 43.01, -80.0), 0).size(),
            0);
        QCOMPARE(
            manager.findEquivalentPlaces(StoreFixture::makePlace(QStringLiteral("Libraries"), 43.0, -80.0), 0).size(),
            0);
        QCOMPARE(manager.findEquivalentPlaces(stored, 0).first()->id(), stored.id());
    }

    void textIsBoundNotInterpreted_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("a quote in a name is kept") << QStringLiteral("O'Connell's Pub");
        QTest::newRow("percent signs and underscores are kept") << QStringLiteral("100% _cotton_");
        QTest::newRow("statement text is only text") << QStringLiteral("x'); DROP TABLE places; --");
        QTest::newRow("invalid UTF-8 is stored as replacement text")
            << QString::fromUtf8(QByteArray("caf\xc3\x28 \xff", 7));
    }

    void textIsBoundNotInterpreted()
    {
        QFETCH(QString, name);
        TestRoots roots;
        PlaceManager manager;
        StoreFixture::addFavorite(QStringLiteral("Other"), 1, 1);
        Place place = StoreFixture::addFavorite(name, 2, 2);
        QVERIFY(place.isPersisted());
        Error::Type error;
        std::unique_ptr<Place> back(manager.getPlace(place.id(), error));
        QCOMPARE(back->name(), name);
        SearchHandle handle;
        QList<AbstractPlace *> found = manager.findPlaces(name, error, handle, SortRule(), 0, 10, false, Coordinates());
        QCOMPARE(error, Error::None);
        QVERIFY(!found.isEmpty());
        QCOMPARE(found.first()->name(), name);
        qDeleteAll(found);
        found = manager.findPlaces(QStringLiteral("%"), error, handle, SortRule(), 0, 10, false, Coordinates());
        QVERIFY(found.isEmpty()); // a percent sign is no wildcard
        found = manager.findPlaces(QString(), error, handle, SortRule(), 0, 10, false, Coordinates());
        QCOMPARE(found.size(), 2);
        qDeleteAll(found);
    }
};

QTEST_GUILESS_MAIN(tst_PlaceManager)
#include "tst_placemanager.moc"
