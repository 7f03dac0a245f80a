#include <QtTest/QtTest>

#include <hx/platform/places/internalplacemanager.h>
#include <hx/platform/places/placemanager.h>
#include <hx/platform/places/searchhandle.h>
#include <hx/platform/places/tags.h>
#include <hx/system/localehandler.h>
#include <hx/system/systemui.h>
#include <hx/trellan/actionitem.h>
#include <hx/trellan/dropdown.h>
#include <hx/trellan/navigationpane.h>
#include <hx/trellan/places/currentcoordinate.h>
#include <hx/trellan/places/getgeolocation.h>
#include <hx/trellan/places/homeworkcache.h>
#include <hx/trellan/places/newselector.h>
#include <hx/trellan/places/newselectorcontrol.h>
#include <hx/trellan/places/newselectorfilter.h>
#include <hx/trellan/places/newselectorpage.h>
#include <hx/trellan/places/newselectorpagetitle.h>
#include <hx/trellan/places/newselectorsearchbar.h>
#include <hx/trellan/places/pickerpreview.h>
#include <hx/trellan/places/placemanagerui.h>
#include <hx/trellan/places/placeutils.h>
#include <hx/trellan/places/placeviewpage.h>
#include <hx/trellan/places/singlesearchlist.h>
#include <hx/trellan/screentext.h>
#include <hx/trellan/testdriver.h>
#include <hx/trellan/textfield.h>

#include "dialogpresser.h"
#include "gazetteerfixture.h"
#include "poolblocker.h"
#include "ppsstatusfile.h"
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

const QString NETWORK = QStringLiteral("/pps/services/networking/status_public");
const QString LOCATION = QStringLiteral("/pps/services/geolocation/status");

QByteArray networkStatus(bool up)
{
    return up ? QByteArray("@status_public\nip_ok::yes\n") : QByteArray("@status_public\nip_ok::no\n");
}

QByteArray locationStatus(bool on)
{
    return QByteArray("@status\nstatus:json:{\"location_manager_location_on\":") + (on ? "true" : "false") + "}\n";
}

// The sheet as My Places opens it, driven only through what is on screen.
struct Selector
{
    QPointer<NewSelector> sheet;

    explicit Selector(PlaceViewPage::PlaceType type) : sheet(new NewSelector(type)) { }
    ~Selector() { delete sheet.data(); }

    QString text() const { return sheet ? ScreenText::render(sheet.data()) : QStringLiteral("(sheet closed)"); }
    NewSelectorControl *control() const { return sheet->firstPage()->control(); }
    hx::trellan::Page *top() const { return sheet->pane()->top(); }

    bool type(const QString &text)
    {
        for (const QChar character : text) {
            if (!TestDriver::typeText(sheet.data(), QStringLiteral("SearchField"), QString(character)))
                return false;
        }
        return true;
    }

    bool shows(const QString &line, int timeoutMs = 5000) const
    {
        return SignalWaiter::waitFor([&] { return text().contains(line); }, timeoutMs);
    }

    // The list row whose line holds needle, -1 when none does.
    int rowOf(const QString &needle) const
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
        return row >= 0 && TestDriver::tapRowPart(sheet.data(), QStringLiteral("SearchList"), { row }, part);
    }
};

int shownCount(const QString &text)
{
    int count = 0;
    for (const hx::system::SystemUiRecord &record : SystemUi::history())
        count += record.body == text || record.title == text ? 1 : 0;
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

const QString MISSING_RESULTS = QStringLiteral("Some search results are unavailable because your location is unknown.");

std::unique_ptr<Place> storedPlace(qint64 id)
{
    Error::Type error = Error::None;
    return std::unique_ptr<Place>(PlaceManagerUI::getPlace(id, error, false));
}

} // namespace

class tst_NewSelector : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void theSheetOpensOnTheRecents_data();
    void theSheetOpensOnTheRecents();
    void addingHomeFromAContact();
    void aContactReplacesTheStoredHomeInOneStep_data();
    void aContactReplacesTheStoredHomeInOneStep();
    void addingWorkFromAnAddress_data();
    void addingWorkFromAnAddress();
    void myLocationOpensANewEntryWithItsAddress();
    void previewingAResultAndComingBack_data();
    void previewingAResultAndComingBack();
    void aFooterOpensTheWholeSectionAndCollapsesBack();
    void theFilterSwitchesTheListAndTheHint_data();
    void theFilterSwitchesTheListAndTheHint();
    void theFilterKeepsToItsThreeChoices_data();
    void theFilterKeepsToItsThreeChoices();
    void submittingOnRecentsSearchesRemotelyUnderAll();
    void theMissingResultsToastIsShownOncePerSelector();
    void decliningDataServicesClosesTheSheet();
    void aSlowSuggestionShowsTheSpinnerAndCancellingDropsIt();
    void theSheetFollowsTheLanguage();

private:
    void restartLocationAt(const QString &position);

    std::unique_ptr<TestRoots> m_roots;
    std::unique_ptr<ServiceProcess> m_locationd;
    std::unique_ptr<ServiceProcess> m_revgeocoded;
};

void tst_NewSelector::init()
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
    street.country = QStringLiteral("Canada");
    places.append(street);
    QVERIFY(GazetteerFixture::write(m_roots->gazetteerPath(), places));
    StoreFixture::addRecent(QStringLiteral("Kitchener Market"), 43.4501, -80.4890);
    StoreFixture::addContact(QStringLiteral("Ann"), QStringLiteral("Erbson"), QStringLiteral("7 Erb Street"),
                             QStringLiteral("Waterloo"));
    QVERIFY(PpsStatusFile::write(NETWORK, networkStatus(true)));
    QVERIFY(PpsStatusFile::write(LOCATION, locationStatus(true)));
    m_locationd.reset(new ServiceProcess(QStringLiteral("hx-locationd")));
    QVERIFY2(m_locationd->start({ QStringLiteral("--root"), m_roots->ppsRoot(), QStringLiteral("--silent") }),
             qPrintable(m_locationd->errorOutput()));
    m_revgeocoded.reset(new ServiceProcess(QStringLiteral("hx-revgeocoded")));
    QVERIFY2(m_revgeocoded->start({ QStringLiteral("--root"), m_roots->messageRoot(), QStringLiteral("--gazetteer"),
                                    m_roots->gazetteerPath() }),
             qPrintable(m_revgeocoded->errorOutput()));
    HomeWorkCache::setDirty(HomeWorkCache::All);
    // The position is process-wide: a fix of an earlier case must not count as known here.
    QVERIFY(SignalWaiter::waitFor([] { return !GetGeolocation::isRunning(PlaceUtils::genericRequest); }, 10000));
    GetGeolocation::getCoordinate(PlaceUtils::genericRequest)->reset();
    SystemUi::clearHistory();
}

void tst_NewSelector::cleanup()
{
    hx::system::LocaleHandler::setLanguage(QStringLiteral("en"));
    hx::platform::places::InternalPlaceManager::setFavoritesLimit(500);
    QThreadPool::globalInstance()->waitForDone();
    m_revgeocoded.reset();
    m_locationd.reset();
    m_roots.reset();
}

void tst_NewSelector::restartLocationAt(const QString &position)
{
    QVERIFY(m_locationd->terminate());
    m_locationd.reset(new ServiceProcess(QStringLiteral("hx-locationd")));
    QVERIFY(
        m_locationd->start({ QStringLiteral("--root"), m_roots->ppsRoot(), QStringLiteral("--position"), position }));
}

void tst_NewSelector::theSheetOpensOnTheRecents_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("title");

    QTest::newRow("a new favourite") << 0 << "Add Favorite";
    QTest::newRow("home") << int(PlaceViewPage::Home) << "Add Home";
    QTest::newRow("work") << int(PlaceViewPage::Work) << "Add Work";
}

void tst_NewSelector::theSheetOpensOnTheRecents()
{
    QFETCH(int, type);
    QFETCH(QString, title);

    Selector selector { PlaceViewPage::PlaceType(type) };
    QVERIFY(selector.sheet->isOpened());
    QVERIFY2(selector.shows(QStringLiteral("| Kitchener Market |")), qPrintable(selector.text()));
    const QString text = selector.text();
    QVERIFY2(text.contains(title), qPrintable(text));
    QVERIFY2(text.contains(QLatin1String("Type to enter search term or address")), qPrintable(text));
    QVERIFY2(text.contains(QLatin1String("New Entry")) && text.contains(QLatin1String("My Location")),
             qPrintable(text));
    QCOMPARE(selector.control()->filter()->getFilter(), int(NewSelectorFilter::All));
    QCOMPARE(SystemUi::visibleCount(), 0);
    // The page's own title bar carries those texts, not some other bar on the sheet.
    const NewSelectorPageTitle *bar = selector.sheet->firstPage()->pageTitle();
    QCOMPARE(bar->title(), title);
    QCOMPARE(bar->newEntryAction()->title(), QStringLiteral("New Entry"));
    QCOMPARE(bar->cancelAction()->title(), QStringLiteral("Cancel"));
}

void tst_NewSelector::addingHomeFromAContact()
{
    Selector selector { PlaceViewPage::Home };
    QSignalSpy updated(selector.sheet.data(), &NewSelector::placeUpdated);
    QVERIFY(
        TestDriver::chooseOption(selector.sheet.data(), QStringLiteral("FilterDropDown"), NewSelectorFilter::Contacts));
    QVERIFY2(selector.shows(QStringLiteral("Ann Erbson")), qPrintable(selector.text()));
    QVERIFY2(selector.tapRowPart(QStringLiteral("Ann Erbson"), QStringLiteral("ItemTitle")),
             qPrintable(TestDriver::lastError()));
    QTRY_VERIFY_WITH_TIMEOUT(qobject_cast<PlaceViewPage *>(selector.top()), 10000);
    QVERIFY(updated.count() >= 1);

    // The contact's place became the home: named so, tagged, kept as a favourite.
    const auto home = HomeWorkCache::myHome();
    QVERIFY(home);
    const std::unique_ptr<Place> stored = storedPlace(home->id());
    QVERIFY(stored);
    QCOMPARE(stored->name(), QStringLiteral("Home"));
    QVERIFY(stored->hasTag(QLatin1String(hx::platform::places::Tags::MyHome)));
    QVERIFY(stored->hasTag(QLatin1String(hx::platform::places::Tags::Favorite)));
    QVERIFY(stored->primaryCoordinates().isValid());

    // Shown as a card to look at, not to fill in, with the toast and a way back.
    QTRY_COMPARE(shownCount(QStringLiteral("Added to Favorites!")), 1);
    const QString card = selector.text();
    QVERIFY2(card.contains(QLatin1String("Home")), qPrintable(card));
    QVERIFY2(!card.contains(QLatin1String("Save")), qPrintable(card));
    QVERIFY2(card.contains(QLatin1String("Delete Home")), qPrintable(card));
    QVERIFY2(TestDriver::pressBack(selector.sheet.data()),
             qPrintable(TestDriver::lastError() + QLatin1Char('\n') + card));
    QTRY_VERIFY(selector.sheet.isNull());
}

void tst_NewSelector::aContactReplacesTheStoredHomeInOneStep_data()
{
    QTest::addColumn<int>("favoritesLimit");
    QTest::addColumn<bool>("replaced");

    QTest::newRow("room for the new home: the old one goes") << 500 << true;
    QTest::newRow("favourites full: the failed save keeps the old home") << 1 << false;
}

void tst_NewSelector::aContactReplacesTheStoredHomeInOneStep()
{
    QFETCH(int, favoritesLimit);
    QFETCH(bool, replaced);

    // A home that is not a favourite frees no room when it goes.
    const Place oldHome = StoreFixture::addHome(QStringLiteral("Home"), 43.45, -80.49);
    StoreFixture::addFavorite(QStringLiteral("Cafe"), 43.46, -80.5);
    hx::platform::places::InternalPlaceManager::setFavoritesLimit(favoritesLimit);
    HomeWorkCache::setDirty(HomeWorkCache::All);

    Selector selector { PlaceViewPage::Home };
    QVERIFY(
        TestDriver::chooseOption(selector.sheet.data(), QStringLiteral("FilterDropDown"), NewSelectorFilter::Contacts));
    QVERIFY2(selector.shows(QStringLiteral("Ann Erbson")), qPrintable(selector.text()));
    QVERIFY2(selector.tapRowPart(QStringLiteral("Ann Erbson"), QStringLiteral("ItemTitle")),
             qPrintable(TestDriver::lastError()));
    if (replaced)
        QTRY_VERIFY_WITH_TIMEOUT(qobject_cast<PlaceViewPage *>(selector.top()), 10000);
    else
        QTRY_COMPARE_WITH_TIMEOUT(shownCount(QStringLiteral("Maximum Limit Reached")), 1, 10000);

    QCOMPARE(bool(storedPlace(oldHome.id())), !replaced);
    HomeWorkCache::setDirty(HomeWorkCache::All);
    const auto home = HomeWorkCache::myHome();
    QVERIFY(home);
    QCOMPARE(home->id() == oldHome.id(), !replaced);
    Error::Type error = Error::None;
    hx::platform::places::SearchHandle handle;
    const QList<hx::platform::places::PlaceHeader *> homes = PlaceManagerUI::findPlacesByTags(
        { QLatin1String(hx::platform::places::Tags::MyHome) }, error, handle, {}, 0, 10, false);
    QCOMPARE(homes.size(), 1);
    qDeleteAll(homes);
    if (!replaced) {
        QCOMPARE(selector.sheet->pane()->count(), 1);
        QVERIFY(SystemUi::pressButton(hx::system::SystemUiResult::ConfirmButtonSelection));
    }
}

void tst_NewSelector::addingWorkFromAnAddress_data()
{
    QTest::addColumn<bool>("newEntry");
    QTest::addColumn<bool>("workStored");

    QTest::newRow("picked from the search list") << false << false;
    QTest::newRow("typed into a new entry and geocoded on saving") << true << false;
    QTest::newRow("a new entry replacing the stored work") << true << true;
}

void tst_NewSelector::addingWorkFromAnAddress()
{
    QFETCH(bool, newEntry);
    QFETCH(bool, workStored);

    const Place oldWork = workStored ? StoreFixture::addWork(QStringLiteral("Old Work"), 43.45, -80.49) : Place();
    HomeWorkCache::setDirty(HomeWorkCache::All);
    Selector selector { PlaceViewPage::Work };
    QSignalSpy updated(selector.sheet.data(), &NewSelector::placeUpdated);
    if (newEntry) {
        QVERIFY2(TestDriver::triggerAction(selector.sheet.data(), QStringLiteral("NewEntryAction")),
                 qPrintable(TestDriver::lastError()));
        QTRY_VERIFY(qobject_cast<PlaceViewPage *>(selector.top()));
        QVERIFY(TestDriver::typeText(selector.sheet.data(), QStringLiteral("AddressField"),
                                     QStringLiteral("7 Erb Street, Waterloo")));
    } else {
        QVERIFY(selector.type(QStringLiteral("7 erb")));
        // The contact living there matches too; the address row is the one to pick.
        QVERIFY2(selector.shows(QStringLiteral("TYPE_ADDRESS")), qPrintable(selector.text()));
        QVERIFY2(selector.tapRowPart(QStringLiteral("TYPE_ADDRESS"), QStringLiteral("ItemTitle")),
                 qPrintable(TestDriver::lastError() + QLatin1Char('\n') + selector.text()));
        QTRY_VERIFY_WITH_TIMEOUT(qobject_cast<PlaceViewPage *>(selector.top()), 10000);
        // Save waits for the user's own touch to the entry.
        QVERIFY(TestDriver::typeText(selector.sheet.data(), QStringLiteral("NameField"), QStringLiteral(" office")));
    }
    // An address is completed in the editor before it becomes the work place.
    const QString editor = selector.text();
    QVERIFY2(editor.contains(QLatin1String("Add Work")) && editor.contains(QLatin1String("Erb Street")),
             qPrintable(editor));
    std::unique_ptr<DialogPresser> replace;
    if (workStored)
        replace.reset(new DialogPresser(QStringLiteral("Replace Work?"), QStringLiteral("Replace")));
    QVERIFY2(TestDriver::triggerAction(selector.sheet.data(), QStringLiteral("SaveEditAction")),
             qPrintable(TestDriver::lastError() + QLatin1Char('\n') + editor));
    QTRY_VERIFY2_WITH_TIMEOUT(
        [&oldWork] {
            HomeWorkCache::setDirty(HomeWorkCache::Work);
            return !HomeWorkCache::myWork().isNull() && HomeWorkCache::myWork()->id() != oldWork.id();
        }(),
        qPrintable(selector.text()), 10000);
    // One work place: the new entry took the stored one's place.
    Error::Type error = Error::None;
    hx::platform::places::SearchHandle handle;
    const QList<hx::platform::places::PlaceHeader *> works = PlaceManagerUI::findPlacesByTags(
        { QLatin1String(hx::platform::places::Tags::MyWork) }, error, handle, {}, 0, 10, false);
    QCOMPARE(works.size(), 1);
    qDeleteAll(works);
    QVERIFY(!replace || replace->hasPressed());
    const std::unique_ptr<Place> stored = storedPlace(HomeWorkCache::myWork()->id());
    QVERIFY(stored);
    QVERIFY2(qAbs(stored->primaryCoordinates().latitude() - 43.4643) < 1e-3, qPrintable(selector.text()));
    QVERIFY(updated.count() >= 1);
}

void tst_NewSelector::myLocationOpensANewEntryWithItsAddress()
{
    restartLocationAt(QStringLiteral("43.4643,-80.5204"));
    Selector selector { PlaceViewPage::PlaceType(0) };
    QVERIFY2(TestDriver::triggerAction(selector.sheet.data(), QStringLiteral("PickMyLocationAction")),
             qPrintable(TestDriver::lastError()));
    QTRY_VERIFY_WITH_TIMEOUT(qobject_cast<PlaceViewPage *>(selector.top()), 10000);
    const QString editor = selector.text();
    QVERIFY2(editor.contains(QLatin1String("Add Favorite")), qPrintable(editor));
    QVERIFY2(editor.contains(QLatin1String("Erb Street")), qPrintable(editor));
    // Back leads to the search page again.
    QPointer<hx::trellan::Page> entry = selector.top();
    QVERIFY2(TestDriver::pressBack(selector.sheet.data()), qPrintable(TestDriver::lastError()));
    QTRY_VERIFY(entry.isNull());
    QCOMPARE(selector.top(), static_cast<hx::trellan::Page *>(selector.sheet->firstPage()));
}

void tst_NewSelector::previewingAResultAndComingBack_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("row");
    QTest::addColumn<QString>("name");

    QTest::newRow("a point of interest") << "cafe 3"
                                         << "| Cafe 3 |"
                                         << "Cafe 3";
    QTest::newRow("a suggestion, resolved first") << "kiosk u"
                                                  << "TYPE_SUGGESTION"
                                                  << "Kiosk Unique";
}

void tst_NewSelector::previewingAResultAndComingBack()
{
    QFETCH(QString, typed);
    QFETCH(QString, row);
    QFETCH(QString, name);

    Selector selector { PlaceViewPage::PlaceType(0) };
    QVERIFY(selector.type(typed));
    QVERIFY2(selector.shows(row), qPrintable(selector.text()));
    QVERIFY2(selector.tapRowPart(row, QStringLiteral("MoreInfoCircle")), qPrintable(TestDriver::lastError()));
    QTRY_VERIFY(qobject_cast<PickerPreview *>(selector.top()));
    QPointer<hx::trellan::Page> preview = selector.top();
    QCOMPARE(static_cast<PickerPreview *>(preview.data())->place()->name(), name);
    QVERIFY2(selector.text().contains(name), qPrintable(selector.text()));
    QVERIFY2(TestDriver::pressBack(selector.sheet.data()), qPrintable(TestDriver::lastError()));
    QTRY_VERIFY(preview.isNull());
    // Back on the search page, as it was left: nothing was picked.
    QVERIFY2(selector.shows(row), qPrintable(selector.text()));
    QCOMPARE(selector.control()->searchBar()->text(), typed);
    QVERIFY(selector.control()->selectedPlace().isNull());
}

void tst_NewSelector::aFooterOpensTheWholeSectionAndCollapsesBack()
{
    Selector selector { PlaceViewPage::PlaceType(0) };
    QVERIFY(selector.type(QStringLiteral("cafe")));
    QVERIFY2(selector.shows(QStringLiteral("FOOTER_MORE_NONE")), qPrintable(selector.text()));
    QVERIFY2(!selector.text().contains(QLatin1String("| Cafe 11 |")), qPrintable(selector.text()));
    QVERIFY2(selector.tapRowPart(QStringLiteral("FOOTER_MORE_NONE"), QStringLiteral("Footer")),
             qPrintable(TestDriver::lastError()));
    QVERIFY2(selector.shows(QStringLiteral("| Cafe 11 |")), qPrintable(selector.text()));
    QVERIFY(selector.control()->resultList()->isFooterVisible());
    QVERIFY2(TestDriver::tap(selector.sheet.data(), QStringLiteral("CollapseFooter")),
             qPrintable(TestDriver::lastError()));
    QVERIFY2(selector.shows(QStringLiteral("FOOTER_MORE_NONE")), qPrintable(selector.text()));
    QVERIFY(!selector.control()->resultList()->isFooterVisible());
}

void tst_NewSelector::theFilterSwitchesTheListAndTheHint_data()
{
    QTest::addColumn<int>("filter");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("hidden");
    QTest::addColumn<QString>("hint");

    QTest::newRow("contacts") << int(NewSelectorFilter::Contacts) << "Ann Erbson"
                              << "Kitchener Market"
                              << "Search Contacts";
    QTest::newRow("recents") << int(NewSelectorFilter::Recents) << "Kitchener Market"
                             << "Ann Erbson"
                             << "Search Recents";
}

void tst_NewSelector::theFilterSwitchesTheListAndTheHint()
{
    QFETCH(int, filter);
    QFETCH(QString, shown);
    QFETCH(QString, hidden);
    QFETCH(QString, hint);

    Selector selector { PlaceViewPage::PlaceType(0) };
    QVERIFY2(selector.shows(QStringLiteral("| Kitchener Market |")), qPrintable(selector.text()));
    QVERIFY2(TestDriver::chooseOption(selector.sheet.data(), QStringLiteral("FilterDropDown"), filter),
             qPrintable(TestDriver::lastError()));
    QVERIFY2(selector.shows(shown), qPrintable(selector.text()));
    QVERIFY2(!selector.text().contains(hidden), qPrintable(selector.text()));
    QCOMPARE(selector.control()->searchBar()->field()->hintText(), hint);
    QCOMPARE(selector.control()->filter()->dropDown()->isExpanded(), false);
}

void tst_NewSelector::theFilterKeepsToItsThreeChoices_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<bool>("quietly");
    QTest::addColumn<int>("selected");
    QTest::addColumn<int>("announced");

    QTest::newRow("contacts") << 2 << false << 2 << 1;
    QTest::newRow("recents without telling") << 1 << true << 1 << 0;
    QTest::newRow("past the last choice is ignored") << 3 << false << -1 << 0;
    QTest::newRow("before the first choice is ignored") << -1 << false << -1 << 0;
}

void tst_NewSelector::theFilterKeepsToItsThreeChoices()
{
    QFETCH(int, index);
    QFETCH(bool, quietly);
    QFETCH(int, selected);
    QFETCH(int, announced);

    NewSelectorFilter filter;
    QCOMPARE(filter.getFilter(), -1);
    QCOMPARE(filter.dropDown()->title(), QStringLiteral("Places"));
    QSignalSpy changed(&filter, &NewSelectorFilter::selectedIndexChanged);
    filter.dropDown()->setExpanded(true);
    if (quietly)
        filter.setFilterNoSignal(index);
    else
        filter.setFilter(index);
    QCOMPARE(filter.getFilter(), selected);
    QCOMPARE(changed.count(), announced);
    // A choice closes the drop-down.
    QCOMPARE(filter.dropDown()->isExpanded(), announced == 0);
}

void tst_NewSelector::submittingOnRecentsSearchesRemotelyUnderAll()
{
    Selector selector { PlaceViewPage::PlaceType(0) };
    QVERIFY(
        TestDriver::chooseOption(selector.sheet.data(), QStringLiteral("FilterDropDown"), NewSelectorFilter::Recents));
    QVERIFY(selector.type(QStringLiteral("cafe")));
    QVERIFY(TestDriver::submit(selector.sheet.data(), QStringLiteral("SearchField")));
    QVERIFY2(selector.shows(QStringLiteral("| Cafe 11 |")), qPrintable(selector.text()));
    // One remote list: no sections of the typed search.
    QVERIFY2(!selector.text().contains(QLatin1String("FOOTER_MORE")), qPrintable(selector.text()));
    QCOMPARE(selector.control()->filter()->getFilter(), int(NewSelectorFilter::All));
    QCOMPARE(selector.control()->searchBar()->field()->hintText(),
             QStringLiteral("Type to enter search term or address"));
    // A reload for the filter change would have searched all sources without a position and warned.
    QCOMPARE(shownCount(MISSING_RESULTS), 0);
}

void tst_NewSelector::theMissingResultsToastIsShownOncePerSelector()
{
    for (int selectorNumber = 1; selectorNumber <= 2; ++selectorNumber) {
        Selector selector { PlaceViewPage::PlaceType(0) };
        QVERIFY(selector.type(QStringLiteral("ca")));
        QVERIFY2(selector.shows(QStringLiteral("| Cafe 0 |")), qPrintable(selector.text()));
        QVERIFY(selector.type(QStringLiteral("f")));
        QVERIFY(TestDriver::eraseText(selector.sheet.data(), QStringLiteral("SearchField"), 3));
        QVERIFY(selector.type(QStringLiteral("k")));
        QVERIFY2(selector.shows(QStringLiteral("Kiosk Unique")), qPrintable(selector.text()));
        QCOMPARE(shownCount(MISSING_RESULTS), selectorNumber);
    }
}

void tst_NewSelector::decliningDataServicesClosesTheSheet()
{
    QVERIFY(PpsStatusFile::write(NETWORK, networkStatus(false)));
    Selector selector { PlaceViewPage::Home };
    QTRY_COMPARE(SystemUi::top().title, QStringLiteral("Data Services"));
    QVERIFY(SystemUi::pressButton(QStringLiteral("Exit")));
    QTRY_VERIFY(selector.sheet.isNull());
    QTRY_COMPARE(SystemUi::visibleCount(), 0);
    QCOMPARE(shownCount(QStringLiteral("Location Services Off")), 0);
}

void tst_NewSelector::aSlowSuggestionShowsTheSpinnerAndCancellingDropsIt()
{
    Selector selector { PlaceViewPage::PlaceType(0) };
    QSignalSpy picked(selector.control(), &NewSelectorControl::placeSelected);
    QVERIFY(selector.type(QStringLiteral("kiosk u")));
    QVERIFY2(selector.shows(QStringLiteral("TYPE_SUGGESTION")), qPrintable(selector.text()));
    PoolBlocker blocker;
    QVERIFY(selector.tapRowPart(QStringLiteral("TYPE_SUGGESTION"), QStringLiteral("ItemTitle")));
    QTRY_COMPARE_WITH_TIMEOUT(SystemUi::top().title, QStringLiteral("Retrieving details"), 5000);
    QVERIFY(SystemUi::pressButton(QStringLiteral("Cancel")));
    blocker.release();
    QThreadPool::globalInstance()->waitForDone();
    QCoreApplication::processEvents();
    QVERIFY(!picked.wait(300));
    QCOMPARE(selector.sheet->pane()->count(), 1);
    QVERIFY(!dialogVisible(QStringLiteral("Retrieving details")));
    QVERIFY(!dialogVisible(QStringLiteral("Place not found")));
}

void tst_NewSelector::theSheetFollowsTheLanguage()
{
    Selector selector { PlaceViewPage::Home };
    QVERIFY(
        TestDriver::chooseOption(selector.sheet.data(), QStringLiteral("FilterDropDown"), NewSelectorFilter::Contacts));
    QVERIFY2(selector.shows(QStringLiteral("Ann Erbson")), qPrintable(selector.text()));
    hx::system::LocaleHandler::setLanguage(QStringLiteral("fr"));
    QTRY_COMPARE(selector.control()->searchBar()->field()->hintText(), QStringLiteral("Rechercher dans les contacts"));
    const QString text = selector.text();
    QVERIFY2(text.contains(QLatin1String("Ajouter le domicile")), qPrintable(text));
    QVERIFY2(text.contains(QStringLiteral("Nouvelle entrée")), qPrintable(text));
    QVERIFY2(text.contains(QLatin1String("Annuler")), qPrintable(text));
}

QTEST_MAIN(tst_NewSelector)
#include "tst_newselector.moc"
