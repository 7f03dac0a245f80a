#include <hx/trellan/places/getgeolocation.h>
#include <hx/trellan/places/localsearchfullview.h>
#include <hx/trellan/places/placeutils.h>

#include <hx/platform/places/gazetteerentry.h>
#include <hx/system/localehandler.h>
#include <hx/system/systemui.h>
#include <hx/trellan/container.h>
#include <hx/trellan/listview.h>
#include <hx/trellan/places/placemanagerui.h>
#include <hx/trellan/screentext.h>
#include <hx/trellan/testdriver.h>

#include "gazetteerfixture.h"
#include "serviceprocess.h"
#include "signalwaiter.h"
#include "storefixture.h"
#include "testroots.h"

#include <QtTest/QSignalSpy>
#include <QtTest/QtTest>

#include <ctime>
#include <memory>

using hx::platform::places::GazetteerEntry;
using hx::platform::places::Place;
using hx::system::SystemUi;
using hx::trellan::ScreenText;
using hx::trellan::TestDriver;
using namespace hx::test;
using namespace hx::trellan::places;

namespace {

using Places = QList<QSharedPointer<Place>>;

const char DESTINATION[] = "200 University Ave W";

QStringList namesOf(const QVariant &places)
{
    QStringList names;
    for (const QSharedPointer<Place> &place : places.value<Places>())
        names << place->name();
    names.sort();
    return names;
}

// The library's log lines, to wait for what a view does without telling its owner.
QStringList logLines;
QtMessageHandler previousHandler = nullptr;

void keepLogLine(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    logLines << message;
    if (previousHandler)
        previousHandler(type, context, message);
}

// The owner of the view: it starts the machine and records what the view asks of it.
struct Owner
{
    explicit Owner(bool lookUp) : view(lookUp) { }

    LocalSearchFullView view;
    QSignalSpy destinationSet { &view, &LocalSearchFullView::destinationSet };
    QSignalSpy readPlaces { &view, &LocalSearchFullView::readPlaces };
    QSignalSpy notFound { &view, &LocalSearchFullView::placeNotFound };
    QSignalSpy showCard { &view, &LocalSearchFullView::showPlaceViewWidget };
    QSignalSpy backToList { &view, &LocalSearchFullView::backToList };
    QSignalSpy searchReturned { &view, &LocalSearchFullView::searchReturned };

    QString screen() const { return ScreenText::render(view.getVisualNodeRoot()); }
    QString why() const { return QStringLiteral("state %1, screen:\n%2").arg(view.currentState(), screen()); }
};

} // namespace

class tst_LocalSearchFullView : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void cleanupTestCase();

    void showsTheApplicationDocument();
    void generalSearchListsContactsAndPlaces_data();
    void generalSearchListsContactsAndPlaces();
    void keywordSearchesUseOnlyTheCombinedList_data();
    void keywordSearchesUseOnlyTheCombinedList();
    void homeAndWorkOpenTheStoredPlace_data();
    void homeAndWorkOpenTheStoredPlace();
    void aCertainSingleMatchIsSelectedWithoutReading_data();
    void aCertainSingleMatchIsSelectedWithoutReading();
    void destinationSetWaitsForStartAndLocation_data();
    void destinationSetWaitsForStartAndLocation();
    void backFromTheCardSearchesAgain();
    void theOwnerPicksByVoice_data();
    void theOwnerPicksByVoice();
    void aDestinationThatCannotBeFoundStaysAtStart_data();
    void aDestinationThatCannotBeFoundStaysAtStart();
    void aStoreErrorIsShownOnceAMinute();
    void noResultFollowsTheLanguage();

private:
    std::unique_ptr<TestRoots> m_roots;
    std::unique_ptr<ServiceProcess> m_location;
    GeolocationRequest m_savedRequest;
};

void tst_LocalSearchFullView::initTestCase()
{
    PlaceUtils::init();
    previousHandler = qInstallMessageHandler(keepLogLine);
    // A fix deadline of 1.55 s (5 ms polls, 310 of them) and one second on the location service.
    m_savedRequest = PlaceUtils::searchRequest_zant;
    PlaceUtils::searchRequest_zant.responseTime = 1;
    PlaceUtils::MY_LOCATION_CHECK_FREQUENCY = 200;
}

void tst_LocalSearchFullView::init()
{
    logLines.clear();
    m_roots.reset(new TestRoots);
    QVERIFY(m_roots->isValid());
    GazetteerEntry university
        = GazetteerFixture::entry(GazetteerEntry::Address, QLatin1String(DESTINATION), 43.4723, -80.5449, 50);
    university.street = QLatin1String(DESTINATION);
    university.city = QStringLiteral("Waterloo");
    const QList<GazetteerEntry> places {
        university,
        GazetteerFixture::poi(QStringLiteral("Lumen Coffee"), 43.4725, -80.5440, QStringLiteral("AEE"), 30),
        GazetteerFixture::poi(QStringLiteral("Lumen Coffee Roasters"), 43.4740, -80.5460, QStringLiteral("AEE"), 20),
        GazetteerFixture::poi(QStringLiteral("Bean There"), 43.4730, -80.5430, QStringLiteral("AEE"), 10),
        GazetteerFixture::poi(QStringLiteral("Lumen Books"), 43.4730, -80.5450, QStringLiteral("SGA"), 10),
        GazetteerFixture::poi(QStringLiteral("Quiet Harbour Diner"), 43.4700, -80.5400, QStringLiteral("AEA"), 5),
    };
    QVERIFY(GazetteerFixture::write(m_roots->gazetteerPath(), places));
    StoreFixture::addFavorite(QStringLiteral("Lumen Studio"), 43.4710, -80.5420);
    StoreFixture::addContact(QStringLiteral("Iris"), QStringLiteral("Lumen"), QStringLiteral("12 King Street"),
                             QStringLiteral("Waterloo"));
    // The phone stands at the university: the fix of the destination lookups.
    QVERIFY(SignalWaiter::waitFor([] { return !GetGeolocation::isRunning(PlaceUtils::searchRequest_zant); }));
    m_location.reset(new ServiceProcess(QStringLiteral("hx-locationd")));
    QVERIFY2(
        m_location->start({ QStringLiteral("--root"), m_roots->ppsRoot(), QStringLiteral("--position"),
                            QStringLiteral("43.4723,-80.5449"), QStringLiteral("--accuracy"), QStringLiteral("20") }),
        qPrintable(m_location->errorOutput()));
}

void tst_LocalSearchFullView::cleanup()
{
    hx::system::LocaleHandler::setLanguage(QStringLiteral("en"));
    QThreadPool::globalInstance()->waitForDone();
    m_location.reset();
    m_roots.reset();
}

void tst_LocalSearchFullView::cleanupTestCase()
{
    PlaceUtils::searchRequest_zant = m_savedRequest;
    qInstallMessageHandler(previousHandler);
}

void tst_LocalSearchFullView::showsTheApplicationDocument()
{
    LocalSearchFullView view(false);
    hx::trellan::Container *root = view.getVisualNodeRoot();
    QVERIFY(root);
    QCOMPARE(root->objectName(), QStringLiteral("LocalSearchFullViewRoot"));
    QVERIFY(root->findChild<hx::trellan::Container *>(QStringLiteral("LocalSearchFullViewMain")));
    QVERIFY(!view.readyForSignals());
    view.startStates();
    QTRY_VERIFY(view.readyForSignals());
    QCOMPARE(view.currentState(), QStringLiteral("StateStart"));
}

void tst_LocalSearchFullView::generalSearchListsContactsAndPlaces_data()
{
    QTest::addColumn<bool>("geocode");
    QTest::newRow("destination geocoded from a text") << true;
    QTest::newRow("destination at the current fix") << false;
}

void tst_LocalSearchFullView::generalSearchListsContactsAndPlaces()
{
    QFETCH(bool, geocode);
    Owner owner(true);
    if (geocode)
        owner.view.setDoNotGetCurrentFix(true, QLatin1String(DESTINATION));
    owner.view.setDestination(QStringLiteral("lumen"), QStringLiteral("the university"), true, false, false);
    owner.view.startStates();

    QVERIFY2(SignalWaiter::wait(owner.readPlaces, 1, 10000), qPrintable(owner.why()));
    const QList<QVariant> read = owner.readPlaces.first();
    QCOMPARE(read.at(0).toString(), QStringLiteral("lumen"));
    QCOMPARE(namesOf(read.at(1)), QStringList { QStringLiteral("Iris Lumen") });
    QCOMPARE(namesOf(read.at(2)),
             (QStringList { QStringLiteral("Lumen Books"), QStringLiteral("Lumen Coffee"),
                            QStringLiteral("Lumen Coffee Roasters"), QStringLiteral("Lumen Studio") }));
    QCOMPARE(owner.destinationSet.count(), 1);
    QCOMPARE(owner.view.searchKind(), int(LocalSearchFullView::GeneralSearch));
    QCOMPARE(owner.view.currentState(), QStringLiteral("StateSearchReturned"));
    QVERIFY(qAbs(owner.view.destinationCoordinates().latitude() - 43.4723) < 1e-3);
    QVERIFY(qAbs(owner.view.destinationCoordinates().longitude() + 80.5449) < 1e-3);
    QVERIFY(owner.view.contactList());
    QVERIFY(owner.view.combinedList());
    QCOMPARE(owner.notFound.count(), 0);
    QCOMPARE(owner.showCard.count(), 0);

    // Contacts above the places, whichever list came back first, each row as the user reads it.
    QVERIFY2(SignalWaiter::waitFor([&] { return owner.screen().contains(QLatin1String("| Lumen Coffee |")); }),
             qPrintable(owner.screen()));
    const QString screen = owner.screen();
    QVERIFY2(screen.contains(QLatin1String("TYPE_W_CONTACT: [img contact.png] | Iris Lumen")), qPrintable(screen));
    const int contacts = screen.indexOf(QLatin1String("Contacts"));
    QVERIFY2(contacts >= 0, qPrintable(screen));
    QVERIFY2(screen.indexOf(QLatin1String("LocalSearchContactList")) > contacts, qPrintable(screen));
    QVERIFY2(screen.indexOf(QLatin1String("LocalSearchPlaceList"))
                 > screen.indexOf(QLatin1String("LocalSearchContactList")),
             qPrintable(screen));
}

void tst_LocalSearchFullView::keywordSearchesUseOnlyTheCombinedList_data()
{
    QTest::addColumn<QString>("term");
    QTest::addColumn<QString>("destination");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("spoken");
    QTest::addColumn<QStringList>("places");

    QTest::newRow("nearby places") << QStringLiteral("SearchNearbyPlaces") << QStringLiteral("lumen")
                                   << int(LocalSearchFullView::NearbySearch) << QStringLiteral("lumen")
                                   << QStringList { QStringLiteral("Lumen Books"), QStringLiteral("Lumen Coffee"),
                                                    QStringLiteral("Lumen Coffee Roasters") };
    QTest::newRow("a category, read by its name")
        << QStringLiteral("CategorySearch") << QStringLiteral("AEE") << int(LocalSearchFullView::CategorySearch)
        << QStringLiteral("Coffee Shops")
        << QStringList { QStringLiteral("Bean There"), QStringLiteral("Lumen Coffee"),
                         QStringLiteral("Lumen Coffee Roasters") };
}

void tst_LocalSearchFullView::keywordSearchesUseOnlyTheCombinedList()
{
    QFETCH(QString, term);
    QFETCH(QString, destination);
    QFETCH(int, kind);
    QFETCH(QString, spoken);
    QFETCH(QStringList, places);

    Owner owner(false);
    owner.view.startStates();
    owner.view.setDestination(term, destination, false, false, false);
    owner.view.setCoordinates(43.4723, -80.5449);

    QVERIFY2(SignalWaiter::wait(owner.readPlaces, 1, 10000), qPrintable(owner.why()));
    QCOMPARE(owner.view.searchKind(), kind);
    QVERIFY(!owner.view.contactList());
    QVERIFY(owner.view.combinedList());
    const QList<QVariant> read = owner.readPlaces.first();
    QCOMPARE(read.at(0).toString(), spoken);
    QVERIFY(read.at(1).value<Places>().isEmpty());
    QCOMPARE(namesOf(read.at(2)), places);
    QVERIFY2(!owner.screen().contains(QLatin1String("Contacts")), qPrintable(owner.screen()));
}

void tst_LocalSearchFullView::homeAndWorkOpenTheStoredPlace_data()
{
    QTest::addColumn<QString>("term");
    QTest::addColumn<QString>("storedHome");
    QTest::addColumn<QString>("storedWork");
    QTest::addColumn<QString>("shown"); // empty: not found

    QTest::newRow("home, none stored") << QStringLiteral("myhome") << QString() << QString() << QString();
    QTest::newRow("work, none stored") << QStringLiteral("mywork") << QString() << QString() << QString();
    QTest::newRow("home stored") << QStringLiteral("myhome") << QStringLiteral("Maple House") << QString()
                                 << QStringLiteral("Maple House");
    QTest::newRow("work asked, only home stored")
        << QStringLiteral("mywork") << QStringLiteral("Maple House") << QString() << QString();
    QTest::newRow("work stored") << QStringLiteral("mywork") << QStringLiteral("Maple House")
                                 << QStringLiteral("Tower Office") << QStringLiteral("Tower Office");
}

void tst_LocalSearchFullView::homeAndWorkOpenTheStoredPlace()
{
    QFETCH(QString, term);
    QFETCH(QString, storedHome);
    QFETCH(QString, storedWork);
    QFETCH(QString, shown);

    if (!storedHome.isEmpty())
        StoreFixture::addHome(storedHome, 43.47, -80.54);
    if (!storedWork.isEmpty())
        StoreFixture::addWork(storedWork, 43.476, -80.539);
    Owner owner(false);
    owner.view.startStates();
    owner.view.setDestination(term, QString(), false, false, false);
    owner.view.setCoordinates(43.4723, -80.5449);

    if (shown.isEmpty()) {
        QVERIFY2(SignalWaiter::wait(owner.notFound), qPrintable(owner.why()));
        QCOMPARE(owner.showCard.count(), 0);
    } else {
        QVERIFY2(SignalWaiter::wait(owner.showCard), qPrintable(owner.why()));
        QCOMPARE(owner.showCard.first().at(0).value<QSharedPointer<Place>>()->name(), shown);
        QCOMPARE(owner.showCard.first().at(1).toBool(), true);
        QCOMPARE(owner.notFound.count(), 0);
    }
    // Nothing was searched.
    QVERIFY(!owner.view.contactList());
    QVERIFY(!owner.view.combinedList());
    QCOMPARE(owner.readPlaces.count(), 0);
    QCOMPARE(owner.searchReturned.count(), 0);
}

void tst_LocalSearchFullView::aCertainSingleMatchIsSelectedWithoutReading_data()
{
    QTest::addColumn<QString>("term");
    QTest::addColumn<QString>("selected"); // empty: the results are read out

    QTest::newRow("one place found") << QStringLiteral("quiet harbour") << QStringLiteral("Quiet Harbour Diner");
    QTest::newRow("one exact name among several")
        << QStringLiteral("  lumen coffee ") << QStringLiteral("Lumen Coffee");
    QTest::newRow("one contact, without a position") << QStringLiteral("iris") << QString();
    QTest::newRow("several places, none named so") << QStringLiteral("lumen") << QString();
}

void tst_LocalSearchFullView::aCertainSingleMatchIsSelectedWithoutReading()
{
    QFETCH(QString, term);
    QFETCH(QString, selected);

    Owner owner(false);
    owner.view.setCoordinates(43.4723, -80.5449);
    owner.view.setDestination(term, QStringLiteral("uptown"), false, false, false);
    owner.view.startStates();

    if (selected.isEmpty()) {
        QVERIFY2(SignalWaiter::wait(owner.readPlaces, 1, 10000), qPrintable(owner.why()));
        QCOMPARE(owner.showCard.count(), 0);
        return;
    }
    QVERIFY2(SignalWaiter::wait(owner.showCard, 1, 10000), qPrintable(owner.why()));
    QCOMPARE(owner.showCard.first().at(0).value<QSharedPointer<Place>>()->name(), selected);
    QCOMPARE(owner.showCard.first().at(1).toBool(), true);
    QCOMPARE(owner.readPlaces.count(), 0);
    QCOMPARE(owner.view.currentState(), QStringLiteral("StateBackToList"));
    QCOMPARE(owner.backToList.count(), 1);
    QCOMPARE(owner.backToList.first().at(0).toBool(), true);
}

void tst_LocalSearchFullView::destinationSetWaitsForStartAndLocation_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::newRow("start, texts, position") << QStringList { "start", "texts", "position" };
    QTest::newRow("start, position, texts") << QStringList { "start", "position", "texts" };
    QTest::newRow("texts, position, start") << QStringList { "texts", "position", "start" };
    QTest::newRow("position, start, texts") << QStringList { "position", "start", "texts" };
    QTest::newRow("texts, start, position") << QStringList { "texts", "start", "position" };
}

void tst_LocalSearchFullView::destinationSetWaitsForStartAndLocation()
{
    QFETCH(QStringList, steps);
    Owner owner(false);
    for (int i = 0; i < steps.size(); ++i) {
        const QString &step = steps.at(i);
        if (step == QLatin1String("start"))
            owner.view.startStates();
        else if (step == QLatin1String("texts"))
            owner.view.setDestination(QStringLiteral("zzyzx"), QStringLiteral("uptown"), true, false, false);
        else
            owner.view.setCoordinates(43.4723, -80.5449);
        if (i + 1 < steps.size()) {
            // The signal is posted: let posted events run before looking.
            QCoreApplication::processEvents();
            QCOMPARE(owner.destinationSet.count(), 0);
        }
    }
    QVERIFY2(SignalWaiter::wait(owner.destinationSet), qPrintable(owner.why()));
    // Other texts and another position later change nothing and set nothing again.
    owner.view.setDestination(QStringLiteral("other"), QStringLiteral("elsewhere"), false, true, true);
    owner.view.setCoordinates(43.0, -80.0);
    QVERIFY2(SignalWaiter::wait(owner.notFound), qPrintable(owner.why()));
    QCOMPARE(owner.destinationSet.count(), 1);
    QCOMPARE(owner.view.searchTerm(), QStringLiteral("zzyzx"));
    QCOMPARE(owner.view.destination(), QStringLiteral("uptown"));
    QCOMPARE(owner.view.destinationFlag(), true);
}

void tst_LocalSearchFullView::backFromTheCardSearchesAgain()
{
    Owner owner(false);
    owner.view.setCoordinates(43.4723, -80.5449);
    owner.view.setDestination(QStringLiteral("lumen"), QStringLiteral("uptown"), false, false, false);
    owner.view.startStates();
    QVERIFY2(SignalWaiter::wait(owner.readPlaces, 1, 10000), qPrintable(owner.why()));
    QSignalSpy touched(&owner.view, &LocalSearchFullView::physicalInteraction);

    // The user taps the first place under the section header.
    hx::trellan::Container *root = owner.view.getVisualNodeRoot();
    QVERIFY2(TestDriver::tapRow(root, QStringLiteral("LocalSearchPlaceList"), { 1 }),
             qPrintable(TestDriver::lastError() + QLatin1Char('\n') + owner.why()));
    QVERIFY2(SignalWaiter::wait(owner.showCard), qPrintable(owner.why()));
    QCOMPARE(owner.showCard.first().at(1).toBool(), false);
    QCOMPARE(touched.count(), 1);
    QCOMPARE(owner.view.currentState(), QStringLiteral("StateBackToList"));
    QCOMPARE(owner.backToList.count(), 1);

    // The card closes: the lists come again, once each.
    emit owner.view.backFromView();
    QVERIFY2(SignalWaiter::wait(owner.readPlaces, 2, 10000), qPrintable(owner.why()));
    QCOMPARE(owner.backToList.count(), 2);
    QCOMPARE(owner.backToList.last().at(0).toBool(), false);
    QCOMPARE(owner.view.currentState(), QStringLiteral("StateSearchReturned"));
    QCOMPARE(namesOf(owner.readPlaces.last().at(2)), namesOf(owner.readPlaces.first().at(2)));
    QCOMPARE(namesOf(owner.readPlaces.last().at(1)), QStringList { QStringLiteral("Iris Lumen") });
    const QString screen = owner.screen();
    QCOMPARE(screen.count(QLatin1String("LocalSearchContactList")), 1);
    QCOMPARE(screen.count(QLatin1String("LocalSearchPlaceList")), 1);
}

void tst_LocalSearchFullView::theOwnerPicksByVoice_data()
{
    QTest::addColumn<int>("list"); // 1 contacts, 2 places, 0 nothing heard
    QTest::addColumn<QString>("shown"); // empty: not found
    QTest::newRow("a contact") << 1 << QStringLiteral("Iris Lumen");
    QTest::newRow("a place") << 2 << QString();
    QTest::newRow("nothing the user named") << 0 << QString();
}

void tst_LocalSearchFullView::theOwnerPicksByVoice()
{
    QFETCH(int, list);
    QFETCH(QString, shown);
    Owner owner(false);
    owner.view.setCoordinates(43.4723, -80.5449);
    owner.view.setDestination(QStringLiteral("lumen"), QStringLiteral("uptown"), false, false, false);
    owner.view.startStates();
    QVERIFY2(SignalWaiter::wait(owner.readPlaces, 1, 10000), qPrintable(owner.why()));

    // The owner read the lists out and heard which one the user wants.
    const Places heard = list == 0 ? Places() : owner.readPlaces.first().at(list).value<Places>();
    const QSharedPointer<Place> place = heard.isEmpty() ? QSharedPointer<Place>() : heard.last();
    if (list == 2)
        shown = place->name();
    owner.view.voiceSelected(place, true);
    if (shown.isEmpty()) {
        QVERIFY2(SignalWaiter::wait(owner.notFound), qPrintable(owner.why()));
        QCOMPARE(owner.showCard.count(), 0);
        QCOMPARE(owner.view.currentState(), QStringLiteral("StatePlaceSelected"));
        return;
    }
    QVERIFY2(SignalWaiter::wait(owner.showCard), qPrintable(owner.why()));
    QCOMPARE(owner.showCard.first().at(0).value<QSharedPointer<Place>>()->name(), shown);
    QCOMPARE(owner.showCard.first().at(1).toBool(), true);
    QCOMPARE(owner.view.currentState(), QStringLiteral("StateBackToList"));
}

void tst_LocalSearchFullView::aDestinationThatCannotBeFoundStaysAtStart_data()
{
    QTest::addColumn<QString>("geocodeText"); // empty: the current fix
    QTest::addColumn<QString>("logLine");
    QTest::newRow("an address nowhere to be found")
        << QStringLiteral("Qwxz Nowhere Lane")
        << QStringLiteral("hx::trellan::places::LocalSearchFullView::onGeocodingFinished(): nothing found for");
    QTest::newRow("no fix in time")
        << QString()
        << QStringLiteral("hx::trellan::places::LocalSearchFullView::onGeolocationFixCheckerDone(): no fix");
}

void tst_LocalSearchFullView::aDestinationThatCannotBeFoundStaysAtStart()
{
    QFETCH(QString, geocodeText);
    QFETCH(QString, logLine);

    if (geocodeText.isEmpty()) {
        // A fix stored earlier in this second would still count as current: start in the next one.
        const time_t now = time(nullptr);
        QVERIFY(SignalWaiter::waitFor([now] { return time(nullptr) > now; }, 2000));
        // A location service that never answers.
        m_location.reset(new ServiceProcess(QStringLiteral("hx-locationd")));
        QVERIFY2(m_location->start({ QStringLiteral("--root"), m_roots->ppsRoot(), QStringLiteral("--silent") }),
                 qPrintable(m_location->errorOutput()));
    }
    Owner owner(true);
    if (!geocodeText.isEmpty())
        owner.view.setDoNotGetCurrentFix(true, geocodeText);
    owner.view.setDestination(QStringLiteral("lumen"), QStringLiteral("nowhere"), false, false, false);
    owner.view.startStates();
    QVERIFY2(SignalWaiter::waitFor(
                 [&] {
                     for (const QString &line : qAsConst(logLines))
                         if (line.startsWith(logLine))
                             return true;
                     return false;
                 },
                 10000),
             qPrintable(logLines.join(QLatin1Char('\n'))));
    QCoreApplication::processEvents();
    QCOMPARE(owner.view.currentState(), QStringLiteral("StateStart"));
    QCOMPARE(owner.destinationSet.count(), 0);
    QVERIFY(!owner.view.combinedList());
}

void tst_LocalSearchFullView::aStoreErrorIsShownOnceAMinute()
{
    // A gazetteer that is not a database: every search of points of interest fails.
    QFile broken(m_roots->gazetteerPath());
    QVERIFY(broken.open(QIODevice::WriteOnly | QIODevice::Truncate));
    broken.write(QByteArray(4096, 'x'));
    broken.close();
    qint64 now = QDateTime::currentSecsSinceEpoch();
    PlaceManagerUI::setTimeSource([&now] { return now; });
    const int shownBefore = SystemUi::history().size();

    // Two searches in a row, then one more a minute later: the same error is shown twice.
    for (int search = 0; search < 3; ++search) {
        if (search == 2)
            now += 61;
        logLines.clear();
        Owner owner(false);
        owner.view.setCoordinates(43.4723, -80.5449);
        owner.view.setDestination(QStringLiteral("lumen"), QStringLiteral("uptown"), false, false, false);
        owner.view.startStates();
        QVERIFY2(SignalWaiter::waitFor(
                     [] {
                         for (const QString &line : qAsConst(logLines))
                             if (line.startsWith(QLatin1String(
                                     "hx::trellan::places::LocalSearchFullView::onAllDataModelError(): error = ")))
                                 return true;
                         return false;
                     },
                     10000),
                 qPrintable(logLines.join(QLatin1Char('\n'))));
        QCoreApplication::processEvents();
        while (SystemUi::visibleCount() > 0)
            QVERIFY(SystemUi::pressButton(SystemUi::top().buttons.last().label));
    }
    PlaceManagerUI::setTimeSource({});
    QCOMPARE(SystemUi::history().size() - shownBefore, 2);
}

void tst_LocalSearchFullView::noResultFollowsTheLanguage()
{
    Owner owner(false);
    owner.view.setCoordinates(43.4723, -80.5449);
    owner.view.setDestination(QStringLiteral("zzyzx"), QStringLiteral("uptown"), false, false, false);
    owner.view.startStates();
    QVERIFY2(SignalWaiter::wait(owner.notFound, 1, 10000), qPrintable(owner.why()));
    QCOMPARE(owner.readPlaces.count(), 0);
    QVERIFY2(owner.screen().contains(QLatin1String("No Results Found")), qPrintable(owner.screen()));

    hx::system::LocaleHandler::setLanguage(QStringLiteral("fr"));
    QVERIFY2(SignalWaiter::waitFor([&] { return owner.screen().contains(QString::fromUtf8("Aucun résultat trouvé")); }),
             qPrintable(owner.screen()));
    QVERIFY2(!owner.screen().contains(QLatin1String("No Results Found")), qPrintable(owner.screen()));
}

QTEST_MAIN(tst_LocalSearchFullView)
#include "tst_localsearchfullview.moc"
