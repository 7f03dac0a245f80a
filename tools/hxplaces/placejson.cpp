#include "placejson.h"

#include "distancetext.h"
#include "searchlist.h"

#include <hx/trellan/places/itemtype.h>

#include <QtCore/QJsonDocument>
#include <QtCore/QtNumeric>

using namespace hx::platform::places;
using hx::trellan::places::CachedPlace;
using hx::trellan::places::ItemType;

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

QJsonObject PlaceJson::row(const AbstractPlace &place, const QString &type, const Coordinates &near,
                           DistanceText &distance)
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
        object.insert(QStringLiteral("distance"), distance.between(near, coordinates));
    }
    return object;
}

QJsonArray PlaceJson::sections(SearchList &list, const Coordinates &near)
{
    DistanceText distance;
    QJsonArray sections;
    QJsonObject section;
    QJsonArray rows;
    const auto flush = [&]() {
        if (section.isEmpty() && rows.isEmpty())
            return;
        if (!section.contains(QStringLiteral("header")))
            section.insert(QStringLiteral("header"), QLatin1String(ItemType::HEADER_NONE));
        if (!section.contains(QStringLiteral("more")))
            section.insert(QStringLiteral("more"), false);
        section.insert(QStringLiteral("rows"), rows);
        sections.append(section);
        section = QJsonObject();
        rows = QJsonArray();
    };
    // A category list grows while it is read, page by page, as a scrolled list does; a
    // thousand rows is more than any script wants on one page.
    for (int row = 0; row < list.count() && row < 1000; ++row) {
        const QString key = list.key(row);
        if (ItemType::isHeader(key)) {
            flush();
            section.insert(QStringLiteral("header"), key);
            // An untitled section (the addresses) has no title to show.
            const QString title = SearchList::headerTitle(key);
            if (!title.isEmpty())
                section.insert(QStringLiteral("title"), title);
        } else if (ItemType::isFooter(key)) {
            section.insert(QStringLiteral("more"), true);
            section.insert(QStringLiteral("footer"), key);
            section.insert(QStringLiteral("category"), int(list.footerCategory(row)));
        } else if (const CachedPlace place = list.place(row)) {
            rows.append(PlaceJson::row(*place, key, near, distance));
        }
    }
    flush();
    return sections;
}

QByteArray PlaceJson::text(const QJsonArray &array)
{
    return QJsonDocument(array).toJson(QJsonDocument::Indented);
}
