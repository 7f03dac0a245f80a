#include "osmreader.h"

#include <hx/platform/places/gazetteerwriter.h>

#include <QtCore/QDir>
#include <QtCore/QFile>
#include <QtCore/QTemporaryDir>
#include <QtTest/QtTest>

namespace {

const QByteArray EXTRACT = R"(<?xml version='1.0' encoding='UTF-8'?>
<osm version="0.6" generator="tst_osmreader">
  <node id="1" lat="43.4643" lon="-80.5204"><tag k="amenity" v="cafe"/><tag k="name" v="Lumen Coffee"/></node>
  <node id="10" lat="43.4600" lon="-80.5000"/>
  <node id="11" lat="43.4600" lon="-80.5020"/>
  <node id="12" lat="43.4620" lon="-80.5020"/>
  <way id="20">
    <nd ref="10"/><nd ref="11"/><nd ref="12"/><nd ref="10"/>
    <tag k="tourism" v="hotel"/><tag k="name" v="Walper Hotel"/>
  </way>
</osm>
)";

// The extract as a file in folder; empty when it cannot be written.
QString writeExtract(const QTemporaryDir &folder, const QByteArray &content)
{
    const QString path = folder.filePath(QStringLiteral("extract.osm"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
        return QString();
    return path;
}

int openFiles()
{
    return QDir(QStringLiteral("/proc/self/fd")).entryList(QDir::Files | QDir::System | QDir::NoDotAndDotDot).size();
}

} // namespace

class tst_OsmReader : public QObject
{
    Q_OBJECT

private slots:
    void readingAgainAndAgainLeavesNoFileOpen_data();
    void readingAgainAndAgainLeavesNoFileOpen();
    void everyEntryHandedOnIsOneTheGazetteerTakes_data();
    void everyEntryHandedOnIsOneTheGazetteerTakes();
    void aBadElementIsSkippedWithItsIdAndTheRestRead_data();
    void aBadElementIsSkippedWithItsIdAndTheRestRead();
};

void tst_OsmReader::readingAgainAndAgainLeavesNoFileOpen_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QStringList>("added");

    QTest::newRow("a node and a way") << EXTRACT << QStringList { "Lumen Coffee", "Walper Hotel" };
    QTest::newRow("cut short") << EXTRACT.left(EXTRACT.indexOf("<way")) << QStringList();
}

// An import tool that reads extract after extract (and the fuzzer) must not run out of files.
void tst_OsmReader::readingAgainAndAgainLeavesNoFileOpen()
{
    QFETCH(QByteArray, content);
    QFETCH(QStringList, added);

    QTemporaryDir folder;
    const QString path = writeExtract(folder, content);
    QVERIFY(!path.isEmpty());

    const int before = openFiles();
    for (int round = 0; round < 5; ++round) {
        QStringList names;
        QString error;
        const bool read = OsmReader::read(
            path,
            [&names](const OsmReader::Element &element) {
                if (element.error.isEmpty())
                    names << element.entry.name;
            },
            [](qint64, qint64) {}, &error);
        QVERIFY2(read || !error.isEmpty(), "a refused extract says why");
        if (!added.isEmpty()) {
            QVERIFY2(read, qPrintable(error));
            names.sort();
            QCOMPARE(names, added);
        }
    }
    QCOMPARE(openFiles(), before);
}

void tst_OsmReader::everyEntryHandedOnIsOneTheGazetteerTakes_data()
{
    QTest::addColumn<QByteArray>("content");

    // Attribute names damaged: a node without its position, a tag without its value.
    QTest::newRow("damaged attributes") << QByteArray(R"(<?xml version="1.0" encoding="UTF-8"?>
<osm version="0.6" generator="test">
 <node id="1" laN6osmium8io_lon="-80.5210" version="1"><tag k="amenity" v="cafe"/><tag k="name" v="Lumen Cafe"/></node>
 <node id="3" lat="43.4651" lon="-80.5211" version="1"/>
 <way id="7" version="1"><nd ref="2"/><nd ref="7"/><tag k="shop" v="bakery"/><tag k="name" v="Bread"/></way>
 <node id="4" lat="43.47" lon="-80.52" version="1"><tag k="addr:housenumber" t="200"/><tag k="addr:street" vx="University Ave W"/><tag k="addr:city" v="Waterloo"/></node>
</osm>
)");
}

// What the reader hands on to be added, the gazetteer writer accepts.
void tst_OsmReader::everyEntryHandedOnIsOneTheGazetteerTakes()
{
    QFETCH(QByteArray, content);

    QTemporaryDir folder;
    const QString path = writeExtract(folder, content);
    QVERIFY(!path.isEmpty());

    QStringList refused;
    QString error;
    OsmReader::read(
        path,
        [&refused](const OsmReader::Element &element) {
            const QString reason = hx::platform::places::GazetteerWriter::validate(element.entry);
            if (element.error.isEmpty() && !reason.isEmpty())
                refused << element.label + QStringLiteral(" \"") + element.entry.name + QStringLiteral("\": ") + reason;
        },
        [](qint64, qint64) {}, &error);
    QVERIFY2(refused.isEmpty(), qPrintable(refused.join(QLatin1Char('\n'))));
}

void tst_OsmReader::aBadElementIsSkippedWithItsIdAndTheRestRead_data()
{
    QTest::addColumn<QByteArray>("element");
    QTest::addColumn<QString>("report"); // label: reason

    const QByteArray cafe = R"(<tag k="amenity" v="cafe"/><tag k="name" v="Bad Cafe"/></node>)";
    QTest::newRow("a latitude of NaN") << R"(<node id="2" lat="NaN" lon="-80.5">)" + cafe
                                       << R"(node/2: latitude "NaN" is not a number)";
    QTest::newRow("a latitude of letters")
        << R"(<node id="2" lat="abc" lon="-80.5">)" + cafe << R"(node/2: latitude "abc" is not a number)";
    QTest::newRow("a latitude past the pole")
        << R"(<node id="2" lat="95" lon="-80.5">)" + cafe << "node/2: latitude out of range";
    QTest::newRow("a longitude past the date line")
        << R"(<node id="2" lat="43" lon="-181">)" + cafe << "node/2: longitude out of range";
    QTest::newRow("an id of letters") << R"(<node id="x" lat="43.4" lon="-80.5">)" + cafe
                                      << R"(node/x: id "x" is not a whole number)";
    QTest::newRow("an id past 64 bits") << R"(<node id="18446744073709551616" lat="43.4" lon="-80.5">)" + cafe
                                        << R"(node/18446744073709551616: id "18446744073709551616" is out of range)";
    QTest::newRow("a way with a reference of letters")
        << QByteArray(R"(<way id="6"><nd ref="y"/><tag k="shop" v="books"/><tag k="name" v="Bad"/></way>)")
        << R"(way/6: reference "y" is not a whole number)";
    QTest::newRow("a version of letters")
        << R"(<node id="2" version="v" lat="43" lon="-80">)" + cafe << R"(node/2: version "v" is not a whole number)";
}

// One bad element among good ones: it is reported by its label and the others are read.
void tst_OsmReader::aBadElementIsSkippedWithItsIdAndTheRestRead()
{
    QFETCH(QByteArray, element);
    QFETCH(QString, report);
    QByteArray content = EXTRACT;
    content.replace("<way id=\"20\">", "  " + element + "\n  <way id=\"20\">");
    QTemporaryDir folder;
    const QString path = writeExtract(folder, content);
    QVERIFY(!path.isEmpty());

    QStringList added;
    QStringList skipped;
    QString error;
    const bool read = OsmReader::read(
        path,
        [&](const OsmReader::Element &element) {
            if (element.error.isEmpty())
                added << element.entry.name;
            else
                skipped << element.label + QStringLiteral(": ") + element.error;
        },
        [](qint64, qint64) {}, &error);
    QVERIFY2(read, qPrintable(error));
    QCOMPARE(skipped, QStringList { report });
    added.sort();
    QCOMPARE(added, (QStringList { "Lumen Coffee", "Walper Hotel" }));
}

QTEST_GUILESS_MAIN(tst_OsmReader)
#include "tst_osmreader.moc"
