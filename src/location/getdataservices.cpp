#include <hx/trellan/places/getdataservices.h>

#include "statusobject_p.h"

#include <strings.h>

namespace hx {
namespace trellan {
namespace places {

GetDataServices::GetDataServices() = default;
GetDataServices::~GetDataServices() = default;

int GetDataServices::getNetworkStatus()
{
    StatusObject object("/pps/services/networking/status_public", "GetDataServices open: ");
    if (!object.enter())
        return -1;
    const char *ipOk = nullptr;
    if (pps_decoder_get_string(object.decoder(), "ip_ok", &ipOk) != PPS_DECODER_OK || !ipOk)
        return -1;
    return strcasecmp(ipOk, "yes") == 0 ? 1 : 0;
}

} // namespace places
} // namespace trellan
} // namespace hx
