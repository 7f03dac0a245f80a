#include "geourireader_p.h"

#include "linkparts_p.h"

#include <hx/trellan/places/mapsutils.h>

#include <QtCore/QStringList>
#include <QtCore/QtNumeric>

#include <cmath>

using hx::platform::places::Coordinates;
using hx::platform::places::Location;
using hx::platform::places::Place;

namespace hx {
namespace trellan {
namespace places {

namespace {

QString decoded(const QString &part)
{
    return QUrl::fromPercentEncoding(part.toUtf8());
}

struct GeoPath
{
    SharedLink::Error error = SharedLink::NoError;
    Coordinates position;
    float accuracy = qQNaN();
    bool empty = false;
};

SharedLink::Error readAltitude(const QString &text)
{
    if (text.isEmpty())
        return SharedLink::NoError;
    bool ok = false;
    const float altitude = text.trimmed().toFloat(&ok);
    return ok && std::isfinite(altitude) ? SharedLink::NoError : SharedLink::MalformedAltitude;
}

// An accuracy that is not a number of metres is left unknown rather than read as 0.
float readAccuracy(const QString &text)
{
    bool ok = false;
    const float accuracy = text.trimmed().toFloat(&ok);
    return ok && std::isfinite(accuracy) && accuracy >= 0 ? accuracy : float(qQNaN());
}

SharedLink::Error readParameters(const QStringList &parameters, GeoPath *path)
{
    for (int i = 1; i < parameters.size(); ++i) {
        const QString parameter = parameters.at(i);
        const int equals = parameter.indexOf(QLatin1Char('='));
        const QString key = decoded(parameter.left(equals)).trimmed().toLower();
        const QString value = equals < 0 ? QString() : decoded(parameter.mid(equals + 1));
        if (key == QLatin1String("crs") && value.trimmed().compare(QLatin1String("wgs84"), Qt::CaseInsensitive) != 0)
            return SharedLink::UnsupportedCrs;
        if (key == QLatin1String("u"))
            path->accuracy = readAccuracy(value);
    }
    return SharedLink::NoError;
}

GeoPath readPath(const QStringList &parameters)
{
    GeoPath path;
    const QString coordinates = decoded(parameters.first());
    if (coordinates.trimmed().isEmpty() && parameters.size() == 1) {
        path.empty = true;
        return path;
    }
    const QStringList parts = coordinates.split(QLatin1Char(','));
    if (parts.size() < 2 || parts.size() > 3) {
        path.error = SharedLink::MalformedPosition;
        return path;
    }
    path.error = LinkParts::readPosition(parts.at(0), parts.at(1), &path.position);
    if (path.error == SharedLink::NoError && parts.size() == 3)
        path.error = readAltitude(parts.at(2));
    if (path.error == SharedLink::NoError)
        path.error = readParameters(parameters, &path);
    return path;
}

bool isNullIsland(const Coordinates &position)
{
    return position.latitude() == 0 && position.longitude() == 0;
}

// The place of the path: this library's share details as MapsUtils reads them, with the
// accuracy read as a geo URI states it.
QSharedPointer<Place> pathPlace(const QUrl &uri, const GeoPath &path)
{
    QUrl withoutQuery(uri);
    withoutQuery.setQuery(QString());
    withoutQuery.setFragment(QString());
    const QSharedPointer<Place> place = MapsUtils::createPlace(withoutQuery);
    if (place.isNull() || place->locationCount() == 0)
        return QSharedPointer<Place>();
    Location location = place->location(0);
    Coordinates coordinates = location.coordinates();
    coordinates.setHorizontalAccuracy(path.accuracy);
    location.setCoordinates(coordinates);
    place->setLocation(0, location);
    return place;
}

SharedLink positionQuery(const QSharedPointer<Place> &pathPlace, const QString &latitude, const QString &longitude,
                         const QString &label, int zoom)
{
    Coordinates position;
    const SharedLink::Error error = LinkParts::readPosition(latitude, longitude, &position);
    if (error != SharedLink::NoError)
        return SharedLink::refused(error);
    if (pathPlace.isNull())
        return SharedLink::placeAt(LinkParts::placeAt(position, label, zoom));
    // The query's position marks the place; the path's details still describe it.
    Location location = pathPlace->location(0);
    location.setCoordinates(position);
    pathPlace->setLocation(0, location);
    if (pathPlace->name().isEmpty())
        pathPlace->setName(label);
    LinkParts::setZoom(pathPlace.data(), zoom);
    return SharedLink::placeAt(pathPlace);
}

} // namespace

SharedLink GeoUriReader::read(const QUrl &uri)
{
    const GeoPath path = readPath(uri.path(QUrl::FullyEncoded).split(QLatin1Char(';')));
    if (path.error != SharedLink::NoError)
        return SharedLink::refused(path.error);

    const QUrlQuery query = LinkParts::formQuery(uri.query(QUrl::FullyEncoded));
    const int zoom = LinkParts::readZoom(LinkParts::formValue(query, QStringLiteral("z")));
    const bool hasQuery = query.hasQueryItem(QStringLiteral("q"));
    const bool noPosition = path.empty || (hasQuery && isNullIsland(path.position));

    QSharedPointer<Place> place;
    if (!noPosition) {
        place = pathPlace(uri, path);
        if (place.isNull())
            return SharedLink::refused(SharedLink::MalformedPosition);
    }
    if (!hasQuery) {
        if (place.isNull())
            return SharedLink::refused(SharedLink::NoPlace);
        LinkParts::setZoom(place.data(), zoom);
        return SharedLink::placeAt(place);
    }

    const QString text = LinkParts::formValue(query, QStringLiteral("q"));
    QString latitude, longitude, label;
    if (LinkParts::splitPositionQuery(text, &latitude, &longitude, &label))
        return positionQuery(place, latitude, longitude, label, zoom);
    return LinkParts::searchFor(text, noPosition ? Coordinates() : path.position, zoom);
}

} // namespace places
} // namespace trellan
} // namespace hx
