#ifndef HX_MSGCLIENT_SOCKETIO_P_H
#define HX_MSGCLIENT_SOCKETIO_P_H

#include <chrono>
#include <cstddef>

namespace hx {
namespace msgclient {
namespace io {

using Deadline = std::chrono::steady_clock::time_point;

enum Result { Done, TimedOut, Closed, Failed };

// Whether a failed call's errno means the other end closed the connection: a write after it
// went, or a read of a connection it closed with our request still unread, is reset rather than
// ended cleanly.
bool peerClosed(int error);
// Writes all of data before the deadline.
Result sendAll(int fd, const char *data, size_t length, Deadline deadline);
// Reads exactly length bytes before the deadline.
Result receiveAll(int fd, char *data, size_t length, Deadline deadline);
// Waits until fd is readable; false on time-out or error.
Result waitReadable(int fd, Deadline deadline);

} // namespace io
} // namespace msgclient
} // namespace hx

#endif
