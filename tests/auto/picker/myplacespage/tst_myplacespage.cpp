#include <QtTest/QtTest>

#include <hx/device/simulateddevice.h>
#include <hx/pim/contacts/contactservice.h>
#include <hx/platform/places/contactstore.h>
#include <hx/platform/places/placeheader.h>
#include <hx/platform/places/placemanager.h>
#include <hx/platform/places/tags.h>
#include <hx/system/carddonemessage.h>
#include <hx/system/invokedcard.h>
#include <hx/system/invokemanager.h>
#include <hx/system/invokerequest.h>
#include <hx/system/localehandler.h>
#include <hx/system/systemtoast.h>
#include <hx/system/systemui.h>
#include <hx/trellan/navigationpane.h>
#include <hx/trellan/places/homeworkcache.h>
#include <hx/trellan/places/mapsplaceview.h>
#include <hx/trellan/places/myplacespage.h>
#include <hx/trellan/places/selectedplace.h>
#include <hx/trellan/screentext.h>
#include <hx/trellan/sheet.h>
#include <hx/trellan/testdriver.h>

#include "ppsstatusfile.h"
#include "storefixture.h"
#include "testroots.h"

#include <QtCore/QDateTime>
#include <QtCore/QDeadlineTimer>
#include <QtCore/QFile>

#include <memory>

using namespace hx::platform::places;
using namespace hx::test;
using namespace hx::trellan::places;
using hx::system::SystemUi;
using hx::trellan::ScreenText;
using hx::trellan::TestDriver;

namespace {

const QString LIST = QStringLiteral("MyPlacesList");

// The application: a pane with My Places pushed, and what the page tells it.
struct MyPlacesApp
{
    hx::trellan::NavigationPane pane;
    MyPlacesPage *page = new MyPlacesPage;
    QStringList heard;

    MyPlacesApp()
    {
        QObject::connect(page, &MyPlacesPage::mapItAction, page, [this] { heard << QStringLiteral("map"); });
        QObject::connect(page, &MyPlacesPage::goAction, page, [this] { heard << QStringLiteral("go"); });
        QObject::connect(page, &MyPlacesPage::planRouteAction, page, [this] { heard << QStringLiteral("plan"); });
        QObject::connect(page, &MyPlacesPage::selectPlaceAction, page, [this](const QSharedPointer<Place> &place) {
            heard << QStringLiteral("select ") + place->name();
        });
        pane.push(page);
    }
    QString text() { return ScreenText::render(&pane); }
    // The list row (from 0, headers included) that shows name, or -1.
    int row(const QString &name)
    {
        for (const QString &line : text().split(QLatin1Char('\n'))) {
            const QString trimmed = line.trimmed();
            if (trimmed.startsWith(QLatin1Char('[')) && trimmed.contains(QStringLiteral("| %1 |").arg(name)))
                return trimmed.mid(1, trimmed.indexOf(QLatin1Char(']')) - 1).toInt();
        }
        return -1;
    }
    bool waitForRow(const QString &name)
    {
        QDeadlineTimer deadline(5000);
        while (row(name) < 0 && !deadline.hasExpired())
            QTest::qWait(10);
        if (row(name) >= 0)
            return true;
        qWarning().noquote() << name << "is not listed in" << text();
        return false;
    }
    bool chooseTab(int index) { return TestDriver::chooseOption(&pane, QStringLiteral("TitleBarTab"), index); }
    bool menu(const QString &name, const QString &action)
    {
        return waitForRow(name) && TestDriver::triggerRowAction(&pane, LIST, { row(name) }, action);
    }
};

Place storedPlace(qint64 id)
{
    PlaceManager manager;
    Error::Type error = Error::None;
    QScopedPointer<Place> place(manager.getPlace(id, error));
    return place ? *place : Place();
}

bool isFavorite(qint64 id)
{
    return storedPlace(id).hasTag(QLatin1String(Tags::Favorite));
}

Place addPlace(const QString &name, double latitude, const QStringList &tags, qint64 lastUsed = 0,
               const QString &street = QString())
{
    Place place = StoreFixture::makePlace(name, latitude, -80.52, street, street.isEmpty() ? QString() : "Kitchener");
    for (const QString &tag : tags)
        place.addTag(tag);
    if (lastUsed)
        place.setLastUsedTime(lastUsed);
    PlaceManager manager;
    manager.addPlace(place);
    return place;
}

void addContactWithoutAddress(const QString &firstName, const QString &lastName)
{
    ContactEntry contact;
    contact.firstName = firstName;
    contact.lastName = lastName;
    contact.phones.append({ QStringLiteral("mobile"), QStringLiteral("+1 519 555 0199") });
    ContactStore store;
    QCOMPARE(store.addContact(contact), Error::None);
}

// How many usage events of My Places' context actions named action the log holds.
int crosscutEvents(const QString &path, const QString &action)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    int count = 0;
    for (const QByteArray &line : file.readAll().split('\n')) {
        if (line.contains("MyPlacesCrosscutAction") && line.contains("\"" + action.toUtf8() + "\""))
            ++count;
    }
    return count;
}

} // namespace

class tst_MyPlacesPage : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void eachTabListsWhatTheStoreHolds_data();
    void eachTabListsWhatTheStoreHolds();
    void contextActionsReachTheApplication_data();
    void contextActionsReachTheApplication();
    void undoFavoritesAgainEveryPlaceUnfavorited_data();
    void undoFavoritesAgainEveryPlaceUnfavorited();
    void aToastLeftAloneMakesTheRemovalFinal();
    void deletingHomeOrWorkRemovesItAndRenamesItsAction_data();
    void deletingHomeOrWorkRemovesItAndRenamesItsAction();
    void editOpensTheEditorOrTheContactsCard();
    void anEmptyContactsTabOffersToAddAContact();
    void theHomeActionAddsAHomeUntilOneIsStored();
    void editingAHomeTheStoreLostOpensNothing();
    void theFilterBarNarrowsTheList();
    void shareHandsThePlaceToTheShareTargets();
    void aContactChangeReloadsOnlyTheContactsTab_data();
    void aContactChangeReloadsOnlyTheContactsTab();
    void aContactAddedFromTheEmptyTabIsListed();
    void theCardOfAPlaceFollowsTheStore_data();
    void theCardOfAPlaceFollowsTheStore();
    void theTabsFollowTheLanguage_data();
    void theTabsFollowTheLanguage();

private:
    std::unique_ptr<TestRoots> m_roots;
    Place m_kitchener, m_station, m_cafe, m_park, m_home, m_work;
};

void tst_MyPlacesPage::init()
{
    m_roots.reset(new TestRoots);
    QVERIFY(m_roots->isValid());
    const qint64 now = QDateTime::currentSecsSinceEpoch();
    m_kitchener
        = addPlace(QStringLiteral("Kitchener Market"), 43.45, {}, now - 3600, QStringLiteral("300 King Street"));
    // Forty days ago is always before this month.
    m_station = addPlace(QStringLiteral("Waterloo Station"), 43.46, {}, now - 40 * 86400);
    m_cafe = addPlace(QStringLiteral("Cafe Nord"), 43.47, { QLatin1String(Tags::Favorite) });
    m_park = addPlace(QStringLiteral("Laurel Creek Park"), 43.48, { QLatin1String(Tags::Favorite) });
    m_home = addPlace(QStringLiteral("Home"), 43.49, { QLatin1String(Tags::Favorite), QLatin1String(Tags::MyHome) });
    m_work = addPlace(QStringLiteral("Work"), 43.50, { QLatin1String(Tags::Favorite), QLatin1String(Tags::MyWork) });
    StoreFixture::addContact(QStringLiteral("Ada"), QStringLiteral("Lovelace"), QStringLiteral("12 King Street"),
                             QStringLiteral("Waterloo"));
    addContactWithoutAddress(QStringLiteral("Grace"), QStringLiteral("Hopper"));
    HomeWorkCache::setDirty(HomeWorkCache::All);
    SystemUi::clearHistory();
}

void tst_MyPlacesPage::cleanup()
{
    hx::system::LocaleHandler::setLanguage(QStringLiteral("en"));
    hx::system::SystemToast::resetDefaultDuration();
    hx::device::SimulatedDevice::reset();
    QThreadPool::globalInstance()->waitForDone();
    m_roots.reset();
    HomeWorkCache::setDirty(HomeWorkCache::All);
}

void tst_MyPlacesPage::eachTabListsWhatTheStoreHolds_data()
{
    QTest::addColumn<int>("tab");
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<QStringList>("notShown");
    QTest::addColumn<bool>("beforeRecentsLoaded");

    QTest::newRow("recents, grouped by the time of their last use")
        << 0 << QStringList { "Today", "Kitchener Market", "Earlier", "Waterloo Station" }
        << QStringList { "Cafe Nord", "Ada Lovelace" } << false;
    QTest::newRow("favorites, home and work with them")
        << 1 << QStringList { "Cafe Nord", "Laurel Creek Park", "Home", "Work" }
        << QStringList { "Kitchener Market", "Ada Lovelace" } << false;
    QTest::newRow("favorites, chosen while the recents still load")
        << 1 << QStringList { "Cafe Nord", "Laurel Creek Park", "Home", "Work" }
        << QStringList { "Kitchener Market", "No Favorites" } << true;
    QTest::newRow("contacts with an address only")
        << 2 << QStringList { "Ada Lovelace" } << QStringList { "Grace Hopper", "Cafe Nord" } << false;
    QTest::newRow("contacts, chosen while the recents still load")
        << 2 << QStringList { "Ada Lovelace" } << QStringList { "Grace Hopper", "No Contacts" } << true;
}

void tst_MyPlacesPage::eachTabListsWhatTheStoreHolds()
{
    QFETCH(int, tab);
    QFETCH(QStringList, shown);
    QFETCH(QStringList, notShown);
    QFETCH(bool, beforeRecentsLoaded);

    MyPlacesApp app;
    if (!beforeRecentsLoaded)
        QVERIFY(app.waitForRow(QStringLiteral("Kitchener Market")));
    if (tab != 0)
        QVERIFY2(app.chooseTab(tab), qPrintable(TestDriver::lastError()));
    QVERIFY(app.waitForRow(shown.last()));
    const QString screen = app.text();
    int previous = -1;
    for (const QString &text : shown) {
        const int at = screen.indexOf(text, previous + 1);
        QVERIFY2(at > previous, qPrintable(text + QStringLiteral(" missing or out of order in\n") + screen));
        previous = at;
    }
    for (const QString &text : notShown)
        QVERIFY2(!screen.contains(text), qPrintable(screen));
}

void tst_MyPlacesPage::contextActionsReachTheApplication_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("heard");
    QTest::addColumn<QString>("logged");

    QTest::newRow("map") << "Map"
                         << "map"
                         << "map";
    QTest::newRow("go") << "Go"
                        << "go"
                        << "go";
    QTest::newRow("plan a route") << "Plan Route"
                                  << "plan"
                                  << "planroute";
    QTest::newRow("view details") << "View Details"
                                  << "select Laurel Creek Park"
                                  << "view detail";
}

void tst_MyPlacesPage::contextActionsReachTheApplication()
{
    QFETCH(QString, action);
    QFETCH(QString, heard);
    QFETCH(QString, logged);

    MyPlacesApp app;
    QVERIFY(app.chooseTab(1));
    QVERIFY(app.waitForRow(QStringLiteral("Laurel Creek Park")));
    QCOMPARE(storedPlace(m_park.id()).lastUsedTime(), qint64(0));
    QVERIFY2(app.menu(QStringLiteral("Laurel Creek Park"), action), qPrintable(TestDriver::lastError()));
    QTRY_COMPARE(app.heard, QStringList { heard });
    QScopedPointer<SelectedPlace> selected(app.page->selectedPlace());
    QVERIFY(selected);
    QCOMPARE(selected->name(), QStringLiteral("Laurel Creek Park"));
    // Acting on a place makes it a recent place.
    QVERIFY(storedPlace(m_park.id()).lastUsedTime() > 0);
    QCOMPARE(crosscutEvents(m_roots->eventLogPath(), logged), 1);
}

void tst_MyPlacesPage::undoFavoritesAgainEveryPlaceUnfavorited_data()
{
    QTest::addColumn<QStringList>("names");
    QTest::newRow("one place") << QStringList { "Cafe Nord" };
    QTest::newRow("two places in a row") << QStringList { "Cafe Nord", "Laurel Creek Park" };
}

void tst_MyPlacesPage::undoFavoritesAgainEveryPlaceUnfavorited()
{
    QFETCH(QStringList, names);

    MyPlacesApp app;
    QVERIFY(app.chooseTab(1));
    QVERIFY(app.waitForRow(QStringLiteral("Laurel Creek Park")));
    for (const QString &name : names) {
        QVERIFY(app.waitForRow(name));
        QVERIFY2(app.menu(name, QStringLiteral("Unfavorite")), qPrintable(TestDriver::lastError()));
        QTRY_VERIFY2(app.row(name) < 0, qPrintable(app.text()));
        QVERIFY2(app.text().contains(QLatin1String("Favorite Removed!")), qPrintable(app.text()));
    }
    QVERIFY(!isFavorite(m_cafe.id()));
    QVERIFY(TestDriver::pressDialogButton(QStringLiteral("Undo")));
    for (const QString &name : names)
        QVERIFY(app.waitForRow(name));
    QVERIFY(isFavorite(m_cafe.id()));
    QVERIFY(isFavorite(m_park.id()));
    QVERIFY2(!app.text().contains(QLatin1String("Favorite Removed!")), qPrintable(app.text()));
    QCOMPARE(crosscutEvents(m_roots->eventLogPath(), QStringLiteral("favorite")), names.size());

    // The undo is spent: a later unfavourite stands on its own.
    QVERIFY(app.menu(QStringLiteral("Laurel Creek Park"), QStringLiteral("Unfavorite")));
    QTRY_VERIFY(app.row(QStringLiteral("Laurel Creek Park")) < 0);
    QVERIFY(TestDriver::pressDialogButton(QStringLiteral("Undo")));
    QVERIFY(app.waitForRow(QStringLiteral("Laurel Creek Park")));
    QVERIFY(isFavorite(m_cafe.id()));
}

void tst_MyPlacesPage::aToastLeftAloneMakesTheRemovalFinal()
{
    hx::system::SystemToast::setDefaultDuration(200);
    MyPlacesApp app;
    QVERIFY(app.chooseTab(1));
    QVERIFY(app.waitForRow(QStringLiteral("Laurel Creek Park")));
    QVERIFY(app.menu(QStringLiteral("Cafe Nord"), QStringLiteral("Unfavorite")));
    QTRY_VERIFY(app.row(QStringLiteral("Cafe Nord")) < 0);
    QVERIFY2(app.menu(QStringLiteral("Laurel Creek Park"), QStringLiteral("Unfavorite")),
             qPrintable(TestDriver::lastError() + app.text()));
    QTRY_VERIFY2(!app.text().contains(QLatin1String("Favorite Removed!")), qPrintable(app.text()));
    QVERIFY(!isFavorite(m_cafe.id()));
    QVERIFY(!isFavorite(m_park.id()));
    // Nothing pending any more: another unfavourite and Undo brings back that one only.
    hx::system::SystemToast::resetDefaultDuration();
    QVERIFY(app.waitForRow(QStringLiteral("Home")));
    QVERIFY(app.row(QStringLiteral("Laurel Creek Park")) < 0);
    QCOMPARE(crosscutEvents(m_roots->eventLogPath(), QStringLiteral("favorite")), 0);
}

void tst_MyPlacesPage::deletingHomeOrWorkRemovesItAndRenamesItsAction_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("toast");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("after");

    QTest::newRow("home") << "Home"
                          << "Delete Home"
                          << "Home Deleted!"
                          << "Edit Home"
                          << "Add Home";
    QTest::newRow("work") << "Work"
                          << "Delete Work"
                          << "Work Deleted!"
                          << "Edit Work"
                          << "Add Work";
}

void tst_MyPlacesPage::deletingHomeOrWorkRemovesItAndRenamesItsAction()
{
    QFETCH(QString, name);
    QFETCH(QString, action);
    QFETCH(QString, toast);
    QFETCH(QString, before);
    QFETCH(QString, after);

    MyPlacesApp app;
    QVERIFY(app.chooseTab(1));
    QVERIFY(app.waitForRow(name));
    QVERIFY2(app.text().contains(before), qPrintable(app.text()));
    QVERIFY2(app.menu(name, action), qPrintable(TestDriver::lastError() + app.text()));
    QTRY_VERIFY2(app.row(name) < 0, qPrintable(app.text()));
    QVERIFY2(app.text().contains(toast), qPrintable(app.text()));
    QTRY_VERIFY2(app.text().contains(after), qPrintable(app.text()));
    const qint64 id = name == QLatin1String("Home") ? m_home.id() : m_work.id();
    QCOMPARE(storedPlace(id).id(), qint64(-1));
    QCOMPARE(crosscutEvents(m_roots->eventLogPath(), QStringLiteral("delete")), 1);
}

void tst_MyPlacesPage::editOpensTheEditorOrTheContactsCard()
{
    MyPlacesApp app;
    QVERIFY(app.chooseTab(1));
    QVERIFY(app.waitForRow(QStringLiteral("Cafe Nord")));
    QVERIFY2(app.menu(QStringLiteral("Cafe Nord"), QStringLiteral("Edit")), qPrintable(TestDriver::lastError()));
    QTRY_VERIFY2(!hx::trellan::Sheet::openSheets().isEmpty(), qPrintable(app.text()));
    QVERIFY2(TestDriver::find(&app.pane, QStringLiteral("NameField")), qPrintable(app.text()));
    QVERIFY(TestDriver::triggerAction(&app.pane, QStringLiteral("CancelEditAction")));
    QTRY_VERIFY(hx::trellan::Sheet::openSheets().isEmpty());

    // A contact made a favourite is edited on its card.
    QVERIFY(app.chooseTab(2));
    QVERIFY(app.waitForRow(QStringLiteral("Ada Lovelace")));
    QVERIFY2(app.menu(QStringLiteral("Ada Lovelace"), QStringLiteral("Favorite")), qPrintable(TestDriver::lastError()));
    QTRY_VERIFY2(app.text().contains(QLatin1String("Added to Favorites!")), qPrintable(app.text()));
    QVERIFY(app.chooseTab(1));
    // The favourites, not the contacts list still shown while the tab loads.
    QVERIFY(app.waitForRow(QStringLiteral("Cafe Nord")));
    QVERIFY(app.waitForRow(QStringLiteral("Ada Lovelace")));
    QVERIFY2(app.menu(QStringLiteral("Ada Lovelace"), QStringLiteral("Edit")),
             qPrintable(TestDriver::lastError() + app.text()));
    QTRY_COMPARE(app.pane.count(), 2);
    QVERIFY2(app.pane.top() != app.page, qPrintable(app.text()));
    QVERIFY2(app.text().contains(QLatin1String("Ada Lovelace")), qPrintable(app.text()));
    QVERIFY(TestDriver::pressBack(&app.pane));
    QTRY_COMPARE(app.pane.count(), 1);
}

void tst_MyPlacesPage::anEmptyContactsTabOffersToAddAContact()
{
    ContactStore store;
    for (const ContactEntry &contact : store.contacts())
        store.removeContact(contact.id);
    MyPlacesApp app;
    QVERIFY(app.waitForRow(QStringLiteral("Kitchener Market")));
    QVERIFY2(app.text().contains(QLatin1String("Add Favorite (signature)")), qPrintable(app.text()));
    QVERIFY(app.chooseTab(2));
    QTRY_VERIFY2(app.text().contains(QLatin1String("Add Contact (signature)")), qPrintable(app.text()));
    QVERIFY2(app.text().contains(QLatin1String("No Contacts")), qPrintable(app.text()));
    QVERIFY2(app.text().contains(QLatin1String("Contacts without addresses will not appear in this list.")),
             qPrintable(app.text()));
    QVERIFY2(TestDriver::findAction(&app.pane, QStringLiteral("AddFavorite")), qPrintable(app.text()));

    QVERIFY(app.chooseTab(0));
    QTRY_VERIFY2(app.text().contains(QLatin1String("Add Favorite (signature)")), qPrintable(app.text()));
    QVERIFY2(!TestDriver::findAction(&app.pane, QStringLiteral("AddFavorite")), qPrintable(app.text()));
}

void tst_MyPlacesPage::theHomeActionAddsAHomeUntilOneIsStored()
{
    // The phone is online with location on: the new selector asks nothing.
    QVERIFY(
        PpsStatusFile::write(QStringLiteral("/pps/services/networking/status_public"), "@status_public\nip_ok::yes\n"));
    QVERIFY(PpsStatusFile::write(QStringLiteral("/pps/services/geolocation/status"),
                                 "@status\nstatus:json:{\"location_manager_location_on\":true}\n"));
    MyPlacesApp app;
    QVERIFY(app.chooseTab(1));
    QVERIFY(app.waitForRow(QStringLiteral("Home")));
    QVERIFY2(app.text().contains(QLatin1String("Edit Home")), qPrintable(app.text()));
    QVERIFY(app.menu(QStringLiteral("Home"), QStringLiteral("Delete Home")));
    QTRY_VERIFY2(app.text().contains(QLatin1String("Add Home")), qPrintable(app.text()));

    // Add Home opens the new selector for a home; a recent place picked there and saved in its
    // editor becomes the home, and the action turns into Edit Home again.
    QVERIFY(TestDriver::triggerAction(&app.pane, QStringLiteral("Add Home")));
    QTRY_VERIFY2(!hx::trellan::Sheet::openSheets().isEmpty(), qPrintable(app.text()));
    QVERIFY(app.waitForRow(QStringLiteral("Kitchener Market")));
    QVERIFY2(TestDriver::tapRowPart(&app.pane, QStringLiteral("SearchList"),
                                    { app.row(QStringLiteral("Kitchener Market")) }, QStringLiteral("ItemTitle")),
             qPrintable(TestDriver::lastError() + app.text()));
    QTRY_VERIFY2(TestDriver::findOnScreen(&app.pane, QStringLiteral("SaveEditAction")), qPrintable(app.text()));
    QVERIFY(TestDriver::typeText(&app.pane, QStringLiteral("NameField"), QStringLiteral(" house")));
    QVERIFY2(TestDriver::triggerAction(&app.pane, QStringLiteral("SaveEditAction")),
             qPrintable(TestDriver::lastError() + app.text()));
    QTRY_VERIFY2_WITH_TIMEOUT(app.text().contains(QLatin1String("Edit Home")), qPrintable(app.text()), 10000);
    HomeWorkCache::setDirty(HomeWorkCache::Home);
    QVERIFY(HomeWorkCache::myHome());
    QCOMPARE(HomeWorkCache::myHome()->name(), QStringLiteral("Home house"));
}

void tst_MyPlacesPage::editingAHomeTheStoreLostOpensNothing()
{
    MyPlacesApp app;
    QVERIFY(app.chooseTab(1));
    QVERIFY(app.waitForRow(QStringLiteral("Home")));
    QVERIFY2(app.text().contains(QLatin1String("Edit Home")), qPrintable(app.text()));
    // Removed behind the page's back: the page still offers to edit it.
    PlaceManager().removePlace(m_home.id());
    QTest::ignoreMessage(QtDebugMsg, "hx::trellan::places::MyPlaceSelectorPrivate::onEditHomeAction(): error = 5");
    QVERIFY(TestDriver::triggerAction(&app.pane, QStringLiteral("Edit Home")));
    QTRY_VERIFY2(SystemUi::visibleCount() > 0, qPrintable(app.text()));
    QVERIFY2(hx::trellan::Sheet::openSheets().isEmpty(), qPrintable(app.text()));
    // The store's error dialog is answered; the page stays as it was.
    QVERIFY(SystemUi::pressButton(SystemUi::top().buttons.first().label));
    QTRY_COMPARE(SystemUi::visibleCount(), 0);
    QCOMPARE(app.pane.top(), app.page);
}

void tst_MyPlacesPage::theFilterBarNarrowsTheList()
{
    hx::device::SimulatedDevice::setPhysicalKeyboard(true);
    MyPlacesApp app;
    QVERIFY(app.chooseTab(1));
    QVERIFY(app.waitForRow(QStringLiteral("Laurel Creek Park")));
    QVERIFY2(TestDriver::pressKeys(&app.pane, QStringLiteral("laur")), qPrintable(TestDriver::lastError()));
    QTRY_VERIFY2(app.row(QStringLiteral("Cafe Nord")) < 0 && app.row(QStringLiteral("Laurel Creek Park")) >= 0,
                 qPrintable(app.text()));

    // Nothing matches: the list stays, empty, without the empty-tab view.
    QVERIFY(TestDriver::pressKeys(&app.pane, QStringLiteral("zzz")));
    QTRY_VERIFY2(app.row(QStringLiteral("Laurel Creek Park")) < 0, qPrintable(app.text()));
    QVERIFY2(!app.text().contains(QLatin1String("No Favorites")), qPrintable(app.text()));

    QVERIFY(TestDriver::clickButton(&app.pane, QStringLiteral("FilterCancelButton")));
    QVERIFY(app.waitForRow(QStringLiteral("Cafe Nord")));
    QVERIFY(app.waitForRow(QStringLiteral("Laurel Creek Park")));
}

void tst_MyPlacesPage::aContactChangeReloadsOnlyTheContactsTab_data()
{
    QTest::addColumn<int>("tab");
    QTest::addColumn<QString>("listed");
    QTest::addColumn<bool>("reloaded");

    QTest::newRow("on the Contacts tab the list is read again") << 2 << "Ada Lovelace" << true;
    QTest::newRow("on the Recents tab the filtered list stays") << 0 << "Kitchener Market" << false;
}

void tst_MyPlacesPage::aContactChangeReloadsOnlyTheContactsTab()
{
    QFETCH(int, tab);
    QFETCH(QString, listed);
    QFETCH(bool, reloaded);

    hx::device::SimulatedDevice::setPhysicalKeyboard(true);
    MyPlacesApp app;
    QVERIFY(app.chooseTab(tab));
    QVERIFY(app.waitForRow(listed));
    QVERIFY2(TestDriver::pressKeys(&app.pane, listed.left(2)), qPrintable(TestDriver::lastError()));
    QVERIFY2(TestDriver::findOnScreen(&app.pane, QStringLiteral("FilterField")), qPrintable(app.text()));

    // A contact saved by the contacts editor, which tells every contact service.
    hx::platform::places::ContactEntry added
        = StoreFixture::addContact(QStringLiteral("Alan"), QStringLiteral("Turing"), QStringLiteral("5 Queen Street"),
                                   QStringLiteral("Kitchener"));
    hx::pim::contacts::ContactService::notifyContactsChanged({ int(added.id) });
    // A reload starts by closing the filter.
    QCOMPARE(!TestDriver::isOnScreen(&app.pane, TestDriver::find(&app.pane, QStringLiteral("FilterField"))), reloaded);
    if (reloaded)
        QVERIFY(app.waitForRow(QStringLiteral("Alan Turing")));
}

void tst_MyPlacesPage::shareHandsThePlaceToTheShareTargets()
{
    hx::system::InvokeManager::clearRecordedRequests();
    MyPlacesApp app;
    QVERIFY(app.chooseTab(1));
    QVERIFY2(app.menu(QStringLiteral("Laurel Creek Park"), QStringLiteral("Share")),
             qPrintable(TestDriver::lastError()));
    QTRY_COMPARE(hx::system::InvokeManager::recordedRequests().size(), 1);
    const hx::system::InvokeRequest shared = hx::system::InvokeManager::recordedRequests().first();
    QCOMPARE(shared.action(), QStringLiteral("hx.action.SHARE"));
    QVERIFY2(shared.uri().toString().contains(QLatin1String("Laurel")), qPrintable(shared.uri().toString()));
    QCOMPARE(crosscutEvents(m_roots->eventLogPath(), QStringLiteral("share")), 0);
}

void tst_MyPlacesPage::aContactAddedFromTheEmptyTabIsListed()
{
    ContactStore store;
    for (const ContactEntry &contact : store.contacts())
        store.removeContact(contact.id);
    const QString composer = QStringLiteral("sys.pim.contacts.card.composer");
    hx::system::InvokeManager::bindTarget(composer, [](const hx::system::InvokedCard &card) {
        QCOMPARE(card.request().action(), QStringLiteral("hx.action.CREATE"));
        StoreFixture::addContact(QStringLiteral("Ada"), QStringLiteral("Lovelace"), QStringLiteral("12 King Street"),
                                 QStringLiteral("Waterloo"));
        card.done(hx::system::CardDoneMessage(QStringLiteral("save"), QString()));
    });
    MyPlacesApp app;
    QVERIFY(app.chooseTab(2));
    QTRY_VERIFY2(app.text().contains(QLatin1String("Add Contact (signature)")), qPrintable(app.text()));
    QVERIFY(TestDriver::triggerAction(&app.pane, QStringLiteral("AddNewPlaceAsContact")));
    QVERIFY(app.waitForRow(QStringLiteral("Ada Lovelace")));
    QTRY_VERIFY2(app.text().contains(QLatin1String("Add Favorite (signature)")), qPrintable(app.text()));
    QVERIFY2(!TestDriver::findAction(&app.pane, QStringLiteral("AddFavorite")), qPrintable(app.text()));
    hx::system::InvokeManager::bindTarget(composer, {});
}

void tst_MyPlacesPage::theCardOfAPlaceFollowsTheStore_data()
{
    QTest::addColumn<bool>("stored");
    QTest::newRow("a stored place") << true;
    QTest::newRow("a header of a place the store does not hold") << false;
}

void tst_MyPlacesPage::theCardOfAPlaceFollowsTheStore()
{
    QFETCH(bool, stored);

    MyPlacesApp app;
    QVERIFY(app.chooseTab(1));
    QVERIFY(app.waitForRow(QStringLiteral("Laurel Creek Park")));
    const QSharedPointer<AbstractPlace> place = stored
        ? QSharedPointer<AbstractPlace>(new Place(storedPlace(m_park.id())))
        : QSharedPointer<AbstractPlace>(new PlaceHeader);
    MapsPlaceView *card = app.page->createDetailView(place);
    QCOMPARE(card->parent(), app.page);
    if (!stored) {
        QVERIFY(!card->content());
        return;
    }
    QSignalSpy closing(card, &MapsPlaceView::requestClose);
    app.pane.push(card);
    emit card->setActions();
    QTRY_VERIFY2(app.text().contains(QLatin1String("Laurel Creek Park")), qPrintable(app.text()));
    // Unfavourited on the card: the list behind it follows.
    QVERIFY2(TestDriver::triggerAction(&app.pane, QStringLiteral("Unfavorite")),
             qPrintable(TestDriver::lastError() + app.text()));
    QTRY_VERIFY2(!isFavorite(m_park.id()), qPrintable(app.text()));
    QVERIFY(TestDriver::pressBack(&app.pane));
    QTRY_VERIFY2(app.row(QStringLiteral("Laurel Creek Park")) < 0 && app.row(QStringLiteral("Cafe Nord")) >= 0,
                 qPrintable(app.text()));
    QCOMPARE(closing.count(), 0);
}

void tst_MyPlacesPage::theTabsFollowTheLanguage_data()
{
    QTest::addColumn<int>("tab");
    QTest::addColumn<bool>("empty");
    QTest::addColumn<QString>("french");

    QTest::newRow("recents") << 0 << false << QStringLiteral("Aujourd'hui");
    QTest::newRow("empty favorites") << 1 << true << QStringLiteral("Aucun favori");
    QTest::newRow("contacts") << 2 << false << QStringLiteral("Ajouter un favori");
}

void tst_MyPlacesPage::theTabsFollowTheLanguage()
{
    QFETCH(int, tab);
    QFETCH(bool, empty);
    QFETCH(QString, french);

    if (empty) {
        PlaceManager manager;
        for (const Place &place : { m_cafe, m_park, m_home, m_work })
            manager.removePlace(place.id());
    }
    MyPlacesApp app;
    QVERIFY(app.waitForRow(QStringLiteral("Kitchener Market")));
    QVERIFY(app.chooseTab(tab));
    QTRY_VERIFY2(
        app.text().contains(QStringLiteral("*%1*").arg(QStringList { "Recents", "Favorites", "Contacts" }.at(tab))),
        qPrintable(app.text()));
    hx::system::LocaleHandler::setLanguage(QStringLiteral("fr"));
    QTRY_VERIFY2(app.text().contains(french), qPrintable(app.text()));
    QVERIFY2(app.text().contains(QStringLiteral("Récents")), qPrintable(app.text()));
}

QTEST_MAIN(tst_MyPlacesPage)
#include "tst_myplacespage.moc"
