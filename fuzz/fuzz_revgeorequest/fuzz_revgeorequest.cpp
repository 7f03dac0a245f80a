// Feeds arbitrary bytes to the reverse-geocoding service's request parser and answers them the
// way the service does, from a fixed locality.
#include <hx/msgclient/reversegeocoder.h>
#include <hx/msgclient/revgeorequest.h>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    using hx::platform::places::GazetteerEntry;
    static const hx::msgclient::ReverseGeocoder geocoder([](double latitude, double longitude, int kinds, int) {
        GazetteerEntry entry;
        entry.kind = (kinds & GazetteerEntry::Address) ? GazetteerEntry::Address : GazetteerEntry::Locality;
        entry.name = QStringLiteral("Waterloo");
        entry.region = QStringLiteral("Ontario");
        entry.country = QStringLiteral("Canada");
        entry.latitude = latitude;
        entry.longitude = longitude;
        entry.distanceMetres = 0;
        return QList<GazetteerEntry>({ entry });
    });
    const auto request = hx::msgclient::RevGeoRequest::parse(reinterpret_cast<const char *>(data), size);
    const QByteArray reply = geocoder.answer(request);
    if (reply.isEmpty() || reply.contains('\0'))
        __builtin_trap();
    return 0;
}
