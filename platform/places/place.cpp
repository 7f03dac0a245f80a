#include <hx/platform/places/place.h>

#include <QtCore/QUrlQuery>

#include "abstractplace_p.h"
#include "place_p.h"

namespace hx {
namespace platform {
namespace places {

Place::Place() = default;

Place::Place(const QString &name, const Location &location)
{
    setName(name);
    addLocation(location);
}

Place::Place(const Place &other) = default;
Place &Place::operator=(const Place &other) = default;
Place::~Place() = default;

void Place::addLocation(const Location &location)
{
    d->locations.append(location);
}

void Place::setLocation(int index, const Location &location)
{
    if (index >= 0 && index < d->locations.size())
        d->locations[index] = location;
    else if (index == d->locations.size())
        d->locations.append(location);
}

void Place::removeLocation(int index)
{
    if (index >= 0 && index < d->locations.size())
        d->locations.removeAt(index);
}

void Place::setLocations(const QList<Location> &locations)
{
    d->locations = locations;
}

void Place::addAuxiliaryData(const AuxiliaryData &data)
{
    d->auxiliaryData.append(data);
}

void Place::setAuxiliaryData(int index, const AuxiliaryData &data)
{
    if (index >= 0 && index < d->auxiliaryData.size())
        d->auxiliaryData[index] = data;
    else if (index == d->auxiliaryData.size())
        d->auxiliaryData.append(data);
}

void Place::removeAuxiliaryData(int index)
{
    if (index >= 0 && index < d->auxiliaryData.size())
        d->auxiliaryData.removeAt(index);
}

void Place::setAuxiliaryDataList(const QList<AuxiliaryData> &list)
{
    d->auxiliaryData = list;
}

bool PlacePrivate::decodePlaceFromMapUrl(const QUrl &url, Place &place)
{
    if (url.scheme() != QLatin1String("hxplaces") || url.path() != QLatin1String("place"))
        return false;
    const QUrlQuery query(url);
    place = Place();
    bool ok = false;
    const qint64 id = query.queryItemValue(QStringLiteral("id"), QUrl::FullyDecoded).toLongLong(&ok);
    if (ok && id >= 1)
        place.setId(id);
    place.setName(query.queryItemValue(QStringLiteral("name"), QUrl::FullyDecoded));
    Coordinates coordinates;
    bool latitudeOk = false, longitudeOk = false;
    const double latitude = query.queryItemValue(QStringLiteral("lat")).toDouble(&latitudeOk);
    const double longitude = query.queryItemValue(QStringLiteral("lon")).toDouble(&longitudeOk);
    if (latitudeOk && longitudeOk)
        coordinates = Coordinates(latitude, longitude);
    Address address;
    address.setLabel(query.queryItemValue(QStringLiteral("label"), QUrl::FullyDecoded));
    if (coordinates.isValid() || !address.isEmpty())
        place.addLocation(Location(coordinates, address));
    return true;
}

} // namespace places
} // namespace platform
} // namespace hx
