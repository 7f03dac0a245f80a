#include <hx/trellan/places/placeutils.h>

namespace hx {
namespace trellan {
namespace places {

// Called once by init() after the property documents are read. The location part fills it:
// it re-applies the location settings (which an application may change before init()) to the
// shared location requests.
void PlaceUtils::initLocationRequests() { }

} // namespace places
} // namespace trellan
} // namespace hx
