#ifndef HX_TRELLAN_PLACES_GEOURIREADER_P_H
#define HX_TRELLAN_PLACES_GEOURIREADER_P_H

#include <hx/trellan/places/sharedlink.h>

#include <QtCore/QUrl>

namespace hx {
namespace trellan {
namespace places {

// "geo:lat,lon[,alt][;crs=wgs84][;u=metres][;key=value...][?z=zoom][&q=...]": the position and
// parameters of a geo URI, with this library's share details, and the query extensions other
// applications add ("q" as "lat,lon(Label)" or as a text to look for; "geo:0,0" with a query
// means no position).
class GeoUriReader
{
public:
    GeoUriReader() = delete;

    static SharedLink read(const QUrl &uri);
};

} // namespace places
} // namespace trellan
} // namespace hx

#endif
