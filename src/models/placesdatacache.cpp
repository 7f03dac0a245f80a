#include "placesdatacache_p.h"

#include "placerecord_p.h"

#include <hx/platform/places/place.h>
#include <hx/trellan/places/log.h>
#include <hx/trellan/places/placemanagerui.h>

namespace hx {
namespace trellan {
namespace places {

using hx::platform::places::Error;
using hx::platform::places::Place;
using hx::platform::places::PlaceHeader;

constexpr int PlacesDataCache::PAGE_SIZE;
constexpr int PlacesDataCache::WINDOW_SIZE;
constexpr int PlacesDataCache::MARGIN;

namespace {
const int cachedPlaceMetaType = qRegisterMetaType<CachedPlace>("CachedPlace");
}

PlacesDataCache::PlacesDataCache(QObject *parent) : QObject(parent), d(new PlacesDataCachePrivate) { }

PlacesDataCache::~PlacesDataCache() = default;

void PlacesDataCache::setDataLoader(PlacesDataLoader *loader)
{
    d->loader.reset(loader);
    clear();
    const QList<CachedPlace> results = d->load(0, WINDOW_SIZE);
    for (const CachedPlace &place : results)
        appendRawEntry(place);
    if (!d->window.isEmpty())
        d->highest = qMax(d->highest, d->window.lastIndex());
}

CachedPlace PlacesDataCache::place(int index)
{
    if (index < 0)
        return CachedPlace();
    if (!d->paging)
        return at(index);

    if (d->inWindow(index)) {
        const int first = d->window.firstIndex();
        const int last = d->window.lastIndex();
        const int front = index - first;
        const int back = last - index;
        if (front > MARGIN && back > MARGIN)
            return d->window.at(index);
        if (back <= MARGIN && d->hasMoreData()) {
            for (const CachedPlace &place : d->load(last + 1, PAGE_SIZE))
                appendRawEntry(place);
            d->highest = qMax(d->highest, d->window.lastIndex());
        } else if (front <= MARGIN && index >= MARGIN + 2 && first > 0) {
            // Prepended last to first, so the page keeps its order in the window.
            const QList<CachedPlace> page = d->load(qMax(first - PAGE_SIZE, 0), qMin(first, PAGE_SIZE));
            for (int i = page.size() - 1; i >= 0; --i)
                prependRawEntry(page.at(i));
        }
    } else if (index >= size() && !d->hasMoreData() && d->highest >= 0) {
        // The last page said the results end before index: nothing to fetch.
        return CachedPlace();
    } else {
        // Re-centre so that index falls into the fifth page of the new window.
        const int start = qMax(index / PAGE_SIZE - 4, 0) * PAGE_SIZE;
        const QList<CachedPlace> results = d->load(start, WINDOW_SIZE);
        if (!results.isEmpty()) {
            d->window.clear();
            insertRawEntry(start, results.first());
            for (int i = 1; i < results.size(); ++i)
                appendRawEntry(results.at(i));
            d->highest = qMax(d->highest, d->window.lastIndex());
        }
    }
    return d->inWindow(index) ? d->window.at(index) : CachedPlace();
}

CachedPlace PlacesDataCache::at(int index) const
{
    return d->inWindow(index) ? d->window.at(index) : CachedPlace();
}

int PlacesDataCache::size() const
{
    return d->highest + 1;
}

int PlacesDataCache::first() const
{
    return d->window.firstIndex();
}

int PlacesDataCache::last() const
{
    return d->window.lastIndex();
}

CachedPlace PlacesDataCache::refresh(int index)
{
    if (!d->inWindow(index))
        return CachedPlace();
    const CachedPlace entry = place(index);
    QScopedPointer<PlaceHeader> header(PlaceRecord::headerOf(entry.data()));
    if (!header)
        return CachedPlace();
    Error::Type error = Error::None;
    Place *current = PlaceManagerUI::getPlace(header.data(), error, true);
    if (error != Error::None || !current) {
        delete current;
        Log::warning() << "hx::trellan::places::PlacesDataCache::refresh(): Place Manager error = " << int(error);
        return CachedPlace();
    }
    const CachedPlace fresh(current);
    replace(index, fresh);
    return fresh;
}

CachedPlace PlacesDataCache::fullPlace(int index)
{
    if (index < 0) {
        Log::warning() << "hx::trellan::places::PlacesDataCache::fullPlace(): invalid cache id";
        return CachedPlace();
    }
    const CachedPlace entry = place(index);
    if (entry.isNull())
        return CachedPlace();
    if (dynamic_cast<const Place *>(entry.data()))
        return entry;
    const PlaceHeader *header = dynamic_cast<const PlaceHeader *>(entry.data());
    if (!header) {
        Log::warning() << "hx::trellan::places::PlacesData::fullPlace(): unknown pointer type";
        return CachedPlace();
    }
    Error::Type error = Error::None;
    Place *full = PlaceManagerUI::getPlace(header, error, true);
    if (error != Error::None || !full) {
        delete full;
        Log::warning() << "hx::trellan::places::PlacesDataCache::fullPlace(): place manager error " << int(error);
        return CachedPlace();
    }
    const CachedPlace result(full);
    replace(index, result);
    return result;
}

void PlacesDataCache::setPaging(bool enabled)
{
    d->paging = enabled;
}

void PlacesDataCache::replace(int index, const CachedPlace &place)
{
    if (d->inWindow(index))
        d->window[index] = place;
}

void PlacesDataCache::clear()
{
    d->window.clear();
    d->highest = -1;
}

void PlacesDataCache::prependRawEntry(const CachedPlace &place)
{
    d->window.prepend(place);
}

void PlacesDataCache::appendRawEntry(const CachedPlace &place)
{
    d->window.append(place);
    const int last = d->window.lastIndex();
    if (last > d->highest) {
        d->highest = last;
        emit entryAdded(place, last);
    }
}

void PlacesDataCache::insertRawEntry(int index, const CachedPlace &place)
{
    if (index < 0)
        return;
    d->window.insert(index, place);
    const int last = d->window.lastIndex();
    if (last > d->highest) {
        d->highest = last;
        emit entryAdded(place, last);
    }
}

} // namespace places
} // namespace trellan
} // namespace hx
