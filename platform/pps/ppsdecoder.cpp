#include <hx/pps/ppsdecoder.h>

#include "ppstext_p.h"

#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>
#include <new>
#include <string>
#include <vector>

namespace {

struct Node
{
    pps_node_type_t type = PPS_TYPE_NULL;
    bool hasInteger = false; // the number was written as an integer that fits 64 bits
    bool boolean = false;
    int64_t integer = 0;
    double number = 0;
    std::string name;
    std::string text;
    std::vector<Node> children;
};

// A strict JSON reader over [p, end) that never looks past end and stops at a fixed depth.
class JsonReader
{
public:
    JsonReader(const char *begin, const char *end, size_t *budget) : m_p(begin), m_end(end), m_budget(budget) { }

    // Reads one value that must fill the whole range (white space around it allowed).
    bool readDocument(Node &node, int depth)
    {
        skipSpace();
        if (!readValue(node, depth))
            return false;
        skipSpace();
        return m_p == m_end;
    }

private:
    void skipSpace()
    {
        while (m_p < m_end && (*m_p == ' ' || *m_p == '\t' || *m_p == '\n' || *m_p == '\r'))
            ++m_p;
    }

    bool literal(const char *word)
    {
        const size_t length = std::strlen(word);
        if (size_t(m_end - m_p) < length || std::memcmp(m_p, word, length) != 0)
            return false;
        m_p += length;
        return true;
    }

    bool readValue(Node &node, int depth)
    {
        // Every value costs one node of the budget, so a huge flat array cannot exhaust memory.
        if (m_p >= m_end || *m_budget == 0)
            return false;
        --*m_budget;
        switch (*m_p) {
        case '{':
            return readObject(node, depth + 1);
        case '[':
            return readArray(node, depth + 1);
        case '"':
            node.type = PPS_TYPE_STRING;
            return readString(node.text);
        case 't':
            node.type = PPS_TYPE_BOOL;
            node.boolean = true;
            return literal("true");
        case 'f':
            node.type = PPS_TYPE_BOOL;
            return literal("false");
        case 'n':
            node.type = PPS_TYPE_NULL;
            return literal("null");
        default:
            return readNumber(node);
        }
    }

    bool readObject(Node &node, int depth)
    {
        if (depth > PPS_DECODER_MAX_DEPTH)
            return false;
        node.type = PPS_TYPE_OBJECT;
        ++m_p;
        skipSpace();
        if (m_p < m_end && *m_p == '}') {
            ++m_p;
            return true;
        }
        for (;;) {
            skipSpace();
            node.children.emplace_back();
            Node &member = node.children.back();
            if (m_p >= m_end || *m_p != '"' || !readString(member.name))
                return false;
            skipSpace();
            if (m_p >= m_end || *m_p != ':')
                return false;
            ++m_p;
            skipSpace();
            if (!readValue(member, depth))
                return false;
            skipSpace();
            if (m_p >= m_end)
                return false;
            if (*m_p == '}') {
                ++m_p;
                return true;
            }
            if (*m_p++ != ',')
                return false;
        }
    }

    bool readArray(Node &node, int depth)
    {
        if (depth > PPS_DECODER_MAX_DEPTH)
            return false;
        node.type = PPS_TYPE_ARRAY;
        ++m_p;
        skipSpace();
        if (m_p < m_end && *m_p == ']') {
            ++m_p;
            return true;
        }
        for (;;) {
            skipSpace();
            node.children.emplace_back();
            if (!readValue(node.children.back(), depth))
                return false;
            skipSpace();
            if (m_p >= m_end)
                return false;
            if (*m_p == ']') {
                ++m_p;
                return true;
            }
            if (*m_p++ != ',')
                return false;
        }
    }

    bool readHex4(unsigned int &code)
    {
        if (m_end - m_p < 4)
            return false;
        code = 0;
        for (int i = 0; i < 4; ++i) {
            const char c = *m_p++;
            code <<= 4;
            if (c >= '0' && c <= '9')
                code |= unsigned(c - '0');
            else if (c >= 'a' && c <= 'f')
                code |= unsigned(c - 'a' + 10);
            else if (c >= 'A' && c <= 'F')
                code |= unsigned(c - 'A' + 10);
            else
                return false;
        }
        return true;
    }

    static void appendUtf8(std::string &out, unsigned int code)
    {
        if (code < 0x80) {
            out += char(code);
        } else if (code < 0x800) {
            out += char(0xc0 | (code >> 6));
            out += char(0x80 | (code & 0x3f));
        } else if (code < 0x10000) {
            out += char(0xe0 | (code >> 12));
            out += char(0x80 | ((code >> 6) & 0x3f));
            out += char(0x80 | (code & 0x3f));
        } else {
            out += char(0xf0 | (code >> 18));
            out += char(0x80 | ((code >> 12) & 0x3f));
            out += char(0x80 | ((code >> 6) & 0x3f));
            out += char(0x80 | (code & 0x3f));
        }
    }

    bool readEscape(std::string &out)
    {
        if (m_p >= m_end)
            return false;
        const char c = *m_p++;
        switch (c) {
        case '"':
        case '\\':
        case '/':
            out += c;
            return true;
        case 'b':
            out += '\b';
            return true;
        case 'f':
            out += '\f';
            return true;
        case 'n':
            out += '\n';
            return true;
        case 'r':
            out += '\r';
            return true;
        case 't':
            out += '\t';
            return true;
        case 'u':
            break;
        default:
            return false;
        }
        unsigned int code;
        if (!readHex4(code))
            return false;
        if (code >= 0xd800 && code <= 0xdbff && m_end - m_p >= 6 && m_p[0] == '\\' && m_p[1] == 'u') {
            const char *mark = m_p;
            m_p += 2;
            unsigned int low;
            if (!readHex4(low))
                return false;
            if (low >= 0xdc00 && low <= 0xdfff) {
                appendUtf8(out, 0x10000 + ((code - 0xd800) << 10) + (low - 0xdc00));
                return true;
            }
            m_p = mark;
        }
        // A lone surrogate has no UTF-8 form; it reads as the replacement character.
        appendUtf8(out, (code >= 0xd800 && code <= 0xdfff) ? 0xfffd : code);
        return true;
    }

    bool readString(std::string &out)
    {
        ++m_p;
        while (m_p < m_end) {
            const auto c = static_cast<unsigned char>(*m_p);
            if (c == '"') {
                ++m_p;
                return true;
            }
            if (c == '\\') {
                ++m_p;
                if (!readEscape(out))
                    return false;
            } else if (c < 0x20) {
                return false;
            } else {
                const size_t sequence = hx::pps::text::utf8SequenceLength(
                    reinterpret_cast<const unsigned char *>(m_p), reinterpret_cast<const unsigned char *>(m_end));
                if (sequence == 0)
                    return false;
                out.append(m_p, sequence);
                m_p += sequence;
            }
        }
        return false;
    }

    bool readNumber(Node &node)
    {
        const char *start = m_p;
        const char *p = m_p;
        auto digits = [&]() {
            const char *first = p;
            while (p < m_end && *p >= '0' && *p <= '9')
                ++p;
            return p > first;
        };
        if (p < m_end && *p == '-')
            ++p;
        if (p < m_end && *p == '0')
            ++p;
        else if (!digits())
            return false;
        bool integral = true;
        bool negativeExponent = false;
        if (p < m_end && *p == '.') {
            ++p;
            integral = false;
            if (!digits())
                return false;
        }
        if (p < m_end && (*p == 'e' || *p == 'E')) {
            ++p;
            integral = false;
            if (p < m_end && (*p == '+' || *p == '-'))
                negativeExponent = *p++ == '-';
            if (!digits())
                return false;
        }
        m_p = p;
        return setNumber(node, start, p, integral, negativeExponent);
    }

public:
    static bool setNumber(Node &node, const char *start, const char *end, bool integral, bool negativeExponent)
    {
        node.type = PPS_TYPE_NUMBER;
        const auto parsed = std::from_chars(start, end, node.number);
        if (parsed.ec == std::errc::result_out_of_range) {
            const bool negative = *start == '-';
            node.number = negativeExponent
                ? (negative ? -0.0 : 0.0)
                : (negative ? -std::numeric_limits<double>::infinity() : std::numeric_limits<double>::infinity());
        } else if (parsed.ec != std::errc() || parsed.ptr != end) {
            return false;
        }
        if (integral) {
            const auto asInteger = std::from_chars(start, end, node.integer);
            node.hasInteger = asInteger.ec == std::errc() && asInteger.ptr == end;
        }
        return true;
    }

private:
    const char *m_p;
    const char *m_end;
    size_t *m_budget;
};

// Reads "name:type:value" lines under "@name" lines.
bool readAttribute(Node &object, const char *line, const char *end, size_t *budget)
{
    const char *colon = static_cast<const char *>(std::memchr(line, ':', size_t(end - line)));
    if (!colon || colon == line)
        return false;
    const char *typeEnd = static_cast<const char *>(std::memchr(colon + 1, ':', size_t(end - colon - 1)));
    if (!typeEnd)
        return false;
    object.children.emplace_back();
    Node &node = object.children.back();
    node.name.assign(line, colon);
    const std::string type(colon + 1, typeEnd);
    const char *value = typeEnd + 1;
    if (type == "n") {
        JsonReader reader(value, end, budget);
        return reader.readDocument(node, 1) && node.type == PPS_TYPE_NUMBER;
    }
    if (type == "b") {
        node.type = PPS_TYPE_BOOL;
        const std::string word(value, end);
        node.boolean = word == "true";
        return node.boolean || word == "false";
    }
    if (type == "json") {
        JsonReader reader(value, end, budget);
        return reader.readDocument(node, 1);
    }
    // Plain text, and encodings this reader does not know, are kept as they are.
    node.type = PPS_TYPE_STRING;
    node.text.assign(value, end);
    return true;
}

bool readObjectText(Node &document, const char *data, size_t length, size_t *budget)
{
    const char *p = data;
    const char *end = data + length;
    while (p < end) {
        const char *newline = static_cast<const char *>(std::memchr(p, '\n', size_t(end - p)));
        const char *lineEnd = newline ? newline : end;
        const char *next = newline ? newline + 1 : end;
        if (lineEnd > p && lineEnd[-1] == '\r')
            --lineEnd;
        if (*budget == 0)
            return false;
        --*budget;
        if (lineEnd == p || *p == '#' || *p == '-') {
            // Blank lines, comments and removal notices carry no value.
        } else if (*p == '@') {
            document.children.emplace_back();
            document.children.back().type = PPS_TYPE_OBJECT;
            document.children.back().name.assign(p + 1, lineEnd);
        } else {
            if (document.children.empty()) {
                document.children.emplace_back();
                document.children.back().type = PPS_TYPE_OBJECT;
            }
            if (!readAttribute(document.children.back(), p, lineEnd, budget))
                return false;
        }
        p = next;
    }
    return true;
}

} // namespace

struct pps_decoder_state
{
    struct Frame
    {
        const Node *node;
        size_t cursor;
    };

    Node document;
    std::vector<Frame> frames;
    bool parsed = false;
    pps_decoder_error_t firstError = PPS_DECODER_OK;

    pps_decoder_error_t report(pps_decoder_error_t error)
    {
        if (error != PPS_DECODER_OK && firstError == PPS_DECODER_OK)
            firstError = error;
        return error;
    }

    void clear()
    {
        document = Node();
        document.type = PPS_TYPE_ARRAY;
        frames.clear();
        frames.push_back({ &document, 0 });
        parsed = false;
        firstError = PPS_DECODER_OK;
    }

    pps_decoder_error_t finishParse(bool ok)
    {
        if (!ok) {
            clear();
            return report(PPS_DECODER_PARSE_ERROR);
        }
        parsed = true;
        return PPS_DECODER_OK;
    }

    const Node *find(const char *name) const
    {
        const Frame &frame = frames.back();
        const auto &children = frame.node->children;
        if (!name)
            return frame.cursor < children.size() ? &children[frame.cursor] : nullptr;
        if (frame.node->type == PPS_TYPE_ARRAY && frames.size() > 1)
            return nullptr;
        const char *bare = (frames.size() == 1 && name[0] == '@') ? name + 1 : name;
        for (auto it = children.rbegin(); it != children.rend(); ++it) {
            if (it->name == bare)
                return &*it;
        }
        return nullptr;
    }

    // Moves the cursor on after reading the element under it.
    void consumed(const char *name)
    {
        if (!name)
            ++frames.back().cursor;
    }

    pps_decoder_error_t lookup(const char *name, pps_node_type_t type, const Node **node)
    {
        *node = find(name);
        if (!*node)
            return report(PPS_DECODER_NOT_FOUND);
        if ((*node)->type != type)
            return report(PPS_DECODER_WRONG_TYPE);
        return PPS_DECODER_OK;
    }
};

static pps_decoder_state *stateOf(pps_decoder_t *decoder)
{
    if (!decoder)
        return nullptr;
    if (!decoder->state) {
        decoder->state = new (std::nothrow) pps_decoder_state;
        if (decoder->state)
            decoder->state->clear();
    }
    return decoder->state;
}

pps_decoder_error_t pps_decoder_initialize(pps_decoder_t *decoder, const char *text)
{
    if (!decoder)
        return PPS_DECODER_NO_MEMORY;
    decoder->state = nullptr;
    if (!stateOf(decoder))
        return PPS_DECODER_NO_MEMORY;
    return text ? pps_decoder_parse_pps_str(decoder, text) : PPS_DECODER_OK;
}

void pps_decoder_cleanup(pps_decoder_t *decoder)
{
    if (!decoder)
        return;
    delete decoder->state;
    decoder->state = nullptr;
}

pps_decoder_error_t pps_decoder_parse_pps(pps_decoder_t *decoder, const char *data, size_t length)
{
    auto *s = stateOf(decoder);
    if (!s)
        return PPS_DECODER_NO_MEMORY;
    s->clear();
    if ((!data && length) || length > PPS_DECODER_MAX_INPUT)
        return s->finishParse(false);
    size_t budget = PPS_DECODER_MAX_NODES;
    return s->finishParse(readObjectText(s->document, data, length, &budget));
}

pps_decoder_error_t pps_decoder_parse_pps_str(pps_decoder_t *decoder, const char *text)
{
    return pps_decoder_parse_pps(decoder, text, text ? strnlen(text, PPS_DECODER_MAX_INPUT + 1) : 0);
}

pps_decoder_error_t pps_decoder_parse_json(pps_decoder_t *decoder, const char *data, size_t length)
{
    auto *s = stateOf(decoder);
    if (!s)
        return PPS_DECODER_NO_MEMORY;
    s->clear();
    if (!data || length > PPS_DECODER_MAX_INPUT)
        return s->finishParse(false);
    s->document.children.emplace_back();
    size_t budget = PPS_DECODER_MAX_NODES;
    JsonReader reader(data, data + length, &budget);
    return s->finishParse(reader.readDocument(s->document.children.back(), 0));
}

pps_decoder_error_t pps_decoder_parse_json_str(pps_decoder_t *decoder, const char *text)
{
    return pps_decoder_parse_json(decoder, text, text ? strnlen(text, PPS_DECODER_MAX_INPUT + 1) : 0);
}

pps_decoder_error_t pps_decoder_push(pps_decoder_t *decoder, const char *name)
{
    auto *s = stateOf(decoder);
    if (!s)
        return PPS_DECODER_NO_MEMORY;
    const Node *node = s->find(name);
    if (!node)
        return s->report(s->parsed ? PPS_DECODER_NOT_FOUND : PPS_DECODER_BAD_NESTING);
    if (node->type != PPS_TYPE_OBJECT && node->type != PPS_TYPE_ARRAY)
        return s->report(PPS_DECODER_WRONG_TYPE);
    // Entering by cursor moves the parent's cursor past the element once it is popped.
    if (!name)
        ++s->frames.back().cursor;
    s->frames.push_back({ node, 0 });
    return PPS_DECODER_OK;
}

pps_decoder_error_t pps_decoder_pop(pps_decoder_t *decoder)
{
    auto *s = stateOf(decoder);
    if (!s)
        return PPS_DECODER_NO_MEMORY;
    if (s->frames.size() <= 1)
        return s->report(PPS_DECODER_BAD_NESTING);
    s->frames.pop_back();
    return PPS_DECODER_OK;
}

pps_decoder_error_t pps_decoder_next(pps_decoder_t *decoder)
{
    auto *s = stateOf(decoder);
    if (!s)
        return PPS_DECODER_NO_MEMORY;
    auto &frame = s->frames.back();
    if (frame.cursor >= frame.node->children.size())
        return s->report(PPS_DECODER_NOT_FOUND);
    ++frame.cursor;
    return PPS_DECODER_OK;
}

int pps_decoder_nesting(const pps_decoder_t *decoder)
{
    return decoder && decoder->state ? int(decoder->state->frames.size()) - 1 : 0;
}

pps_node_type_t pps_decoder_type(const pps_decoder_t *decoder, const char *name)
{
    if (!decoder || !decoder->state)
        return PPS_TYPE_NONE;
    const Node *node = decoder->state->find(name);
    return node ? node->type : PPS_TYPE_NONE;
}

bool pps_decoder_is_array(const pps_decoder_t *decoder, const char *name)
{
    return pps_decoder_type(decoder, name) == PPS_TYPE_ARRAY;
}

int pps_decoder_length(const pps_decoder_t *decoder)
{
    if (!decoder || !decoder->state)
        return 0;
    return int(decoder->state->frames.back().node->children.size());
}

const char *pps_decoder_name(const pps_decoder_t *decoder)
{
    if (!decoder || !decoder->state)
        return nullptr;
    const Node *node = decoder->state->find(nullptr);
    return node ? node->name.c_str() : nullptr;
}

// Looks name up with the wanted type, lets read turn the node into the caller's value and marks
// the member read; value may be null when the caller only checks that the member is there.
template<typename Value, typename Read>
pps_decoder_error_t readValue(pps_decoder_t *decoder, const char *name, pps_node_type_t type, Value *value, Read read)
{
    auto *s = stateOf(decoder);
    if (!s)
        return PPS_DECODER_NO_MEMORY;
    const Node *node;
    if (const auto error = s->lookup(name, type, &node))
        return error;
    Value result {};
    if (const auto error = read(s, *node, &result))
        return error;
    if (value)
        *value = result;
    s->consumed(name);
    return PPS_DECODER_OK;
}

pps_decoder_error_t pps_decoder_get_string(pps_decoder_t *decoder, const char *name, const char **value)
{
    return readValue(decoder, name, PPS_TYPE_STRING, value,
                     [](pps_decoder_state *, const Node &node, const char **out) {
                         *out = node.text.c_str();
                         return PPS_DECODER_OK;
                     });
}

pps_decoder_error_t pps_decoder_get_bool(pps_decoder_t *decoder, const char *name, bool *value)
{
    return readValue(decoder, name, PPS_TYPE_BOOL, value, [](pps_decoder_state *, const Node &node, bool *out) {
        *out = node.boolean;
        return PPS_DECODER_OK;
    });
}

pps_decoder_error_t pps_decoder_get_int64(pps_decoder_t *decoder, const char *name, int64_t *value)
{
    return readValue(decoder, name, PPS_TYPE_NUMBER, value, [](pps_decoder_state *s, const Node &node, int64_t *out) {
        if (node.hasInteger) {
            *out = node.integer;
        } else if (std::trunc(node.number) == node.number && node.number >= -9223372036854775808.0
                   && node.number < 9223372036854775808.0) {
            // 2.0 or 1e3 are whole numbers written another way.
            *out = int64_t(node.number);
        } else {
            return s->report(PPS_DECODER_OUT_OF_RANGE);
        }
        return PPS_DECODER_OK;
    });
}

pps_decoder_error_t pps_decoder_get_int(pps_decoder_t *decoder, const char *name, int *value)
{
    auto *s = stateOf(decoder);
    if (!s)
        return PPS_DECODER_NO_MEMORY;
    const Node *node;
    if (const auto error = s->lookup(name, PPS_TYPE_NUMBER, &node))
        return error;
    const size_t cursor = s->frames.back().cursor;
    int64_t wide;
    if (const auto error = pps_decoder_get_int64(decoder, name, &wide))
        return error;
    if (wide < std::numeric_limits<int>::min() || wide > std::numeric_limits<int>::max()) {
        s->frames.back().cursor = cursor;
        return s->report(PPS_DECODER_OUT_OF_RANGE);
    }
    if (value)
        *value = int(wide);
    return PPS_DECODER_OK;
}

pps_decoder_error_t pps_decoder_get_double(pps_decoder_t *decoder, const char *name, double *value)
{
    return readValue(decoder, name, PPS_TYPE_NUMBER, value, [](pps_decoder_state *, const Node &node, double *out) {
        *out = node.number;
        return PPS_DECODER_OK;
    });
}

pps_decoder_error_t pps_decoder_status(pps_decoder_t *decoder, bool clear)
{
    auto *s = stateOf(decoder);
    if (!s)
        return PPS_DECODER_NO_MEMORY;
    const auto error = s->firstError;
    if (clear)
        s->firstError = PPS_DECODER_OK;
    return error;
}
