#ifndef HXPLACES_PLACEJSON_H
#define HXPLACES_PLACEJSON_H

#include <hx/platform/places/abstractplace.h>
#include <hx/platform/places/coordinates.h>
#include <hx/platform/places/location.h>

#include <QtCore/QJsonArray>
#include <QtCore/QJsonObject>
#include <QtCore/QList>
#include <QtCore/QString>

class DistanceText;
class SearchList;

// The JSON the scripted commands print: locations with their address parts and coordinates,
// and the rows of a search list as sections: each header with the rows under it and, when the
// section is collapsed, its footer and the category that footer opens.
class PlaceJson
{
public:
    static QJsonObject location(const hx::platform::places::Location &location);
    static QJsonArray locations(const QList<hx::platform::places::Location> &locations);
    static QJsonObject row(const hx::platform::places::AbstractPlace &place, const QString &type,
                           const hx::platform::places::Coordinates &near, DistanceText &distance);
    static QJsonArray sections(SearchList &list, const hx::platform::places::Coordinates &near);
    // Indented JSON text with a final line feed.
    static QByteArray text(const QJsonArray &array);
};

#endif
