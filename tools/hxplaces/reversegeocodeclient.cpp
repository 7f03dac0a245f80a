#include "reversegeocodeclient.h"

#include <hx/msgclient/msgclient.h>

#include <QtCore/QJsonArray>
#include <QtCore/QJsonDocument>
#include <QtCore/QJsonObject>

#include <vector>

using namespace hx::platform::places;

namespace {
QString text(const QJsonObject &object, const char *key)
{
    const QJsonValue value = object.value(QLatin1String(key));
    return value.isDouble() ? QString::number(value.toDouble()) : value.toString();
}

Location candidate(const QJsonObject &object)
{
    Address address;
    address.setLabel(text(object, "name"));
    address.setStreet(text(object, "street"));
    address.setCity(text(object, "city"));
    address.setRegion(text(object, "region"));
    address.setCountry(text(object, "country"));
    address.setPostalCode(text(object, "postal_code"));
    Coordinates coordinates;
    if (object.value(QLatin1String("lat")).isDouble() && object.value(QLatin1String("lon")).isDouble())
        coordinates
            = Coordinates(object.value(QLatin1String("lat")).toDouble(), object.value(QLatin1String("lon")).toDouble());
    Location location(coordinates, address);
    if (object.value(QLatin1String("zoom")).isDouble())
        location.setZoom(object.value(QLatin1String("zoom")).toInt());
    return location;
}
} // namespace

QList<Location> ReverseGeocodeClient::lookup(double latitude, double longitude, QString *error)
{
    const QByteArray request = QStringLiteral("{\"lat\":%1, \"lon\":%2, \"boundary\": \"address\"}")
                                   .arg(latitude, 0, 'f', 7)
                                   .arg(longitude, 0, 'f', 7)
                                   .toLatin1();
    msgclient_channel_t *channel = msgclient_open("revgeocode", "default", 2);
    if (!channel) {
        if (error)
            *error = QStringLiteral("the reverse-geocoding service is not running");
        return {};
    }
    std::vector<char> reply(8192, '\0');
    size_t length = 0;
    const int status = msgclient_putget(channel, request.constData(), size_t(request.size()), reply.data(),
                                        reply.size(), &length, 0);
    msgclient_close(channel);
    if (status != MSGCLIENT_OK) {
        if (error)
            *error = QStringLiteral("the reverse-geocoding exchange failed (%1)").arg(status);
        return {};
    }
    const QJsonObject root = QJsonDocument::fromJson(QByteArray(reply.data(), int(length))).object();
    if (error && root.contains(QLatin1String("error")))
        *error = root.value(QLatin1String("error")).toString();
    QList<Location> locations;
    for (const QJsonValue &value : root.value(QLatin1String("response")).toArray()) {
        const Location location = candidate(value.toObject());
        if (location.coordinates().isValid())
            locations.append(location);
    }
    return locations;
}
