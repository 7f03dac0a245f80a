#include <hx/trellan/places/getgeolocation.h>
#include <hx/trellan/places/mylocationspinner.h>
#include <hx/trellan/places/placeutils.h>

#include <hx/msgclient/revgeoserver.h>
#include <hx/pps/locationserver.h>
#include <hx/system/carddonemessage.h>
#include <hx/system/invokedcard.h>
#include <hx/system/invokemanager.h>
#include <hx/system/systemui.h>

#include "dialogpresser.h"
#include "gazetteerfixture.h"
#include "signalwaiter.h"
#include "testroots.h"

#include <QtCore/QTimer>
#include <QtTest/QSignalSpy>
#include <QtTest/QtTest>

#include <ctime>

using hx::platform::places::Location;
using hx::pps::LocationServer;
using hx::system::SystemUi;
using namespace hx::test;
using namespace hx::trellan::places;

namespace {

QByteArray fix(double latitude, double longitude, double accuracy, int delay = 0)
{
    return QStringLiteral("{\"delay\":%4,\"fix\":{\"latitude\":%1,\"longitude\":%2,\"accuracy\":%3,"
                          "\"altitudeAccuracy\":4}}\n")
        .arg(latitude)
        .arg(longitude)
        .arg(accuracy)
        .arg(delay)
        .toUtf8();
}

int code(const QSignalSpy &done)
{
    return done.last().at(0).value<MyLocationSpinnerReturnCode::Code>();
}

Location location(const QSignalSpy &done)
{
    return done.last().at(1).value<Location>();
}

} // namespace

class tst_MyLocationSpinner : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void cleanupTestCase();

    void servicesOffAndDeclined();
    void servicesTurnedOnFromTheSettingsCard();
    void cancelledWhileLocating();
    void fixStage_data();
    void fixStage();
    void unreachableServiceGivesNoLocation();
    void addressFoundStaysAtTheFix_data();
    void addressFoundStaysAtTheFix();

private:
    QScopedPointer<TestRoots> m_roots;
    QScopedPointer<LocationServer> m_server;
};

void tst_MyLocationSpinner::initTestCase()
{
    // Short stages: 3 s to find a fix (60 ticks of 50 ms), 1 s for the address.
    PlaceUtils::MY_LOCATION_WAITTIME = 1;
    PlaceUtils::MY_LOCATION_WAITTIME_EXTRA = 1;
    PlaceUtils::applyLocationSettings();
}

void tst_MyLocationSpinner::init()
{
    // A fix stored in the current second would be handed out without a run: start each case in
    // a fresh second, with the previous case's run over.
    QVERIFY(SignalWaiter::waitFor([] { return !GetGeolocation::isRunning(PlaceUtils::mylocationRequest); }, 5000));
    const time_t now = time(nullptr);
    QVERIFY(SignalWaiter::waitFor([now] { return time(nullptr) > now; }, 2000));
    m_roots.reset(new TestRoots);
    m_server.reset(new LocationServer);
    SystemUi::clearHistory();
}

void tst_MyLocationSpinner::cleanup()
{
    m_server.reset();
    m_roots.reset();
    hx::system::InvokeManager::unbindTarget(QStringLiteral("sys.settings.card"));
}

void tst_MyLocationSpinner::cleanupTestCase()
{
    PlaceUtils::MY_LOCATION_WAITTIME = 60;
    PlaceUtils::MY_LOCATION_WAITTIME_EXTRA = 10;
    PlaceUtils::applyLocationSettings();
}

void tst_MyLocationSpinner::servicesOffAndDeclined()
{
    m_server->setLocationOn(false);
    m_server->setFixedPosition(1, 2, 10);
    QVERIFY(m_server->start());

    MyLocationSpinner spinner;
    QSignalSpy done(&spinner, &MyLocationSpinner::done);
    DialogPresser presser(QStringLiteral("Location Services Off"), QStringLiteral("Not Now"));
    spinner.fetch();
    QVERIFY(done.isEmpty()); // stages start from the event loop
    QVERIFY(SignalWaiter::wait(done));
    QVERIFY(presser.hasPressed());
    QCOMPARE(code(done), MyLocationSpinnerReturnCode::LocationServicesOff);
    QCOMPARE(location(done), Location());
    QTest::qWait(100);
    QCOMPARE(done.count(), 1);
}

void tst_MyLocationSpinner::servicesTurnedOnFromTheSettingsCard()
{
    m_server->setLocationOn(false);
    m_server->setFixedPosition(43.5, -80.25, 30);
    QVERIFY(m_server->start());
    LocationServer *server = m_server.data();
    // The user spends a moment in settings: the refused run has ended when the card returns.
    hx::system::InvokeManager::bindTarget(QStringLiteral("sys.settings.card"),
                                          [server](const hx::system::InvokedCard &card) {
                                              auto *poll = new QTimer;
                                              QObject::connect(poll, &QTimer::timeout, [poll, server, card] {
                                                  if (GetGeolocation::isRunning(PlaceUtils::mylocationRequest))
                                                      return;
                                                  poll->deleteLater();
                                                  server->setLocationOn(true);
                                                  card.done(hx::system::CardDoneMessage(QStringLiteral("done"), {}));
                                              });
                                              poll->start(20);
                                          });

    MyLocationSpinner spinner;
    QSignalSpy done(&spinner, &MyLocationSpinner::done);
    DialogPresser presser(QStringLiteral("Location Services Off"), QStringLiteral("Settings"));
    spinner.fetch();
    QVERIFY(SignalWaiter::wait(done, 1, 10000));
    // The run before the settings card was refused; stage 2 started a new one.
    QVERIFY(m_server->requestCount() >= 2);
    // No reverse-geocoding service here: the fix comes back as bare coordinates.
    QCOMPARE(code(done), MyLocationSpinnerReturnCode::CoordinatesOnly);
    QCOMPARE(location(done).coordinates().latitude(), 43.5);
}

void tst_MyLocationSpinner::cancelledWhileLocating()
{
    m_server->setSilent();
    QVERIFY(m_server->start());

    MyLocationSpinner spinner;
    QSignalSpy done(&spinner, &MyLocationSpinner::done);
    spinner.fetch();
    QVERIFY(SignalWaiter::waitFor([] { return SystemUi::top().title == QLatin1String("Your current location:"); }));
    const hx::system::SystemUiRecord progress = SystemUi::top();
    QCOMPARE(progress.body, QStringLiteral("Getting your location"));
    QCOMPARE(progress.buttonLabels(), QStringList { QStringLiteral("Cancel") });
    QVERIFY(SystemUi::pressButton(QStringLiteral("Cancel")));
    QVERIFY(SignalWaiter::wait(done));
    QCOMPARE(code(done), MyLocationSpinnerReturnCode::Cancelled);
    QCOMPARE(location(done), Location());
    QTest::qWait(300);
    QCOMPARE(done.count(), 1);
}

void tst_MyLocationSpinner::fixStage_data()
{
    QTest::addColumn<QByteArray>("track"); // empty: the service never answers
    QTest::addColumn<int>("result");
    QTest::addColumn<bool>("quick"); // done before the fix stage's 3 s are over
    QTest::addColumn<double>("latitude");
    QTest::addColumn<double>("longitude");
    QTest::addColumn<float>("accuracy");
    QTest::addColumn<QString>("label");

    const int coordinates = MyLocationSpinnerReturnCode::CoordinatesOnly;
    QTest::newRow("no fix in time gives no location")
        << QByteArray() << int(MyLocationSpinnerReturnCode::NoLocation) << false << 0.0 << 0.0 << 0.0f << QString();
    // No reverse-geocoding service here: a fix comes back as bare coordinates.
    QTest::newRow("a good fix ends the fix stage at once")
        << (fix(10, 10, 150) + fix(43.4643, -80.5204, 60, 100)) << coordinates << true << 43.4643 << -80.5204 << 60.0f
        << "Latitude 43.4643 Longitude -80.5204";
    // 150 m is never good enough for 90 m: the worker publishes it when its own 1-second
    // time-out ends the run, and the spinner takes it once the fix stage is over.
    QTest::newRow("a coarse fix is used after the time-out")
        << fix(1.5, 2.5, 150) << coordinates << false << 1.5 << 2.5 << 150.0f << "Latitude 1.5 Longitude 2.5";
}

void tst_MyLocationSpinner::fixStage()
{
    QFETCH(QByteArray, track);
    QFETCH(int, result);
    QFETCH(bool, quick);
    QFETCH(double, latitude);
    QFETCH(double, longitude);
    QFETCH(float, accuracy);
    QFETCH(QString, label);

    if (track.isEmpty())
        m_server->setSilent();
    else
        m_server->setTrack(track);
    QVERIFY(m_server->start());

    MyLocationSpinner spinner;
    QSignalSpy done(&spinner, &MyLocationSpinner::done);
    QElapsedTimer elapsed;
    elapsed.start();
    spinner.fetch();
    QVERIFY(SignalWaiter::wait(done, 1, 10000));
    QCOMPARE(elapsed.elapsed() < 2500, quick); // 60 ticks of 50 ms
    QCOMPARE(code(done), result);
    QCOMPARE(SystemUi::visibleCount(), 0);
    if (label.isEmpty())
        return;
    const Location found = location(done);
    QCOMPARE(found.coordinates().latitude(), latitude);
    QCOMPARE(found.coordinates().longitude(), longitude);
    QCOMPARE(found.coordinates().horizontalAccuracy(), accuracy);
    QCOMPARE(found.coordinates().verticalAccuracy(), 4.0f);
    QCOMPARE(found.address().label(), label);
}

void tst_MyLocationSpinner::unreachableServiceGivesNoLocation()
{
    // Location is on but nothing serves the control object.
    QVERIFY(m_server->start());
    m_server->stop();
    QVERIFY(QFile::exists(m_server->statusPath()));

    MyLocationSpinner spinner;
    QSignalSpy done(&spinner, &MyLocationSpinner::done);
    QTest::ignoreMessage(QtDebugMsg,
                         QRegularExpression("^hx::trellan::places::MyLocationSpinner::onCheckGeolocationFix\\(\\) pps "
                                            "failed: \\d+$"));
    spinner.fetch();
    QVERIFY(SignalWaiter::wait(done, 1, 2000));
    QCOMPARE(code(done), MyLocationSpinnerReturnCode::NoLocation);
}

void tst_MyLocationSpinner::addressFoundStaysAtTheFix_data()
{
    QTest::addColumn<double>("fixAccuracy");
    QTest::addColumn<double>("houseLatitude"); // NaN: the gazetteer has no house
    QTest::addColumn<QString>("label");
    QTest::addColumn<float>("accuracy");

    QTest::newRow("a town centre 427 m away: the town's reach, not the fix's 25 m")
        << 25.0 << qQNaN() << "Waterloo, Ontario, Canada" << 5000.0f;
    QTest::newRow("a house beside the user: the fix's own accuracy")
        << 60.0 << 43.46435 << "8 King St N, Waterloo, Ontario, Canada" << 60.0f;
    QTest::newRow("a house farther than the fix is sure: how far it is")
        << 25.0 << 43.4673 << "8 King St N, Waterloo, Ontario, Canada" << 334.0f;
}

// The answer is the address found, but the user stands at the fix.
void tst_MyLocationSpinner::addressFoundStaysAtTheFix()
{
    QFETCH(double, fixAccuracy);
    QFETCH(double, houseLatitude);
    QFETCH(QString, label);
    QFETCH(float, accuracy);
    using hx::platform::places::GazetteerEntry;
    GazetteerEntry town
        = GazetteerFixture::entry(GazetteerEntry::Locality, QStringLiteral("Waterloo"), 43.4668, -80.5164, 100000);
    town.region = QStringLiteral("Ontario");
    town.country = QStringLiteral("Canada");
    QList<GazetteerEntry> entries { town };
    if (!qIsNaN(houseLatitude)) {
        GazetteerEntry house
            = GazetteerFixture::entry(GazetteerEntry::Address, QStringLiteral("8 King St N"), houseLatitude, -80.5204);
        house.street = house.name;
        entries << house;
    }
    QVERIFY(GazetteerFixture::write(m_roots->gazetteerPath(), entries));
    hx::msgclient::RevGeoServer service(m_roots->gazetteerPath());
    QVERIFY(service.start());
    m_server->setFixedPosition(43.4643, -80.5204, fixAccuracy);
    QVERIFY(m_server->start());

    MyLocationSpinner spinner;
    QSignalSpy done(&spinner, &MyLocationSpinner::done);
    spinner.fetch();
    QVERIFY(SignalWaiter::wait(done, 1, 10000));
    QCOMPARE(code(done), MyLocationSpinnerReturnCode::AddressFound);
    const Location found = location(done);
    QCOMPARE(found.address().label(), label);
    QCOMPARE(found.coordinates().latitude(), 43.4643);
    QCOMPARE(found.coordinates().longitude(), -80.5204);
    QVERIFY2(qAbs(found.coordinates().horizontalAccuracy() - accuracy) < 1,
             qPrintable(QString::number(found.coordinates().horizontalAccuracy())));
}

QTEST_MAIN(tst_MyLocationSpinner)
#include "tst_mylocationspinner.moc"
