#include <hx/trellan/places/currentcoordinate.h>

#include <QtCore/QElapsedTimer>
#include <QtCore/QThread>
#include <QtTest/QSignalSpy>
#include <QtTest/QtTest>

#include <atomic>
#include <cmath>

using namespace hx::trellan::places;

class tst_CurrentCoordinate : public QObject
{
    Q_OBJECT

private slots:
    void newFixIsNotUsable();
    void setPublishesAndSignals();
    void resetKeepsAltitudeAndAccuracies();
    void failedKeepsCoordinatesQuietly();
    void usable_data();
    void usable();
    void readersOnAnotherThreadSeeWholeFixes();
};

void tst_CurrentCoordinate::newFixIsNotUsable()
{
    const CurrentCoordinate fix;
    QCOMPARE(fix.state(), int(CurrentCoordinate::NoFix));
    QCOMPARE(fix.error(), 0);
    QVERIFY(std::isnan(fix.latitude()));
    QVERIFY(std::isnan(fix.longitude()));
    QVERIFY(std::isnan(fix.accuracy()));
    QVERIFY(!fix.isUsable());
}

void tst_CurrentCoordinate::setPublishesAndSignals()
{
    CurrentCoordinate fix;
    QSignalSpy updated(&fix, &CurrentCoordinate::updated);
    fix.setFailed(111);
    fix.set(SelectorCoordinate(43.5, -80.25, 60, 300, 12));
    QCOMPARE(updated.count(), 1);
    QCOMPARE(fix.state(), int(CurrentCoordinate::Valid));
    QVERIFY(fix.isUsable());
    const SelectorCoordinate copy = fix.value();
    QCOMPARE(copy.latitude(), 43.5);
    QCOMPARE(copy.longitude(), -80.25);
    QCOMPARE(copy.accuracy(), 60.0);
    QCOMPARE(copy.altitude(), 300.0);
    QCOMPARE(copy.altitudeAccuracy(), 12.0);
}

void tst_CurrentCoordinate::resetKeepsAltitudeAndAccuracies()
{
    CurrentCoordinate fix;
    fix.set(SelectorCoordinate(1, 2, 3, 4, 5));
    fix.setFailed(5);
    fix.reset();
    QCOMPARE(fix.state(), int(CurrentCoordinate::NoFix));
    QCOMPARE(fix.error(), 0);
    QVERIFY(std::isnan(fix.latitude()));
    QVERIFY(std::isnan(fix.longitude()));
    QCOMPARE(fix.accuracy(), 3.0);
    QCOMPARE(fix.altitude(), 4.0);
    QCOMPARE(fix.altitudeAccuracy(), 5.0);
}

void tst_CurrentCoordinate::failedKeepsCoordinatesQuietly()
{
    CurrentCoordinate fix;
    fix.set(SelectorCoordinate(10, 20, 30, 40, 50));
    QSignalSpy updated(&fix, &CurrentCoordinate::updated);
    fix.setFailed(ECONNREFUSED);
    QCOMPARE(updated.count(), 0);
    QCOMPARE(fix.state(), int(CurrentCoordinate::Failed));
    QCOMPARE(fix.error(), int(ECONNREFUSED));
    QCOMPARE(fix.latitude(), 10.0);
    QVERIFY(!fix.isUsable());
}

void tst_CurrentCoordinate::usable_data()
{
    QTest::addColumn<double>("latitude");
    QTest::addColumn<double>("longitude");
    QTest::addColumn<bool>("usable");

    const double nan = std::nan("");
    QTest::newRow("zero zero is a place") << 0.0 << 0.0 << true;
    QTest::newRow("latitude missing") << nan << 2.0 << false;
    QTest::newRow("longitude missing") << 1.0 << nan << false;
}

void tst_CurrentCoordinate::usable()
{
    QFETCH(double, latitude);
    QFETCH(double, longitude);
    QFETCH(bool, usable);

    CurrentCoordinate fix;
    fix.set(SelectorCoordinate(latitude, longitude, 5, 0, 0));
    QCOMPARE(fix.isUsable(), usable);
}

// A worker publishes fix after fix (all five values equal to a counter) while this thread
// polls without a lock: every Valid copy must be whole, never NaN and never mixed.
void tst_CurrentCoordinate::readersOnAnotherThreadSeeWholeFixes()
{
    CurrentCoordinate fix;
    std::atomic<bool> stop(false);
    QThread *writer = QThread::create([&fix, &stop] {
        for (qint64 i = 1; !stop.load(); ++i) {
            if (i % 100 == 0)
                fix.reset();
            fix.set(SelectorCoordinate(i, i, i, i, i));
        }
    });
    writer->start();
    int seen = 0;
    QElapsedTimer timer;
    timer.start();
    // Read until enough whole fixes were seen, however the two threads get scheduled.
    while (seen < 2000 && timer.elapsed() < 10000) {
        if (fix.state() != CurrentCoordinate::Valid)
            continue;
        const SelectorCoordinate copy = fix.value();
        if (std::isnan(copy.latitude()))
            continue; // reset between the state and the copy
        ++seen;
        QCOMPARE(copy.longitude(), copy.latitude());
        QCOMPARE(copy.accuracy(), copy.latitude());
        QCOMPARE(copy.altitudeAccuracy(), copy.latitude());
    }
    stop.store(true);
    writer->wait();
    delete writer;
    QVERIFY(seen > 0);
}

QTEST_GUILESS_MAIN(tst_CurrentCoordinate)
#include "tst_currentcoordinate.moc"
