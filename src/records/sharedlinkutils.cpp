#include <hx/trellan/places/sharedlinkutils.h>

#include "linkparts_p.h"

#include <hx/platform/places/internalplacemanager.h>
#include <hx/platform/places/searchhandle.h>
#include <hx/platform/places/searchresultgroup.h>
#include <hx/trellan/places/log.h>

#include <QtCore/QUrlQuery>

using hx::platform::places::Coordinates;
using hx::platform::places::Place;

namespace hx {
namespace trellan {
namespace places {

namespace {

// A few results in case the first ones are headers without a full place.
enum { SearchLimit = 5 };

QSharedPointer<Place> geocoded(const SharedLink &link, const Coordinates &near, SharedLink::Error *error)
{
    hx::platform::places::InternalPlaceManager manager;
    hx::platform::places::Error::Type storeError = hx::platform::places::Error::None;
    hx::platform::places::SearchHandle handle;
    const auto results
        = manager.findPlacesByGroup(hx::platform::places::SearchResultGroup::Addresses, storeError, handle,
                                    link.query(), 0, SearchLimit, link.near().isValid() ? link.near() : near);
    if (storeError != hx::platform::places::Error::None) {
        Log::debug() << "hx::trellan::places::SharedLinkUtils::openLink() error = " << int(storeError);
        *error = SharedLink::StoreFailure;
        return QSharedPointer<Place>();
    }
    for (const auto &result : results) {
        const auto *found = dynamic_cast<const Place *>(result.data());
        if (found && found->hasCoordinates()) {
            QSharedPointer<Place> place(new Place(*found));
            LinkParts::setZoom(place.data(), link.zoom());
            return place;
        }
    }
    Log::debug() << "hx::trellan::places::SharedLinkUtils::openLink() error: "
                 << SharedLink::errorText(SharedLink::NotFound);
    *error = SharedLink::NotFound;
    return QSharedPointer<Place>();
}

// The store's place URL form (id, name, position, label), with every "%" of a text kept as
// itself: Qt 5's QUrlQuery takes "%41" in a value for an encoded "A", so a name such as "A%41"
// would come back as "AA".
QUrl placeUrlOf(const Place &place)
{
    const auto literal
        = [](const QString &text) { return QString(text).replace(QLatin1Char('%'), QLatin1String("%25")); };
    QUrlQuery query;
    if (place.id() >= 1)
        query.addQueryItem(QStringLiteral("id"), QString::number(place.id()));
    if (!place.name().isEmpty())
        query.addQueryItem(QStringLiteral("name"), literal(place.name()));
    const Coordinates position = place.primaryCoordinates();
    if (position.isValid()) {
        query.addQueryItem(QStringLiteral("lat"), QString::number(position.latitude(), 'f', 7));
        query.addQueryItem(QStringLiteral("lon"), QString::number(position.longitude(), 'f', 7));
    }
    const QString label = place.primaryLocation();
    if (!label.isEmpty())
        query.addQueryItem(QStringLiteral("label"), literal(label));
    QUrl url(QStringLiteral("hxplaces:place"));
    url.setQuery(query);
    return url;
}

} // namespace

QSharedPointer<Place> SharedLinkUtils::openLink(const QString &link, SharedLink::Error *error, const Coordinates &near)
{
    SharedLink::Error ignored = SharedLink::NoError;
    SharedLink::Error &reason = error ? *error : ignored;
    const SharedLink read = SharedLink::read(link);
    reason = read.error();
    if (!read.isValid())
        return QSharedPointer<Place>();
    if (!read.place().isNull())
        return read.place();
    return geocoded(read, near, &reason);
}

QUrl SharedLinkUtils::placeUrl(const QString &link, SharedLink::Error *error, const Coordinates &near)
{
    const QSharedPointer<Place> place = openLink(link, error, near);
    return place.isNull() ? QUrl() : placeUrlOf(*place);
}

} // namespace places
} // namespace trellan
} // namespace hx
