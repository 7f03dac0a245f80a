#include <hx/platform/places/internalplacemanager.h>
#include <hx/platform/places/internaltags.h>
#include <hx/platform/places/placemanager.h>
#include <hx/platform/places/placesearchmanager.h>
#include <hx/platform/places/pointofinterestauxiliarydata.h>
#include <hx/platform/places/tags.h>

#include <QtCore/QFile>
#include <QtTest/QtTest>

#include "signalwaiter.h"
#include "storefixture.h"
#include "testroots.h"

using namespace hx::platform::places;
using hx::test::SignalWaiter;
using hx::test::StoreFixture;
using hx::test::TestRoots;

namespace {
struct Reply
{
    Error::Type error;
    SearchResult result;
    bool done;
    int id;
};

QList<Reply> repliesOf(const QSignalSpy &spy)
{
    QList<Reply> replies;
    for (const QList<QVariant> &args : spy)
        replies.append({ args.at(0).value<Error::Type>(), args.at(1).value<SearchResult>(), args.at(2).toBool(),
                         args.at(3).toInt() });
    return replies;
}

QStringList namesOf(const QList<QSharedPointer<AbstractPlace>> &places)
{
    QStringList names;
    for (const auto &place : places)
        names.append(place->name());
    return names;
}
} // namespace

class tst_SearchManager : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void defaultGroupsAnswerOnePerGroupWithTheId()
    {
        TestRoots roots;
        StoreFixture::seedDefault();
        SearchManager manager;
        QSignalSpy spy(&manager, &SearchManager::resultAvailable);
        manager.search(QStringLiteral("wat"), Coordinates(), 41, QList<int>(), 0, 20);
        QCOMPARE(spy.count(), 0); // never inside search()
        QVERIFY(SignalWaiter::wait(spy, 5));
        QTest::qWait(20);
        const QList<Reply> replies = repliesOf(spy);
        QCOMPARE(replies.size(), 5);
        QList<int> groups;
        for (int i = 0; i < replies.size(); ++i) {
            QCOMPARE(replies.at(i).id, 41);
            QCOMPARE(replies.at(i).error, Error::None);
            QCOMPARE(replies.at(i).done, i == replies.size() - 1);
            groups.append(replies.at(i).result.group());
        }
        QCOMPARE(groups, QList<int>({ 7, 6, 10, 9, 11 }));
        QCOMPARE(namesOf(replies.at(0).result.places()), QStringList { QStringLiteral("Waterloo Station") });
        QCOMPARE(namesOf(replies.at(1).result.places()), QStringList { QStringLiteral("Ada Lovelace") });
    }

    void combinedListAsksForGroup14()
    {
        TestRoots roots;
        SearchManager manager;
        manager.setMyPlacesGroup(SearchResultGroup::MyPlacesGroup14);
        QSignalSpy spy(&manager, &SearchManager::resultAvailable);
        manager.search(QString(), Coordinates(), 1, QList<int>(), 0, 10);
        QVERIFY(SignalWaiter::wait(spy, 5));
        QCOMPARE(repliesOf(spy).first().result.group(), SearchResultGroup::MyPlacesGroup14);
    }

    void directReceiverIsNotReentered()
    {
        TestRoots roots;
        SearchManager manager;
        bool inside = false;
        bool reentered = false;
        int done = 0;
        connect(
            &manager, &SearchManager::resultAvailable, this,
            [&](Error::Type, const SearchResult &, bool last, int) {
                reentered = reentered || inside;
                done += last;
            },
            Qt::DirectConnection);
        inside = true;
        manager.search(QStringLiteral("x"), Coordinates(), 3, QList<int> { 4 }, 0, 10);
        inside = false;
        QVERIFY(SignalWaiter::waitFor([&] { return done == 1; }));
        QVERIFY(!reentered);
    }

    void errorsStillEndWithDone_data()
    {
        QTest::addColumn<bool>("corruptStore");
        QTest::addColumn<QList<int>>("groups");
        QTest::addColumn<int>("expectedError");
        QTest::newRow("an unknown group answers an error with done") << false << QList<int> { 99 } << 1;
        QTest::newRow("a refused store answers every group with done on the last")
            << true << QList<int> { 7, 4 } << int(Error::StorageRefused);
    }

    void errorsStillEndWithDone()
    {
        QFETCH(bool, corruptStore);
        QFETCH(QList<int>, groups);
        QFETCH(int, expectedError);
        TestRoots roots;
        if (corruptStore) {
            QFile file(roots.storePath());
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(QByteArray(4096, 'x'));
        }
        SearchManager manager;
        QSignalSpy spy(&manager, &SearchManager::resultAvailable);
        manager.search(QStringLiteral("a"), Coordinates(), 9, groups, 0, 10);
        QVERIFY(SignalWaiter::wait(spy, groups.size()));
        const QList<Reply> replies = repliesOf(spy);
        QCOMPARE(replies.size(), groups.size());
        QCOMPARE(int(replies.last().error), expectedError);
        QVERIFY(replies.last().done);
        QCOMPARE(replies.last().id, 9);
    }

    void pagingTellsExactlyWhetherMoreExist_data()
    {
        QTest::addColumn<int>("offset");
        QTest::addColumn<int>("limit");
        QTest::addColumn<int>("received");
        QTest::addColumn<bool>("more");
        QTest::newRow("the first page of 10 of 25 has more") << 0 << 10 << 10 << true;
        QTest::newRow("a page that ends exactly at the last has no more") << 15 << 10 << 10 << false;
        QTest::newRow("a page past the last is short and has no more") << 20 << 10 << 5 << false;
        QTest::newRow("a page beyond the end is empty") << 30 << 7 << 0 << false;
    }

    void pagingTellsExactlyWhetherMoreExist()
    {
        QFETCH(int, offset);
        QFETCH(int, limit);
        QFETCH(int, received);
        QFETCH(bool, more);
        TestRoots roots;
        for (int i = 0; i < 25; ++i)
            StoreFixture::addFavorite(QStringLiteral("Place %1").arg(i, 2, 10, QLatin1Char('0')), 40 + i * 0.1, -80);
        InternalPlaceManager manager;
        Error::Type error;
        SearchHandle handle;
        const auto places = manager.findPlacesByGroup(SearchResultGroup::Favorites, error, handle, QString(), offset,
                                                      limit, Coordinates());
        QCOMPARE(error, Error::None);
        QCOMPARE(places.size(), received);
        QCOMPARE(handle.hasMoreData(), more);
        if (received > 0)
            QCOMPARE(places.first()->name(), QStringLiteral("Place %1").arg(offset, 2, 10, QLatin1Char('0')));
    }

    void findMorePlacesContinuesTheHandle()
    {
        TestRoots roots;
        for (int i = 0; i < 12; ++i)
            StoreFixture::addContact(QStringLiteral("Person%1").arg(i, 2, 10, QLatin1Char('0')),
                                     QStringLiteral("Smith"), QStringLiteral("%1 Main Street").arg(i),
                                     QStringLiteral("Waterloo"));
        InternalPlaceManager manager;
        Error::Type error;
        SearchHandle handle;
        auto page
            = manager.findPlacesByGroup(SearchResultGroup::Contacts, error, handle, QString(), 0, 5, Coordinates());
        QCOMPARE(namesOf(page).first(), QStringLiteral("Person00 Smith"));
        QVERIFY(handle.hasMoreData());
        page = manager.findMorePlaces(handle, 5, error, -1);
        QCOMPARE(namesOf(page).first(), QStringLiteral("Person05 Smith"));
        QVERIFY(handle.hasMoreData());
        page = manager.findMorePlaces(handle, 5, error, -1);
        QCOMPARE(page.size(), 2);
        QVERIFY(!handle.hasMoreData());
        page = manager.findMorePlaces(handle, 3, error, 7);
        QCOMPARE(namesOf(page),
                 QStringList({ QStringLiteral("Person07 Smith"), QStringLiteral("Person08 Smith"),
                               QStringLiteral("Person09 Smith") }));
        QVERIFY(handle.hasMoreData());
        QVERIFY(dynamic_cast<const PlaceHeader *>(page.first().data()));
        QVERIFY(page.first()->hasAuxiliaryData(QLatin1String(AuxiliaryData::TypeContact)));
    }

    void nonFavoriteSearchLeavesFavoritesOut()
    {
        TestRoots roots;
        StoreFixture::addFavorite(QStringLiteral("Bakery Fav"), 1, 1);
        StoreFixture::addRecent(QStringLiteral("Bakery Picked"), 2, 2);
        InternalPlaceManager manager;
        Error::Type error;
        SearchHandle handle;
        QCOMPARE(
            namesOf(manager.findPlacesByGroup(7, error, handle, QStringLiteral("bak"), 0, 10, Coordinates())).size(),
            2);
        QCOMPARE(namesOf(manager.findNonFavoritePlacesByGroup(7, error, handle, QStringLiteral("bak"), 0, 10,
                                                              Coordinates())),
                 QStringList { QStringLiteral("Bakery Picked") });
    }

    void recentsGroupHoldsFullPlacesAndSearchTerms()
    {
        TestRoots roots;
        StoreFixture::addRecent(QStringLiteral("Picked"), 1, 1);
        InternalPlaceManager manager;
        QTest::qWait(1100);
        manager.addRecentSearchTerm(QStringLiteral("pizza"));
        manager.addRecentSearchTerm(QStringLiteral("Cafés"), QStringLiteral("AAA"));
        Error::Type error;
        SearchHandle handle;
        const auto places
            = manager.findPlacesByGroup(SearchResultGroup::Recents, error, handle, QString(), 0, 10, Coordinates());
        QCOMPARE(places.size(), 3);
        for (const auto &place : places)
            QVERIFY(dynamic_cast<const Place *>(place.data()));
        QCOMPARE(places.last()->name(), QStringLiteral("Picked"));
        int terms = 0, categories = 0;
        for (const auto &place : places) {
            terms += place->hasTag(QLatin1String(InternalTags::RecentSearchTerm));
            if (place->hasTag(QLatin1String(InternalTags::RecentSearchPointOfInterestCategory))) {
                ++categories;
                QCOMPARE(place->auxiliaryData().first().externalId(), QStringLiteral("AAA"));
            }
        }
        QCOMPARE(terms, 1);
        QCOMPARE(categories, 1);
    }

    void headersResolveToFullPlaces()
    {
        TestRoots roots;
        Place stored = StoreFixture::addFavorite(QStringLiteral("Museum"), 43.46, -80.52);
        StoreFixture::addContact(QStringLiteral("Grace"), QStringLiteral("Hopper"), QStringLiteral("9 Navy Road"),
                                 QStringLiteral("Arlington"));
        InternalPlaceManager internal;
        PlaceManager manager;
        Error::Type error;
        SearchHandle handle;
        for (int group : { 7, 6 }) {
            const auto rows = internal.findPlacesByGroup(group, error, handle, QString(), 0, 1, Coordinates());
            const PlaceHeader *header = dynamic_cast<const PlaceHeader *>(rows.value(0).data());
            QVERIFY(header);
            std::unique_ptr<Place> full(manager.getPlace(header, error));
            QCOMPARE(error, Error::None);
            QVERIFY(full);
            QCOMPARE(full->name(), header->name());
        }
        QVERIFY(!manager.getPlace(static_cast<const PlaceHeader *>(nullptr), error));
        QCOMPARE(error, Error::InvalidArgument);
        PlaceHeader gone;
        gone.setId(stored.id() + 100);
        QVERIFY(!manager.getPlace(gone, error));
        QCOMPARE(error, Error::NotFound);
    }

    void auxiliaryDataComesBackWithTheUserValue()
    {
        TestRoots roots;
        Place place = StoreFixture::makePlace(QStringLiteral("Diner"), 1, 1);
        PointOfInterestAuxiliaryData poi;
        poi.setRating(3.5);
        place.addAuxiliaryData(poi);
        PlaceManager().addPlace(place);
        PlaceSearchManager manager;
        QSignalSpy spy(&manager, &PlaceSearchManager::auxiliaryDataAvailable);
        QSharedPointer<AbstractPlace> shared(new Place(place));
        QCOMPARE(manager.requestAuxiliaryData(
                     { AuxiliaryDataRequest(shared, QLatin1String(AuxiliaryData::TypePointOfInterest), false, 4) },
                     QVariant(17)),
                 Error::None);
        QVERIFY(SignalWaiter::wait(spy));
        const auto replies = spy.first().at(0).value<QList<AuxiliaryDataReply>>();
        QCOMPARE(spy.first().at(1).toInt(), 17);
        QCOMPARE(replies.size(), 1);
        QCOMPARE(replies.first().userData().toInt(), 4);
        QCOMPARE(PointOfInterestAuxiliaryData(replies.first().data().value(0)).rating(), 3.5);
    }

    // Answers are looked up on a worker: they keep their order, and a manager destroyed while
    // one is being looked up neither crashes nor answers.
    void auxiliaryAnswersKeepOrderAndDieWithTheManager()
    {
        TestRoots roots;
        Place place = StoreFixture::makePlace(QStringLiteral("Diner"), 1, 1);
        PlaceManager().addPlace(place);
        QSharedPointer<AbstractPlace> shared(new Place(place));
        const QList<AuxiliaryDataRequest> requests = { AuxiliaryDataRequest(shared, QString(), false, 0) };
        {
            PlaceSearchManager manager;
            QSignalSpy spy(&manager, &PlaceSearchManager::auxiliaryDataAvailable);
            for (int id = 0; id < 20; ++id)
                QCOMPARE(manager.requestAuxiliaryData(requests, QVariant(id)), Error::None);
            QVERIFY(SignalWaiter::waitFor([&] { return spy.size() == 20; }));
            for (int id = 0; id < 20; ++id)
                QCOMPARE(spy.at(id).at(1).toInt(), id);
        }
        auto *doomed = new PlaceSearchManager;
        int answers = 0;
        connect(doomed, &PlaceSearchManager::auxiliaryDataAvailable, [&answers] { ++answers; });
        for (int id = 0; id < 50; ++id)
            doomed->requestAuxiliaryData(requests, QVariant(id));
        delete doomed;
        QCoreApplication::processEvents();
        QCOMPARE(answers, 0);
    }
};

QTEST_GUILESS_MAIN(tst_SearchManager)
#include "tst_searchmanager.moc"
