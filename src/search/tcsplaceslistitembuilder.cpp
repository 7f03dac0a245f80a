#include <hx/trellan/places/tcsitemiconcommon.h>
#include <hx/trellan/places/tcsplaceslistitembuilder.h>

namespace hx {
namespace trellan {
namespace places {

ItemIconCommon *TCSPlacesListItemBuilder::createPlacesListItem()
{
    return new TCSItemIconCommon;
}

} // namespace places
} // namespace trellan
} // namespace hx
