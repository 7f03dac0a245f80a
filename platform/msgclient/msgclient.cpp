#include <hx/msgclient/messageserver.h>
#include <hx/msgclient/msgclient.h>

#include "socketio_p.h"

#include <QtCore/QFile>

#include <cerrno>
#include <cstring>
#include <new>
#include <sys/socket.h>
#include <sys/uio.h>
#include <sys/un.h>
#include <unistd.h>

using namespace hx::msgclient;

struct msgclient_channel
{
    int fd = -1;
    int timeoutMs = 10000;
};

msgclient_channel_t *msgclient_open(const char *service, const char *instance, int timeout_seconds)
{
    if (!service)
        return nullptr;
    const QByteArray path = QFile::encodeName(
        MessageServer::socketPath(QString::fromUtf8(service), instance ? QString::fromUtf8(instance) : QString()));
    sockaddr_un address {};
    address.sun_family = AF_UNIX;
    if (path.isEmpty() || size_t(path.size()) >= sizeof address.sun_path)
        return nullptr;
    std::memcpy(address.sun_path, path.constData(), size_t(path.size()));
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return nullptr;
    if (::connect(fd, reinterpret_cast<const sockaddr *>(&address), sizeof address) != 0) {
        ::close(fd);
        return nullptr;
    }
    auto *channel = new (std::nothrow) msgclient_channel;
    if (!channel) {
        ::close(fd);
        return nullptr;
    }
    channel->fd = fd;
    if (timeout_seconds > 0)
        channel->timeoutMs = timeout_seconds * 1000;
    return channel;
}

static int resultCode(io::Result result)
{
    switch (result) {
    case io::Done:
        return MSGCLIENT_OK;
    case io::TimedOut:
        return MSGCLIENT_ERROR_TIMEOUT;
    case io::Closed:
        return MSGCLIENT_ERROR_CLOSED;
    default:
        return MSGCLIENT_ERROR_IO;
    }
}

int msgclient_putget(msgclient_channel_t *channel, const char *request, size_t request_length, char *reply,
                     size_t reply_size, size_t *reply_length, int timeout_ms)
{
    if (reply_length)
        *reply_length = 0;
    if (!reply || reply_size == 0)
        return MSGCLIENT_ERROR_INVALID;
    reply[0] = '\0';
    if (!channel || channel->fd < 0 || (!request && request_length) || request_length > MSGCLIENT_MAX_REQUEST)
        return MSGCLIENT_ERROR_INVALID;
    const auto deadline = std::chrono::steady_clock::now()
        + std::chrono::milliseconds(timeout_ms > 0 ? timeout_ms : channel->timeoutMs);

    const uint32_t length = uint32_t(request_length);
    const unsigned char header[4]
        = { static_cast<unsigned char>(length >> 24), static_cast<unsigned char>(length >> 16),
            static_cast<unsigned char>(length >> 8), static_cast<unsigned char>(length) };
    // Header and request leave in one write, so the service mostly finds the whole request at
    // its first read.
    iovec parts[2]
        = { { const_cast<unsigned char *>(header), sizeof header }, { const_cast<char *>(request), request_length } };
    msghdr message {};
    message.msg_iov = parts;
    message.msg_iovlen = request_length ? 2 : 1;
    ssize_t written;
    do {
        written = ::sendmsg(channel->fd, &message, MSG_NOSIGNAL | MSG_DONTWAIT);
    } while (written < 0 && errno == EINTR);
    if (written < 0 && errno != EAGAIN && errno != EWOULDBLOCK)
        return io::peerClosed(errno) ? MSGCLIENT_ERROR_CLOSED : MSGCLIENT_ERROR_IO;
    size_t done = written > 0 ? size_t(written) : 0;
    io::Result sent = io::Done;
    if (done < sizeof header)
        sent = io::sendAll(channel->fd, reinterpret_cast<const char *>(header) + done, sizeof header - done, deadline);
    const size_t requestDone = done > sizeof header ? done - sizeof header : 0;
    if (sent == io::Done && requestDone < request_length)
        sent = io::sendAll(channel->fd, request + requestDone, request_length - requestDone, deadline);
    if (sent != io::Done)
        return resultCode(sent);

    // Read up to the NUL. What does not fit is read and dropped, so the channel stays usable.
    size_t kept = 0;
    bool truncated = false;
    char chunk[4096];
    for (;;) {
        const io::Result waited = io::waitReadable(channel->fd, deadline);
        if (waited != io::Done)
            return resultCode(waited);
        const ssize_t n = ::recv(channel->fd, chunk, sizeof chunk, MSG_DONTWAIT);
        if (n < 0 && (errno == EINTR || errno == EAGAIN || errno == EWOULDBLOCK))
            continue;
        if (n < 0)
            return io::peerClosed(errno) ? MSGCLIENT_ERROR_CLOSED : MSGCLIENT_ERROR_IO;
        if (n == 0)
            return MSGCLIENT_ERROR_CLOSED;
        const char *end = static_cast<const char *>(std::memchr(chunk, '\0', size_t(n)));
        const size_t bytes = end ? size_t(end - chunk) : size_t(n);
        const size_t room = reply_size - 1 - kept;
        const size_t copied = bytes < room ? bytes : room;
        std::memcpy(reply + kept, chunk, copied);
        kept += copied;
        reply[kept] = '\0';
        truncated = truncated || copied < bytes;
        if (end)
            break;
    }
    if (reply_length)
        *reply_length = kept;
    return truncated ? MSGCLIENT_ERROR_TRUNCATED : MSGCLIENT_OK;
}

void msgclient_close(msgclient_channel_t *channel)
{
    if (!channel)
        return;
    if (channel->fd >= 0)
        ::close(channel->fd);
    delete channel;
}
