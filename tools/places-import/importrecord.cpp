#include "importrecord.h"

#include <hx/platform/places/gazetteerwriter.h>

#include <QtCore/QStringList>

using hx::platform::places::GazetteerEntry;
using hx::platform::places::GazetteerWriter;

namespace {
// Each field under the names files use for it, first match wins.
QString field(const QHash<QString, QString> &fields, std::initializer_list<const char *> names)
{
    for (const char *name : names) {
        const auto it = fields.constFind(QString::fromLatin1(name));
        if (it != fields.constEnd() && !it.value().trimmed().isEmpty())
            return it.value().trimmed();
    }
    return QString();
}

bool parseNumber(const QString &text, double *value)
{
    bool ok = false;
    *value = text.toDouble(&ok);
    return ok && qIsFinite(*value);
}
} // namespace

bool ImportRecord::parseKind(const QString &text, GazetteerEntry::Kind *kind)
{
    static const QHash<QString, GazetteerEntry::Kind> kinds = {
        { "country", GazetteerEntry::Country },
        { "region", GazetteerEntry::Region },
        { "state", GazetteerEntry::Region },
        { "province", GazetteerEntry::Region },
        { "locality", GazetteerEntry::Locality },
        { "city", GazetteerEntry::Locality },
        { "town", GazetteerEntry::Locality },
        { "village", GazetteerEntry::Locality },
        { "neighbourhood", GazetteerEntry::Neighbourhood },
        { "neighborhood", GazetteerEntry::Neighbourhood },
        { "suburb", GazetteerEntry::Neighbourhood },
        { "address", GazetteerEntry::Address },
        { "poi", GazetteerEntry::PointOfInterest },
        { "point_of_interest", GazetteerEntry::PointOfInterest },
        { "pointofinterest", GazetteerEntry::PointOfInterest },
    };
    const auto it = kinds.constFind(text.trimmed().toLower());
    if (it == kinds.constEnd())
        return false;
    *kind = it.value();
    return true;
}

GazetteerEntry ImportRecord::toEntry(GazetteerEntry::Kind defaultKind, QString *error) const
{
    GazetteerEntry entry;
    entry.kind = defaultKind;
    const QString kindText = field(fields, { "kind", "type" });
    if (!kindText.isEmpty() && !parseKind(kindText, &entry.kind)) {
        *error = QStringLiteral("unknown kind \"%1\"").arg(kindText);
        return GazetteerEntry();
    }
    entry.name = field(fields, { "name" });
    entry.street = field(fields, { "street", "address", "addr:street" });
    entry.postalCode = field(fields, { "postal_code", "postcode", "zip", "postalcode" });
    entry.city = field(fields, { "city", "locality", "town" });
    entry.region = field(fields, { "region", "state", "province" });
    entry.regionCode = field(fields, { "region_code", "state_code" });
    entry.country = field(fields, { "country" });
    entry.countryCode = field(fields, { "country_code", "countrycode", "cc" }).toUpper();
    entry.category = field(fields, { "category", "amenity" });
    entry.phone = field(fields, { "phone", "telephone" });
    entry.url = field(fields, { "url", "website" });
    entry.email = field(fields, { "email", "e-mail" });

    const QString latitude = field(fields, { "lat", "latitude" });
    const QString longitude = field(fields, { "lon", "lng", "long", "longitude" });
    if (!latitude.isEmpty() && !parseNumber(latitude, &entry.latitude)) {
        *error = QStringLiteral("latitude \"%1\" is not a number").arg(latitude);
        return GazetteerEntry();
    }
    if (!longitude.isEmpty() && !parseNumber(longitude, &entry.longitude)) {
        *error = QStringLiteral("longitude \"%1\" is not a number").arg(longitude);
        return GazetteerEntry();
    }
    const QString importance = field(fields, { "importance", "population" });
    if (!importance.isEmpty() && !parseNumber(importance, &entry.importance)) {
        *error = QStringLiteral("importance \"%1\" is not a number").arg(importance);
        return GazetteerEntry();
    }
    const QString rating = field(fields, { "rating", "stars" });
    if (!rating.isEmpty() && !parseNumber(rating, &entry.rating)) {
        *error = QStringLiteral("rating \"%1\" is not a number").arg(rating);
        return GazetteerEntry();
    }
    const QString ratingCount = field(fields, { "rating_count", "ratingcount", "review_count" });
    if (!ratingCount.isEmpty()) {
        bool ok = false;
        entry.ratingCount = ratingCount.toInt(&ok);
        if (!ok) {
            *error = QStringLiteral("rating count \"%1\" is not a whole number").arg(ratingCount);
            return GazetteerEntry();
        }
    }
    const QString reason = GazetteerWriter::validate(entry);
    if (!reason.isEmpty()) {
        *error = reason;
        return GazetteerEntry();
    }
    return entry;
}
