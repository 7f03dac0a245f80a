#include <hx/msgclient/messageserver.h>

#include "messageserver_p.h"
#include "socketio_p.h"

#include <cerrno>
#include <cstring>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace hx {
namespace msgclient {

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
    d->stopping = false;
    d->listener.start([this] { d->acceptLoop(); });
    return true;
}

void MessageServer::stop()
{
    if (d->listener.isRunning()) {
        d->stopping = true;
        d->listener.stop();
    }
    {
        // Connections end at once: their threads see the shut-down socket and leave.
        std::unique_lock<std::mutex> lock(d->mutex);
        d->changed.notify_all();
        for (int fd : d->connections)
            ::shutdown(fd, SHUT_RDWR);
        d->workAvailable.notify_all();
        d->changed.wait(lock, [this] { return d->connections.empty() && d->workers == 0; });
        d->idleHandlers.clear();
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

void MessageServerPrivate::acceptLoop()
{
    while (!stopping) {
        {
            std::unique_lock<std::mutex> lock(mutex);
            changed.wait(lock, [this] { return stopping || int(connections.size()) < maxConnections; });
        }
        pollfd fds[2] = { { listener.wakeFd(), POLLIN, 0 }, { listener.fd(), POLLIN, 0 } };
        if (::poll(fds, 2, -1) < 0 && errno != EINTR)
            return;
        if (fds[0].revents)
            return;
        const int fd = ::accept4(listener.fd(), nullptr, nullptr, SOCK_CLOEXEC);
        if (fd < 0)
            continue;
        std::lock_guard<std::mutex> lock(mutex);
        if (stopping) {
            ::close(fd);
            return;
        }
        connections.insert(fd);
        pending.push_back(fd);
        // Past a bound, a burst queues for the workers it has instead of opening a gazetteer per
        // connection: short exchanges are done long before a new worker would be ready.
        constexpr int MaxWorkers = 64;
        if (int(pending.size()) > idleWorkers && workers < MaxWorkers) {
            ++workers;
            std::thread([this] { workerLoop(); }).detach();
        } else if (idleWorkers > 0) {
            workAvailable.notify_one();
        }
    }
}

void MessageServerPrivate::workerLoop()
{
    using namespace std::chrono;
    // Workers past this many leave after a quiet while, so a burst does not keep its threads.
    constexpr int KeptWorkers = 4;
    std::unique_lock<std::mutex> lock(mutex);
    for (;;) {
        ++idleWorkers;
        const bool woken = workAvailable.wait_for(lock, seconds(5), [this] { return stopping || !pending.empty(); });
        --idleWorkers;
        if (!pending.empty()) {
            const int fd = pending.front();
            pending.pop_front();
            lock.unlock();
            serveConnection(fd);
            lock.lock();
            continue;
        }
        if (stopping || (!woken && workers > KeptWorkers))
            break;
    }
    --workers;
    // Notified under the lock: stop() may destroy the server as soon as it is released.
    changed.notify_all();
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
    // Keep a few for the next connections; the rest (after a burst) are let go.
    if (!stopping && idleHandlers.size() < 16)
        idleHandlers.push_back(std::move(handler));
}

QByteArray MessageServerPrivate::errorReply(const QString &reason) const
{
    return makeErrorReply ? makeErrorReply(reason) : reason.toUtf8();
}

void MessageServerPrivate::serveConnection(int fd)
{
    MessageServer::Handler handler;
    for (;;) {
        using namespace std::chrono;
        const auto idle = steady_clock::now() + milliseconds(idleTimeoutMs);
        unsigned char header[4];
        if (io::receiveAll(fd, reinterpret_cast<char *>(header), sizeof header, idle) != io::Done)
            break;
        const uint32_t length = (uint32_t(header[0]) << 24) | (uint32_t(header[1]) << 16) | (uint32_t(header[2]) << 8)
            | uint32_t(header[3]);
        // A request arrives whole within a few seconds of its header, or not at all.
        const auto deadline = steady_clock::now() + seconds(5);
        QByteArray reply;
        bool keepOpen = true;
        if (length > uint32_t(maxRequest)) {
            // The rest of the stream cannot be trusted to line up with requests any more.
            reply = errorReply(QStringLiteral("request too large"));
            keepOpen = false;
        } else {
            QByteArray request(int(length), Qt::Uninitialized);
            if (io::receiveAll(fd, request.data(), length, deadline) != io::Done)
                break;
            if (!handler)
                handler = checkoutHandler();
            reply = handler ? handler(request) : errorReply(QStringLiteral("service unavailable"));
        }
        const int nul = reply.indexOf('\0');
        if (nul >= 0)
            reply.truncate(nul);
        reply.append('\0');
        ++answered;
        if (io::sendAll(fd, reply.constData(), size_t(reply.size()), deadline) != io::Done)
            break;
        if (!keepOpen)
            break;
    }
    if (handler)
        checkinHandler(std::move(handler));
    std::lock_guard<std::mutex> lock(mutex);
    // Closed under the lock, so stop() never shuts down a number the system has given out again.
    connections.erase(fd);
    ::close(fd);
    // Notified under the lock: stop() may destroy the server as soon as it is released.
    changed.notify_all();
}

} // namespace msgclient
} // namespace hx
