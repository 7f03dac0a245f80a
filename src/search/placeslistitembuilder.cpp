#include <hx/trellan/places/placeslistitembuilder.h>

namespace hx {
namespace trellan {
namespace places {

PlacesListItemBuilder::~PlacesListItemBuilder() = default;

} // namespace places
} // namespace trellan
} // namespace hx
