#include <hx/trellan/places/geolocationfixchecker.h>
#include <hx/trellan/places/getgeolocation.h>
#include <hx/trellan/places/placeutils.h>

#include "serviceprocess.h"
#include "signalwaiter.h"
#include "testroots.h"

#include <QtCore/QElapsedTimer>
#include <QtCore/QFile>
#include <QtTest/QSignalSpy>
#include <QtTest/QtTest>

#include <cmath>
#include <ctime>

using namespace hx::test;
using namespace hx::trellan::places;

namespace {

// 200 polls a second: 5 ms ticks, and 5 × 62 = 310 of them, so the deadline is 1.55 s.
const int FREQUENCY = 200;
const int DEADLINE_MS = 1550;

// 90 m, a one-second run on the service, a new run whenever the stored fix has aged.
const GeolocationRequest REQUEST(90, 1, 1, GeolocationRequest::Hybrid, true, 0, true);

QByteArray fix(double latitude, double longitude, double accuracy, int delay = 0)
{
    return QStringLiteral("{\"delay\":%4,\"fix\":{\"latitude\":%1,\"longitude\":%2,\"accuracy\":%3}}\n")
        .arg(latitude)
        .arg(longitude)
        .arg(accuracy)
        .arg(delay)
        .toUtf8();
}

} // namespace

class tst_GeolocationFixChecker : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanupTestCase();

    void emitsTheBestFixOnce_data();
    void emitsTheBestFixOnce();
    void serviceNotRunningEndsAtOnceWithoutAFix();

private:
    int m_savedFrequency = 0;
};

void tst_GeolocationFixChecker::initTestCase()
{
    qRegisterMetaType<SelectorCoordinate>("hx::trellan::places::SelectorCoordinate");
    m_savedFrequency = PlaceUtils::MY_LOCATION_CHECK_FREQUENCY;
    PlaceUtils::MY_LOCATION_CHECK_FREQUENCY = FREQUENCY;
}

void tst_GeolocationFixChecker::init()
{
    // A fix stored in the current second would be handed out without a run: start each case in
    // a fresh second, with the previous case's run over.
    QVERIFY(SignalWaiter::waitFor([] { return !GetGeolocation::isRunning(REQUEST); }, 5000));
    const time_t now = time(nullptr);
    QVERIFY(SignalWaiter::waitFor([now] { return time(nullptr) > now; }, 2000));
}

void tst_GeolocationFixChecker::cleanupTestCase()
{
    PlaceUtils::MY_LOCATION_CHECK_FREQUENCY = m_savedFrequency;
}

void tst_GeolocationFixChecker::emitsTheBestFixOnce_data()
{
    QTest::addColumn<QByteArray>("track"); // empty: the service never sends a fix
    QTest::addColumn<bool>("beforeDeadline");
    QTest::addColumn<double>("latitude");
    QTest::addColumn<double>("longitude");
    QTest::addColumn<double>("accuracy"); // NaN: the default coordinate

    const double none = std::nan("");
    QTest::newRow("a fix of exactly 90 m ends the check at once")
        << fix(43.4643, -80.5204, 90) << true << 43.4643 << -80.5204 << 90.0;
    QTest::newRow("a fix that improves to 30 m ends the check when it does")
        << (fix(10, 20, 400) + fix(11, 21, 150, 100) + fix(43.5, -80.25, 30, 100)) << true << 43.5 << -80.25 << 30.0;
    QTest::newRow("a 150 m fix is kept until the deadline") << fix(1.5, 2.5, 150) << false << 1.5 << 2.5 << 150.0;
    QTest::newRow("no fix at all gives the default coordinate at the deadline")
        << QByteArray() << false << 0.0 << 0.0 << none;
}

void tst_GeolocationFixChecker::emitsTheBestFixOnce()
{
    QFETCH(QByteArray, track);
    QFETCH(bool, beforeDeadline);
    QFETCH(double, latitude);
    QFETCH(double, longitude);
    QFETCH(double, accuracy);

    TestRoots roots;
    QStringList arguments { QStringLiteral("--root"), roots.ppsRoot() };
    if (track.isEmpty()) {
        arguments << QStringLiteral("--silent");
    } else {
        QFile file(roots.path() + QStringLiteral("/track.jsonl"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(track);
        arguments << QStringLiteral("--track") << file.fileName();
    }
    ServiceProcess daemon(QStringLiteral("hx-locationd"));
    QVERIFY2(daemon.start(arguments), qPrintable(daemon.errorOutput()));

    GeolocationFixChecker checker(REQUEST);
    QSignalSpy done(&checker, &GeolocationFixChecker::done);
    QElapsedTimer elapsed;
    elapsed.start();
    checker.start();
    QVERIFY(SignalWaiter::wait(done, 1, 10000));
    QCOMPARE(elapsed.elapsed() < DEADLINE_MS, beforeDeadline);

    const SelectorCoordinate found = done.first().at(0).value<SelectorCoordinate>();
    QCOMPARE(found.latitude(), latitude);
    QCOMPARE(found.longitude(), longitude);
    if (std::isnan(accuracy))
        QVERIFY(std::isnan(found.accuracy()));
    else
        QCOMPARE(found.accuracy(), accuracy);
    // Polling has stopped: nothing more comes while later fixes are published.
    QVERIFY(!SignalWaiter::wait(done, 2, 300));
}

void tst_GeolocationFixChecker::serviceNotRunningEndsAtOnceWithoutAFix()
{
    TestRoots roots; // no control object under the root
    // A request that keeps its fix between runs: the failure stays visible to the next tick,
    // where a request that resets it would start a new run first and show no fix at all.
    const GeolocationRequest keeping(91, 1, 1, GeolocationRequest::Hybrid, false, 0, true);
    GeolocationFixChecker checker(keeping);
    QSignalSpy done(&checker, &GeolocationFixChecker::done);
    QTest::ignoreMessage(QtDebugMsg,
                         QRegularExpression("^hx::trellan::places::GeolocationFixChecker::onCheckGeolocationFix\\(\\) "
                                            "pps failed: [1-9]\\d*$"));
    checker.start();
    QVERIFY(SignalWaiter::wait(done, 1, DEADLINE_MS / 2));
    const SelectorCoordinate found = done.first().at(0).value<SelectorCoordinate>();
    QCOMPARE(found.latitude(), 0.0);
    QVERIFY(std::isnan(found.accuracy()));
    QVERIFY(!SignalWaiter::wait(done, 2, 200));
}

QTEST_GUILESS_MAIN(tst_GeolocationFixChecker)
#include "tst_geolocationfixchecker.moc"
