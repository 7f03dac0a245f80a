#include <hx/msgclient/reversegeocoder.h>
#include <hx/platform/places/internalplacemanager.h>
#include <hx/platform/places/place.h>
#include <hx/platform/places/searchresultgroup.h>

#include <QtCore/QFile>
#include <QtCore/QJsonArray>
#include <QtCore/QJsonDocument>
#include <QtCore/QJsonObject>
#include <QtCore/QProcess>
#include <QtTest/QtTest>

#include <memory>

#include "testroots.h"

using namespace hx::platform::places;
using hx::test::TestRoots;

namespace {
// Kirchberg's Haydnstraße runs between these two points; the derived extract numbers its ends.
constexpr double HaydnWestLatitude = 48.1357951;
constexpr double HaydnWestLongitude = 10.0697323;
constexpr double HaydnEastLatitude = 48.1356574;
constexpr double HaydnEastLongitude = 10.0706984;

// The real extract with an interpolation way added along Haydnstraße, numbered 2 at its west
// end and 12 at its east end: no extract Debian ships has one of its own.
QByteArray kirchbergWithInterpolation()
{
    QFile file(QStringLiteral(HX_KIRCHBERG));
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    QByteArray content = file.readAll();
    const QByteArray added = QStringLiteral(R"(
  <node id="9000000001" lat="%1" lon="%2" version="1">
    <tag k="addr:housenumber" v="2"/><tag k="addr:street" v="Haydnstraße"/>
    <tag k="addr:city" v="Kirchberg an der Iller"/>
  </node>
  <node id="9000000002" lat="%3" lon="%4" version="1">
    <tag k="addr:housenumber" v="12"/><tag k="addr:street" v="Haydnstraße"/>
  </node>
  <way id="9000000003" version="1">
    <nd ref="9000000001"/><nd ref="9000000002"/><tag k="addr:interpolation" v="even"/>
  </way>
</osm>)")
                                 .arg(HaydnWestLatitude, 0, 'f', 7)
                                 .arg(HaydnWestLongitude, 0, 'f', 7)
                                 .arg(HaydnEastLatitude, 0, 'f', 7)
                                 .arg(HaydnEastLongitude, 0, 'f', 7)
                                 .toUtf8();
    // Nodes before ways, as in any extract: the new nodes go before the first way.
    const int firstWay = content.indexOf("<way");
    const QByteArray nodes = added.left(added.indexOf("<way"));
    content.insert(firstWay, nodes.mid(1));
    content.replace("</osm>", added.mid(added.indexOf("<way")));
    return content;
}

Coordinates along(double share)
{
    return Coordinates(HaydnWestLatitude + share * (HaydnEastLatitude - HaydnWestLatitude),
                       HaydnWestLongitude + share * (HaydnEastLongitude - HaydnWestLongitude));
}

QSharedPointer<Place> geocoded(const QString &text)
{
    InternalPlaceManager manager;
    Error::Type error = Error::None;
    SearchHandle handle;
    const auto found
        = manager.findPlacesByGroup(SearchResultGroup::Addresses, error, handle, text, 0, 5, Coordinates());
    return found.isEmpty() ? QSharedPointer<Place>() : found.first().dynamicCast<Place>();
}

// The first candidate the reverse-geocoding service answers for the position.
QJsonObject where(const QString &gazetteer, const Coordinates &at)
{
    const hx::msgclient::ReverseGeocoder geocoder(gazetteer);
    const QByteArray request = QStringLiteral("{\"lat\":%1, \"lon\":%2, \"boundary\": \"address\"}")
                                   .arg(at.latitude(), 0, 'f', 7)
                                   .arg(at.longitude(), 0, 'f', 7)
                                   .toLatin1();
    const QJsonObject reply = QJsonDocument::fromJson(geocoder.answer(request)).object();
    return reply.value(QLatin1String("response")).toArray().first().toObject();
}
} // namespace

class tst_StreetExtracts : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestRoots> m_roots;

    bool import(const QString &extract)
    {
        QProcess import;
        import.start(QStringLiteral(HX_PLACES_IMPORT),
                     { QStringLiteral("--replace"), QStringLiteral("-o"), m_roots->gazetteerPath(), extract });
        if (!import.waitForFinished(120000) || import.exitCode() != 0) {
            qWarning() << import.readAllStandardError();
            return false;
        }
        return true;
    }

    QString derivedExtract()
    {
        const QString path = m_roots->path() + QStringLiteral("/kirchberg-interpolated.osm");
        QFile file(path);
        const QByteArray content = kirchbergWithInterpolation();
        if (content.isEmpty() || !file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
            return QString();
        return path;
    }

private Q_SLOTS:
    void init() { m_roots.reset(new TestRoots); }
    void cleanup() { m_roots.reset(); }

    void addressesGeocodeToTheirOwnPositionAndBack_data()
    {
        QTest::addColumn<QString>("extract");
        QTest::addColumn<QString>("text");
        QTest::addColumn<Coordinates>("position");
        QTest::addColumn<QString>("level");
        QTest::addColumn<QString>("street");
        const QString oakland = QStringLiteral(HX_WEST_OAKLAND);
        const QString kirchberg = QStringLiteral(HX_KIRCHBERG);
        QTest::newRow("a building's house number in compressed West Oakland")
            << oakland << "1666 7th Street, Oakland" << Coordinates(37.8066835, -122.299776) << "address"
            << "1666 7th Street";
        QTest::newRow("a cafe's own address in West Oakland")
            << oakland << "1612 7th Street" << Coordinates(37.8062641, -122.2984609) << "address"
            << "7th Street";
        QTest::newRow("a German address, number after the street")
            << kirchberg << "Haydnstraße 5" << Coordinates(48.1356769, 10.0694727) << "address"
            << "5 Haydnstraße";
        QTest::newRow("an address with its town") << kirchberg << "Goethestraße 12, Kirchberg an der Iller"
                                                  << Coordinates(48.1350095, 10.0709927) << "address"
                                                  << "12 Goethestraße";
        QTest::newRow("a number between the ends of an interpolation way")
            << QString() << "Haydnstraße 8" << along(0.6) << "address"
            << "8 Haydnstraße";
    }

    void addressesGeocodeToTheirOwnPositionAndBack()
    {
        QFETCH(QString, extract);
        QFETCH(QString, text);
        QFETCH(Coordinates, position);
        QFETCH(QString, level);
        QFETCH(QString, street);
        QVERIFY(QFile::exists(QStringLiteral(HX_KIRCHBERG)));
        QVERIFY(import(extract.isEmpty() ? derivedExtract() : extract));

        const QSharedPointer<Place> found = geocoded(text);
        QVERIFY2(found, qPrintable(text));
        const Coordinates at = found->location(0).coordinates();
        QVERIFY2(at.distanceTo(position) <= 30, qPrintable(QString::number(at.distanceTo(position))));
        QCOMPARE(found->auxiliaryData().value(0).property(QStringLiteral("geocodedLevel")).toString(), level);
        QCOMPARE(where(m_roots->gazetteerPath(), at).value(QLatin1String("street")).toString(), street);
    }

    void streetsAreNamedAlongTheirWays_data()
    {
        QTest::addColumn<QString>("extract");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("street");
        QTest::addColumn<double>("aside"); // degrees north of the record still on the street's line
        QTest::newRow("a number the street does not have: the street, named along its line")
            << QStringLiteral(HX_WEST_OAKLAND) << "99 Wood Street"
            << "Wood Street" << 0.0004;
        QTest::newRow("a street without a number, among houses of other streets")
            << QStringLiteral(HX_KIRCHBERG) << "Goethestraße"
            << "Goethestraße" << 0.0;
    }

    // The street's record stands on the street, and the service names the street there.
    void streetsAreNamedAlongTheirWays()
    {
        QFETCH(QString, extract);
        QFETCH(QString, text);
        QFETCH(QString, street);
        QFETCH(double, aside);
        QVERIFY(import(extract));
        const QSharedPointer<Place> found = geocoded(text);
        QVERIFY2(found, qPrintable(text));
        QCOMPARE(found->name(), street);
        const Coordinates at = found->location(0).coordinates();
        // On the street's point and farther along it, the street or a house of it names the place.
        for (const Coordinates &position : { at, Coordinates(at.latitude() + aside, at.longitude()) }) {
            const QString named = where(m_roots->gazetteerPath(), position).value(QLatin1String("street")).toString();
            QVERIFY2(named.endsWith(street), qPrintable(named));
        }
    }
};

QTEST_GUILESS_MAIN(tst_StreetExtracts)
#include "tst_streetextracts.moc"
