#include <hx/trellan/places/itemiconcommon.h>
#include <hx/trellan/places/myplaceslistitembuilder.h>

namespace hx {
namespace trellan {
namespace places {

namespace {
// The toolkit's highlight appearance of the selectors' rows.
const int selectorHighlight = 3;
} // namespace

ItemIconCommon *MyPlacesListItemBuilder::createPlacesListItem()
{
    return new ItemIconCommon(selectorHighlight);
}

} // namespace places
} // namespace trellan
} // namespace hx
