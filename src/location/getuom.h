#ifndef HX_TRELLAN_PLACES_GETUOM_H
#define HX_TRELLAN_PLACES_GETUOM_H

#include <hx/trellan/places/hxplacesglobal.h>

#include <QtCore/QList>
#include <QtCore/QVariant>

namespace hx {
namespace trellan {
namespace places {

// The user's unit of measure and distances in it.
class HXPLACES_EXPORT GetUOM
{
public:
    enum Unit { Other = 0, YardsMiles = 1, Metric = 2 };
    // Index into the unit labels "m", "km", "ft", "mi".
    enum DistanceUnit { Metres = 0, Kilometres = 1, Feet = 2, Miles = 3 };

    GetUOM();
    virtual ~GetUOM();

    // 2 metric, 1 imperial with yards/miles, 0 anything else or when the object cannot be read.
    static int getUnitOfMeasurement();
    // [unit code (int), value text (QString)] for a distance in metres, in the user's unit.
    static QList<QVariant> distanceInfo(double metres);
    // The same for a given unit of measure (the value getUnitOfMeasurement() returns).
    static QList<QVariant> distanceInfo(double metres, int unitOfMeasurement);
    // Decimals shown: 1 below 100, else 0.
    static int precision(double value);
};

} // namespace places
} // namespace trellan
} // namespace hx

#endif
