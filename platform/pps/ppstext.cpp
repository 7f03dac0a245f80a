#include "ppstext_p.h"

#include <charconv>
#include <cmath>

namespace hx {
namespace pps {
namespace text {

size_t utf8SequenceLength(const unsigned char *p, const unsigned char *end)
{
    const unsigned char c = *p;
    if (c < 0x80)
        return 1;
    size_t length;
    unsigned int minimum;
    unsigned int code;
    if ((c & 0xe0) == 0xc0) {
        length = 2;
        minimum = 0x80;
        code = c & 0x1f;
    } else if ((c & 0xf0) == 0xe0) {
        length = 3;
        minimum = 0x800;
        code = c & 0x0f;
    } else if ((c & 0xf8) == 0xf0) {
        length = 4;
        minimum = 0x10000;
        code = c & 0x07;
    } else {
        return 0;
    }
    if (size_t(end - p) < length)
        return 0;
    for (size_t i = 1; i < length; ++i) {
        if ((p[i] & 0xc0) != 0x80)
            return 0;
        code = (code << 6) | (p[i] & 0x3f);
    }
    // Overlong forms, surrogates and values past U+10FFFF are not UTF-8.
    if (code < minimum || code > 0x10ffff || (code >= 0xd800 && code <= 0xdfff))
        return 0;
    return length;
}

void appendJsonString(std::string &out, const char *value, size_t length)
{
    static const char hex[] = "0123456789abcdef";
    const auto *p = reinterpret_cast<const unsigned char *>(value);
    const auto *end = p + length;
    out += '"';
    while (p < end) {
        const unsigned char c = *p;
        if (c == '"' || c == '\\') {
            out += '\\';
            out += char(c);
            ++p;
        } else if (c == '\n') {
            out += "\\n";
            ++p;
        } else if (c == '\r') {
            out += "\\r";
            ++p;
        } else if (c == '\t') {
            out += "\\t";
            ++p;
        } else if (c < 0x20) {
            out += "\\u00";
            out += hex[c >> 4];
            out += hex[c & 0xf];
            ++p;
        } else {
            const size_t sequence = utf8SequenceLength(p, end);
            if (sequence == 0) {
                out += "\xef\xbf\xbd";
                ++p;
            } else {
                out.append(reinterpret_cast<const char *>(p), sequence);
                p += sequence;
            }
        }
    }
    out += '"';
}

bool appendNumber(std::string &out, double value)
{
    if (!std::isfinite(value))
        return false;
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    if (result.ec != std::errc())
        return false;
    out.append(buffer, result.ptr);
    return true;
}

void appendInteger(std::string &out, int64_t value)
{
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    out.append(buffer, result.ptr);
}

} // namespace text
} // namespace pps
} // namespace hx
