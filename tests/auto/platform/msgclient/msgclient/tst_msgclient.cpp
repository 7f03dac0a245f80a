#include <hx/msgclient/messageserver.h>
#include <hx/msgclient/msgclient.h>

#include <testroots.h>

#include <QtCore/QFileInfo>
#include <QtTest/QtTest>

#include <atomic>
#include <cstring>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <thread>
#include <unistd.h>

using hx::msgclient::MessageServer;

namespace {

// Answers "echo:<text>"; a request starting with "sleep" waits 300 ms first.
MessageServer::HandlerFactory echoFactory()
{
    return [] {
        return [](const QByteArray &request) {
            if (request.startsWith("sleep"))
                std::this_thread::sleep_for(std::chrono::milliseconds(300));
            return "echo:" + request;
        };
    };
}

QByteArray framed(const QByteArray &request)
{
    const quint32 length = quint32(request.size());
    const char header[4] = { char(length >> 24), char(length >> 16), char(length >> 8), char(length) };
    return QByteArray(header, 4) + request;
}

// A client that speaks the wire form by hand.
int connectRaw(const QString &socketPath)
{
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_un address {};
    address.sun_family = AF_UNIX;
    qstrncpy(address.sun_path, QFile::encodeName(socketPath).constData(), sizeof address.sun_path);
    if (fd >= 0 && ::connect(fd, reinterpret_cast<sockaddr *>(&address), sizeof address) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

// Reads until `bytes` have come, the peer hangs up, or five seconds pass.
QByteArray receiveRaw(int fd, int bytes)
{
    QByteArray received;
    QElapsedTimer timer;
    timer.start();
    while (received.size() < bytes && timer.elapsed() < 5000) {
        pollfd p { fd, POLLIN, 0 };
        if (::poll(&p, 1, 100) <= 0)
            continue;
        char chunk[256];
        const ssize_t n = ::recv(fd, chunk, sizeof chunk, 0);
        if (n <= 0)
            break;
        received.append(chunk, int(n));
    }
    return received;
}

struct Channel
{
    explicit Channel(const char *service = "echo", const char *instance = "default", int timeout = 2)
        : channel(msgclient_open(service, instance, timeout))
    { }
    ~Channel() { msgclient_close(channel); }
    msgclient_channel_t *channel;
};

// A private message root with an echo service on it, not yet started.
struct EchoService
{
    hx::test::TestRoots roots;
    MessageServer server { QStringLiteral("echo"), echoFactory() };
};

// One exchange on an open channel. The reply must be NUL-terminated with `length` counting the
// bytes before the NUL; anything else, or a failed exchange, gives an empty array.
QByteArray ask(msgclient_channel_t *channel, const QByteArray &request, int *result = nullptr)
{
    char reply[8192];
    size_t length = 0;
    const int status
        = msgclient_putget(channel, request.constData(), size_t(request.size()), reply, sizeof reply, &length, 0);
    if (result)
        *result = status;
    return status == MSGCLIENT_OK && qstrlen(reply) == length ? QByteArray(reply, int(length)) : QByteArray();
}

} // namespace

class tst_MsgClient : public QObject
{
    Q_OBJECT

private slots:
    void exchangesRequestsAndReplies();
    void replyNeverOverflowsTheBuffer_data();
    void replyNeverOverflowsTheBuffer();
    void badArgumentsAndMissingServicesAreRefused();
    void slowReplyTimesOut();
    void oversizeRequestGetsTheErrorReply();
    void socketsArePrivateAndNamedByInstance();
    void busyAndQuietClientsDoNotHoldUpOthers();
    void requestsArrivingInPiecesOrTogetherAreEachAnswered_data();
    void requestsArrivingInPiecesOrTogetherAreEachAnswered();
    void handlerMayKeepTheRequestsItAnswered();
    void connectionQuietPastTheIdleTimeoutIsClosed();
    void clientBeyondTheConnectionLimitIsServedOnceOneCloses();
    void stoppingEndsConnectionsAndTheServerStartsAgain();
};

void tst_MsgClient::exchangesRequestsAndReplies()
{
    EchoService echo;
    QVERIFY(echo.server.start());
    Channel c;
    QVERIFY(c.channel);
    for (const QByteArray &request : { QByteArray("first"), QByteArray(""), QByteArray(5000, 'x') })
        QCOMPARE(ask(c.channel, request), "echo:" + request);
    QCOMPARE(echo.server.answered(), 3);
}

void tst_MsgClient::replyNeverOverflowsTheBuffer_data()
{
    QTest::addColumn<int>("bufferSize");
    QTest::addColumn<int>("result");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("a reply that fits exactly with its NUL") << 12 << int(MSGCLIENT_OK) << QByteArray("echo:abcdef");
    QTest::newRow("a reply one byte too long is cut")
        << 11 << int(MSGCLIENT_ERROR_TRUNCATED) << QByteArray("echo:abcde");
    QTest::newRow("a one-byte buffer holds only the NUL") << 1 << int(MSGCLIENT_ERROR_TRUNCATED) << QByteArray();
}

void tst_MsgClient::replyNeverOverflowsTheBuffer()
{
    QFETCH(int, bufferSize);
    QFETCH(int, result);
    QFETCH(QByteArray, expected);

    EchoService echo;
    QVERIFY(echo.server.start());
    Channel c;
    QByteArray buffer(bufferSize + 8, '#'); // guard bytes after the buffer given
    size_t length = 0;
    QCOMPARE(msgclient_putget(c.channel, "abcdef", 6, buffer.data(), size_t(bufferSize), &length, 0), result);
    QCOMPARE(QByteArray(buffer.constData()), expected);
    QCOMPARE(length, size_t(expected.size()));
    QCOMPARE(buffer.mid(bufferSize), QByteArray(8, '#'));
    // The rest of a cut reply was dropped, so the next exchange lines up.
    QCOMPARE(ask(c.channel, "next"), QByteArray("echo:next"));
}

void tst_MsgClient::badArgumentsAndMissingServicesAreRefused()
{
    EchoService echo;
    QVERIFY(!msgclient_open("revgeocode", "default", 2));
    QVERIFY(!msgclient_open("../escape", "default", 2));
    QVERIFY(!msgclient_open(nullptr, "default", 2));
    msgclient_close(nullptr);

    QVERIFY(echo.server.start());
    Channel c;
    char reply[8];
    size_t length = 0;
    QCOMPARE(msgclient_putget(nullptr, "x", 1, reply, sizeof reply, &length, 0), int(MSGCLIENT_ERROR_INVALID));
    QCOMPARE(msgclient_putget(c.channel, "x", 1, reply, 0, &length, 0), int(MSGCLIENT_ERROR_INVALID));
    QCOMPARE(msgclient_putget(c.channel, "x", 1, nullptr, 8, &length, 0), int(MSGCLIENT_ERROR_INVALID));
    const QByteArray huge(MSGCLIENT_MAX_REQUEST + 1, 'x');
    QCOMPARE(msgclient_putget(c.channel, huge.constData(), size_t(huge.size()), reply, sizeof reply, &length, 0),
             int(MSGCLIENT_ERROR_INVALID));
}

void tst_MsgClient::slowReplyTimesOut()
{
    EchoService echo;
    QVERIFY(echo.server.start());
    Channel c;
    char reply[64] = "untouched";
    size_t length = 7;
    QElapsedTimer timer;
    timer.start();
    QCOMPARE(msgclient_putget(c.channel, "sleep", 5, reply, sizeof reply, &length, 100), int(MSGCLIENT_ERROR_TIMEOUT));
    QVERIFY(timer.elapsed() < 290);
    QCOMPARE(reply[0], '\0');
    QCOMPARE(length, size_t(0));
}

void tst_MsgClient::oversizeRequestGetsTheErrorReply()
{
    EchoService echo;
    echo.server.setMaxRequestSize(16);
    echo.server.setErrorReply([](const QString &reason) { return "error:" + reason.toUtf8(); });
    QVERIFY(echo.server.start());
    Channel big, small;
    QCOMPARE(ask(big.channel, "0123456789abcdefg"), QByteArray("error:request too large"));
    QCOMPARE(ask(small.channel, "0123456789abcdef"), QByteArray("echo:0123456789abcdef"));
    // The oversize connection was closed after its error reply.
    int result = -1;
    ask(big.channel, "x", &result);
    QCOMPARE(result, int(MSGCLIENT_ERROR_CLOSED));
}

void tst_MsgClient::socketsArePrivateAndNamedByInstance()
{
    hx::test::TestRoots roots;
    QCOMPARE(MessageServer::socketPath(QStringLiteral("revgeocode"), QStringLiteral("default")),
             roots.messageRoot() + QStringLiteral("/revgeocode"));
    MessageServer server(QStringLiteral("echo"), echoFactory(), QStringLiteral("second"));
    QVERIFY(server.start());
    QCOMPARE(server.socketPath(), roots.messageRoot() + QStringLiteral("/echo.second"));
    QCOMPARE(QFileInfo(server.socketPath()).permissions() & 0x7077, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    QVERIFY(!Channel("echo", "default").channel);
    QVERIFY(Channel("echo", "second").channel);
    server.stop();
    QVERIFY(!QFileInfo::exists(server.socketPath()));
}

// Workers are shared between connections: a client that connected and says nothing (held for
// the 10-second idle time-out), and one whose answer is still being worked out, must not keep a
// new client waiting past its 2-second time-out.
void tst_MsgClient::busyAndQuietClientsDoNotHoldUpOthers()
{
    EchoService echo;
    QVERIFY(echo.server.start());
    Channel quiet[6];
    for (const Channel &c : quiet)
        QVERIFY(c.channel);
    std::thread busy([] { ask(Channel().channel, "sleep"); });
    for (int i = 0; i < 20; ++i) {
        const QByteArray request = "n" + QByteArray::number(i);
        QCOMPARE(ask(Channel().channel, request), "echo:" + request);
    }
    busy.join();
    QCOMPARE(echo.server.answered(), 21);
}

void tst_MsgClient::requestsArrivingInPiecesOrTogetherAreEachAnswered_data()
{
    QTest::addColumn<QList<QByteArray>>("writes");
    QTest::addColumn<QByteArray>("replies");

    const QByteArray both = framed("first") + framed("second");
    QList<QByteArray> bytes;
    for (char c : both)
        bytes.append(QByteArray(1, c));
    QTest::newRow("two requests in one write")
        << QList<QByteArray> { both } << QByteArray("echo:first\0echo:second\0", 23);
    QTest::newRow("a header in one write, its request in the next")
        << QList<QByteArray> { both.left(4), both.mid(4, 5), both.mid(9) }
        << QByteArray("echo:first\0echo:second\0", 23);
    QTest::newRow("a byte at a time") << bytes << QByteArray("echo:first\0echo:second\0", 23);
    QTest::newRow("an empty request") << QList<QByteArray> { framed(QByteArray()) } << QByteArray("echo:\0", 6);
}

void tst_MsgClient::requestsArrivingInPiecesOrTogetherAreEachAnswered()
{
    QFETCH(QList<QByteArray>, writes);
    QFETCH(QByteArray, replies);
    EchoService echo;
    QVERIFY(echo.server.start());
    const int fd = connectRaw(echo.server.socketPath());
    QVERIFY(fd >= 0);
    for (const QByteArray &bytes : writes)
        QCOMPARE(::send(fd, bytes.constData(), size_t(bytes.size()), MSG_NOSIGNAL), ssize_t(bytes.size()));
    QCOMPARE(receiveRaw(fd, replies.size()), replies);
    ::close(fd);
}

// Requests that come together share the connection's buffer, which moves on after each answer:
// what a handler was given must stay what was sent.
void tst_MsgClient::handlerMayKeepTheRequestsItAnswered()
{
    hx::test::TestRoots roots;
    QMutex mutex;
    QList<QByteArray> kept;
    MessageServer server(QStringLiteral("keeper"), [&] {
        return [&](const QByteArray &request) {
            QMutexLocker locker(&mutex);
            kept << request;
            return QByteArray("ok");
        };
    });
    QVERIFY(server.start());
    const int fd = connectRaw(server.socketPath());
    QVERIFY(fd >= 0);
    const QByteArray both = framed("first request") + framed("second");
    QCOMPARE(::send(fd, both.constData(), size_t(both.size()), MSG_NOSIGNAL), ssize_t(both.size()));
    QCOMPARE(receiveRaw(fd, 6), QByteArray("ok\0ok\0", 6));
    ::close(fd);
    server.stop();
    QCOMPARE(kept, (QList<QByteArray> { "first request", "second" }));
}

void tst_MsgClient::connectionQuietPastTheIdleTimeoutIsClosed()
{
    EchoService echo;
    echo.server.setIdleTimeout(100);
    QVERIFY(echo.server.start());
    const int quiet = connectRaw(echo.server.socketPath());
    const int halfway = connectRaw(echo.server.socketPath());
    QVERIFY(quiet >= 0 && halfway >= 0);
    // Half a header: the rest never comes.
    QCOMPARE(::send(halfway, "\0\0", 2, MSG_NOSIGNAL), ssize_t(2));
    for (int fd : { quiet, halfway }) {
        // Readable with nothing to read: the service hung up.
        pollfd p { fd, POLLIN, 0 };
        QCOMPARE(::poll(&p, 1, 5000), 1);
        char byte;
        QCOMPARE(::recv(fd, &byte, 1, MSG_DONTWAIT), ssize_t(0));
        ::close(fd);
    }
    // The service goes on answering.
    QCOMPARE(ask(Channel().channel, "x"), QByteArray("echo:x"));
}

// At the limit the service stops taking connections; it must take them again when one closes.
void tst_MsgClient::clientBeyondTheConnectionLimitIsServedOnceOneCloses()
{
    EchoService echo;
    echo.server.setMaxConnections(1);
    QVERIFY(echo.server.start());
    auto *first = new Channel;
    QCOMPARE(ask(first->channel, "one"), QByteArray("echo:one"));
    std::atomic<int> secondResult { -1 };
    std::thread second([&secondResult] {
        int result = -1;
        ask(Channel("echo", "default", 5).channel, "two", &result);
        secondResult = result;
    });
    delete first;
    second.join();
    QCOMPARE(secondResult.load(), int(MSGCLIENT_OK));
    QCOMPARE(echo.server.answered(), 2);
}

// Stopping hangs up on the clients still connected; the same server can be started again.
void tst_MsgClient::stoppingEndsConnectionsAndTheServerStartsAgain()
{
    EchoService echo;
    QVERIFY(echo.server.start());
    Channel c;
    QCOMPARE(ask(c.channel, "x"), QByteArray("echo:x"));
    echo.server.stop();
    QVERIFY(!echo.server.isRunning());
    int result = -1;
    ask(c.channel, "y", &result);
    QVERIFY2(result == MSGCLIENT_ERROR_CLOSED || result == MSGCLIENT_ERROR_IO, QByteArray::number(result));

    QVERIFY(echo.server.start());
    QCOMPARE(ask(Channel().channel, "z"), QByteArray("echo:z"));
}

QTEST_APPLESS_MAIN(tst_MsgClient)
#include "tst_msgclient.moc"
