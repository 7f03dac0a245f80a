#ifndef HX_TRELLAN_PLACES_WEBMAPLINKREADER_P_H
#define HX_TRELLAN_PLACES_WEBMAPLINKREADER_P_H

#include <hx/trellan/places/sharedlink.h>

#include <QtCore/QUrl>

namespace hx {
namespace trellan {
namespace places {

// Links of web maps that carry a place: a marker ("mlat"/"mlon") or a view ("#map=zoom/lat/lon")
// on OpenStreetMap; "?q=lat,lon", "?ll=lat,lon&q=Label", "/@lat,lon,zoomz" and "?q=text to look
// for" on other map sites (a host named "maps." or a path under "/maps"). Links of other web
// sites are refused rather than guessed at.
class WebMapLinkReader
{
public:
    WebMapLinkReader() = delete;

    static SharedLink read(const QUrl &link);
};

} // namespace places
} // namespace trellan
} // namespace hx

#endif
