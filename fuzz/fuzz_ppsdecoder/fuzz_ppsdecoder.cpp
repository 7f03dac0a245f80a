// Feeds arbitrary bytes to the publish/subscribe decoder, in both its object and JSON forms,
// and walks every node of what it accepts.
#include <hx/pps/ppsdecoder.h>
#include <hx/pps/ppsobject.h>

#include <cstddef>
#include <cstdint>

static void walk(pps_decoder_t *decoder)
{
    while (const char *name = pps_decoder_name(decoder)) {
        (void)name;
        switch (pps_decoder_type(decoder, nullptr)) {
        case PPS_TYPE_OBJECT:
        case PPS_TYPE_ARRAY:
            if (pps_decoder_push(decoder, nullptr) == PPS_DECODER_OK) {
                walk(decoder);
                pps_decoder_pop(decoder);
            }
            break;
        case PPS_TYPE_NUMBER: {
            int small;
            double wide;
            pps_decoder_get_int(decoder, nullptr, &small);
            pps_decoder_get_double(decoder, nullptr, &wide);
            break;
        }
        default:
            break;
        }
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
        pps_decoder_push(&decoder, "control");
        pps_decoder_get_string(&decoder, "res", nullptr);
    }
    if (pps_decoder_parse_json(&decoder, text, size) == PPS_DECODER_OK)
        walk(&decoder);
    pps_decoder_cleanup(&decoder);
    hx::PpsObject::decode(QByteArray::fromRawData(text, int(size)));
    return 0;
}
