#ifndef HX_MSGCLIENT_SOCKETIO_P_H
#define HX_MSGCLIENT_SOCKETIO_P_H

#include <chrono>
#include <cstddef>

namespace hx {
namespace msgclient {
namespace io {

using Deadline = std::chrono::steady_clock::time_point;

enum Result { Done, TimedOut, Closed, Failed };

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
