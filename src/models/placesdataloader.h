#ifndef HX_TRELLAN_PLACES_PLACESDATALOADER_H
#define HX_TRELLAN_PLACES_PLACESDATALOADER_H

#include <hx/platform/places/placeheader.h>
#include <hx/trellan/places/cachedplace.h>
#include <hx/trellan/places/hxplacesglobal.h>

#include <QtCore/QList>

namespace hx {
namespace trellan {
namespace places {

// Fetches consecutive results of one query for PlacesDataCache, a page at a time.
class HXPLACES_EXPORT PlacesDataLoader
{
public:
    // Deletes a raw store record; null is ignored.
    struct Remove
    {
        void operator()(hx::platform::places::AbstractPlace *place) const { delete place; }
    };

    PlacesDataLoader() = default;
    virtual ~PlacesDataLoader();

    // Results start … start + count - 1 of the query; fewer at its end or on a store error.
    virtual QList<CachedPlace> operator()(int start, int count) = 0;
    // Whether results exist beyond those of the last call.
    virtual bool hasMoreData() const { return m_hasMoreData; }

    // Take ownership of raw store records; a null record stays a null entry.
    static QList<CachedPlace> cast(const QList<hx::platform::places::AbstractPlace *> &places);
    static QList<CachedPlace> cast(const QList<hx::platform::places::PlaceHeader *> &places);

protected:
    bool m_hasMoreData = false;

private:
    Q_DISABLE_COPY(PlacesDataLoader)
};

} // namespace places
} // namespace trellan
} // namespace hx

#endif
