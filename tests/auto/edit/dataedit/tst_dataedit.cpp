#include <hx/trellan/places/dataedit.h>
#include <hx/trellan/places/editplacecontent.h>
#include <hx/trellan/places/homeworkcache.h>
#include <hx/trellan/places/mapdock.h>
#include <hx/trellan/places/namefield.h>

#include <hx/platform/places/contactauxiliarydata.h>
#include <hx/platform/places/placemanager.h>
#include <hx/platform/places/pointofinterestauxiliarydata.h>
#include <hx/platform/places/tags.h>
#include <hx/system/localehandler.h>
#include <hx/system/systemui.h>
#include <hx/trellan/actionitem.h>
#include <hx/trellan/enums.h>
#include <hx/trellan/page.h>
#include <hx/trellan/screentext.h>
#include <hx/trellan/sheet.h>
#include <hx/trellan/testdriver.h>
#include <hx/trellan/textfield.h>
#include <hx/trellan/titlebar.h>

#include "dialogpresser.h"
#include "gazetteerfixture.h"
#include "signalwaiter.h"
#include "storefixture.h"
#include "testroots.h"

#include <QtTest/QSignalSpy>
#include <QtTest/QtTest>

using namespace hx::platform::places;
using namespace hx::test;
using namespace hx::trellan::places;
using hx::system::SystemUi;
using hx::trellan::ScreenText;
using hx::trellan::TestDriver;

namespace {

const QString UNIVERSITY = QStringLiteral("200 University Ave W");
const QString ERB = QStringLiteral("7 Erb Street");

// The editor as the place card shows it: Save on the title bar, following the form, and the
// address geocoded by the card's own map.
class EditorPage : public hx::trellan::Page
{
public:
    explicit EditorPage(Place &place, const QString &text = QString())
        : m_place(new Place(place)),
          m_save(new hx::trellan::ActionItem),
          m_content(text.isEmpty() ? new EditPlaceContent(
                        m_place, place.isPersisted() ? PlaceViewMode::Edit : PlaceViewMode::NewPlace)
                                   : new EditPlaceContent(m_place, text)),
          m_original(place)
    {
        auto *bar = new hx::trellan::TitleBar;
        bar->setTitle(QStringLiteral("Edit"));
        m_save->setObjectName(QStringLiteral("SaveAction"));
        m_save->setTitle(QStringLiteral("Save"));
        m_save->setEnabled(false);
        bar->setAcceptAction(m_save);
        setTitleBar(bar);
        setContent(m_content);
        connect(m_content, &EditPlaceContent::enableSaveState, m_save, &hx::trellan::ActionItem::setEnabled);
        connect(m_save, &hx::trellan::ActionItem::triggered, m_content, &EditPlaceContent::onSaveButtonClicked);
        connect(form(), &DataEdit::addressChanged, this, [this] { ++geocodings; });
        connect(dock(), &MapDock::geocodingResult, this, [this] { ++answers; });
        // The caller's record follows what the form saved, as the card's own place does.
        connect(form(), &DataEdit::saved, this, [this] { m_original = *m_place; });
    }

    DataEdit *form() const { return m_content->form(); }
    MapDock *dock() const { return m_content->mapDock(); }
    bool saveEnabled() const { return m_save->isEnabled(); }
    int geocodings = 0; // addresses the form asked the map for
    int answers = 0; // answers the map gave

private:
    QSharedPointer<Place> m_place;
    hx::trellan::ActionItem *m_save;
    EditPlaceContent *m_content;
    Place &m_original;
};

bool writeGazetteer(const QString &path)
{
    GazetteerEntry university = GazetteerFixture::entry(GazetteerEntry::Address, UNIVERSITY, 43.4723, -80.5449);
    university.street = UNIVERSITY;
    university.city = QStringLiteral("Waterloo");
    GazetteerEntry erb = GazetteerFixture::entry(GazetteerEntry::Address, ERB, 43.4643, -80.5204);
    erb.street = ERB;
    erb.city = QStringLiteral("Waterloo");
    return GazetteerFixture::write(path, { university, erb });
}

QList<Place> storedNamed(const QString &name)
{
    PlaceManager manager;
    Error::Type error = Error::None;
    SearchHandle handle;
    QList<Place> found;
    const QList<AbstractPlace *> places
        = manager.findPlaces(name, error, handle, SortRule(), 0, 50, true, Coordinates());
    for (AbstractPlace *place : places) {
        if (auto *full = dynamic_cast<Place *>(place); full && full->name() == name)
            found << *full;
        delete place;
    }
    return found;
}

// A favourite with a street address, as the form shows it.
Place storedFavorite(const QString &name, double latitude, double longitude)
{
    Place place = StoreFixture::makePlace(name, latitude, longitude, UNIVERSITY, QStringLiteral("Waterloo"));
    place.addTag(QLatin1String(Tags::Favorite));
    PlaceManager manager;
    manager.addPlace(place);
    return place;
}

Place storedPlace(qint64 id)
{
    PlaceManager manager;
    Error::Type error = Error::None;
    QScopedPointer<Place> place(manager.getPlace(id, error));
    return place ? *place : Place();
}

bool addressReachable(const hx::trellan::Page &page)
{
    const auto *field = TestDriver::find<hx::trellan::TextField>(&page, QStringLiteral("AddressField"));
    return field && field->focusPolicy() != hx::trellan::FocusPolicy::None;
}

QString phoneOf(const Place &place)
{
    return place.hasAuxiliaryData() ? PointOfInterestAuxiliaryData(place.auxiliaryData().first()).phoneNumber()
                                    : QString();
}

} // namespace

class tst_DataEdit : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void createsAFavouriteFromWhatIsTyped();
    void theLastTypedAddressIsTheOneSaved();
    void saveFollowsTheNameAndTheAddress_data();
    void saveFollowsTheNameAndTheAddress();
    void invalidFieldsShowTheirMessage_data();
    void invalidFieldsShowTheirMessage();
    void editingAStoredPlaceKeepsItsPosition();
    void aStoredContactKeepsItsPosition();
    void duplicateQuestion_data();
    void duplicateQuestion();
    void homeChoice_data();
    void homeChoice();
    void addFieldSheetOffersWhatIsMissing();
    void followsTheLanguage();

private:
    QScopedPointer<TestRoots> m_roots;
};

void tst_DataEdit::init()
{
    m_roots.reset(new TestRoots);
    QVERIFY(m_roots->isValid());
    QVERIFY(writeGazetteer(m_roots->gazetteerPath()));
    HomeWorkCache::setDirty(HomeWorkCache::All);
    SystemUi::clearHistory();
}

void tst_DataEdit::cleanup()
{
    hx::system::LocaleHandler::setLanguage(QStringLiteral("en"));
    for (hx::trellan::Sheet *sheet : hx::trellan::Sheet::openSheets())
        sheet->close();
    m_roots.reset();
}

void tst_DataEdit::createsAFavouriteFromWhatIsTyped()
{
    Place place;
    EditorPage page(place);
    QSignalSpy saved(page.form(), &DataEdit::saved);
    QVERIFY(TestDriver::typeText(&page, QStringLiteral("NameField"), QStringLiteral("Campus")));
    QVERIFY2(!page.saveEnabled(), qPrintable(ScreenText::render(&page)));
    QVERIFY(TestDriver::typeText(&page, QStringLiteral("AddressField"), UNIVERSITY));
    // Typing elsewhere while the address is geocoded leaves Save disabled until the answer.
    QVERIFY(TestDriver::typeText(&page, QStringLiteral("PhoneNumberField"), QStringLiteral("+1 519 555 0199")));
    QVERIFY2(!page.saveEnabled() || page.answers > 0, "Save was enabled while the address was geocoded");
    QTRY_VERIFY(page.saveEnabled());

    QVERIFY(TestDriver::triggerAction(&page, QStringLiteral("SaveAction")));
    QVERIFY(SignalWaiter::wait(saved));
    QVERIFY(!SignalWaiter::wait(saved, 2, 200));
    QCOMPARE(page.geocodings, 1);

    const QList<Place> stored = storedNamed(QStringLiteral("Campus"));
    QCOMPARE(stored.size(), 1);
    QVERIFY(stored.first().hasTag(QLatin1String(Tags::Favorite)));
    QCOMPARE(stored.first().location(0).coordinates().latitude(), 43.4723);
    QCOMPARE(stored.first().location(0).coordinates().longitude(), -80.5449);
    QCOMPARE(phoneOf(stored.first()), QStringLiteral("+1 519 555 0199"));
}

void tst_DataEdit::theLastTypedAddressIsTheOneSaved()
{
    Place place;
    EditorPage page(place);
    QSignalSpy saved(page.form(), &DataEdit::saved);
    QVERIFY(TestDriver::typeText(&page, QStringLiteral("NameField"), QStringLiteral("Office")));
    // One address entered, then another before the first is found.
    QVERIFY(TestDriver::replaceText(&page, QStringLiteral("AddressField"), UNIVERSITY));
    QVERIFY(TestDriver::submit(&page, QStringLiteral("AddressField")));
    QVERIFY(TestDriver::replaceText(&page, QStringLiteral("AddressField"), ERB));
    QVERIFY(TestDriver::submit(&page, QStringLiteral("AddressField")));
    QTRY_VERIFY_WITH_TIMEOUT(page.saveEnabled(), 10000);
    QVERIFY(TestDriver::triggerAction(&page, QStringLiteral("SaveAction")));
    QVERIFY2(SignalWaiter::wait(saved, 1, 10000), qPrintable(ScreenText::render(&page)));

    // The first address's late answer changes neither the store nor the form.
    QVERIFY(!SignalWaiter::waitFor([&page] { return page.answers > 1; }, 1000));
    const Place stored = storedPlace(place.id());
    QCOMPARE(stored.location(0).coordinates().latitude(), 43.4643);
    QVERIFY2(stored.location(0).address().label().contains(ERB), qPrintable(stored.location(0).address().label()));
    QVERIFY2(ScreenText::render(&page).contains(ERB), qPrintable(ScreenText::render(&page)));
}

void tst_DataEdit::saveFollowsTheNameAndTheAddress_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("pasted");
    QTest::addColumn<QString>("address");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<QString>("stored");

    const QString longest(256, QLatin1Char('x'));
    QTest::newRow("a name and an address") << "Campus" << false << UNIVERSITY << true << "Campus";
    QTest::newRow("only blanks in the name") << "   " << false << UNIVERSITY << false << "";
    QTest::newRow("only blanks in the address") << "Campus" << false << " \t " << false << "";
    QTest::newRow("no name") << "" << false << UNIVERSITY << false << "";
    QTest::newRow("control characters are text like any other")
        << "A\x01\x7f" << false << UNIVERSITY << true << "A\x01\x7f";
    // Cut to what import and links keep.
    QTest::newRow("ten thousand characters typed")
        << QString(10000, QLatin1Char('x')) << false << UNIVERSITY << true << longest;
    QTest::newRow("ten thousand characters pasted")
        << QString(10000, QLatin1Char('x')) << true << UNIVERSITY << true << longest;
    QTest::newRow("a character of two units at the limit")
        << QString(255, QLatin1Char('x')) + QStringLiteral("\U0001F600") << false << UNIVERSITY << true
        << QString(255, QLatin1Char('x'));
}

void tst_DataEdit::saveFollowsTheNameAndTheAddress()
{
    QFETCH(QString, name);
    QFETCH(bool, pasted);
    QFETCH(QString, address);
    QFETCH(bool, enabled);
    QFETCH(QString, stored);

    Place place;
    EditorPage page(place);
    QSignalSpy saved(page.form(), &DataEdit::saved);
    QVERIFY(TestDriver::typeText(&page, QStringLiteral("AddressField"), address));
    if (pasted)
        QVERIFY(TestDriver::pasteText(&page, QStringLiteral("NameField"), name));
    else if (!name.isEmpty())
        QVERIFY(TestDriver::replaceText(&page, QStringLiteral("NameField"), name));
    QVERIFY(TestDriver::submit(&page, QStringLiteral("AddressField")));
    QTRY_COMPARE(page.geocodings, 1);
    // Save waits for the geocoder, then follows the form.
    QTRY_COMPARE_WITH_TIMEOUT(page.saveEnabled(), enabled, 5000);
    if (!enabled) {
        QVERIFY2(!TestDriver::triggerAction(&page, QStringLiteral("SaveAction")),
                 qPrintable(ScreenText::render(&page)));
        return;
    }
    QVERIFY(TestDriver::triggerAction(&page, QStringLiteral("SaveAction")));
    QVERIFY(SignalWaiter::wait(saved));
    QCOMPARE(storedPlace(place.id()).name(), stored);
}

void tst_DataEdit::invalidFieldsShowTheirMessage_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");
    QTest::addColumn<bool>("saves");

    QTest::newRow("an empty name") << "NameField"
                                   << ""
                                   << "A place name is required to save this as a favorite" << false;
    QTest::newRow("an address the gazetteer does not know") << "AddressField"
                                                            << "1 Nowhere Lane"
                                                            << "Address not found" << true;
    QTest::newRow("an e-mail without an at sign") << "EMailField"
                                                  << "bob.example.org"
                                                  << "Email not recognized" << true;
}

void tst_DataEdit::invalidFieldsShowTheirMessage()
{
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(QString, message);
    QFETCH(bool, saves);

    Place stored = storedFavorite(QStringLiteral("Library"), 43.4680, -80.5400);
    EditorPage page(stored);
    QSignalSpy saved(page.form(), &DataEdit::saved);
    if (field == QLatin1String("EMailField")) {
        page.form()->onAddField(1);
        QVERIFY(TestDriver::typeText(&page, field, text));
    } else {
        QVERIFY(TestDriver::replaceText(&page, field, text));
        QVERIFY(TestDriver::submit(&page, field));
    }
    const QString expected = QStringLiteral("(error: %1)").arg(message);
    QTRY_VERIFY2(ScreenText::render(&page).contains(expected), qPrintable(ScreenText::render(&page)));

    QTRY_COMPARE_WITH_TIMEOUT(page.saveEnabled(), saves, 5000);
    if (!saves)
        return;
    QVERIFY(TestDriver::triggerAction(&page, QStringLiteral("SaveAction")));
    QVERIFY2(SignalWaiter::wait(saved), qPrintable(ScreenText::render(&page)));
    QCOMPARE(storedNamed(QStringLiteral("Library")).size(), 1);
}

void tst_DataEdit::editingAStoredPlaceKeepsItsPosition()
{
    Place stored = storedFavorite(QStringLiteral("Library"), 43.4680, -80.5400);
    EditorPage page(stored);
    QSignalSpy saved(page.form(), &DataEdit::saved);
    QVERIFY(TestDriver::typeText(&page, QStringLiteral("PhoneNumberField"), QStringLiteral("555")));
    QVERIFY(TestDriver::triggerAction(&page, QStringLiteral("SaveAction")));
    QVERIFY(SignalWaiter::wait(saved));
    QCOMPARE(page.geocodings, 0);
    QCOMPARE(SystemUi::visibleCount(), 0); // no duplicate question for the place itself

    const Place after = storedPlace(stored.id());
    QCOMPARE(phoneOf(after), QStringLiteral("555"));
    QCOMPARE(after.location(0).coordinates().latitude(), 43.4680);
    QCOMPARE(storedNamed(QStringLiteral("Library")).size(), 1);
}

void tst_DataEdit::aStoredContactKeepsItsPosition()
{
    // A contact's address stored with its position, and a favourite of the same name there.
    StoreFixture::addFavorite(QStringLiteral("Ana Lee"), 43.4680, -80.5400);
    Place contact = StoreFixture::makePlace(QStringLiteral("Ana Lee"), 43.4680, -80.5400);
    ContactAuxiliaryData card;
    card.setFullName(QStringLiteral("Ana Lee"));
    card.setMobilePhone(QStringLiteral("+1 519 555 0100"));
    contact.addAuxiliaryData(card);
    PlaceManager manager;
    QCOMPARE(manager.addPlace(contact), Error::None);

    EditorPage page(contact);
    QSignalSpy saved(page.form(), &DataEdit::saved);
    QVERIFY(TestDriver::replaceText(&page, QStringLiteral("AddressField"), UNIVERSITY));
    QVERIFY(TestDriver::triggerAction(&page, QStringLiteral("SaveAction")));
    QVERIFY(SignalWaiter::wait(saved));
    QCOMPARE(page.geocodings, 1);
    QCOMPARE(SystemUi::visibleCount(), 0); // no duplicate question for a contact

    const Place after = storedPlace(contact.id());
    QCOMPARE(after.location(0).coordinates().latitude(), 43.4680);
    QCOMPARE(ContactAuxiliaryData(after.auxiliaryData().first()).mobilePhone(), QStringLiteral("+1 519 555 0100"));
}

void tst_DataEdit::duplicateQuestion_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<int>("libraries"); // stored afterwards
    QTest::addColumn<bool>("oldOneKept");

    QTest::newRow("replace leaves the new place only") << "Replace" << 1 << false;
    QTest::newRow("cancel leaves the store as it was") << "Cancel" << 1 << true;
}

void tst_DataEdit::duplicateQuestion()
{
    QFETCH(QString, answer);
    QFETCH(int, libraries);
    QFETCH(bool, oldOneKept);

    const Place old = StoreFixture::addFavorite(QStringLiteral("Library"), 43.4723, -80.5449);
    Place place;
    EditorPage page(place);
    QSignalSpy saved(page.form(), &DataEdit::saved);
    QVERIFY(TestDriver::typeText(&page, QStringLiteral("NameField"), QStringLiteral("Library")));
    QVERIFY(TestDriver::typeText(&page, QStringLiteral("AddressField"), UNIVERSITY));
    DialogPresser presser(QStringLiteral("Duplicate Place"), answer);
    QVERIFY(TestDriver::triggerAction(&page, QStringLiteral("SaveAction")));
    QTRY_VERIFY(presser.hasPressed());
    QCOMPARE(presser.pressedBody(),
             QStringLiteral("This place already exists on the device. Do you want to replace the existing place?"));
    QCOMPARE(SignalWaiter::wait(saved, 1, 1000), !oldOneKept);
    // Left in the form, the user can still reach the address.
    if (oldOneKept)
        QVERIFY(addressReachable(page));
    QCOMPARE(storedNamed(QStringLiteral("Library")).size(), libraries);
    QCOMPARE(storedPlace(old.id()).id() == old.id(), oldOneKept);
}

void tst_DataEdit::homeChoice_data()
{
    QTest::addColumn<bool>("homeStored");
    QTest::addColumn<QString>("answer"); // to "Replace Home?"
    QTest::addColumn<bool>("saves");

    QTest::newRow("the first home is tagged without a question") << false << QString() << true;
    QTest::newRow("replacing the home removes the old one") << true << "Replace" << true;
    QTest::newRow("keeping the old home stops the save") << true << "Don't Replace" << false;
}

void tst_DataEdit::homeChoice()
{
    QFETCH(bool, homeStored);
    QFETCH(QString, answer);
    QFETCH(bool, saves);

    Place oldHome;
    if (homeStored)
        oldHome = StoreFixture::addHome(QStringLiteral("Old Home"), 43.45, -80.49);
    Place place;
    EditorPage page(place);
    QSignalSpy saved(page.form(), &DataEdit::saved);
    QVERIFY(TestDriver::chooseOption(&page, QStringLiteral("NameFieldDropDown"), NameField::Home));
    QCOMPARE(TestDriver::find<hx::trellan::TextField>(&page, QStringLiteral("NameField"))->text(),
             QStringLiteral("Home"));
    QVERIFY(TestDriver::typeText(&page, QStringLiteral("AddressField"), UNIVERSITY));
    QScopedPointer<DialogPresser> presser;
    if (!answer.isEmpty())
        presser.reset(new DialogPresser(QStringLiteral("Replace Home?"), answer));
    QVERIFY(TestDriver::triggerAction(&page, QStringLiteral("SaveAction")));
    QCOMPARE(SignalWaiter::wait(saved, 1, saves ? 5000 : 1000), saves);
    if (!saves)
        QVERIFY(addressReachable(page));
    if (presser) {
        QVERIFY(presser->hasPressed());
        QVERIFY2(presser->pressedBody().startsWith(QStringLiteral("You have already set a Home.")),
                 qPrintable(presser->pressedBody()));
    }

    const QList<Place> homes = storedNamed(QStringLiteral("Home"));
    QCOMPARE(homes.size(), saves ? 1 : 0);
    if (saves) {
        QVERIFY(homes.first().hasTag(QLatin1String(Tags::MyHome)));
        QVERIFY(!homes.first().hasTag(NameField::MARKER_TAG_PATTERN.arg(1)));
    }
    if (homeStored)
        QCOMPARE(storedPlace(oldHome.id()).id() == oldHome.id(), !saves);
}

void tst_DataEdit::addFieldSheetOffersWhatIsMissing()
{
    Place place;
    EditorPage page(place);
    QSignalSpy actionState(page.form(), &DataEdit::updateAddFieldActionState);
    const QStringList offered { QStringLiteral("Email Address"), QStringLiteral("Website"),
                                QStringLiteral("Description") };
    for (int i = 0; i < offered.size(); ++i) {
        emit page.form()->addFieldAction();
        const QString screen = ScreenText::render(&page);
        QVERIFY2(screen.contains(QStringLiteral("Title: Add Field")), qPrintable(screen));
        // Still offered, in order; the first one is chosen each time.
        int at = -1;
        for (int j = i; j < offered.size(); ++j) {
            const int next = screen.indexOf(offered.at(j));
            QVERIFY2(next > at, qPrintable(screen));
            at = next;
        }
        QVERIFY(TestDriver::clickButton(&page, offered.at(i)));
        QTRY_VERIFY(hx::trellan::Sheet::openSheets().isEmpty());
    }
    const QString screen = ScreenText::render(&page);
    for (const char *field : { "EMailField", "WebSiteField", "DescriptionField" })
        QVERIFY2(screen.contains(QLatin1String(field)), qPrintable(screen));
    QCOMPARE(actionState.count(), 1);
    QVERIFY(page.form()->isFieldsListEmpty());
}

void tst_DataEdit::followsTheLanguage()
{
    Place place;
    EditorPage page(place);
    QVERIFY(ScreenText::render(&page).contains(QStringLiteral("Place Name*")));
    hx::system::LocaleHandler::setLanguage(QStringLiteral("fr"));
    QTRY_VERIFY2(ScreenText::render(&page).contains(QStringLiteral("Nom du lieu*")),
                 qPrintable(ScreenText::render(&page)));
    const QString screen = ScreenText::render(&page);
    QVERIFY2(screen.contains(QStringLiteral("* Champs obligatoires")), qPrintable(screen));
    QVERIFY2(screen.contains(QStringLiteral("Adresse*")), qPrintable(screen));
    QVERIFY2(screen.contains(QStringLiteral("= Favori")), qPrintable(screen));

    // The Add Field sheet opened in French, then back to English while it is shown.
    emit page.form()->addFieldAction();
    QVERIFY2(ScreenText::render(&page).contains(QStringLiteral("Title: Ajouter un champ")),
             qPrintable(ScreenText::render(&page)));
    QVERIFY(ScreenText::render(&page).contains(QStringLiteral("Adresse e-mail")));
    hx::system::LocaleHandler::setLanguage(QStringLiteral("en"));
    QTRY_VERIFY2(ScreenText::render(&page).contains(QStringLiteral("Title: Add Field")),
                 qPrintable(ScreenText::render(&page)));
}

QTEST_MAIN(tst_DataEdit)
#include "tst_dataedit.moc"
