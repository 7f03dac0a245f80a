// Feeds arbitrary bytes to the publish/subscribe decoder, in both its object and JSON forms,
// reads every value of what it accepts, by cursor and by name, and checks that what decodes into
// variants survives a round trip through the object form.
#include <hx/pps/ppsdecoder.h>
#include <hx/pps/ppsobject.h>

#include <cstddef>
#include <cstdint>
#include <cstring>

static void walk(pps_decoder_t *decoder)
{
    while (const char *name = pps_decoder_name(decoder)) {
        // Array elements have no name; object members can also be read by theirs.
        const bool named = *name != '\0';
        pps_decoder_error_t error = PPS_DECODER_OK;
        switch (pps_decoder_type(decoder, nullptr)) {
        case PPS_TYPE_OBJECT:
        case PPS_TYPE_ARRAY:
            (void)pps_decoder_is_array(decoder, nullptr);
            error = pps_decoder_push(decoder, nullptr);
            if (error == PPS_DECODER_OK) {
                (void)pps_decoder_length(decoder);
                (void)pps_decoder_nesting(decoder);
                walk(decoder);
                pps_decoder_pop(decoder);
            }
            break;
        case PPS_TYPE_NUMBER: {
            int small;
            int64_t wide;
            double number;
            if (named) {
                pps_decoder_get_int(decoder, name, &small);
                pps_decoder_get_int64(decoder, name, &wide);
            }
            // Every number reads as a double; the cursor moves on with it.
            error = pps_decoder_get_double(decoder, nullptr, &number);
            break;
        }
        case PPS_TYPE_STRING: {
            const char *text = nullptr;
            error = pps_decoder_get_string(decoder, nullptr, &text);
            if (error == PPS_DECODER_OK && std::strlen(text) == size_t(-1))
                __builtin_trap();
            break;
        }
        case PPS_TYPE_BOOL: {
            bool value;
            error = pps_decoder_get_bool(decoder, nullptr, &value);
            break;
        }
        default:
            error = pps_decoder_next(decoder);
            break;
        }
        // A reader that refused its value left the cursor where it was.
        if (error != PPS_DECODER_OK)
            pps_decoder_next(decoder);
    }
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const char *text = reinterpret_cast<const char *>(data);
    pps_decoder_t decoder;
    pps_decoder_initialize(&decoder, nullptr);
    if (pps_decoder_parse_pps(&decoder, text, size) == PPS_DECODER_OK) {
        walk(&decoder);
        if (pps_decoder_push(&decoder, "control") == PPS_DECODER_OK) {
            pps_decoder_get_string(&decoder, "res", nullptr);
            pps_decoder_get_string(&decoder, "id", nullptr);
            pps_decoder_pop(&decoder);
        }
    }
    if (pps_decoder_parse_json(&decoder, text, size) == PPS_DECODER_OK)
        walk(&decoder);
    pps_decoder_status(&decoder, true);
    pps_decoder_cleanup(&decoder);
    // What decodes must publish again and read back the same, or a read-modify-write loses data.
    bool ok = false;
    const QVariantMap map = hx::PpsObject::decode(QByteArray::fromRawData(text, int(size)), &ok);
    if (!ok)
        return 0;
    const QByteArray published = hx::PpsObject::encode(map, &ok);
    if (!ok)
        return 0;
    if (hx::PpsObject::decode(published, &ok) != map || !ok)
        __builtin_trap();
    return 0;
}
