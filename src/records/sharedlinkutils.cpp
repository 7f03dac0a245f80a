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

// The store's place URL form, made from the place's own details rather than the link it came from.
QUrl placeUrlOf(const Place &place)
{
    Place copy(place);
    copy.setMapUrl(QUrl());
    return copy.mapUrl();
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
