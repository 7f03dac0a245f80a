#include <hx/platform/places/gazetteer.h>
#include <hx/platform/places/gazetteerwriter.h>

#include <QtCore/QFile>
#include <QtCore/QLocale>
#include <QtCore/QTemporaryDir>
#include <QtTest/QtTest>

#include <sqlite3.h>

#include <algorithm>
#include <limits>

#include "gazetteerfixture.h"
#include "testroots.h"

using hx::platform::places::Gazetteer;
using hx::platform::places::GazetteerEntry;
using hx::platform::places::GazetteerWriter;
using hx::test::GazetteerFixture;

namespace {
QStringList names(const QList<GazetteerEntry> &entries)
{
    QStringList found;
    for (const GazetteerEntry &entry : entries)
        found.append(entry.name);
    return found;
}

// What a row shows: the name, and the other name the place was found by beside it.
QStringList rows(const QList<GazetteerEntry> &entries)
{
    QStringList shown;
    for (const GazetteerEntry &entry : entries)
        shown.append(entry.foundAs.isEmpty() ? entry.name : QStringLiteral("%1 (%2)").arg(entry.name, entry.foundAs));
    return shown;
}

GazetteerEntry known(GazetteerEntry::Kind kind, const QString &name, double latitude, double longitude,
                     double importance, const QStringList &otherNames)
{
    GazetteerEntry made = GazetteerFixture::entry(kind, name, latitude, longitude, importance);
    made.countryCode = kind == GazetteerEntry::Country ? QStringLiteral("DE") : QString();
    made.otherNames = otherNames;
    return made;
}

// Places with names in other languages and scripts, and one whose name starts like another's.
QList<GazetteerEntry> placesOfManyNames()
{
    const auto town = GazetteerEntry::Locality;
    return { known(town, "Vienna", 48.21, 16.37, 1900000, { "Wien", "Vienne", "wien", "Vienna", "Вена", "ウィーン" }),
             known(town, "Wiener Neustadt", 47.81, 16.25, 45000, {}),
             known(town, "Munich", 48.14, 11.58, 1500000, { "München", "Munchen", "Muenchen", "Monaco di Baviera" }),
             known(town, "Tokyo", 35.69, 139.69, 8300000, { "東京", "Tokio" }),
             known(town, "Köln", 50.94, 6.96, 1000000, { "Koeln", "Cologne" }),
             known(town, "Jerusalem", 31.77, 35.21, 800000, { "ירושלים", "القدس" }),
             known(GazetteerEntry::Country, "Germany", 51, 10, 1e11, { "Deutschland", "Allemagne" }) };
}
} // namespace

namespace {
GazetteerEntry address(const QString &name, const QString &city, double latitude, double longitude)
{
    GazetteerEntry made = GazetteerFixture::entry(GazetteerEntry::Address, name, latitude, longitude);
    made.street = name;
    made.city = city;
    made.countryCode = QStringLiteral("GB");
    return made;
}
} // namespace

class tst_Gazetteer : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void prefixSearchFoldsCaseDiacriticsAndPunctuation_data();
    void prefixSearchFoldsCaseDiacriticsAndPunctuation();
    void rankingWeighsNameImportanceAndDistance_data();
    void rankingWeighsNameImportanceAndDistance();
    void exactNameIsFoundBehindManyMoreImportantPrefixMatches();
    void otherNamesFindThePlaceAndSayWhich_data();
    void otherNamesFindThePlaceAndSayWhich();
    void countriesAreNamedInThePhonesLanguage();
    void kindsMaskAndImpossiblePositionsFilterResults();
    void searchSetsDistanceOnlyWithAPosition();
    void pagesJoinUpAndHasMoreIsExact_data();
    void pagesJoinUpAndHasMoreIsExact();
    void distanceIsMeasuredOnTheGreatCircle_data();
    void distanceIsMeasuredOnTheGreatCircle();
    void nearestAgreesWithMeasuringEveryPlace_data();
    void nearestAgreesWithMeasuringEveryPlace();
    void inMemoryIndexFollowsAReplacedFile();
    void entryReadsBackEveryField();
    void categoriesMatchByWordPrefix();
    void categorySearchIsNearestFirstWithExactPages_data();
    void categorySearchIsNearestFirstWithExactPages();
    void aFileOfThePreviousVersionStillOpens();
    void badFilesAreRefusedWithoutCrashing_data();
    void badFilesAreRefusedWithoutCrashing();
    void damagedContentGivesEmptyAnswers();

private:
    QString writeTown();

    QTemporaryDir m_categoryDir;
    QList<GazetteerEntry> m_categoryEntries;

    QScopedPointer<hx::test::TestRoots> m_roots;
};

// One file for the category searches: a category too common to read whole, a rare one far
// from it and one that fills exactly two pages.
void tst_Gazetteer::initTestCase()
{
    double importance = 1;
    const auto add = [&](const QString &name, double latitude, double longitude, const QString &category) {
        m_categoryEntries.append(GazetteerFixture::poi(name, latitude, longitude, category, importance++));
    };
    for (int i = 0; i < 5000; ++i)
        add(QStringLiteral("Food %1").arg(i), 44.5 + (i % 100) * 0.01, 4.5 + (i / 100) * 0.01, "food");
    for (int i = 0; i < 300; ++i)
        add(QStringLiteral("Pizza %1").arg(i), 46 + (i % 30) * 0.001, 6 + (i / 30) * 0.001, "Food.Pizza");
    for (int i = 0; i < 20; ++i)
        add(QStringLiteral("Cafe %1").arg(i), 45 + i * 0.003, 5.01, "cafe");
    add(QStringLiteral("Museum Cape Town"), -33.92, 18.42, "museum");
    add(QStringLiteral("Museum Sydney"), -33.87, 151.21, "museum");
    add(QStringLiteral("Museum Lima"), -12.05, -77.04, "MUSEUM");
    add(QStringLiteral("Art Museum Tokyo"), 35.68, 139.69, "museum.art");
    add(QStringLiteral("Museum Without Place"), qQNaN(), qQNaN(), "museum");
    QVERIFY(m_categoryDir.isValid());
    QVERIFY(GazetteerFixture::write(m_categoryDir.filePath("categories.db"), m_categoryEntries));
}

void tst_Gazetteer::init()
{
    m_roots.reset(); // the old roots restore the environment before the new ones set it
    m_roots.reset(new hx::test::TestRoots);
    QVERIFY(m_roots->isValid());
}

QString tst_Gazetteer::writeTown()
{
    const QString path = m_roots->gazetteerPath();
    const QList<GazetteerEntry> entries = {
        GazetteerFixture::poi(QStringLiteral("Café Lumière"), 48.8566, 2.3522, QStringLiteral("cafe"), 50),
        GazetteerFixture::poi(QStringLiteral("O'Connell's Pub"), 53.3498, -6.2603, QStringLiteral("pub"), 40),
        GazetteerFixture::poi(QStringLiteral("100% Juice Bar"), 51.5, -0.12, QStringLiteral("bar"), 30),
        GazetteerFixture::poi(QStringLiteral("Bread and Butter"), 51.51, -0.13, QStringLiteral("bakery"), 20),
        GazetteerFixture::poi(QStringLiteral("Straße Imbiss"), 52.52, 13.40, QStringLiteral("restaurant"), 10),
        address(QStringLiteral("221B Baker Street"), QStringLiteral("London"), 51.5238, -0.1586),
        GazetteerFixture::entry(GazetteerEntry::Locality, QStringLiteral("London"), 51.5074, -0.1278, 8000000),
    };
    return GazetteerFixture::write(path, entries) ? path : QString();
}

void tst_Gazetteer::prefixSearchFoldsCaseDiacriticsAndPunctuation_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("expected");

    const QStringList cafe { QStringLiteral("Café Lumière") };
    QTest::newRow("plain cafe finds the accented Café") << "cafe" << cafe;
    QTest::newRow("upper case with accent finds it too") << "CAFÉ" << cafe;
    QTest::newRow("a prefix of the second word with a diacritic") << "lumi" << cafe;
    QTest::newRow("o'conn finds O'Connell with the apostrophe") << "o'conn" << QStringList { "O'Connell's Pub" };
    QTest::newRow("words joined by punctuation stand together in that order") << "connell'o" << QStringList();
    QTest::newRow("joined words apart in the name do not match") << "pub-o" << QStringList();
    QTest::newRow("joined words may span the street and the city")
        << "street-lon" << QStringList { "221B Baker Street" };
    QTest::newRow("a name with a percent sign is found by its digits") << "100%" << QStringList { "100% Juice Bar" };
    QTest::newRow("a percent sign alone is text that matches nothing") << "%" << QStringList();
    QTest::newRow("a lone quote is text that matches nothing") << "\"" << QStringList();
    QTest::newRow("AND is a word of the name, not an operator") << "bread AND" << QStringList { "Bread and Butter" };
    QTest::newRow("a star and a column prefix are text") << "name:brea*" << QStringList();
    QTest::newRow("an unbalanced parenthesis and a caret are text") << "(^bread" << QStringList { "Bread and Butter" };
    QTest::newRow("NEAR and quotes in user text do not break the query") << "NEAR(\"bread\" butter" << QStringList();
    QTest::newRow("ß is kept as written") << "straße" << QStringList { "Straße Imbiss" };
    QTest::newRow("a word may match the address's city") << "baker lond" << QStringList { "221B Baker Street" };
    QTest::newRow("empty text finds nothing") << "" << QStringList();
}

void tst_Gazetteer::prefixSearchFoldsCaseDiacriticsAndPunctuation()
{
    QFETCH(QString, text);
    QFETCH(QStringList, expected);

    const QString path = writeTown();
    QVERIFY(!path.isEmpty());
    const Gazetteer gazetteer(path);
    QVERIFY2(gazetteer.isOpen(), qPrintable(gazetteer.errorString()));
    bool hasMore = true;
    const QList<GazetteerEntry> found = gazetteer.search(text, GazetteerEntry::AnyKind & ~GazetteerEntry::Locality,
                                                         qQNaN(), qQNaN(), 0, 10, &hasMore);
    QCOMPARE(names(found), expected);
    QVERIFY(!hasMore);
}

void tst_Gazetteer::rankingWeighsNameImportanceAndDistance_data()
{
    QTest::addColumn<QList<GazetteerEntry>>("entries");
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("latitude");
    QTest::addColumn<double>("longitude");
    QTest::addColumn<QStringList>("expected");

    const double none = qQNaN();
    const QList<GazetteerEntry> springfields { GazetteerFixture::poi("Springfield Mall", 40, -90, "shop", 1000),
                                               GazetteerFixture::poi("Springfield", 40, -90, "shop", 1) };
    QTest::newRow("a whole name counts once a space follows it")
        << springfields << "springfield " << none << none << QStringList { "Springfield", "Springfield Mall" };
    QTest::newRow("while it is typed, a whole name is no better than a bigger name it starts")
        << springfields << "springfield" << none << none << QStringList { "Springfield Mall", "Springfield" };
    QTest::newRow("a later word of a name counts as much as its start")
        << QList<GazetteerEntry> { GazetteerFixture::poi("Old Spring Mill", 40, -90, "shop", 1000),
                                   GazetteerFixture::poi("Springs Diner", 40, -90, "shop", 1) }
        << "spring" << none << none << QStringList { "Old Spring Mill", "Springs Diner" };
    QTest::newRow("a name match before a match on the city only")
        << QList<GazetteerEntry> { address("1 High Street", "Parkton", 40, -90),
                                   GazetteerFixture::poi("Parker Hotel", 40, -90, "hotel", 0) }
        << "park" << none << none << QStringList { "Parker Hotel", "1 High Street" };
    const QList<GazetteerEntry> towns {
        GazetteerFixture::entry(GazetteerEntry::Locality, "Toro", 41.52, -5.39, 9000),
        GazetteerFixture::entry(GazetteerEntry::Locality, "Toronto", 43.65, -79.38, 2600000),
        GazetteerFixture::entry(GazetteerEntry::Locality, "Torontal", 45.4, 20.9, 90000)
    };
    QTest::newRow("a city of millions a hundred kilometres away before a village an ocean away")
        << towns << "toro" << 43.46 << -80.52 << QStringList { "Toronto", "Torontal", "Toro" };
    QTest::newRow("near the village, the village")
        << towns << "toro" << 41.5 << -5.4 << QStringList { "Toro", "Toronto", "Torontal" };
    QTest::newRow("with a position, the nearer of two equal matches comes first")
        << QList<GazetteerEntry> { GazetteerFixture::poi("Cafe Rouge", 51.5, -0.1, "cafe", 1000),
                                   GazetteerFixture::poi("Cafe Bleu", 48.85, 2.35, "cafe", 1000) }
        << "cafe" << 48.86 << 2.34 << QStringList { "Cafe Bleu", "Cafe Rouge" };
    QTest::newRow("without a position, the more important comes first")
        << QList<GazetteerEntry> { GazetteerFixture::poi("Cafe Bleu", 48.85, 2.35, "cafe", 1),
                                   GazetteerFixture::poi("Cafe Rouge", 51.5, -0.1, "cafe", 1000) }
        << "cafe" << none << none << QStringList { "Cafe Rouge", "Cafe Bleu" };
    QTest::newRow("an entry without coordinates counts as the farthest when a position is given")
        << QList<GazetteerEntry> { GazetteerFixture::poi("Cafe Nowhere", qQNaN(), qQNaN(), "cafe", 1),
                                   GazetteerFixture::poi("Cafe Far", -33.9, 151.2, "cafe", 1) }
        << "cafe" << 48.86 << 2.34 << QStringList { "Cafe Far", "Cafe Nowhere" };
    GazetteerEntry pearson = GazetteerFixture::poi("Pearson International Airport (YYZ)", 43.68, -79.63, "ALA", 2e6);
    pearson.city = QStringLiteral("Toronto");
    pearson.country = QStringLiteral("Canada");
    const QList<GazetteerEntry> airportAndCountry {
        pearson, GazetteerFixture::entry(GazetteerEntry::Locality, "Canadaville", 43, -80, 10)
    };
    QTest::newRow("an airport answers to the town it serves like to its own name")
        << airportAndCountry << "toro" << 43.46 << -80.52 << QStringList { "Pearson International Airport (YYZ)" };
    QTest::newRow("not to its country: that means the country and its towns")
        << airportAndCountry << "cana" << 43.46 << -80.52
        << QStringList { "Canadaville", "Pearson International Airport (YYZ)" };
}

void tst_Gazetteer::rankingWeighsNameImportanceAndDistance()
{
    QFETCH(QList<GazetteerEntry>, entries);
    QFETCH(QString, text);
    QFETCH(double, latitude);
    QFETCH(double, longitude);
    QFETCH(QStringList, expected);

    QVERIFY(GazetteerFixture::write(m_roots->gazetteerPath(), entries));
    const Gazetteer gazetteer(m_roots->gazetteerPath());
    QCOMPARE(names(gazetteer.search(text, GazetteerEntry::AnyKind, latitude, longitude, 0, 10)), expected);
}

void tst_Gazetteer::exactNameIsFoundBehindManyMoreImportantPrefixMatches()
{
    QList<GazetteerEntry> entries;
    for (int i = 0; i < 600; ++i)
        entries.append(GazetteerFixture::poi(QStringLiteral("Rome Pizza %1").arg(i), 41.9, 12.5, "pizza", 1000 + i));
    entries.append(GazetteerFixture::entry(GazetteerEntry::Locality, QStringLiteral("Rome"), 34.25, -85.16, 1));
    QVERIFY(GazetteerFixture::write(m_roots->gazetteerPath(), entries));

    const Gazetteer gazetteer(m_roots->gazetteerPath());
    const QList<GazetteerEntry> found = gazetteer.search("rome ", GazetteerEntry::AnyKind, qQNaN(), qQNaN(), 0, 3);
    QCOMPARE(found.size(), 3);
    QCOMPARE(found.first().name, QStringLiteral("Rome"));
    QCOMPARE(found.at(1).name, QStringLiteral("Rome Pizza 599"));
}

void tst_Gazetteer::otherNamesFindThePlaceAndSayWhich_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("a name in another language, before a smaller place its own name starts")
        << "wien" << QStringList { "Vienna (Wien)", "Wiener Neustadt" };
    QTest::newRow("its own name says nothing more") << "vienna" << QStringList { "Vienna" };
    QTest::newRow("its own name wins over another that matches as well") << "tok" << QStringList { "Tokyo" };
    QTest::newRow("folded like its own name") << "MUNCHEN" << QStringList { "Munich (München)" };
    QTest::newRow("its own name written without its letters says nothing more") << "koeln" << QStringList { "Köln" };
    QTest::newRow("another name written without its letters, as the place writes it")
        << "muenc" << QStringList { "Munich (München)" };
    QTest::newRow("a later word of another name") << "bavi" << QStringList { "Munich (Monaco di Baviera)" };
    QTest::newRow("Cyrillic") << "вен" << QStringList { "Vienna (Вена)" };
    QTest::newRow("Japanese, by its first character") << "東" << QStringList { "Tokyo (東京)" };
    QTest::newRow("Hebrew") << "ירוש" << QStringList { "Jerusalem (ירושלים)" };
    QTest::newRow("Arabic") << "القد" << QStringList { "Jerusalem (القدس)" };
    QTest::newRow("a country by its own language's name") << "deutsch" << QStringList { "Germany (Deutschland)" };
    QTest::newRow("an unknown other name") << "wienx" << QStringList();
}

void tst_Gazetteer::otherNamesFindThePlaceAndSayWhich()
{
    QFETCH(QString, text);
    QFETCH(QStringList, expected);

    QVERIFY(GazetteerFixture::write(m_roots->gazetteerPath(), placesOfManyNames()));
    const Gazetteer gazetteer(m_roots->gazetteerPath());
    bool hasMore = true;
    QCOMPARE(rows(gazetteer.search(text, GazetteerEntry::AnyKind, 48, 16, 0, 10, &hasMore)), expected);
    QVERIFY(!hasMore);
}

void tst_Gazetteer::countriesAreNamedInThePhonesLanguage()
{
    const QString path = m_roots->gazetteerPath();
    {
        GazetteerWriter writer(path);
        QVERIFY(writer.begin(GazetteerWriter::Replace));
        for (const GazetteerEntry &entry : placesOfManyNames())
            QVERIFY(writer.add(entry));
        GazetteerEntry berlin = GazetteerFixture::entry(GazetteerEntry::Locality, "Berlin", 52.52, 13.4, 3600000);
        berlin.country = QStringLiteral("Germany");
        berlin.countryCode = QStringLiteral("DE");
        QVERIFY(writer.add(berlin));
        QVERIFY(writer.addCountryName("DE", "de", "Deutschland"));
        QVERIFY(writer.addCountryName("DE", "fr", "Allemagne"));
        QVERIFY(!writer.addCountryName("DE", "", "Alemania"));
        QVERIFY(writer.commit());
    }
    // Adding to the file keeps the other names and the countries' names.
    GazetteerWriter writer(path);
    QVERIFY(writer.begin(GazetteerWriter::KeepExisting));
    QVERIFY(writer.add(GazetteerFixture::entry(GazetteerEntry::Locality, "Bonn", 50.73, 7.1, 300000)));
    QVERIFY(writer.commit());

    const QLocale before;
    const Gazetteer gazetteer(path);
    const auto shown = [&gazetteer](const QString &text) {
        const GazetteerEntry found = gazetteer.search(text, GazetteerEntry::AnyKind, qQNaN(), qQNaN(), 0, 1).value(0);
        return rows({ found }).value(0) + QLatin1Char('/') + found.country;
    };
    QCOMPARE(shown("berl"), QStringLiteral("Berlin/Germany"));
    QLocale::setDefault(QLocale(QStringLiteral("fr_CA")));
    QCOMPARE(shown("berl"), QStringLiteral("Berlin/Allemagne"));
    QCOMPARE(shown("allem"), QStringLiteral("Allemagne/Allemagne"));
    QLocale::setDefault(QLocale(QStringLiteral("de_DE")));
    QCOMPARE(shown("germ"), QStringLiteral("Deutschland/Deutschland"));
    QCOMPARE(shown("wien"), QStringLiteral("Vienna (Wien)/"));
    QLocale::setDefault(before);
    QCOMPARE(gazetteer.entry(gazetteer.search("vienna", GazetteerEntry::AnyKind, qQNaN(), qQNaN(), 0, 1).value(0).id)
                 .otherNames,
             (QStringList { "Wien", "Vienne", "Вена", "ウィーン" }));
}

void tst_Gazetteer::kindsMaskAndImpossiblePositionsFilterResults()
{
    QVERIFY(!writeTown().isEmpty());
    const Gazetteer gazetteer(m_roots->gazetteerPath());
    QCOMPARE(names(gazetteer.search("lond", GazetteerEntry::Locality, qQNaN(), qQNaN(), 0, 10)),
             QStringList { "London" });
    QCOMPARE(names(gazetteer.search("lond", GazetteerEntry::Address, qQNaN(), qQNaN(), 0, 10)),
             QStringList { "221B Baker Street" });
    QCOMPARE(gazetteer.search("lond", GazetteerEntry::Country, qQNaN(), qQNaN(), 0, 10).size(), 0);
    QCOMPARE(gazetteer.search("lond", 0, qQNaN(), qQNaN(), 0, 10).size(), 0);
    QCOMPARE(gazetteer.nearest(51.5, -0.12, GazetteerEntry::Country, 1).size(), 0);
    QCOMPARE(gazetteer.nearest(qQNaN(), 0, GazetteerEntry::AnyKind, 1).size(), 0);
    QCOMPARE(gazetteer.nearest(91, 0, GazetteerEntry::AnyKind, 1).size(), 0);
}

void tst_Gazetteer::searchSetsDistanceOnlyWithAPosition()
{
    QVERIFY(!writeTown().isEmpty());
    const Gazetteer gazetteer(m_roots->gazetteerPath());
    const QList<GazetteerEntry> far = gazetteer.search("cafe", GazetteerEntry::AnyKind, 48.8566, 2.3522 + 0.01, 0, 1);
    QCOMPARE(far.size(), 1);
    QVERIFY(qAbs(far.first().distanceMetres - 732) < 5);
    const QList<GazetteerEntry> plain = gazetteer.search("cafe", GazetteerEntry::AnyKind, qQNaN(), qQNaN(), 0, 1);
    QVERIFY(qIsNaN(plain.first().distanceMetres));
}

void tst_Gazetteer::pagesJoinUpAndHasMoreIsExact_data()
{
    QTest::addColumn<int>("matches");
    QTest::addColumn<int>("pageSize");

    QTest::newRow("matches that end exactly on a page boundary") << 28 << 7;
    QTest::newRow("pages that cross from the ranked head into the rest") << 460 << 63;
}

void tst_Gazetteer::pagesJoinUpAndHasMoreIsExact()
{
    QFETCH(int, matches);
    QFETCH(int, pageSize);

    QList<GazetteerEntry> entries;
    for (int i = 0; i < matches; ++i)
        entries.append(GazetteerFixture::poi(QStringLiteral("Market %1").arg(i), 10 + i * 0.01, 10, "shop", i % 17));
    entries.append(GazetteerFixture::poi(QStringLiteral("Market"), 0, 0, "shop", 0));
    entries.append(GazetteerFixture::poi(QStringLiteral("Harbour"), 10, 10, "shop", 5));
    QVERIFY(GazetteerFixture::write(m_roots->gazetteerPath(), entries));
    const Gazetteer gazetteer(m_roots->gazetteerPath());

    bool hasMore = false;
    const QList<GazetteerEntry> all
        = gazetteer.search("market ", GazetteerEntry::AnyKind, 10.5, 10, 0, 10000, &hasMore);
    QCOMPARE(all.size(), matches + 1);
    QVERIFY(!hasMore);
    QCOMPARE(all.first().name, QStringLiteral("Market"));

    QList<GazetteerEntry> paged;
    for (int offset = 0;; offset += pageSize) {
        const QList<GazetteerEntry> page
            = gazetteer.search("market ", GazetteerEntry::AnyKind, 10.5, 10, offset, pageSize, &hasMore);
        paged.append(page);
        QCOMPARE(hasMore, offset + pageSize < all.size());
        if (!hasMore)
            break;
        QCOMPARE(page.size(), pageSize);
    }
    QCOMPARE(names(paged), names(all));
    QCOMPARE(gazetteer.search("market ", GazetteerEntry::AnyKind, 10.5, 10, all.size(), 5, &hasMore).size(), 0);
    QVERIFY(!hasMore);
}

// The nearest-place check below measures with this same function, so it is pinned here.
void tst_Gazetteer::distanceIsMeasuredOnTheGreatCircle_data()
{
    QTest::addColumn<double>("latitude");
    QTest::addColumn<double>("longitude");
    QTest::addColumn<double>("otherLatitude");
    QTest::addColumn<double>("otherLongitude");
    QTest::addColumn<double>("metres");

    QTest::newRow("the house next door") << 51.5001 << -0.1 << 51.5 << -0.1 << 11.1;
    QTest::newRow("across the antimeridian, the short way") << 0.0 << -179.999 << 0.0 << 179.999 << 222.4;
    QTest::newRow("near the pole, longitudes are close together") << 89.99 << 100.0 << 90.0 << 0.0 << 1111.9;
    QTest::newRow("the antipode, half the world round") << 0.0 << 0.0 << 0.0 << 180.0 << 20015114.4;
}

void tst_Gazetteer::distanceIsMeasuredOnTheGreatCircle()
{
    QFETCH(double, latitude);
    QFETCH(double, longitude);
    QFETCH(double, otherLatitude);
    QFETCH(double, otherLongitude);
    QFETCH(double, metres);

    const double measured = Gazetteer::distanceMetres(latitude, longitude, otherLatitude, otherLongitude);
    QVERIFY2(qAbs(measured - metres) < 1, qPrintable(QString::number(measured, 'f', 1)));
}

// Thousands of places of mixed kinds, some in tight clusters (a few metres apart, where rounded
// index corners matter), some strewn over the globe, some on the poles and the antimeridian:
// every answer must be what measuring the distance to every place gives.
void tst_Gazetteer::nearestAgreesWithMeasuringEveryPlace_data()
{
    QTest::addColumn<double>("latitude");
    QTest::addColumn<double>("longitude");
    QTest::addColumn<int>("kinds");
    QTest::addColumn<int>("limit");
    QTest::addColumn<double>("maxMetres");
    QTest::addColumn<bool>("inMemory");
    QTest::addColumn<bool>("boxIndex");

    struct Row
    {
        const char *name;
        double latitude;
        double longitude;
        int kinds;
        int limit;
        double maxMetres;
    };
    const double anywhere = std::numeric_limits<double>::infinity();
    const Row rows[] = {
        { "in a dense cluster, the ten nearest of any kind", 47.3769, 8.5417, GazetteerEntry::AnyKind, 10, anywhere },
        { "in a dense cluster, the nearest locality far outside it", 47.3769, 8.5417, GazetteerEntry::Locality, 1,
          anywhere },
        { "between clustered places a metre apart", 47.37695, 8.54175, GazetteerEntry::Address, 3, anywhere },
        { "in the middle of an ocean", -40.0, -120.0, GazetteerEntry::Address, 4, anywhere },
        { "beside the antimeridian, looking across it", 10.0, 179.9995, GazetteerEntry::PointOfInterest, 5, anywhere },
        { "at the north pole", 90.0, 0.0, GazetteerEntry::AnyKind, 5, anywhere },
        { "at the south pole", -90.0, 77.0, GazetteerEntry::Locality, 2, anywhere },
        { "more asked for than there are of the kind", 0.0, 0.0, GazetteerEntry::Region, 50, anywhere },
        { "within a reach that holds some of the cluster", 47.3769, 8.5417, GazetteerEntry::AnyKind, 50, 40.0 },
        { "within a reach that holds nothing", -40.0, -120.0, GazetteerEntry::AnyKind, 5, 1000.0 },
        { "within no reach at all, on top of a place", 47.3769, 8.5417, GazetteerEntry::AnyKind, 5, 0.0 },
    };
    // The file's grid, the spatial index of files written before it and the in-memory index must
    // give the same answers.
    for (int index = 0; index < 3; ++index) {
        for (const Row &row : rows) {
            QTest::addRow("%s%s", row.name,
                          index == 1       ? ", in memory"
                              : index == 2 ? ", older file"
                                           : "")
                << row.latitude << row.longitude << row.kinds << row.limit << row.maxMetres << (index == 1)
                << (index == 2);
        }
    }
}

void tst_Gazetteer::nearestAgreesWithMeasuringEveryPlace()
{
    QFETCH(double, latitude);
    QFETCH(double, longitude);
    QFETCH(int, kinds);
    QFETCH(int, limit);
    QFETCH(double, maxMetres);
    QFETCH(bool, inMemory);
    QFETCH(bool, boxIndex);

    const GazetteerEntry::Kind kindCycle[]
        = { GazetteerEntry::Address, GazetteerEntry::PointOfInterest, GazetteerEntry::Address, GazetteerEntry::Locality,
            GazetteerEntry::Region };
    QList<GazetteerEntry> entries;
    quint64 seed = 42;
    auto next = [&seed] {
        seed = seed * 6364136223846793005ULL + 1442695040888963407ULL;
        return double(seed >> 11) / double(1ULL << 53);
    };
    for (int i = 0; i < 3000; ++i) {
        double placeLatitude = -90 + 180 * next();
        double placeLongitude = -180 + 360 * next();
        if (i % 3 == 0) { // a cluster in a city: metres apart
            placeLatitude = 47.3769 + (next() - 0.5) * 0.001;
            placeLongitude = 8.5417 + (next() - 0.5) * 0.001;
        } else if (i % 17 == 0) { // on both sides of the antimeridian
            placeLongitude = (i % 2 ? 180.0 : -180.0) - (i % 2 ? 1 : -1) * next() * 0.01;
        } else if (i % 19 == 0) { // near and on a pole
            placeLatitude = i % 2 ? 90.0 : 89.9 + next() * 0.1;
        }
        entries.append(GazetteerFixture::entry(kindCycle[i % 5], QStringLiteral("Place %1").arg(i), placeLatitude,
                                               placeLongitude, i % 7));
    }
    QVERIFY(GazetteerFixture::write(m_roots->gazetteerPath(), entries));
    if (boxIndex) {
        // Take the file back to how version 5 indexed positions.
        sqlite3 *db = nullptr;
        QCOMPARE(sqlite3_open(QFile::encodeName(m_roots->gazetteerPath()).constData(), &db), SQLITE_OK);
        const int rc
            = sqlite3_exec(db,
                           "CREATE VIRTUAL TABLE points USING rtree(id, min_lat, max_lat, min_lon, max_lon, +kind); "
                           "INSERT INTO points SELECT id, latitude, latitude, longitude, longitude, kind FROM entries; "
                           "DROP TABLE cells; PRAGMA user_version = 5;",
                           nullptr, nullptr, nullptr);
        sqlite3_close(db);
        QCOMPARE(rc, SQLITE_OK);
    }
    const Gazetteer gazetteer(m_roots->gazetteerPath());
    if (inMemory)
        gazetteer.preloadNearestIndex();

    struct Measured
    {
        qint64 id;
        double distance;
    };
    QVector<Measured> everyPlace;
    for (qint64 id = 1; id <= entries.size(); ++id) {
        const GazetteerEntry entry = gazetteer.entry(id);
        QCOMPARE(entry.id, id);
        const double distance = Gazetteer::distanceMetres(latitude, longitude, entry.latitude, entry.longitude);
        if ((entry.kind & kinds) && distance <= maxMetres)
            everyPlace.append({ id, distance });
    }
    std::sort(everyPlace.begin(), everyPlace.end(), [](const Measured &a, const Measured &b) {
        return a.distance != b.distance ? a.distance < b.distance : a.id < b.id;
    });
    everyPlace.resize(qMin(everyPlace.size(), limit));

    const QList<GazetteerEntry> found = gazetteer.nearest(latitude, longitude, kinds, limit, maxMetres);
    QCOMPARE(found.size(), everyPlace.size());
    for (int i = 0; i < found.size(); ++i) {
        QCOMPARE(found.at(i).id, everyPlace.at(i).id);
        QCOMPARE(found.at(i).distanceMetres, everyPlace.at(i).distance);
    }
}

// A service keeps one gazetteer open while a newer file is written in its place: a reader
// opened on the new file must not be handed the old file's places.
void tst_Gazetteer::inMemoryIndexFollowsAReplacedFile()
{
    QVERIFY(GazetteerFixture::write(m_roots->gazetteerPath(), { address("Old Street", "Oldtown", 10.0, 10.0) }));
    const Gazetteer before(m_roots->gazetteerPath());
    before.preloadNearestIndex();
    QCOMPARE(names(before.nearest(10, 10, GazetteerEntry::Address, 1)), QStringList { "Old Street" });

    QVERIFY(GazetteerFixture::write(
        m_roots->gazetteerPath(),
        { address("Far Street", "Fartown", 50.0, 50.0), address("New Street", "Newtown", 10.0, 10.001) }));
    const Gazetteer after(m_roots->gazetteerPath());
    after.preloadNearestIndex();
    QCOMPARE(names(after.nearest(10, 10, GazetteerEntry::Address, 1)), QStringList { "New Street" });
    QCOMPARE(names(before.nearest(10, 10, GazetteerEntry::Address, 1)), QStringList { "Old Street" });
}

void tst_Gazetteer::entryReadsBackEveryField()
{
    GazetteerEntry full = GazetteerFixture::poi(QStringLiteral("Café «Ünïcode» 東京"), 35.68, 139.69, "cafe", 7);
    full.street = QStringLiteral("1-2 Marunouchi");
    full.postalCode = QStringLiteral("100-0005");
    full.city = QStringLiteral("Tokyo");
    full.region = QStringLiteral("Tokyo");
    full.regionCode = QStringLiteral("13");
    full.country = QStringLiteral("Japan");
    full.countryCode = QStringLiteral("JP");
    full.phone = QStringLiteral("+81 3-1234-5678");
    full.url = QStringLiteral("https://example.org/?a=1&b=%20");
    full.email = QStringLiteral("o'connell@example.org");
    full.rating = 3.5;
    full.ratingCount = 42;
    QVERIFY(GazetteerFixture::write(m_roots->gazetteerPath(), { full }));

    const Gazetteer gazetteer(m_roots->gazetteerPath());
    const GazetteerEntry read = gazetteer.entry(1);
    full.id = 1;
    QCOMPARE(read, full);
    QCOMPARE(gazetteer.search("東京", GazetteerEntry::AnyKind, qQNaN(), qQNaN(), 0, 1).value(0), full);
    QCOMPARE(gazetteer.entry(2).id, qint64(-1));
    QCOMPARE(gazetteer.entry(-5).id, qint64(-1));
}

void tst_Gazetteer::categoriesMatchByWordPrefix()
{
    const QString path = m_roots->gazetteerPath();
    hx::platform::places::GazetteerWriter writer(path);
    QVERIFY(writer.begin(hx::platform::places::GazetteerWriter::Replace));
    QVERIFY(writer.addCategory("AGC", "Fast Food"));
    QVERIFY(writer.addCategory("AGA", "Cafés"));
    QVERIFY(writer.add(GazetteerFixture::poi("Burger Hut", 1, 1, "AGC")));
    QVERIFY(writer.add(GazetteerFixture::poi("Shoe Shop", 1, 1, "shoes")));
    QVERIFY(writer.commit());

    const Gazetteer gazetteer(path);
    QCOMPARE(gazetteer.categories("caf", 10), QStringList { "AGA\tCafés" });
    QCOMPARE(gazetteer.categories("food", 10), QStringList { "AGC\tFast Food" });
    QCOMPARE(gazetteer.categories("sho", 10), QStringList { "shoes\tshoes" });
    QCOMPARE(gazetteer.categories("", 2).size(), 2);
    QCOMPARE(gazetteer.categories("zzz", 10), QStringList());
}

void tst_Gazetteer::categorySearchIsNearestFirstWithExactPages_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<double>("latitude");
    QTest::addColumn<double>("longitude");
    QTest::addColumn<int>("offset");
    QTest::addColumn<int>("limit");

    const double nan = qQNaN();
    QTest::newRow("a rare category far away is still found") << "museum" << 45.0033 << 5.0071 << 0 << 10;
    QTest::newRow("codes compare case-insensitively") << "MuSeUm" << 45.0033 << 5.0071 << 0 << 10;
    QTest::newRow("a common category, first page") << "food" << 45.0033 << 5.0071 << 0 << 10;
    QTest::newRow("a common category, a later page") << "food" << 45.0033 << 5.0071 << 30 << 10;
    QTest::newRow("a common category seen from the other side of the world") << "food" << -40.0 << -70.0 << 0 << 5;
    QTest::newRow("a sub-category counts for its parent") << "food" << 46.011 << 6.011 << 0 << 10;
    QTest::newRow("page 1 ends exactly at the last place") << "cafe" << 45.0033 << 5.0071 << 10 << 10;
    QTest::newRow("page 2 is empty") << "cafe" << 45.0033 << 5.0071 << 20 << 10;
    QTest::newRow("no position orders a rare category by importance") << "museum" << nan << nan << 0 << 10;
    QTest::newRow("no position orders a common category by importance") << "food" << nan << nan << 0 << 10;
    QTest::newRow("no position, the last page of a common category") << "food" << nan << nan << 5290 << 10;
    QTest::newRow("no position, a page that crosses the sub-category") << "food" << nan << nan << 295 << 10;
}

void tst_Gazetteer::categorySearchIsNearestFirstWithExactPages()
{
    QFETCH(QString, code);
    QFETCH(double, latitude);
    QFETCH(double, longitude);
    QFETCH(int, offset);
    QFETCH(int, limit);

    // Every matching entry in the expected order, worked out the slow way.
    const bool located = !qIsNaN(latitude);
    QList<GazetteerEntry> matching;
    for (const GazetteerEntry &entry : qAsConst(m_categoryEntries)) {
        if (entry.kind == GazetteerEntry::PointOfInterest && entry.category.startsWith(code, Qt::CaseInsensitive)
            && !(located && qIsNaN(entry.latitude)))
            matching.append(entry);
    }
    const auto distance = [&](const GazetteerEntry &entry) {
        return Gazetteer::distanceMetres(latitude, longitude, entry.latitude, entry.longitude);
    };
    std::sort(matching.begin(), matching.end(), [&](const GazetteerEntry &a, const GazetteerEntry &b) {
        if (located && distance(a) != distance(b))
            return distance(a) < distance(b);
        return a.importance > b.importance;
    });

    const Gazetteer gazetteer(m_categoryDir.filePath("categories.db"));
    bool hasMore = !(offset + limit < matching.size()); // the wrong answer, to see it overwritten
    const QList<GazetteerEntry> page = gazetteer.inCategory(code, latitude, longitude, offset, limit, &hasMore);
    QCOMPARE(names(page), names(matching.mid(offset, limit)));
    QCOMPARE(hasMore, offset + limit < matching.size());
    for (const GazetteerEntry &entry : page)
        QCOMPARE(qIsNaN(entry.distanceMetres), !located);
}

void tst_Gazetteer::aFileOfThePreviousVersionStillOpens()
{
    GazetteerEntry rated = GazetteerFixture::poi(QStringLiteral("Rated Café"), 45, 5, "cafe", 3);
    rated.rating = 4.5;
    rated.ratingCount = 12;
    const QString path = m_roots->gazetteerPath();
    QVERIFY(
        GazetteerFixture::write(path,
                                { rated, GazetteerFixture::poi(QStringLiteral("Plain Bakery"), 45.1, 5, "bakery", 2),
                                  GazetteerFixture::poi(QStringLiteral("Café Annex"), 45.2, 5, "Cafe.Annex", 1) }));
    QCOMPARE(Gazetteer(path).entry(1).rating, 4.5);
    // Take the file back to how the version before ratings wrote it.
    sqlite3 *db = nullptr;
    QCOMPARE(sqlite3_open(QFile::encodeName(path).constData(), &db), SQLITE_OK);
    const int rc
        = sqlite3_exec(db,
                       "DROP TABLE poi_categories; CREATE VIRTUAL TABLE points USING rtree(id, min_lat, "
                       "max_lat, min_lon, max_lon, +kind); INSERT INTO points SELECT id, latitude, latitude, "
                       "longitude, longitude, kind FROM entries; CREATE TABLE first_entries AS SELECT id, kind, name, "
                       "name_key, street, postal_code, city, region, region_code, country, country_code, "
                       "category, phone, url, email, latitude, longitude, importance FROM entries; "
                       "DROP VIEW entries; DROP TABLE entry_rows; DROP TABLE areas; "
                       "ALTER TABLE first_entries RENAME TO entries; PRAGMA user_version = 1;",
                       nullptr, nullptr, nullptr);
    sqlite3_close(db);
    QCOMPARE(rc, SQLITE_OK);

    {
        const Gazetteer old(path);
        QVERIFY2(old.isOpen(), qPrintable(old.errorString()));
        QCOMPARE(old.entry(1).name, QStringLiteral("Rated Café"));
        QVERIFY(qIsNaN(old.entry(1).rating));
        QCOMPARE(old.entry(1).ratingCount, 0);
        bool hasMore = true;
        QCOMPARE(names(old.inCategory("CAFE", 45.3, 5, 0, 5, &hasMore)), (QStringList { "Café Annex", "Rated Café" }));
        QVERIFY(!hasMore);
        QCOMPARE(names(old.inCategory("", qQNaN(), qQNaN(), 1, 1, &hasMore)), QStringList { "Plain Bakery" });
        QVERIFY(hasMore);
    }

    // Adding to it writes the current version, old entries kept without a rating.
    GazetteerEntry newer = GazetteerFixture::poi(QStringLiteral("New Café"), 45.05, 5, "cafe", 0);
    newer.rating = 2;
    newer.ratingCount = 1;
    GazetteerWriter writer(path);
    QVERIFY(writer.begin(GazetteerWriter::KeepExisting));
    QVERIFY(writer.add(newer));
    QVERIFY(writer.commit());
    const Gazetteer upgraded(path);
    const QList<GazetteerEntry> cafes = upgraded.inCategory("cafe", 45, 5, 0, 5);
    QCOMPARE(names(cafes), (QStringList { "Rated Café", "New Café", "Café Annex" }));
    QVERIFY(qIsNaN(cafes.at(0).rating));
    QCOMPARE(cafes.at(1).rating, 2.0);
    QCOMPARE(cafes.at(1).ratingCount, 1);
}

void tst_Gazetteer::badFilesAreRefusedWithoutCrashing_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("sql");
    QTest::addColumn<QString>("error");

    QTest::newRow("a missing file") << QByteArray() << QString() << "no gazetteer file";
    QTest::newRow("an empty file") << QByteArray("") << QString() << "not a gazetteer file";
    QTest::newRow("a text file") << QByteArray("name,lat,lon\nx,1,2\n") << QString() << "not a database";
    QTest::newRow("a foreign SQLite database") << QByteArray() << "CREATE TABLE t(x); INSERT INTO t VALUES(1);"
                                               << "not a gazetteer file";
    QTest::newRow("a gazetteer from a newer version")
        << QByteArray() << "PRAGMA application_id = 1215842165; PRAGMA user_version = 99; CREATE TABLE t(x);"
        << "made by a newer version";
    QTest::newRow("a gazetteer without its tables")
        << QByteArray() << "PRAGMA application_id = 1215842165; PRAGMA user_version = 1; CREATE TABLE t(x);"
        << "damaged gazetteer";
}

void tst_Gazetteer::badFilesAreRefusedWithoutCrashing()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, sql);
    QFETCH(QString, error);

    const QString path = m_roots->gazetteerPath();
    if (!sql.isEmpty()) {
        sqlite3 *db = nullptr;
        QCOMPARE(sqlite3_open(QFile::encodeName(path).constData(), &db), SQLITE_OK);
        QCOMPARE(sqlite3_exec(db, sql.toUtf8().constData(), nullptr, nullptr, nullptr), SQLITE_OK);
        sqlite3_close(db);
    } else if (!content.isNull()) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    }
    const QByteArray before = QFile::exists(path) ? [&] {
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        return file.readAll();
    }()
                                                  : QByteArray();

    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("Gazetteer")));
    const Gazetteer gazetteer(path);
    QVERIFY(!gazetteer.isOpen());
    QVERIFY2(gazetteer.errorString().startsWith(error), qPrintable(gazetteer.errorString()));
    QCOMPARE(gazetteer.search("a", GazetteerEntry::AnyKind, 0, 0, 0, 10).size(), 0);
    QCOMPARE(gazetteer.nearest(0, 0, GazetteerEntry::AnyKind, 10).size(), 0);
    QCOMPARE(gazetteer.entry(1).id, qint64(-1));
    QCOMPARE(gazetteer.categories("", 10).size(), 0);
    QCOMPARE(gazetteer.inCategory("", 0, 0, 0, 10).size(), 0);
    if (QFile::exists(path)) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), before);
    }
}

void tst_Gazetteer::damagedContentGivesEmptyAnswers()
{
    QList<GazetteerEntry> entries;
    for (int i = 0; i < 3000; ++i)
        entries.append(GazetteerFixture::poi(QStringLiteral("Kiosk %1").arg(i), i * 0.01, i * 0.01, "shop", i));
    QVERIFY(GazetteerFixture::write(m_roots->gazetteerPath(), entries));
    QFile file(m_roots->gazetteerPath());
    QVERIFY(file.open(QIODevice::ReadWrite));
    const qint64 size = file.size();
    // Scribble over the middle of the file, where the tables' pages are.
    file.seek(size / 3);
    file.write(QByteArray(int(size / 3), '\x5a'));
    file.close();

    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral(".*")));
    const Gazetteer gazetteer(m_roots->gazetteerPath());
    for (const char *text : { "k", "kiosk 1", "kiosk 2999" })
        gazetteer.search(QString::fromLatin1(text), GazetteerEntry::AnyKind, 1, 1, 0, 100);
    gazetteer.preloadNearestIndex();
    gazetteer.nearest(15, 15, GazetteerEntry::AnyKind, 50);
    gazetteer.inCategory("sh", 15, 15, 0, 50);
    gazetteer.inCategory("shop", qQNaN(), qQNaN(), 10, 50);
    for (qint64 id = 1; id < 3000; id += 97)
        gazetteer.entry(id);
}

QTEST_GUILESS_MAIN(tst_Gazetteer)
#include "tst_gazetteer.moc"
