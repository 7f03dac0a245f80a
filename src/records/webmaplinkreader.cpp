#include "webmaplinkreader_p.h"

#include "linkparts_p.h"

#include <QtCore/QRegularExpression>
#include <QtCore/QStringList>

using hx::platform::places::Coordinates;

namespace hx {
namespace trellan {
namespace places {

namespace {

bool isHostOf(const QString &host, const char *domain)
{
    const QLatin1String name(domain);
    return host == name || host.endsWith(QLatin1Char('.') + name);
}

bool isOpenStreetMap(const QUrl &link)
{
    const QString host = link.host().toLower();
    return isHostOf(host, "openstreetmap.org") || isHostOf(host, "osm.org");
}

bool isMapSite(const QUrl &link)
{
    const QString host = link.host().toLower();
    const QString firstSegment = link.path().section(QLatin1Char('/'), 1, 1).toLower();
    return host.startsWith(QLatin1String("maps.")) || firstSegment == QLatin1String("maps");
}

// Marker or view of an OpenStreetMap link; the marker wins, as it is what the sender pointed at.
SharedLink readOpenStreetMap(const QUrl &link)
{
    const QUrlQuery query = LinkParts::formQuery(link.query(QUrl::FullyEncoded));
    const QUrlQuery fragment = LinkParts::formQuery(link.fragment(QUrl::FullyEncoded));
    const QStringList view = LinkParts::formValue(fragment, QStringLiteral("map")).split(QLatin1Char('/'));
    int zoom = LinkParts::readZoom(LinkParts::formValue(query, QStringLiteral("zoom")));
    if (view.size() == 3 && zoom < 0)
        zoom = LinkParts::readZoom(view.at(0));

    QString latitude, longitude;
    if (query.hasQueryItem(QStringLiteral("mlat")) || query.hasQueryItem(QStringLiteral("mlon"))) {
        latitude = LinkParts::formValue(query, QStringLiteral("mlat"));
        longitude = LinkParts::formValue(query, QStringLiteral("mlon"));
    } else if (view.size() == 3) {
        latitude = view.at(1);
        longitude = view.at(2);
    } else if (query.hasQueryItem(QStringLiteral("query"))) {
        return LinkParts::searchFor(LinkParts::formValue(query, QStringLiteral("query")), Coordinates(), zoom);
    } else {
        return SharedLink::refused(SharedLink::NoPlace);
    }
    Coordinates position;
    const SharedLink::Error error = LinkParts::readPosition(latitude, longitude, &position);
    if (error != SharedLink::NoError)
        return SharedLink::refused(error);
    return SharedLink::placeAt(LinkParts::placeAt(position, QString(), zoom));
}

// "/maps/place/Some+Name/@43.46,-80.52,15z/...": the position, the zoom and the place's name.
bool readAtPath(const QUrl &link, QString *latitude, QString *longitude, int *zoom, QString *label)
{
    static const QRegularExpression at(QStringLiteral("/@([^,/]+),([^,/]+)(?:,([^,/]+)z)?(?:[,/]|$)"));
    const QRegularExpressionMatch match = at.match(link.path(QUrl::FullyDecoded));
    if (!match.hasMatch())
        return false;
    *latitude = match.captured(1);
    *longitude = match.captured(2);
    *zoom = LinkParts::readZoom(match.captured(3));
    static const QRegularExpression place(QStringLiteral("/place/([^/]+)/"));
    const QRegularExpressionMatch named = place.match(link.path(QUrl::FullyEncoded));
    if (named.hasMatch())
        *label = LinkParts::formQuery(QStringLiteral("n=") + named.captured(1))
                     .queryItemValue(QStringLiteral("n"), QUrl::FullyDecoded);
    return true;
}

SharedLink placeAt(const QString &latitude, const QString &longitude, const QString &label, int zoom)
{
    Coordinates position;
    const SharedLink::Error error = LinkParts::readPosition(latitude, longitude, &position);
    if (error != SharedLink::NoError)
        return SharedLink::refused(error);
    return SharedLink::placeAt(LinkParts::placeAt(position, label, zoom));
}

// A "q" with a position wins over "ll", which wins over "/@"; a "q" beside a position names it.
SharedLink readMapSite(const QUrl &link)
{
    const QUrlQuery query = LinkParts::formQuery(link.query(QUrl::FullyEncoded));
    int zoom = LinkParts::readZoom(LinkParts::formValue(query, QStringLiteral("z")));
    const bool hasQuery = query.hasQueryItem(QStringLiteral("q"));
    const QString text = LinkParts::formValue(query, QStringLiteral("q"));

    QString latitude, longitude, label;
    if (hasQuery && LinkParts::splitPositionQuery(text, &latitude, &longitude, &label))
        return placeAt(latitude, longitude, label, zoom);
    if (query.hasQueryItem(QStringLiteral("ll"))) {
        const QStringList parts = LinkParts::formValue(query, QStringLiteral("ll")).split(QLatin1Char(','));
        if (parts.size() != 2)
            return SharedLink::refused(SharedLink::MalformedPosition);
        return placeAt(parts.at(0), parts.at(1), text.simplified(), zoom);
    }
    int pathZoom = -1;
    if (readAtPath(link, &latitude, &longitude, &pathZoom, &label))
        return placeAt(latitude, longitude, hasQuery ? text.simplified() : label.simplified(),
                       zoom < 0 ? pathZoom : zoom);
    if (hasQuery)
        return LinkParts::searchFor(text, Coordinates(), zoom);
    return SharedLink::refused(SharedLink::NoPlace);
}

} // namespace

SharedLink WebMapLinkReader::read(const QUrl &link)
{
    if (isOpenStreetMap(link))
        return readOpenStreetMap(link);
    if (isMapSite(link))
        return readMapSite(link);
    return SharedLink::refused(SharedLink::NotAMapLink);
}

} // namespace places
} // namespace trellan
} // namespace hx
