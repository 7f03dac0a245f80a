#ifndef HX_TRELLAN_PLACES_MAPSUTILS_H
#define HX_TRELLAN_PLACES_MAPSUTILS_H

#include <hx/trellan/places/hxplacesglobal.h>

#include <hx/platform/places/error.h>
#include <hx/platform/places/place.h>

#include <QtCore/QSharedPointer>
#include <QtCore/QString>
#include <QtCore/QUrl>
#include <QtCore/QVariantMap>

namespace hx {
namespace system {
class InvokeQuery;
}
namespace trellan {
namespace places {

// Places as other applications see them: the "geo:" share query with its metadata, and the
// way back from such a URI to a place.
class HXPLACES_EXPORT MapsUtils
{
public:
    MapsUtils() = delete;

    static const QString SHARE_ACTION_ID;

    // Fills query with the share URI, the metadata and the share action id.
    static void createShareInvokeQuery(const hx::platform::places::Place &place, hx::system::InvokeQuery *query);
    // The details that travel with a share, keyed as in the URI.
    static QVariantMap createShareMetadata(const hx::platform::places::Place &place);
    // "geo:lat,lon[;u=accuracy][;key=value]..." from the place's primary coordinates and the
    // metadata's details; values are percent-encoded UTF-8.
    static QString createShareUri(const hx::platform::places::Place &place, const QVariantMap &metadata);

    // A new place from a share URI; null (with a log line) when the coordinates are missing or
    // unusable. Never crashes on any text.
    static QSharedPointer<hx::platform::places::Place> createPlace(const QUrl &uri);

    // Store shortcuts for a map application. getPlace: null when the store has no such place.
    static QSharedPointer<hx::platform::places::Place> getPlace(qint64 id, hx::platform::places::Error::Type &error);
    // Marks the place as recently picked; a header is fetched in full first. 2 for a record
    // that is neither a place nor a header, or a header whose place is gone without an error.
    static hx::platform::places::Error::Type usePlace(hx::platform::places::AbstractPlace &place);
    static hx::platform::places::Error::Type addToFavorites(hx::platform::places::AbstractPlace &place);
    static hx::platform::places::Error::Type removeFromFavorite(hx::platform::places::AbstractPlace &place);
    static hx::platform::places::Error::Type clearRecentData();
};

} // namespace places
} // namespace trellan
} // namespace hx

#endif
