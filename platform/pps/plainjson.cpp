#include <hx/pps/plainjson.h>

#include <hx/pps/ppsdecoder.h>

#include <set>
#include <string>
#include <vector>

namespace hx {
namespace pps {

namespace {

unsigned hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return unsigned(c - '0');
    if (c >= 'a' && c <= 'f')
        return unsigned(c - 'a' + 10);
    return unsigned(c - 'A' + 10);
}

// The string whose opening quote is at p, as the UTF-16 code units Qt reads from it; p is left
// past the closing quote. Only for text the strict reader has accepted: every escape and UTF-8
// sequence in it is whole, and every string is closed.
std::u16string readString(const char *&p)
{
    std::u16string out;
    ++p;
    while (*p != '"') {
        if (*p == '\\') {
            const char c = p[1];
            p += 2;
            switch (c) {
            case 'b':
                out += u'\b';
                break;
            case 'f':
                out += u'\f';
                break;
            case 'n':
                out += u'\n';
                break;
            case 'r':
                out += u'\r';
                break;
            case 't':
                out += u'\t';
                break;
            case 'u': {
                // Kept as the one code unit it names, lone surrogates and NULs included: two names
                // that differ only there are different names to Qt.
                unsigned code = 0;
                for (int i = 0; i < 4; ++i)
                    code = code << 4 | hexValue(*p++);
                out += char16_t(code);
                break;
            }
            default: // '"', '\\' and '/'
                out += char16_t(c);
            }
            continue;
        }
        const auto lead = static_cast<unsigned char>(*p);
        const int length = lead < 0x80 ? 1 : lead < 0xe0 ? 2 : lead < 0xf0 ? 3 : 4;
        char32_t code = length == 1 ? lead : lead & (0x3fu >> (length - 1));
        for (int i = 1; i < length; ++i)
            code = code << 6 | (static_cast<unsigned char>(p[i]) & 0x3fu);
        p += length;
        if (code >= 0x10000) {
            out += char16_t(0xd800 + ((code - 0x10000) >> 10));
            out += char16_t(0xdc00 + (code & 0x3ff));
        } else {
            out += char16_t(code);
        }
    }
    ++p;
    return out;
}

// True when an object in the accepted text names a member twice.
bool repeatsAName(const char *p, const char *end)
{
    struct Level
    {
        bool object;
        bool atName; // the next string is a member name
        std::set<std::u16string> names;
    };
    std::vector<Level> levels;
    while (p < end) {
        const char c = *p;
        if (c == '"') {
            std::u16string text = readString(p);
            if (!levels.empty() && levels.back().atName) {
                if (!levels.back().names.insert(std::move(text)).second)
                    return true;
                levels.back().atName = false;
            }
            continue;
        }
        ++p;
        if (c == '{')
            levels.push_back({ true, true, {} });
        else if (c == '[')
            levels.push_back({ false, false, {} });
        else if (c == '}' || c == ']')
            levels.pop_back();
        else if (c == ',' && levels.back().object)
            levels.back().atName = true;
    }
    return false;
}

} // namespace

bool isPlainJson(const char *data, size_t length)
{
    pps_decoder_t decoder;
    pps_decoder_initialize(&decoder, nullptr);
    const bool strict = pps_decoder_parse_json(&decoder, data, length) == PPS_DECODER_OK;
    pps_decoder_cleanup(&decoder);
    return strict && !repeatsAName(data, data + length);
}

} // namespace pps
} // namespace hx
