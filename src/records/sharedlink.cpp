#include <hx/trellan/places/sharedlink.h>

#include "geourireader_p.h"
#include "linkparts_p.h"
#include "webmaplinkreader_p.h"

#include <hx/trellan/places/log.h>
// The place URL is the store's own form, read by its private interface; the library is built
// inside the same tree.
#include "../../platform/places/place_p.h"

#include <QtCore/QUrlQuery>

using hx::platform::places::Coordinates;
using hx::platform::places::Place;
using hx::platform::places::PlacePrivate;

namespace hx {
namespace trellan {
namespace places {

namespace {

const char logPrefix[] = "hx::trellan::places::SharedLink::read() ";

// "hxplaces:place?id=..&name=..&lat=..&lon=..&label=..", as AbstractPlace::mapUrl() writes it.
SharedLink readPlaceUrl(const QUrl &url)
{
    const QUrlQuery query(url);
    const QString latitude = query.queryItemValue(QStringLiteral("lat"), QUrl::FullyDecoded);
    const QString longitude = query.queryItemValue(QStringLiteral("lon"), QUrl::FullyDecoded);
    if (!latitude.isEmpty() || !longitude.isEmpty()) {
        Coordinates position;
        const SharedLink::Error error = LinkParts::readPosition(latitude, longitude, &position);
        if (error != SharedLink::NoError)
            return SharedLink::refused(error);
    }
    QSharedPointer<Place> place(new Place);
    if (!PlacePrivate::decodePlaceFromMapUrl(url, *place) || (place->locationCount() == 0 && place->name().isEmpty()))
        return SharedLink::refused(SharedLink::NoPlace);
    return SharedLink::placeAt(place);
}

SharedLink readUrl(const QUrl &url)
{
    const QString scheme = url.scheme();
    if (scheme == QLatin1String("geo"))
        return GeoUriReader::read(url);
    if (scheme == QLatin1String("hxplaces"))
        return readPlaceUrl(url);
    if (scheme == QLatin1String("http") || scheme == QLatin1String("https"))
        return WebMapLinkReader::read(url);
    return SharedLink::refused(SharedLink::UnsupportedScheme);
}

void cutTexts(const SharedLink &link)
{
    const QSharedPointer<Place> place = link.place();
    if (place.isNull())
        return;
    if (place->name().size() > SharedLink::MAX_TEXT_LENGTH) {
        Log::debug() << logPrefix << "name of " << place->name().size() << " characters cut to "
                     << SharedLink::MAX_TEXT_LENGTH;
        place->setName(LinkParts::cutText(place->name()));
    }
    for (int i = 0; i < place->locationCount(); ++i) {
        hx::platform::places::Location location = place->location(i);
        hx::platform::places::Address address = location.address();
        if (address.label().size() <= SharedLink::MAX_TEXT_LENGTH)
            continue;
        Log::debug() << logPrefix << "label of " << address.label().size() << " characters cut to "
                     << SharedLink::MAX_TEXT_LENGTH;
        address.setLabel(LinkParts::cutText(address.label()));
        location.setAddress(address);
        place->setLocation(i, location);
    }
}

} // namespace

SharedLink SharedLink::read(const QString &link)
{
    const QString text = link.trimmed();
    const SharedLink result = text.isEmpty() ? refused(EmptyLink) : readUrl(QUrl(text, QUrl::TolerantMode));
    if (!result.isValid())
        Log::debug() << logPrefix << "error: " << errorText(result.error());
    cutTexts(result);
    return result;
}

QString SharedLink::errorText(Error error)
{
    switch (error) {
    case NoError:
        return QString();
    case EmptyLink:
        return QStringLiteral("the link is empty");
    case UnsupportedScheme:
        return QStringLiteral("links of this kind are not read (geo:, hxplaces:, http: and https: map links are)");
    case NotAMapLink:
        return QStringLiteral("the web link is not a link of a map");
    case NoPlace:
        return QStringLiteral("the link names neither a position nor a place to look for");
    case MalformedPosition:
        return QStringLiteral("the position is not a latitude and a longitude in degrees");
    case NonFiniteCoordinate:
        return QStringLiteral("a coordinate is not a finite number");
    case LatitudeOutOfRange:
        return QStringLiteral("the latitude is outside -90 to 90 degrees");
    case LongitudeOutOfRange:
        return QStringLiteral("the longitude is outside -180 to 180 degrees");
    case MalformedAltitude:
        return QStringLiteral("the altitude is not a number of metres");
    case UnsupportedCrs:
        return QStringLiteral("the coordinate reference system is not wgs84");
    case EmptyQuery:
        return QStringLiteral("the query is empty");
    case QueryTooLong:
        return QStringLiteral("the query is longer than %1 characters").arg(MAX_TEXT_LENGTH);
    case NotFound:
        return QStringLiteral("nothing was found for the query");
    case StoreFailure:
        return QStringLiteral("the place store could not be searched");
    }
    return QStringLiteral("unknown error %1").arg(int(error));
}

SharedLink SharedLink::refused(Error error)
{
    SharedLink link;
    link.m_error = error;
    return link;
}

SharedLink SharedLink::placeAt(const QSharedPointer<Place> &place)
{
    SharedLink link;
    link.m_error = place.isNull() ? NoPlace : NoError;
    link.m_place = place;
    if (!place.isNull() && place->locationCount() > 0)
        link.m_zoom = place->location(0).zoom();
    return link;
}

SharedLink SharedLink::search(const QString &query, const Coordinates &near, int zoom)
{
    SharedLink link;
    link.m_error = NoError;
    link.m_query = query;
    link.m_near = near;
    link.m_zoom = zoom;
    return link;
}

} // namespace places
} // namespace trellan
} // namespace hx
