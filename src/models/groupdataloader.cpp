#include <hx/trellan/places/groupdataloader.h>
#include <hx/trellan/places/groupmapper.h>
#include <hx/trellan/places/log.h>
#include <hx/trellan/places/placemanagerui.h>

namespace hx {
namespace trellan {
namespace places {

using hx::platform::places::Error;
using hx::platform::places::SearchHandle;

GroupDataLoader::GroupDataLoader(FilterCategory::Type category, const QString &text,
                                 const hx::platform::places::Coordinates &near, bool includeFavorites)
    : m_query(includeFavorites ? &PlaceManagerUI::findPlacesByGroup : &PlaceManagerUI::findNonFavoritePlacesByGroup),
      m_group(GroupMapper::mapSingle(category)),
      m_text(text),
      m_near(near)
{ }

QList<CachedPlace> GroupDataLoader::operator()(int start, int count)
{
    if (start < 0 || count < 0)
        return QList<CachedPlace>();
    SearchHandle handle;
    Error::Type error = Error::None;
    const QList<CachedPlace> result = fill(m_query, m_group, handle, m_text, m_near, start, count, error);
    m_hasMoreData = handle.hasMoreData();
    if (error != Error::None)
        Log::warning() << "hx::trellan::places::GroupDataLoader::operator(): PlaceManager error: " << int(error);
    return result;
}

QList<CachedPlace> GroupDataLoader::fill(GroupQuery query, int group, SearchHandle &handle, const QString &text,
                                         const hx::platform::places::Coordinates &near, int start, int count,
                                         Error::Type &error)
{
    QList<CachedPlace> result = query(group, error, handle, text, start, count, near, false);
    while (error == Error::None && result.size() < count && handle.hasMoreData()) {
        const int missing = count - result.size();
        const QList<CachedPlace> more = query(group, error, handle, text, start + result.size(), missing, near, false);
        // A page that brings nothing although more is promised would otherwise loop for ever.
        if (more.isEmpty())
            break;
        result.append(more.mid(0, missing));
    }
    return result;
}

} // namespace places
} // namespace trellan
} // namespace hx
