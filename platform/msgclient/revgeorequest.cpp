#include <hx/msgclient/revgeorequest.h>

#include <hx/pps/ppsdecoder.h>

#include <cmath>

namespace hx {
namespace msgclient {

int RevGeoRequest::boundaryFromText(const QByteArray &text)
{
    static const char *const names[] = { "address", "country", "province", "city", "postal", "mcc", "timezone" };
    for (int i = 0; i < int(sizeof names / sizeof *names); ++i) {
        if (text == names[i])
            return i;
    }
    return -1;
}

RevGeoRequest RevGeoRequest::parse(const char *data, size_t length)
{
    RevGeoRequest request;
    if (length > size_t(MaxSize)) {
        request.error = QStringLiteral("request too large");
        return request;
    }
    pps_decoder_t decoder;
    pps_decoder_initialize(&decoder, nullptr);
    const char *boundary = "address";
    if (pps_decoder_parse_json(&decoder, data, length) != PPS_DECODER_OK
        || pps_decoder_type(&decoder, nullptr) != PPS_TYPE_OBJECT || pps_decoder_push(&decoder, nullptr)) {
        request.error = QStringLiteral("not a JSON object");
    } else if (pps_decoder_get_double(&decoder, "lat", &request.latitude)
               || pps_decoder_get_double(&decoder, "lon", &request.longitude)) {
        request.error = QStringLiteral("lat and lon must be numbers");
    } else if (!(std::fabs(request.latitude) <= 90) || !(std::fabs(request.longitude) <= 180)) {
        request.error = QStringLiteral("coordinates out of range");
    } else if (pps_decoder_type(&decoder, "boundary") != PPS_TYPE_NONE
               && pps_decoder_get_string(&decoder, "boundary", &boundary)) {
        request.error = QStringLiteral("boundary must be a text");
    } else {
        const int value = boundaryFromText(QByteArray(boundary));
        if (value < 0)
            request.error = QStringLiteral("unknown boundary");
        else
            request.boundary = Boundary(value);
    }
    pps_decoder_cleanup(&decoder);
    return request;
}

} // namespace msgclient
} // namespace hx
