#include <hx/platform/places/gazetteer.h>

#include <QtCore/QFile>
#include <QtCore/QProcess>
#include <QtTest/QtTest>

#include "testroots.h"

using hx::platform::places::Gazetteer;
using hx::platform::places::GazetteerEntry;

namespace {
struct Run
{
    int exitCode = -1;
    QString out;
    QString err;
};

Run runImport(const QStringList &arguments)
{
    QProcess process;
    process.start(QStringLiteral(HX_PLACES_IMPORT), arguments);
    Run run;
    if (!process.waitForFinished(60000))
        return run;
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

QString fixture(const QString &name)
{
    return QStringLiteral(HX_FIXTURE_DIR "/") + name;
}

QByteArray contentOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList names(const QList<GazetteerEntry> &entries)
{
    QStringList found;
    for (const GazetteerEntry &entry : entries)
        found.append(entry.name);
    found.sort();
    return found;
}

QList<GazetteerEntry> everything(const Gazetteer &gazetteer)
{
    QList<GazetteerEntry> all;
    for (qint64 id = 1;; ++id) {
        const GazetteerEntry entry = gazetteer.entry(id);
        if (entry.id < 0)
            return all;
        all.append(entry);
    }
}
} // namespace

class tst_PlacesImport : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void csvRowsAreImportedAndBadOnesReportedByLine();
    void geoJsonFeaturesAreImportedAndBadOnesReportedByLine();
    void ratingsAreImportedAndBadOnesReportedByLine_data();
    void ratingsAreImportedAndBadOnesReportedByLine();
    void existingEntriesAreKeptUnlessReplaced();
    void aFailedRunLeavesTheFileAsItWas_data();
    void aFailedRunLeavesTheFileAsItWas();
    void badArgumentsExitWithTwo_data();
    void badArgumentsExitWithTwo();
    void helpDescribesTheColumns();
    void theDefaultDataSetBuildsCountriesRegionsAndLocalities();

private:
    QString output() const { return m_roots->path() + QStringLiteral("/out/gazetteer.db"); }
    QScopedPointer<hx::test::TestRoots> m_roots;
};

void tst_PlacesImport::init()
{
    m_roots.reset(); // the old roots restore the environment before the new ones set it
    m_roots.reset(new hx::test::TestRoots);
    QVERIFY(m_roots->isValid());
}

void tst_PlacesImport::csvRowsAreImportedAndBadOnesReportedByLine()
{
    const Run run = runImport({ "-o", output(), fixture("places.csv") });
    QCOMPARE(run.exitCode, 0);
    // One line per bad row, no progress bar off a terminal.
    QCOMPARE(QString(run.err).remove(fixture(QString())),
             QStringLiteral("places.csv:3: latitude out of range\n"
                            "places.csv:6: a latitude without a longitude or the other way round\n"
                            "places.csv:9: invalid UTF-8 in column \"name\"\n"
                            "places.csv:10: unknown kind \"castle\"\n"
                            "places.csv:11: 2 fields where the header has 12\n"));
    QVERIFY2(run.out.startsWith(QStringLiteral("4 places added, 5 skipped")), qPrintable(run.out));

    // Quoted fields keep their commas, quotes and line breaks; the kind defaults to a point of interest.
    const Gazetteer gazetteer(output());
    QVERIFY2(gazetteer.isOpen(), qPrintable(gazetteer.errorString()));
    QCOMPARE(names(everything(gazetteer)),
             (QStringList { "100% Juice", "Café Pyrus", "Multi\nLine Bakery", "O'Connell's Pub" }));
    const QList<GazetteerEntry> found = gazetteer.search("cafe pyrus", GazetteerEntry::AnyKind, qQNaN(), qQNaN(), 0, 5);
    QCOMPARE(found.size(), 1);
    const GazetteerEntry &cafe = found.first();
    QCOMPARE(cafe.kind, GazetteerEntry::PointOfInterest);
    QCOMPARE(cafe.street, QStringLiteral("12 King St, North"));
    QCOMPARE(cafe.postalCode, QStringLiteral("N2J 2W6"));
    QCOMPARE(cafe.city, QStringLiteral("Waterloo"));
    QCOMPARE(cafe.region, QStringLiteral("Ontario"));
    QCOMPARE(cafe.countryCode, QStringLiteral("CA"));
    QCOMPARE(cafe.category, QStringLiteral("cafe"));
    QCOMPARE(cafe.phone, QStringLiteral("+1 519 555 0100"));
    QCOMPARE(cafe.url, QStringLiteral("https://example.org/pyrus"));
    QCOMPARE(cafe.latitude, 43.4643);
    QCOMPARE(cafe.longitude, -80.5204);
    QCOMPARE(gazetteer.search("o'conn", GazetteerEntry::PointOfInterest, qQNaN(), qQNaN(), 0, 5).size(), 1);
}

void tst_PlacesImport::geoJsonFeaturesAreImportedAndBadOnesReportedByLine()
{
    const Run run = runImport({ "--output", output(), fixture("places.geojson") });
    QCOMPARE(run.exitCode, 0);
    QVERIFY2(run.err.contains(QStringLiteral("places.geojson:9: feature 2: the geometry is not a Point")),
             qPrintable(run.err));
    QVERIFY2(run.err.contains(QStringLiteral("places.geojson:14: feature 3: no name")), qPrintable(run.err));

    const Gazetteer gazetteer(output());
    QCOMPARE(names(everything(gazetteer)), (QStringList { "200 University Ave W", "Dana Porter Library" }));
    const GazetteerEntry address = gazetteer.nearest(43.46, -80.52, GazetteerEntry::Address, 1).value(0);
    QCOMPARE(address.postalCode, QStringLiteral("N2L 3G1"));
    QCOMPARE(address.importance, 3.0);
    QCOMPARE(address.distanceMetres, 0.0);
}

void tst_PlacesImport::ratingsAreImportedAndBadOnesReportedByLine_data()
{
    QTest::addColumn<QString>("rating");
    QTest::addColumn<QString>("count");
    QTest::addColumn<QString>("message"); // empty when the row is good
    QTest::addColumn<double>("stored"); // NaN when no rating is stored

    const auto row = [](const char *name, const char *rating, const char *count, const char *message, double stored) {
        QTest::newRow(name) << QString(rating) << QString(count) << QString(message) << stored;
    };
    row("a rating with its count", "4.5", "120", "", 4.5);
    row("no rating at all", "", "", "", qQNaN());
    row("a rating above five", "5.5", "", "rating out of range (0 to 5)", qQNaN());
    row("a rating that is not a number", "good", "", "rating \"good\" is not a number", qQNaN());
    row("a rating of not-a-number", "nan", "", "rating \"nan\" is not a number", qQNaN());
    row("a count with a fraction", "4", "2.5", "rating count \"2.5\" is not a whole number", qQNaN());
}

void tst_PlacesImport::ratingsAreImportedAndBadOnesReportedByLine()
{
    QFETCH(QString, rating);
    QFETCH(QString, count);
    QFETCH(QString, message);
    QFETCH(double, stored);

    const QString input = m_roots->path() + QStringLiteral("/ratings.csv");
    QFile file(input);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("name,lat,lon,rating,rating_count\nFirst Diner,45,5,,\nRated Diner,45.1,5," + rating.toUtf8() + ','
               + count.toUtf8() + '\n');
    file.close();

    const Run run = runImport({ "-o", output(), input });
    QCOMPARE(run.exitCode, 0);
    QVERIFY2(run.err.contains(message.isEmpty() ? QString() : QStringLiteral("ratings.csv:3: ") + message),
             qPrintable(run.err));
    const QList<GazetteerEntry> found
        = Gazetteer(output()).search("rated diner", GazetteerEntry::AnyKind, qQNaN(), qQNaN(), 0, 1);
    QCOMPARE(found.size(), message.isEmpty() ? 1 : 0);
    if (!found.isEmpty()) {
        QCOMPARE(qIsNaN(found.first().rating), qIsNaN(stored));
        QCOMPARE(found.first().ratingCount, count.toInt());
        if (!qIsNaN(stored))
            QCOMPARE(found.first().rating, stored);
    }
}

void tst_PlacesImport::existingEntriesAreKeptUnlessReplaced()
{
    QCOMPARE(runImport({ "-o", output(), fixture("places.csv") }).exitCode, 0);
    const Run added = runImport({ "-o", output(), fixture("places.geojson") });
    QCOMPARE(added.exitCode, 0);
    QVERIFY2(added.out.contains(QStringLiteral("4 kept")), qPrintable(added.out));
    QCOMPARE(everything(Gazetteer(output())).size(), 6);

    QCOMPARE(runImport({ "--replace", "-o", output(), fixture("places.geojson") }).exitCode, 0);
    QCOMPARE(everything(Gazetteer(output())).size(), 2);
}

void tst_PlacesImport::aFailedRunLeavesTheFileAsItWas_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("message");

    QTest::newRow("a missing input file after a good one") << "missing.csv" << QByteArray() << "missing.csv: ";
    QTest::newRow("JSON cut off in the middle")
        << "cut.geojson" << QByteArray("{\"type\": \"FeatureCollection\",\n\"features\": [\n{\"type\": ")
        << "cut.geojson: line 3: not JSON";
    QTest::newRow("a CSV file without a name column")
        << "noname.csv" << QByteArray("lat,lon\n1,2\n") << "noname.csv: the header row has no \"name\" column";
}

void tst_PlacesImport::aFailedRunLeavesTheFileAsItWas()
{
    QFETCH(QString, input);
    QFETCH(QByteArray, content);
    QFETCH(QString, message);

    QCOMPARE(runImport({ "-o", output(), fixture("places.geojson") }).exitCode, 0);
    const QByteArray before = contentOf(output());
    const QString inputPath = m_roots->path() + QLatin1Char('/') + input;
    if (!content.isNull()) {
        QFile file(inputPath);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    }

    const Run run = runImport({ "-o", output(), fixture("places.csv"), inputPath });
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.err.contains(message), qPrintable(run.err));
    QCOMPARE(contentOf(output()), before);
    QCOMPARE(QDir(m_roots->path() + QStringLiteral("/out")).entryList(QDir::Files | QDir::Hidden),
             QStringList { "gazetteer.db" });
}

void tst_PlacesImport::badArgumentsExitWithTwo_data()
{
    QTest::addColumn<QStringList>("arguments");

    QTest::newRow("no input at all") << QStringList { "-o", "x.db" };
    QTest::newRow("an unknown option") << QStringList { "--frobnicate", "a.csv" };
    QTest::newRow("an unknown kind") << QStringList { "--kind", "castle", "a.csv" };
    QTest::newRow("an unknown format") << QStringList { "--format", "xml", "a.csv" };
}

void tst_PlacesImport::badArgumentsExitWithTwo()
{
    QFETCH(QStringList, arguments);
    const Run run = runImport(arguments);
    QCOMPARE(run.exitCode, 2);
    QVERIFY(!run.err.isEmpty());
    QVERIFY(!QFile::exists(m_roots->gazetteerPath()));
}

void tst_PlacesImport::helpDescribesTheColumns()
{
    const Run run = runImport({ "--help" });
    QCOMPARE(run.exitCode, 0);
    QVERIFY(run.out.contains(QStringLiteral("postal_code")));
    QVERIFY(run.out.contains(QStringLiteral("--replace")));
    QVERIFY(run.out.contains(QStringLiteral("Exit status")));
}

void tst_PlacesImport::theDefaultDataSetBuildsCountriesRegionsAndLocalities()
{
    const Run run = runImport(
        { "--replace", "--cities", fixture("cities"), "--iso-codes", fixture("iso_3166-1.json"), "-o", output() });
    QCOMPARE(run.exitCode, 0);
    const Gazetteer gazetteer(output());
    QVERIFY2(gazetteer.isOpen(), qPrintable(gazetteer.errorString()));

    // Countries with localities only, first in importance; regions next.
    QCOMPARE(names(gazetteer.search("a", GazetteerEntry::Country, qQNaN(), qQNaN(), 0, 10))
                 + names(gazetteer.search("b", GazetteerEntry::Country, qQNaN(), qQNaN(), 0, 10))
                 + names(gazetteer.search("f", GazetteerEntry::Country, qQNaN(), qQNaN(), 0, 10)),
             (QStringList { "Belgium", "Fiji" }));
    QCOMPARE(gazetteer.entry(1).kind, GazetteerEntry::Country);
    QCOMPARE(gazetteer.entry(1).name, QStringLiteral("Canada"));
    QCOMPARE(everything(gazetteer).size(), 4 + 6 + 9);

    const QList<GazetteerEntry> waterloos = gazetteer.search("waterloo", GazetteerEntry::Locality, 43.5, -80.5, 0, 5);
    QCOMPARE(waterloos.size(), 2);
    QCOMPARE(waterloos.first().region, QStringLiteral("Ontario"));
    QCOMPARE(waterloos.first().regionCode, QStringLiteral("08"));
    QCOMPARE(waterloos.first().country, QStringLiteral("Canada"));
    QCOMPARE(waterloos.first().countryCode, QStringLiteral("CA"));
    QCOMPARE(waterloos.at(1).country, QStringLiteral("Belgium"));
    QCOMPARE(gazetteer.search("montreal", GazetteerEntry::Locality, qQNaN(), qQNaN(), 0, 5).value(0).name,
             QStringLiteral("Montréal"));

    // A town with neighbours outranks a lone one; a country's centre lies among its towns,
    // also when they straddle the antimeridian.
    QVERIFY(waterloos.first().importance > gazetteer.search("zurich", 4, qQNaN(), qQNaN(), 0, 1).value(0).importance);
    const GazetteerEntry fiji = gazetteer.search("fiji", GazetteerEntry::Country, qQNaN(), qQNaN(), 0, 1).value(0);
    QVERIFY2(qAbs(fiji.longitude) > 178 && fiji.latitude < -16 && fiji.latitude > -18.2,
             qPrintable(QStringLiteral("%1 %2").arg(fiji.latitude).arg(fiji.longitude)));
    const GazetteerEntry ontario = gazetteer.search("ontario", GazetteerEntry::Region, qQNaN(), qQNaN(), 0, 1).value(0);
    QCOMPARE(ontario.country, QStringLiteral("Canada"));
    QVERIFY(qAbs(ontario.latitude - 43.42) < 0.1);
}

QTEST_GUILESS_MAIN(tst_PlacesImport)
#include "tst_placesimport.moc"
