#include <QtTest/QtTest>

#include <hx/platform/places/coordinates.h>
#include <hx/system/localehandler.h>
#include <hx/trellan/activityindicator.h>
#include <hx/trellan/label.h>
#include <hx/trellan/listview.h>
#include <hx/trellan/navigationpane.h>
#include <hx/trellan/page.h>
#include <hx/trellan/places/myplaceslistitembuilder.h>
#include <hx/trellan/places/searchlistitemmanager.h>
#include <hx/trellan/places/singlesearchalldatamodel.h>
#include <hx/trellan/places/singlesearchlist.h>
#include <hx/trellan/screentext.h>
#include <hx/trellan/testdriver.h>
#include <hx/trellan/uiconfig.h>

#include "gazetteerfixture.h"
#include "signalwaiter.h"
#include "testroots.h"

#include <memory>

using namespace hx::trellan::places;
using namespace hx::test;
using hx::platform::places::Coordinates;
using hx::trellan::ScreenText;
using hx::trellan::TestDriver;

namespace {

// A page holding the list, with a filter label as its leading visual, over a real search model.
struct Screen
{
    hx::trellan::NavigationPane pane;
    SingleSearchList *list = new SingleSearchList;
    SingleSearchAllDataModel model { true };
    SearchListItemManager rows { QSharedPointer<PlacesListItemBuilder>(new MyPlacesListItemBuilder) };
    hx::trellan::ActivityIndicator *spinner = nullptr;

    Screen()
    {
        auto *filter = new hx::trellan::Label(QStringLiteral("Filter: All"));
        filter->setObjectName(QStringLiteral("Filter"));
        list->setLeadingVisual(filter);
        list->setListItemProvider(&rows);
        list->setDataModel(&model);
        auto *page = new hx::trellan::Page;
        page->setContent(list);
        pane.push(page);
        spinner = list->findChild<hx::trellan::ActivityIndicator *>(QStringLiteral("SearchListSpinner"));
    }

    ~Screen() { list->setDataModel(nullptr); }

    bool load(const QString &text)
    {
        QSignalSpy final(&model, &PlacesDataModel::modelLoadedFinal);
        list->showSpinner(true);
        model.load(text, Coordinates(), { FilterCategory::Pois }, true);
        if (!SignalWaiter::wait(final))
            return false;
        list->showSpinner(false);
        list->showEmpty();
        list->listView()->syncNow();
        return true;
    }

    QString text() { return ScreenText::render(&pane); }
};

const QString spinnerLine = QStringLiteral("ActivityIndicator \"SearchListSpinner\": running");

} // namespace

class tst_SingleSearchList : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void aFastLoadShowsNoSpinner();
    void aHeldBackLoadShowsTheSpinnerInsteadOfTheFilter();
    void collapseFooter();
    void noResults_data();
    void noResults();
    void noResultsFollowsTheLanguage();

private:
    std::unique_ptr<TestRoots> m_roots;
};

void tst_SingleSearchList::init()
{
    m_roots.reset(new TestRoots);
    QVERIFY(m_roots->isValid());
    QVERIFY(GazetteerFixture::write(m_roots->gazetteerPath(),
                                    { GazetteerFixture::poi(QStringLiteral("Cafe Pyrus"), 43.46, -80.52) }));
}

void tst_SingleSearchList::cleanup()
{
    hx::system::LocaleHandler::setLanguage(QStringLiteral("en"));
    m_roots.reset();
}

void tst_SingleSearchList::aFastLoadShowsNoSpinner()
{
    Screen screen;
    QSignalSpy started(screen.spinner, &hx::trellan::ActivityIndicator::started);
    QVERIFY(screen.load(QStringLiteral("cafe")));
    // Past the delay the spinner still has not come, and the filter never left.
    QVERIFY(!started.wait(SingleSearchList::SPINNER_DELAY_MS + 200));
    QVERIFY2(!screen.text().contains(spinnerLine), qPrintable(screen.text()));
    QVERIFY2(screen.text().contains(QLatin1String("Label \"Filter\": Filter: All")), qPrintable(screen.text()));
}

void tst_SingleSearchList::aHeldBackLoadShowsTheSpinnerInsteadOfTheFilter()
{
    Screen screen;
    QSignalSpy started(screen.spinner, &hx::trellan::ActivityIndicator::started);
    QElapsedTimer clock;
    clock.start();
    screen.list->showSpinner(true);
    // Asking again while waiting does not push the spinner further back.
    screen.list->showSpinner(true);
    QVERIFY(started.wait(2000));
    QVERIFY(clock.elapsed() >= SingleSearchList::SPINNER_DELAY_MS);
    QVERIFY2(screen.text().contains(spinnerLine), qPrintable(screen.text()));
    QVERIFY2(!screen.text().contains(QLatin1String("Filter: All")), qPrintable(screen.text()));

    QVERIFY(screen.load(QStringLiteral("cafe")));
    QVERIFY2(!screen.text().contains(spinnerLine), qPrintable(screen.text()));
    QVERIFY2(screen.text().contains(QLatin1String("Filter: All")), qPrintable(screen.text()));
}

void tst_SingleSearchList::collapseFooter()
{
    Screen screen;
    QVERIFY(!screen.list->isFooterVisible());
    QVERIFY(!TestDriver::tap(&screen.pane, QStringLiteral("CollapseFooter")));

    screen.list->showFooter(true);
    QVERIFY(screen.list->isFooterVisible());
    QVERIFY2(screen.text().contains(QLatin1String("[img cc_up.png]")), qPrintable(screen.text()));
    QCOMPARE(screen.list->listView()->bottomPadding(), hx::trellan::UIConfig::du(7));
    QSignalSpy reverse(screen.list, &SingleSearchList::reverseExpand);
    QVERIFY2(TestDriver::tap(&screen.pane, QStringLiteral("CollapseFooter")), qPrintable(TestDriver::lastError()));
    QCOMPARE(reverse.count(), 1);

    screen.list->showFooter(false);
    QVERIFY2(!screen.text().contains(QLatin1String("[img cc_up.png]")), qPrintable(screen.text()));
    QCOMPARE(screen.list->listView()->bottomPadding(), 0.0f);
}

void tst_SingleSearchList::noResults_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("empty");

    QTest::newRow("a search that finds nothing says so") << "zzz" << true;
    QTest::newRow("a search with results does not") << "cafe" << false;
}

void tst_SingleSearchList::noResults()
{
    QFETCH(QString, text);
    QFETCH(bool, empty);

    Screen screen;
    QVERIFY(!screen.text().contains(QLatin1String("No Results Found")));
    QVERIFY(screen.load(text));
    QCOMPARE(screen.text().contains(QLatin1String("Label \"NoResultsLabel\": No Results Found")), empty);
    screen.list->hideNoResultsLabel();
    QVERIFY(!screen.text().contains(QLatin1String("No Results Found")));
}

void tst_SingleSearchList::noResultsFollowsTheLanguage()
{
    Screen screen;
    QVERIFY(screen.load(QStringLiteral("zzz")));
    QVERIFY2(screen.text().contains(QLatin1String("No Results Found")), qPrintable(screen.text()));
    hx::system::LocaleHandler::setLanguage(QStringLiteral("fr"));
    QTRY_VERIFY2(screen.text().contains(QStringLiteral("Aucun résultat trouvé")), qPrintable(screen.text()));
}

QTEST_MAIN(tst_SingleSearchList)
#include "tst_singlesearchlist.moc"
