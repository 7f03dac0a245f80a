#include <QtTest/QtTest>

#include <hx/platform/places/placemanager.h>
#include <hx/platform/places/searchhandle.h>
#include <hx/system/carddonemessage.h>
#include <hx/system/invokedcard.h>
#include <hx/system/invokemanager.h>
#include <hx/system/localehandler.h>
#include <hx/system/systemui.h>
#include <hx/trellan/dropdown.h>
#include <hx/trellan/navigationpane.h>
#include <hx/trellan/orientationsupport.h>
#include <hx/trellan/page.h>
#include <hx/trellan/places/placemanagerui.h>
#include <hx/trellan/places/placesdatamodel.h>
#include <hx/trellan/places/singlesearchlist.h>
#include <hx/trellan/places/singlesearchprivate.h>
#include <hx/trellan/screentext.h>
#include <hx/trellan/testdriver.h>
#include <hx/trellan/textfield.h>

#include "gazetteerfixture.h"
#include "poolblocker.h"
#include "serviceprocess.h"
#include "signalwaiter.h"
#include "storefixture.h"
#include "testroots.h"

#include <memory>

using namespace hx::trellan::places;
using namespace hx::test;
using hx::platform::places::Error;
using hx::platform::places::Place;
using hx::system::SystemUi;
using hx::trellan::ScreenText;
using hx::trellan::TestDriver;

namespace {

const QString PREVIEWER = QStringLiteral("sys.places.placepreviewer");

// The picker card's page with the single search screen on it, as a user meets it.
struct SearchScreen
{
    hx::trellan::NavigationPane pane;
    SingleSearchPrivate *search;

    explicit SearchScreen(SingleSearchPrivate::InitialViewType view = SingleSearchPrivate::All)
        : search(new SingleSearchPrivate(true, SingleSearchPrivate::Picker, view))
    {
        auto *page = new hx::trellan::Page;
        page->setObjectName(QStringLiteral("SearchPage"));
        search->setParent(page);
        page->setContent(search);
        search->addTitleBarAndActions(page);
        pane.push(page);
        search->initialView();
    }

    QString text() { return ScreenText::render(&pane); }

    bool type(const QString &text)
    {
        for (const QChar character : text) {
            if (!TestDriver::typeText(&pane, QStringLiteral("SearchField"), QString(character)))
                return false;
        }
        return true;
    }

    bool shows(const QString &line, int timeoutMs = 5000)
    {
        return SignalWaiter::waitFor([&] { return text().contains(line); }, timeoutMs);
    }

    // The index of the list row whose line holds needle, -1 when none does.
    int rowOf(const QString &needle)
    {
        for (const QString &line : text().split(QLatin1Char('\n'))) {
            const QString trimmed = line.trimmed();
            if (trimmed.startsWith(QLatin1Char('[')) && trimmed.contains(needle))
                return trimmed.mid(1, trimmed.indexOf(QLatin1Char(']')) - 1).toInt();
        }
        return -1;
    }

    bool tapRowPart(const QString &needle, const QString &part)
    {
        const int row = rowOf(needle);
        return row >= 0 && TestDriver::tapRowPart(&pane, QStringLiteral("SearchList"), { row }, part);
    }
};

int recentsNamed(const QString &name)
{
    Error::Type error = Error::None;
    hx::platform::places::SearchHandle handle;
    const QList<hx::platform::places::PlaceHeader *> recents
        = PlaceManagerUI::findRecentlyPickedPlaces(error, handle, 0, 100, false);
    int count = 0;
    for (hx::platform::places::PlaceHeader *header : recents)
        count += header->name() == name ? 1 : 0;
    qDeleteAll(recents);
    return count;
}

bool dialogVisible(const QString &title)
{
    for (const hx::system::SystemUiRecord &record : SystemUi::visible()) {
        if (record.title == title)
            return true;
    }
    return false;
}

int toastsShown()
{
    int count = 0;
    for (const hx::system::SystemUiRecord &record : SystemUi::history())
        count += record.body.startsWith(QLatin1String("Some search results are unavailable")) ? 1 : 0;
    return count;
}

} // namespace

class tst_SingleSearchPrivate : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void withoutRecentsTheScreenInvitesToType_data();
    void withoutRecentsTheScreenInvitesToType();
    void typingShowsOnlyTheLastKeystroke();
    void theFilterSwitchesTheListAndTheHint_data();
    void theFilterSwitchesTheListAndTheHint();
    void aFooterOpensTheCategoryAndCollapsesBack();
    void aKeystrokeRightAfterAFooterTapWins();
    void submitListsTheRemoteResultsInOneList_data();
    void submitListsTheRemoteResultsInOneList();
    void aPickIsSavedAsOneRecentPlace();
    void aSuggestionIsResolvedWithoutSpinner_data();
    void aSuggestionIsResolvedWithoutSpinner();
    void anAddressOnlyContactIsGeocoded();
    void cancellingTheSlowResolutionDropsItsLateResult();
    void thePreviewerAnswerRefreshesOrSelects_data();
    void thePreviewerAnswerRefreshesOrSelects();
    void theUnknownLocationToastIsShownOnce();
    void myLocationPicksTheCurrentPosition();
    void theScreenFollowsTheLanguage();

private:
    std::unique_ptr<TestRoots> m_roots;
    std::unique_ptr<ServiceProcess> m_locationd;
    std::unique_ptr<ServiceProcess> m_revgeocoded;
    Place m_market;
};

void tst_SingleSearchPrivate::init()
{
    m_roots.reset(new TestRoots);
    QVERIFY(m_roots->isValid());
    QList<hx::platform::places::GazetteerEntry> places;
    for (int i = 0; i < 12; ++i)
        places.append(GazetteerFixture::poi(QStringLiteral("Cafe %1").arg(i), 43.5 + i * 1e-3, -80.5,
                                            QStringLiteral("restaurant"), 100 - i));
    places.append(GazetteerFixture::poi(QStringLiteral("Cinema Lux"), 43.52, -80.51));
    // A town: the merged list offers towns as suggestions, resolved when tapped.
    auto town = GazetteerFixture::entry(hx::platform::places::GazetteerEntry::Locality, QStringLiteral("Kiosk Unique"),
                                        43.6, -80.5);
    town.otherNames = QStringList { QStringLiteral("Киоск") };
    places.append(town);
    auto street = GazetteerFixture::entry(hx::platform::places::GazetteerEntry::Address, QStringLiteral("7 Erb Street"),
                                          43.4643, -80.5204);
    street.street = QStringLiteral("7 Erb Street");
    street.city = QStringLiteral("Waterloo");
    street.country = QStringLiteral("Canada");
    places.append(street);
    QVERIFY(GazetteerFixture::write(m_roots->gazetteerPath(), places));
    m_market = StoreFixture::addRecent(QStringLiteral("Kitchener Market"), 43.4501, -80.4890);
    StoreFixture::addFavorite(QStringLiteral("Fav Bakery"), 43.47, -80.52);
    StoreFixture::addContact(QStringLiteral("Ann"), QStringLiteral("Erbson"), QStringLiteral("7 Erb Street"),
                             QStringLiteral("Waterloo"));
    m_locationd.reset(new ServiceProcess(QStringLiteral("hx-locationd")));
    QVERIFY2(m_locationd->start({ QStringLiteral("--root"), m_roots->ppsRoot(), QStringLiteral("--silent") }),
             qPrintable(m_locationd->errorOutput()));
    m_revgeocoded.reset(new ServiceProcess(QStringLiteral("hx-revgeocoded")));
    QVERIFY2(m_revgeocoded->start({ QStringLiteral("--root"), m_roots->messageRoot(), QStringLiteral("--gazetteer"),
                                    m_roots->gazetteerPath() }),
             qPrintable(m_revgeocoded->errorOutput()));
    SystemUi::clearHistory();
}

void tst_SingleSearchPrivate::cleanup()
{
    hx::system::LocaleHandler::setLanguage(QStringLiteral("en"));
    hx::trellan::OrientationSupport::instance()->rotateTo(0);
    hx::system::InvokeManager::unbindTarget(PREVIEWER);
    QThreadPool::globalInstance()->waitForDone();
    m_revgeocoded.reset();
    m_locationd.reset();
    m_roots.reset();
}

void tst_SingleSearchPrivate::withoutRecentsTheScreenInvitesToType_data()
{
    QTest::addColumn<QString>("step");
    QTest::addColumn<bool>("invites");

    QTest::newRow("typing lists places instead") << "type" << false;
    QTest::newRow("a filter with places lists them instead") << "favorites" << false;
    QTest::newRow("turned to landscape there is no room") << "landscape" << false;
    QTest::newRow("turned back to portrait it invites again") << "portrait" << true;
}

void tst_SingleSearchPrivate::withoutRecentsTheScreenInvitesToType()
{
    QFETCH(QString, step);
    QFETCH(bool, invites);

    const QString invitation = QStringLiteral("Enter search term or address for suggestions.");
    QCOMPARE(PlaceManagerUI::removePlace(m_market.id(), false), Error::None);
    SearchScreen screen;
    QVERIFY2(screen.shows(invitation), qPrintable(screen.text()));
    if (step == QLatin1String("type")) {
        QVERIFY(screen.type(QStringLiteral("k")));
        QVERIFY2(screen.shows(QStringLiteral("| Kiosk Unique |")), qPrintable(screen.text()));
    } else if (step == QLatin1String("favorites")) {
        QVERIFY(TestDriver::chooseOption(&screen.pane, QStringLiteral("FilterDropDown"), 2));
        QVERIFY2(screen.shows(QStringLiteral("Fav Bakery")), qPrintable(screen.text()));
    } else {
        hx::trellan::OrientationSupport::instance()->rotateTo(1);
        if (step == QLatin1String("portrait"))
            hx::trellan::OrientationSupport::instance()->rotateTo(0);
    }
    QCOMPARE(screen.text().contains(invitation), invites);
}

void tst_SingleSearchPrivate::typingShowsOnlyTheLastKeystroke()
{
    SearchScreen screen;
    QVERIFY2(screen.shows(QStringLiteral("| Kitchener Market |")), qPrintable(screen.text()));
    QVERIFY2(screen.type(QStringLiteral("caf")), qPrintable(TestDriver::lastError()));
    QVERIFY2(screen.shows(QStringLiteral("| Cafe 0 |")), qPrintable(screen.text()));
    // "c" also matched the cinema and the market; nothing of those earlier keystrokes remains.
    QVERIFY2(!screen.text().contains(QLatin1String("Cinema Lux")), qPrintable(screen.text()));
    QVERIFY2(!screen.text().contains(QLatin1String("Kitchener Market")), qPrintable(screen.text()));
}

void tst_SingleSearchPrivate::theFilterSwitchesTheListAndTheHint_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("hidden");
    QTest::addColumn<QString>("hint");

    QTest::newRow("recents") << 1 << "Kitchener Market"
                             << "Fav Bakery"
                             << "Search Recents";
    QTest::newRow("favorites") << 2 << "Fav Bakery"
                               << "Kitchener Market"
                               << "Search Favorites";
    QTest::newRow("contacts") << 3 << "Ann Erbson"
                              << "Kitchener Market"
                              << "Search Contacts";
}

void tst_SingleSearchPrivate::theFilterSwitchesTheListAndTheHint()
{
    QFETCH(int, index);
    QFETCH(QString, shown);
    QFETCH(QString, hidden);
    QFETCH(QString, hint);

    SearchScreen screen;
    QVERIFY2(screen.text().contains(QLatin1String("Type to enter search term or address")), qPrintable(screen.text()));
    QVERIFY2(TestDriver::chooseOption(&screen.pane, QStringLiteral("FilterDropDown"), index),
             qPrintable(TestDriver::lastError()));
    QVERIFY2(screen.shows(shown), qPrintable(screen.text()));
    QVERIFY2(!screen.text().contains(hidden), qPrintable(screen.text()));
    QCOMPARE(screen.search->searchField()->hintText(), hint);
}

void tst_SingleSearchPrivate::aFooterOpensTheCategoryAndCollapsesBack()
{
    SearchScreen screen;
    QVERIFY(screen.type(QStringLiteral("cafe")));
    QVERIFY2(screen.shows(QStringLiteral("FOOTER_MORE_NONE")), qPrintable(screen.text()));
    QVERIFY2(screen.tapRowPart(QStringLiteral("FOOTER_MORE_NONE"), QStringLiteral("Footer")),
             qPrintable(TestDriver::lastError()));
    QVERIFY2(screen.shows(QStringLiteral("| Cafe 11 |")), qPrintable(screen.text()));
    QVERIFY(screen.search->resultList()->isFooterVisible());
    QVERIFY2(TestDriver::tap(&screen.pane, QStringLiteral("CollapseFooter")), qPrintable(TestDriver::lastError()));
    QVERIFY2(screen.shows(QStringLiteral("FOOTER_MORE_NONE")), qPrintable(screen.text()));
    QVERIFY(!screen.search->resultList()->isFooterVisible());
}

void tst_SingleSearchPrivate::aKeystrokeRightAfterAFooterTapWins()
{
    SearchScreen screen;
    QVERIFY(screen.type(QStringLiteral("cafe")));
    QVERIFY2(screen.shows(QStringLiteral("FOOTER_MORE_NONE")), qPrintable(screen.text()));
    // A quick finger: the next key lands before the tap has been handled.
    QVERIFY2(screen.tapRowPart(QStringLiteral("FOOTER_MORE_NONE"), QStringLiteral("Footer")),
             qPrintable(TestDriver::lastError()));
    QVERIFY(screen.type(QStringLiteral(" 1")));
    PlacesDataModel *merged = screen.search->currentModel();
    QSignalSpy loaded(merged, &PlacesDataModel::modelLoadedFinal);
    QVERIFY(SignalWaiter::wait(loaded));
    // The merged list of "cafe 1" stays, not a section of the list the finger left.
    QCOMPARE(screen.search->currentModel(), merged);
    QVERIFY2(!screen.search->resultList()->isFooterVisible(), qPrintable(screen.text()));
}

void tst_SingleSearchPrivate::submitListsTheRemoteResultsInOneList_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("hidden");

    QTest::newRow("a term lists every remote result, no section footers") << "cafe"
                                                                          << "| Cafe 11 |"
                                                                          << "FOOTER_MORE";
    QTest::newRow("an empty field lists the recents") << ""
                                                      << "| Kitchener Market |"
                                                      << "Cafe";
}

void tst_SingleSearchPrivate::submitListsTheRemoteResultsInOneList()
{
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QFETCH(QString, hidden);

    SearchScreen screen;
    QVERIFY(screen.type(typed));
    QVERIFY(TestDriver::submit(&screen.pane, QStringLiteral("SearchField")));
    QVERIFY2(screen.shows(shown), qPrintable(screen.text()));
    QVERIFY2(!screen.text().contains(hidden), qPrintable(screen.text()));
    QCOMPARE(screen.search->filterDropDown()->selectedIndex(), 0);
}

void tst_SingleSearchPrivate::aPickIsSavedAsOneRecentPlace()
{
    for (int pick = 0; pick < 2; ++pick) {
        SearchScreen screen;
        QSignalSpy selected(screen.search, &SingleSearchPrivate::placeSelected);
        QVERIFY(screen.type(QStringLiteral("cinema")));
        QVERIFY2(screen.shows(QStringLiteral("| Cinema Lux |")), qPrintable(screen.text()));
        QVERIFY2(screen.tapRowPart(QStringLiteral("| Cinema Lux |"), QStringLiteral("ItemTitle")),
                 qPrintable(TestDriver::lastError()));
        QVERIFY(SignalWaiter::wait(selected));
        QCOMPARE(screen.search->getSelectedPlace()->name(), QStringLiteral("Cinema Lux"));
        QCOMPARE(recentsNamed(QStringLiteral("Cinema Lux")), 1);
    }
}

void tst_SingleSearchPrivate::aSuggestionIsResolvedWithoutSpinner_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("row");

    QTest::newRow("by its own name") << "kiosk u"
                                     << "| Kiosk Unique |";
    QTest::newRow("by another name, shown beside its own") << "киос"
                                                           << "| Kiosk Unique (Киоск) |";
}

void tst_SingleSearchPrivate::aSuggestionIsResolvedWithoutSpinner()
{
    QFETCH(QString, typed);
    QFETCH(QString, row);

    SearchScreen screen;
    QSignalSpy selected(screen.search, &SingleSearchPrivate::placeSelected);
    QVERIFY(screen.type(typed));
    QVERIFY2(screen.shows(QStringLiteral("TYPE_SUGGESTION")), qPrintable(screen.text()));
    QVERIFY2(screen.shows(row), qPrintable(screen.text()));
    QVERIFY2(screen.tapRowPart(QStringLiteral("TYPE_SUGGESTION"), QStringLiteral("ItemTitle")),
             qPrintable(TestDriver::lastError()));
    QVERIFY(SignalWaiter::wait(selected));
    QCOMPARE(screen.search->getSelectedPlace()->name(), QStringLiteral("Kiosk Unique"));
    QVERIFY(!screen.search->getSelectedPlace()->hasTag(QStringLiteral("internal:suggestion")));
    QVERIFY(SystemUi::findByObjectName(QStringLiteral("SuggestionSpinner")).isNull());
    for (const hx::system::SystemUiRecord &record : SystemUi::history())
        QVERIFY2(record.title != QLatin1String("Retrieving details"), "a fast resolution showed the spinner");
    QCOMPARE(recentsNamed(QStringLiteral("Kiosk Unique")), 1);
}

void tst_SingleSearchPrivate::anAddressOnlyContactIsGeocoded()
{
    SearchScreen screen;
    QSignalSpy selected(screen.search, &SingleSearchPrivate::placeSelected);
    QVERIFY(TestDriver::chooseOption(&screen.pane, QStringLiteral("FilterDropDown"), 3));
    QVERIFY2(screen.shows(QStringLiteral("Ann Erbson")), qPrintable(screen.text()));
    QVERIFY2(screen.tapRowPart(QStringLiteral("Ann Erbson"), QStringLiteral("ItemTitle")),
             qPrintable(TestDriver::lastError()));
    QVERIFY(SignalWaiter::wait(selected, 1, 10000));
    const QSharedPointer<Place> picked = screen.search->getSelectedPlace();
    QVERIFY(picked->primaryCoordinates().isValid());
    QVERIFY(qAbs(picked->primaryCoordinates().latitude() - 43.4643) < 1e-3);
    QCOMPARE(recentsNamed(picked->name()), 1);
}

void tst_SingleSearchPrivate::cancellingTheSlowResolutionDropsItsLateResult()
{
    SearchScreen screen;
    QSignalSpy selected(screen.search, &SingleSearchPrivate::placeSelected);
    QVERIFY(screen.type(QStringLiteral("kiosk u")));
    QVERIFY2(screen.shows(QStringLiteral("TYPE_SUGGESTION")), qPrintable(screen.text()));
    PoolBlocker blocker;
    QVERIFY(screen.tapRowPart(QStringLiteral("TYPE_SUGGESTION"), QStringLiteral("ItemTitle")));
    QTRY_COMPARE_WITH_TIMEOUT(SystemUi::top().title, QStringLiteral("Retrieving details"), 5000);
    QVERIFY(SystemUi::pressButton(QStringLiteral("Cancel")));
    blocker.release();
    QThreadPool::globalInstance()->waitForDone();
    QCoreApplication::processEvents();
    QVERIFY(!selected.wait(300));
    QVERIFY(screen.search->getSelectedPlace().isNull());
    QVERIFY(!dialogVisible(QStringLiteral("Retrieving details")));
    QVERIFY(!dialogVisible(QStringLiteral("Place not found")));
    QCOMPARE(recentsNamed(QStringLiteral("Kiosk Unique")), 0);
}

void tst_SingleSearchPrivate::thePreviewerAnswerRefreshesOrSelects_data()
{
    QTest::addColumn<QString>("status");
    QTest::addColumn<bool>("renamed");
    QTest::addColumn<int>("picks");

    QTest::newRow("modified refreshes the row") << "MODIFIED" << true << 0;
    QTest::newRow("selected picks the row") << "SELECTED" << false << 1;
    QTest::newRow("selected and modified refreshes, then picks") << "SELECTEDMODIFIED" << true << 1;
    QTest::newRow("existed changes nothing") << "EXISTED" << false << 0;
}

void tst_SingleSearchPrivate::thePreviewerAnswerRefreshesOrSelects()
{
    QFETCH(QString, status);
    QFETCH(bool, renamed);
    QFETCH(int, picks);

    QList<hx::system::InvokedCard> cards;
    hx::system::InvokeManager::bindTarget(PREVIEWER,
                                          [&cards](const hx::system::InvokedCard &card) { cards.append(card); });
    SearchScreen screen;
    QSignalSpy selected(screen.search, &SingleSearchPrivate::placeSelected);
    QVERIFY2(screen.shows(QStringLiteral("| Kitchener Market |")), qPrintable(screen.text()));
    QVERIFY2(screen.tapRowPart(QStringLiteral("| Kitchener Market |"), QStringLiteral("MoreInfoCircle")),
             qPrintable(TestDriver::lastError()));
    QVERIFY(SignalWaiter::waitFor([&] { return !cards.isEmpty(); }));
    // What the user did in the card: the place was renamed there.
    Place market = m_market;
    market.setName(QStringLiteral("Kitchener Farmers Market"));
    QCOMPARE(PlaceManagerUI::updatePlace(market, false), Error::None);
    QVERIFY(cards.first().done(
        hx::system::CardDoneMessage(QStringLiteral("done"), QStringLiteral("%1:%2").arg(m_market.id()).arg(status))));
    if (picks > 0)
        QVERIFY(SignalWaiter::wait(selected));
    else
        QVERIFY(!selected.wait(300));
    QCOMPARE(selected.count(), picks);
    if (renamed)
        QVERIFY2(screen.shows(QStringLiteral("| Kitchener Farmers Market |")), qPrintable(screen.text()));
    else
        QVERIFY2(screen.text().contains(QLatin1String("| Kitchener Market |")), qPrintable(screen.text()));
}

void tst_SingleSearchPrivate::theUnknownLocationToastIsShownOnce()
{
    SearchScreen screen;
    QVERIFY(screen.type(QStringLiteral("ca")));
    QVERIFY(screen.shows(QStringLiteral("| Cafe 0 |")));
    QVERIFY(screen.type(QStringLiteral("f")));
    QCOMPARE(toastsShown(), 1);
    // The search ran all the same.
    QVERIFY2(screen.shows(QStringLiteral("| Cafe 0 |")), qPrintable(screen.text()));
}

void tst_SingleSearchPrivate::myLocationPicksTheCurrentPosition()
{
    QVERIFY(m_locationd->terminate());
    m_locationd.reset(new ServiceProcess(QStringLiteral("hx-locationd")));
    QVERIFY(m_locationd->start({ QStringLiteral("--root"), m_roots->ppsRoot(), QStringLiteral("--position"),
                                 QStringLiteral("43.4643,-80.5204") }));
    SearchScreen screen;
    QSignalSpy selected(screen.search, &SingleSearchPrivate::placeSelected);
    QVERIFY2(TestDriver::triggerAction(&screen.pane, QStringLiteral("PickMyLocationAction")),
             qPrintable(TestDriver::lastError()));
    QTRY_VERIFY_WITH_TIMEOUT(SystemUi::top().body.contains(QLatin1String("Erb Street")), 10000);
    QVERIFY(SystemUi::pressButton(QStringLiteral("Accept")));
    QVERIFY(SignalWaiter::wait(selected, 1, 10000));
    const QSharedPointer<Place> picked = screen.search->getSelectedPlace();
    QVERIFY(qAbs(picked->primaryCoordinates().latitude() - 43.4643) < 1e-3);
    QCOMPARE(recentsNamed(picked->name()), 1);
}

void tst_SingleSearchPrivate::theScreenFollowsTheLanguage()
{
    SearchScreen screen;
    QVERIFY2(TestDriver::chooseOption(&screen.pane, QStringLiteral("FilterDropDown"), 2),
             qPrintable(TestDriver::lastError()));
    QVERIFY(screen.shows(QStringLiteral("Fav Bakery")));
    hx::system::LocaleHandler::setLanguage(QStringLiteral("fr"));
    QTRY_COMPARE(screen.search->searchField()->hintText(), QStringLiteral("Rechercher dans les favoris"));
    QVERIFY2(screen.text().contains(QLatin1String("Favoris")), qPrintable(screen.text()));
}

QTEST_MAIN(tst_SingleSearchPrivate)
#include "tst_singlesearchprivate.moc"
