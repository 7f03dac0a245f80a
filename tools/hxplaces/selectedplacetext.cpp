#include "selectedplacetext.h"

#if __has_include(<hx/trellan/places/jsonutils.h>) && __has_include(<records/selectedplace_p.h>)
#define HXPLACES_HAVE_JSONUTILS 1
#include <hx/trellan/places/jsonutils.h>
#include <hx/trellan/places/selectedplace.h>
#include <records/selectedplace_p.h>
#endif

#include <QtCore/QJsonArray>
#include <QtCore/QJsonDocument>
#include <QtCore/QRegularExpression>
#include <QtCore/QScopedPointer>
#include <QtCore/QStringList>
#include <QtCore/QtNumeric>

using namespace hx::platform::places;

#ifdef HXPLACES_HAVE_JSONUTILS

QString SelectedPlaceText::encode(const QSharedPointer<Place> &place)
{
    using namespace hx::trellan::places;
    QScopedPointer<SelectedPlace> selected(SelectedPlacePrivate::placeToSelectedPlace(place));
    return selected ? JsonUtils::encodeSelectedPlaceToJson(selected.data()) : QString();
}

#else

// Until the library's JSON encoder is part of the build, the same members in the same order.
namespace {
QString value(const QJsonValue &value)
{
    const QByteArray array = QJsonDocument(QJsonArray { value }).toJson(QJsonDocument::Compact);
    return QString::fromUtf8(array.mid(1, array.size() - 2));
}
} // namespace

QString SelectedPlaceText::encode(const QSharedPointer<Place> &place)
{
    if (place.isNull())
        return QString();
    const Location location = place->location(0);
    const Address address = location.address();
    const Coordinates coordinates = location.coordinates();
    QString label = place->primaryLocation();
    label.replace(QRegularExpression(QStringLiteral("[\n\r]")), QStringLiteral(" "));
    QStringList members;
    const auto put = [&members](const char *key, const QJsonValue &v) {
        members.append(QStringLiteral("\"%1\":%2").arg(QLatin1String(key), value(v)));
    };
    const auto putNumber = [&put](const char *key, double v) {
        if (!qIsNaN(v))
            put(key, v);
    };
    put("is_physical_location", place->hasPhysicalLocation());
    put("id", qint64(qint32(place->id())));
    put("name", place->name().isEmpty() ? label : place->name());
    put("description", place->description());
    put("alternative_name", place->name());
    put("street", address.street());
    put("city", address.city());
    put("region", address.region());
    put("country", address.country());
    put("postal", address.postalCode());
    put("address_label", label);
    put("phone", place->primaryPhoneNumber());
    put("phone2", QString());
    put("fax", QString());
    put("url", place->primaryUrl());
    put("map_url", place->mapUrl().toString());
    putNumber("latitude", coordinates.latitude());
    putNumber("longitude", coordinates.longitude());
    putNumber("altitude", coordinates.altitude());
    putNumber("horizontalAccuracy", coordinates.horizontalAccuracy());
    putNumber("verticalAccuracy", coordinates.verticalAccuracy());
    return QStringLiteral("{\"selected_place\":{%1}}").arg(members.join(QLatin1Char(',')));
}

#endif
