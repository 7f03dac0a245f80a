#ifndef HX_MSGCLIENT_BASE64_H
#define HX_MSGCLIENT_BASE64_H

#include <stddef.h>

#ifdef __cplusplus
extern "C" {
#endif

// Standard Base64 (RFC 4648 alphabet, "=" padding) of length bytes into target, NUL-terminated.
// A target of 4 * (length / 3 + 2) bytes is always enough. Returns the number of characters
// written without the NUL, or -1 when target is NULL or too small (target is then left empty
// when it has room for the NUL).
int hx_base64_encode(const unsigned char *data, size_t length, char *target, size_t target_size);

#ifdef __cplusplus
}
#endif

#endif
