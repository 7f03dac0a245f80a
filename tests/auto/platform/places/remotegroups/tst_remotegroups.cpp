#include <hx/platform/places/gazetteerwriter.h>
#include <hx/platform/places/internalplacemanager.h>
#include <hx/platform/places/internaltags.h>
#include <hx/platform/places/placemanager.h>
#include <hx/platform/places/placesearchmanager.h>
#include <hx/platform/places/pointofinterestauxiliarydata.h>
#include <hx/platform/places/searchmanager.h>
#include <hx/platform/places/tags.h>

#include <QtTest/QtTest>

#include <algorithm>
#include <memory>

#include "gazetteerfixture.h"
#include "signalwaiter.h"
#include "testroots.h"

using namespace hx::platform::places;
using hx::test::GazetteerFixture;
using hx::test::SignalWaiter;
using hx::test::TestRoots;

namespace {
GazetteerEntry entry(GazetteerEntry::Kind kind, const QString &name, double latitude, double longitude,
                     const QString &category = QString(), double importance = 0)
{
    GazetteerEntry e = GazetteerFixture::entry(kind, name, latitude, longitude, importance);
    e.category = category;
    e.city = kind == GazetteerEntry::Locality ? QString() : QStringLiteral("Waterloo");
    e.region = QStringLiteral("Ontario");
    e.country = QStringLiteral("Canada");
    e.countryCode = QStringLiteral("CA");
    if (kind == GazetteerEntry::Address)
        e.street = name;
    return e;
}

bool writeGazetteer(const QString &path)
{
    GazetteerWriter writer(path);
    if (!writer.begin(GazetteerWriter::Replace))
        return false;
    writer.add(entry(GazetteerEntry::Locality, QStringLiteral("Waterloo"), 43.4668, -80.5164, QString(), 100000));
    writer.add(entry(GazetteerEntry::Locality, QStringLiteral("Kitchener"), 43.4516, -80.4925, QString(), 200000));
    writer.add(entry(GazetteerEntry::Address, QStringLiteral("200 University Avenue West"), 43.4723, -80.5449));
    for (int i = 0; i < 15; ++i)
        writer.add(entry(GazetteerEntry::PointOfInterest, QStringLiteral("Waterloo Café %1").arg(i), 43.46 + i * 0.001,
                         -80.52, QStringLiteral("CAF")));
    writer.add(entry(GazetteerEntry::PointOfInterest, QStringLiteral("Region of Waterloo Airport"), 43.4608, -80.3786,
                     QStringLiteral("AIRPORT")));
    GazetteerEntry rated
        = entry(GazetteerEntry::PointOfInterest, QStringLiteral("Rated Diner"), 43.47, -80.52, QStringLiteral("FOOD"));
    rated.rating = 4.5;
    rated.ratingCount = 87;
    writer.add(rated);
    writer.add(
        entry(GazetteerEntry::PointOfInterest, QStringLiteral("Unrated Diner"), 43.47, -80.53, QStringLiteral("FOOD")));
    writer.addCategory(QStringLiteral("CAF"), QStringLiteral("Cafés"));
    return writer.commit();
}

QList<QSharedPointer<AbstractPlace>> group(int number, const QString &text, const Coordinates &near, int offset,
                                           int limit, SearchHandle *handle = nullptr, Error::Type *error = nullptr)
{
    InternalPlaceManager manager;
    SearchHandle local;
    Error::Type localError;
    return manager.findPlacesByGroup(number, error ? *error : localError, handle ? *handle : local, text, offset, limit,
                                     near);
}
} // namespace

class tst_RemoteGroups : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestRoots> m_roots;

private Q_SLOTS:
    void init()
    {
        m_roots.reset(new TestRoots);
        QVERIFY(writeGazetteer(m_roots->gazetteerPath()));
    }
    void cleanup() { m_roots.reset(); }

    void typedCityNamesGeocodeToFullPlaces()
    {
        const auto places = group(SearchResultGroup::Addresses, QStringLiteral("waterl"), Coordinates(), 0, 30);
        QVERIFY(!places.isEmpty());
        const Place *first = dynamic_cast<const Place *>(places.first().data());
        QVERIFY(first);
        QCOMPARE(first->name(), QStringLiteral("Waterloo"));
        QCOMPARE(first->location(0).address().city(), QStringLiteral("Waterloo"));
        QVERIFY(first->location(0).coordinates().isValid());
        QCOMPARE(first->certainty(), 4);
        for (const auto &place : places)
            QVERIFY(!place->hasAuxiliaryData(QLatin1String(AuxiliaryData::TypePointOfInterest)));
    }

    void addressesFallBackToTheTownTheyName_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<Coordinates>("near");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("region");
        QTest::addColumn<QString>("level");
        QTest::addColumn<double>("accuracy");
        const Coordinates kitchener(43.45, -80.49);
        QTest::newRow("a known address matches at its own level")
            << "200 University Avenue West" << kitchener << "200 University Avenue West"
            << "Ontario"
            << "address" << 25.0;
        QTest::newRow("an unknown street in a town: the town nearest the user")
            << "12 King Street, Waterloo" << kitchener << "Waterloo"
            << "Ontario"
            << "town" << 5000.0;
        QTest::newRow("an unknown street in a town, no position: the largest town of the name")
            << "12 King Street, Waterloo" << Coordinates() << "Waterloo"
            << "Wallonia"
            << "town" << 5000.0;
        QTest::newRow("region, country and postal code after the town choose among its namesakes")
            << "12 King Street Waterloo Ontario Canada N2L 3G1" << Coordinates() << "Waterloo"
            << "Ontario"
            << "town" << 5000.0;
        QTest::newRow("a country after the town outweighs nearness")
            << "Rue de la Loi 16, Waterloo Belgium" << kitchener << "Waterloo"
            << "Wallonia"
            << "town" << 5000.0;
        QTest::newRow("a street word of the address names a town elsewhere: the town around the user")
            << "8 King St N" << kitchener << "Waterloo"
            << "Ontario"
            << "town" << 5000.0;
        QTest::newRow("a town named like a street word is no town of an address")
            << "12 Street" << kitchener << "Waterloo"
            << "Ontario"
            << "town" << 5000.0;
        QTest::newRow("a known street without its house number")
            << "99 Erb Street West" << kitchener << "Erb Street West"
            << "Ontario"
            << "street" << 250.0;
        QTest::newRow("a known address with its house number after the street")
            << "Königstraße 12b" << kitchener << "Königstraße 12b"
            << "Ontario"
            << "address" << 25.0;
        QTest::newRow("a known street with accents, without its house number")
            << "7 Chemin de l'Église" << kitchener << "Chemin de l'Église"
            << "Ontario"
            << "street" << 250.0;
        QTest::newRow("an unknown street in a town the data does not know: not the user's town")
            << "9 Nowhere Lane, Atlantis" << kitchener << QString() << QString() << QString() << 0.0;
        QTest::newRow("an unknown street named by no town, no position")
            << "8 King St N" << Coordinates() << QString() << QString() << QString() << 0.0;
        QTest::newRow("nothing at any level")
            << "nowhere at all" << kitchener << QString() << QString() << QString() << 0.0;
    }

    void addressesFallBackToTheTownTheyName()
    {
        QFETCH(QString, text);
        QFETCH(Coordinates, near);
        QFETCH(QString, name);
        QFETCH(QString, region);
        QFETCH(QString, level);
        QFETCH(double, accuracy);
        const auto town = [](const QString &name, double latitude, double longitude, double importance,
                             const QString &region, const QString &country, const QString &code) {
            GazetteerEntry e = entry(GazetteerEntry::Locality, name, latitude, longitude, QString(), importance);
            e.region = region;
            e.country = country;
            e.countryCode = code;
            return e;
        };
        QVERIFY(GazetteerFixture::write(
            m_roots->gazetteerPath(),
            { town("Waterloo", 43.4668, -80.5164, 100000, "Ontario", "Canada", "CA"),
              town("Waterloo", 50.7147, 4.3991, 300000, "Wallonia", "Belgium", "BE"),
              town("King", 43.96, -79.6, 20000, "Ontario", "Canada", "CA"),
              town("Street", 51.12, -2.74, 12000, "England", "United Kingdom", "GB"),
              town("Ontario", 34.06, -117.65, 170000, "California", "United States", "US"),
              entry(GazetteerEntry::Address, QStringLiteral("200 University Avenue West"), 43.4723, -80.5449),
              entry(GazetteerEntry::Address, QStringLiteral("Erb Street West"), 43.4636, -80.5256),
              entry(GazetteerEntry::Address, QStringLiteral("Königstraße 12b"), 43.4650, -80.5230),
              entry(GazetteerEntry::Address, QStringLiteral("Chemin de l'Église"), 43.4610, -80.5200) }));

        const auto places = group(SearchResultGroup::Addresses, text, near, 0, 30);
        if (name.isEmpty()) {
            QVERIFY(places.isEmpty());
            return;
        }
        QCOMPARE(places.size(), 1);
        const Place *found = dynamic_cast<const Place *>(places.first().data());
        QVERIFY(found);
        QCOMPARE(found->name(), name);
        QCOMPARE(found->location(0).address().region(), region);
        QVERIFY(found->location(0).coordinates().isValid());
        QCOMPARE(double(found->location(0).coordinates().horizontalAccuracy()), accuracy);
        QCOMPARE(found->auxiliaryData().value(0).property(QStringLiteral("geocodedLevel")).toString(), level);
    }

    void placesAroundTheUserComeFirst_data()
    {
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("first");
        const int pois = SearchResultGroup::PointsOfInterest;
        const int suggestions = SearchResultGroup::Suggestions;
        QTest::newRow("a category word lists that category's places nearest first")
            << pois << "cafe" << QStringList { "Lumen Coffee House", "Princess Cafe" };
        QTest::newRow("a category word ranks them above the town of that name")
            << pois << "Café" << QStringList { "Lumen Coffee House", "Princess Cafe" };
        QTest::newRow("the town of that name among the suggestions") << suggestions << "Café" << QStringList { "Cafe" };
        QTest::newRow("another word for the category")
            << pois << "coffee" << QStringList { "Lumen Coffee House", "Princess Cafe" };
        QTest::newRow("a French word for gas stations") << pois << "essence" << QStringList { "Uptown Fuel" };
        QTest::newRow("a hotel") << pois << "hotel" << QStringList { "Walper Hotel" };
        QTest::newRow("several words: the nearest place holding them all, before a far one")
            << pois << "grand river" << QStringList { "Grand River Bakery", "Grand River Grill" };
        QTest::newRow("several words in the address group: the place itself")
            << int(SearchResultGroup::Addresses) << "lumen coffee" << QStringList { "Lumen Coffee House" };
        QTest::newRow("an address the data holds as a place's own")
            << int(SearchResultGroup::Addresses) << "8 King St N" << QStringList { "Lumen Coffee House" };
    }

    void placesAroundTheUserComeFirst()
    {
        QFETCH(int, number);
        QFETCH(QString, text);
        QFETCH(QStringList, first);
        const auto poi = [](const QString &name, double latitude, double longitude, const QString &category,
                            double importance = 0) {
            GazetteerEntry e = entry(GazetteerEntry::PointOfInterest, name, latitude, longitude, category, importance);
            e.street = name == QLatin1String("Lumen Coffee House") ? QStringLiteral("8 King St N") : QString();
            return e;
        };
        QVERIFY(GazetteerFixture::write(
            m_roots->gazetteerPath(),
            { entry(GazetteerEntry::Locality, QStringLiteral("Cafe"), 12.45, 121.02, QString(), 900000),
              entry(GazetteerEntry::Locality, QStringLiteral("Waterloo"), 43.4668, -80.5164, QString(), 100000),
              poi(QStringLiteral("Lumen Coffee House"), 43.4651, -80.5227, QStringLiteral("AEE")),
              poi(QStringLiteral("Princess Cafe"), 43.4660, -80.5300, QStringLiteral("AEE")),
              poi(QStringLiteral("Cafe de Paris"), 48.8566, 2.3522, QStringLiteral("AEE"), 50000),
              poi(QStringLiteral("Uptown Fuel"), 43.4700, -80.5250, QStringLiteral("ACC")),
              poi(QStringLiteral("Walper Hotel"), 43.4510, -80.4930, QStringLiteral("AHC")),
              poi(QStringLiteral("Grand River Grill"), 45.4215, -75.6972, QStringLiteral("AE"), 90000),
              poi(QStringLiteral("Grand River Bakery"), 43.4633, -80.5189, QStringLiteral("AKJ")) }));

        const auto places = group(number, text, Coordinates(43.4643, -80.5204), 0, 10);
        QStringList names;
        for (const auto &place : places) {
            if (!place->hasTag(QLatin1String(InternalTags::SuggestionCategory)))
                names << place->name();
        }
        QCOMPARE(names.mid(0, first.size()), first);
    }

    void categoryCodesGiveTheMainCategoryTags_data()
    {
        QTest::addColumn<QString>("category");
        QTest::addColumn<QStringList>("tags");
        const QString airport = QLatin1String(Tags::Airport);
        const QString travel = QLatin1String(Tags::Travel);
        QTest::newRow("an airport is also travel") << "ALA" << QStringList { airport, travel };
        QTest::newRow("a sub-category takes its group's tag")
            << "AEF" << QStringList { QLatin1String(Tags::Restaurant) };
        QTest::newRow("a gas station is automotive") << "ACC" << QStringList { QLatin1String(Tags::Automotive) };
        QTest::newRow("a free-text airport category") << "Regional Airport" << QStringList { airport };
        QTest::newRow("a code of no group") << "ZZ" << QStringList();
    }

    void categoryCodesGiveTheMainCategoryTags()
    {
        QFETCH(QString, category);
        QFETCH(QStringList, tags);
        QVERIFY(GazetteerFixture::write(
            m_roots->gazetteerPath(),
            { entry(GazetteerEntry::PointOfInterest, QStringLiteral("Tagged Place"), 43.46, -80.52, category) }));
        const auto places = group(SearchResultGroup::PointsOfInterest, QStringLiteral("tagged"), Coordinates(), 0, 5);
        QCOMPARE(places.size(), 1);
        QStringList got = places.first()->tags();
        got.sort();
        tags.sort();
        QCOMPARE(got, tags);
    }

    void pointOfInterestHeadersResolve()
    {
        SearchHandle handle;
        const auto places = group(SearchResultGroup::PointsOfInterest, QStringLiteral("café"),
                                  Coordinates(43.46, -80.52), 0, 10, &handle);
        QCOMPARE(places.size(), 10);
        QVERIFY(handle.hasMoreData());
        const PlaceHeader *header = dynamic_cast<const PlaceHeader *>(places.first().data());
        QVERIFY(header);
        QCOMPARE(header->source(), AbstractPlace::SourceGeocodeService);
        Error::Type error;
        std::unique_ptr<Place> full(PlaceManager().getPlace(header, error));
        QCOMPARE(error, Error::None);
        QCOMPARE(full->name(), header->name());
        QCOMPARE(
            PointOfInterestAuxiliaryData(full->firstAuxiliaryData(QLatin1String(AuxiliaryData::TypePointOfInterest)))
                .categories()
                .value(0)
                .code(),
            QStringLiteral("CAF"));
        InternalPlaceManager manager;
        const auto rest = manager.findMorePlaces(handle, 10, error, -1);
        QCOMPARE(rest.size(), 5);
        QVERIFY(!handle.hasMoreData());
    }

    // A listed row resolves from what was listed, but never from a gazetteer file since replaced.
    void listedRowsResolveFromTheCurrentGazetteer()
    {
        const auto places
            = group(SearchResultGroup::PointsOfInterest, QStringLiteral("airport"), Coordinates(43.46, -80.52), 0, 1);
        QCOMPARE(places.size(), 1);
        const auto *header = dynamic_cast<const PlaceHeader *>(places.first().data());
        QVERIFY(header);
        Error::Type error;
        std::unique_ptr<Place> listed(PlaceManager().getPlace(header, error));
        QCOMPARE(listed->name(), QStringLiteral("Region of Waterloo Airport"));

        GazetteerWriter writer(m_roots->gazetteerPath());
        QVERIFY(writer.begin(GazetteerWriter::Replace));
        for (int i = 0; i < 40; ++i)
            writer.add(entry(GazetteerEntry::PointOfInterest, QStringLiteral("Renamed %1").arg(i), 40 + i, -80));
        QVERIFY(writer.commit());
        std::unique_ptr<Place> fresh(PlaceManager().getPlace(header, error));
        QCOMPARE(error, Error::None);
        QVERIFY2(fresh->name().startsWith(QLatin1String("Renamed")), qPrintable(fresh->name()));
    }

    // Places a search hands out are the receiver's own: changing one changes no later list, of the
    // same group or another, although keystrokes list the same entries again and again.
    void changedResultsLeaveLaterListsAsTheyWere_data()
    {
        QTest::addColumn<int>("group");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("name");
        QTest::newRow("address") << int(SearchResultGroup::Addresses) << QStringLiteral("waterl")
                                 << QStringLiteral("Waterloo");
        QTest::newRow("point of interest")
            << int(SearchResultGroup::PointsOfInterest) << QStringLiteral("rated") << QStringLiteral("Rated Diner");
    }

    void changedResultsLeaveLaterListsAsTheyWere()
    {
        QFETCH(int, group);
        QFETCH(QString, text);
        QFETCH(QString, name);
        const Coordinates near(43.46, -80.52);
        for (int round = 0; round < 2; ++round) {
            const auto places = ::group(group, text, near, 0, 5);
            QVERIFY(!places.isEmpty());
            // Points of interest are listed as headers; their places come from the manager.
            std::unique_ptr<Place> resolved;
            auto *first = dynamic_cast<Place *>(places.first().data());
            if (const auto *header = dynamic_cast<const PlaceHeader *>(places.first().data())) {
                Error::Type error;
                resolved.reset(PlaceManager().getPlace(header, error));
                first = resolved.get();
            }
            QVERIFY(first);
            QCOMPARE(first->name(), name);
            QVERIFY(!first->hasTag(QStringLiteral("changed")));
            QVERIFY(!first->auxiliaryData().isEmpty());
            first->setName(QStringLiteral("Changed"));
            first->addTag(QStringLiteral("changed"));
            first->setAuxiliaryDataList({});
        }
    }

    void suggestionsCarryCategoriesAndDistances()
    {
        const Coordinates near(43.46, -80.52);
        const auto categories = group(SearchResultGroup::Suggestions, QStringLiteral("caf"), near, 0, 5);
        QCOMPARE(categories.size(), 1);
        const Place *category = dynamic_cast<const Place *>(categories.first().data());
        QVERIFY(category);
        QVERIFY(category->hasTag(QLatin1String(InternalTags::SuggestionCategory)));
        QCOMPARE(category->auxiliaryData().first().externalId(), QStringLiteral("CAF"));
        const auto towns = group(SearchResultGroup::Suggestions, QStringLiteral("kitch"), near, 0, 5);
        QCOMPARE(towns.size(), 1);
        const Place *suggestion = dynamic_cast<const Place *>(towns.first().data());
        QVERIFY(suggestion);
        QVERIFY(suggestion->hasTag(QLatin1String(InternalTags::Suggestion)));
        const AuxiliaryData distance = suggestion->firstAuxiliaryData(QLatin1String(AuxiliaryData::TypeSuggestion));
        QVERIFY(distance.property(QStringLiteral("distanceInMeter")).toDouble() >= 0);

        InternalPlaceManager manager;
        Error::Type error;
        std::unique_ptr<Place> resolved(manager.getPlace(*suggestion, error));
        QCOMPARE(error, Error::None);
        QVERIFY(resolved);
        QCOMPARE(resolved->name(), suggestion->name());
        QVERIFY(!resolved->hasTag(QLatin1String(InternalTags::Suggestion)));
        QVERIFY(!manager.getPlace(*category, error));
    }

    void categorySearchFindsTheCategoryNearby()
    {
        const auto places = group(SearchResultGroup::CategorySearch, QStringLiteral("CAF_|_Cafés"),
                                  Coordinates(43.46, -80.52), 0, 20);
        QCOMPARE(places.size(), 15);
        const auto airports
            = group(SearchResultGroup::CategoryCode, QStringLiteral("AIRPORT"), Coordinates(43.46, -80.40), 0, 20);
        QCOMPARE(airports.size(), 1);
        QVERIFY(airports.first()->hasTag(QLatin1String(Tags::Airport)));
    }

    void ratingsComeBackUnderTheRatingProvider_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("dataType");
        QTest::addColumn<bool>("remoteDataOnly");
        QTest::addColumn<double>("rating");
        QTest::addColumn<int>("count");

        const QString poi = QLatin1String(AuxiliaryData::TypePointOfInterest);
        QTest::newRow("a rated place") << "Rated Diner" << poi << true << 4.5 << 87;
        QTest::newRow("a rated place asked for every kind of data") << "Rated Diner" << QString() << false << 4.5 << 87;
        QTest::newRow("a place without a rating") << "Unrated Diner" << poi << true << qQNaN() << 0;
    }

    void ratingsComeBackUnderTheRatingProvider()
    {
        QFETCH(QString, name);
        QFETCH(QString, dataType);
        QFETCH(bool, remoteDataOnly);
        QFETCH(double, rating);
        QFETCH(int, count);

        const auto found = group(SearchResultGroup::PointsOfInterest, name, Coordinates(43.47, -80.52), 0, 1);
        QCOMPARE(found.size(), 1);
        QCOMPARE(found.first()->name(), name);
        PlaceSearchManager manager;
        QSignalSpy spy(&manager, &PlaceSearchManager::auxiliaryDataAvailable);
        QCOMPARE(manager.requestAuxiliaryData({ AuxiliaryDataRequest(found.first(), dataType, remoteDataOnly, 7) },
                                              QVariant(3)),
                 Error::None);
        QVERIFY(SignalWaiter::wait(spy, 1));
        const auto replies = spy.first().at(0).value<QList<AuxiliaryDataReply>>();
        QCOMPARE(replies.size(), 1);
        QCOMPARE(replies.first().status(), Error::None);
        QCOMPARE(replies.first().userData().toInt(), 7);
        QList<PointOfInterestAuxiliaryData> ratings;
        for (const AuxiliaryData &item : replies.first().data()) {
            if (item.type() == QLatin1String(AuxiliaryData::TypePointOfInterest)
                && item.provider().name() == QLatin1String("Yelp"))
                ratings.append(PointOfInterestAuxiliaryData(item));
        }
        QCOMPARE(ratings.size(), qIsNaN(rating) ? 0 : 1);
        if (!ratings.isEmpty()) {
            QCOMPARE(ratings.first().rating(), rating);
            QCOMPARE(ratings.first().ratingCount(), count);
        }
    }

    void eachPlaceAnswersInOneGroupOfTheMergedList_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QList<int>>("groups");
        const QList<int> suggestions { SearchResultGroup::Suggestions };
        const QList<int> pois { SearchResultGroup::PointsOfInterest };
        QTest::newRow("a town among the suggestions only") << "waterloo"
                                                           << "Waterloo" << suggestions;
        QTest::newRow("a point of interest in its own group only") << "waterloo"
                                                                   << "Waterloo Café 3" << pois;
        QTest::newRow("an airport in the points of interest only") << "region of"
                                                                   << "Region of Waterloo Airport" << pois;
        QTest::newRow("a street address in the address group only")
            << "200 univ"
            << "200 University Avenue West" << QList<int> { SearchResultGroup::Addresses };
        QTest::newRow("a town found by a word of its name") << "kitch"
                                                            << "Kitchener" << suggestions;
    }

    void eachPlaceAnswersInOneGroupOfTheMergedList()
    {
        QFETCH(QString, text);
        QFETCH(QString, name);
        QFETCH(QList<int>, groups);
        SearchManager manager;
        QSignalSpy spy(&manager, &SearchManager::resultAvailable);
        manager.search(text, Coordinates(43.46, -80.52), 5, QList<int>(), 0, 20);
        QVERIFY(SignalWaiter::wait(spy, 5));
        QList<int> found;
        for (const auto &args : spy) {
            const SearchResult result = args.at(1).value<SearchResult>();
            for (const auto &place : result.places()) {
                if (place->name() == name)
                    found.append(result.group());
            }
        }
        QCOMPARE(found, groups);
    }

    void storedPlacesAreNotRepeatedFromTheGazetteer_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<Coordinates>("at");
        QTest::addColumn<int>("group");
        QTest::addColumn<int>("fromGazetteer"); // how often the gazetteer's place of that name comes back
        const Coordinates diner(43.47, -80.52);
        const Coordinates nextDoor(43.4703, -80.5202); // about 40 m away
        const Coordinates townCentre(43.4668, -80.5164);
        QTest::newRow("a picked point of interest")
            << "Rated Diner" << diner << int(SearchResultGroup::PointsOfInterest) << 0;
        QTest::newRow("a favourite saved a few metres off")
            << "Rated Diner" << nextDoor << int(SearchResultGroup::PointsOfInterest) << 0;
        QTest::newRow("a place of that name a kilometre away is another place")
            << "Rated Diner" << Coordinates(43.479, -80.52) << int(SearchResultGroup::PointsOfInterest) << 1;
        QTest::newRow("a picked town") << "Waterloo" << townCentre << int(SearchResultGroup::Suggestions) << 0;
        QTest::newRow("the whole list behind More") << "Rated Diner" << diner << int(SearchResultGroup::All) << 0;
        QTest::newRow("every kind of gazetteer place")
            << "Rated Diner" << diner << int(SearchResultGroup::RemotePlaces) << 0;
    }

    void storedPlacesAreNotRepeatedFromTheGazetteer()
    {
        QFETCH(QString, stored);
        QFETCH(Coordinates, at);
        QFETCH(int, group);
        QFETCH(int, fromGazetteer);
        Place picked(stored, Location(at, Address()));
        QCOMPARE(PlaceManager().addRecentlyPickedPlace(picked), Error::None);
        const QString text = stored.left(5);
        const auto fromElsewhere = [&](const QList<QSharedPointer<AbstractPlace>> &places) {
            return int(std::count_if(places.cbegin(), places.cend(), [&](const QSharedPointer<AbstractPlace> &place) {
                return place->name() == stored && place->primaryCoordinates().distanceTo(at) > 1;
            }));
        };
        QCOMPARE(fromElsewhere(::group(group, text, Coordinates(43.46, -80.52), 0, 20)), fromGazetteer);
        // A list read page by page follows the same rule.
        Error::Type error = Error::None;
        SearchHandle handle;
        int paged = fromElsewhere(::group(group, text, Coordinates(43.46, -80.52), 0, 1, &handle));
        while (handle.hasMoreData())
            paged += fromElsewhere(InternalPlaceManager().findMorePlaces(handle, 1, error, -1));
        QCOMPARE(paged, fromGazetteer);
    }

    void missingGazetteerGivesEmptyRemoteGroups()
    {
        QVERIFY(QFile::remove(m_roots->gazetteerPath()));
        Error::Type error = Error::Unknown;
        QVERIFY(
            group(SearchResultGroup::PointsOfInterest, QStringLiteral("café"), Coordinates(), 0, 10, nullptr, &error)
                .isEmpty());
        QCOMPARE(error, Error::None);
    }
};

QTEST_GUILESS_MAIN(tst_RemoteGroups)
#include "tst_remotegroups.moc"
