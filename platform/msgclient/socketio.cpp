#include "socketio_p.h"

#include <algorithm>
#include <cerrno>
#include <poll.h>
#include <sys/socket.h>

namespace hx {
namespace msgclient {
namespace io {

static Result waitFor(int fd, short events, Deadline deadline)
{
    for (;;) {
        const auto left
            = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
        if (left.count() < 0)
            return TimedOut;
        pollfd p { fd, events, 0 };
        const int ready = ::poll(&p, 1, int(std::min<long long>(left.count() + 1, 60000)));
        if (ready < 0 && errno == EINTR)
            continue;
        if (ready < 0)
            return Failed;
        if (ready > 0)
            return Done;
    }
}

Result waitReadable(int fd, Deadline deadline)
{
    return waitFor(fd, POLLIN, deadline);
}

Result sendAll(int fd, const char *data, size_t length, Deadline deadline)
{
    while (length > 0) {
        const ssize_t n = ::send(fd, data, length, MSG_NOSIGNAL | MSG_DONTWAIT);
        if (n > 0) {
            data += n;
            length -= size_t(n);
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
            const Result waited = waitFor(fd, POLLOUT, deadline);
            if (waited != Done)
                return waited;
            continue;
        }
        return n < 0 && peerClosed(errno) ? Closed : Failed;
    }
    return Done;
}

bool peerClosed(int error)
{
    return error == EPIPE || error == ECONNRESET;
}

Result receiveAll(int fd, char *data, size_t length, Deadline deadline)
{
    while (length > 0) {
        const ssize_t n = ::recv(fd, data, length, MSG_DONTWAIT);
        if (n > 0) {
            data += n;
            length -= size_t(n);
            continue;
        }
        if (n == 0)
            return Closed;
        if (errno == EINTR)
            continue;
        if (errno != EAGAIN && errno != EWOULDBLOCK)
            return peerClosed(errno) ? Closed : Failed;
        const Result waited = waitReadable(fd, deadline);
        if (waited != Done)
            return waited;
    }
    return Done;
}

} // namespace io
} // namespace msgclient
} // namespace hx
