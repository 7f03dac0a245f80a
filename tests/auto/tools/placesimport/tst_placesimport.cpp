#include <hx/platform/places/gazetteer.h>

#include <QtCore/QFile>
#include <QtCore/QProcess>
#include <QtTest/QtTest>

#include <sqlite3.h>

#include <protozero/pbf_writer.hpp>
#include <protozero/varint.hpp>

#include <csignal>
#include <string>

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

bool writeDatabase(const QString &path, const char *sql)
{
    sqlite3 *db = nullptr;
    const bool ok = sqlite3_open(QFile::encodeName(path).constData(), &db) == SQLITE_OK
        && sqlite3_exec(db, sql, nullptr, nullptr, nullptr) == SQLITE_OK;
    sqlite3_close(db);
    return ok;
}

QStringList names(const QList<GazetteerEntry> &entries)
{
    QStringList found;
    for (const GazetteerEntry &entry : entries)
        found.append(entry.name);
    found.sort();
    return found;
}

// A populated place as the localities file holds it.
struct Locality
{
    qint64 id;
    const char *name;
    const char *country;
    const char *featureCode;
    const char *adminCode;
    quint64 population;
    double latitude;
    double longitude;
};

QList<Locality> defaultLocalities()
{
    return {
        { 6176823, "Waterloo", "CA", "PPL", "08", 97475, 43.4668, -80.51639 },
        { 5992996, "Kitchener", "CA", "PPLA2", "08", 233700, 43.42537, -80.5112 },
        { 9000001, "Uptown", "CA", "PPLX", "08", 0, 43.4640, -80.5230 },
        { 6167865, "Toronto", "CA", "PPLA", "08", 2600000, 43.70011, -79.4163 },
        { 2802985, "Waterloo", "BE", "PPL", "WAL", 29779, 50.71469, 4.3991 },
        { 9000002, "Seatown", "CH", "PPLA", "ZH", 1000, 47.1, 8.1 },
        { 9000003, "Stilltown", "CH", "PPL", "ZH", 1000, 47.3, 8.9 },
        { 9000004, "Lonely Quarter", "FJ", "PPLX", "C", 50, -17.8, 178.4 },
        { 9000005, "Nameless", "XX", "PPL", "", 10, 10, 10 },
    };
}

// Length-prefixed records, positions as differences in units of 1e-5 degrees.
QByteArray localitiesData(const QList<Locality> &localities)
{
    std::string data;
    qint64 lastLatitude = 0;
    qint64 lastLongitude = 0;
    for (const Locality &locality : localities) {
        std::string record;
        protozero::pbf_writer writer(record);
        writer.add_sint64(1, locality.id);
        writer.add_string(2, locality.name);
        writer.add_string(3, locality.country);
        writer.add_string(7, locality.featureCode);
        writer.add_string(8, locality.adminCode);
        if (locality.population)
            writer.add_uint64(9, locality.population);
        const qint64 latitude = qRound64(locality.latitude * 1e5);
        const qint64 longitude = qRound64(locality.longitude * 1e5);
        writer.add_sint64(10, longitude - lastLongitude);
        writer.add_sint64(11, latitude - lastLatitude);
        lastLatitude = latitude;
        lastLongitude = longitude;
        protozero::add_varint_to_buffer(&data, record.size());
        data += record;
    }
    return QByteArray(data.data(), int(data.size()));
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
    void csvLines_data();
    void csvLines();
    void onlyAGazetteerIsEverReplaced_data();
    void onlyAGazetteerIsEverReplaced();
    void aKilledImportLeavesNothingBehindAfterTheNextRun();
    void badArgumentsExitWithTwo_data();
    void badArgumentsExitWithTwo();
    void helpDescribesTheColumns();
    void theDefaultDataSetRanksTownsByPopulation();
    void otherNamesAreTheOnesPeopleType_data();
    void otherNamesAreTheOnesPeopleType();
    void airportsArePointsOfInterestFoundByNameAndCode_data();
    void airportsArePointsOfInterestFoundByNameAndCode();
    void aDamagedLocalitiesFileFailsWithItsRecord_data();
    void aDamagedLocalitiesFileFailsWithItsRecord();
    void openStreetMapExtractsGivePointsOfInterestAndAddresses();
    void openStreetMapTagsChooseTheCategory_data();
    void openStreetMapTagsChooseTheCategory();

private:
    QString output() const { return m_roots->path() + QStringLiteral("/out/gazetteer.db"); }
    QString writeLocalities(const QList<Locality> &localities) const;
    QString writeExtract() const;
    QScopedPointer<hx::test::TestRoots> m_roots;
};

QString tst_PlacesImport::writeLocalities(const QList<Locality> &localities) const
{
    const QString path = m_roots->path() + QStringLiteral("/cities.pbf");
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(localitiesData(localities));
    return path;
}

// A few blocks of Waterloo: tagged nodes, a hotel drawn as a closed way, a building with an
// address, and elements that cannot be places.
QString tst_PlacesImport::writeExtract() const
{
    const QString path = m_roots->path() + QStringLiteral("/extract.osm");
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return QString();
    file.write(R"(<?xml version='1.0' encoding='UTF-8'?>
<osm version="0.6" generator="tst_placesimport">
  <node id="1" lat="43.4643" lon="-80.5204">
    <tag k="amenity" v="restaurant"/><tag k="name" v="Pyrus Kitchen"/>
    <tag k="addr:housenumber" v="12"/><tag k="addr:street" v="King Street North"/>
    <tag k="addr:city" v="Waterloo"/><tag k="addr:postcode" v="N2J 2W6"/><tag k="phone" v="+1 519 555 0100"/>
  </node>
  <node id="2" lat="43.47" lon="-80.53"><tag k="amenity" v="fuel"/><tag k="name" v="Corner Gas"/></node>
  <node id="3" lat="43.48" lon="-80.54"><tag k="amenity" v="bench"/></node>
  <node id="4" lat="43.49" lon="-80.55">
    <tag k="addr:housenumber" v="200"/><tag k="addr:street" v="University Avenue West"/>
    <tag k="addr:city" v="Waterloo"/>
  </node>
  <node id="5" lat="43.45" lon="-80.49"><tag k="shop" v="kites"/><tag k="name" v="!!!"/></node>
  <node id="6" lat="43.451" lon="-80.491"><tag k="shop" v="kites"/><tag k="name" v="Kite Corner"/></node>
  <node id="7" lat="43.452" lon="-80.492">
    <tag k="amenity" v="cafe"/><tag k="shop" v="books"/><tag k="name" v="Book Cafe"/>
  </node>
  <node id="8" lat="43.453" lon="-80.493"><tag k="amenity" v="townhall"/><tag k="name" v="City Hall"/></node>
  <node id="10" lat="43.4600" lon="-80.5000"/>
  <node id="11" lat="43.4600" lon="-80.5020"/>
  <node id="12" lat="43.4620" lon="-80.5020"/>
  <node id="13" lat="43.4620" lon="-80.5000"/>
  <node id="14" lat="43.4660" lon="-80.5250"/>
  <node id="15" lat="43.4660" lon="-80.5260"/>
  <node id="16" lat="43.4670" lon="-80.5255"/>
  <way id="20">
    <nd ref="10"/><nd ref="11"/><nd ref="12"/><nd ref="13"/><nd ref="10"/>
    <tag k="tourism" v="hotel"/><tag k="name" v="Walper Hotel"/>
  </way>
  <way id="21">
    <nd ref="98"/><nd ref="99"/><tag k="addr:housenumber" v="1"/><tag k="addr:street" v="Ghost Road"/>
  </way>
  <way id="22">
    <nd ref="14"/><nd ref="15"/><nd ref="16"/><nd ref="14"/>
    <tag k="building" v="yes"/><tag k="addr:housenumber" v="5"/><tag k="addr:street" v="Erb Street West"/>
    <tag k="addr:city" v="Waterloo"/><tag k="addr:postcode" v="N2L 1S7"/>
  </way>
</osm>
)");
    return path;
}

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
    QTest::newRow("an OpenStreetMap extract cut off in the middle")
        << "cut.osm" << QByteArray("<?xml version='1.0' encoding='UTF-8'?>\n<osm version=\"0.6\">\n<node id=\"1\" lat=")
        << "cut.osm: ";
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

void tst_PlacesImport::csvLines_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("errors");
    QTest::addColumn<QStringList>("stored");

    QTest::newRow("lines ended by carriage returns alone")
        << QByteArray("name,lat,lon\rAlpha,43,-80\rBeta,44,-80\r") << 0 << QString() << QStringList { "Alpha", "Beta" };
    QTest::newRow("a NUL byte in a name") << QByteArray("name,lat,lon\nAl\0pha,43,-80\nBeta,44,-80\n", 39) << 0
                                          << "in.csv:2: a NUL byte in column \"name\"\n"
                                          << QStringList { "Beta" };
    QTest::newRow("a column named twice") << QByteArray("name,lat,lon,Name\nAlpha,43,-80,Beta\n") << 1
                                          << "in.csv: line 1: the header row names the column \"name\" twice\n"
                                          << QStringList();
    QTest::newRow("blank header columns")
        << QByteArray("name,lat,lon,,\nAlpha,43,-80,,\n") << 0 << QString() << QStringList { "Alpha" };
    QTest::newRow("a NUL byte in the header")
        << QByteArray("name\0x,lat,lon\nAlpha,43,-80\n", 28) << 1 << "in.csv: line 1: a NUL byte in the header row\n"
        << QStringList();
    QTest::newRow("a quote left open in the header")
        << QByteArray("name,\"lat,lon\nAlpha,43,-80\n") << 1
        << "in.csv: line 1: a quoted field of the header row is not closed\n"
        << QStringList();
    QTest::newRow("a quote left open swallows the rows after it")
        << QByteArray("name,lat,lon\n\"Alpha,43,-80\nBeta,44,-80\n\nGamma,45,-80\n") << 0
        << "in.csv:2: a quoted field is not closed\n"
           "in.csv:3: inside the quoted field left open on line 2\n"
           "in.csv:5: inside the quoted field left open on line 2\n"
        << QStringList();
    QTest::newRow("a latitude of NaN") << QByteArray("name,lat,lon\nAlpha,NaN,-80\n") << 0
                                       << "in.csv:2: latitude \"NaN\" is not a number\n"
                                       << QStringList();
    QTest::newRow("a name of 80,000 characters") << "name,lat,lon\n" + QByteArray(80000, 'x') + ",43,-80\n"
                                                 << 0 << QString() << QStringList { QString(256, QLatin1Char('x')) };
}

void tst_PlacesImport::csvLines()
{
    QFETCH(QByteArray, content);
    QFETCH(int, exitCode);
    QFETCH(QString, errors);
    QFETCH(QStringList, stored);
    const QString input = m_roots->path() + QStringLiteral("/in.csv");
    QFile file(input);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(content) == content.size());
    file.close();

    const Run run = runImport({ "-o", output(), input });
    QCOMPARE(run.exitCode, exitCode);
    QCOMPARE(QString(run.err).remove(m_roots->path() + QLatin1Char('/')), errors);
    if (exitCode != 0) {
        QVERIFY(!QFile::exists(output()));
        return;
    }
    QCOMPARE(names(everything(Gazetteer(output()))), stored);
}

void tst_PlacesImport::onlyAGazetteerIsEverReplaced_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("message"); // empty: replaced

    QTest::newRow("another application's database") << "other.db"
                                                    << "other.db: refused and left as it is: not a gazetteer file";
    QTest::newRow("a text file") << "notes.txt"
                                 << "notes.txt: refused and left as it is: not a database: file is not a database";
    QTest::newRow("its own input") << "input.csv"
                                   << "input.csv: refused and left as it is: it is also an input file";
    QTest::newRow("a folder") << "folder"
                              << "folder: refused and left as it is: not a regular file";
    QTest::newRow("a gazetteer") << "gazetteer.db" << QString();
    QTest::newRow("an empty file") << "empty.db" << QString();
    QTest::newRow("nothing yet") << "new.db" << QString();
}

void tst_PlacesImport::onlyAGazetteerIsEverReplaced()
{
    QFETCH(QString, target);
    QFETCH(QString, message);
    const QDir dir(m_roots->path());
    const QString input = dir.filePath("input.csv");
    QVERIFY(QFile::copy(fixture("places.csv"), input));
    QVERIFY(writeDatabase(dir.filePath("other.db"),
                          "CREATE TABLE mail(id INTEGER PRIMARY KEY, body TEXT);"
                          "INSERT INTO mail(body) VALUES('keep me');"));
    QFile notes(dir.filePath("notes.txt"));
    QVERIFY(notes.open(QIODevice::WriteOnly) && notes.write("shopping: milk, eggs\n") > 0);
    notes.close();
    QFile(dir.filePath("empty.db")).open(QIODevice::WriteOnly);
    QVERIFY(dir.mkpath("folder"));
    QCOMPARE(runImport({ "-o", dir.filePath("gazetteer.db"), fixture("places.geojson") }).exitCode, 0);
    const QString path = dir.filePath(target);
    const QByteArray before = contentOf(path);

    for (const char *replace : { "", "--replace" }) {
        QStringList arguments { "-o", path, input };
        if (*replace)
            arguments.prepend(replace);
        const Run run = runImport(arguments);
        if (message.isEmpty()) {
            QCOMPARE(run.exitCode, 0);
            continue;
        }
        QCOMPARE(run.exitCode, 1);
        // The last line is the program's own; the store's log lines come before it.
        const QString said = QString(run.err).remove(dir.path() + QLatin1Char('/'));
        QVERIFY2(said.endsWith(QLatin1Char('\n') + message + QLatin1Char('\n')) || said == message + QLatin1Char('\n'),
                 qPrintable(said));
        QCOMPARE(contentOf(path), before);
    }
    if (message.isEmpty())
        QCOMPARE(everything(Gazetteer(path)).size(), 4);
    QCOMPARE(dir.entryList(QDir::Files | QDir::Hidden).size(), QFileInfo::exists(dir.filePath("new.db")) ? 6 : 5);
}

void tst_PlacesImport::aKilledImportLeavesNothingBehindAfterTheNextRun()
{
    // A long input keeps the import busy while it is killed.
    const QString input = m_roots->path() + QStringLiteral("/long.csv");
    QFile file(input);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("name,lat,lon\n");
    for (int i = 0; i < 400000; ++i)
        file.write(QStringLiteral("Place %1,43.%2,-80.5\n").arg(i).arg(i % 1000).toUtf8());
    file.close();
    QVERIFY(QDir().mkpath(QFileInfo(output()).path()));
    const QDir out(QFileInfo(output()).path());

    QProcess killed;
    killed.start(QStringLiteral(HX_PLACES_IMPORT), { "-o", output(), input });
    QVERIFY(killed.waitForStarted());
    QTRY_VERIFY_WITH_TIMEOUT(!out.entryList(QDir::Files | QDir::Hidden).isEmpty(), 60000);
    ::kill(killed.processId(), SIGKILL);
    QVERIFY(killed.waitForFinished(60000));
    QVERIFY(!out.entryList(QDir::Files | QDir::Hidden).isEmpty());

    QCOMPARE(runImport({ "-o", output(), fixture("places.geojson") }).exitCode, 0);
    QCOMPARE(out.entryList(QDir::Files | QDir::Hidden), QStringList { "gazetteer.db" });
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

void tst_PlacesImport::theDefaultDataSetRanksTownsByPopulation()
{
    const Run run
        = runImport({ "--replace", "--localities", writeLocalities(defaultLocalities()), "--regions",
                      fixture("cities/admin1.json"), "--iso-codes", fixture("iso_3166-1.json"), "-o", output() });
    QCOMPARE(run.exitCode, 0);
    const Gazetteer gazetteer(output());
    QVERIFY2(gazetteer.isOpen(), qPrintable(gazetteer.errorString()));

    // Countries first, by the people of their towns; a country without a known name is left out.
    QCOMPARE(gazetteer.entry(1).kind, GazetteerEntry::Country);
    QCOMPARE(gazetteer.entry(1).name, QStringLiteral("Canada"));
    QCOMPARE(names(gazetteer.search("o", GazetteerEntry::Region, qQNaN(), qQNaN(), 0, 5)), QStringList { "Ontario" });

    const QList<GazetteerEntry> waterloos = gazetteer.search("waterloo", GazetteerEntry::Locality, 43.5, -80.5, 0, 5);
    QCOMPARE(waterloos.size(), 2);
    QCOMPARE(waterloos.first().region, QStringLiteral("Ontario"));
    QCOMPARE(waterloos.first().regionCode, QStringLiteral("08"));
    QCOMPARE(waterloos.first().country, QStringLiteral("Canada"));
    QCOMPARE(waterloos.first().countryCode, QStringLiteral("CA"));
    QCOMPARE(waterloos.at(1).country, QStringLiteral("Belgium"));

    // Without a position the larger town comes first, and a seat comes before a town of its size.
    QCOMPARE(names(gazetteer.search("waterloo", GazetteerEntry::Locality, qQNaN(), qQNaN(), 0, 1)),
             QStringList { "Waterloo" });
    QCOMPARE(gazetteer.search("waterloo", GazetteerEntry::Locality, qQNaN(), qQNaN(), 0, 1).value(0).countryCode,
             QStringLiteral("CA"));
    QCOMPARE(gazetteer.search("t", GazetteerEntry::Locality, qQNaN(), qQNaN(), 0, 5).value(0).name,
             QStringLiteral("Toronto"));
    const QList<GazetteerEntry> sameSize = gazetteer.search("s", GazetteerEntry::Locality, qQNaN(), qQNaN(), 0, 5);
    QCOMPARE(sameSize.size(), 2);
    QCOMPARE(sameSize.first().name, QStringLiteral("Seatown"));

    // A section of a town belongs to the town that pulls it hardest, not the nearest centre; a
    // section with no town around it stands for itself.
    const QList<GazetteerEntry> uptown = gazetteer.search("uptown", GazetteerEntry::AnyKind, qQNaN(), qQNaN(), 0, 5);
    QCOMPARE(uptown.size(), 1);
    QCOMPARE(uptown.first().kind, GazetteerEntry::Neighbourhood);
    QCOMPARE(uptown.first().city, QStringLiteral("Waterloo"));
    const QList<GazetteerEntry> lone = gazetteer.search("lonely", GazetteerEntry::AnyKind, qQNaN(), qQNaN(), 0, 5);
    QCOMPARE(lone.size(), 1);
    QCOMPARE(lone.first().kind, GazetteerEntry::Locality);
    QCOMPARE(gazetteer.nearest(43.4650, -80.5230, GazetteerEntry::Locality, 1).value(0).name,
             QStringLiteral("Waterloo"));
}

void tst_PlacesImport::otherNamesAreTheOnesPeopleType_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("kept");

    QTest::newRow("another language") << "Torontas" << true;
    QTest::newRow("another script") << "Торонто" << true;
    QTest::newRow("a name of a language without capitals") << "トロント" << true;
    QTest::newRow("an elided article before a capital") << "L'Ontario" << true;
    QTest::newRow("a passenger code") << "YTO" << false;
    QTest::newRow("a postal code") << "M5H" << false;
    QTest::newRow("digits") << "1834" << false;
    QTest::newRow("a link") << "https://toronto.ca" << false;
    QTest::newRow("a machine transliteration in small letters") << "tolonto" << false;
    QTest::newRow("a soft sign written as an apostrophe") << "Toront'" << false;
    QTest::newRow("a romanisation mark") << "toronto~e" << false;
    QTest::newRow("\"City of\" before the name") << "Gorad Taronta" << false;
    QTest::newRow("a name joined to its transliteration") << "Torontu - トロント" << false;
    QTest::newRow("the same name folded") << "TORONTO" << false;
}

void tst_PlacesImport::otherNamesAreTheOnesPeopleType()
{
    QFETCH(QString, name);
    QFETCH(bool, kept);

    const QString cities = m_roots->path() + QStringLiteral("/cities1000.txt");
    QFile file(cities);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(QStringLiteral("6167865\tToronto\tToronto\tToronto,%1,Toronto Ciudad\t43.70011\t-79.4163\tP\tPPLA\tCA\n"
                              "not a line\n")
                   .arg(name)
                   .toUtf8());
    file.close();
    const Run run = runImport({ "--replace", "--localities", writeLocalities(defaultLocalities()), "--regions",
                                fixture("cities/admin1.json"), "--iso-codes", fixture("iso_3166-1.json"),
                                "--other-names", cities, "--translations", "/usr/share/locale", "-o", output() });
    QCOMPARE(run.exitCode, 0);
    const Gazetteer gazetteer(output());
    const GazetteerEntry toronto
        = gazetteer.search("toronto", GazetteerEntry::Locality, qQNaN(), qQNaN(), 0, 1).value(0);
    const QStringList expected = kept ? QStringList { name, "Toronto Ciudad" } : QStringList { "Toronto Ciudad" };
    QCOMPARE(gazetteer.entry(toronto.id).otherNames, expected);
    // The country answers to its names in the phone's languages, and is shown in the phone's.
    const GazetteerEntry canada = gazetteer.search("kanad", GazetteerEntry::Country, qQNaN(), qQNaN(), 0, 1).value(0);
    QCOMPARE(canada.countryCode, QStringLiteral("CA"));
    QCOMPARE(canada.foundAs, QStringLiteral("Kanada"));
    // Not in a language the phone does not offer: Maori's "Kānata" would answer "kanat".
    QVERIFY(gazetteer.search("kanat", GazetteerEntry::Country, qQNaN(), qQNaN(), 0, 1).isEmpty());
    const QLocale before;
    QLocale::setDefault(QLocale(QStringLiteral("de_DE")));
    const QString country = gazetteer.entry(toronto.id).country;
    QLocale::setDefault(before);
    QCOMPARE(country, QStringLiteral("Kanada"));
}

void tst_PlacesImport::airportsArePointsOfInterestFoundByNameAndCode_data()
{
    QTest::addColumn<QString>("typed");
    QTest::newRow("name") << "pearson";
    QTest::newRow("passenger code") << "YYZ";
    QTest::newRow("town") << "toronto pearson";
}

void tst_PlacesImport::airportsArePointsOfInterestFoundByNameAndCode()
{
    QFETCH(QString, typed);
    const QString airports = m_roots->path() + QStringLiteral("/airports.json");
    QFile file(airports);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(R"([
        {"name": "Lester B. Pearson International Airport", "city": "Toronto", "country": "Canada",
         "iata": "YYZ", "icao": "CYYZ", "latitude": 43.6772, "longitude": -79.6306},
        {"name": "Waterloo Gliding Field", "city": "", "country": "Narnia", "iata": "\\N", "icao": "\\N",
         "latitude": 43.47, "longitude": -80.50},
        {"name": "Nowhere Strip", "city": "Nowhere", "country": "Canada", "iata": "NWS"}
    ])");
    file.close();
    const Run run = runImport({ "--replace", "--localities", writeLocalities(defaultLocalities()), "--regions",
                                fixture("cities/admin1.json"), "--iso-codes", fixture("iso_3166-1.json"), "--airports",
                                airports, "-o", output() });
    QCOMPARE(run.exitCode, 0);
    QVERIFY2(run.out.contains(QStringLiteral("1 skipped")), qPrintable(run.out));
    const Gazetteer gazetteer(output());

    const QList<GazetteerEntry> found
        = gazetteer.search(typed, GazetteerEntry::PointOfInterest, qQNaN(), qQNaN(), 0, 5);
    QCOMPARE(found.size(), 1);
    const GazetteerEntry &pearson = found.first();
    QCOMPARE(pearson.name, QStringLiteral("Lester B. Pearson International Airport (YYZ)"));
    QCOMPARE(pearson.category, QStringLiteral("ALA"));
    QCOMPARE(pearson.city, QStringLiteral("Toronto"));
    QCOMPARE(pearson.region, QStringLiteral("Ontario"));
    QCOMPARE(pearson.countryCode, QStringLiteral("CA"));
    QCOMPARE(gazetteer.categories(QStringLiteral("airp"), 5), QStringList { "ALA\tAirports" });

    // A country name the table lacks takes the country of the town beside the airport.
    const GazetteerEntry field
        = gazetteer.search("gliding", GazetteerEntry::PointOfInterest, qQNaN(), qQNaN(), 0, 1).value(0);
    QCOMPARE(field.name, QStringLiteral("Waterloo Gliding Field"));
    QCOMPARE(field.country, QStringLiteral("Canada"));
    QCOMPARE(field.city, QStringLiteral("Waterloo"));
}

void tst_PlacesImport::aDamagedLocalitiesFileFailsWithItsRecord_data()
{
    QTest::addColumn<int>("cut");
    QTest::addColumn<QString>("message");
    QTest::newRow("record cut short") << 3 << "record 2: cut short";
    QTest::newRow("field cut short") << 1 << "record 2: ";
}

void tst_PlacesImport::aDamagedLocalitiesFileFailsWithItsRecord()
{
    QFETCH(int, cut);
    QFETCH(QString, message);
    const QList<Locality> two = defaultLocalities().mid(0, 2);
    QByteArray data = localitiesData(two.mid(0, 1));
    QByteArray second = localitiesData(two.mid(1, 1));
    if (cut == 1) {
        // The length still covers the record, but the record's last field lost its bytes.
        second[0] = char(second.size() - 1);
        second.chop(2);
        second.append(char(0x1a)); // a text field whose length is missing
    } else {
        second.chop(cut);
    }
    const QString path = m_roots->path() + QStringLiteral("/damaged.pbf");
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(data + second);
    file.close();
    const Run run = runImport({ "--replace", "--localities", path, "--regions", fixture("cities/admin1.json"),
                                "--iso-codes", fixture("iso_3166-1.json"), "-o", output() });
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.err.contains(path + QStringLiteral(": ") + message), qPrintable(run.err));
    QVERIFY(!QFile::exists(output()));
}

void tst_PlacesImport::openStreetMapExtractsGivePointsOfInterestAndAddresses()
{
    const QString extract = writeExtract();
    const Run run = runImport({ "--replace", "-o", output(), extract });
    QCOMPARE(run.exitCode, 0);
    // Unnamed features and untagged nodes are no places, and go unmentioned.
    QCOMPARE(QString(run.err).remove(extract),
             QStringLiteral(":node/5: a name without letters or digits\n"
                            ":way/21: no position\n"));
    QVERIFY2(run.out.startsWith(QStringLiteral("8 places added, 2 skipped")), qPrintable(run.out));

    const Gazetteer gazetteer(output());
    const GazetteerEntry pyrus = gazetteer.search("pyrus", GazetteerEntry::AnyKind, qQNaN(), qQNaN(), 0, 5).value(0);
    QCOMPARE(pyrus.kind, GazetteerEntry::PointOfInterest);
    QCOMPARE(pyrus.street, QStringLiteral("12 King Street North"));
    QCOMPARE(pyrus.city, QStringLiteral("Waterloo"));
    QCOMPARE(pyrus.postalCode, QStringLiteral("N2J 2W6"));
    QCOMPARE(pyrus.phone, QStringLiteral("+1 519 555 0100"));
    QCOMPARE(pyrus.latitude, 43.4643);

    // A way stands at the centre of its nodes, its closing node counted once.
    const GazetteerEntry hotel = gazetteer.search("walper", GazetteerEntry::AnyKind, qQNaN(), qQNaN(), 0, 5).value(0);
    QCOMPARE(hotel.kind, GazetteerEntry::PointOfInterest);
    QVERIFY(qAbs(hotel.latitude - 43.4610) < 1e-6);
    QVERIFY(qAbs(hotel.longitude + 80.5010) < 1e-6);

    const QList<GazetteerEntry> addresses
        = gazetteer.search("waterloo", GazetteerEntry::Address, qQNaN(), qQNaN(), 0, 5);
    QCOMPARE(names(addresses), (QStringList { "200 University Avenue West", "5 Erb Street West" }));
    const GazetteerEntry erb = gazetteer.search("5 erb", GazetteerEntry::Address, qQNaN(), qQNaN(), 0, 1).value(0);
    QCOMPARE(erb.street, QStringLiteral("5 Erb Street West"));
    QCOMPARE(erb.postalCode, QStringLiteral("N2L 1S7"));
    QVERIFY(qAbs(erb.latitude - 43.46633333) < 1e-6);
}

void tst_PlacesImport::openStreetMapTagsChooseTheCategory_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("category");
    QTest::newRow("a restaurant") << "pyrus"
                                  << "AE";
    QTest::newRow("fuel is a gas station") << "corner gas"
                                           << "ACC";
    QTest::newRow("a hotel is lodging") << "walper"
                                        << "AHC";
    QTest::newRow("an amenity decides before a shop") << "book cafe"
                                                      << "AEE";
    QTest::newRow("a shop the table does not know is a retail shop") << "kite corner"
                                                                     << "AKF";
    QTest::newRow("an amenity the table does not know has no category") << "city hall"
                                                                        << "";
}

void tst_PlacesImport::openStreetMapTagsChooseTheCategory()
{
    QFETCH(QString, name);
    QFETCH(QString, category);
    if (!QFile::exists(output()))
        QCOMPARE(runImport({ "--replace", "-o", output(), writeExtract() }).exitCode, 0);
    const Gazetteer gazetteer(output());
    const QList<GazetteerEntry> found = gazetteer.search(name, GazetteerEntry::PointOfInterest, qQNaN(), qQNaN(), 0, 5);
    QCOMPARE(found.size(), 1);
    QCOMPARE(found.first().category, category);
}

QTEST_GUILESS_MAIN(tst_PlacesImport)
#include "tst_placesimport.moc"
