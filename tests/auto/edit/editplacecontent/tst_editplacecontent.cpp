#include <hx/trellan/places/dataedit.h>
#include <hx/trellan/places/editplacecontent.h>
#include <hx/trellan/places/homeworkcache.h>
#include <hx/trellan/places/mapdock.h>

#include <hx/platform/places/placemanager.h>
#include <hx/platform/places/tags.h>
#include <hx/system/systemui.h>
#include <hx/trellan/actionitem.h>
#include <hx/trellan/page.h>
#include <hx/trellan/screentext.h>
#include <hx/trellan/testdriver.h>
#include <hx/trellan/titlebar.h>

#include "gazetteerfixture.h"
#include "signalwaiter.h"
#include "storefixture.h"
#include "testroots.h"

#include <QtCore/QPointer>
#include <QtTest/QSignalSpy>
#include <QtTest/QtTest>

using namespace hx::platform::places;
using namespace hx::test;
using namespace hx::trellan::places;
using hx::trellan::ScreenText;
using hx::trellan::TestDriver;

namespace {

const QString UNIVERSITY = QStringLiteral("200 University Ave W");

// The editing page as the place card builds it: Save on the title bar, the content below.
class EditingPage : public hx::trellan::Page
{
public:
    explicit EditingPage(EditPlaceContent *content) : m_save(new hx::trellan::ActionItem)
    {
        auto *bar = new hx::trellan::TitleBar;
        m_save->setObjectName(QStringLiteral("SaveAction"));
        m_save->setTitle(QStringLiteral("Save"));
        m_save->setEnabled(false);
        bar->setAcceptAction(m_save);
        setTitleBar(bar);
        setContent(content);
        connect(content, &EditPlaceContent::enableSaveState, m_save, &hx::trellan::ActionItem::setEnabled);
        connect(m_save, &hx::trellan::ActionItem::triggered, content, &EditPlaceContent::onSaveButtonClicked);
    }

    bool saveEnabled() const { return m_save->isEnabled(); }

private:
    hx::trellan::ActionItem *m_save;
};

Place storedPlace(qint64 id)
{
    PlaceManager manager;
    Error::Type error = Error::None;
    QScopedPointer<Place> place(manager.getPlace(id, error));
    return place ? *place : Place();
}

} // namespace

class tst_EditPlaceContent : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void newPlaceIsGeocodedByTheMapAndSaved();
    void currentLocationStartsANewPlace_data();
    void currentLocationStartsANewPlace();
    void composeStartsFromTheTypedAddress();

private:
    QScopedPointer<TestRoots> m_roots;
};

void tst_EditPlaceContent::initTestCase()
{
    qRegisterMetaType<QSharedPointer<Place>>();
}

void tst_EditPlaceContent::init()
{
    m_roots.reset(new TestRoots);
    GazetteerEntry university = GazetteerFixture::entry(GazetteerEntry::Address, UNIVERSITY, 43.4723, -80.5449);
    university.street = UNIVERSITY;
    university.city = QStringLiteral("Waterloo");
    QVERIFY(GazetteerFixture::write(m_roots->gazetteerPath(), { university }));
    HomeWorkCache::setDirty(HomeWorkCache::All);
    hx::system::SystemUi::clearHistory();
}

void tst_EditPlaceContent::cleanup()
{
    m_roots.reset();
}

void tst_EditPlaceContent::newPlaceIsGeocodedByTheMapAndSaved()
{
    QSharedPointer<Place> place(new Place);
    auto *content = new EditPlaceContent(place, PlaceViewMode::NewPlace);
    EditingPage page(content);
    QSignalSpy saved(content, &EditPlaceContent::saved);
    QSignalSpy updated(content, &EditPlaceContent::placeUpdated);
    QVERIFY(TestDriver::typeText(&page, QStringLiteral("NameField"), QStringLiteral("Campus")));
    QVERIFY(TestDriver::typeText(&page, QStringLiteral("AddressField"), UNIVERSITY));
    QVERIFY2(page.saveEnabled(), qPrintable(ScreenText::render(&page)));
    QVERIFY(TestDriver::triggerAction(&page, QStringLiteral("SaveAction")));
    QVERIFY2(SignalWaiter::wait(saved, 1, 10000), qPrintable(ScreenText::render(&page)));
    QCOMPARE(updated.count(), 1);

    const Place stored = storedPlace(place->id());
    QCOMPARE(stored.name(), QStringLiteral("Campus"));
    QVERIFY(stored.hasTag(QLatin1String(Tags::Favorite)));
    QCOMPARE(stored.location(0).coordinates().latitude(), 43.4723);
}

void tst_EditPlaceContent::currentLocationStartsANewPlace_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("replaced"); // the form was rebuilt for a new place

    QTest::newRow("a new place takes the position in its form") << int(PlaceViewMode::NewPlace) << false;
    QTest::newRow("an edited place is left for a new one") << int(PlaceViewMode::Edit) << true;
}

void tst_EditPlaceContent::currentLocationStartsANewPlace()
{
    QFETCH(int, mode);
    QFETCH(bool, replaced);

    Place library = StoreFixture::makePlace(QStringLiteral("Library"), 43.468, -80.54, QStringLiteral("1 Main St"),
                                            QStringLiteral("Waterloo"));
    PlaceManager manager;
    QCOMPARE(manager.addPlace(library), Error::None);
    QSharedPointer<Place> place(new Place(mode == PlaceViewMode::Edit ? library : Place()));
    auto *content = new EditPlaceContent(place, PlaceViewMode::Type(mode));
    EditingPage page(content);
    const QPointer<DataEdit> form = content->form();
    QList<int> modes;
    connect(content, &EditPlaceContent::viewModeChanged, this,
            [&modes](PlaceViewMode::Type viewMode, const QSharedPointer<Place> &) { modes << viewMode; });

    Address address;
    address.setLabel(UNIVERSITY);
    content->onMyLocation(Location(Coordinates(43.4723, -80.5449), address));
    QCOMPARE(form.isNull(), replaced); // the old form is gone
    QCOMPARE(modes, replaced ? QList<int> { PlaceViewMode::NewPlace } : QList<int>());
    const QString screen = ScreenText::render(&page);
    QVERIFY2(screen.contains(QStringLiteral("TextField \"AddressField\": [200 University Ave W]")), qPrintable(screen));
    QCOMPARE(screen.count(QStringLiteral("TextField \"AddressField\"")), 1);
    // The stored place itself is untouched.
    QCOMPARE(storedPlace(library.id()).name(), QStringLiteral("Library"));
}

void tst_EditPlaceContent::composeStartsFromTheTypedAddress()
{
    QSharedPointer<Place> place(new Place);
    auto *content = new EditPlaceContent(place, UNIVERSITY);
    EditingPage page(content);
    QSignalSpy saved(content, &EditPlaceContent::saved);
    QVERIFY(TestDriver::typeText(&page, QStringLiteral("NameField"), QStringLiteral("Campus")));
    QTRY_VERIFY2(page.saveEnabled(), qPrintable(ScreenText::render(&page)));
    QVERIFY(TestDriver::triggerAction(&page, QStringLiteral("SaveAction")));
    QVERIFY2(SignalWaiter::wait(saved, 1, 10000), qPrintable(ScreenText::render(&page)));
    QCOMPARE(storedPlace(place->id()).location(0).coordinates().longitude(), -80.5449);
}

QTEST_MAIN(tst_EditPlaceContent)
#include "tst_editplacecontent.moc"
