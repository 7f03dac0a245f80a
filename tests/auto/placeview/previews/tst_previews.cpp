#include <hx/platform/places/placemanager.h>
#include <hx/platform/places/pointofinterestauxiliarydata.h>
#include <hx/platform/places/tags.h>
#include <hx/system/invokemanager.h>
#include <hx/system/localehandler.h>
#include <hx/trellan/container.h>
#include <hx/trellan/navigationpane.h>
#include <hx/trellan/places/cardinterface.h>
#include <hx/trellan/places/placeviewfullview.h>
#include <hx/trellan/places/sharepreview.h>
#include <hx/trellan/places/universalsearchpreview.h>
#include <hx/trellan/places/viewplacecontent.h>
#include <hx/trellan/screentext.h>
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

QSharedPointer<Place> storedCafe(const QString &tag = QString())
{
    Place place = StoreFixture::makePlace(QStringLiteral("Café Pyrus"), 43.4643, -80.5204, QStringLiteral("1 King St"),
                                          QStringLiteral("Waterloo"));
    place.setSource(AbstractPlace::SourceGeocodeService);
    PointOfInterestAuxiliaryData poi;
    poi.setPhoneNumber(QStringLiteral("+1 519-555-0100"));
    place.addAuxiliaryData(poi);
    if (!tag.isEmpty())
        place.addTag(tag);
    // Kept as a recent place, as a place the universal search hands over is.
    PlaceManager manager;
    if (manager.addPlace(place) != Error::None || manager.addRecentlyPickedPlace(place) != Error::None)
        qWarning() << "cannot store the café";
    return QSharedPointer<Place>(new Place(place));
}

QSharedPointer<Place> stored(qint64 id)
{
    Error::Type error = Error::None;
    return QSharedPointer<Place>(PlaceManager().getPlace(id, error));
}

int storedPlaceCount()
{
    Error::Type error = Error::None;
    SearchHandle handle;
    const QList<AbstractPlace *> places
        = PlaceManager().findPlaces(QString(), error, handle, SortRule(), 0, 100, false, Coordinates());
    qDeleteAll(places);
    return places.size();
}

// The page's actions as "name@placement", in the order of the action bar.
QStringList actionsOf(const hx::trellan::Page *page)
{
    QStringList actions;
    for (const hx::trellan::ActionItem *action : page->actions())
        actions << QStringLiteral("%1@%2").arg(action->objectName()).arg(action->actionBarPlacement());
    return actions;
}

} // namespace

class tst_Previews : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void fullViewShowsThePlaceInTheModeAsked_data();
    void fullViewShowsThePlaceInTheModeAsked();
    void sharePreviewKeepsOnlyAPlaceWithAPosition_data();
    void sharePreviewKeepsOnlyAPlaceWithAPosition();
    void sharePreviewOfAnIdFromElsewhereShowsTheUrlsPlace();
    void previewActionsInTheirOrder_data();
    void previewActionsInTheirOrder();
    void previewFollowsTheLanguage();

private:
    QScopedPointer<hx::test::TestRoots> m_roots;
};

void tst_Previews::init()
{
    m_roots.reset(new hx::test::TestRoots);
    QVERIFY(m_roots->isValid());
    hx::system::LocaleHandler::setLanguage(QStringLiteral("en_US"));
    hx::system::InvokeManager::clearRecordedRequests();
}

void tst_Previews::cleanup()
{
    QTRY_COMPARE(QThreadPool::globalInstance()->activeThreadCount(), 0);
    m_roots.reset();
}

void tst_Previews::fullViewShowsThePlaceInTheModeAsked_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("contentMode");
    QTest::addColumn<bool>("addressOnTheMap");
    QTest::addColumn<bool>("phoneCallsTheAssistant");

    QTest::newRow("0: the assistant's card") << 0 << int(PlaceViewMode::ZantA) << false << true;
    QTest::newRow("1: the user's location") << 1 << int(PlaceViewMode::ZantB) << true << false;
    QTest::newRow("2: the place's details") << 2 << int(PlaceViewMode::ZantC) << false << false;
    QTest::newRow("5: unknown, as 0") << 5 << int(PlaceViewMode::ZantA) << false << true;
}

void tst_Previews::fullViewShowsThePlaceInTheModeAsked()
{
    QFETCH(int, mode);
    QFETCH(int, contentMode);
    QFETCH(bool, addressOnTheMap);
    QFETCH(bool, phoneCallsTheAssistant);
    PlaceViewFullView view(storedCafe(), PlaceViewFullView::ViewMode(mode));
    QCOMPARE(int(view.getPlaceViewMode()), contentMode);
    hx::trellan::Container *root = view.getVisualNodeRoot();
    QVERIFY(root);
    QSignalSpy ready(&view, &PlaceViewFullView::viewReady);
    QSignalSpy loaded(&view, &PlaceViewFullView::imageLoaded);
    QVERIFY(ready.wait(5000));
    QVERIFY(loaded.count() > 0 || loaded.wait(10000));

    const QString screen = ScreenText::render(root);
    QVERIFY2(screen.contains(QStringLiteral("Here is what I found")), qPrintable(screen));
    QVERIFY2(!screen.contains(QStringLiteral("Loading the place")), qPrintable(screen));
    QVERIFY2(TestDriver::findOnScreen(root, QStringLiteral("MapImage")), qPrintable(screen));
    QVERIFY2(screen.contains(QStringLiteral("1 King St")), qPrintable(screen));
    QCOMPARE(bool(TestDriver::findOnScreen(root, QStringLiteral("AddressBar"))), addressOnTheMap);
    QCOMPARE(bool(TestDriver::findOnScreen(root, QStringLiteral("InfoAddress"))), !addressOnTheMap);

    QSignalSpy call(&view, &PlaceViewFullView::makeZANTCall);
    QVERIFY2(TestDriver::tap(root, QStringLiteral("PhoneNumberValue")), qPrintable(TestDriver::lastError()));
    if (phoneCallsTheAssistant) {
        // Queued: the assistant hears of the call from its event loop.
        QCOMPARE(call.size(), 0);
        QVERIFY(call.wait(2000));
        QVERIFY(call.first().first().toString().contains(QStringLiteral("555")));
    } else {
        // A queued call would have arrived by now.
        QCoreApplication::processEvents();
        QCOMPARE(call.size(), 0);
    }
}

void tst_Previews::sharePreviewKeepsOnlyAPlaceWithAPosition_data()
{
    QTest::addColumn<QString>("url");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("kept");

    QTest::newRow("with a position") << "hxplaces:place?name=Lumen%20Coffee&lat=43.4643&lon=-80.5204&label=King%20St"
                                     << "Lumen Coffee" << true;
    QTest::newRow("with an address only") << "hxplaces:place?name=Lumen%20Coffee&label=King%20St%2C%20Waterloo"
                                          << "Lumen Coffee" << false;
    QTest::newRow("with a position out of range") << "hxplaces:place?name=Nowhere&lat=95&lon=-80.5"
                                                  << "Nowhere" << false;
    QTest::newRow("not a place URL") << "geo:43.4643,-80.5204;name=Lumen"
                                     << "" << false;
}

void tst_Previews::sharePreviewKeepsOnlyAPlaceWithAPosition()
{
    QFETCH(QString, url);
    QFETCH(QString, name);
    QFETCH(bool, kept);
    QScopedPointer<SharePreview> preview(CardInterface::createSharePreview(QUrl(url)));
    QVERIFY(preview);
    const QString screen = ScreenText::render(preview.data());
    if (!name.isEmpty())
        QVERIFY2(screen.contains(name), qPrintable(screen));
    QCOMPARE(preview->place()->isPersisted(), kept);
    QCOMPARE(storedPlaceCount(), kept ? 1 : 0);
    if (kept)
        QCOMPARE(stored(preview->place()->id())->name(), name);
}

void tst_Previews::sharePreviewOfAnIdFromElsewhereShowsTheUrlsPlace()
{
    const QSharedPointer<Place> cafe = storedCafe();
    const QString url = QStringLiteral("hxplaces:place?id=%1&name=Lumen%20Coffee&lat=43.4&lon=-80.5").arg(cafe->id());
    QScopedPointer<SharePreview> preview(CardInterface::createSharePreview(QUrl(url)));
    const QString screen = ScreenText::render(preview.data());
    QVERIFY2(screen.contains(QStringLiteral("Lumen Coffee")), qPrintable(screen));
    // Our café keeps its name; the shared place is a place of its own.
    QCOMPARE(stored(cafe->id())->name(), cafe->name());
    QVERIFY(preview->place()->id() != cafe->id());
    QCOMPARE(storedPlaceCount(), 2);

    QScopedPointer<SharePreview> ours(CardInterface::createSharePreview(cafe->mapUrl()));
    QCOMPARE(ours->place()->id(), cafe->id());
    QVERIFY2(ScreenText::render(ours.data()).contains(QStringLiteral("Phone Number")),
             qPrintable(ScreenText::render(ours.data())));
    QCOMPARE(storedPlaceCount(), 2);
}

void tst_Previews::previewActionsInTheirOrder_data()
{
    QTest::addColumn<bool>("share");
    QTest::addColumn<QString>("tag");
    QTest::addColumn<QStringList>("actions");

    QTest::newRow("share preview") << true << QString()
                                   << QStringList { "FavoriteAction@2", "MapAction@2", "GoAction@3",
                                                    "PlanRouteAction@1" };
    QTest::newRow("share preview of home")
        << true << QString(Tags::MyHome) << QStringList { "MapAction@2", "GoAction@3", "PlanRouteAction@1" };
    QTest::newRow("universal search preview")
        << false << QString()
        << QStringList { "MapAction@2", "GoAction@3", "PlanRouteAction@2", "ShareAction@1", "FavoriteAction@1" };
    QTest::newRow("universal search preview of a favourite")
        << false << QString(Tags::Favorite)
        << QStringList { "MapAction@2", "GoAction@3", "PlanRouteAction@2", "ShareAction@1", "UnfavoriteAction@1" };
    QTest::newRow("universal search preview of work")
        << false << QString(Tags::MyWork)
        << QStringList { "MapAction@2", "GoAction@3", "PlanRouteAction@2", "ShareAction@1" };
}

void tst_Previews::previewActionsInTheirOrder()
{
    QFETCH(bool, share);
    QFETCH(QString, tag);
    QFETCH(QStringList, actions);
    const QSharedPointer<Place> cafe = storedCafe(tag);
    QScopedPointer<PickerPreview> preview(share ? static_cast<PickerPreview *>(new SharePreview(cafe))
                                                : CardInterface::createUniversalSearchPreview(cafe));
    QCOMPARE(actionsOf(preview.data()), actions);
    const QString screen = ScreenText::render(preview.data());
    QVERIFY2(screen.contains(QStringLiteral("Go (signature)")), qPrintable(screen));

    // The map actions hand the place's id to the map application.
    hx::trellan::NavigationPane pane;
    pane.push(preview.take());
    QVERIFY2(TestDriver::triggerAction(&pane, QStringLiteral("Plan Route")), qPrintable(TestDriver::lastError()));
    const QList<hx::system::InvokeRequest> requests = hx::system::InvokeManager::recordedRequests();
    QCOMPARE(requests.size(), 1);
    QCOMPARE(requests.first().action(), QStringLiteral("hx.action.PLANROUTE"));
    QCOMPARE(requests.first().data(), QStringLiteral("{\"placeId\":%1}").arg(cafe->id()).toUtf8());
}

void tst_Previews::previewFollowsTheLanguage()
{
    hx::trellan::NavigationPane pane;
    pane.push(CardInterface::createUniversalSearchPreview(storedCafe()));
    QVERIFY(TestDriver::findAction(&pane, QStringLiteral("Plan Route")));
    hx::system::LocaleHandler::setLanguage(QStringLiteral("fr"));
    QTRY_VERIFY2(TestDriver::findAction(&pane, QStringLiteral("Planifier l'itinéraire")),
                 qPrintable(ScreenText::render(&pane)));
    QVERIFY2(TestDriver::findAction(&pane, QStringLiteral("Carte")), qPrintable(ScreenText::render(&pane)));
    QVERIFY2(TestDriver::findAction(&pane, QStringLiteral("Y aller")), qPrintable(ScreenText::render(&pane)));
    QVERIFY2(!TestDriver::findAction(&pane, QStringLiteral("Share")), qPrintable(ScreenText::render(&pane)));
}

QTEST_MAIN(tst_Previews)
#include "tst_previews.moc"
