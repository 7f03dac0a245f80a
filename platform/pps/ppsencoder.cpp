#include <hx/pps/ppsencoder.h>

#include "ppstext_p.h"

#include <cstring>
#include <new>
#include <string>
#include <vector>

using namespace hx::pps;

struct pps_encoder_state
{
    enum Kind { ObjectLine, JsonObject, JsonArray };
    struct Frame
    {
        Kind kind;
        bool attribute; // a JSON value that forms one attribute line
        int count;
    };

    bool json = false;
    bool rootWritten = false;
    pps_encoder_error_t error = PPS_ENCODER_OK;
    std::string text;
    std::vector<Frame> frames;

    bool atAttributeLevel() const { return !json && (frames.empty() || frames.back().kind == ObjectLine); }

    pps_encoder_error_t fail(pps_encoder_error_t e)
    {
        error = e;
        text.clear();
        frames.clear();
        return e;
    }

    pps_encoder_error_t checkSize()
    {
        return text.size() > PPS_ENCODER_MAX_SIZE ? fail(PPS_ENCODER_NO_MEMORY) : PPS_ENCODER_OK;
    }

    static bool validAttributeName(const char *name)
    {
        return name && *name && *name != '@' && !std::strpbrk(name, ":\n\r");
    }

    // Writes what comes before a value: the attribute head, or a comma and the member name.
    pps_encoder_error_t beginValue(const char *name, const char *type)
    {
        if (atAttributeLevel()) {
            if (!validAttributeName(name))
                return fail(PPS_ENCODER_INVALID_NAME);
            text += name;
            text += ':';
            text += type;
            text += ':';
            return PPS_ENCODER_OK;
        }
        if (frames.empty()) {
            if (rootWritten)
                return fail(PPS_ENCODER_BAD_NESTING);
            rootWritten = true;
            return PPS_ENCODER_OK;
        }
        Frame &frame = frames.back();
        if (frame.count++ > 0)
            text += ',';
        if (frame.kind == JsonObject) {
            if (!name)
                return fail(PPS_ENCODER_INVALID_NAME);
            text::appendJsonString(text, name, std::strlen(name));
            text += ':';
        }
        return PPS_ENCODER_OK;
    }

    // Ends a value; an attribute line ends with its line break.
    pps_encoder_error_t endValue(bool attributeLine)
    {
        if (attributeLine)
            text += '\n';
        return checkSize();
    }

    pps_encoder_error_t addScalar(const char *name, const char *type, const std::string &value)
    {
        if (error)
            return error;
        const bool attributeLine = atAttributeLevel();
        if (beginValue(name, type))
            return error;
        text += value;
        return endValue(attributeLine);
    }

    pps_encoder_error_t start(const char *name, Kind kind)
    {
        if (error)
            return error;
        if (frames.size() >= PPS_ENCODER_MAX_DEPTH)
            return fail(PPS_ENCODER_BAD_NESTING);
        if (!json && kind == JsonObject && name && name[0] == '@' && atAttributeLevel()) {
            if (!frames.empty() || std::strpbrk(name, "\n\r"))
                return fail(!frames.empty() ? PPS_ENCODER_BAD_NESTING : PPS_ENCODER_INVALID_NAME);
            text += name;
            text += '\n';
            frames.push_back({ ObjectLine, false, 0 });
            return checkSize();
        }
        const bool attributeLine = atAttributeLevel();
        if (beginValue(name, "json"))
            return error;
        text += kind == JsonObject ? '{' : '[';
        frames.push_back({ kind, attributeLine, 0 });
        return checkSize();
    }

    pps_encoder_error_t end(Kind kind)
    {
        if (error)
            return error;
        if (frames.empty())
            return fail(PPS_ENCODER_BAD_NESTING);
        const Frame frame = frames.back();
        if (frame.kind == ObjectLine && kind == JsonObject) {
            frames.pop_back();
            return PPS_ENCODER_OK;
        }
        if (frame.kind != kind)
            return fail(PPS_ENCODER_BAD_NESTING);
        frames.pop_back();
        text += kind == JsonObject ? '}' : ']';
        return endValue(frame.attribute);
    }
};

void pps_encoder_initialize(pps_encoder_t *encoder, bool json)
{
    if (!encoder)
        return;
    encoder->state = new (std::nothrow) pps_encoder_state;
    if (encoder->state)
        encoder->state->json = json;
}

void pps_encoder_cleanup(pps_encoder_t *encoder)
{
    if (!encoder)
        return;
    delete encoder->state;
    encoder->state = nullptr;
}

void pps_encoder_reset(pps_encoder_t *encoder)
{
    if (!encoder || !encoder->state)
        return;
    const bool json = encoder->state->json;
    *encoder->state = pps_encoder_state();
    encoder->state->json = json;
}

static pps_encoder_state *stateOf(pps_encoder_t *encoder)
{
    return encoder ? encoder->state : nullptr;
}

pps_encoder_error_t pps_encoder_start_object(pps_encoder_t *encoder, const char *name)
{
    auto *s = stateOf(encoder);
    return s ? s->start(name, pps_encoder_state::JsonObject) : PPS_ENCODER_NO_MEMORY;
}

pps_encoder_error_t pps_encoder_end_object(pps_encoder_t *encoder)
{
    auto *s = stateOf(encoder);
    return s ? s->end(pps_encoder_state::JsonObject) : PPS_ENCODER_NO_MEMORY;
}

pps_encoder_error_t pps_encoder_start_array(pps_encoder_t *encoder, const char *name)
{
    auto *s = stateOf(encoder);
    return s ? s->start(name, pps_encoder_state::JsonArray) : PPS_ENCODER_NO_MEMORY;
}

pps_encoder_error_t pps_encoder_end_array(pps_encoder_t *encoder)
{
    auto *s = stateOf(encoder);
    return s ? s->end(pps_encoder_state::JsonArray) : PPS_ENCODER_NO_MEMORY;
}

pps_encoder_error_t pps_encoder_add_string(pps_encoder_t *encoder, const char *name, const char *value)
{
    auto *s = stateOf(encoder);
    if (!s)
        return PPS_ENCODER_NO_MEMORY;
    if (s->error)
        return s->error;
    if (!value)
        return s->fail(PPS_ENCODER_INVALID_VALUE);
    const size_t length = std::strlen(value);
    // A plain attribute line cannot hold a line break; such text goes out as a JSON string.
    if (s->atAttributeLevel() && !std::strpbrk(value, "\n\r"))
        return s->addScalar(name, "", std::string(value, length));
    std::string quoted;
    text::appendJsonString(quoted, value, length);
    return s->addScalar(name, s->atAttributeLevel() ? "json" : "", quoted);
}

pps_encoder_error_t pps_encoder_add_int(pps_encoder_t *encoder, const char *name, int value)
{
    return pps_encoder_add_int64(encoder, name, value);
}

pps_encoder_error_t pps_encoder_add_int64(pps_encoder_t *encoder, const char *name, int64_t value)
{
    auto *s = stateOf(encoder);
    if (!s)
        return PPS_ENCODER_NO_MEMORY;
    std::string number;
    text::appendInteger(number, value);
    return s->addScalar(name, "n", number);
}

pps_encoder_error_t pps_encoder_add_double(pps_encoder_t *encoder, const char *name, double value)
{
    auto *s = stateOf(encoder);
    if (!s)
        return PPS_ENCODER_NO_MEMORY;
    if (s->error)
        return s->error;
    std::string number;
    if (!text::appendNumber(number, value))
        return s->fail(PPS_ENCODER_INVALID_VALUE);
    return s->addScalar(name, "n", number);
}

pps_encoder_error_t pps_encoder_add_bool(pps_encoder_t *encoder, const char *name, bool value)
{
    auto *s = stateOf(encoder);
    return s ? s->addScalar(name, "b", value ? "true" : "false") : PPS_ENCODER_NO_MEMORY;
}

pps_encoder_error_t pps_encoder_add_null(pps_encoder_t *encoder, const char *name)
{
    auto *s = stateOf(encoder);
    return s ? s->addScalar(name, "json", "null") : PPS_ENCODER_NO_MEMORY;
}

const char *pps_encoder_buffer(const pps_encoder_t *encoder)
{
    if (!encoder || !encoder->state || encoder->state->error)
        return nullptr;
    return encoder->state->text.c_str();
}

size_t pps_encoder_length(const pps_encoder_t *encoder)
{
    if (!encoder || !encoder->state || encoder->state->error)
        return 0;
    return encoder->state->text.size();
}

pps_encoder_error_t pps_encoder_error(const pps_encoder_t *encoder)
{
    if (!encoder || !encoder->state)
        return PPS_ENCODER_NO_MEMORY;
    return encoder->state->error;
}
