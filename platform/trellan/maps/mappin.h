#ifndef HX_TRELLAN_MAPS_MAPPIN_H
#define HX_TRELLAN_MAPS_MAPPIN_H

#include <QtCore/QString>

namespace hx {
namespace trellan {
namespace maps {

// A marker on a static map.
struct MapPin
{
    double latitude = 0;
    double longitude = 0;
    QString label;
};

} // namespace maps
} // namespace trellan
} // namespace hx

#endif
