#include <hx/trellan/places/placesdataloader.h>

namespace hx {
namespace trellan {
namespace places {

PlacesDataLoader::~PlacesDataLoader() = default;

QList<CachedPlace> PlacesDataLoader::cast(const QList<hx::platform::places::AbstractPlace *> &places)
{
    QList<CachedPlace> result;
    result.reserve(places.size());
    for (hx::platform::places::AbstractPlace *place : places)
        result.append(place ? CachedPlace(place, Remove()) : CachedPlace());
    return result;
}

QList<CachedPlace> PlacesDataLoader::cast(const QList<hx::platform::places::PlaceHeader *> &places)
{
    QList<CachedPlace> result;
    result.reserve(places.size());
    for (hx::platform::places::PlaceHeader *place : places)
        result.append(place ? CachedPlace(place, Remove()) : CachedPlace());
    return result;
}

} // namespace places
} // namespace trellan
} // namespace hx
