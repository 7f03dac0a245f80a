#include <QtTest/QtTest>

#include <hx/pps/locationserver.h>
#include <hx/trellan/listview.h>
#include <hx/trellan/navigationpane.h>
#include <hx/trellan/page.h>
#include <hx/trellan/places/getgeolocation.h>
#include <hx/trellan/places/placeutils.h>
#include <hx/trellan/places/selectorlistitemmanager.h>
#include <hx/trellan/places/singlesearchalldatamodel.h>
#include <hx/trellan/places/singlesearchfilterdatamodel.h>
#include <hx/trellan/screentext.h>
#include <hx/trellan/testdriver.h>

#include "gazetteerfixture.h"
#include "listscreen.h"
#include "ppsstatusfile.h"
#include "signalwaiter.h"
#include "storefixture.h"
#include "testroots.h"

#include <memory>

using namespace hx::trellan::places;
using namespace hx::test;
using hx::platform::places::Coordinates;
using hx::trellan::ScreenText;
using hx::trellan::TestDriver;

namespace {

struct Screen : ListScreen<SelectorListItemManager>
{
    explicit Screen(TitleBarTab::Tab tab, bool highlight = false) : ListScreen(QStringLiteral("Places"), tab, highlight)
    { }
};

} // namespace

class tst_SelectorListItemManager : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void tapsAreReportedByThePartTouched_data();
    void tapsAreReportedByThePartTouched();
    void aTouchIsReportedOnlyOnce();
    void contextActionsCarryTheirCodeAndRow_data();
    void contextActionsCarryTheirCodeAndRow();
    void tabDecidesTheCornerMark();
    void footersOfTheCombinedList();
    void firstItemTakesTheFocusOnce();
    void distancesFollowThePosition();

private:
    bool showFavorites(Screen &screen);

    std::unique_ptr<TestRoots> m_roots;
    std::unique_ptr<SingleSearchFilterDataModel> m_filtered;
};

void tst_SelectorListItemManager::init()
{
    m_roots.reset(new TestRoots);
    QVERIFY(m_roots->isValid());
    QList<hx::platform::places::GazetteerEntry> cafes;
    for (int i = 0; i < 4; ++i)
        cafes.append(GazetteerFixture::poi(QStringLiteral("Cafe %1").arg(i), 43.5 + i * 0.01, -80.5,
                                           QStringLiteral("restaurant"), 10 - i));
    QVERIFY(GazetteerFixture::write(m_roots->gazetteerPath(), cafes));
    StoreFixture::addFavorite(QStringLiteral("Alpha Bakery"), 43.51, -80.5);
    StoreFixture::addFavorite(QStringLiteral("Beta Books"), 43.52, -80.5);
    m_filtered.reset(new SingleSearchFilterDataModel);
}

void tst_SelectorListItemManager::cleanup()
{
    m_filtered.reset();
    m_roots.reset();
}

bool tst_SelectorListItemManager::showFavorites(Screen &screen)
{
    return screen.show(m_filtered.get(),
                       [this] { m_filtered->load(FilterCategory::Favorites, QString(), Coordinates(), true); });
}

void tst_SelectorListItemManager::tapsAreReportedByThePartTouched_data()
{
    QTest::addColumn<QString>("part");
    QTest::addColumn<int>("titles");
    QTest::addColumn<int>("infos");

    QTest::newRow("the title picks the row") << "ItemTitle" << 1 << 0;
    QTest::newRow("the info circle asks for details") << "MoreInfoCircle" << 0 << 1;
    QTest::newRow("the row itself reports nothing") << "" << 0 << 0;
}

void tst_SelectorListItemManager::tapsAreReportedByThePartTouched()
{
    QFETCH(QString, part);
    QFETCH(int, titles);
    QFETCH(int, infos);

    Screen screen(TitleBarTab::Favorites);
    QVERIFY(showFavorites(screen));
    QVERIFY2(screen.text().contains(QLatin1String("Beta Books")), qPrintable(screen.text()));
    QSignalSpy title(&screen.rows, &SelectorListItemManager::titleClicked);
    QSignalSpy info(&screen.rows, &SelectorListItemManager::infoClicked);
    const bool tapped = part.isEmpty() ? TestDriver::tapRow(&screen.pane, QStringLiteral("Places"), { 1 })
                                       : TestDriver::tapRowPart(&screen.pane, QStringLiteral("Places"), { 1 }, part);
    QVERIFY2(tapped, qPrintable(TestDriver::lastError() + QLatin1Char('\n') + screen.text()));
    QCOMPARE(title.count(), titles);
    QCOMPARE(info.count(), infos);
    for (const QList<QVariant> &args : title + info)
        QCOMPARE(args.first().toList(), QVariantList { 1 });
}

void tst_SelectorListItemManager::aTouchIsReportedOnlyOnce()
{
    Screen screen(TitleBarTab::Favorites);
    QVERIFY(showFavorites(screen));
    QSignalSpy title(&screen.rows, &SelectorListItemManager::titleClicked);
    QSignalSpy info(&screen.rows, &SelectorListItemManager::infoClicked);
    QVERIFY(TestDriver::tapRowPart(&screen.pane, QStringLiteral("Places"), { 0 }, QStringLiteral("MoreInfoCircle")));
    // A later plain tap must not replay the info touch.
    QVERIFY(TestDriver::tapRow(&screen.pane, QStringLiteral("Places"), { 1 }));
    QCOMPARE(info.count(), 1);
    QCOMPARE(title.count(), 0);
}

void tst_SelectorListItemManager::contextActionsCarryTheirCodeAndRow_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<int>("code");

    QTest::newRow("map it") << "MapAction" << 1;
    QTest::newRow("navigate") << "GoAction" << 2;
    QTest::newRow("share") << "ShareAction" << 4;
    QTest::newRow("view details") << "ViewDetailsAction" << 5;
    QTest::newRow("edit a favourite") << "EditAction" << 7;
    QTest::newRow("plan a route") << "PlanRouteAction" << 9;
}

void tst_SelectorListItemManager::contextActionsCarryTheirCodeAndRow()
{
    QFETCH(QString, action);
    QFETCH(int, code);

    Screen screen(TitleBarTab::Favorites);
    QVERIFY(showFavorites(screen));
    QSignalSpy triggered(&screen.rows, &SelectorListItemManager::contextActionTriggered);
    QVERIFY2(TestDriver::triggerRowAction(&screen.pane, QStringLiteral("Places"), { 1 }, action),
             qPrintable(TestDriver::lastError() + QLatin1Char('\n') + screen.text()));
    QTRY_COMPARE(triggered.count(), 1);
    QCOMPARE(triggered.first().at(0).toInt(), code);
    QCOMPARE(triggered.first().at(1).toList(), QVariantList { 1 });
}

void tst_SelectorListItemManager::tabDecidesTheCornerMark()
{
    Screen screen(TitleBarTab::Favorites);
    QVERIFY(showFavorites(screen));
    const QString corner = QStringLiteral("CornerFavorite.png");
    QVERIFY2(!screen.text().contains(corner), qPrintable(screen.text()));
    screen.rows.setTab(TitleBarTab::Recents);
    screen.list->refreshItems();
    screen.list->syncNow();
    QVERIFY2(screen.text().contains(corner), qPrintable(screen.text()));
}

void tst_SelectorListItemManager::footersOfTheCombinedList()
{
    Screen screen(TitleBarTab::None);
    SingleSearchAllDataModel all(true);
    QVERIFY(
        screen.show(&all, [&all] { all.load(QStringLiteral("cafe"), Coordinates(), { FilterCategory::Pois }, true); }));
    const QString text = screen.text();
    QVERIFY2(text.contains(QLatin1String("HEADER_POI: Points of Interest")), qPrintable(text));
    const int footerRow = screen.list->rowCount() - 1;
    QVERIFY2(screen.list->rowType(footerRow).startsWith(QLatin1String("FOOTER_MORE")), qPrintable(text));
    QSignalSpy footer(&screen.rows, &SelectorListItemManager::footerClicked);
    QSignalSpy title(&screen.rows, &SelectorListItemManager::titleClicked);
    QVERIFY2(TestDriver::tapRowPart(&screen.pane, QStringLiteral("Places"), { footerRow }, QStringLiteral("Footer")),
             qPrintable(TestDriver::lastError() + QLatin1Char('\n') + text));
    QCOMPARE(footer.count(), 1);
    QCOMPARE(footer.first().first().toList(), QVariantList { footerRow });
    QCOMPARE(title.count(), 0);
}

void tst_SelectorListItemManager::firstItemTakesTheFocusOnce()
{
    Screen screen(TitleBarTab::Favorites);
    QVERIFY(showFavorites(screen));
    QVERIFY(screen.list->focusedIndexPath().isEmpty());
    screen.rows.setHighlightOnFirstListItem();
    screen.list->syncNow();
    QTRY_COMPARE(screen.list->focusedIndexPath(), QVariantList { 0 });
    // Once highlighted, moving the focus elsewhere sticks through later updates.
    screen.list->setAsFocused({ 1 });
    screen.rows.setHighlightOnFirstListItem();
    screen.list->refreshItems();
    screen.list->syncNow();
    QCOMPARE(screen.list->focusedIndexPath(), QVariantList { 1 });
}

void tst_SelectorListItemManager::distancesFollowThePosition()
{
    QVERIFY(SignalWaiter::waitFor([] { return !GetGeolocation::isRunning(PlaceUtils::genericRequest); }, 10000));
    QVERIFY(PpsStatusFile::write(QStringLiteral("/pps/services/locale/uom"), "@uom\nuom::metric\n"));
    hx::pps::LocationServer server;
    // Beta Books lies 0.02 degree north of here.
    server.setFixedPosition(43.50, -80.5, 5);
    QVERIFY(server.start());
    Screen screen(TitleBarTab::Favorites);
    QVERIFY(showFavorites(screen));
    QTRY_VERIFY2_WITH_TIMEOUT(screen.text().contains(QLatin1String("| Beta Books | 2.2 km")), qPrintable(screen.text()),
                              10000);
}

QTEST_MAIN(tst_SelectorListItemManager)
#include "tst_selectorlistitemmanager.moc"
