#ifndef HX_TRELLAN_PLACES_TITLEBARTAB_H
#define HX_TRELLAN_PLACES_TITLEBARTAB_H

#include <hx/trellan/places/hxplacesglobal.h>

namespace hx {
namespace trellan {
namespace places {

// The My Places tab a list shows, which also picks the rows' icons; None lists everything.
class HXPLACES_EXPORT TitleBarTab
{
public:
    TitleBarTab() = delete;
    enum Tab : int { None = -1, Recents = 0, Favorites = 1, Contacts = 2 };
};

} // namespace places
} // namespace trellan
} // namespace hx

#endif
