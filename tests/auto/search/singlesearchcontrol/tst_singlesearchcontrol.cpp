#include <QtTest/QtTest>

#include <hx/platform/geo/boundingbox.h>
#include <hx/platform/geo/point.h>
#include <hx/platform/places/placemanager.h>
#include <hx/system/localehandler.h>
#include <hx/system/systemui.h>
#include <hx/trellan/container.h>
#include <hx/trellan/imagebutton.h>
#include <hx/trellan/navigationpane.h>
#include <hx/trellan/page.h>
#include <hx/trellan/places/searchcontrol.h>
#include <hx/trellan/places/singlesearchcontrol.h>
#include <hx/trellan/places/singlesearchlist.h>
#include <hx/trellan/screentext.h>
#include <hx/trellan/testdriver.h>
#include <hx/trellan/textfield.h>

#include "gazetteerfixture.h"
#include "signalwaiter.h"
#include "storefixture.h"
#include "testroots.h"

#include <memory>

using namespace hx::trellan::places;
using namespace hx::test;
using hx::platform::geo::BoundingBox;
using hx::platform::geo::Point;
using hx::platform::places::AbstractPlace;
using hx::system::SystemUi;
using hx::trellan::ScreenText;
using hx::trellan::TestDriver;

namespace {

using Places = QList<QSharedPointer<AbstractPlace>>;

// A map application's page with the search bar on top.
struct MapScreen
{
    hx::trellan::NavigationPane pane;
    hx::trellan::Container *body = new hx::trellan::Container;
    SearchControl search { body };
    SingleSearchControl *control = search.control();

    MapScreen()
    {
        auto *page = new hx::trellan::Page;
        page->setObjectName(QStringLiteral("MapPage"));
        page->setContent(body);
        pane.push(page);
        control->setSearchCoordinates(Point(43.5, -80.5), BoundingBox(Point(44.0, -81.0), Point(43.0, -80.0)));
    }

    QString text() { return ScreenText::render(&pane); }

    // Types a character at a time, as a user does.
    bool type(const QString &text)
    {
        for (const QChar character : text) {
            if (!TestDriver::typeText(&pane, QStringLiteral("SearchField"), QString(character)))
                return false;
        }
        return true;
    }

    bool listShows(const QString &line)
    {
        return SignalWaiter::waitFor([&] { return text().contains(line); }, 5000);
    }
};

} // namespace

class tst_SingleSearchControl : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void typingShowsTheMergedListOfTheLastKeystroke();
    void clearingTheFieldShowsRecents();
    void submitListsTheRemoteResults_data();
    void submitListsTheRemoteResults();
    void theMapMoveSearchesOnlyAfterASubmit();
    void aFooterOpensTheCategoryAndCollapsesBack();
    void pickingAPlaceWithAPosition();
    void anAddressThatCannotBeGeocodedTurnsTheDialogIntoTheFailure();
    void anAddressIsGeocodedBeforeItIsPicked();
    void aSuggestionIsResolvedThenPicked_data();
    void aSuggestionIsResolvedThenPicked();
    void aCategorySuggestionTitlesTheResultsWithItsName();
    void steppingThroughTheResults();
    void theBarFollowsTheLanguage();

private:
    std::unique_ptr<TestRoots> m_roots;
};

void tst_SingleSearchControl::init()
{
    m_roots.reset(new TestRoots);
    QVERIFY(m_roots->isValid());
    QList<hx::platform::places::GazetteerEntry> places;
    for (int i = 0; i < 12; ++i)
        places.append(GazetteerFixture::poi(QStringLiteral("Cafe %1").arg(i), 43.5 + i * 1e-3, -80.5,
                                            QStringLiteral("restaurant"), 100 - i));
    // A town: the merged list offers towns as suggestions, resolved when tapped.
    places.append(GazetteerFixture::entry(hx::platform::places::GazetteerEntry::Locality,
                                          QStringLiteral("Kiosk Unique"), 43.6, -80.5));
    auto street = GazetteerFixture::entry(hx::platform::places::GazetteerEntry::Address, QStringLiteral("7 Erb Street"),
                                          43.4643, -80.5204);
    street.street = QStringLiteral("7 Erb Street");
    street.city = QStringLiteral("Waterloo");
    places.append(street);
    // A neighbourhood known by its address only: a pick has to geocode it.
    auto booth = GazetteerFixture::entry(hx::platform::places::GazetteerEntry::Neighbourhood,
                                         QStringLiteral("Booth Nowhere"), qQNaN(), qQNaN());
    booth.street = QStringLiteral("7 Erb Street");
    booth.city = QStringLiteral("Waterloo");
    places.append(booth);
    QVERIFY(GazetteerFixture::write(m_roots->gazetteerPath(), places));
    StoreFixture::addRecent(QStringLiteral("Kitchener Market"), 43.4501, -80.4890);
}

void tst_SingleSearchControl::cleanup()
{
    hx::system::LocaleHandler::setLanguage(QStringLiteral("en"));
    QThreadPool::globalInstance()->waitForDone();
    m_roots.reset();
}

void tst_SingleSearchControl::typingShowsTheMergedListOfTheLastKeystroke()
{
    MapScreen screen;
    QSignalSpy activated(&screen.search, &SearchControl::searchActivated);
    QVERIFY2(screen.type(QStringLiteral("kio")), qPrintable(TestDriver::lastError()));
    QCOMPARE(activated.count(), 1);
    QVERIFY2(screen.listShows(QStringLiteral("| Kiosk Unique |")), qPrintable(screen.text()));
    QVERIFY2(!screen.text().contains(QLatin1String("Cafe 0")), qPrintable(screen.text()));
    QVERIFY2(screen.text().contains(QLatin1String("Button \"SearchCancelButton\": <Cancel>")),
             qPrintable(screen.text()));
}

void tst_SingleSearchControl::clearingTheFieldShowsRecents()
{
    MapScreen screen;
    QSignalSpy cleared(&screen.search, &SearchControl::searchTextFieldCleared);
    QVERIFY(screen.type(QStringLiteral("k")));
    QVERIFY(screen.listShows(QStringLiteral("| Kiosk Unique |")));
    QVERIFY(TestDriver::eraseText(&screen.pane, QStringLiteral("SearchField"), 1));
    QCOMPARE(cleared.count(), 1);
    QVERIFY2(screen.listShows(QStringLiteral("| Kitchener Market |")), qPrintable(screen.text()));
    QVERIFY2(!screen.text().contains(QLatin1String("Kiosk Unique")), qPrintable(screen.text()));
}

void tst_SingleSearchControl::submitListsTheRemoteResults_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("results");
    QTest::addColumn<bool>("listButton");

    QTest::newRow("several results offer the list") << "cafe" << 10 << true;
    QTest::newRow("one result keeps the list button hidden") << "kiosk" << 1 << false;
}

void tst_SingleSearchControl::submitListsTheRemoteResults()
{
    QFETCH(QString, text);
    QFETCH(int, results);
    QFETCH(bool, listButton);

    MapScreen screen;
    QSignalSpy available(&screen.search, &SearchControl::searchResultsAvailable);
    QSignalSpy canceled(&screen.search, &SearchControl::searchCanceled);
    QVERIFY(screen.type(text));
    QVERIFY(TestDriver::submit(&screen.pane, QStringLiteral("SearchField")));
    QVERIFY(SignalWaiter::wait(available));
    QCOMPARE(available.first().at(0).value<Places>().size(), results);
    QCOMPARE(canceled.count(), 1);
    QVERIFY2(!screen.text().contains(QLatin1String("ListView")), qPrintable(screen.text()));
    QCOMPARE(screen.control->listButton()->isVisible(), listButton);
    if (!listButton)
        return;
    QVERIFY2(TestDriver::clickButton(&screen.pane, QStringLiteral("listButton")), qPrintable(TestDriver::lastError()));
    QVERIFY2(screen.text().contains(QStringLiteral("Title: Results for: %1").arg(text)), qPrintable(screen.text()));
    QVERIFY2(screen.text().contains(QLatin1String("| Cafe 9 |")), qPrintable(screen.text()));
    screen.control->closesResultsView();
}

void tst_SingleSearchControl::theMapMoveSearchesOnlyAfterASubmit()
{
    MapScreen screen;
    QSignalSpy available(&screen.search, &SearchControl::searchResultsAvailable);
    const BoundingBox moved(Point(44.1, -81.1), Point(43.1, -80.1));
    QVERIFY(screen.type(QStringLiteral("cafe")));
    // The field has the focus: the list follows the typing, not the map.
    screen.search.onMapCenterChanged(Point(43.6, -80.6), moved);
    QVERIFY(!available.wait(300));
    QVERIFY(TestDriver::submit(&screen.pane, QStringLiteral("SearchField")));
    QVERIFY(SignalWaiter::wait(available));
    available.clear();
    screen.search.onMapCenterChanged(Point(43.6, -80.6), moved);
    QVERIFY(SignalWaiter::wait(available));
    QCOMPARE(available.first().at(0).value<Places>().size(), 10);
}

void tst_SingleSearchControl::aFooterOpensTheCategoryAndCollapsesBack()
{
    MapScreen screen;
    QVERIFY(screen.type(QStringLiteral("cafe")));
    QVERIFY2(screen.listShows(QStringLiteral("FOOTER_MORE_NONE: More")), qPrintable(screen.text()));
    const QStringList lines = screen.text().split(QLatin1Char('\n'));
    int footer = -1;
    for (const QString &line : lines) {
        if (line.contains(QLatin1String("FOOTER_MORE_NONE")))
            footer = line.trimmed().mid(1, line.trimmed().indexOf(QLatin1Char(']')) - 1).toInt();
    }
    QVERIFY(footer > 0);
    QVERIFY2(TestDriver::tapRowPart(&screen.pane, QStringLiteral("SearchList"), { footer }, QStringLiteral("Footer")),
             qPrintable(TestDriver::lastError()));
    QVERIFY2(screen.listShows(QStringLiteral("| Cafe 9 |")), qPrintable(screen.text()));
    QVERIFY(screen.control->resultList()->isFooterVisible());
    QVERIFY2(TestDriver::tap(&screen.pane, QStringLiteral("CollapseFooter")), qPrintable(TestDriver::lastError()));
    QVERIFY(!screen.control->resultList()->isFooterVisible());
    QVERIFY2(screen.listShows(QStringLiteral("FOOTER_MORE_NONE: More")), qPrintable(screen.text()));
}

void tst_SingleSearchControl::pickingAPlaceWithAPosition()
{
    MapScreen screen;
    QSignalSpy available(&screen.search, &SearchControl::searchResultsAvailable);
    QVERIFY(screen.type(QStringLiteral("kio")));
    QVERIFY(screen.listShows(QStringLiteral("| Kiosk Unique |")));
    int row = -1;
    for (const QString &line : screen.text().split(QLatin1Char('\n'))) {
        if (line.contains(QLatin1String("| Kiosk Unique |")))
            row = line.trimmed().mid(1, line.trimmed().indexOf(QLatin1Char(']')) - 1).toInt();
    }
    QVERIFY2(TestDriver::tapRowPart(&screen.pane, QStringLiteral("SearchList"), { row }, QStringLiteral("ItemTitle")),
             qPrintable(TestDriver::lastError()));
    QVERIFY(SignalWaiter::wait(available));
    const Places picked = available.first().at(0).value<Places>();
    QCOMPARE(picked.size(), 1);
    QCOMPARE(picked.first()->name(), QStringLiteral("Kiosk Unique"));
    QCOMPARE(screen.control->searchField()->text(), QStringLiteral("Kiosk Unique"));
    // Recorded in the store as a recent place.
    hx::platform::places::PlaceManager manager;
    hx::platform::places::Error::Type error = hx::platform::places::Error::None;
    hx::platform::places::SearchHandle handle;
    const QList<AbstractPlace *> stored
        = manager.findPlaces(QStringLiteral("kiosk"), error, handle, hx::platform::places::SortRule(), 0, 5, false,
                             hx::platform::places::Coordinates());
    QCOMPARE(stored.size(), 1);
    QCOMPARE(stored.first()->name(), QStringLiteral("Kiosk Unique"));
    qDeleteAll(stored);
}

void tst_SingleSearchControl::anAddressThatCannotBeGeocodedTurnsTheDialogIntoTheFailure()
{
    MapScreen screen;
    QSignalSpy available(&screen.search, &SearchControl::searchResultsAvailable);
    hx::platform::places::Address address;
    address.setStreet(QStringLiteral("1 Nowhere Lane"));
    address.setCity(QStringLiteral("Atlantis"));
    QSharedPointer<hx::platform::places::Place> unplaced(new hx::platform::places::Place(
        QStringLiteral("Lost Cafe"), hx::platform::places::Location(hx::platform::places::Coordinates(), address)));
    QVERIFY(QMetaObject::invokeMethod(screen.control, "onSelectContinue",
                                      Q_ARG(QSharedPointer<hx::platform::places::Place>, unplaced)));
    QCOMPARE(SystemUi::top().title, QStringLiteral("Retrieving details"));
    const int dialogs = SystemUi::visibleCount();
    QTRY_COMPARE_WITH_TIMEOUT(SystemUi::top().title, QStringLiteral("Can't find location"), 10000);
    QCOMPARE(SystemUi::top().body, QStringLiteral("Address not found"));
    QCOMPARE(SystemUi::visibleCount(), dialogs);
    QVERIFY(SystemUi::pressButton(QStringLiteral("OK")));
    QCOMPARE(available.count(), 0);
}

void tst_SingleSearchControl::anAddressIsGeocodedBeforeItIsPicked()
{
    MapScreen screen;
    QSignalSpy available(&screen.search, &SearchControl::searchResultsAvailable);
    hx::platform::places::Address address;
    address.setStreet(QStringLiteral("7 Erb Street"));
    address.setCity(QStringLiteral("Waterloo"));
    QSharedPointer<hx::platform::places::Place> typed(new hx::platform::places::Place(
        QStringLiteral("Erb Office"), hx::platform::places::Location(hx::platform::places::Coordinates(), address)));
    QVERIFY(QMetaObject::invokeMethod(screen.control, "onSelectContinue",
                                      Q_ARG(QSharedPointer<hx::platform::places::Place>, typed)));
    QCOMPARE(SystemUi::top().title, QStringLiteral("Retrieving details"));
    QVERIFY(SignalWaiter::wait(available, 1, 10000));
    const Places picked = available.first().at(0).value<Places>();
    QCOMPARE(picked.size(), 1);
    QCOMPARE(picked.first()->name(), QStringLiteral("Erb Office"));
    QVERIFY(qAbs(picked.first()->primaryCoordinates().latitude() - 43.4643) < 1e-3);
    QVERIFY(SystemUi::findByObjectName(QStringLiteral("SingleSearchControlDialog")).isNull());
}

void tst_SingleSearchControl::aSuggestionIsResolvedThenPicked_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("name");

    QTest::newRow("a place with a position") << "kiosk u"
                                             << "Kiosk Unique";
    QTest::newRow("an address without a position is geocoded") << "booth n"
                                                               << "Booth Nowhere";
}

void tst_SingleSearchControl::aSuggestionIsResolvedThenPicked()
{
    QFETCH(QString, typed);
    QFETCH(QString, name);

    MapScreen screen;
    QSignalSpy available(&screen.search, &SearchControl::searchResultsAvailable);
    QVERIFY(screen.type(typed));
    QVERIFY2(screen.listShows(QStringLiteral("TYPE_SUGGESTION")), qPrintable(screen.text()));
    int row = -1;
    for (const QString &line : screen.text().split(QLatin1Char('\n'))) {
        if (line.contains(QLatin1String("TYPE_SUGGESTION")))
            row = line.trimmed().mid(1, line.trimmed().indexOf(QLatin1Char(']')) - 1).toInt();
    }
    QVERIFY2(TestDriver::tapRowPart(&screen.pane, QStringLiteral("SearchList"), { row }, QStringLiteral("ItemTitle")),
             qPrintable(TestDriver::lastError()));
    QVERIFY(SignalWaiter::wait(available, 1, 10000));
    const Places picked = available.first().at(0).value<Places>();
    QCOMPARE(picked.size(), 1);
    QCOMPARE(picked.first()->name(), name);
    QVERIFY(!picked.first()->hasTag(QStringLiteral("internal:suggestion")));
    QVERIFY(picked.first()->primaryCoordinates().isValid());
    QCOMPARE(available.first().at(1).value<hx::platform::places::Error::Type>(), hx::platform::places::Error::None);
}

void tst_SingleSearchControl::aCategorySuggestionTitlesTheResultsWithItsName()
{
    MapScreen screen;
    QSignalSpy available(&screen.search, &SearchControl::searchResultsAvailable);
    QVERIFY(screen.type(QStringLiteral("restaur")));
    QVERIFY2(screen.listShows(QStringLiteral("TYPE_SUGGESTION")), qPrintable(screen.text()));
    int row = -1;
    for (const QString &line : screen.text().split(QLatin1Char('\n'))) {
        if (row < 0 && line.contains(QLatin1String("TYPE_SUGGESTION")))
            row = line.trimmed().mid(1, line.trimmed().indexOf(QLatin1Char(']')) - 1).toInt();
    }
    QVERIFY2(TestDriver::tapRowPart(&screen.pane, QStringLiteral("SearchList"), { row }, QStringLiteral("ItemTitle")),
             qPrintable(TestDriver::lastError()));
    QVERIFY(SignalWaiter::wait(available));
    QVERIFY2(available.first().at(0).value<Places>().size() > 1, qPrintable(screen.text()));
    const QString name = screen.control->searchField()->text();
    QVERIFY2(TestDriver::clickButton(&screen.pane, QStringLiteral("listButton")), qPrintable(TestDriver::lastError()));
    QVERIFY2(screen.text().contains(QStringLiteral("Title: Results for: %1 [").arg(name)), qPrintable(screen.text()));
    QVERIFY2(!screen.text().contains(QLatin1String("_|_")), qPrintable(screen.text()));
    screen.control->closesResultsView();
}

void tst_SingleSearchControl::steppingThroughTheResults()
{
    MapScreen screen;
    QSignalSpy available(&screen.search, &SearchControl::searchResultsAvailable);
    screen.search.search(QStringLiteral("cafe"), Point(43.5, -80.5));
    QVERIFY(SignalWaiter::wait(available));
    QVERIFY(!screen.search.getPrevious());
    QCOMPARE(screen.search.getNext()->name(), QStringLiteral("Cafe 1"));
    QCOMPARE(screen.search.getNext()->name(), QStringLiteral("Cafe 2"));
    QCOMPARE(screen.search.getPrevious()->name(), QStringLiteral("Cafe 1"));
    const Places slice = screen.search.getCurrentSliceData();
    QCOMPARE(slice.size(), 10);
    for (int i = 0; i < 8; ++i)
        QVERIFY(screen.search.getNext());
    // Row 9 is the last one held.
    QVERIFY(!screen.search.getNext());
}

void tst_SingleSearchControl::theBarFollowsTheLanguage()
{
    MapScreen screen;
    QVERIFY(screen.type(QStringLiteral("zzz")));
    QVERIFY2(screen.listShows(QStringLiteral("No Results Found")), qPrintable(screen.text()));
    hx::system::LocaleHandler::setLanguage(QStringLiteral("fr"));
    QTRY_VERIFY2(screen.text().contains(QStringLiteral("Aucun résultat trouvé")), qPrintable(screen.text()));
    QVERIFY2(screen.text().contains(QLatin1String("<Annuler>")), qPrintable(screen.text()));
}

QTEST_MAIN(tst_SingleSearchControl)
#include "tst_singlesearchcontrol.moc"
