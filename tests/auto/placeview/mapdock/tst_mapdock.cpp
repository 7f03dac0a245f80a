#include <hx/platform/places/gazetteerentry.h>
#include <hx/platform/places/placemanager.h>
#include <hx/pps/locationserver.h>
#include <hx/system/localehandler.h>
#include <hx/trellan/imageview.h>
#include <hx/trellan/label.h>
#include <hx/trellan/maps/mapimagegenerator.h>
#include <hx/trellan/orientationsupport.h>
#include <hx/trellan/places/customdialog.h>
#include <hx/trellan/places/getgeolocation.h>
#include <hx/trellan/places/infoview.h>
#include <hx/trellan/places/mapdock.h>
#include <hx/trellan/places/mapholder.h>
#include <hx/trellan/places/placeutils.h>
#include <hx/trellan/places/viewplacecontent.h>
#include <hx/trellan/screentext.h>
#include <hx/trellan/testdriver.h>
#include <hx/trellan/uiconfig.h>

#include "gazetteerfixture.h"
#include "ppsstatusfile.h"
#include "serviceprocess.h"
#include "signalwaiter.h"
#include "storefixture.h"
#include "testroots.h"

#include <QtTest/QSignalSpy>
#include <QtTest/QtTest>

using namespace hx::platform::places;
using namespace hx::trellan::places;
using hx::test::GazetteerFixture;
using hx::test::SignalWaiter;
using hx::test::StoreFixture;
using hx::test::TestRoots;
using hx::trellan::ScreenText;
using hx::trellan::TestDriver;

namespace {

GazetteerEntry address(const QString &street, const QString &city, double latitude, double longitude)
{
    GazetteerEntry entry = GazetteerFixture::entry(GazetteerEntry::Address, street, latitude, longitude, 10);
    entry.street = street;
    entry.city = city;
    entry.region = QStringLiteral("Ontario");
    entry.country = QStringLiteral("Canada");
    entry.countryCode = QStringLiteral("CA");
    return entry;
}

QList<GazetteerEntry> gazetteer()
{
    return { GazetteerFixture::entry(GazetteerEntry::Locality, QStringLiteral("Waterloo"), 43.4643, -80.5204, 100000),
             GazetteerFixture::entry(GazetteerEntry::Locality, QStringLiteral("Kitchener"), 43.4516, -80.4925, 200000),
             GazetteerFixture::entry(GazetteerEntry::Locality, QStringLiteral("Guelph"), 43.5448, -80.2482, 130000),
             address(QStringLiteral("200 University Avenue West"), QStringLiteral("Waterloo"), 43.4723, -80.5449),
             address(QStringLiteral("9 Market Lane"), QStringLiteral("Waterloo"), 43.4650, -80.5230),
             address(QStringLiteral("9 Market Lane"), QStringLiteral("Kitchener"), 43.4500, -80.4900),
             address(QStringLiteral("9 Market Lane"), QStringLiteral("Guelph"), 43.5440, -80.2490) };
}

Place stored(Place place)
{
    PlaceManager manager;
    if (manager.addPlace(place) != Error::None)
        qWarning() << "cannot store" << place.name();
    return place;
}

// A place that has only a typed address.
Place addressOnly(const QString &name, const QString &label)
{
    Address typed;
    typed.setLabel(label);
    Place place(name, Location(Coordinates(), typed));
    place.setSource(AbstractPlace::SourceManualInput);
    return stored(place);
}

Place positionOnly(const QString &name, double latitude, double longitude)
{
    Place place(name, Location(Coordinates(latitude, longitude), Address()));
    place.setSource(AbstractPlace::SourceManualInput);
    return stored(place);
}

Location storedLocation(qint64 id)
{
    PlaceManager manager;
    Error::Type error = Error::None;
    QScopedPointer<Place> place(manager.getPlace(id, error));
    return place && place->locationCount() > 0 ? place->location(0) : Location();
}

QColor colourAt(const QImage &image, QPointF point)
{
    return image.pixelColor(qRound(point.x()), qRound(point.y()));
}

} // namespace

class tst_MapDock : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void storedPlaceShowsItsMapPinAndAddress();
    void addressOnlyPlaceIsGeocoded_data();
    void addressOnlyPlaceIsGeocoded();
    void addressNotFoundShowsNoMap();
    void severalAddressesOfferAChoice_data();
    void severalAddressesOfferAChoice();
    void positionWithoutAddressIsReverseGeocoded();
    void reverseGeocodingThatFailsKeepsTheStoredLocation();
    void tapOnTheMap_data();
    void tapOnTheMap();
    void rotatingRendersForTheNewWidth();
    void assistantCardShowsTheAddressBar();

private:
    QScopedPointer<TestRoots> m_roots;
};

void tst_MapDock::initTestCase()
{
    // The current position, for distances: the location worker keeps its fix for the process.
    TestRoots roots;
    hx::pps::LocationServer server;
    server.setFixedPosition(43.4516, -80.4925, 5);
    QVERIFY(server.start());
    const CurrentCoordinate *position = GetGeolocation::getCoordinate(PlaceUtils::genericRequest);
    QVERIFY(SignalWaiter::waitFor([=] { return position->isUsable(); }, 10000));
    QVERIFY(SignalWaiter::waitFor([] { return !GetGeolocation::isRunning(PlaceUtils::genericRequest); }, 10000));
}

void tst_MapDock::init()
{
    m_roots.reset(new TestRoots);
    QVERIFY(m_roots->isValid());
    QVERIFY(GazetteerFixture::write(m_roots->gazetteerPath(), gazetteer()));
    QVERIFY(hx::test::PpsStatusFile::write(QStringLiteral("/pps/services/locale/uom"), "@uom\nuom::metric\n"));
    hx::system::LocaleHandler::setLanguage(QStringLiteral("en_US"));
}

void tst_MapDock::cleanup()
{
    hx::trellan::OrientationSupport::instance()->rotateTo(0);
    QTRY_COMPARE(QThreadPool::globalInstance()->activeThreadCount(), 0);
    m_roots.reset();
}

void tst_MapDock::storedPlaceShowsItsMapPinAndAddress()
{
    Place place = StoreFixture::makePlace(QStringLiteral("Davis Centre"), 43.4723, -80.5449,
                                          QStringLiteral("200 University Avenue West"), QStringLiteral("Waterloo"));
    place.addTag(QStringLiteral("favorite"));
    place = stored(place);
    ViewPlaceContent content(QSharedPointer<Place>(new Place(place)), PlaceViewMode::View, true);
    MapHolder *holder = content.mapDock()->mapHolder();
    QSignalSpy loaded(holder, &MapHolder::imageLoaded);
    QVERIFY(loaded.wait(10000));

    auto *map = TestDriver::findOnScreen<hx::trellan::ImageView>(&content, QStringLiteral("MapImage"));
    QVERIFY2(map, qPrintable(ScreenText::render(&content)));
    const QImage image = map->image().toQImage();
    QCOMPARE(image.width(), hx::trellan::UIConfig::displaySize().width());
    const QPointF pin = holder->mapGenerator()->project(43.4723, -80.5449);
    QVERIFY(QRectF(image.rect()).contains(pin));
    QCOMPARE(colourAt(image, pin), QColor(0xE0, 0x20, 0x20));
    QVERIFY(TestDriver::findOnScreen(&content, QStringLiteral("FavoriteStar")));
    QVERIFY(!TestDriver::findOnScreen(&content, QStringLiteral("NoMap")));

    const QString screen = ScreenText::render(&content);
    QVERIFY2(screen.contains(QStringLiteral("200 University Avenue West")), qPrintable(screen));
    // From the current position in Kitchener.
    QVERIFY2(screen.contains(QStringLiteral("Distance\": 4.8 km")), qPrintable(screen));
}

void tst_MapDock::addressOnlyPlaceIsGeocoded_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("written");
    QTest::newRow("the plain view writes the position back") << int(PlaceViewMode::View) << true;
    QTest::newRow("the editor leaves the store alone") << int(PlaceViewMode::Edit) << false;
}

void tst_MapDock::addressOnlyPlaceIsGeocoded()
{
    QFETCH(int, mode);
    QFETCH(bool, written);
    const Place place = addressOnly(QStringLiteral("Office"), QStringLiteral("200 University Avenue West, Waterloo"));
    MapDock dock(QSharedPointer<Place>(new Place(place)), true, PlaceViewMode::Type(mode), true);
    QSignalSpy result(&dock, &MapDock::geocodingResult);
    QSignalSpy loaded(&dock, &MapDock::imageLoaded);
    QVERIFY(result.wait(10000));
    QCOMPARE(result.first().at(1).toBool(), true);
    QVERIFY(loaded.wait(10000));
    QVERIFY2(TestDriver::findOnScreen(&dock, QStringLiteral("MapImage")), qPrintable(ScreenText::render(&dock)));

    const Location after = storedLocation(place.id());
    QCOMPARE(after.coordinates().isValid(), written);
    if (written)
        QVERIFY(qAbs(after.coordinates().latitude() - 43.4723) < 1e-4);
    else
        QCOMPARE(after.address().label(), QStringLiteral("200 University Avenue West, Waterloo"));
}

void tst_MapDock::addressNotFoundShowsNoMap()
{
    const Place place = addressOnly(QStringLiteral("Nowhere"), QStringLiteral("Zzyzx Qwerty"));
    MapDock dock(QSharedPointer<Place>(new Place(place)), true, PlaceViewMode::View, true);
    QSignalSpy result(&dock, &MapDock::geocodingResult);
    QVERIFY(result.wait(10000));
    QCOMPARE(result.first().at(1).toBool(), false);
    QVERIFY(TestDriver::findOnScreen(&dock, QStringLiteral("NoMap")));
    QVERIFY(!TestDriver::findOnScreen(&dock, QStringLiteral("MapImage")));
    QCOMPARE(storedLocation(place.id()).address().label(), QStringLiteral("Zzyzx Qwerty"));
}

void tst_MapDock::severalAddressesOfferAChoice_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<bool>("success");
    QTest::newRow("a confirmed choice is shown") << "OK" << true;
    QTest::newRow("cancelling keeps only the typed label") << "Cancel" << false;
}

void tst_MapDock::severalAddressesOfferAChoice()
{
    QFETCH(QString, button);
    QFETCH(bool, success);
    const Place place = addressOnly(QStringLiteral("Market"), QStringLiteral("9 Market Lane"));
    MapDock dock(QSharedPointer<Place>(new Place(place)), true, PlaceViewMode::Edit, true);
    QSignalSpy result(&dock, &MapDock::geocodingResult);
    QTRY_VERIFY_WITH_TIMEOUT(ScreenText::render(&dock).contains(QStringLiteral("3 Addresses Found")), 10000);
    QVERIFY2(TestDriver::clickButton(&dock, button), qPrintable(TestDriver::lastError()));
    QTRY_COMPARE(result.size(), 1);
    QCOMPARE(result.first().at(1).toBool(), success);
    const Location location = result.first().first().value<Location>();
    QCOMPARE(location.address().label(), QStringLiteral("9 Market Lane"));
    QCOMPARE(location.coordinates().isValid(), success);
}

void tst_MapDock::positionWithoutAddressIsReverseGeocoded()
{
    hx::test::ServiceProcess service(QStringLiteral("hx-revgeocoded"));
    QVERIFY2(service.start({ QStringLiteral("--root"), m_roots->messageRoot(), QStringLiteral("--gazetteer"),
                             m_roots->gazetteerPath() }),
             qPrintable(service.errorOutput()));
    const Place place = positionOnly(QStringLiteral("Pin"), 43.4724, -80.5448);
    ViewPlaceContent content(QSharedPointer<Place>(new Place(place)), PlaceViewMode::View, true);
    QTRY_VERIFY_WITH_TIMEOUT(ScreenText::render(&content).contains(QStringLiteral("200 University Avenue West")),
                             10000);
    QTRY_VERIFY(storedLocation(place.id()).address().street().contains(QStringLiteral("University")));
    const Location after = storedLocation(place.id());
    QCOMPARE(after.coordinates().latitude(), 43.4724);
    QCOMPARE(after.coordinates().longitude(), -80.5448);
}

void tst_MapDock::reverseGeocodingThatFailsKeepsTheStoredLocation()
{
    const Place place = positionOnly(QStringLiteral("Pin"), 43.4724, -80.5448);
    MapDock dock(QSharedPointer<Place>(new Place(place)), true, PlaceViewMode::View, true);
    QSignalSpy result(&dock, &MapDock::geocodingResult);
    QVERIFY(result.wait(10000));
    QCOMPARE(result.first().at(1).toBool(), false);
    const Location after = storedLocation(place.id());
    QCOMPARE(after.coordinates().latitude(), 43.4724);
    QVERIFY(after.address().isEmpty());
    QTRY_VERIFY(TestDriver::findOnScreen(&dock, QStringLiteral("MapImage")));
}

void tst_MapDock::tapOnTheMap_data()
{
    QTest::addColumn<bool>("withPosition");
    QTest::newRow("a map with a position asks to show it") << true;
    QTest::newRow("a map without a position does nothing") << false;
}

void tst_MapDock::tapOnTheMap()
{
    QFETCH(bool, withPosition);
    Place place = withPosition ? positionOnly(QStringLiteral("Pin"), 43.4724, -80.5448) : Place();
    MapDock dock(QSharedPointer<Place>(new Place(place)), true, PlaceViewMode::Edit, false);
    QSignalSpy touched(&dock, &MapDock::touched);
    QVERIFY2(TestDriver::tap(&dock, QStringLiteral("MapPreview")), qPrintable(TestDriver::lastError()));
    QCOMPARE(touched.size(), withPosition ? 1 : 0);
}

void tst_MapDock::rotatingRendersForTheNewWidth()
{
    const Place place
        = stored(StoreFixture::makePlace(QStringLiteral("Davis Centre"), 43.4723, -80.5449,
                                         QStringLiteral("200 University Avenue West"), QStringLiteral("Waterloo")));
    MapDock dock(QSharedPointer<Place>(new Place(place)), true, PlaceViewMode::View, true);
    QSignalSpy loaded(&dock, &MapDock::imageLoaded);
    QVERIFY(loaded.wait(10000));
    auto *map = TestDriver::find<hx::trellan::ImageView>(&dock, QStringLiteral("MapImage"));
    const QSize display = hx::trellan::UIConfig::displaySize();
    QCOMPARE(map->image().size().width(), display.width());
    hx::trellan::OrientationSupport::instance()->rotateTo(1);
    QVERIFY(loaded.wait(10000));
    QCOMPARE(map->image().size().width(), display.height());
}

void tst_MapDock::assistantCardShowsTheAddressBar()
{
    const Place place
        = stored(StoreFixture::makePlace(QStringLiteral("Davis Centre"), 43.4723, -80.5449,
                                         QStringLiteral("200 University Avenue West"), QStringLiteral("Waterloo")));
    MapDock dock(QSharedPointer<Place>(new Place(place)), false, PlaceViewMode::ZantB, true);
    auto *label = TestDriver::findOnScreen<hx::trellan::Label>(&dock, QStringLiteral("AddressLabel"));
    QVERIFY2(label, qPrintable(ScreenText::render(&dock)));
    QVERIFY(label->text().contains(QStringLiteral("200 University Avenue West")));
    QVERIFY(TestDriver::find(&dock, QStringLiteral("GradientBackground")));
}

QTEST_MAIN(tst_MapDock)
#include "tst_mapdock.moc"
