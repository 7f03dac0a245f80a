#include <hx/trellan/places/getgeolocation.h>
#include <hx/trellan/places/placeutils.h>

#include <hx/pps/locationserver.h>
#include <hx/pps/ppsobject.h>

#include "signalwaiter.h"
#include "testroots.h"

#include <QtCore/QScopeGuard>
#include <QtCore/QThread>
#include <QtTest/QtTest>

#include <cmath>
#include <ctime>

using hx::pps::LocationServer;
using namespace hx::test;
using namespace hx::trellan::places;

namespace {

// Runs publish their fix at once when the service answers at once, so cases that count
// updated() signals make the service wait 200 ms first, time enough to connect the spy.

// The table lives as long as the process, so every case asks with an accuracy of its own and
// gets a fresh worker. A run ends early only on a fix at least as accurate as asked.
GeolocationRequest request(int accuracy, int responseTime = 5, unsigned int staleSeconds = 0, bool resetOnStart = true,
                           bool background = false)
{
    return GeolocationRequest(accuracy, 1, responseTime, GeolocationRequest::Gnss, resetOnStart, staleSeconds,
                              background);
}

QByteArray fix(double latitude, double longitude, double accuracy, int delay = 0)
{
    return QStringLiteral("{\"delay\":%4,\"fix\":{\"latitude\":%1,\"longitude\":%2,\"accuracy\":%3}}\n")
        .arg(latitude)
        .arg(longitude)
        .arg(accuracy)
        .arg(delay)
        .toUtf8();
}

bool waitForState(CurrentCoordinate *coordinate, int state, int timeoutMs = 8000)
{
    return SignalWaiter::waitFor([=] { return coordinate->state() == state; }, timeoutMs);
}

QVariantMap sentData(const LocationServer &server)
{
    const QVariantMap message = hx::PpsObject::decode(server.lastRequest());
    return message.value(QStringLiteral("@control")).toMap();
}

} // namespace

class tst_GetGeolocation : public QObject
{
    Q_OBJECT

private slots:
    void firstFixIsPublished();
    void twoCallsInsideTheStalePeriodStartOneRun();
    void staleZeroStartsANewRunOnceTheSecondHasPassed();
    void callWhileRunningStartsNothing();
    void runEndsWithOneFix_data();
    void runEndsWithOneFix();
    void unopenableControlGivesFailed();
    void requestMessage_data();
    void requestMessage();
    void backgroundRequestsHaveTheirOwnWorker();
    void fixLivesInTheApplicationThread();
};

void tst_GetGeolocation::firstFixIsPublished()
{
    TestRoots roots;
    LocationServer server;
    server.setFixedPosition(43.5, -80.25, 0.5);
    QVERIFY(server.start());

    CurrentCoordinate *coordinate = GetGeolocation::getCoordinate(request(1));
    QVERIFY(coordinate);
    QVERIFY(waitForState(coordinate, CurrentCoordinate::Valid));
    QVERIFY(coordinate->isUsable());
    const SelectorCoordinate value = coordinate->value();
    QCOMPARE(value.latitude(), 43.5);
    QCOMPARE(value.longitude(), -80.25);
    QCOMPARE(value.accuracy(), 0.5);
}

void tst_GetGeolocation::twoCallsInsideTheStalePeriodStartOneRun()
{
    TestRoots roots;
    LocationServer server;
    server.setFixedPosition(10, 20, 1);
    QVERIFY(server.start());

    const GeolocationRequest asked = request(2, 5, 180);
    CurrentCoordinate *first = GetGeolocation::getCoordinate(asked);
    QVERIFY(waitForState(first, CurrentCoordinate::Valid));
    QVERIFY(SignalWaiter::waitFor([&] { return server.requestCount() == 1; }));

    // Reset on start would clear the fix if a second run began.
    CurrentCoordinate *second = GetGeolocation::getCoordinate(asked);
    QCOMPARE(second, first);
    QCOMPARE(second->state(), int(CurrentCoordinate::Valid));
    QTest::qWait(200);
    QCOMPARE(server.requestCount(), 1);
}

void tst_GetGeolocation::staleZeroStartsANewRunOnceTheSecondHasPassed()
{
    TestRoots roots;
    LocationServer server;
    server.setTrack(fix(1, 1, 2) + fix(2, 2, 2, 300));
    QVERIFY(server.start());

    const GeolocationRequest asked = request(3, 5, 0);
    CurrentCoordinate *coordinate = GetGeolocation::getCoordinate(asked);
    QVERIFY(waitForState(coordinate, CurrentCoordinate::Valid));
    // A run still going is joined, not restarted; on a loaded machine the first one ends late.
    QVERIFY(SignalWaiter::waitFor([&] { return !GetGeolocation::isRunning(asked); }, 10000));
    const time_t fixed = time(nullptr);
    QVERIFY(SignalWaiter::waitFor([&] { return time(nullptr) > fixed; }, 3000));

    QCOMPARE(GetGeolocation::getCoordinate(asked), coordinate);
    QCOMPARE(coordinate->state(), int(CurrentCoordinate::NoFix)); // reset for the new run
    QVERIFY(std::isnan(coordinate->latitude()));
    QVERIFY(SignalWaiter::waitFor([&] { return server.requestCount() == 2; }));
    QVERIFY(waitForState(coordinate, CurrentCoordinate::Valid));
}

void tst_GetGeolocation::callWhileRunningStartsNothing()
{
    TestRoots roots;
    LocationServer server;
    server.setSilent();
    QVERIFY(server.start());

    const GeolocationRequest asked = request(4, 1);
    CurrentCoordinate *first = GetGeolocation::getCoordinate(asked);
    QVERIFY(SignalWaiter::waitFor([&] { return server.requestCount() == 1; }));
    QCOMPARE(GetGeolocation::getCoordinate(asked), first);
    QCOMPARE(GetGeolocation::getCoordinate(request(4, 30, 99, false)), first); // same request
    QTest::qWait(200);
    QCOMPARE(server.requestCount(), 1);
    QCOMPARE(first->state(), int(CurrentCoordinate::NoFix));
}

void tst_GetGeolocation::runEndsWithOneFix_data()
{
    QTest::addColumn<QByteArray>("track");
    QTest::addColumn<int>("accuracy"); // asked for; also keeps each row's worker apart
    QTest::addColumn<int>("responseTime");
    QTest::addColumn<double>("latitude");
    QTest::addColumn<double>("longitude");
    QTest::addColumn<double>("fixAccuracy");

    QTest::newRow("a fix as good as asked ends the run; a better one after it is not published")
        << (fix(43.1, -80.1, 150, 200) + fix(43.2, -80.2, 60, 100) + fix(43.3, -80.3, 5, 100)) << 90 << 5 << 43.2
        << -80.2 << 60.0;
    QTest::newRow("the time-out publishes the best earlier fix")
        << fix(43.1, -80.1, 150) << 91 << 1 << 43.1 << -80.1 << 150.0;
    QTest::newRow("an error reply ends the run keeping the earlier position")
        << (fix(5, 6, 500, 200) + "{\"error\":\"timeout\",\"errstr\":\"no satellites\"}\n" + fix(7, 8, 1)) << 92 << 10
        << 5.0 << 6.0 << 500.0;
    // The satellites reply completes a position (30, 31) but cannot end the run.
    QTest::newRow("unusable replies are skipped")
        << QByteArray("{\"delay\":200,\"raw\":\"not an object at all\"}\n"
                      "{\"raw\":\"@control\\nres::location\\ndat:json:{\\\"latitude\\\":\"}\n"
                      "{\"status\":true}\n"
                      "{\"raw\":\"@control\\nres::statusreport\\ndat:json:{\\\"latitude\\\":1,\\\"longitude\\\":1,"
                      "\\\"accuracy\\\":1}\\n\"}\n"
                      "{\"fix\":{\"latitude\":30,\"accuracy\":1}}\n"
                      "{\"fix\":{\"longitude\":31,\"accuracy\":1,\"satellites\":\"seven\"}}\n"
                      "{\"fix\":{\"latitude\":32,\"longitude\":33,\"accuracy\":2,\"satellites\":[{\"id\":3,"
                      "\"cno\":30.5}]}}\n")
        << 93 << 5 << 32.0 << 33.0 << 2.0;
}

void tst_GetGeolocation::runEndsWithOneFix()
{
    QFETCH(QByteArray, track);
    QFETCH(int, accuracy);
    QFETCH(int, responseTime);
    QFETCH(double, latitude);
    QFETCH(double, longitude);
    QFETCH(double, fixAccuracy);

    TestRoots roots;
    LocationServer server;
    server.setTrack(track);
    QVERIFY(server.start());

    CurrentCoordinate *coordinate = GetGeolocation::getCoordinate(request(accuracy, responseTime));
    // The worker emits updated(); counted here, on the test's thread, as a screen would see it.
    int updates = 0;
    const QMetaObject::Connection counting = connect(
        coordinate, &CurrentCoordinate::updated, this, [&updates] { ++updates; }, Qt::QueuedConnection);
    const auto stopCounting = qScopeGuard([&counting] { QObject::disconnect(counting); });
    QVERIFY(SignalWaiter::waitFor([&updates] { return updates >= 1; }, 5000));
    QCOMPARE(coordinate->state(), int(CurrentCoordinate::Valid));
    QCOMPARE(coordinate->value().latitude(), latitude);
    QCOMPARE(coordinate->value().longitude(), longitude);
    QCOMPARE(coordinate->value().accuracy(), fixAccuracy);
    QTest::qWait(300);
    QCOMPARE(updates, 1);
}

void tst_GetGeolocation::unopenableControlGivesFailed()
{
    TestRoots roots; // no service: the control object does not exist
    CurrentCoordinate *coordinate = GetGeolocation::getCoordinate(request(94));
    QVERIFY(waitForState(coordinate, CurrentCoordinate::Failed));
    QVERIFY(coordinate->error() != 0);

    // The worker is idle again: with a service the next call succeeds.
    LocationServer server;
    server.setFixedPosition(1, 2, 3);
    QVERIFY(server.start());
    GetGeolocation::getCoordinate(request(94));
    QVERIFY(waitForState(coordinate, CurrentCoordinate::Valid));
}

void tst_GetGeolocation::requestMessage_data()
{
    QTest::addColumn<GeolocationRequest>("asked");
    QTest::addColumn<QVariantMap>("dat");

    QTest::newRow("my-location preset") << GeolocationRequest(95, 1, 60, GeolocationRequest::Hybrid, true, 0, false)
                                        << QVariantMap { { "period", 1 },
                                                         { "accuracy", 95 },
                                                         { "provider", "hybrid" },
                                                         { "response_time", 60 } };
    QTest::newRow("negative period sends 3 and no response time")
        << GeolocationRequest(96, -1, -1, GeolocationRequest::Network, true, 0, false)
        << QVariantMap { { "period", 3 }, { "accuracy", 96 }, { "provider", "network" } };
    QTest::newRow("background, default provider, no accuracy")
        << GeolocationRequest(0, 2, 0, GeolocationRequest::Default, true, 0, true)
        << QVariantMap { { "background", true }, { "period", 2 }, { "response_time", 0 } };
}

void tst_GetGeolocation::requestMessage()
{
    QFETCH(GeolocationRequest, asked);
    QFETCH(QVariantMap, dat);

    TestRoots roots;
    LocationServer server;
    server.setFixedPosition(1, 2, 1);
    QVERIFY(server.start());
    GetGeolocation::getCoordinate(asked);
    QVERIFY(SignalWaiter::waitFor([&] { return server.requestCount() >= 1; }));

    const QVariantMap control = sentData(server);
    QCOMPARE(control.value("msg").toString(), QStringLiteral("location"));
    QCOMPARE(control.value("id").toString(), asked.id());
    const QVariantMap sent = control.value("dat").toMap();
    QCOMPARE(sent.keys(), dat.keys());
    for (auto it = dat.cbegin(); it != dat.cend(); ++it)
        QCOMPARE(sent.value(it.key()).toString(), it.value().toString());
}

void tst_GetGeolocation::backgroundRequestsHaveTheirOwnWorker()
{
    const GeolocationRequest foreground = request(97, 1, 0, true, false);
    const GeolocationRequest background = request(97, 1, 0, true, true);
    QCOMPARE(foreground.id(), background.id());
    TestRoots roots;
    QVERIFY(GetGeolocation::getCoordinate(foreground) != GetGeolocation::getCoordinate(background));
}

void tst_GetGeolocation::fixLivesInTheApplicationThread()
{
    TestRoots roots;
    CurrentCoordinate *coordinate = nullptr;
    QThread *thread = QThread::create([&coordinate] { coordinate = GetGeolocation::getCoordinate(request(98)); });
    thread->start();
    QVERIFY(thread->wait(5000));
    delete thread;
    QVERIFY(coordinate);
    QCOMPARE(coordinate->thread(), QCoreApplication::instance()->thread());
}

QTEST_MAIN(tst_GetGeolocation)
#include "tst_getgeolocation.moc"
