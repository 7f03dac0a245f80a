#include <hx/device/displayinfo.h>
#include <hx/platform/places/placemanager.h>
#include <hx/platform/places/pointofinterestauxiliarydata.h>
#include <hx/system/localehandler.h>
#include <hx/trellan/layoutupdatehandler.h>
#include <hx/trellan/places/detailsview.h>
#include <hx/trellan/places/infoview.h>
#include <hx/trellan/places/mapdock.h>
#include <hx/trellan/places/titlebarview.h>
#include <hx/trellan/places/viewplacecontent.h>
#include <hx/trellan/screentext.h>
#include <hx/trellan/scrollview.h>
#include <hx/trellan/testdriver.h>

#include "storefixture.h"
#include "testroots.h"

#include <QtTest/QSignalSpy>
#include <QtTest/QtTest>

using namespace hx::platform::places;
using namespace hx::trellan::places;
using hx::test::StoreFixture;
using hx::trellan::ScreenText;
using hx::trellan::TestDriver;

namespace {

QSharedPointer<Place> storedCafe()
{
    Place place = StoreFixture::makePlace(QStringLiteral("Café Pyrus"), 43.4643, -80.5204, QStringLiteral("1 King St"),
                                          QStringLiteral("Waterloo"));
    place.setSource(AbstractPlace::SourceGeocodeService);
    PointOfInterestAuxiliaryData poi;
    poi.setPhoneNumber(QStringLiteral("+1 519-555-0100"));
    poi.setEmailAddress(QStringLiteral("hello@pyrus.example"));
    poi.setParking(QStringLiteral("Street parking"));
    place.addAuxiliaryData(poi);
    PlaceManager manager;
    if (manager.addPlace(place) != Error::None)
        qWarning() << "cannot store the café";
    return QSharedPointer<Place>(new Place(place));
}

} // namespace

class tst_ViewPlaceContent : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void blocksOfEachMode_data();
    void blocksOfEachMode();
    void assistantCardGrowsWithItsContentUpToALimit_data();
    void assistantCardGrowsWithItsContentUpToALimit();
    void mapTapAsksForTheMap();

private:
    QScopedPointer<hx::test::TestRoots> m_roots;
};

void tst_ViewPlaceContent::init()
{
    m_roots.reset(new hx::test::TestRoots);
    QVERIFY(m_roots->isValid());
    hx::system::LocaleHandler::setLanguage(QStringLiteral("en_US"));
}

void tst_ViewPlaceContent::cleanup()
{
    QTRY_COMPARE(QThreadPool::globalInstance()->activeThreadCount(), 0);
    m_roots.reset();
}

void tst_ViewPlaceContent::blocksOfEachMode_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<QStringList>("notShown");
    const QStringList everything { "1 King St", "Phone Number", "Email", "Street parking" };
    QTest::newRow("view") << int(PlaceViewMode::View) << everything << QStringList();
    QTest::newRow("preview") << int(PlaceViewMode::Preview) << everything << QStringList();
    QTest::newRow("assistant card with calls")
        << int(PlaceViewMode::ZantA) << QStringList { "1 King St", "Phone Number" }
        << QStringList { "Email", "Street parking" };
    QTest::newRow("assistant's own location: the address is on the map")
        << int(PlaceViewMode::ZantB) << QStringList { "AddressLabel", "1 King St", "Phone Number", "Email" }
        << QStringList();
}

void tst_ViewPlaceContent::blocksOfEachMode()
{
    QFETCH(int, mode);
    QFETCH(QStringList, shown);
    QFETCH(QStringList, notShown);
    ViewPlaceContent content(storedCafe(), PlaceViewMode::Type(mode), true);
    QSignalSpy loaded(content.mapDock(), &MapDock::imageLoaded);
    QVERIFY(loaded.wait(10000));
    const QString screen = ScreenText::render(&content);
    QVERIFY2(TestDriver::findOnScreen(&content, QStringLiteral("MapImage")), qPrintable(screen));
    for (const QString &text : qAsConst(shown))
        QVERIFY2(screen.contains(text), qPrintable(text + QStringLiteral(" missing in\n") + screen));
    for (const QString &text : qAsConst(notShown))
        QVERIFY2(!screen.contains(text), qPrintable(text + QStringLiteral(" shown in\n") + screen));
}

void tst_ViewPlaceContent::assistantCardGrowsWithItsContentUpToALimit_data()
{
    QTest::addColumn<bool>("titleBar");
    QTest::addColumn<int>("reserved");
    QTest::newRow("with a title bar in the card") << true << 624;
    QTest::newRow("without a title bar") << false << 470;
}

void tst_ViewPlaceContent::assistantCardGrowsWithItsContentUpToALimit()
{
    QFETCH(bool, titleBar);
    QFETCH(int, reserved);
    const QSharedPointer<Place> cafe = storedCafe();
    ViewPlaceContent content(cafe, PlaceViewMode::ZantC, true);
    auto *inner = qobject_cast<hx::trellan::Container *>(content.scrollView()->content());
    QVERIFY(inner);
    if (titleBar)
        inner->insert(0, new TitleBarView(*cafe, PlaceViewMode::ZantC, inner));
    auto *handler = inner->findChild<hx::trellan::LayoutUpdateHandler *>();
    QVERIFY(handler);
    const int limit = hx::device::DisplayInfo().height() - reserved;

    handler->setLayoutFrame(QRectF(0, 0, 720, limit - 1));
    QCOMPARE(content.scrollView()->preferredHeight(), float(limit - 1));
    handler->setLayoutFrame(QRectF(0, 0, 720, 300));
    QCOMPARE(content.scrollView()->preferredHeight(), 300.0f);
    handler->setLayoutFrame(QRectF(0, 0, 720, limit));
    QCOMPARE(content.scrollView()->preferredHeight(), 300.0f);
}

void tst_ViewPlaceContent::mapTapAsksForTheMap()
{
    ViewPlaceContent content(storedCafe(), PlaceViewMode::View, true);
    QSignalSpy touched(&content, &ViewPlaceContent::mapTouched);
    QVERIFY2(TestDriver::tap(&content, QStringLiteral("MapPreview")), qPrintable(TestDriver::lastError()));
    QCOMPARE(touched.size(), 1);
}

QTEST_MAIN(tst_ViewPlaceContent)
#include "tst_viewplacecontent.moc"
