#ifndef HX_TRELLAN_PLACES_PLACESDATAMODEL_P_H
#define HX_TRELLAN_PLACES_PLACESDATAMODEL_P_H

#include <hx/platform/places/placesearchmanager.h>
#include <hx/trellan/arraydatamodel.h>

#include <QtCore/QMutex>

namespace hx {
namespace trellan {
namespace places {

class PlacesDataModelPrivate
{
public:
    hx::trellan::ArrayDataModel rows;
    hx::platform::places::PlaceSearchManager ratings;
    mutable QMutex mutex;
    int searchId = -1;
};

} // namespace places
} // namespace trellan
} // namespace hx

#endif
