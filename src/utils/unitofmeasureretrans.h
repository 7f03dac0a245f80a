#ifndef HX_TRELLAN_PLACES_UNITOFMEASURERETRANS_H
#define HX_TRELLAN_PLACES_UNITOFMEASURERETRANS_H

#include <hx/trellan/places/hxplacesglobal.h>

#include <QtCore/QScopedPointer>

namespace hx {
namespace trellan {
namespace places {

class UnitOfMeasureRetransPrivate;

// Mix-in for controls that show measurements: retransUnitOfMeasurement() runs whenever the
// phone's measurement system changes.
class HXPLACES_EXPORT UnitOfMeasureRetrans
{
public:
    // With enable false nothing is watched.
    explicit UnitOfMeasureRetrans(bool enable = true);
    virtual ~UnitOfMeasureRetrans();

    virtual void retransUnitOfMeasurement() = 0;

private:
    Q_DISABLE_COPY(UnitOfMeasureRetrans)
    QScopedPointer<UnitOfMeasureRetransPrivate> d;
};

} // namespace places
} // namespace trellan
} // namespace hx

#endif
