#include "placeview/placeviewpage_p.h"
#include <hx/pim/contacts/contactservice.h>
#include <hx/platform/places/contactauxiliarydata.h>
#include <hx/platform/places/contactstore.h>
#include <hx/platform/places/placemanager.h>
#include <hx/platform/places/tags.h>
#include <hx/system/invokemanager.h>
#include <hx/system/localehandler.h>
#include <hx/system/nfcsharemanager.h>
#include <hx/system/systemtoast.h>
#include <hx/system/systemui.h>
#include <hx/trellan/actionbarproperties.h>
#include <hx/trellan/actionitem.h>
#include <hx/trellan/navigationpane.h>
#include <hx/trellan/orientationsupport.h>
#include <hx/trellan/places/homeworkcache.h>
#include <hx/trellan/places/placeutils.h>
#include <hx/trellan/places/placeviewpage.h>
#include <hx/trellan/screentext.h>
#include <hx/trellan/testdriver.h>

#include <QtCore/QJsonDocument>
#include <QtCore/QJsonObject>
#include <QtTest/QSignalSpy>
#include <QtTest/QtTest>

#include "gazetteerfixture.h"
#include "signalwaiter.h"
#include "storefixture.h"
#include "testroots.h"

using namespace hx::platform::places;
using namespace hx::trellan::places;
using hx::pim::contacts::Contact;
using hx::pim::contacts::ContactPostalAddress;
using hx::system::SystemUi;
using hx::test::SignalWaiter;
using hx::test::StoreFixture;
using hx::trellan::ActionItem;
using hx::trellan::NavigationPane;
using hx::trellan::ScreenText;
using hx::trellan::TestDriver;

namespace {

using PlacePtr = QSharedPointer<Place>;

Place storedFavorite()
{
    Place cafe = StoreFixture::makePlace(QStringLiteral("Café Nord"), 43.4643, -80.5204,
                                         QStringLiteral("1 King Street"), QStringLiteral("Waterloo"));
    cafe.addTag(QLatin1String(Tags::Favorite));
    if (PlaceManager().addPlace(cafe) != Error::None)
        qWarning() << "cannot store the café";
    return cafe;
}

Place storedPlace(const QString &kind)
{
    if (kind == QLatin1String("home"))
        return StoreFixture::addHome(QStringLiteral("Home"), 43.4700, -80.5400);
    if (kind == QLatin1String("work"))
        return StoreFixture::addWork(QStringLiteral("Work"), 43.4760, -80.5390);
    if (kind == QLatin1String("recent"))
        return StoreFixture::addRecent(QStringLiteral("Kitchener Market"), 43.4501, -80.4890);
    return storedFavorite();
}

bool isStoredFavorite(qint64 id)
{
    PlaceManager manager;
    Error::Type error = Error::None;
    QScopedPointer<Place> place(manager.getPlace(id, error));
    return place && place->isFavorite();
}

bool isStored(qint64 id)
{
    PlaceManager manager;
    Error::Type error = Error::None;
    QScopedPointer<Place> place(manager.getPlace(id, error));
    return !place.isNull();
}

// "Name@placement" for each action of the page, "(off)" after a disabled one.
QStringList actionBar(const hx::trellan::Page *page)
{
    QStringList actions;
    for (const ActionItem *action : page->actions())
        actions << action->objectName() + QLatin1Char('@') + QString::number(action->actionBarPlacement())
                + (action->isEnabled() ? QString() : QStringLiteral("(off)"));
    return actions;
}

// The action names of the place manager usage events written so far.
QStringList placeManagerEvents(const QString &path)
{
    QStringList actions;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return actions;
    for (const QByteArray &line : file.readAll().split('\n')) {
        const QJsonObject event = QJsonDocument::fromJson(line).object();
        if (event.value(QStringLiteral("event")).toString() == QLatin1String("PlaceManagerAction"))
            actions << event.value(QStringLiteral("fields")).toObject().value(QStringLiteral("actionName")).toString();
    }
    return actions;
}

// A contact favourite: the place made from the contact's postal address, stored as a favourite.
Place storedContactFavorite(qint64 *contactId)
{
    ContactEntry contact = StoreFixture::addContact(QStringLiteral("Ada"), QStringLiteral("Lovelace"),
                                                    QStringLiteral("12 King Street"), QStringLiteral("Waterloo"));
    *contactId = contact.id;
    Place place = StoreFixture::makePlace(QStringLiteral("Ada Lovelace"), 43.4643, -80.5204,
                                          QStringLiteral("12 King Street"), QStringLiteral("Waterloo"));
    ContactAuxiliaryData data;
    data.setContactId(contact.id);
    data.setAccountId(contact.accountId);
    data.setFullName(QStringLiteral("Ada Lovelace"));
    place.addAuxiliaryData(data);
    place.setTags({ QLatin1String(Tags::Favorite) });
    PlaceManager manager;
    if (manager.addPlace(place) != Error::None)
        qWarning() << "cannot store the contact's place";
    return place;
}

ContactPostalAddress postalAddress(const QString &label, const QString &line1, const QString &city)
{
    ContactPostalAddress address;
    address.setLabel(label);
    address.setLine1(line1);
    address.setCity(city);
    return address;
}

} // namespace

class tst_PlaceViewPage : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void opensAStoredPlaceById();
    void actionBarFitsThePlace_data();
    void actionBarFitsThePlace();
    void favoriteActionFollowsTheStore_data();
    void favoriteActionFollowsTheStore();
    void actionsHandThePlaceToTheApplication_data();
    void actionsHandThePlaceToTheApplication();
    void deletingHomeOrWork_data();
    void deletingHomeOrWork();
    void unstoredPlaceIsNotDeleted();
    void placeWithoutCoordinatesWaitsForItsLocation_data();
    void placeWithoutCoordinatesWaitsForItsLocation();
    void unknownIdShowsTheNotFoundDialog();
    void searchTermShowsTheFirstMatch_data();
    void searchTermShowsTheFirstMatch();
    void backButtonPopsThePane();
    void contactAddressChoice_data();
    void contactAddressChoice();
    void contactEditRefreshesTheCard_data();
    void contactEditRefreshesTheCard();
    void editFromTheViewComesBack_data();
    void editFromTheViewComesBack();
    void editorActionBarDocksByOrientation_data();
    void editorActionBarDocksByOrientation();
    void newPlaceEditor_data();
    void newPlaceEditor();
    void onlyTheCardOnTopShares();
    void followsTheLanguage();

private:
    // Pushes the page on the pane and lets it build its action bar there, as an application does.
    PlaceViewPage *push(PlaceViewPage *page);

    QScopedPointer<hx::test::TestRoots> m_roots;
    QScopedPointer<NavigationPane> m_pane;
};

void tst_PlaceViewPage::init()
{
    qRegisterMetaType<Contact>();
    qRegisterMetaType<ContactPostalAddress>();
    qRegisterMetaType<Location>();
    m_roots.reset(new hx::test::TestRoots);
    QVERIFY(m_roots->isValid());
    hx::system::LocaleHandler::setLanguage(QStringLiteral("en_US"));
    hx::system::SystemToast::setDefaultDuration(1000);
    hx::system::InvokeManager::clearRecordedRequests();
    m_pane.reset(new NavigationPane);
    m_pane->setObjectName(QStringLiteral("Pane"));
    m_pane->push(new hx::trellan::Page);
}

void tst_PlaceViewPage::cleanup()
{
    m_pane.reset();
    // Dialogs are answered and toasts go by themselves: nothing is left for the next case.
    while (SystemUi::pressButton(hx::system::SystemUiResult::ConfirmButtonSelection)) { }
    QTRY_COMPARE_WITH_TIMEOUT(SystemUi::visibleCount(), 0, 10000);
    QTRY_COMPARE(QThreadPool::globalInstance()->activeThreadCount(), 0);
    hx::system::SystemToast::resetDefaultDuration();
    m_roots.reset();
}

PlaceViewPage *tst_PlaceViewPage::push(PlaceViewPage *page)
{
    m_pane->push(page);
    emit page->setActions();
    return page;
}

void tst_PlaceViewPage::opensAStoredPlaceById()
{
    const Place cafe = storedFavorite();
    push(new PlaceViewPage(cafe.id(), PlaceViewMode::View));
    const QString screen = ScreenText::render(m_pane.data());
    QVERIFY2(screen.contains(QStringLiteral("Café Nord")), qPrintable(screen));
    for (const char *title : { "Unfavorite", "Map", "Go", "Plan Route", "Share" })
        QVERIFY2(TestDriver::findAction(m_pane.data(), QLatin1String(title)),
                 qPrintable(title + QLatin1Char('\n') + screen));
}

void tst_PlaceViewPage::actionBarFitsThePlace_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("mode");
    QTest::addColumn<QStringList>("actions");
    QTest::newRow("favourite in the plain view")
        << "favourite" << int(PlaceViewMode::View)
        << QStringList { "UnfavoriteAction@2", "MapAction@2", "GoAction@3", "PlanRouteAction@1", "ShareAction@1" };
    QTest::newRow("favourite where editing is allowed")
        << "favourite" << int(PlaceViewMode::ViewEditable)
        << QStringList { "UnfavoriteAction@2", "MapAction@2",  "GoAction@3",
                         "PlanRouteAction@1",  "EditAction@1", "ShareAction@1" };
    QTest::newRow("a recent place is never edited")
        << "recent" << int(PlaceViewMode::ViewEditable)
        << QStringList { "FavoriteAction@2", "MapAction@2", "GoAction@3", "PlanRouteAction@1", "ShareAction@1" };
    QTest::newRow("home: delete instead of favourite, share in the overflow")
        << "home" << int(PlaceViewMode::ViewEditable)
        << QStringList { "DeleteHomeAction@1", "ShareAction@2", "MapAction@2", "GoAction@3", "PlanRouteAction@1" };
    QTest::newRow("work") << "work" << int(PlaceViewMode::View)
                          << QStringList { "DeleteWorkAction@1", "ShareAction@2", "MapAction@2", "GoAction@3",
                                           "PlanRouteAction@1" };
    QTest::newRow("the previewer has no action bar") << "favourite" << int(PlaceViewMode::Preview) << QStringList();
}

void tst_PlaceViewPage::actionBarFitsThePlace()
{
    QFETCH(QString, kind);
    QFETCH(int, mode);
    QFETCH(QStringList, actions);
    const Place place = storedPlace(kind);
    PlaceViewPage *page = push(new PlaceViewPage(place.id(), PlaceViewMode::Type(mode)));
    QCOMPARE(actionBar(page), actions);
    if (!actions.isEmpty())
        QVERIFY2(ScreenText::render(m_pane.data()).contains(QStringLiteral("Go (focused)")),
                 qPrintable(ScreenText::render(m_pane.data())));
}

void tst_PlaceViewPage::favoriteActionFollowsTheStore_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("action");
    QTest::addColumn<bool>("favorite");
    QTest::addColumn<QString>("after");
    QTest::newRow("unfavourite a favourite") << "favourite"
                                             << "Unfavorite" << false << "Favorite";
    QTest::newRow("favourite a recent place") << "recent"
                                              << "Favorite" << true << "Unfavorite";
}

void tst_PlaceViewPage::favoriteActionFollowsTheStore()
{
    QFETCH(QString, kind);
    QFETCH(QString, action);
    QFETCH(bool, favorite);
    QFETCH(QString, after);
    const Place place = storedPlace(kind);
    PlaceViewPage *page = push(new PlaceViewPage(PlacePtr(new Place(place)), PlaceViewMode::View));
    QSignalSpy changed(page, &PlaceViewPage::favoriteChanged);

    QVERIFY2(TestDriver::triggerAction(m_pane.data(), action), qPrintable(TestDriver::lastError()));
    QVERIFY(changed.wait());
    QCOMPARE(changed.first().first().toBool(), favorite);
    QCOMPARE(isStoredFavorite(place.id()), favorite);
    const QString screen = ScreenText::render(m_pane.data());
    QVERIFY2(TestDriver::findAction(m_pane.data(), after), qPrintable(screen));
    QCOMPARE(page->actionCount(), 5);
}

void tst_PlaceViewPage::actionsHandThePlaceToTheApplication_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<QByteArray>("signal");
    QTest::newRow("map") << "Map" << QByteArray(SIGNAL(mapAction(QSharedPointer<hx::platform::places::Place>)));
    QTest::newRow("go") << "Go" << QByteArray(SIGNAL(goAction(QSharedPointer<hx::platform::places::Place>)));
    QTest::newRow("plan a route") << "Plan Route"
                                  << QByteArray(SIGNAL(planRouteAction(QSharedPointer<hx::platform::places::Place>)));
}

void tst_PlaceViewPage::actionsHandThePlaceToTheApplication()
{
    QFETCH(QString, action);
    QFETCH(QByteArray, signal);
    const Place cafe = storedFavorite();
    PlaceViewPage *page = push(new PlaceViewPage(cafe.id(), PlaceViewMode::View));
    QSignalSpy spy(page, signal.constData());
    QVERIFY2(TestDriver::triggerAction(m_pane.data(), action), qPrintable(TestDriver::lastError()));
    QCOMPARE(spy.size(), 1);
    QCOMPARE(spy.first().first().value<PlacePtr>()->id(), cafe.id());
}

void tst_PlaceViewPage::deletingHomeOrWork_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("toast");
    QTest::newRow("home") << "home"
                          << "DeleteHomeAction"
                          << "Home Deleted!";
    QTest::newRow("work") << "work"
                          << "DeleteWorkAction"
                          << "Work Deleted!";
}

void tst_PlaceViewPage::deletingHomeOrWork()
{
    QFETCH(QString, kind);
    QFETCH(QString, action);
    QFETCH(QString, toast);
    const Place place = storedPlace(kind);
    // The cache knows the place before the delete; the delete must make it look again.
    QVERIFY(kind == QLatin1String("home") ? HomeWorkCache::hasMyHome() : HomeWorkCache::hasMyWork());
    PlaceViewPage *page = push(new PlaceViewPage(place.id(), PlaceViewMode::View));
    QSignalSpy deleted(page, &PlaceViewPage::deletePlace);
    QSignalSpy updated(page, &PlaceViewPage::placeUpdated);

    QVERIFY2(TestDriver::triggerAction(m_pane.data(), action), qPrintable(TestDriver::lastError()));
    QCOMPARE(deleted.size(), 1);
    QCOMPARE(deleted.first().first().toLongLong(), place.id());
    QCOMPARE(updated.size(), 1);
    QVERIFY(!isStored(place.id()));
    QCOMPARE(SystemUi::findByObjectName(QStringLiteral("DeleteToast")).body, toast);
    QVERIFY(!(kind == QLatin1String("home") ? HomeWorkCache::hasMyHome() : HomeWorkCache::hasMyWork()));
}

void tst_PlaceViewPage::unstoredPlaceIsNotDeleted()
{
    // A store that cannot be opened keeps the shown home from ever getting an id.
    QFile blocker(m_roots->path() + QStringLiteral("/blocker"));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    qputenv("HX_PLACES_DB", QFile::encodeName(blocker.fileName() + QStringLiteral("/places.db")));
    Place home = StoreFixture::makePlace(QStringLiteral("Home"), 43.47, -80.54);
    home.setTags({ QLatin1String(Tags::MyHome) });
    PlaceViewPage *page = push(new PlaceViewPage(PlacePtr(new Place(home)), PlaceViewMode::View));
    QVERIFY(page->actionCount() > 0);
    QVERIFY(page->d_func()->place()->id() < 1);
    QSignalSpy deleted(page, &PlaceViewPage::deletePlace);
    QSignalSpy updated(page, &PlaceViewPage::placeUpdated);
    QVERIFY2(TestDriver::triggerAction(m_pane.data(), QStringLiteral("DeleteHomeAction")),
             qPrintable(TestDriver::lastError()));
    QCOMPARE(deleted.size(), 0);
    QCOMPARE(updated.size(), 0);
    // Not even a store error: the delete is not tried.
    QCOMPARE(SystemUi::visibleCount(), 0);
}

void tst_PlaceViewPage::placeWithoutCoordinatesWaitsForItsLocation_data()
{
    QTest::addColumn<bool>("byId");

    QTest::newRow("a place handed over") << false;
    QTest::newRow("a place opened by its id") << true;
}

void tst_PlaceViewPage::placeWithoutCoordinatesWaitsForItsLocation()
{
    QFETCH(bool, byId);

    hx::platform::places::GazetteerEntry entry = hx::test::GazetteerFixture::entry(
        GazetteerEntry::Address, QStringLiteral("200 University Avenue West"), 43.4723, -80.5449, 10);
    entry.street = QStringLiteral("200 University Avenue West");
    entry.city = QStringLiteral("Waterloo");
    entry.country = QStringLiteral("Canada");
    entry.countryCode = QStringLiteral("CA");
    QVERIFY(hx::test::GazetteerFixture::write(m_roots->gazetteerPath(), { entry }));
    Address typed;
    typed.setLabel(QStringLiteral("200 University Avenue West, Waterloo"));
    Place office(QStringLiteral("Office"), Location(Coordinates(), typed));
    office.setTags({ QLatin1String(Tags::Favorite) });
    PlaceManager manager;
    QCOMPARE(manager.addPlace(office), Error::None);

    PlaceViewPage *page = push(byId ? new PlaceViewPage(office.id(), PlaceViewMode::View)
                                    : new PlaceViewPage(PlacePtr(new Place(office)), PlaceViewMode::View));
    QCOMPARE(actionBar(page),
             (QStringList { "UnfavoriteAction@2", "MapAction@2(off)", "GoAction@3(off)", "PlanRouteAction@1(off)",
                            "ShareAction@1(off)" }));
    QTRY_COMPARE(
        actionBar(page),
        (QStringList { "UnfavoriteAction@2", "MapAction@2", "GoAction@3", "PlanRouteAction@1", "ShareAction@1" }));
}

void tst_PlaceViewPage::unknownIdShowsTheNotFoundDialog()
{
    PlaceViewPage *page = push(new PlaceViewPage(qint64(4711), PlaceViewMode::View));
    const hx::system::SystemUiRecord dialog = SystemUi::findByObjectName(QStringLiteral("PlaceNotFoundDialog"));
    QCOMPARE(dialog.title, QStringLiteral("The place can't be found, id = 4711"));
    QVERIFY(!page->content());
    QCOMPARE(page->actionCount(), 0);
    QVERIFY(TestDriver::pressDialogButton(QStringLiteral("OK")));
    QVERIFY(SystemUi::findByObjectName(QStringLiteral("PlaceNotFoundDialog")).isNull());
    QVERIFY2(page->content() == nullptr, qPrintable(ScreenText::render(m_pane.data())));
}

void tst_PlaceViewPage::searchTermShowsTheFirstMatch_data()
{
    QTest::addColumn<int>("stored");
    QTest::addColumn<QString>("term");
    QTest::addColumn<QString>("shown");
    QTest::newRow("more than a hundred matches") << 120 << "Kiosk"
                                                 << "Kiosk";
    QTest::newRow("no match") << 3 << "Zzyzx"
                              << "No places found for <Zzyzx>";
}

void tst_PlaceViewPage::searchTermShowsTheFirstMatch()
{
    QFETCH(int, stored);
    QFETCH(QString, term);
    QFETCH(QString, shown);
    for (int i = 0; i < stored; ++i)
        StoreFixture::addRecent(QStringLiteral("Kiosk %1").arg(i), 43.40 + i * 0.001, -80.50);
    push(new PlaceViewPage(term, PlaceViewMode::View));
    const QString screen = ScreenText::render(m_pane.data());
    QVERIFY2(screen.contains(shown), qPrintable(screen));
    QCOMPARE(bool(TestDriver::findAction(m_pane.data(), QStringLiteral("Go"))), shown == term);
}

void tst_PlaceViewPage::backButtonPopsThePane()
{
    const Place cafe = storedFavorite();
    PlaceViewPage *page = push(new PlaceViewPage(cafe.id(), PlaceViewMode::View));
    QCOMPARE(page->d_func()->backState(), int(PlaceViewPagePrivate::BackPops));
    QVERIFY(m_pane->backButtonsVisible());
    emit page->setActions();
    QCOMPARE(m_pane->count(), 2);
    QVERIFY2(TestDriver::pressBack(m_pane.data()), qPrintable(TestDriver::lastError()));
    QCOMPARE(m_pane->count(), 1);
}

void tst_PlaceViewPage::contactAddressChoice_data()
{
    QTest::addColumn<QList<ContactPostalAddress>>("addresses");
    QTest::addColumn<QString>("dialogTitle");
    QTest::addColumn<QString>("chosen");
    const ContactPostalAddress empty;
    const ContactPostalAddress king
        = postalAddress(QString(), QStringLiteral("12 King Street"), QStringLiteral("Waterloo"));
    const ContactPostalAddress cottage
        = postalAddress(QStringLiteral("Cottage"), QStringLiteral("1 Lake Road"), QStringLiteral("Huntsville"));
    QTest::newRow("an empty address is left out: no question")
        << QList<ContactPostalAddress> { empty, king } << QString() << "12 King Street";
    QTest::newRow("two addresses: the user chooses")
        << QList<ContactPostalAddress> { king, cottage } << "2 Addresses Found"
        << "12 King Street";
    QTest::newRow("none: an empty location") << QList<ContactPostalAddress> { empty } << QString() << QString();
}

void tst_PlaceViewPage::contactAddressChoice()
{
    QFETCH(QList<ContactPostalAddress>, addresses);
    QFETCH(QString, dialogTitle);
    QFETCH(QString, chosen);
    hx::pim::contacts::ContactService service;
    Contact contact;
    contact.setFirstName(QStringLiteral("Ada"));
    contact.setPostalAddresses(addresses);
    contact = service.createContact(contact);
    QVERIFY(contact.isValid());

    const Place cafe = storedFavorite();
    PlaceViewPage *page = push(new PlaceViewPage(cafe.id(), PlaceViewMode::View));
    PlaceViewPagePrivate *d = page->d_func();
    QSignalSpy address(d, &PlaceViewPagePrivate::onContactAddress);
    QSignalSpy location(d, &PlaceViewPagePrivate::onMyLocation);
    d->onContactSelected(int(contact.id()));
    if (!dialogTitle.isEmpty()) {
        const QString screen = ScreenText::render(m_pane.data());
        QVERIFY2(screen.contains(dialogTitle), qPrintable(screen));
        QCOMPARE(address.size(), 0);
        QVERIFY2(TestDriver::clickButton(m_pane.data(), QStringLiteral("OK")), qPrintable(TestDriver::lastError()));
    }
    if (chosen.isEmpty()) {
        QCOMPARE(address.size(), 0);
        QCOMPARE(location.size(), 1);
        return;
    }
    QTRY_COMPARE(address.size(), 1);
    QCOMPARE(address.first().at(1).value<ContactPostalAddress>().line1(), chosen);
    QCOMPARE(address.first().at(0).value<Contact>().id(), contact.id());
}

void tst_PlaceViewPage::contactEditRefreshesTheCard_data()
{
    QTest::addColumn<bool>("removed");
    QTest::newRow("the contact loses its address: the removal toast") << true;
    QTest::newRow("the address changes: the card shows the new one") << false;
}

void tst_PlaceViewPage::contactEditRefreshesTheCard()
{
    QFETCH(bool, removed);
    qint64 contactId = 0;
    Place ada = storedContactFavorite(&contactId);
    push(new PlaceViewPage(ada.id(), PlaceViewMode::ViewEditable));
    QVERIFY2(TestDriver::triggerAction(m_pane.data(), QStringLiteral("EditAction")),
             qPrintable(TestDriver::lastError()));
    const QList<hx::system::InvokeRequest> requests = hx::system::InvokeManager::recordedRequests();
    QCOMPARE(requests.size(), 1);
    QCOMPARE(requests.first().action(), QStringLiteral("hx.action.EDIT"));
    QCOMPARE(requests.first().target(), QStringLiteral("sys.pim.contacts.card.composer"));
    QCOMPARE(requests.first().data(), QByteArray::number(contactId));

    if (removed) {
        ContactStore().removeContact(contactId);
    } else {
        Location moved = ada.location(0);
        Address address = moved.address();
        address.setStreet(QStringLiteral("99 Erb Street"));
        moved.setAddress(address);
        ada.setLocations({ moved });
        QCOMPARE(PlaceManager().updatePlace(ada), Error::None);
    }
    hx::pim::contacts::ContactService::notifyContactsChanged({ int(contactId) });
    if (removed) {
        QTRY_COMPARE(SystemUi::findByObjectName(QStringLiteral("DeleteToast")).body,
                     QStringLiteral("'Ada Lovelace' was removed from My Places because the contact entry no longer "
                                    "includes an address."));
    } else {
        QTRY_VERIFY2(ScreenText::render(m_pane.data()).contains(QStringLiteral("99 Erb Street")),
                     qPrintable(ScreenText::render(m_pane.data())));
    }
}

void tst_PlaceViewPage::editFromTheViewComesBack_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("name"); // shown and stored afterwards
    QTest::addColumn<QStringList>("logged"); // place manager usage events

    QTest::newRow("saved with the new name")
        << "SaveEditAction" << QStringLiteral("Café Sud") << QStringList { "save" };
    QTest::newRow("cancelled as it was") << "CancelEditAction" << QStringLiteral("Café Nord") << QStringList();
}

void tst_PlaceViewPage::editFromTheViewComesBack()
{
    QFETCH(QString, button);
    QFETCH(QString, name);
    QFETCH(QStringList, logged);

    const Place cafe = storedFavorite();
    PlaceViewPage *page = push(new PlaceViewPage(cafe.id(), PlaceViewMode::ViewEditable));
    QVERIFY2(TestDriver::triggerAction(m_pane.data(), QStringLiteral("Edit")), qPrintable(TestDriver::lastError()));
    QString screen = ScreenText::render(m_pane.data());
    QVERIFY2(screen.contains(QStringLiteral("Title: Edit")), qPrintable(screen));
    QCOMPARE(actionBar(page), QStringList { "AddFieldAction@1" });
    QVERIFY(!m_pane->backButtonsVisible());

    QVERIFY2(TestDriver::replaceText(m_pane.data(), QStringLiteral("NameField"), QStringLiteral("Café Sud")),
             qPrintable(TestDriver::lastError()));
    QTRY_VERIFY2(TestDriver::findAction(m_pane.data(), QStringLiteral("SaveEditAction")),
                 qPrintable(ScreenText::render(m_pane.data())));
    QVERIFY2(TestDriver::triggerAction(m_pane.data(), button), qPrintable(TestDriver::lastError()));
    QTRY_VERIFY2(TestDriver::findAction(m_pane.data(), QStringLiteral("Go")),
                 qPrintable(ScreenText::render(m_pane.data())));
    screen = ScreenText::render(m_pane.data());
    QVERIFY2(screen.contains(name), qPrintable(screen));
    QCOMPARE(page->d_func()->viewMode(), PlaceViewMode::ViewEditable);
    QVERIFY(m_pane->backButtonsVisible());
    PlaceManager manager;
    Error::Type error = Error::None;
    QScopedPointer<Place> stored(manager.getPlace(cafe.id(), error));
    QCOMPARE(stored->name(), name);
    QCOMPARE(placeManagerEvents(m_roots->eventLogPath()), logged);
}

void tst_PlaceViewPage::editorActionBarDocksByOrientation_data()
{
    QTest::addColumn<int>("orientation");
    QTest::addColumn<int>("docking");
    QTest::newRow("landscape") << int(hx::trellan::UIOrientation::Landscape) << 1;
    QTest::newRow("portrait") << int(hx::trellan::UIOrientation::Portrait) << 2;
}

void tst_PlaceViewPage::editorActionBarDocksByOrientation()
{
    QFETCH(int, orientation);
    QFETCH(int, docking);
    const Place cafe = storedFavorite();
    PlaceViewPage *page = push(new PlaceViewPage(cafe.id(), PlaceViewMode::ViewEditable));
    QVERIFY(!page->actionBarProperties());
    QVERIFY2(TestDriver::triggerAction(m_pane.data(), QStringLiteral("Edit")), qPrintable(TestDriver::lastError()));
    QVERIFY(page->actionBarProperties());
    hx::trellan::OrientationSupport::instance()->rotateTo(1 - orientation);
    hx::trellan::OrientationSupport::instance()->rotateTo(orientation);
    QCOMPARE(page->actionBarProperties()->docking(), docking);
    hx::trellan::OrientationSupport::instance()->rotateTo(0);
}

void tst_PlaceViewPage::newPlaceEditor_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("tag");
    QTest::newRow("home") << int(PlaceViewPage::Home) << "Add Home" << QString(Tags::MyHome);
    QTest::newRow("work") << int(PlaceViewPage::Work) << "Add Work" << QString(Tags::MyWork);
    QTest::newRow("favourite") << 0 << "Add Favorite" << QString();
}

void tst_PlaceViewPage::newPlaceEditor()
{
    QFETCH(int, type);
    QFETCH(QString, title);
    QFETCH(QString, tag);
    PlaceViewPage *page = push(new PlaceViewPage(PlaceViewPage::PlaceType(type)));
    QSignalSpy back(page, &PlaceViewPage::back);
    const QString screen = ScreenText::render(m_pane.data());
    QVERIFY2(screen.contains(QStringLiteral("Title: ") + title), qPrintable(screen));
    QVERIFY2(TestDriver::find(m_pane.data(), QStringLiteral("NameField")), qPrintable(screen));
    QCOMPARE(page->d_func()->viewMode(), PlaceViewMode::NewPlace);
    QCOMPARE(page->d_func()->place()->hasTag(tag), !tag.isEmpty());
    QVERIFY2(TestDriver::triggerAction(m_pane.data(), QStringLiteral("CancelEditAction")),
             qPrintable(TestDriver::lastError()));
    QCOMPARE(back.size(), 1);
}

void tst_PlaceViewPage::onlyTheCardOnTopShares()
{
    const QSharedPointer<hx::system::NfcShareManager> nfc = PlaceUtils::getNfcShareManagerInstance();
    push(new PlaceViewPage(PlacePtr(new Place(storedPlace(QStringLiteral("favorite")))), PlaceViewMode::View));
    const QString below = nfc->shareContent().uri().toString();
    push(new PlaceViewPage(PlacePtr(new Place(storedPlace(QStringLiteral("work")))), PlaceViewMode::View));
    const QString top = nfc->shareContent().uri().toString();
    QVERIFY2(!below.isEmpty() && below != top, qPrintable(below));

    // Another phone takes the place: the card on top offers its place again, the one below nothing.
    const int before = nfc->history().size();
    nfc->tap();
    const QList<hx::system::NfcShareManager::Record> after = nfc->history().mid(before);
    QVERIFY(!after.isEmpty());
    for (const hx::system::NfcShareManager::Record &record : after)
        QCOMPARE(record.content.uri().toString(), top);

    // Back on the first card, its place is the one shared.
    delete m_pane->pop();
    QCOMPARE(nfc->shareContent().uri().toString(), below);
}

void tst_PlaceViewPage::followsTheLanguage()
{
    const Place home = storedPlace(QStringLiteral("home"));
    push(new PlaceViewPage(home.id(), PlaceViewMode::View));
    const QString before = ScreenText::render(m_pane.data());
    QVERIFY2(TestDriver::findAction(m_pane.data(), QStringLiteral("Plan Route")), qPrintable(before));
    hx::system::LocaleHandler::setLanguage(QStringLiteral("fr"));
    QTRY_VERIFY2(!TestDriver::findAction(m_pane.data(), QStringLiteral("Plan Route")),
                 qPrintable(ScreenText::render(m_pane.data())));
    QVERIFY2(TestDriver::triggerAction(m_pane.data(), QStringLiteral("DeleteHomeAction")),
             qPrintable(TestDriver::lastError()));
    QCOMPARE(SystemUi::findByObjectName(QStringLiteral("DeleteToast")).body, QStringLiteral("Domicile supprimé !"));
}

QTEST_MAIN(tst_PlaceViewPage)
#include "tst_placeviewpage.moc"
