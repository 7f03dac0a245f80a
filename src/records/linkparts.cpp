#include "linkparts_p.h"

#include <QtCore/QRegularExpression>

#include <cmath>

using hx::platform::places::Address;
using hx::platform::places::Coordinates;
using hx::platform::places::Location;
using hx::platform::places::Place;

namespace hx {
namespace trellan {
namespace places {

namespace {

enum { MaxZoom = 22 };

SharedLink::Error readNumber(const QString &text, double *value)
{
    static const QRegularExpression nonFinite(QStringLiteral("^[+-]?(nan|inf|infinity)$"),
                                              QRegularExpression::CaseInsensitiveOption);
    bool ok = false;
    *value = text.trimmed().toDouble(&ok);
    if (!ok)
        return nonFinite.match(text.trimmed()).hasMatch() ? SharedLink::NonFiniteCoordinate
                                                          : SharedLink::MalformedPosition;
    return std::isfinite(*value) ? SharedLink::NoError : SharedLink::NonFiniteCoordinate;
}

} // namespace

SharedLink::Error LinkParts::readPosition(const QString &latitude, const QString &longitude, Coordinates *position)
{
    double lat = 0, lon = 0;
    SharedLink::Error error = readNumber(latitude, &lat);
    if (error == SharedLink::NoError)
        error = readNumber(longitude, &lon);
    if (error != SharedLink::NoError)
        return error;
    if (lat < -90.0 || lat > 90.0)
        return SharedLink::LatitudeOutOfRange;
    if (lon < -180.0 || lon > 180.0)
        return SharedLink::LongitudeOutOfRange;
    *position = Coordinates(lat, lon);
    return SharedLink::NoError;
}

bool LinkParts::splitPositionQuery(const QString &text, QString *latitude, QString *longitude, QString *label)
{
    static const QRegularExpression form(
        QStringLiteral("^\\s*([^,()\\s]+)\\s*,\\s*([^,()\\s]+)\\s*(?:\\((.*)\\))?\\s*$"),
        QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpressionMatch match = form.match(text);
    if (!match.hasMatch())
        return false;
    bool latitudeIsNumber = false, longitudeIsNumber = false;
    match.captured(1).toDouble(&latitudeIsNumber);
    match.captured(2).toDouble(&longitudeIsNumber);
    if (!latitudeIsNumber || !longitudeIsNumber)
        return false;
    *latitude = match.captured(1);
    *longitude = match.captured(2);
    *label = match.captured(3).trimmed();
    return true;
}

QUrlQuery LinkParts::formQuery(const QString &encodedQuery)
{
    // A "+" that stands for itself arrives as "%2B"; a bare one is a blank.
    return QUrlQuery(QString(encodedQuery).replace(QLatin1Char('+'), QLatin1String("%20")));
}

QString LinkParts::formValue(const QUrlQuery &query, const QString &key)
{
    return query.queryItemValue(key, QUrl::FullyDecoded);
}

QString LinkParts::cutText(const QString &text, int length)
{
    if (text.size() <= length)
        return text;
    if (text.at(length - 1).isHighSurrogate())
        --length;
    return text.left(length);
}

int LinkParts::readZoom(const QString &text)
{
    bool ok = false;
    const double zoom = text.trimmed().toDouble(&ok);
    if (!ok || !(zoom >= 0 && zoom <= MaxZoom))
        return -1;
    return int(zoom);
}

QSharedPointer<Place> LinkParts::placeAt(const Coordinates &position, const QString &label, int zoom)
{
    QSharedPointer<Place> place(new Place(label, Location(position, Address())));
    setZoom(place.data(), zoom);
    return place;
}

void LinkParts::setZoom(Place *place, int zoom)
{
    if (zoom < 0 || place->locationCount() == 0)
        return;
    Location location = place->location(0);
    location.setZoom(zoom);
    place->setLocation(0, location);
}

SharedLink LinkParts::searchFor(const QString &text, const Coordinates &near, int zoom)
{
    const QString query = text.simplified();
    if (query.isEmpty())
        return SharedLink::refused(SharedLink::EmptyQuery);
    if (query.size() > SharedLink::MAX_TEXT_LENGTH)
        return SharedLink::refused(SharedLink::QueryTooLong);
    return SharedLink::search(query, near, zoom);
}

} // namespace places
} // namespace trellan
} // namespace hx
