#ifndef HX_TRELLAN_PLACES_SHAREDLINKUTILS_H
#define HX_TRELLAN_PLACES_SHAREDLINKUTILS_H

#include <hx/trellan/places/hxplacesglobal.h>
#include <hx/trellan/places/sharedlink.h>

#include <QtCore/QUrl>

namespace hx {
namespace trellan {
namespace places {

// Opens what other applications share: any link SharedLink reads becomes a place, or a clear
// reason why not.
class HXPLACES_EXPORT SharedLinkUtils
{
public:
    SharedLinkUtils() = delete;

    // The place the link names. A link that names only a text is geocoded by the store near the
    // link's position, or near `near` when the link has none: that search blocks, so call it off
    // the UI thread for such links. Null with the reason in *error (which may be null).
    static QSharedPointer<hx::platform::places::Place> openLink(const QString &link, SharedLink::Error *error,
                                                                const hx::platform::places::Coordinates &near
                                                                = hx::platform::places::Coordinates());

    // The place URL (the form of AbstractPlace::mapUrl) of the place openLink gives, which the
    // share preview card reads; empty with the reason in *error.
    static QUrl placeUrl(const QString &link, SharedLink::Error *error,
                         const hx::platform::places::Coordinates &near = hx::platform::places::Coordinates());
};

} // namespace places
} // namespace trellan
} // namespace hx

#endif
