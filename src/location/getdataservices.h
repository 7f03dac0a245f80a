#ifndef HX_TRELLAN_PLACES_GETDATASERVICES_H
#define HX_TRELLAN_PLACES_GETDATASERVICES_H

#include <hx/trellan/places/hxplacesglobal.h>

namespace hx {
namespace trellan {
namespace places {

class HXPLACES_EXPORT GetDataServices
{
public:
    GetDataServices();
    virtual ~GetDataServices();

    // 1 data services usable, 0 not usable, -1 when the object cannot be read or has no "ip_ok".
    static int getNetworkStatus();
};

} // namespace places
} // namespace trellan
} // namespace hx

#endif
