#ifndef HX_TRELLAN_PLACES_PLACESDATACACHE_H
#define HX_TRELLAN_PLACES_PLACESDATACACHE_H

#include <hx/trellan/places/cachedplace.h>
#include <hx/trellan/places/hxplacesglobal.h>

#include <QtCore/QObject>
#include <QtCore/QScopedPointer>

namespace hx {
namespace trellan {
namespace places {

class PlacesDataLoader;
class PlacesDataCachePrivate;

// A sliding window of at most 63 consecutive results of one query, paged in 7 at a time, so
// that a list of any length scrolls without holding it all and without a query per row.
// No lock of its own: its owner keeps the loading worker and the UI thread apart.
class HXPLACES_EXPORT PlacesDataCache : public QObject
{
    Q_OBJECT
public:
    static constexpr int PAGE_SIZE = 7;
    static constexpr int WINDOW_SIZE = 63;
    // A prefetch starts when a requested index is this close to an end of the window.
    static constexpr int MARGIN = 20;

    explicit PlacesDataCache(QObject *parent = nullptr);
    ~PlacesDataCache() override;

    // Takes ownership, starts over and loads results 0 … 62.
    void setDataLoader(PlacesDataLoader *loader);

    // The entry at index, paging or re-centring the window as needed; null outside the results.
    CachedPlace place(int index);
    // The entry at index if the window holds it; never loads.
    CachedPlace at(int index) const;
    // The highest result index known to exist plus one.
    int size() const;
    int first() const;
    int last() const;

    // Reloads the entry from the store; null outside the window or on a store error.
    CachedPlace refresh(int index);
    // The entry as a full Place, fetched and kept when the window holds only its header.
    CachedPlace fullPlace(int index);
    void replace(int index, const CachedPlace &place);
    // With paging off, place() only reads the window: nothing is loaded and nothing reported.
    void setPaging(bool enabled);
    void clear();

    void prependRawEntry(const CachedPlace &place);
    void appendRawEntry(const CachedPlace &place);
    void insertRawEntry(int index, const CachedPlace &place);

Q_SIGNALS:
    void entryAdded(hx::trellan::places::CachedPlace place, int index);

private:
    QScopedPointer<PlacesDataCachePrivate> d;
};

} // namespace places
} // namespace trellan
} // namespace hx

#endif
