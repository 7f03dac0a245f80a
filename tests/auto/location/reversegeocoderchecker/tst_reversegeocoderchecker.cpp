#include <hx/trellan/places/placeutils.h>
#include <hx/trellan/places/reversegeocoderchecker.h>

#include <hx/msgclient/messageserver.h>
#include <hx/msgclient/revgeoserver.h>

#include "gazetteerfixture.h"
#include "serviceprocess.h"
#include "signalwaiter.h"
#include "testroots.h"

#include <QtCore/QElapsedTimer>
#include <QtCore/QSemaphore>
#include <QtTest/QSignalSpy>
#include <QtTest/QtTest>

using hx::platform::places::GazetteerEntry;
using hx::platform::places::Location;
using namespace hx::test;
using namespace hx::trellan::places;

namespace {

// One second to wait for the address: 20 polls a second for 1 + 0 seconds.
const int DEADLINE_MS = 1000;

bool writeGazetteer(const QString &path)
{
    GazetteerEntry university
        = GazetteerFixture::entry(GazetteerEntry::Address, QStringLiteral("200 University Ave W"), 43.4723, -80.5449);
    university.street = QStringLiteral("200 University Ave W");
    university.city = QStringLiteral("Waterloo");
    university.region = QStringLiteral("Ontario");
    university.country = QStringLiteral("Canada");
    GazetteerEntry waterloo
        = GazetteerFixture::entry(GazetteerEntry::Locality, QStringLiteral("Waterloo"), 43.4643, -80.5204, 1000);
    waterloo.city = QStringLiteral("Waterloo");
    waterloo.region = QStringLiteral("Ontario");
    waterloo.country = QStringLiteral("Canada");
    return GazetteerFixture::write(path, { university, waterloo });
}

Location answer(const QSignalSpy &done)
{
    return done.first().at(0).value<Location>();
}

} // namespace

class tst_ReverseGeocoderChecker : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();

    void namesTheFixFromTheService_data();
    void namesTheFixFromTheService();
    void noServiceGivesAnEmptyLocation();
    void silentServiceGivesAnEmptyLocationAtTheDeadline();

private:
    int m_savedWaitTime = 0;
    int m_savedTimeout = 0;
};

void tst_ReverseGeocoderChecker::initTestCase()
{
    qRegisterMetaType<Location>("hx::platform::places::Location");
    m_savedWaitTime = PlaceUtils::MY_LOCATION_WAITTIME;
    m_savedTimeout = PlaceUtils::MY_LOCATION_WAITTIME_TIMEOUT;
    PlaceUtils::MY_LOCATION_WAITTIME = 1;
    PlaceUtils::MY_LOCATION_WAITTIME_TIMEOUT = 0;
}

void tst_ReverseGeocoderChecker::cleanupTestCase()
{
    PlaceUtils::MY_LOCATION_WAITTIME = m_savedWaitTime;
    PlaceUtils::MY_LOCATION_WAITTIME_TIMEOUT = m_savedTimeout;
}

void tst_ReverseGeocoderChecker::namesTheFixFromTheService_data()
{
    QTest::addColumn<double>("accuracy");
    QTest::addColumn<QString>("street");
    QTest::addColumn<QString>("city");

    QTest::newRow("a 30 m fix is named by its street address")
        << 30.0 << QStringLiteral("200 University Ave W") << QStringLiteral("Waterloo");
    QTest::newRow("a 500 m fix is named by its town") << 500.0 << QString() << QStringLiteral("Waterloo");
}

void tst_ReverseGeocoderChecker::namesTheFixFromTheService()
{
    QFETCH(double, accuracy);
    QFETCH(QString, street);
    QFETCH(QString, city);

    TestRoots roots;
    QVERIFY(writeGazetteer(roots.gazetteerPath()));
    ServiceProcess daemon(QStringLiteral("hx-revgeocoded"));
    QVERIFY2(daemon.start({ QStringLiteral("--root"), roots.messageRoot(), QStringLiteral("--gazetteer"),
                            roots.gazetteerPath() }),
             qPrintable(daemon.errorOutput()));

    ReverseGeocoderChecker checker(SelectorCoordinate(43.4724, -80.5448, accuracy, 0, 5));
    QSignalSpy done(&checker, &ReverseGeocoderChecker::done);
    checker.start();
    QVERIFY(SignalWaiter::wait(done, 1, 5000));
    QCOMPARE(answer(done).address().street(), street);
    QCOMPARE(answer(done).address().city(), city);
    QCOMPARE(answer(done).coordinates().horizontalAccuracy(), float(accuracy));
    // The deadline no longer runs.
    QVERIFY(!SignalWaiter::wait(done, 2, DEADLINE_MS + 300));
}

void tst_ReverseGeocoderChecker::noServiceGivesAnEmptyLocation()
{
    TestRoots roots; // nothing listens under the message root
    ReverseGeocoderChecker checker(SelectorCoordinate(43.4724, -80.5448, 30, 0, 5));
    QSignalSpy done(&checker, &ReverseGeocoderChecker::done);
    checker.start();
    QVERIFY(SignalWaiter::wait(done, 1, 5000));
    QCOMPARE(answer(done), Location());
    QVERIFY(!SignalWaiter::wait(done, 2, DEADLINE_MS + 300));
}

void tst_ReverseGeocoderChecker::silentServiceGivesAnEmptyLocationAtTheDeadline()
{
    TestRoots roots;
    QSemaphore release;
    hx::msgclient::MessageServer service(QString::fromLatin1(hx::msgclient::RevGeoServer::ServiceName), [&release] {
        return [&release](const QByteArray &) {
            release.tryAcquire(1, 10000);
            return QByteArray("{\"response\":[{\"name\":\"Too late\",\"lat\":1,\"lon\":2}]}");
        };
    });
    QVERIFY(service.start());

    ReverseGeocoderChecker checker(SelectorCoordinate(1, 2, 30, 0, 5));
    QSignalSpy done(&checker, &ReverseGeocoderChecker::done);
    QElapsedTimer elapsed;
    elapsed.start();
    checker.start();
    QVERIFY(SignalWaiter::wait(done, 1, 5000));
    QVERIFY2(elapsed.elapsed() >= DEADLINE_MS - 50, qPrintable(QString::number(elapsed.elapsed())));
    QCOMPARE(answer(done), Location());

    // The answer that comes after the deadline is dropped.
    release.release();
    QVERIFY(!SignalWaiter::wait(done, 2, 500));
}

QTEST_GUILESS_MAIN(tst_ReverseGeocoderChecker)
#include "tst_reversegeocoderchecker.moc"
