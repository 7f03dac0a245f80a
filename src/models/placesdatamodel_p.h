#ifndef HX_TRELLAN_PLACES_PLACESDATAMODEL_P_H
#define HX_TRELLAN_PLACES_PLACESDATAMODEL_P_H

#include <hx/platform/places/placesearchmanager.h>
#include <hx/trellan/arraydatamodel.h>

#include <QtCore/QList>
#include <QtCore/QMutex>

namespace hx {
namespace trellan {
namespace places {

class PlacesDataModelPrivate
{
public:
    hx::trellan::ArrayDataModel rows;
    hx::platform::places::PlaceSearchManager ratings;
    // A rating asked for and not answered yet: the row it was asked for, and where that row
    // is now that blocks may have been inserted above it.
    struct PendingRating
    {
        int searchId;
        int askedRow;
        int row;
    };

    // Takes the oldest pending rating of the query asked for that row; -1 when there is none.
    int takePendingRow(int searchId, int askedRow);

    mutable QMutex mutex;
    int searchId = -1;
    QList<PendingRating> pendingRatings; // under the mutex
};

} // namespace places
} // namespace trellan
} // namespace hx

#endif
