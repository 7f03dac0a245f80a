#ifndef HX_TRELLAN_PLACES_PLACESDATACACHE_P_H
#define HX_TRELLAN_PLACES_PLACESDATACACHE_P_H

#include <hx/trellan/places/placesdatacache.h>
#include <hx/trellan/places/placesdataloader.h>

#include <QtCore/QContiguousCache>
#include <QtCore/QList>

#include <memory>

namespace hx {
namespace trellan {
namespace places {

class PlacesDataCachePrivate
{
public:
    // The highest result index known to exist; -1 when nothing is known.
    int highest = -1;
    bool paging = true;
    std::unique_ptr<PlacesDataLoader> loader;
    QContiguousCache<CachedPlace> window { PlacesDataCache::WINDOW_SIZE };

    QList<CachedPlace> load(int start, int count) const
    {
        return loader ? (*loader)(start, count) : QList<CachedPlace>();
    }
    bool hasMoreData() const { return loader && loader->hasMoreData(); }
    bool inWindow(int index) const { return !window.isEmpty() && window.containsIndex(index); }
};

} // namespace places
} // namespace trellan
} // namespace hx

#endif
