#include <hx/pps/locationserver.h>
#include <hx/pps/ppsdecoder.h>
#include <hx/pps/ppsobject.h>
#include <hx/pps/ppspath.h>

#include <signalwaiter.h>
#include <testroots.h>

#include <QtTest/QtTest>

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <memory>
#include <vector>

using hx::pps::LocationServer;

namespace {

const char ControlObject[] = "/pps/services/geolocation/control";
const QByteArray Request = "@control\nmsg::location\nid::places.1.hybrid.90\n"
                           "dat:json:{\"period\":1,\"accuracy\":90,\"provider\":\"hybrid\",\"response_time\":5}\n";

// What the library does with the control object: open it, write one request, read replies.
class ControlClient
{
public:
    ControlClient() : m_fd(hx::pps::openObject(QString::fromLatin1(ControlObject), O_RDWR)) { }
    ~ControlClient()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    bool isOpen() const { return m_fd >= 0; }
    bool request(const QByteArray &text = Request)
    {
        return ::write(m_fd, text.constData(), text.size()) == text.size();
    }

    // One reply, or an empty array when none comes within timeoutMs.
    QByteArray read(int timeoutMs = 2000)
    {
        pollfd fd { m_fd, POLLIN, 0 };
        if (::poll(&fd, 1, timeoutMs) != 1)
            return QByteArray();
        char buffer[20481] = {};
        const ssize_t n = ::read(m_fd, buffer, 20480);
        return n > 0 ? QByteArray(buffer, int(n)) : QByteArray();
    }

    // The next reply that is not a status reply.
    QByteArray readLocation(int timeoutMs = 2000)
    {
        QElapsedTimer timer;
        timer.start();
        while (timer.elapsed() < timeoutMs) {
            const QByteArray reply = read(int(timeoutMs - timer.elapsed()));
            if (!reply.contains("res::status"))
                return reply;
        }
        return QByteArray();
    }

private:
    int m_fd;
};

QVariantMap controlOf(const QByteArray &reply)
{
    return hx::PpsObject::decode(reply).value(QStringLiteral("@control")).toMap();
}

QVariantMap datOf(const QByteArray &reply)
{
    return controlOf(reply).value(QStringLiteral("dat")).toMap();
}

} // namespace

class tst_LocationServer : public QObject
{
    Q_OBJECT

private slots:
    void answersWithTwoFixesOfDifferentAccuracy();
    void fixedPositionAnswersEveryRequestAndOnlyWhoAsked();
    void aPositionMovedWhileAnsweringIsTheNextAnswer();
    void silentServiceSendsOnlyStatusReplies();
    void locationSwitchShowsInTheStatusObjectAndInReplies();
    void malformedRepliesAreSentAsScripted();
    void cancelStopsTheTrack();
    void badTracksAreRefused_data();
    void badTracksAreRefused();
    void stopRemovesTheControlObject();
    void misbehavingClientsLeaveOthersServed();
};

void tst_LocationServer::answersWithTwoFixesOfDifferentAccuracy()
{
    hx::test::TestRoots roots;
    LocationServer server;
    QVERIFY(server.setTrack("{\"delay\":20,\"fix\":{\"latitude\":43.5,\"longitude\":-80.25,\"accuracy\":150}}\n"
                            "# the better fix follows\n"
                            "{\"delay\":30,\"fix\":{\"latitude\":43.51,\"longitude\":-80.26,\"accuracy\":60,"
                            "\"satellites\":[{\"id\":3,\"cno\":30.5}]}}\n"));
    server.setStatusInterval(0);
    QString error;
    QVERIFY2(server.start(&error), qPrintable(error));

    ControlClient client;
    QVERIFY(client.isOpen());
    QVERIFY(client.request());
    const QByteArray status = client.read();
    QVERIFY2(status.startsWith("@control\nres::status\n"), status.constData());
    QCOMPARE(datOf(status).value(QStringLiteral("active_request")), QVariant(true));

    const QVariantMap first = datOf(client.readLocation());
    QCOMPARE(first.value(QStringLiteral("accuracy")).toDouble(), 150.0);
    const QVariantMap second = datOf(client.readLocation());
    QCOMPARE(second.value(QStringLiteral("accuracy")).toDouble(), 60.0);
    QCOMPARE(second.value(QStringLiteral("latitude")).toDouble(), 43.51);
    QCOMPARE(second.value(QStringLiteral("satellites")).toList().size(), 1);
    QCOMPARE(server.requestCount(), 1);
    QCOMPARE(server.lastRequest(), Request);
}

void tst_LocationServer::fixedPositionAnswersEveryRequestAndOnlyWhoAsked()
{
    hx::test::TestRoots roots;
    LocationServer server;
    server.setFixedPosition(-33.86, 151.21, 25);
    server.setStatusInterval(0);
    QVERIFY(server.start());
    ControlClient quiet;
    QVERIFY(quiet.isOpen());
    for (int i = 0; i < 3; ++i) {
        ControlClient client;
        QVERIFY(client.request());
        const QVariantMap dat = datOf(client.readLocation());
        QCOMPARE(dat.value(QStringLiteral("latitude")).toDouble(), -33.86);
        QCOMPARE(dat.value(QStringLiteral("longitude")).toDouble(), 151.21);
        QCOMPARE(dat.value(QStringLiteral("accuracy")).toDouble(), 25.0);
        QCOMPARE(dat.value(QStringLiteral("satellites")).type(), QVariant::List);
    }
    QCOMPARE(server.requestCount(), 3);
    QVERIFY(quiet.read(100).isEmpty());
}

// The simulator moves the position while the server thread answers: every answer is one of the
// positions set, and the one set last is the one given after it.
void tst_LocationServer::aPositionMovedWhileAnsweringIsTheNextAnswer()
{
    hx::test::TestRoots roots;
    LocationServer server;
    server.setFixedPosition(10, 20, 5);
    server.setStatusInterval(0);
    QVERIFY(server.start());
    for (int move = 1; move <= 40; ++move) {
        ControlClient client;
        QVERIFY(client.request());
        server.setFixedPosition(10 + move, 20, 5);
        const double latitude = datOf(client.readLocation()).value(QStringLiteral("latitude")).toDouble();
        QVERIFY2(latitude == 10 + move || latitude == 9 + move, qPrintable(QString::number(latitude)));
    }
    ControlClient last;
    QVERIFY(last.request());
    QCOMPARE(datOf(last.readLocation()).value(QStringLiteral("latitude")).toDouble(), 50.0);
}

void tst_LocationServer::silentServiceSendsOnlyStatusReplies()
{
    hx::test::TestRoots roots;
    LocationServer server;
    server.setSilent();
    server.setStatusInterval(30);
    QVERIFY(server.start());
    ControlClient client;
    QVERIFY(client.request());
    int statusReplies = 0;
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < 300) {
        const QByteArray reply = client.read(300);
        QVERIFY2(reply.isEmpty() || reply.contains("res::status"), reply.constData());
        statusReplies += reply.isEmpty() ? 0 : 1;
    }
    QVERIFY(statusReplies >= 3);
}

// The library reads the switch from the status object; a request while it is off gets an error.
void tst_LocationServer::locationSwitchShowsInTheStatusObjectAndInReplies()
{
    hx::test::TestRoots roots;
    LocationServer server;
    server.setFixedPosition(1, 2);
    QVERIFY(server.start());
    auto locationOn = [] {
        const int fd = hx::pps::openObject(QStringLiteral("/pps/services/geolocation/status"), O_RDONLY);
        char buffer[2049] = {};
        const bool read = fd >= 0 && ::read(fd, buffer, 2048) > 0;
        if (fd >= 0)
            ::close(fd);
        pps_decoder_t decoder;
        pps_decoder_initialize(&decoder, nullptr);
        bool on = false;
        const bool ok = read && pps_decoder_parse_pps_str(&decoder, buffer) == PPS_DECODER_OK
            && pps_decoder_push(&decoder, nullptr) == PPS_DECODER_OK
            && pps_decoder_push(&decoder, "status") == PPS_DECODER_OK
            && pps_decoder_get_bool(&decoder, "location_manager_location_on", &on) == PPS_DECODER_OK;
        pps_decoder_cleanup(&decoder);
        return ok ? (on ? 2 : 1) : 0;
    };
    QCOMPARE(locationOn(), 2);
    server.setLocationOn(false);
    QCOMPARE(locationOn(), 1);
    QCOMPARE(QFileInfo(server.statusPath()).permissions() & 0x7077, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    QCOMPARE(QFileInfo(server.controlPath()).permissions() & 0x7077, QFileDevice::ReadOwner | QFileDevice::WriteOwner);

    ControlClient client;
    QVERIFY(client.request());
    const QVariantMap reply = controlOf(client.read());
    QCOMPARE(reply.value(QStringLiteral("err")).toString(), QStringLiteral("location_off"));
    QCOMPARE(reply.value(QStringLiteral("errstr")).toString(), QStringLiteral("Location services are off"));
}

void tst_LocationServer::malformedRepliesAreSentAsScripted()
{
    hx::test::TestRoots roots;
    LocationServer server;
    QVERIFY(server.setTrack("{\"raw\":\"@control\\nres::location\\ndat:json:{\\\"latitude\\\":1\"}\n"
                            "{\"fix\":{\"latitude\":1,\"longitude\":2,\"satellites\":\"none\"}}\n"
                            "{\"error\":\"timeout\",\"errstr\":\"No fix in time\"}\n"));
    server.setStatusInterval(0);
    QVERIFY(server.start());
    ControlClient client;
    QVERIFY(client.request());
    QCOMPARE(client.readLocation(), QByteArray("@control\nres::location\ndat:json:{\"latitude\":1"));
    QCOMPARE(datOf(client.readLocation()).value(QStringLiteral("satellites")), QVariant(QStringLiteral("none")));
    const QVariantMap error = controlOf(client.readLocation());
    QCOMPARE(error.value(QStringLiteral("err")).toString(), QStringLiteral("timeout"));
    QCOMPARE(error.value(QStringLiteral("errstr")).toString(), QStringLiteral("No fix in time"));
}

void tst_LocationServer::cancelStopsTheTrack()
{
    hx::test::TestRoots roots;
    LocationServer server;
    QVERIFY(server.setTrack("{\"delay\":150,\"fix\":{\"latitude\":1,\"longitude\":2}}\n"));
    server.setStatusInterval(0);
    QVERIFY(server.start());
    ControlClient client;
    QVERIFY(client.request());
    QVERIFY(client.read().contains("res::status"));
    QVERIFY(client.request("@control\nmsg::cancel\nid::places.1.hybrid.90\n"));
    QVERIFY(client.read(400).isEmpty());
}

void tst_LocationServer::badTracksAreRefused_data()
{
    QTest::addColumn<QByteArray>("track");
    QTest::addColumn<QString>("error");
    QTest::newRow("a line that is not JSON") << QByteArray("{\"fix\":{}}\n{oops\n") << "track line 2";
    QTest::newRow("a line with nothing to send") << QByteArray("{\"delay\":5}\n") << "track line 1";
    QTest::newRow("a line that names a member twice")
        << QByteArray("{\"fix\":{}}\n{\"fix\":{\"latitude\":1},\"fix\":{\"latitude\":2}}\n") << "track line 2";
    QTest::newRow("a line that names a member twice deep inside")
        << QByteArray("{\"fix\":{\"satellites\":[{\"id\":[1],\"id\":2}]}}\n") << "track line 1";
}

void tst_LocationServer::badTracksAreRefused()
{
    QFETCH(QByteArray, track);
    QFETCH(QString, error);
    hx::test::TestRoots roots;
    LocationServer server;
    server.setFixedPosition(-33.86, 151.21, 25);
    server.setStatusInterval(0);
    QString message;
    QVERIFY(!server.setTrack(track, &message));
    QVERIFY2(message.startsWith(error), qPrintable(message));
    QVERIFY(!server.loadTrack(QStringLiteral("/nonexistent/track"), &message));

    // The track it had is kept whole.
    QVERIFY(server.start());
    ControlClient client;
    QVERIFY(client.request());
    QCOMPARE(datOf(client.readLocation()).value(QStringLiteral("latitude")).toDouble(), -33.86);
}

// Clients that hang up mid-request, send garbage or too much, or ask and never read: the
// service keeps answering the one that behaves.
void tst_LocationServer::misbehavingClientsLeaveOthersServed()
{
    hx::test::TestRoots roots;
    LocationServer server;
    server.setFixedPosition(-33.86, 151.21, 25);
    QVERIFY(server.start());
    const QList<QByteArray> bad
        = { Request.left(12), QByteArray("\xff\x00\x01 garbage", 12), QByteArray(64 * 1024, 'x'), QByteArray() };
    for (int i = 0; i < 200; ++i) {
        ControlClient client;
        QVERIFY(client.isOpen());
        const QByteArray &bytes = bad.at(i % bad.size());
        if (!bytes.isEmpty())
            client.request(bytes);
    }
    // Ask and never read: their replies must not block anyone.
    std::vector<std::unique_ptr<ControlClient>> deaf;
    for (int i = 0; i < 50; ++i) {
        deaf.emplace_back(new ControlClient);
        QVERIFY(deaf.back()->request());
    }
    ControlClient client;
    QVERIFY(client.request());
    const QVariantMap dat = datOf(client.readLocation());
    QCOMPARE(dat.value(QStringLiteral("latitude")).toDouble(), -33.86);
}

void tst_LocationServer::stopRemovesTheControlObject()
{
    hx::test::TestRoots roots;
    LocationServer server;
    QVERIFY(server.start());
    QVERIFY(hx::pps::isServerObject(QString::fromLatin1(ControlObject)));
    ControlClient client;
    QVERIFY(client.request());
    server.stop();
    QVERIFY(!server.isRunning());
    QVERIFY(!QFileInfo::exists(server.controlPath()));
    QVERIFY(!ControlClient().isOpen());
}

QTEST_MAIN(tst_LocationServer)
#include "tst_locationserver.moc"
