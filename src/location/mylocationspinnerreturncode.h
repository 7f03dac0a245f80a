#ifndef HX_TRELLAN_PLACES_MYLOCATIONSPINNERRETURNCODE_H
#define HX_TRELLAN_PLACES_MYLOCATIONSPINNERRETURNCODE_H

#include <hx/trellan/places/hxplacesglobal.h>

#include <QtCore/QMetaType>

namespace hx {
namespace trellan {
namespace places {

// How a current-location fetch ended.
class HXPLACES_EXPORT MyLocationSpinnerReturnCode
{
public:
    enum Code {
        LocationServicesOff = 0, // off, and not turned on
        Cancelled = 1, // the user cancelled the progress dialog
        NoLocation = 2, // no usable fix in time, or the service was unreachable
        CoordinatesOnly = 3, // a fix without an address
        AddressFound = 5 // a fix and its address
    };

    MyLocationSpinnerReturnCode() = delete;
};

} // namespace places
} // namespace trellan
} // namespace hx

Q_DECLARE_METATYPE(hx::trellan::places::MyLocationSpinnerReturnCode::Code)

#endif
