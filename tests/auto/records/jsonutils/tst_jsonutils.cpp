#include <QtCore/QJsonDocument>
#include <QtCore/QJsonObject>
#include <QtCore/QScopedPointer>
#include <QtTest/QtTest>

#include <hx/platform/places/address.h>
#include <hx/platform/places/coordinates.h>
#include <hx/platform/places/error.h>
#include <hx/platform/places/location.h>
#include <hx/platform/places/place.h>
#include <hx/platform/places/placemanager.h>
#include <hx/platform/places/pointofinterestauxiliarydata.h>
#include <hx/trellan/places/jsonutils.h>
#include <hx/trellan/places/selectedplace.h>

#include <cmath>

#include "records/selectedplace_p.h"
#include "testroots.h"

using namespace hx::platform::places;
using namespace hx::trellan::places;

namespace {

const char decodingFailed[]
    = "hx::trellan::places::JsonUtils::decodeSelectedPlaceFromJson() SelectedPlace JSON decoding failed.\n";
const char notAnObject[] = "hx::trellan::places::JsonUtils::decodeSelectedPlaceFromJson()Could not descend into "
                           "SelectedPlace JSON object.\n";
const char noId[] = "Cannot parse place ID\n";

QSharedPointer<Place> restaurant()
{
    QSharedPointer<Place> place(new Place());
    place->setName(QStringLiteral("Café \"Zum Löwen\""));
    place->setDescription(QStringLiteral("Schnitzel\nand more"));
    Address address;
    address.setStreet(QStringLiteral("Hauptstraße 5"));
    address.setCity(QStringLiteral("Köln"));
    address.setRegion(QStringLiteral("NRW"));
    address.setCountry(QStringLiteral("Germany"));
    address.setPostalCode(QStringLiteral("50667"));
    Coordinates coordinates(50.9375, 6.9603);
    coordinates.setAltitude(53.5);
    coordinates.setHorizontalAccuracy(12.5f);
    coordinates.setVerticalAccuracy(3.25f);
    place->addLocation(Location(coordinates, address));
    PointOfInterestAuxiliaryData poi;
    poi.setPhoneNumber(QStringLiteral("+49 221 123456"));
    poi.setUrl(QUrl(QStringLiteral("https://example.com/l%C3%B6wen?x=1&y=2")));
    poi.setRating(4.5);
    poi.setEmailAddress(QStringLiteral("info@example.com"));
    place->addAuxiliaryData(poi);
    return place;
}

QJsonObject membersOf(const QString &json)
{
    return QJsonDocument::fromJson(json.toUtf8()).object().value(QStringLiteral("selected_place")).toObject();
}

} // namespace

class tst_JsonUtils : public QObject
{
    Q_OBJECT

private slots:
    void roundTripThroughAStoredPlace();
    void membersAreWrittenInTheirOrder();
    void placeWithoutNameUsesItsLabel();
    void placeWithoutLocationLeavesOutCoordinates();
    void badInput_data();
    void badInput();
    void ids_data();
    void ids();
    void textsTravelAsUtf8CStrings_data();
    void textsTravelAsUtf8CStrings();
    void wrongTypesAndIgnoredMembersAreSkipped();
    void nullRecordEncodesToEmptyText();
    void placeViewer_data();
    void placeViewer();
};

void tst_JsonUtils::roundTripThroughAStoredPlace()
{
    hx::test::TestRoots roots;
    QVERIFY(roots.isValid());
    PlaceManager manager;
    QSharedPointer<Place> original = restaurant();
    QCOMPARE(manager.addPlace(*original), Error::Type(0));
    QVERIFY(original->id() > 0);
    Error::Type error = Error::Type(0);
    QSharedPointer<Place> stored(manager.getPlace(original->id(), error));
    QCOMPARE(error, Error::Type(0));
    QVERIFY(stored);

    QScopedPointer<SelectedPlace> selected(SelectedPlacePrivate::placeToSelectedPlace(stored));
    const QString json = JsonUtils::encodeSelectedPlaceToJson(selected.data());
    QVERIFY(!json.isEmpty());
    QScopedPointer<SelectedPlace> decoded(JsonUtils::decodeSelectedPlaceFromJson(json));
    QVERIFY(decoded);

    QCOMPARE(decoded->id(), int(original->id()));
    QCOMPARE(decoded->name(), QStringLiteral("Café \"Zum Löwen\""));
    QCOMPARE(decoded->description(), QStringLiteral("Schnitzel\nand more"));
    QCOMPARE(decoded->street(), QStringLiteral("Hauptstraße 5"));
    QCOMPARE(decoded->city(), QStringLiteral("Köln"));
    QCOMPARE(decoded->region(), QStringLiteral("NRW"));
    QCOMPARE(decoded->country(), QStringLiteral("Germany"));
    QCOMPARE(decoded->postal(), QStringLiteral("50667"));
    QCOMPARE(decoded->addressLabel(), selected->addressLabel());
    QCOMPARE(decoded->phone(), QStringLiteral("+49 221 123456"));
    QCOMPARE(decoded->url(), selected->url());
    QCOMPARE(decoded->rating(), 4.5);
    QCOMPARE(decoded->latitude(), 50.9375);
    QCOMPARE(decoded->longitude(), 6.9603);
    QCOMPARE(decoded->altitude(), 53.5);
    QCOMPARE(decoded->horizontalAccuracy(), 12.5);
    QCOMPARE(decoded->verticalAccuracy(), 3.25);
    QCOMPARE(decoded->isoAlpha3CountryCode(), QStringLiteral("DEU"));
    QCOMPARE(decoded->isoAlpha2CountryCode(), QStringLiteral("DE"));
    // Not carried back.
    QCOMPARE(decoded->email(), QString());

    // A second round gives the same members; the map URL is the decoded place's own.
    QJsonObject first = membersOf(json);
    QJsonObject second = membersOf(JsonUtils::encodeSelectedPlaceToJson(decoded.data()));
    first.remove(QStringLiteral("map_url"));
    second.remove(QStringLiteral("map_url"));
    QCOMPARE(second, first);
}

void tst_JsonUtils::membersAreWrittenInTheirOrder()
{
    QScopedPointer<SelectedPlace> selected(SelectedPlacePrivate::placeToSelectedPlace(restaurant(), 7));
    const QString json = JsonUtils::encodeSelectedPlaceToJson(selected.data());
    const QStringList order
        = QStringLiteral("is_physical_location id name description alternative_name street city region country postal "
                         "address_label phone phone2 fax url rating map_url latitude longitude altitude "
                         "horizontalAccuracy verticalAccuracy")
              .split(QLatin1Char(' '));
    int last = json.indexOf(QStringLiteral("\"selected_place\""));
    QVERIFY(last >= 0);
    for (const QString &member : order) {
        const int at = json.indexOf(QLatin1Char('"') + member + QStringLiteral("\":"));
        QVERIFY2(at > last, qPrintable(member));
        last = at;
    }
    const QJsonObject members = membersOf(json);
    QCOMPARE(members.size(), order.size());
    QCOMPARE(members.value(QStringLiteral("id")).toInt(), 7);
    QCOMPARE(members.value(QStringLiteral("is_physical_location")).toBool(), true);
    QCOMPARE(members.value(QStringLiteral("phone2")).toString(), QString());
    QVERIFY(members.value(QStringLiteral("fax")).isString());
    // Neither the country codes, the e-mail address nor the image travel.
    QVERIFY(!json.contains(QStringLiteral("info@example.com")));
    QVERIFY(!json.contains(QStringLiteral("DEU")));
}

void tst_JsonUtils::placeWithoutNameUsesItsLabel()
{
    QSharedPointer<Place> place = restaurant();
    place->setName(QString());
    Location location = place->location(0);
    Address address = location.address();
    address.setLabel(QStringLiteral("Hauptstraße 5\r\nKöln"));
    location.setAddress(address);
    place->setLocation(0, location);
    QScopedPointer<SelectedPlace> selected(SelectedPlacePrivate::placeToSelectedPlace(place, 3));
    const QJsonObject members = membersOf(JsonUtils::encodeSelectedPlaceToJson(selected.data()));
    QCOMPARE(members.value(QStringLiteral("address_label")).toString(), QStringLiteral("Hauptstraße 5  Köln"));
    QCOMPARE(members.value(QStringLiteral("name")).toString(), QStringLiteral("Hauptstraße 5  Köln"));
    QCOMPARE(members.value(QStringLiteral("alternative_name")).toString(), QString());
}

void tst_JsonUtils::placeWithoutLocationLeavesOutCoordinates()
{
    QSharedPointer<Place> place(new Place());
    place->setName(QStringLiteral("Somewhere"));
    place->addLocation(Location());
    QScopedPointer<SelectedPlace> selected(SelectedPlacePrivate::placeToSelectedPlace(place, 5));
    const QJsonObject members = membersOf(JsonUtils::encodeSelectedPlaceToJson(selected.data()));
    QCOMPARE(members.value(QStringLiteral("name")).toString(), QStringLiteral("Somewhere"));
    QCOMPARE(members.value(QStringLiteral("street")).toString(), QString());
    QVERIFY(members.value(QStringLiteral("street")).isString());
    const char *numbers[] = { "latitude", "longitude", "altitude", "horizontalAccuracy", "verticalAccuracy", "rating" };
    for (const char *member : numbers)
        QVERIFY2(!members.contains(QLatin1String(member)), member);
}

void tst_JsonUtils::badInput_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QByteArray>("message");

    QTest::newRow("empty text") << QByteArray() << QByteArray(decodingFailed);
    QTest::newRow("truncated in a string")
        << QByteArray("{\"selected_place\":{\"id\":4,\"name\":\"Caf") << QByteArray(decodingFailed);
    QByteArray deep;
    for (int i = 0; i < 100000; ++i)
        deep += "{\"a\":";
    QTest::newRow("objects nested a hundred thousand deep") << deep << QByteArray(decodingFailed);
    QTest::newRow("a root array") << QByteArray("[{\"selected_place\":{\"id\":4}}]") << QByteArray(notAnObject);
    QTest::newRow("no selected_place member") << QByteArray("{\"place_viewer\":{\"id\":4}}") << QByteArray();
    QTest::newRow("a member named twice")
        << QByteArray("{\"selected_place\":{\"id\":4,\"name\":{\"a\":[1]},\"name\":\"x\"}}")
        << QByteArray(decodingFailed);
    QTest::newRow("a member named twice deep inside another")
        << QByteArray("{\"selected_place\":{\"id\":4},\"x\":[{\"a\":[],\"a\":1}]}") << QByteArray(decodingFailed);
    QTest::newRow("a raw control character in a string") << QByteArray("{\"selected_place\":{\"id\":4,\"name\":\"a\x01"
                                                                       "b\"}}")
                                                         << QByteArray(decodingFailed);
    QTest::newRow("not UTF-8") << QByteArray("{\"selected_place\":{\"id\":4,\"name\":\"\xff\xfe\xc3\"")
                               << QByteArray(decodingFailed);
}

void tst_JsonUtils::badInput()
{
    QFETCH(QByteArray, text);
    QFETCH(QByteArray, message);
    if (!message.isEmpty())
        QTest::ignoreMessage(QtWarningMsg, message.constData());
    QScopedPointer<SelectedPlace> decoded(JsonUtils::decodeSelectedPlaceFromJson(QString::fromUtf8(text)));
    QVERIFY(!decoded);
}

void tst_JsonUtils::ids_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<bool>("decoded");
    QTest::addColumn<int>("id");
    QTest::addColumn<bool>("logged");

    QTest::newRow("id 0 and nothing else is a record")
        << QByteArray("{\"selected_place\":{\"id\":0}}") << true << 0 << false;
    QTest::newRow("a 64-bit id keeps its low 32 bits")
        << QByteArray("{\"selected_place\":{\"id\":4294967297}}") << true << 1 << false;
    QTest::newRow("id -1 is no record") << QByteArray("{\"selected_place\":{\"id\":-1}}") << false << 0 << false;
    QTest::newRow("no id is no record") << QByteArray("{\"selected_place\":{\"name\":\"x\"}}") << false << 0 << true;
    QTest::newRow("an id in a string is no id")
        << QByteArray("{\"selected_place\":{\"id\":\"4\"}}") << false << 0 << true;
    QTest::newRow("a huge id is no id") << QByteArray("{\"selected_place\":{\"id\":1e300}}") << false << 0 << true;
}

void tst_JsonUtils::ids()
{
    QFETCH(QByteArray, text);
    QFETCH(bool, decoded);
    QFETCH(int, id);
    QFETCH(bool, logged);
    if (logged)
        QTest::ignoreMessage(QtWarningMsg, noId);
    QScopedPointer<SelectedPlace> place(JsonUtils::decodeSelectedPlaceFromJson(QString::fromUtf8(text)));
    QCOMPARE(bool(place), decoded);
    if (!place)
        return;
    QCOMPARE(place->id(), id);
    QCOMPARE(place->name(), QString());
    QVERIFY(std::isnan(place->latitude()));
}

void tst_JsonUtils::textsTravelAsUtf8CStrings_data()
{
    QTest::addColumn<QString>("raw");
    QTest::addColumn<QString>("carried");

    QTest::newRow("a NUL is dropped and the text after it kept")
        << (QStringLiteral("A") + QChar(0) + QStringLiteral("B")) << QStringLiteral("AB");
    QTest::newRow("a lone high surrogate reads as the replacement character")
        << (QStringLiteral("A") + QChar(0xd800) + QStringLiteral("B")) << QString::fromUtf16(u"A\ufffdB");
    QTest::newRow("halves in the wrong order are two lone surrogates")
        << (QString(QChar(0xdc00)) + QChar(0xd800)) << QString::fromUtf16(u"\ufffd\ufffd");
    QTest::newRow("a surrogate pair is one character and stays")
        << QString::fromUtf16(u"Caf\u00e9 \U0001F600") << QString::fromUtf16(u"Caf\u00e9 \U0001F600");
}

// The card formats pass UTF-8 C strings: a text a peer escapes into the JSON, or one a stored
// place holds, must come out the same after any number of rounds, not cut at a NUL.
void tst_JsonUtils::textsTravelAsUtf8CStrings()
{
    QFETCH(QString, raw);
    QFETCH(QString, carried);

    QString escaped;
    for (const QChar c : raw)
        escaped += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
    const QString text = QStringLiteral("{\"selected_place\":{\"id\":3,\"street\":\"%1\"}}").arg(escaped);
    QScopedPointer<SelectedPlace> decoded(JsonUtils::decodeSelectedPlaceFromJson(text));
    QVERIFY(decoded);
    QCOMPARE(decoded->street(), carried);
    QScopedPointer<SelectedPlace> again(
        JsonUtils::decodeSelectedPlaceFromJson(JsonUtils::encodeSelectedPlaceToJson(decoded.data())));
    QVERIFY(again);
    QCOMPARE(again->street(), carried);

    QSharedPointer<Place> place(new Place());
    Address address;
    address.setStreet(raw);
    place->addLocation(Location(Coordinates(50.9375, 6.9603), address));
    QScopedPointer<SelectedPlace> selected(SelectedPlacePrivate::placeToSelectedPlace(place, 3));
    QScopedPointer<SelectedPlace> sent(
        JsonUtils::decodeSelectedPlaceFromJson(JsonUtils::encodeSelectedPlaceToJson(selected.data())));
    QVERIFY(sent);
    QCOMPARE(sent->street(), carried);
}

void tst_JsonUtils::wrongTypesAndIgnoredMembersAreSkipped()
{
    const QByteArray text = "{\"selected_place\":{\"id\":9,\"name\":5,\"description\":\"ok\",\"street\":[\"x\"],"
                            "\"city\":\"Bonn\",\"latitude\":\"50\",\"longitude\":7.1,\"rating\":true,"
                            "\"phone\":{\"n\":1},\"unknown\":\"ignored\",\"is_physical_location\":false,"
                            "\"phone2\":\"555 0000\",\"map_url\":\"https://maps.example.com/m\",\"fax\":\"555 1111\"}}";
    QScopedPointer<SelectedPlace> place(JsonUtils::decodeSelectedPlaceFromJson(QString::fromUtf8(text)));
    QVERIFY(place);
    QCOMPARE(place->id(), 9);
    QCOMPARE(place->name(), QString());
    QCOMPARE(place->description(), QStringLiteral("ok"));
    QCOMPARE(place->street(), QString());
    QCOMPARE(place->city(), QStringLiteral("Bonn"));
    QVERIFY(std::isnan(place->latitude()));
    QCOMPARE(place->longitude(), 7.1);
    QVERIFY(std::isnan(place->rating()));
    QCOMPARE(place->phone(), QString());
    QCOMPARE(place->secondaryPhone(), QString());
    QCOMPARE(place->fax(), QString());
    QVERIFY(place->mapURL() != QUrl(QStringLiteral("https://maps.example.com/m")));
}

void tst_JsonUtils::nullRecordEncodesToEmptyText()
{
    QCOMPARE(JsonUtils::encodeSelectedPlaceToJson(nullptr), QString());
}

void tst_JsonUtils::placeViewer_data()
{
    QTest::addColumn<qint64>("id");
    QTest::addColumn<int>("mode");

    QTest::newRow("an id beyond 32 bits") << qint64(5000000000LL) << int(PlaceViewMode::ZantD);
    QTest::newRow("the not-stored id") << qint64(-1) << int(PlaceViewMode::Preview);
}

void tst_JsonUtils::placeViewer()
{
    QFETCH(qint64, id);
    QFETCH(int, mode);
    const QString json = JsonUtils::encodePlaceViewerJson(long(id), PlaceViewMode::Type(mode));
    const QJsonDocument document = QJsonDocument::fromJson(json.toUtf8());
    QVERIFY(document.isObject());
    QCOMPARE(document.object().size(), 1);
    const QJsonObject viewer = document.object().value(QStringLiteral("place_viewer")).toObject();
    QCOMPARE(viewer.size(), 2);
    QCOMPARE(qint64(viewer.value(QStringLiteral("id")).toDouble()), id);
    QCOMPARE(viewer.value(QStringLiteral("view_mode")).toInt(), mode);
    QVERIFY(json.indexOf(QStringLiteral("\"id\"")) < json.indexOf(QStringLiteral("\"view_mode\"")));
}

QTEST_APPLESS_MAIN(tst_JsonUtils)
#include "tst_jsonutils.moc"
