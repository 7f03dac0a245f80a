#include <hx/trellan/places/sharedlink.h>
#include <hx/trellan/places/sharedlinkutils.h>

#include <hx/platform/places/gazetteerentry.h>

#include <QtTest/QtTest>

#include "gazetteerfixture.h"
#include "testroots.h"

#include "../../../../platform/places/place_p.h"

using namespace hx::platform::places;
using hx::test::GazetteerFixture;
using hx::test::TestRoots;
using hx::trellan::places::SharedLink;
using hx::trellan::places::SharedLinkUtils;

Q_DECLARE_METATYPE(SharedLink::Error)

namespace {

const double None = qQNaN();

bool sameNumber(double actual, double expected)
{
    return (qIsNaN(actual) && qIsNaN(expected)) || qAbs(actual - expected) < 1e-9;
}

QString describe(const Place &place)
{
    const Location location = place.location(0);
    const Coordinates position = location.coordinates();
    return QStringLiteral("\"%1\" at %2,%3 alt %4 u %5 zoom %6")
        .arg(place.name())
        .arg(position.latitude(), 0, 'g', 10)
        .arg(position.longitude(), 0, 'g', 10)
        .arg(position.altitude())
        .arg(double(position.horizontalAccuracy()))
        .arg(location.zoom());
}

GazetteerEntry locality(const QString &name, double latitude, double longitude, double importance)
{
    GazetteerEntry entry = GazetteerFixture::entry(GazetteerEntry::Locality, name, latitude, longitude, importance);
    entry.country = QStringLiteral("Canada");
    return entry;
}

} // namespace

class tst_SharedLink : public QObject
{
    Q_OBJECT

private slots:
    void opensThePlaceTheLinkNames_data();
    void opensThePlaceTheLinkNames();
    void refusesBadLinksWithAReason_data();
    void refusesBadLinksWithAReason();
    void cutsALongLabel_data();
    void cutsALongLabel();
    void geocodesAQuery_data();
    void geocodesAQuery();
    void placeUrlReadsBackToTheSamePlace_data();
    void placeUrlReadsBackToTheSamePlace();
};

void tst_SharedLink::opensThePlaceTheLinkNames_data()
{
    QTest::addColumn<QString>("link");
    QTest::addColumn<QString>("name");
    QTest::addColumn<double>("latitude");
    QTest::addColumn<double>("longitude");
    QTest::addColumn<double>("altitude");
    QTest::addColumn<double>("accuracy");
    QTest::addColumn<int>("zoom");

    QTest::newRow("geo position only") << "geo:13.4125,103.8667"
                                       << "" << 13.4125 << 103.8667 << None << None << -1;
    QTest::newRow("geo with crs and uncertainty") << "geo:48.198634,16.371648;crs=wgs84;u=40"
                                                  << "" << 48.198634 << 16.371648 << None << 40.0 << -1;
    QTest::newRow("geo parameters in any case, altitude, unknown parameters ignored")
        << " GEO:48.2,16.37,183;CRS=WGS84;U=40;x-floor=3 "
        << "" << 48.2 << 16.37 << 183.0 << 40.0 << -1;
    QTest::newRow("geo uncertainty that is not a number stays unknown") << "geo:48.2,16.37;u=abc"
                                                                        << "" << 48.2 << 16.37 << None << None << -1;
    QTest::newRow("geo with a zoom") << "geo:43.4668,-80.51639?z=12"
                                     << "" << 43.4668 << -80.51639 << None << None << 12;
    QTest::newRow("geo zoom out of range is ignored") << "geo:43.4668,-80.51639?z=99"
                                                      << "" << 43.4668 << -80.51639 << None << None << -1;
    QTest::newRow("geo:0,0 alone is a position") << "geo:0,0"
                                                 << "" << 0.0 << 0.0 << None << None << -1;
    QTest::newRow("geo:0,0 with a labelled position query") << "geo:0,0?q=43.4668,-80.51639(Waterloo)"
                                                            << "Waterloo" << 43.4668 << -80.51639 << None << None << -1;
    QTest::newRow("position query without label") << "geo:0,0?q=43.4668,-80.51639&z=9"
                                                  << "" << 43.4668 << -80.51639 << None << None << 9;
    QTest::newRow("percent-encoded position query and UTF-8 label")
        << "geo:0,0?q=43.4668%2C-80.51639%28Caf%C3%A9%20Nord%29"
        << "Café Nord" << 43.4668 << -80.51639 << None << None << -1;
    QTest::newRow("plus signs are blanks, %2B a plus")
        << "geo:0,0?q=43.4668,-80.51639+(Caf%C3%A9+Nord+%2B+Bar)"
        << "Café Nord + Bar" << 43.4668 << -80.51639 << None << None << -1;
    QTest::newRow("unencoded UTF-8 label") << "geo:0,0?q=43.4668,-80.51639(Café (Nord))"
                                           << "Café (Nord)" << 43.4668 << -80.51639 << None << None << -1;
    QTest::newRow("query position wins over the path's") << "geo:1,2?q=43.4668,-80.51639(Here)"
                                                         << "Here" << 43.4668 << -80.51639 << None << None << -1;
    QTest::newRow("share URI details") << "geo:43.500000,-80.250000;u=12;name=Caf%C3%A9%20Nord;postalCode=N2L"
                                       << "Café Nord" << 43.5 << -80.25 << None << 12.0 << -1;
    QTest::newRow("place URL") << "hxplaces:place?id=7&name=Kitchener&lat=43.4253700&lon=-80.5112000&label=Kitchener"
                               << "Kitchener" << 43.42537 << -80.5112 << None << None << -1;
    QTest::newRow("OpenStreetMap marker") << "https://www.openstreetmap.org/?mlat=43.4668&mlon=-80.5164"
                                          << "" << 43.4668 << -80.5164 << None << None << -1;
    QTest::newRow("OpenStreetMap marker wins over the view, which gives the zoom")
        << "https://www.openstreetmap.org/?mlat=43.4668&mlon=-80.5164#map=15/43.4700/-80.5200"
        << "" << 43.4668 << -80.5164 << None << None << 15;
    QTest::newRow("OpenStreetMap view") << "http://openstreetmap.org/#map=12/43.4668/-80.5164&layers=C"
                                        << "" << 43.4668 << -80.5164 << None << None << 12;
    QTest::newRow("map site q position") << "https://maps.google.com/?q=43.4668,-80.5164"
                                         << "" << 43.4668 << -80.5164 << None << None << -1;
    QTest::newRow("map site ll with a label") << "https://maps.apple.com/?ll=43.4668,-80.5164&q=Caf%C3%A9+Nord&z=14"
                                              << "Café Nord" << 43.4668 << -80.5164 << None << None << 14;
    QTest::newRow("map path @lat,lon,zoom") << "https://www.google.com/maps/@43.4668,-80.5164,15z"
                                            << "" << 43.4668 << -80.5164 << None << None << 15;
    QTest::newRow("map path with a place name")
        << "https://www.google.com/maps/place/Waterloo+Park/@43.469,-80.53,17z/data=!3m1!4b1"
        << "Waterloo Park" << 43.469 << -80.53 << None << None << 17;
}

void tst_SharedLink::opensThePlaceTheLinkNames()
{
    QFETCH(QString, link);
    QFETCH(QString, name);
    QFETCH(double, latitude);
    QFETCH(double, longitude);
    QFETCH(double, altitude);
    QFETCH(double, accuracy);
    QFETCH(int, zoom);

    SharedLink::Error error = SharedLink::StoreFailure;
    const QSharedPointer<Place> place = SharedLinkUtils::openLink(link, &error);
    QCOMPARE(error, SharedLink::NoError);
    QVERIFY(place);
    const Location location = place->location(0);
    const Coordinates position = location.coordinates();
    const QString seen = describe(*place);
    QCOMPARE(place->name(), name);
    QVERIFY2(sameNumber(position.latitude(), latitude) && sameNumber(position.longitude(), longitude),
             qPrintable(seen));
    QVERIFY2(sameNumber(position.altitude(), altitude), qPrintable(seen));
    QVERIFY2(sameNumber(position.horizontalAccuracy(), accuracy), qPrintable(seen));
    QCOMPARE(location.zoom(), zoom);
}

void tst_SharedLink::refusesBadLinksWithAReason_data()
{
    QTest::addColumn<QString>("link");
    QTest::addColumn<SharedLink::Error>("error");

    QTest::newRow("empty") << "  " << SharedLink::EmptyLink;
    QTest::newRow("a scheme not read") << "mailto:someone@example.org" << SharedLink::UnsupportedScheme;
    QTest::newRow("no scheme at all") << "43.4668,-80.5164" << SharedLink::UnsupportedScheme;
    QTest::newRow("a web page that is not a map") << "https://example.org/?q=43.4,-80.5" << SharedLink::NotAMapLink;
    QTest::newRow("a map page without a place") << "https://www.openstreetmap.org/about" << SharedLink::NoPlace;
    QTest::newRow("geo without a position or query") << "geo:?z=3" << SharedLink::NoPlace;
    QTest::newRow("one coordinate") << "geo:43.5" << SharedLink::MalformedPosition;
    QTest::newRow("a coordinate that is not a number") << "geo:abc,1" << SharedLink::MalformedPosition;
    QTest::newRow("an overflowing coordinate") << "geo:1e999,1" << SharedLink::MalformedPosition;
    QTest::newRow("latitude past 90") << "geo:90.0001,10" << SharedLink::LatitudeOutOfRange;
    QTest::newRow("longitude past -180") << "geo:10,-180.5" << SharedLink::LongitudeOutOfRange;
    QTest::newRow("NaN") << "geo:nan,10" << SharedLink::NonFiniteCoordinate;
    QTest::newRow("infinity") << "geo:10,-inf" << SharedLink::NonFiniteCoordinate;
    QTest::newRow("altitude not a number") << "geo:43.5,-80.25,high" << SharedLink::MalformedAltitude;
    QTest::newRow("another reference system") << "geo:48.2,16.37;crs=utm;u=4" << SharedLink::UnsupportedCrs;
    QTest::newRow("query position off the globe") << "geo:0,0?q=95,10(Nowhere)" << SharedLink::LatitudeOutOfRange;
    QTest::newRow("empty query") << "geo:0,0?q=" << SharedLink::EmptyQuery;
    QTest::newRow("query of blanks") << "geo:0,0?q=+%20+" << SharedLink::EmptyQuery;
    QTest::newRow("query too long") << "geo:0,0?q=" + QString(300, QLatin1Char('a')) << SharedLink::QueryTooLong;
    QTest::newRow("marker without longitude")
        << "https://www.openstreetmap.org/?mlat=43.4668" << SharedLink::MalformedPosition;
    QTest::newRow("marker off the globe")
        << "https://www.openstreetmap.org/?mlat=43.4668&mlon=200" << SharedLink::LongitudeOutOfRange;
    QTest::newRow("ll with one number") << "https://maps.apple.com/?ll=43.4668" << SharedLink::MalformedPosition;
    QTest::newRow("map path off the globe")
        << "https://www.google.com/maps/@100,-80.5,15z" << SharedLink::LatitudeOutOfRange;
    QTest::newRow("place URL off the globe") << "hxplaces:place?name=X&lat=-91&lon=1" << SharedLink::LatitudeOutOfRange;
}

void tst_SharedLink::refusesBadLinksWithAReason()
{
    QFETCH(QString, link);
    QFETCH(SharedLink::Error, error);
    const QString line
        = QStringLiteral("hx::trellan::places::SharedLink::read() error: ") + SharedLink::errorText(error);
    QTest::ignoreMessage(QtDebugMsg, qPrintable(line));
    SharedLink::Error reported = SharedLink::NoError;
    QVERIFY(!SharedLinkUtils::openLink(link, &reported));
    QCOMPARE(reported, error);
    QVERIFY(!SharedLink::errorText(error).isEmpty());
    QVERIFY(SharedLinkUtils::placeUrl(link, &reported).isEmpty());
}

void tst_SharedLink::cutsALongLabel_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("kept");
    const QString max(SharedLink::MAX_TEXT_LENGTH, QLatin1Char('x'));
    const QString clef = QString::fromUtf8("\xF0\x9D\x84\x9E"); // one character, two UTF-16 units
    QTest::newRow("ten thousand characters") << QString(10000, QLatin1Char('x')) << max;
    QTest::newRow("a label of the longest length stays") << max << max;
    QTest::newRow("a pair of UTF-16 units is not split") << max.left(SharedLink::MAX_TEXT_LENGTH - 1) + clef
            + QStringLiteral("tail") << max.left(SharedLink::MAX_TEXT_LENGTH - 1);
}

void tst_SharedLink::cutsALongLabel()
{
    QFETCH(QString, label);
    QFETCH(QString, kept);
    const QString encoded = QString::fromLatin1(QUrl::toPercentEncoding(label));
    for (const QString &link : { QStringLiteral("geo:0,0?q=43.4,-80.5(%1)").arg(encoded),
                                 QStringLiteral("geo:43.4,-80.5;name=%1").arg(encoded),
                                 QStringLiteral("https://maps.apple.com/?ll=43.4,-80.5&q=%1").arg(encoded),
                                 QStringLiteral("hxplaces:place?name=%1&label=%1&lat=43&lon=-80").arg(encoded) }) {
        SharedLink::Error error = SharedLink::StoreFailure;
        const QSharedPointer<Place> place = SharedLinkUtils::openLink(link, &error);
        QCOMPARE(error, SharedLink::NoError);
        QVERIFY(place);
        QCOMPARE(place->name(), kept);
        for (int i = 0; i < place->locationCount(); ++i)
            QVERIFY(place->location(i).address().label().size() <= kept.size());
    }
    const QSharedPointer<Place> labelled = SharedLinkUtils::openLink(
        QStringLiteral("hxplaces:place?name=x&label=%1&lat=43&lon=-80").arg(encoded), nullptr);
    QVERIFY(labelled && labelled->locationCount() == 1);
    QCOMPARE(labelled->location(0).address().label(), kept);
}

void tst_SharedLink::geocodesAQuery_data()
{
    QTest::addColumn<QString>("link");
    QTest::addColumn<QString>("name");
    QTest::addColumn<double>("latitude");
    QTest::addColumn<int>("zoom");
    QTest::addColumn<SharedLink::Error>("error");

    QTest::newRow("geo:0,0 with a text") << "geo:0,0?q=Waterloo"
                                         << "Waterloo" << 43.4643 << -1 << SharedLink::NoError;
    QTest::newRow("geo text near its position goes to the nearer place")
        << "geo:49.2,-123.1?q=Richmond&z=10"
        << "Richmond" << 49.17 << 10 << SharedLink::NoError;
    QTest::newRow("geo text near the other position") << "geo:37.5,-77.4?q=Richmond"
                                                      << "Richmond" << 37.54 << -1 << SharedLink::NoError;
    QTest::newRow("OpenStreetMap search") << "https://www.openstreetmap.org/search?query=Water%6Coo"
                                          << "Waterloo" << 43.4643 << -1 << SharedLink::NoError;
    QTest::newRow("map site text query") << "https://maps.google.com/?q=waterloo&z=11"
                                         << "Waterloo" << 43.4643 << 11 << SharedLink::NoError;
    QTest::newRow("nothing found") << "geo:0,0?q=Atlantis"
                                   << "" << None << -1 << SharedLink::NotFound;
}

void tst_SharedLink::geocodesAQuery()
{
    QFETCH(QString, link);
    QFETCH(QString, name);
    QFETCH(double, latitude);
    QFETCH(int, zoom);
    QFETCH(SharedLink::Error, error);

    TestRoots roots;
    QVERIFY(GazetteerFixture::write(roots.gazetteerPath(),
                                    { locality(QStringLiteral("Waterloo"), 43.4643, -80.5204, 1e5),
                                      locality(QStringLiteral("Richmond"), 49.17, -123.14, 2e5),
                                      locality(QStringLiteral("Richmond"), 37.54, -77.43, 2e5) }));
    if (error != SharedLink::NoError)
        QTest::ignoreMessage(QtDebugMsg,
                             qPrintable(QStringLiteral("hx::trellan::places::SharedLinkUtils::openLink() error: ")
                                        + SharedLink::errorText(error)));
    SharedLink::Error reported = SharedLink::StoreFailure;
    const QSharedPointer<Place> place = SharedLinkUtils::openLink(link, &reported);
    QCOMPARE(reported, error);
    if (error != SharedLink::NoError) {
        QVERIFY(!place);
        return;
    }
    QVERIFY(place);
    QCOMPARE(place->name(), name);
    QVERIFY2(qAbs(place->primaryCoordinates().latitude() - latitude) < 1e-6, qPrintable(describe(*place)));
    QCOMPARE(place->location(0).zoom(), zoom);
}

void tst_SharedLink::placeUrlReadsBackToTheSamePlace_data()
{
    QTest::addColumn<QString>("link");
    QTest::newRow("geo with a UTF-8 label") << "geo:0,0?q=43.4668,-80.51639(Caf%C3%A9+%26+Bar)";
    QTest::newRow("share URI") << "geo:43.5,-80.25;name=Home";
    QTest::newRow("OpenStreetMap marker") << "https://www.openstreetmap.org/?mlat=43.4668&mlon=-80.5164";
    QTest::newRow("map path with a name") << "https://www.google.com/maps/place/Waterloo+Park/@43.469,-80.53,17z";
    QTest::newRow("a name with a percent sign and hex digits") << "geo:43.5,-80.25;name=A%2541";
}

void tst_SharedLink::placeUrlReadsBackToTheSamePlace()
{
    QFETCH(QString, link);
    SharedLink::Error error = SharedLink::StoreFailure;
    const QSharedPointer<Place> opened = SharedLinkUtils::openLink(link, &error);
    QVERIFY(opened);
    const QUrl url = SharedLinkUtils::placeUrl(link, &error);
    QCOMPARE(error, SharedLink::NoError);
    QCOMPARE(url.scheme(), QStringLiteral("hxplaces"));

    Place decoded;
    QVERIFY(PlacePrivate::decodePlaceFromMapUrl(url, decoded));
    QCOMPARE(decoded.name(), opened->name());
    QVERIFY(qAbs(decoded.primaryCoordinates().latitude() - opened->primaryCoordinates().latitude()) < 1e-7);
    QVERIFY(qAbs(decoded.primaryCoordinates().longitude() - opened->primaryCoordinates().longitude()) < 1e-7);
    // The card reads the place URL through the same entry point.
    const QSharedPointer<Place> again = SharedLinkUtils::openLink(url.toString(QUrl::FullyEncoded), &error);
    QVERIFY(again);
    QCOMPARE(again->name(), opened->name());
}

QTEST_GUILESS_MAIN(tst_SharedLink)
#include "tst_sharedlink.moc"
