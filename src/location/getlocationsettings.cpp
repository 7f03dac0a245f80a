#include <hx/trellan/places/getlocationsettings.h>

#include "statusobject_p.h"

namespace hx {
namespace trellan {
namespace places {

GetLocationSettings::GetLocationSettings() = default;
GetLocationSettings::~GetLocationSettings() = default;

int GetLocationSettings::getSettings()
{
    StatusObject object("/pps/services/geolocation/status", "GetLocationSettings open: ");
    if (!object.enter() || pps_decoder_push(object.decoder(), "status") != PPS_DECODER_OK)
        return 0;
    bool on = false;
    if (pps_decoder_get_bool(object.decoder(), "location_manager_location_on", &on) != PPS_DECODER_OK)
        return 0;
    return on ? 2 : 1;
}

} // namespace places
} // namespace trellan
} // namespace hx
