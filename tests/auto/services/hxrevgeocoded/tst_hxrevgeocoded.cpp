#include <hx/msgclient/msgclient.h>
#include <hx/msgclient/revgeoserver.h>

#include <gazetteerfixture.h>
#include <serviceprocess.h>
#include <testroots.h>

#include <QtCore/QFileInfo>
#include <QtCore/QJsonArray>
#include <QtCore/QJsonDocument>
#include <QtCore/QJsonObject>
#include <QtCore/QProcess>
#include <QtTest/QtTest>

#include <atomic>
#include <thread>
#include <vector>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

using hx::platform::places::GazetteerEntry;
using hx::test::GazetteerFixture;

namespace {

GazetteerEntry place(GazetteerEntry::Kind kind, const QString &name, double latitude, double longitude,
                     const QString &region, const QString &country)
{
    GazetteerEntry entry = GazetteerFixture::entry(kind, name, latitude, longitude, 1000);
    entry.region = region;
    entry.country = country;
    return entry;
}

bool writeGazetteer(const QString &path)
{
    GazetteerEntry university = place(GazetteerEntry::Address, QStringLiteral("200 University Ave W"), 43.4723,
                                      -80.5449, QStringLiteral("Ontario"), QStringLiteral("Canada"));
    university.street = QStringLiteral("200 University Ave W");
    university.city = QStringLiteral("Waterloo");
    university.postalCode = QStringLiteral("N2L 3G1");
    GazetteerEntry downing = place(GazetteerEntry::Address, QStringLiteral("10 Downing St"), 51.50336, -0.12763,
                                   QStringLiteral("England"), QStringLiteral("United Kingdom"));
    downing.street = QStringLiteral("10 Downing St");
    downing.city = QStringLiteral("London");
    downing.postalCode = QStringLiteral("SW1A 2AA");
    // Sections of towns: one of Waterloo, one named after a town the gazetteer does not have.
    GazetteerEntry central = place(GazetteerEntry::Neighbourhood, QStringLiteral("Central"), 43.4600, -80.5190,
                                   QStringLiteral("Ontario"), QStringLiteral("Canada"));
    central.city = QStringLiteral("Waterloo");
    GazetteerEntry victoriaPark = place(GazetteerEntry::Neighbourhood, QStringLiteral("Victoria Park"), 43.4500,
                                        -80.4950, QStringLiteral("Ontario"), QStringLiteral("Canada"));
    victoriaPark.city = QStringLiteral("Kitchener");
    return GazetteerFixture::write(path,
                                   { place(GazetteerEntry::Locality, QStringLiteral("Waterloo"), 43.4643, -80.5204,
                                           QStringLiteral("Ontario"), QStringLiteral("Canada")),
                                     place(GazetteerEntry::Locality, QStringLiteral("Toronto"), 43.6532, -79.3832,
                                           QStringLiteral("Ontario"), QStringLiteral("Canada")),
                                     place(GazetteerEntry::Locality, QStringLiteral("London"), 51.5072, -0.1276,
                                           QStringLiteral("England"), QStringLiteral("United Kingdom")),
                                     university, downing, central, victoriaPark });
}

// One exchange as the library makes it: open, put-get into 8192 bytes, close.
// The time-out only guards against a hung service: a loaded machine may be slow to answer many at once.
QJsonObject exchange(const QByteArray &request, int *result = nullptr, int timeoutSeconds = 10)
{
    msgclient_channel_t *channel = msgclient_open("revgeocode", "default", timeoutSeconds);
    char reply[8192] = {};
    size_t length = 0;
    const int status = channel
        ? msgclient_putget(channel, request.constData(), size_t(request.size()), reply, sizeof reply, &length, 0)
        : -1;
    msgclient_close(channel);
    if (result)
        *result = status;
    return QJsonDocument::fromJson(QByteArray(reply, int(length))).object();
}

QJsonObject firstCandidate(const QJsonObject &reply)
{
    return reply.value(QStringLiteral("response")).toArray().at(0).toObject();
}

QByteArray requestFor(double latitude, double longitude, const char *boundary)
{
    return "{\"lat\":" + QByteArray::number(latitude, 'f', 7) + ", \"lon\":" + QByteArray::number(longitude, 'f', 7)
        + ", \"boundary\": \"" + boundary + "\"}";
}

// A client that speaks the wire form by hand: writes `bytes` raw, then hangs up without reading.
bool sendRawAndHangUp(const QString &socketPath, const QByteArray &bytes)
{
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_un address {};
    address.sun_family = AF_UNIX;
    const QByteArray path = QFile::encodeName(socketPath);
    qstrncpy(address.sun_path, path.constData(), sizeof address.sun_path);
    const bool sent = fd >= 0 && ::connect(fd, reinterpret_cast<sockaddr *>(&address), sizeof address) == 0
        && (bytes.isEmpty() || ::send(fd, bytes.constData(), size_t(bytes.size()), MSG_NOSIGNAL) == bytes.size());
    if (fd >= 0)
        ::close(fd);
    return sent;
}

QByteArray framed(const QByteArray &request, quint32 announced)
{
    const char header[4] = { char(announced >> 24), char(announced >> 16), char(announced >> 8), char(announced) };
    return QByteArray(header, 4) + request;
}

} // namespace

class tst_HxRevGeocoded : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void answersFromTheGazetteer_data();
    void answersFromTheGazetteer();
    void candidatesCarryEveryMember();
    void hundredConcurrentClientsEachGetTheirOwnAnswerOrError();
    void missingGazetteerGivesAnErrorReply();
    void clientsThatMisbehaveDoNotStopTheService_data();
    void clientsThatMisbehaveDoNotStopTheService();
    void floodOfHangingUpClientsLeavesOthersAnswered();
    void daemonServesAndStopsOnSigterm();
    void aSecondServiceOnTheSameRootRefusesToStart();

private:
    QScopedPointer<hx::test::TestRoots> m_roots;
    QScopedPointer<hx::msgclient::RevGeoServer> m_server;
};

void tst_HxRevGeocoded::init()
{
    m_roots.reset(new hx::test::TestRoots);
    QVERIFY(writeGazetteer(m_roots->gazetteerPath()));
    m_server.reset(new hx::msgclient::RevGeoServer);
    QString error;
    QVERIFY2(m_server->start(&error), qPrintable(error));
}

void tst_HxRevGeocoded::cleanup()
{
    m_server.reset();
    m_roots.reset();
}

void tst_HxRevGeocoded::answersFromTheGazetteer_data()
{
    QTest::addColumn<QByteArray>("request");
    QTest::addColumn<QStringList>("names");

    QTest::newRow("an address request 990 m from the nearest address still starts with it")
        << requestFor(43.4812, -80.5449, "address")
        << QStringList({ "200 University Ave W, Waterloo, Ontario, N2L 3G1, Canada", "Waterloo, Ontario, Canada",
                         "Ontario, Canada", "Canada" });
    QTest::newRow("a postal request 1010 m from the nearest address starts with the locality")
        << requestFor(43.4814, -80.5449, "postal")
        << QStringList({ "Waterloo, Ontario, Canada", "Ontario, Canada", "Canada" });
    QTest::newRow("a city request starts with the locality")
        << requestFor(43.4724, -80.5448, "city")
        << QStringList({ "Waterloo, Ontario, Canada", "Ontario, Canada", "Canada" });
    QTest::newRow("an address request far from every address starts with the nearest locality")
        << requestFor(43.66, -79.39, "address")
        << QStringList({ "Toronto, Ontario, Canada", "Ontario, Canada", "Canada" });
    QTest::newRow("a section of the town stands below an address request, never for the town")
        << requestFor(43.4620, -80.5200, "address")
        << QStringList(
               { "Central, Waterloo, Ontario, Canada", "Waterloo, Ontario, Canada", "Ontario, Canada", "Canada" });
    QTest::newRow("a city request beside a section names the town alone")
        << requestFor(43.4600, -80.5190, "city")
        << QStringList({ "Waterloo, Ontario, Canada", "Ontario, Canada", "Canada" });
    QTest::newRow("a section of another town is left out")
        << requestFor(43.4505, -80.4955, "address")
        << QStringList({ "Waterloo, Ontario, Canada", "Ontario, Canada", "Canada" });
    QTest::newRow("a province request") << requestFor(51.5, -0.12, "province")
                                        << QStringList({ "England, United Kingdom", "United Kingdom" });
    QTest::newRow("a country request") << requestFor(51.5, -0.12, "country") << QStringList({ "United Kingdom" });
}

void tst_HxRevGeocoded::answersFromTheGazetteer()
{
    QFETCH(QByteArray, request);
    QFETCH(QStringList, names);
    int result = -1;
    const QJsonObject reply = exchange(request, &result);
    QCOMPARE(result, int(MSGCLIENT_OK));
    QStringList got;
    for (const QJsonValue &candidate : reply.value(QStringLiteral("response")).toArray())
        got << candidate.toObject().value(QStringLiteral("name")).toString();
    QCOMPARE(got, names);
}

void tst_HxRevGeocoded::candidatesCarryEveryMember()
{
    const QJsonObject first = firstCandidate(exchange(requestFor(51.5034, -0.1276, "address")));
    QCOMPARE(first.value(QStringLiteral("street")).toString(), QStringLiteral("10 Downing St"));
    QCOMPARE(first.value(QStringLiteral("city")).toString(), QStringLiteral("London"));
    QCOMPARE(first.value(QStringLiteral("region")).toString(), QStringLiteral("England"));
    QCOMPARE(first.value(QStringLiteral("country")).toString(), QStringLiteral("United Kingdom"));
    QCOMPARE(first.value(QStringLiteral("postal_code")).toString(), QStringLiteral("SW1A 2AA"));
    QCOMPARE(first.value(QStringLiteral("lat")).toDouble(), 51.50336);
    QCOMPARE(first.value(QStringLiteral("lon")).toDouble(), -0.12763);
    QCOMPARE(first.value(QStringLiteral("zoom")).toInt(), 17);
    QCOMPARE(first.value(QStringLiteral("merit")).toInt(), -1);
}

// A quarter of the clients send bad requests; the rest alternate between two cities, so an
// answer handed to the wrong client shows.
void tst_HxRevGeocoded::hundredConcurrentClientsEachGetTheirOwnAnswerOrError()
{
    const QList<QByteArray> bad = { QByteArray("garbage \xff\x01"), QByteArray(), QByteArray("{\"lat\":100,\"lon\":0}"),
                                    "{\"lat\":1,\"lon\":2,\"pad\":\"" + QByteArray(8000, ' ') + "\"}" };
    std::atomic<int> errors { 0 };
    std::atomic<int> correct { 0 };
    std::vector<std::thread> clients;
    for (int i = 0; i < 100; ++i) {
        clients.emplace_back([i, &bad, &errors, &correct] {
            if (i % 4 == 0) {
                const QJsonObject reply = exchange(bad.at(i / 4 % bad.size()));
                if (reply.value(QStringLiteral("response")).toArray().isEmpty()
                    && !reply.value(QStringLiteral("error")).toString().isEmpty())
                    ++errors;
                return;
            }
            const bool london = i % 2;
            const QJsonObject reply = exchange(london ? requestFor(51.5 + i * 1e-5, -0.13, "city")
                                                      : requestFor(43.47 + i * 1e-5, -80.53, "city"));
            const QString city = firstCandidate(reply).value(QStringLiteral("city")).toString();
            if (city == (london ? QLatin1String("London") : QLatin1String("Waterloo")))
                ++correct;
        });
    }
    for (auto &client : clients)
        client.join();
    QCOMPARE(errors.load(), 25);
    QCOMPARE(correct.load(), 75);
}

void tst_HxRevGeocoded::clientsThatMisbehaveDoNotStopTheService_data()
{
    const QByteArray request = requestFor(43.47, -80.53, "city");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("a client that connects and hangs up at once") << QByteArray();
    QTest::newRow("a client that sends half a header") << QByteArray("\0\0", 2);
    QTest::newRow("a client that hangs up in the middle of its request")
        << framed(request.left(10), quint32(request.size()));
    QTest::newRow("a client that hangs up before reading its reply") << framed(request, quint32(request.size()));
    QTest::newRow("a client that announces four gigabytes") << framed("{", 0xffffffffu);
    QTest::newRow("a client that sends garbage") << QByteArray("\xff\xfe garbage \x01\x02\x03 and more").repeated(50);
}

void tst_HxRevGeocoded::clientsThatMisbehaveDoNotStopTheService()
{
    QFETCH(QByteArray, bytes);
    for (int i = 0; i < 20; ++i)
        QVERIFY(sendRawAndHangUp(m_server->server().socketPath(), bytes));
    const QJsonObject reply = exchange(requestFor(51.5, -0.13, "city"));
    QCOMPARE(firstCandidate(reply).value(QStringLiteral("city")).toString(), QStringLiteral("London"));
}

void tst_HxRevGeocoded::floodOfHangingUpClientsLeavesOthersAnswered()
{
    const QByteArray request = requestFor(43.47, -80.53, "city");
    const QString socketPath = m_server->server().socketPath();
    std::atomic<bool> flooding { true };
    std::atomic<int> floods { 0 };
    std::vector<std::thread> flooders;
    for (int t = 0; t < 4; ++t) {
        flooders.emplace_back([&socketPath, &request, &flooding, &floods] {
            while (flooding) {
                sendRawAndHangUp(socketPath, framed(request, quint32(request.size())));
                ++floods;
            }
        });
    }
    int answered = 0;
    for (int i = 0; i < 20; ++i) {
        int status = -1;
        // Queued behind the flood, a client may wait longer than usual, but it is answered.
        const QJsonObject reply = exchange(requestFor(51.5, -0.13, "city"), &status, 20);
        if (status == 0 && !reply.value(QStringLiteral("response")).toArray().isEmpty())
            ++answered;
    }
    flooding = false;
    for (auto &flooder : flooders)
        flooder.join();
    QVERIFY(floods > 20);
    QCOMPARE(answered, 20);
}

void tst_HxRevGeocoded::missingGazetteerGivesAnErrorReply()
{
    m_server.reset();
    hx::msgclient::RevGeoServer server(m_roots->path() + QStringLiteral("/missing.db"));
    QVERIFY(server.start());
    const QJsonObject reply = exchange(requestFor(43.47, -80.53, "address"));
    QVERIFY(reply.value(QStringLiteral("response")).toArray().isEmpty());
    QCOMPARE(reply.value(QStringLiteral("error")).toString(), QStringLiteral("gazetteer unavailable"));
}

void tst_HxRevGeocoded::daemonServesAndStopsOnSigterm()
{
    m_server.reset();
    hx::test::ServiceProcess daemon(QStringLiteral("hx-revgeocoded"));
    QVERIFY2(daemon.start({ QStringLiteral("--root"), m_roots->messageRoot(), QStringLiteral("--gazetteer"),
                            m_roots->gazetteerPath() }),
             qPrintable(daemon.errorOutput()));
    QCOMPARE(firstCandidate(exchange(requestFor(43.4724, -80.5448, "address"))).value(QStringLiteral("postal_code")),
             QJsonValue(QStringLiteral("N2L 3G1")));
    QVERIFY2(daemon.terminate(), qPrintable(daemon.errorOutput()));
    QVERIFY(!QFileInfo::exists(m_roots->messageRoot() + QStringLiteral("/revgeocode")));
}

void tst_HxRevGeocoded::aSecondServiceOnTheSameRootRefusesToStart()
{
    // The first server is this test's own; the second is the daemon.
    QProcess second;
    second.start(
        hx::test::ServiceProcess::programPath(QStringLiteral("hx-revgeocoded")),
        { QStringLiteral("--root"), m_roots->messageRoot(), QStringLiteral("--gazetteer"), m_roots->gazetteerPath() });
    QVERIFY(second.waitForFinished(30000));
    QCOMPARE(second.exitCode(), 1);
    QVERIFY2(QString::fromUtf8(second.readAllStandardError())
                 .contains(
                     QStringLiteral("/revgeocode is already served by PID %1").arg(QCoreApplication::applicationPid())),
             "no word of the server that has the socket");
    // The first still answers.
    QCOMPARE(firstCandidate(exchange(requestFor(43.4724, -80.5448, "address"))).value(QStringLiteral("postal_code")),
             QJsonValue(QStringLiteral("N2L 3G1")));
}

QTEST_GUILESS_MAIN(tst_HxRevGeocoded)
#include "tst_hxrevgeocoded.moc"
