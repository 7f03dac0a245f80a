#ifndef HX_MSGCLIENT_MSGCLIENT_H
#define HX_MSGCLIENT_MSGCLIENT_H

#include <stddef.h>

#ifdef __cplusplus
extern "C" {
#endif

// A channel to a message service: the Unix-domain socket <HX_MSG_ROOT>/<service> (or
// <service>.<instance> for an instance other than "default"); HX_MSG_ROOT defaults to
// $XDG_RUNTIME_DIR/hxmsg. Each exchange sends one request (a 4-byte big-endian length, then
// the bytes) and reads one reply (bytes up to a NUL).

typedef struct msgclient_channel msgclient_channel_t;

enum {
    MSGCLIENT_OK = 0,
    MSGCLIENT_ERROR_INVALID = 1, // NULL channel or buffer, empty reply buffer, request too large
    MSGCLIENT_ERROR_IO = 2, // the connection failed
    MSGCLIENT_ERROR_TIMEOUT = 3, // no whole reply within the time-out
    MSGCLIENT_ERROR_CLOSED = 4, // the service closed the connection before replying
    MSGCLIENT_ERROR_TRUNCATED = 5 // the reply did not fit; the buffer holds its beginning
};

enum { MSGCLIENT_MAX_REQUEST = 64 * 1024 };

// Connects to the service; NULL when it is not running. timeout_seconds bounds every
// exchange on the channel (10 seconds when 0 or less).
msgclient_channel_t *msgclient_open(const char *service, const char *instance, int timeout_seconds);

// Sends request_length bytes and waits for the reply. The reply is always NUL-terminated
// within reply_size bytes (reply_size must be at least 1); *reply_length gets its length
// without the NUL. timeout_ms overrides the channel's time-out when greater than 0.
// Returns MSGCLIENT_OK (0) or one of the errors above.
int msgclient_putget(msgclient_channel_t *channel, const char *request, size_t request_length, char *reply,
                     size_t reply_size, size_t *reply_length, int timeout_ms);

void msgclient_close(msgclient_channel_t *channel);

#ifdef __cplusplus
}
#endif

#endif
