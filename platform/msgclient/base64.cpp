#include <hx/msgclient/base64.h>

int hx_base64_encode(const unsigned char *data, size_t length, char *target, size_t target_size)
{
    static const char alphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    if (!target)
        return -1;
    const size_t needed = (length + 2) / 3 * 4;
    if (needed >= target_size || (!data && length) || needed > size_t(0x7fffffff)) {
        if (target_size > 0)
            target[0] = '\0';
        return -1;
    }
    char *out = target;
    size_t i = 0;
    for (; i + 2 < length; i += 3) {
        const unsigned int block = (unsigned(data[i]) << 16) | (unsigned(data[i + 1]) << 8) | data[i + 2];
        *out++ = alphabet[(block >> 18) & 0x3f];
        *out++ = alphabet[(block >> 12) & 0x3f];
        *out++ = alphabet[(block >> 6) & 0x3f];
        *out++ = alphabet[block & 0x3f];
    }
    if (i < length) {
        const bool two = i + 1 < length;
        const unsigned int block = (unsigned(data[i]) << 16) | (two ? unsigned(data[i + 1]) << 8 : 0u);
        *out++ = alphabet[(block >> 18) & 0x3f];
        *out++ = alphabet[(block >> 12) & 0x3f];
        *out++ = two ? alphabet[(block >> 6) & 0x3f] : '=';
        *out++ = '=';
    }
    *out = '\0';
    return int(out - target);
}
