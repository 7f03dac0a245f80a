#ifndef HX_PPS_PLAINJSON_H
#define HX_PPS_PLAINJSON_H

#include <QtCore/QByteArray>

#include <cstddef>

namespace hx {
namespace pps {

// True when the bytes are one strict JSON text in which no object names a member twice. Qt's
// JSON reader keeps the last of repeated members and leaks the others, so untrusted text is
// checked here before it reaches that reader. Names are compared as Qt compares them (as UTF-16
// after escapes are read), so no text Qt writes is refused for a repeat it does not have.
bool isPlainJson(const char *data, size_t length);

inline bool isPlainJson(const QByteArray &utf8)
{
    return isPlainJson(utf8.constData(), size_t(utf8.size()));
}

} // namespace pps
} // namespace hx

#endif
