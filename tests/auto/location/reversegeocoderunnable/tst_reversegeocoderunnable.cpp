#include <hx/trellan/places/reversegeocoderunnable.h>

#include <hx/msgclient/messageserver.h>
#include <hx/msgclient/revgeoserver.h>

#include "signalwaiter.h"
#include "testroots.h"

#include <QtCore/QMutex>
#include <QtCore/QScopeGuard>
#include <QtCore/QThreadPool>
#include <QtTest/QSignalSpy>
#include <QtTest/QtTest>

#include <cmath>

using hx::msgclient::MessageServer;
using hx::platform::places::Location;
using namespace hx::test;
using hx::trellan::places::ReverseGeocodeRunnable;

namespace {

// Answers with two candidates and remembers the boundary each request asked for.
class Service
{
public:
    explicit Service(const QByteArray &reply)
        : m_server(QString::fromLatin1(hx::msgclient::RevGeoServer::ServiceName), [this, reply] {
              return [this, reply](const QByteArray &request) {
                  QMutexLocker locker(&m_mutex);
                  m_requests << request;
                  return reply;
              };
          })
    { }
    bool start() { return m_server.start(); }
    QByteArray lastRequest()
    {
        QMutexLocker locker(&m_mutex);
        return m_requests.value(m_requests.size() - 1);
    }

private:
    QMutex m_mutex;
    QList<QByteArray> m_requests;
    MessageServer m_server;
};

const QByteArray TWO_CANDIDATES = "{\"response\":[{\"name\":\"1 King St\",\"street\":\"1 King St\",\"lat\":43.46,"
                                  "\"lon\":-80.52},{\"name\":\"Waterloo\",\"lat\":43.4,\"lon\":-80.5}]}";

} // namespace

class tst_ReverseGeocodeRunnable : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void boundaryFollowsTheAccuracy_data();
    void boundaryFollowsTheAccuracy();
    void firstCandidateCarriesTheFixAccuracies();
    void nothingFoundReportsFalse();
};

void tst_ReverseGeocodeRunnable::initTestCase()
{
    qRegisterMetaType<Location>("hx::platform::places::Location");
    qRegisterMetaType<ReverseGeocodeRunnable *>("ReverseGeocodeRunnable*");
}

void tst_ReverseGeocodeRunnable::boundaryFollowsTheAccuracy_data()
{
    QTest::addColumn<double>("accuracy");
    QTest::addColumn<QByteArray>("boundary");

    QTest::newRow("120 m asks for the city") << 120.0 << QByteArray("\"city\"");
    QTest::newRow("exactly 90 m asks for the address") << 90.0 << QByteArray("\"address\"");
    QTest::newRow("unknown accuracy asks for the address") << std::nan("") << QByteArray("\"address\"");
}

void tst_ReverseGeocodeRunnable::boundaryFollowsTheAccuracy()
{
    QFETCH(double, accuracy);
    QFETCH(QByteArray, boundary);

    TestRoots roots;
    Service service(TWO_CANDIDATES);
    QVERIFY(service.start());
    auto *runnable = new ReverseGeocodeRunnable(43.5, -80.25, accuracy, 3);
    QSignalSpy done(runnable, &ReverseGeocodeRunnable::done);
    runnable->setAutoDelete(false);
    runnable->run();
    QCOMPARE(done.count(), 1);
    QVERIFY(service.lastRequest().endsWith("\"boundary\": " + boundary + "}"));
    delete runnable;
}

void tst_ReverseGeocodeRunnable::firstCandidateCarriesTheFixAccuracies()
{
    TestRoots roots;
    Service service(TWO_CANDIDATES);
    QVERIFY(service.start());

    auto *runnable = new ReverseGeocodeRunnable(43.5, -80.25, 30, 12);
    ReverseGeocodeRunnable *reported = nullptr;
    bool ok = false;
    Location location;
    int calls = 0;
    // Received by the test object, on the test's thread, the way the checker receives it.
    const QMetaObject::Connection receiving = connect(
        runnable, &ReverseGeocodeRunnable::done, this,
        [&](ReverseGeocodeRunnable *who, bool success, const Location &where) {
            ++calls;
            reported = who;
            ok = success;
            location = where;
        },
        Qt::QueuedConnection);
    const auto stopReceiving = qScopeGuard([&receiving] { QObject::disconnect(receiving); });
    QVERIFY(QThreadPool::globalInstance()->tryStart(runnable));
    QVERIFY(SignalWaiter::waitFor([&] { return calls == 1; }));
    QCOMPARE(reported, runnable); // compared only: the pool has deleted it
    QVERIFY(ok);
    QCOMPARE(location.address().street(), QStringLiteral("1 King St"));
    // The candidate's position with the fix's accuracies, not the fix's position.
    QCOMPARE(location.coordinates().latitude(), 43.46);
    QCOMPARE(location.coordinates().longitude(), -80.52);
    QCOMPARE(location.coordinates().horizontalAccuracy(), 30.0f);
    QCOMPARE(location.coordinates().verticalAccuracy(), 12.0f);
}

void tst_ReverseGeocodeRunnable::nothingFoundReportsFalse()
{
    TestRoots roots; // no service at all
    ReverseGeocodeRunnable runnable(1, 2, 10, 10);
    runnable.setAutoDelete(false);
    QSignalSpy done(&runnable, &ReverseGeocodeRunnable::done);
    runnable.run();
    QCOMPARE(done.count(), 1);
    QCOMPARE(done.first().at(1).toBool(), false);
    QCOMPARE(done.first().at(2).value<Location>(), Location());
}

QTEST_GUILESS_MAIN(tst_ReverseGeocodeRunnable)
#include "tst_reversegeocoderunnable.moc"
