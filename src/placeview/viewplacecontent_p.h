#ifndef HX_TRELLAN_PLACES_VIEWPLACECONTENT_P_H
#define HX_TRELLAN_PLACES_VIEWPLACECONTENT_P_H

#include <QtCore/QSharedPointer>
#include <hx/platform/places/place.h>

namespace hx {
namespace trellan {
class Container;
class ScrollView;
namespace places {

class DetailsView;
class InfoView;
class MapDock;

class ViewPlaceContentPrivate
{
public:
    QSharedPointer<hx::platform::places::Place> place;
    int displayHeight = 0;
    // Owned by the content.
    hx::trellan::ScrollView *scrollView = nullptr;
    hx::trellan::Container *inner = nullptr;
    MapDock *dock = nullptr;
    InfoView *info = nullptr;
    DetailsView *details = nullptr;
};

} // namespace places
} // namespace trellan
} // namespace hx

#endif
