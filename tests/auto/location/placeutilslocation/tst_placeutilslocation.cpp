#include <hx/trellan/places/placeutils.h>

#include <hx/msgclient/messageserver.h>
#include <hx/msgclient/revgeoserver.h>

#include "../../../../platform/places/location_p.h"
#include "gazetteerfixture.h"
#include "testroots.h"

#include <QtCore/QMutex>
#include <QtTest/QtTest>

#include <cmath>

using hx::msgclient::MessageServer;
using namespace hx::platform::places;
using namespace hx::test;
using namespace hx::trellan::places;

class tst_PlaceUtilsLocation : public QObject
{
    Q_OBJECT

private slots:
    void presetsFromTheDefaults();
    void applyLocationSettings();
    void generateRequest_data();
    void generateRequest();
    void parseResponse_data();
    void parseResponse();
    void parseResponseFillsEveryMember();
    void reverseGeocodeSendsTheRequestText();
    void reverseGeocodeTrimsPostalCodes_data();
    void reverseGeocodeTrimsPostalCodes();
    void reverseGeocodeThroughTheGazetteerService();
    void reverseGeocodeWithoutServiceIsEmpty();
    void geocodeKeepsTheCallersAddress();
    void geocodeIsCappedAtThirty();
    void geocodeOfNothingIsEmpty();
};

namespace {

// A "revgeocode" service that answers every request with one fixed reply and remembers the
// last request it got.
class FixedReplyService
{
public:
    explicit FixedReplyService(const QByteArray &reply)
        : m_server(QString::fromLatin1(hx::msgclient::RevGeoServer::ServiceName), [this, reply] {
              return [this, reply](const QByteArray &request) {
                  QMutexLocker locker(&m_mutex);
                  m_request = request;
                  return reply;
              };
          })
    { }
    bool start() { return m_server.start(); }
    QByteArray lastRequest()
    {
        QMutexLocker locker(&m_mutex);
        return m_request;
    }

private:
    QMutex m_mutex;
    QByteArray m_request;
    MessageServer m_server;
};

QByteArray candidate(const QString &label, const QString &country, const QString &postalCode)
{
    return QStringLiteral("{\"response\":[{\"name\":\"%1\",\"country\":\"%2\",\"postal_code\":\"%3\",\"lat\":1,"
                          "\"lon\":2}]}")
        .arg(label, country, postalCode)
        .toUtf8();
}

} // namespace

void tst_PlaceUtilsLocation::presetsFromTheDefaults()
{
    // The timings follow the settings (see below); the ids name the workers in the service.
    QCOMPARE(PlaceUtils::genericRequest.id(), QStringLiteral("places.1.hybrid.0"));
    QCOMPARE(PlaceUtils::mylocationRequest.id(), QStringLiteral("places.1.hybrid.90"));
    QCOMPARE(PlaceUtils::mylocationRequest_zant.id(), QStringLiteral("places.1.hybrid.90"));
    QVERIFY(PlaceUtils::mylocationRequest_zant.background);
    QVERIFY(!(PlaceUtils::mylocationRequest == PlaceUtils::mylocationRequest_zant));
    QCOMPARE(PlaceUtils::searchRequest.id(), QStringLiteral("places.1.hybrid.500"));
    QVERIFY(PlaceUtils::searchRequest_zant.background);
}

void tst_PlaceUtilsLocation::applyLocationSettings()
{
    const GeolocationRequest savedGeneric = PlaceUtils::genericRequest;
    const GeolocationRequest savedMine = PlaceUtils::mylocationRequest;
    const GeolocationRequest savedSearch = PlaceUtils::searchRequest;

    PlaceUtils::MY_LOCATION_WAITTIME = 5;
    PlaceUtils::MY_LOCATION_ACCURACY = 40;
    PlaceUtils::MY_LOCATION_STALE_PERIOD_IN_SECONDS = 7;
    PlaceUtils::GENERAL_GEOCODING_STALE_PERIOD_IN_SECONDS = 30;
    PlaceUtils::applyLocationSettings();

    QCOMPARE(PlaceUtils::genericRequest.responseTime, 5);
    QCOMPARE(PlaceUtils::genericRequest.staleSeconds, 30u);
    QCOMPARE(PlaceUtils::genericRequest.accuracy, 0);
    QCOMPARE(PlaceUtils::mylocationRequest.responseTime, 5);
    QCOMPARE(PlaceUtils::mylocationRequest.accuracy, 40);
    QCOMPARE(PlaceUtils::mylocationRequest.staleSeconds, 7u);
    QCOMPARE(PlaceUtils::mylocationRequest.resetOnStart, true);
    // The other presets keep their load-time values.
    QCOMPARE(PlaceUtils::mylocationRequest_zant.accuracy, 90);
    QCOMPARE(PlaceUtils::searchRequest.staleSeconds, savedSearch.staleSeconds);

    PlaceUtils::MY_LOCATION_WAITTIME = 60;
    PlaceUtils::MY_LOCATION_ACCURACY = 90;
    PlaceUtils::MY_LOCATION_STALE_PERIOD_IN_SECONDS = 0;
    PlaceUtils::GENERAL_GEOCODING_STALE_PERIOD_IN_SECONDS = 180;
    PlaceUtils::applyLocationSettings();
    QCOMPARE(PlaceUtils::genericRequest.responseTime, savedGeneric.responseTime);
    QCOMPARE(PlaceUtils::genericRequest.staleSeconds, savedGeneric.staleSeconds);
    QCOMPARE(PlaceUtils::mylocationRequest.accuracy, savedMine.accuracy);
}

void tst_PlaceUtilsLocation::generateRequest_data()
{
    QTest::addColumn<double>("latitude");
    QTest::addColumn<double>("longitude");
    QTest::addColumn<int>("boundary");
    QTest::addColumn<QString>("expected");

    QTest::newRow("seven decimals are always written")
        << 1.25 << 0.0 << 3 << "{\"lat\":1.2500000, \"lon\":0.0000000, \"boundary\": \"city\"}";
    QTest::newRow("rounding beyond seven decimals")
        << 12.123456789 << -0.000000049 << 1 << "{\"lat\":12.1234568, \"lon\":-0.0000000, \"boundary\": \"country\"}";
    // -1 and 7 are out of range and ask for the address.
    const char *const words[]
        = { "address", "address", "country", "province", "city", "postal", "mcc", "timezone", "address" };
    for (int boundary = -1; boundary <= 7; ++boundary)
        QTest::addRow("boundary %d asks for the %s", boundary, words[boundary + 1])
            << 0.0 << 0.0 << boundary
            << QStringLiteral("{\"lat\":0.0000000, \"lon\":0.0000000, \"boundary\": \"%1\"}").arg(words[boundary + 1]);
}

void tst_PlaceUtilsLocation::generateRequest()
{
    QFETCH(double, latitude);
    QFETCH(double, longitude);
    QFETCH(int, boundary);
    QFETCH(QString, expected);

    QCOMPARE(PlaceUtils::generateRequest(latitude, longitude, boundary), expected);
}

void tst_PlaceUtilsLocation::parseResponse_data()
{
    QTest::addColumn<QString>("reply");
    QTest::addColumn<int>("count");
    QTest::addColumn<bool>("result");

    QTest::newRow("one full candidate")
        << "{\"response\":[{\"name\":\"Here\",\"lat\":43.5,\"lon\":-80.25,\"merit\":-1}]}" << 1 << true;
    QTest::newRow("a merit other than -1 gives false")
        << "{\"response\":[{\"lat\":1,\"lon\":2,\"merit\":3},{\"lat\":3,\"lon\":4}]}" << 2 << false;
    QTest::newRow("a null merit is ignored") << "{\"response\":[{\"lat\":1,\"lon\":2,\"merit\":null}]}" << 1 << true;
    QTest::newRow("merit on a dropped candidate still counts")
        << "{\"response\":[{\"lat\":1,\"merit\":0}]}" << 0 << false;
    QTest::newRow("latitude without longitude is dropped")
        << "{\"response\":[{\"lat\":1,\"name\":\"x\"}]}" << 0 << true;
    QTest::newRow("null longitude is dropped") << "{\"response\":[{\"lat\":1,\"lon\":null}]}" << 0 << true;
    QTest::newRow("out of range latitude is dropped") << "{\"response\":[{\"lat\":91,\"lon\":0}]}" << 0 << true;
    QTest::newRow("response is an object") << "{\"response\":{\"lat\":1,\"lon\":2}}" << 0 << true;
    QTest::newRow("the empty text") << QString() << 0 << true;
    QTest::newRow("a repeated key whose first value was an object")
        << "{\"response\":[{\"lat\":1,\"lon\":2}],\"extra\":{\"a\":[1]},\"extra\":true}" << 1 << true;
    QTest::newRow("a repeated response member counts the last")
        << "{\"response\":[{\"lat\":9,\"lon\":9}],\"response\":[{\"lat\":1,\"lon\":2},{\"lat\":3,\"lon\":4}]}" << 2
        << true;
    QTest::newRow("a text with a raw line break in a string is not JSON")
        << "{\"response\":[{\"name\":\"a\nb\",\"lat\":1,\"lon\":2}]}" << 0 << true;
}

void tst_PlaceUtilsLocation::parseResponse()
{
    QFETCH(QString, reply);
    QFETCH(int, count);
    QFETCH(bool, result);

    QList<Location> list;
    list.append(Location()); // appended to, never cleared
    QCOMPARE(PlaceUtils::parseResponse(reply, list), result);
    QCOMPARE(list.size(), count + 1);
}

void tst_PlaceUtilsLocation::parseResponseFillsEveryMember()
{
    QList<Location> list;
    QVERIFY(PlaceUtils::parseResponse(
        QStringLiteral(
            "{\"response\":[{\"name\":\"1 King St, Waterloo\",\"city\":\"Waterloo\",\"street\":\"1 King "
            "St\",\"country\":\"Canada\",\"region\":\"Ontario\",\"postal_code\":\"N2J 1A1\",\"lat\":43.4643,"
            "\"lon\":-80.5204,\"zoom\":16},{\"lat\":1.5,\"lon\":2.5,\"name\":null,\"city\":12,\"street\":null,"
            "\"country\":null,\"region\":null,\"postal_code\":null,\"zoom\":null,\"merit\":-1}]}"),
        list));
    QCOMPARE(list.size(), 2);
    // In the reply's order, not sorted by position.
    const Location first = list.at(0);
    QCOMPARE(first.address().label(), QStringLiteral("1 King St, Waterloo"));
    QCOMPARE(first.address().city(), QStringLiteral("Waterloo"));
    QCOMPARE(first.address().street(), QStringLiteral("1 King St"));
    QCOMPARE(first.address().country(), QStringLiteral("Canada"));
    QCOMPARE(first.address().region(), QStringLiteral("Ontario"));
    QCOMPARE(first.address().postalCode(), QStringLiteral("N2J 1A1"));
    QCOMPARE(first.coordinates().latitude(), 43.4643);
    QCOMPARE(first.coordinates().longitude(), -80.5204);
    QCOMPARE(first.zoom(), 16);

    // Nulls are absent; a number given for a text becomes its decimal text.
    const Location second = list.at(1);
    QCOMPARE(second.address().city(), QStringLiteral("12"));
    QVERIFY(second.address().label().isEmpty());
    QVERIFY(second.address().street().isEmpty());
    QCOMPARE(second.coordinates().latitude(), 1.5);
    QCOMPARE(second.zoom(), Location().zoom());
}

void tst_PlaceUtilsLocation::reverseGeocodeSendsTheRequestText()
{
    TestRoots roots;
    FixedReplyService service("{\"response\":[]}");
    QVERIFY(service.start());
    QVERIFY(PlaceUtils::reverseGeocode(43.5, -80.25, 3).isEmpty());
    QCOMPARE(service.lastRequest(), QByteArray("{\"lat\":43.5000000, \"lon\":-80.2500000, \"boundary\": \"city\"}"));
}

void tst_PlaceUtilsLocation::reverseGeocodeTrimsPostalCodes_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("country");
    QTest::addColumn<QString>("postalCode");
    QTest::addColumn<QString>("trimmedLabel");
    QTest::addColumn<QString>("trimmedPostalCode");

    const auto row = [](const char *name, const char *label, const char *country, const char *postalCode,
                        const char *trimmedLabel, const char *trimmedPostalCode) {
        QTest::newRow(name) << QString(label) << QString(country) << QString(postalCode) << QString(trimmedLabel)
                            << QString(trimmedPostalCode);
    };
    row("Canada, comma and blank before the code", "1 King St, Waterloo, ON, N2J 1A1", "Canada", "N2J 1A1",
        "1 King St, Waterloo, ON", "");
    row("Canada, comma without a blank", "1 King St,N2J 1A1, Waterloo", "Canada", "N2J 1A1", "1 King St, Waterloo", "");
    row("Canada, every occurrence", "A, N2J, B, N2J", "Canada", "N2J", "A, B", "");
    row("United Kingdom", "10 Downing St, London, SW1A 2AA", "United Kingdom", "SW1A 2AA", "10 Downing St, London", "");
    row("Canada with an empty code is left alone", "1 King St, Waterloo", "Canada", "", "1 King St, Waterloo", "");
    row("the code alone without a comma stays", "N2J 1A1 Waterloo", "Canada", "N2J 1A1", "N2J 1A1 Waterloo", "");
    row("other countries keep label and code", "1 Main St, Buffalo, NY, 14202", "United States", "14202",
        "1 Main St, Buffalo, NY, 14202", "14202");
    row("the country name is compared exactly", "1 King St, Waterloo, N2J", "canada", "N2J", "1 King St, Waterloo, N2J",
        "N2J");
    row("the code is compared with its case", "1 King St, n2j 1a1", "Canada", "N2J 1A1", "1 King St, n2j 1a1", "");
}

void tst_PlaceUtilsLocation::reverseGeocodeTrimsPostalCodes()
{
    QFETCH(QString, label);
    QFETCH(QString, country);
    QFETCH(QString, postalCode);
    QFETCH(QString, trimmedLabel);
    QFETCH(QString, trimmedPostalCode);

    TestRoots roots;
    FixedReplyService service(candidate(label, country, postalCode));
    QVERIFY(service.start());
    const QList<Location> found = PlaceUtils::reverseGeocode(1, 2, 0);
    QCOMPARE(found.size(), 1);
    QCOMPARE(found.first().address().label(), trimmedLabel);
    QCOMPARE(found.first().address().postalCode(), trimmedPostalCode);
    QCOMPARE(found.first().address().country(), country);
}

void tst_PlaceUtilsLocation::reverseGeocodeThroughTheGazetteerService()
{
    TestRoots roots;
    GazetteerEntry address
        = GazetteerFixture::entry(GazetteerEntry::Address, QStringLiteral("200 King St W"), 43.4668, -80.5225);
    address.street = QStringLiteral("200 King St W");
    address.city = QStringLiteral("Kitchener");
    address.region = QStringLiteral("Ontario");
    address.country = QStringLiteral("Canada");
    address.postalCode = QStringLiteral("N2G 4V6");
    GazetteerEntry city = GazetteerFixture::entry(GazetteerEntry::Locality, QStringLiteral("Kitchener"), 43.45, -80.49);
    city.region = QStringLiteral("Ontario");
    city.country = QStringLiteral("Canada");
    QVERIFY(GazetteerFixture::write(roots.gazetteerPath(), { address, city }));
    hx::msgclient::RevGeoServer service(roots.gazetteerPath());
    QVERIFY(service.start());

    const QList<Location> found = PlaceUtils::reverseGeocode(43.4669, -80.5226, 0);
    QVERIFY(found.size() >= 2);
    const Address first = found.first().address();
    QCOMPARE(first.street(), QStringLiteral("200 King St W"));
    QVERIFY(!first.label().contains(QStringLiteral("N2G 4V6")));
    QVERIFY(first.postalCode().isEmpty());
    QCOMPARE(found.first().coordinates().latitude(), 43.4668);

    const QList<Location> cities = PlaceUtils::reverseGeocode(43.4669, -80.5226, 3);
    QVERIFY(!cities.isEmpty());
    QCOMPARE(cities.first().address().city(), QStringLiteral("Kitchener"));
    QVERIFY(cities.first().address().street().isEmpty());
}

void tst_PlaceUtilsLocation::reverseGeocodeWithoutServiceIsEmpty()
{
    TestRoots roots;
    QVERIFY(PlaceUtils::reverseGeocode(1, 2, 0).isEmpty());
    FixedReplyService garbage("<html>");
    QVERIFY(garbage.start());
    QVERIFY(PlaceUtils::reverseGeocode(1, 2, 0).isEmpty());
}

void tst_PlaceUtilsLocation::geocodeKeepsTheCallersAddress()
{
    TestRoots roots;
    GazetteerEntry found = GazetteerFixture::entry(GazetteerEntry::Locality, QStringLiteral("Waterloo"), 43.46, -80.52);
    found.country = QStringLiteral("Canada");
    QVERIFY(GazetteerFixture::write(roots.gazetteerPath(), { found }));

    Address typed;
    typed.setLabel(QStringLiteral("Waterloo"));
    typed.setStreet(QStringLiteral("typed by the user"));
    const QList<Location> locations = PlaceUtils::geocode(typed);
    QCOMPARE(locations.size(), 1);
    QCOMPARE(locations.first().address(), typed);
    QCOMPARE(locations.first().coordinates().latitude(), 43.46);
    QCOMPARE(hx::platform::places::LocationPrivate::foundAddress(locations.first()).country(),
             QStringLiteral("Canada"));
}

void tst_PlaceUtilsLocation::geocodeIsCappedAtThirty()
{
    TestRoots roots;
    QList<GazetteerEntry> entries;
    for (int i = 0; i < 40; ++i) {
        const QString street = QStringLiteral("%1 Main Street").arg(i + 1);
        GazetteerEntry entry = GazetteerFixture::entry(GazetteerEntry::Address, street, 43 + i * 0.001, -80);
        entry.street = street;
        entries << entry;
    }
    QVERIFY(GazetteerFixture::write(roots.gazetteerPath(), entries));
    Address typed;
    typed.setLabel(QStringLiteral("Main\nStreet"));
    QCOMPARE(PlaceUtils::geocode(typed).size(), 30);
}

void tst_PlaceUtilsLocation::geocodeOfNothingIsEmpty()
{
    TestRoots roots;
    QVERIFY(PlaceUtils::geocode(Address()).isEmpty());
}

QTEST_GUILESS_MAIN(tst_PlaceUtilsLocation)
#include "tst_placeutilslocation.moc"
