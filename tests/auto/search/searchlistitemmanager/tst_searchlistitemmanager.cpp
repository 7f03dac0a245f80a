#include <QtTest/QtTest>

#include <hx/platform/places/internalplacemanager.h>
#include <hx/pps/locationserver.h>
#include <hx/system/localehandler.h>
#include <hx/trellan/listview.h>
#include <hx/trellan/navigationpane.h>
#include <hx/trellan/page.h>
#include <hx/trellan/places/footer.h>
#include <hx/trellan/places/getgeolocation.h>
#include <hx/trellan/places/myplaceslistitembuilder.h>
#include <hx/trellan/places/placeutils.h>
#include <hx/trellan/places/searchlistitemmanager.h>
#include <hx/trellan/places/singlesearchalldatamodel.h>
#include <hx/trellan/places/singlesearchfilterdatamodel.h>
#include <hx/trellan/screentext.h>
#include <hx/trellan/testdriver.h>

#include "gazetteerfixture.h"
#include "listscreen.h"
#include "ppsstatusfile.h"
#include "signalwaiter.h"
#include "testroots.h"

#include <memory>

using namespace hx::trellan::places;
using namespace hx::test;
using hx::platform::places::Coordinates;
using hx::trellan::ScreenText;
using hx::trellan::TestDriver;

namespace {

struct Screen : ListScreen<SearchListItemManager>
{
    explicit Screen(PlacesListItemBuilder *builder = new MyPlacesListItemBuilder)
        : ListScreen(QStringLiteral("Results"), QSharedPointer<PlacesListItemBuilder>(builder))
    { }
};

} // namespace

class tst_SearchListItemManager : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void sectionsOfACollapsedList();
    void tapsReachTheirSignals_data();
    void tapsReachTheirSignals();
    void collapseFooterShowsOnlyItsImage();
    void withoutABuilderPlaceRowsStillShow();
    void footerFollowsTheLanguage();
    void distancesFollowThePosition();

private:
    std::unique_ptr<TestRoots> m_roots;
    std::unique_ptr<SingleSearchAllDataModel> m_collapsed;
    std::unique_ptr<SingleSearchFilterDataModel> m_recents;
};

void tst_SearchListItemManager::init()
{
    m_roots.reset(new TestRoots);
    QVERIFY(m_roots->isValid());
    QList<hx::platform::places::GazetteerEntry> cafes;
    for (int i = 0; i < 3; ++i)
        cafes.append(GazetteerFixture::poi(QStringLiteral("Cafe %1").arg(i), 43.5 + i * 0.01, -80.5,
                                           QStringLiteral("restaurant"), 10 - i));
    QVERIFY(GazetteerFixture::write(m_roots->gazetteerPath(), cafes));
    hx::platform::places::InternalPlaceManager manager;
    QCOMPARE(int(manager.addRecentSearchTerm(QStringLiteral("cafe au lait"))), 0);
    m_recents.reset(new SingleSearchFilterDataModel);
    m_collapsed.reset(new SingleSearchAllDataModel(true));
}

void tst_SearchListItemManager::cleanup()
{
    hx::system::LocaleHandler::setLanguage(QStringLiteral("en"));
    m_recents.reset();
    m_collapsed.reset();
    m_roots.reset();
}

void tst_SearchListItemManager::sectionsOfACollapsedList()
{
    Screen screen;
    QVERIFY(screen.show(m_collapsed.get(), [this] {
        m_collapsed->load(QStringLiteral("cafe"), Coordinates(), { FilterCategory::Pois }, true);
    }));
    const QString text = screen.text();
    QVERIFY2(text.contains(QLatin1String("[0] HEADER_POI: Points of Interest\n")), qPrintable(text));
    QVERIFY2(text.contains(QLatin1String("[1] TYPE_POI: [img ic_poi.png] | Cafe 0 |")), qPrintable(text));
    QVERIFY2(text.contains(QLatin1String("[3] FOOTER_MORE_NONE: More | [img cc_down.png]")), qPrintable(text));
}

void tst_SearchListItemManager::tapsReachTheirSignals_data()
{
    QTest::addColumn<bool>("recents");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("part");
    QTest::addColumn<QString>("signal");

    QTest::newRow("a More footer") << false << 3 << "Footer"
                                   << "footer";
    QTest::newRow("a recent search term") << true << 0 << "RecentSearchContainer"
                                          << "recent";
}

void tst_SearchListItemManager::tapsReachTheirSignals()
{
    QFETCH(bool, recents);
    QFETCH(int, row);
    QFETCH(QString, part);
    QFETCH(QString, signal);

    Screen screen;
    if (recents) {
        QVERIFY(screen.show(m_recents.get(),
                            [this] { m_recents->load(FilterCategory::Recents, QString(), Coordinates(), true); }));
        QVERIFY2(
            screen.text().contains(QStringLiteral("[%1] TYPE_RECENTSEARCH: [img search.png] | cafe au lait").arg(row)),
            qPrintable(screen.text()));
    } else {
        QVERIFY(screen.show(m_collapsed.get(), [this] {
            m_collapsed->load(QStringLiteral("cafe"), Coordinates(), { FilterCategory::Pois }, true);
        }));
    }
    QSignalSpy footer(&screen.rows, &SearchListItemManager::footerClicked);
    QSignalSpy recent(&screen.rows, &SearchListItemManager::recentSearchClicked);
    QSignalSpy title(&screen.rows, &SearchListItemManager::titleClicked);
    QVERIFY2(TestDriver::tapRowPart(&screen.pane, QStringLiteral("Results"), { row }, part),
             qPrintable(TestDriver::lastError() + QLatin1Char('\n') + screen.text()));
    QSignalSpy &expected = signal == QLatin1String("footer") ? footer : recent;
    QCOMPARE(expected.count(), 1);
    QCOMPARE(expected.first().first().toList(), QVariantList { row });
    QCOMPARE(footer.count() + recent.count() + title.count(), 1);
}

void tst_SearchListItemManager::collapseFooterShowsOnlyItsImage()
{
    Footer collapse(QStringLiteral("FOOTER_COLLAPSE"));
    QCOMPARE(ScreenText::texts(&collapse), QStringLiteral("[img cc_up.png]"));
    QVERIFY(collapse.findChild<QObject *>(QStringLiteral("FooterSubContainer-Collapse")));
    Footer more(QStringLiteral("FOOTER_MORE_POI"));
    QCOMPARE(ScreenText::texts(&more), QStringLiteral("More | [img cc_down.png]"));
    QVERIFY(more.findChild<QObject *>(QStringLiteral("FooterSubContainer-Expand")));
}

void tst_SearchListItemManager::withoutABuilderPlaceRowsStillShow()
{
    Screen screen(nullptr);
    QTest::ignoreMessage(QtWarningMsg,
                         "hx::trellan::places::SearchListItemManager::createItem() placesListItemBuilder is null.");
    QVERIFY(screen.show(m_collapsed.get(), [this] {
        m_collapsed->load(QStringLiteral("cafe 1"), Coordinates(), { FilterCategory::Pois }, true);
    }));
    QVERIFY2(screen.text().contains(QLatin1String("[1] TYPE_POI: [img ic_poi.png] | Cafe 1 |")),
             qPrintable(screen.text()));
    QSignalSpy title(&screen.rows, &SearchListItemManager::titleClicked);
    QVERIFY(TestDriver::tapRowPart(&screen.pane, QStringLiteral("Results"), { 1 }, QStringLiteral("ItemTitle")));
    QCOMPARE(title.count(), 1);
}

void tst_SearchListItemManager::footerFollowsTheLanguage()
{
    Screen screen;
    QVERIFY(screen.show(m_collapsed.get(), [this] {
        m_collapsed->load(QStringLiteral("cafe"), Coordinates(), { FilterCategory::Pois }, true);
    }));
    QVERIFY2(screen.text().contains(QLatin1String("FOOTER_MORE_NONE: More |")), qPrintable(screen.text()));
    hx::system::LocaleHandler::setLanguage(QStringLiteral("fr"));
    QTRY_VERIFY2(screen.text().contains(QLatin1String("FOOTER_MORE_NONE: Plus |")), qPrintable(screen.text()));
}

void tst_SearchListItemManager::distancesFollowThePosition()
{
    using hx::trellan::places::GetGeolocation;
    QVERIFY(SignalWaiter::waitFor([] { return !GetGeolocation::isRunning(PlaceUtils::genericRequest); }, 10000));
    QVERIFY(PpsStatusFile::write(QStringLiteral("/pps/services/locale/uom"), "@uom\nuom::metric\n"));
    hx::pps::LocationServer server;
    // Cafe 1 lies 0.01 degree north of here.
    server.setFixedPosition(43.50, -80.5, 5);
    QVERIFY(server.start());
    Screen screen;
    QVERIFY(screen.show(m_collapsed.get(), [this] {
        m_collapsed->load(QStringLiteral("cafe 1"), Coordinates(), { FilterCategory::Pois }, true);
    }));
    // The rows asked for the position as they were drawn; its arrival redraws them.
    QTRY_VERIFY2_WITH_TIMEOUT(screen.text().contains(QLatin1String("| Cafe 1 | 1.1 km |")), qPrintable(screen.text()),
                              10000);
}

QTEST_MAIN(tst_SearchListItemManager)
#include "tst_searchlistitemmanager.moc"
