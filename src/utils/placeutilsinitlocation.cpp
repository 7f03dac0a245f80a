#include <hx/trellan/places/placeutils.h>

namespace hx {
namespace trellan {
namespace places {

// Called once by init() after the property documents are read: an application may have changed
// the location settings before init(), so the shared requests take them up now.
void PlaceUtils::initLocationRequests()
{
    applyLocationSettings();
}

} // namespace places
} // namespace trellan
} // namespace hx
