#ifndef HX_MSGCLIENT_REVGEOREQUEST_H
#define HX_MSGCLIENT_REVGEOREQUEST_H

#include <QtCore/QByteArray>
#include <QtCore/QString>

namespace hx {
namespace msgclient {

// One reverse-geocoding request, {"lat":43.5000000, "lon":-80.2500000, "boundary": "address"}:
// a JSON object with numbers "lat" (-90 to 90) and "lon" (-180 to 180) and an optional text
// "boundary" (default "address"). Other members are ignored.
class RevGeoRequest
{
public:
    enum Boundary { Address = 0, Country = 1, Province = 2, City = 3, Postal = 4, Mcc = 5, Timezone = 6 };

    // Requests longer than this are refused without being parsed.
    static constexpr int MaxSize = 4096;

    static RevGeoRequest parse(const char *data, size_t length);
    static RevGeoRequest parse(const QByteArray &request) { return parse(request.constData(), size_t(request.size())); }
    // The boundary of a text ("address", "country", "province", "city", "postal", "mcc",
    // "timezone"), or -1.
    static int boundaryFromText(const QByteArray &text);

    bool isValid() const { return error.isEmpty(); }

    double latitude = 0;
    double longitude = 0;
    Boundary boundary = Address;
    QString error; // why the request was refused; empty when valid
};

} // namespace msgclient
} // namespace hx

#endif
