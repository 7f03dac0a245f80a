#include "placejson.h"

#include "distancetext.h"
#include "mergedsearch.h"

#include <QtCore/QJsonDocument>
#include <QtCore/QtNumeric>

using namespace hx::platform::places;

namespace {
void putNumber(QJsonObject &object, const QString &key, double value)
{
    // JSON has no NaN: an unknown number is left out.
    if (!qIsNaN(value))
        object.insert(key, value);
}
} // namespace

QJsonObject PlaceJson::location(const Location &location)
{
    const Address address = location.address();
    QJsonObject object;
    object.insert(QStringLiteral("label"), address.label().isEmpty() ? address.oneLine() : address.label());
    object.insert(QStringLiteral("street"), address.street());
    object.insert(QStringLiteral("city"), address.city());
    object.insert(QStringLiteral("region"), address.region());
    object.insert(QStringLiteral("country"), address.country());
    object.insert(QStringLiteral("postal"), address.postalCode());
    putNumber(object, QStringLiteral("latitude"), location.coordinates().latitude());
    putNumber(object, QStringLiteral("longitude"), location.coordinates().longitude());
    return object;
}

QJsonArray PlaceJson::locations(const QList<Location> &locations)
{
    QJsonArray array;
    for (const Location &location : locations)
        array.append(PlaceJson::location(location));
    return array;
}

QJsonObject PlaceJson::row(const AbstractPlace &place, const QString &type, const Coordinates &near)
{
    QJsonObject object;
    object.insert(QStringLiteral("id"), place.id());
    object.insert(QStringLiteral("type"), type);
    object.insert(QStringLiteral("name"), place.name());
    object.insert(QStringLiteral("address"), place.primaryLocation());
    const Coordinates coordinates = place.primaryCoordinates();
    if (coordinates.isValid()) {
        object.insert(QStringLiteral("latitude"), coordinates.latitude());
        object.insert(QStringLiteral("longitude"), coordinates.longitude());
    }
    const double metres = near.distanceTo(coordinates);
    if (!qIsNaN(metres)) {
        object.insert(QStringLiteral("distance_m"), qRound(metres));
        object.insert(QStringLiteral("distance"), DistanceText::format(metres));
    }
    return object;
}

QJsonArray PlaceJson::sections(const MergedSearch &search, const Coordinates &near)
{
    QJsonArray sections;
    QJsonObject section;
    QJsonArray rows;
    const auto flush = [&]() {
        if (section.isEmpty())
            return;
        section.insert(QStringLiteral("rows"), rows);
        sections.append(section);
        section = QJsonObject();
        rows = QJsonArray();
    };
    for (const MergedSearch::Row &row : search.rows()) {
        if (row.kind == MergedSearch::Row::Header) {
            flush();
            section.insert(QStringLiteral("group"), row.group);
            section.insert(QStringLiteral("header"), row.key);
            section.insert(QStringLiteral("title"), MergedSearch::headerTitle(row.key));
            section.insert(QStringLiteral("more"), false);
        } else if (row.kind == MergedSearch::Row::Footer) {
            section.insert(QStringLiteral("more"), true);
            section.insert(QStringLiteral("footer"), row.key);
        } else if (row.place) {
            rows.append(PlaceJson::row(*row.place, row.key, near));
        }
    }
    flush();
    return sections;
}

QByteArray PlaceJson::text(const QJsonArray &array)
{
    return QJsonDocument(array).toJson(QJsonDocument::Indented);
}
