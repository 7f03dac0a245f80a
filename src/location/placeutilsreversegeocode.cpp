#include <hx/trellan/places/placeutils.h>

#include <hx/msgclient/msgclient.h>
#include <hx/platform/places/coordinates.h>
#include <hx/pps/ppsdecoder.h>

#include <QtScript/QScriptEngine>
#include <QtScript/QScriptValue>

#include <cstring>

namespace hx {
namespace trellan {
namespace places {

using hx::platform::places::Address;
using hx::platform::places::Coordinates;
using hx::platform::places::Location;

QString PlaceUtils::generateRequest(double latitude, double longitude, int boundary)
{
    static const char *const boundaries[] = { "address", "country", "province", "city", "postal", "mcc", "timezone" };
    const int count = int(sizeof boundaries / sizeof boundaries[0]);
    const char *text = boundary >= 0 && boundary < count ? boundaries[boundary] : boundaries[0];
    return QStringLiteral("{\"lat\":") + QString::number(latitude, 'f', 7) + QStringLiteral(", \"lon\":")
        + QString::number(longitude, 'f', 7) + QStringLiteral(", \"boundary\": \"") + QLatin1String(text)
        + QStringLiteral("\"}");
}

namespace {

bool isPresent(const QScriptValue &value)
{
    return value.isValid() && !value.isUndefined() && !value.isNull();
}

void readText(const QScriptValue &candidate, const char *name, Address &address,
              void (Address::*setter)(const QString &))
{
    const QScriptValue value = candidate.property(QLatin1String(name));
    if (isPresent(value))
        (address.*setter)(value.toString());
}

} // namespace

bool PlaceUtils::parseResponse(const QString &response, QList<Location> &list)
{
    // The reply is data: only a JSON text reaches the script engine, so a reply
    // can never run code (a loop or a huge allocation) on the thread that reads
    // it. The strict reader of the object layer checks it: Qt's own leaks the
    // first value of a repeated key when that value is an object or an array.
    const QByteArray utf8 = response.toUtf8();
    pps_decoder_t decoder;
    pps_decoder_initialize(&decoder, nullptr);
    const bool isJson = pps_decoder_parse_json(&decoder, utf8.constData(), size_t(utf8.size())) == PPS_DECODER_OK;
    pps_decoder_cleanup(&decoder);
    if (!isJson)
        return true;

    QScriptEngine engine;
    const QScriptValue root = engine.evaluate(QLatin1Char('(') + response + QLatin1Char(')'));
    if (!root.isValid() || engine.hasUncaughtException())
        return true;
    const QScriptValue candidates = root.property(QStringLiteral("response"));
    if (!candidates.isArray())
        return true;

    bool result = true;
    const quint32 count = candidates.property(QStringLiteral("length")).toUInt32();
    for (quint32 i = 0; i < count; ++i) {
        const QScriptValue candidate = candidates.property(i);
        Location location;
        Address address;
        readText(candidate, "name", address, &Address::setLabel);
        readText(candidate, "city", address, &Address::setCity);
        readText(candidate, "street", address, &Address::setStreet);
        readText(candidate, "country", address, &Address::setCountry);
        readText(candidate, "region", address, &Address::setRegion);
        readText(candidate, "postal_code", address, &Address::setPostalCode);

        const QScriptValue lat = candidate.property(QStringLiteral("lat"));
        const QScriptValue lon = candidate.property(QStringLiteral("lon"));
        if (isPresent(lat) && isPresent(lon))
            location.setCoordinates(Coordinates(lat.toNumber(), lon.toNumber()));
        const QScriptValue zoom = candidate.property(QStringLiteral("zoom"));
        if (isPresent(zoom))
            location.setZoom(zoom.toInt32());
        const QScriptValue merit = candidate.property(QStringLiteral("merit"));
        if (isPresent(merit) && merit.toInt32() != -1)
            result = false;

        if (location.coordinates().isValid()) {
            location.setAddress(address);
            list.append(location);
        }
    }
    return result;
}

namespace {

// The service repeats the postal code at the end of Canadian and British
// labels.
void trimPostalCode(Location &location)
{
    Address address = location.address();
    const QString country = address.country();
    if ((country != QLatin1String("Canada") && country != QLatin1String("United Kingdom"))
        || address.postalCode().isEmpty())
        return;
    QString label = address.label();
    label.remove(QStringLiteral(", ") + address.postalCode(), Qt::CaseSensitive);
    label.remove(QStringLiteral(",") + address.postalCode(), Qt::CaseSensitive);
    address.setLabel(label);
    address.setPostalCode(QString());
    location.setAddress(address);
}

} // namespace

QList<Location> PlaceUtils::reverseGeocode(double latitude, double longitude, int boundary)
{
    QList<Location> list;
    const QByteArray request = generateRequest(latitude, longitude, boundary).toLatin1();

    enum { ReplySize = 8192 };
    char reply[ReplySize];
    std::memset(reply, 0, sizeof reply);
    msgclient_channel_t *channel = msgclient_open("revgeocode", "default", 2);
    if (!channel)
        return list;
    size_t replyLength = 0;
    if (msgclient_putget(channel, request.constData(), size_t(request.size()), reply, ReplySize, &replyLength, 0)
        == 0) {
        reply[ReplySize - 1] = '\0';
        parseResponse(QString::fromUtf8(reply), list);
    }
    msgclient_close(channel);

    for (Location &location : list)
        trimPostalCode(location);
    return list;
}

} // namespace places
} // namespace trellan
} // namespace hx
