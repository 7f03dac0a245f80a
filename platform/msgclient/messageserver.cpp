#include <hx/msgclient/messageserver.h>

#include "messageserver_p.h"
#include "socketio_p.h"

#include <cerrno>
#include <cstring>
#include <poll.h>
#include <sys/epoll.h>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>

namespace hx {
namespace msgclient {

namespace {
// What an event is about when it is not a connection.
char listenerTagByte;
char wakeTagByte;
void *const ListenerTag = &listenerTagByte;
void *const WakeTag = &wakeTagByte;

qint64 nowMs()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}
} // namespace

MessageServer::MessageServer(const QString &service, const HandlerFactory &factory, const QString &instance)
    : d(new MessageServerPrivate)
{
    d->service = service;
    d->instance = instance;
    d->factory = factory;
}

MessageServer::~MessageServer()
{
    stop();
}

void MessageServer::setErrorReply(const ErrorReply &reply)
{
    d->makeErrorReply = reply;
}

void MessageServer::setMaxRequestSize(int bytes)
{
    d->maxRequest = bytes;
}

void MessageServer::setIdleTimeout(int milliseconds)
{
    d->idleTimeoutMs = milliseconds;
}

void MessageServer::setMaxConnections(int count)
{
    d->maxConnections = qMax(1, count);
}

QString MessageServer::root()
{
    const QString configured = qEnvironmentVariable("HX_MSG_ROOT");
    if (!configured.isEmpty())
        return configured;
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty())
        return runtime + QStringLiteral("/hxmsg");
    return QStringLiteral("/tmp/hxmsg-%1").arg(::getuid());
}

QString MessageServer::socketPath(const QString &service, const QString &instance)
{
    auto unsafe = [](const QString &name) {
        return name.contains(QLatin1Char('/')) || name == QLatin1String(".") || name == QLatin1String("..");
    };
    if (service.isEmpty() || unsafe(service) || unsafe(instance))
        return QString();
    QString name = service;
    if (!instance.isEmpty() && instance != QLatin1String("default"))
        name += QLatin1Char('.') + instance;
    return root() + QLatin1Char('/') + name;
}

bool MessageServer::start(QString *error)
{
    if (isRunning())
        return true;
    d->path = socketPath(d->service, d->instance);
    if (d->path.isEmpty()) {
        if (error)
            *error = QStringLiteral("bad service name %1: %2")
                         .arg(d->service, QString::fromLocal8Bit(std::strerror(EINVAL)));
        return false;
    }
    if (!d->listener.listen(d->path, SOCK_STREAM, SOMAXCONN, error))
        return false;
    d->epollFd = ::epoll_create1(EPOLL_CLOEXEC);
    epoll_event listening { EPOLLIN | EPOLLONESHOT, { ListenerTag } };
    // Level-triggered and never drained: once stop() writes to it, every thread sees it.
    epoll_event wake { EPOLLIN, { WakeTag } };
    if (d->epollFd < 0 || ::epoll_ctl(d->epollFd, EPOLL_CTL_ADD, d->listener.fd(), &listening) != 0
        || ::epoll_ctl(d->epollFd, EPOLL_CTL_ADD, d->listener.wakeFd(), &wake) != 0) {
        if (error)
            *error
                = QStringLiteral("cannot wait for %1: %2").arg(d->path, QString::fromLocal8Bit(std::strerror(errno)));
        if (d->epollFd >= 0)
            ::close(d->epollFd);
        d->epollFd = -1;
        d->listener.close();
        return false;
    }
    // One handler is made now, so the first client does not wait for it.
    if (d->idleHandlers.empty()) {
        MessageServer::Handler handler = d->factory();
        if (handler)
            d->idleHandlers.push_back(std::move(handler));
    }
    d->listenerArmed = true;
    d->stopping = false;
    d->nextSweep = 0;
    d->workers = 1;
    d->listener.start([this] { d->serveLoop(); });
    return true;
}

void MessageServer::stop()
{
    if (d->listener.isRunning()) {
        d->stopping = true;
        {
            // A thread waiting to send to a client that does not read gives up at once.
            std::lock_guard<std::mutex> lock(d->mutex);
            for (const auto &connection : d->connections)
                ::shutdown(connection.first, SHUT_RDWR);
        }
        d->listener.stop();
        std::unique_lock<std::mutex> lock(d->mutex);
        d->changed.wait(lock, [this] { return d->workers == 0; });
        // No thread is left to touch them.
        for (const auto &connection : d->connections)
            ::close(connection.first);
        d->connections.clear();
        d->connectionCount = 0;
        d->idleHandlers.clear();
        ::close(d->epollFd);
        d->epollFd = -1;
    }
    d->listener.close();
}

bool MessageServer::isRunning() const
{
    return d->listener.isRunning();
}

QString MessageServer::socketPath() const
{
    return d->path;
}

int MessageServer::answered() const
{
    return d->answered;
}

void MessageServerPrivate::serveLoop()
{
    using namespace std::chrono;
    // Threads past this many leave after a quiet while, so a burst does not keep its threads.
    constexpr int KeptWorkers = 2;
    auto lastEvent = steady_clock::now();
    while (!stopping) {
        epoll_event event {};
        ++idleWorkers;
        const int ready = ::epoll_wait(epollFd, &event, 1, waitTimeoutMs());
        const int stillIdle = --idleWorkers;
        if ((ready < 0 && errno != EINTR) || stopping)
            break;
        if (nowMs() >= nextSweep)
            sweepQuietConnections();
        if (ready <= 0) {
            if (steady_clock::now() - lastEvent < seconds(5))
                continue;
            std::lock_guard<std::mutex> lock(mutex);
            if (workers <= KeptWorkers)
                continue;
            --workers;
            // Notified under the lock: stop() may destroy the server as soon as it is released.
            changed.notify_all();
            return;
        }
        lastEvent = steady_clock::now();
        if (event.data.ptr == WakeTag)
            break;
        // Someone must go on waiting while this thread serves, or one slow answer would keep
        // every other client waiting.
        if (stillIdle == 0)
            startWorker();
        if (event.data.ptr == ListenerTag) {
            acceptOne();
            continue;
        }
        auto *connection = static_cast<Connection *>(event.data.ptr);
        connection->handoff.load(std::memory_order_acquire);
        // A client gone for good cannot read an answer: working one out for it would only keep
        // those still waiting waiting longer.
        if (!(event.events & EPOLLHUP) && readAndAnswer(connection) == KeepOpen)
            arm(connection, EPOLL_CTL_MOD);
        else
            closeConnection(connection);
    }
    std::lock_guard<std::mutex> lock(mutex);
    --workers;
    changed.notify_all();
}

void MessageServerPrivate::startWorker()
{
    // A burst beyond this many answers at once waits for a free thread instead of opening yet
    // another gazetteer: short exchanges are done long before a new thread would be ready.
    constexpr int MaxWorkers = 64;
    std::lock_guard<std::mutex> lock(mutex);
    if (stopping || workers >= MaxWorkers)
        return;
    ++workers;
    std::thread([this] { serveLoop(); }).detach();
}

void MessageServerPrivate::acceptOne()
{
    const int fd = ::accept4(listener.fd(), nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
    Connection *connection = nullptr;
    {
        std::lock_guard<std::mutex> lock(mutex);
        if (fd >= 0 && stopping) {
            ::close(fd);
            return;
        }
        if (fd >= 0) {
            auto owned = std::make_unique<Connection>();
            connection = owned.get();
            connection->fd = fd;
            connection->lastActive = nowMs();
            connections.emplace(fd, std::move(owned));
            ++connectionCount;
        }
        // Past the limit, later clients wait in the backlog until a connection closes.
        listenerArmed = false;
        if (int(connections.size()) < maxConnections)
            armListener();
    }
    if (!connection)
        return;
    // The request mostly follows its connection at once: reading it here saves a wake-up. A
    // client that has already hung up (a flood of them fills the backlog) gets no answer.
    pollfd ready { fd, POLLIN, 0 };
    if (::poll(&ready, 1, 0) < 0 || (ready.revents & (POLLHUP | POLLERR)))
        closeConnection(connection);
    else if (!(ready.revents & POLLIN) || readAndAnswer(connection) == KeepOpen)
        arm(connection, EPOLL_CTL_ADD);
    else
        closeConnection(connection);
}

void MessageServerPrivate::armListener()
{
    epoll_event listening { EPOLLIN | EPOLLONESHOT, { ListenerTag } };
    listenerArmed = ::epoll_ctl(epollFd, EPOLL_CTL_MOD, listener.fd(), &listening) == 0;
}

void MessageServerPrivate::arm(Connection *connection, int operation)
{
    epoll_event event { EPOLLIN | EPOLLRDHUP | EPOLLONESHOT, { connection } };
    const int fd = connection->fd;
    // Whatever this thread did to the connection is seen by the thread that takes its next event.
    connection->handoff.store(0, std::memory_order_release);
    // Once armed, the connection may be served and closed by another thread at once: arming
    // under the lock that closing takes keeps the two in order, for the number cannot be given
    // out again in between (and the race detector, which does not follow events, sees why).
    bool armed;
    {
        std::lock_guard<std::mutex> lock(mutex);
        armed = ::epoll_ctl(epollFd, operation, fd, &event) == 0;
    }
    if (!armed)
        closeConnection(connection);
}

MessageServerPrivate::Outcome MessageServerPrivate::readAndAnswer(Connection *connection)
{
    QByteArray &buffer = connection->buffer;
    for (;;) {
        if (buffer.size() >= 4) {
            const auto *header = reinterpret_cast<const unsigned char *>(buffer.constData());
            const uint32_t length = (uint32_t(header[0]) << 24) | (uint32_t(header[1]) << 16)
                | (uint32_t(header[2]) << 8) | uint32_t(header[3]);
            if (length > uint32_t(maxRequest)) {
                // The rest of the stream cannot be trusted to line up with requests any more.
                answer(connection, QByteArray(), true);
                return CloseConnection;
            }
            if (uint32_t(buffer.size()) - 4 >= length) {
                // A copy, not a view of the buffer: a handler may keep the request after it answers.
                const bool sent = answer(connection, QByteArray(buffer.constData() + 4, int(length)), false);
                buffer.remove(0, int(length) + 4);
                connection->requestStarted = buffer.isEmpty() ? 0 : nowMs();
                if (!sent)
                    return CloseConnection;
                // The next request, if any, is reported when the connection is armed again.
                if (buffer.isEmpty())
                    return KeepOpen;
                continue;
            }
        }
        char chunk[8192];
        const ssize_t n = ::recv(connection->fd, chunk, sizeof chunk, MSG_DONTWAIT);
        if (n > 0) {
            const qint64 now = nowMs();
            if (buffer.isEmpty())
                connection->requestStarted = now;
            connection->lastActive = now;
            buffer.append(chunk, int(n));
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK))
            return KeepOpen;
        return CloseConnection; // hung up, or failed
    }
}

bool MessageServerPrivate::answer(Connection *connection, const QByteArray &request, bool tooLarge)
{
    QByteArray reply;
    if (tooLarge) {
        reply = errorReply(QStringLiteral("request too large"));
    } else {
        MessageServer::Handler handler = checkoutHandler();
        reply = handler ? handler(request) : errorReply(QStringLiteral("service unavailable"));
        if (handler)
            checkinHandler(std::move(handler));
    }
    const int nul = reply.indexOf('\0');
    if (nul >= 0)
        reply.truncate(nul);
    reply.append('\0');
    ++answered;
    connection->lastActive = nowMs();
    // Replies are small and mostly fit the socket's buffer at once; a client that does not read
    // gets a few seconds.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    return io::sendAll(connection->fd, reply.constData(), size_t(reply.size()), deadline) == io::Done;
}

void MessageServerPrivate::closeConnection(Connection *connection)
{
    std::lock_guard<std::mutex> lock(mutex);
    const int fd = connection->fd;
    // Closed under the lock, so stop() and the sweep never shut down a number the system has
    // given out again.
    ::close(fd);
    connections.erase(fd);
    --connectionCount;
    if (!listenerArmed && !stopping && int(connections.size()) < maxConnections)
        armListener();
    // Notified under the lock: stop() may destroy the server as soon as it is released.
    changed.notify_all();
}

void MessageServerPrivate::sweepQuietConnections()
{
    const qint64 now = nowMs();
    qint64 due = nextSweep;
    const qint64 interval = qBound(50, idleTimeoutMs / 4, 1000);
    // One thread sweeps; the others go on serving.
    if (now < due || !nextSweep.compare_exchange_strong(due, now + interval))
        return;
    // A request arrives whole within a few seconds of its header, or not at all.
    constexpr qint64 RequestMs = 5000;
    std::lock_guard<std::mutex> lock(mutex);
    for (const auto &entry : connections) {
        const Connection &connection = *entry.second;
        const qint64 started = connection.requestStarted;
        if (now - connection.lastActive > idleTimeoutMs || (started != 0 && now - started > RequestMs))
            ::shutdown(connection.fd, SHUT_RDWR); // its thread then reads the end and closes it
    }
}

int MessageServerPrivate::waitTimeoutMs()
{
    // Quiet connections are looked for now and then; with none open a thread only wakes to see
    // whether it is still needed.
    if (connectionCount == 0)
        return 5000;
    return int(qBound<qint64>(0, nextSweep - nowMs(), 1000));
}

MessageServer::Handler MessageServerPrivate::checkoutHandler()
{
    {
        std::lock_guard<std::mutex> lock(mutex);
        if (!idleHandlers.empty()) {
            MessageServer::Handler handler = std::move(idleHandlers.back());
            idleHandlers.pop_back();
            return handler;
        }
    }
    return factory();
}

void MessageServerPrivate::checkinHandler(MessageServer::Handler handler)
{
    std::lock_guard<std::mutex> lock(mutex);
    // The last one used goes out next, so a quiet service answers from one warm handler; after
    // a burst a few are kept and the rest let go.
    if (!stopping && idleHandlers.size() < 16)
        idleHandlers.push_back(std::move(handler));
}

QByteArray MessageServerPrivate::errorReply(const QString &reason) const
{
    return makeErrorReply ? makeErrorReply(reason) : reason.toUtf8();
}

} // namespace msgclient
} // namespace hx
