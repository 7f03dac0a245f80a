#include <hx/trellan/places/mapsutils.h>

#include <hx/platform/places/placemanager.h>
#include <hx/platform/places/pointofinterestauxiliarydata.h>
#include <hx/platform/places/tags.h>
#include <hx/system/invokequery.h>

#include <QtTest/QtTest>

#include "testroots.h"

using namespace hx::platform::geo;
using namespace hx::platform::places;
using hx::trellan::places::MapsUtils;

namespace {

Place placeAt(double latitude, double longitude, float accuracy, const QString &name)
{
    Coordinates coordinates(latitude, longitude);
    coordinates.setHorizontalAccuracy(accuracy);
    return Place(name, Location(coordinates, Address()));
}

const QString createPlaceWarning = QStringLiteral("hx::trellan::places::MapsUtils::createPlace() error: ");

} // namespace

class tst_MapsUtils : public QObject
{
    Q_OBJECT

private slots:
    void shareUri_data();
    void shareUri();
    void shareQueryCarriesUriMetadataAndAction();
    void metadataOfAFullPlace();
    void metadataWithoutOptionalParts();
    void createPlaceFromUri();
    void createPlaceRefuses_data();
    void createPlaceRefuses();
    void shareUriRoundTrips_data();
    void shareUriRoundTrips();
    void viewingAltitudeOfAStoredPlace_data();
    void viewingAltitudeOfAStoredPlace();
};

void tst_MapsUtils::shareUri_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<float>("accuracy");
    QTest::addColumn<QString>("uri");

    QTest::newRow("an accented name is encoded as UTF-8")
        << "Café Nord" << 12.7f << "geo:43.500000,-80.250000;u=12;name=Caf%C3%A9%20Nord";
    QTest::newRow("no accuracy writes no u parameter")
        << "Home" << float(qQNaN()) << "geo:43.500000,-80.250000;name=Home";
    QTest::newRow("an accuracy truncated to -1 writes no u parameter")
        << "Home" << -1.9f << "geo:43.500000,-80.250000;name=Home";
    QTest::newRow("other negative accuracies are written")
        << "Home" << -2.5f << "geo:43.500000,-80.250000;u=-2;name=Home";
    QTest::newRow("an empty name adds no parameter") << "" << 0.4f << "geo:43.500000,-80.250000;u=0";
    QTest::newRow("the kept reserved characters stay as they are")
        << "[A]:&+$-_.!~*'()" << float(qQNaN()) << "geo:43.500000,-80.250000;name=[A]:&+$-_.!~*'()";
    QTest::newRow("separators and other reserved characters are encoded")
        << "a;b=c,d/e?f#g%h" << float(qQNaN()) << "geo:43.500000,-80.250000;name=a%3Bb%3Dc%2Cd%2Fe%3Ff%23g%25h";
}

void tst_MapsUtils::shareUri()
{
    QFETCH(QString, name);
    QFETCH(float, accuracy);
    QFETCH(QString, uri);
    const Place place = placeAt(43.5, -80.25, accuracy, name);
    QCOMPARE(MapsUtils::createShareUri(place, MapsUtils::createShareMetadata(place)), uri);
}

void tst_MapsUtils::shareQueryCarriesUriMetadataAndAction()
{
    Place place = placeAt(43.5, -80.25, 12.7f, QStringLiteral("Café Nord"));
    place.addTag(QLatin1String(hx::platform::places::Tags::CurrentLocation));
    hx::system::InvokeQuery query;
    MapsUtils::createShareInvokeQuery(place, &query);

    QCOMPARE(query.invokeActionId(), QStringLiteral("hx.action.SHARE"));
    QVERIFY(query.uri()
                .toString(QUrl::FullyEncoded)
                .startsWith(QStringLiteral("geo:43.500000,-80.250000;u=12;name=Caf%C3%A9%20Nord")));
    const QVariantMap metadata = query.metadata();
    QCOMPARE(metadata.value("name").toString(), QStringLiteral("Café Nord"));
    QCOMPARE(metadata.value("isCurrentLocation"), QVariant(1));
    QCOMPARE(metadata.value("latitude").toDouble(), 43.5);
    QCOMPARE(metadata.value("longitude").toDouble(), -80.25);
    QCOMPARE(metadata.value("horizontalAccuracy").toDouble(), double(12.7f));
    QVERIFY(!metadata.contains("viewingAltitude"));
    QVERIFY(metadata.contains("mapUrl"));
}

void tst_MapsUtils::metadataOfAFullPlace()
{
    Address address;
    address.setStreet(QStringLiteral("200 University Ave W"));
    address.setCity(QStringLiteral("Waterloo"));
    address.setRegion(QStringLiteral("Ontario"));
    address.setCountry(QStringLiteral("Canada"));
    address.setPostalCode(QStringLiteral("N2L 3G1"));
    Place place(QStringLiteral("Campus"), Location(Coordinates(43.47, -80.54), address));
    PointOfInterestAuxiliaryData poi;
    poi.setName(QStringLiteral("Davis Centre"));
    poi.setPhoneNumber(QStringLiteral("519-888-4567"));
    poi.setUrl(QUrl(QStringLiteral("http://example.org/a b")));
    poi.setEmailAddress(QStringLiteral("info@example.org"));
    place.addAuxiliaryData(poi);
    place.setDescription(QStringLiteral("Library; quiet=yes"));

    const QVariantMap metadata = MapsUtils::createShareMetadata(place);
    QCOMPARE(metadata.value("placeName").toString(), QStringLiteral("Davis Centre"));
    QCOMPARE(metadata.value("addressLabel").toString(), place.primaryLocation());
    QCOMPARE(metadata.value("street").toString(), address.street());
    QCOMPARE(metadata.value("postalCode").toString(), address.postalCode());
    QCOMPARE(metadata.value("phone").toString(), QStringLiteral("519-888-4567"));
    QCOMPARE(metadata.value("url").toString(), QStringLiteral("http://example.org/a%20b"));
    QCOMPARE(metadata.value("email").toString(), QStringLiteral("info@example.org"));
    QCOMPARE(metadata.value("description").toString(), QStringLiteral("Library; quiet=yes"));
    QVERIFY(!metadata.contains("isCurrentLocation"));
    QVERIFY(!metadata.contains("horizontalAccuracy"));

    const QString uri = MapsUtils::createShareUri(place, metadata);
    QVERIFY2(uri.contains(QStringLiteral(";name=Campus;placeName=Davis%20Centre;addressLabel=")), qPrintable(uri));
    QVERIFY2(
        uri.contains(QStringLiteral(";postalCode=N2L%203G1;phone=519-888-4567;url=http:%2F%2Fexample.org%2Fa%2520b;"
                                    "email=info%40example.org;description=Library%3B%20quiet%3Dyes")),
        qPrintable(uri));
}

void tst_MapsUtils::metadataWithoutOptionalParts()
{
    Place place;
    const QVariantMap metadata = MapsUtils::createShareMetadata(place);
    // A place with nothing still tells where its map link points.
    QCOMPARE(metadata.keys(), QStringList({ QStringLiteral("mapUrl") }));
}

void tst_MapsUtils::createPlaceFromUri()
{
    const QSharedPointer<Place> place = MapsUtils::createPlace(
        QUrl(QStringLiteral("geo:43.5,-80.25,310.5;u=12;name=Home;postalCode=N2L;city=Wat%20erloo;"
                            "phone=555;unknown=x;placeName=Caf%C3%A9")));
    QVERIFY(place);
    QCOMPARE(place->name(), QStringLiteral("Home"));
    const Location location = place->location(0);
    QCOMPARE(location.coordinates().latitude(), 43.5);
    QCOMPARE(location.coordinates().longitude(), -80.25);
    QCOMPARE(location.coordinates().altitude(), 310.5);
    QCOMPARE(location.coordinates().horizontalAccuracy(), 12.0f);
    QCOMPARE(location.address().city(), QStringLiteral("Wat erloo"));
    QVERIFY(location.address().postalCode().isEmpty());
    QCOMPARE(place->primaryPhoneNumber(), QStringLiteral("555"));
    QCOMPARE(PointOfInterestAuxiliaryData(place->auxiliaryData().first()).name(), QStringLiteral("Café"));
}

void tst_MapsUtils::createPlaceRefuses_data()
{
    QTest::addColumn<QString>("uri");
    QTest::addColumn<QString>("warning");

    QTest::newRow("a latitude that is not a number") << "geo:abc,1" << QStringLiteral("place latitude is incorrect");
    QTest::newRow("a longitude that is not a number") << "geo:1,x1" << QStringLiteral("place longitude is incorrect");
    QTest::newRow("a latitude past the pole") << "geo:91,0" << QStringLiteral("place location is invalid");
    QTest::newRow("a latitude that overflows a double")
        << "geo:1e999,0" << QStringLiteral("place latitude is incorrect");
    QTest::newRow("an altitude that overflows a float")
        << "geo:1,2,1e39" << QStringLiteral("place altitude is incorrect");
    QTest::newRow("a single coordinate") << "geo:1" << QString();
    QTest::newRow("an empty longitude") << "geo:1,;name=x" << QString();
    QTest::newRow("invalid percent-encoding in a coordinate")
        << "geo:%zz,1" << QStringLiteral("place latitude is incorrect");
}

void tst_MapsUtils::createPlaceRefuses()
{
    QFETCH(QString, uri);
    QFETCH(QString, warning);
    if (!warning.isEmpty())
        QTest::ignoreMessage(QtDebugMsg, qPrintable(createPlaceWarning + warning));
    QVERIFY(!MapsUtils::createPlace(QUrl(uri)));
}

void tst_MapsUtils::shareUriRoundTrips_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("city");
    QTest::addColumn<QString>("description");

    QTest::newRow("accents and other scripts")
        << QStringLiteral("Café Nord") << QStringLiteral("Zürich") << QStringLiteral("東京 ☕");
    QTest::newRow("reserved characters") << QStringLiteral("a;b=c,d") << QStringLiteral("x%y&z")
                                         << QStringLiteral("[A]:&+$-_.!~*'()?#/");
}

void tst_MapsUtils::shareUriRoundTrips()
{
    QFETCH(QString, name);
    QFETCH(QString, city);
    QFETCH(QString, description);

    Address address;
    address.setCity(city);
    Coordinates coordinates(-33.856784, 151.215297);
    coordinates.setHorizontalAccuracy(25.0f);
    Place place(name, Location(coordinates, address));
    place.setDescription(description);

    hx::system::InvokeQuery query;
    MapsUtils::createShareInvokeQuery(place, &query);
    const QSharedPointer<Place> back = MapsUtils::createPlace(query.uri());
    QVERIFY(back);
    QCOMPARE(back->name(), name);
    QCOMPARE(back->description(), description);
    QCOMPARE(back->location(0).address().city(), city);
    QCOMPARE(back->location(0).coordinates().latitude(), -33.856784);
    QCOMPARE(back->location(0).coordinates().longitude(), 151.215297);
    QCOMPARE(back->location(0).coordinates().horizontalAccuracy(), 25.0f);
}

void tst_MapsUtils::viewingAltitudeOfAStoredPlace_data()
{
    QTest::addColumn<BoundingBox>("box");
    QTest::addColumn<double>("altitude"); // NaN: no viewingAltitude at all

    QTest::newRow("a place without a bounding box") << BoundingBox() << qQNaN();
    QTest::newRow("a box with one corner missing") << BoundingBox(Point(43.51, -80.26), Point()) << qQNaN();
    QTest::newRow("a box of about one square kilometre")
        << BoundingBox(Point(43.51, -80.26), Point(43.5, -80.25)) << 2000.0;
}

void tst_MapsUtils::viewingAltitudeOfAStoredPlace()
{
    QFETCH(BoundingBox, box);
    QFETCH(double, altitude);

    hx::test::TestRoots roots;
    QVERIFY(roots.isValid());
    Location location(Coordinates(43.505, -80.255), Address());
    location.setBoundingBox(box);
    Place place(QStringLiteral("Uptown"), location);
    PlaceManager manager;
    QCOMPARE(manager.addPlace(place), Error::Type(0));

    // Shared the way the details card does it: from the place as the store gives it back.
    Error::Type error = Error::Type(0);
    const QSharedPointer<Place> stored = MapsUtils::getPlace(place.id(), error);
    QCOMPARE(error, Error::Type(0));
    QVERIFY(stored);
    hx::system::InvokeQuery query;
    MapsUtils::createShareInvokeQuery(*stored, &query);
    const QVariantMap metadata = query.metadata();
    if (qIsNaN(altitude)) {
        QVERIFY(!metadata.contains("viewingAltitude"));
    } else {
        QCOMPARE(metadata.value("viewingAltitude").userType(), int(QMetaType::Double));
        QCOMPARE(metadata.value("viewingAltitude").toDouble(), altitude);
    }
    // The altitude is metadata only: the URI carries no such parameter.
    QVERIFY(!query.uri().toString().contains(QStringLiteral("Altitude")));
}

QTEST_GUILESS_MAIN(tst_MapsUtils)
#include "tst_mapsutils.moc"
