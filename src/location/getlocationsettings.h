#ifndef HX_TRELLAN_PLACES_GETLOCATIONSETTINGS_H
#define HX_TRELLAN_PLACES_GETLOCATIONSETTINGS_H

#include <hx/trellan/places/hxplacesglobal.h>

namespace hx {
namespace trellan {
namespace places {

class HXPLACES_EXPORT GetLocationSettings
{
public:
    GetLocationSettings();
    virtual ~GetLocationSettings();

    // 2 location services on, 1 off, 0 when the object cannot be read or lacks the setting.
    static int getSettings();
};

} // namespace places
} // namespace trellan
} // namespace hx

#endif
