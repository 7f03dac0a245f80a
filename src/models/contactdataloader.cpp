#include <hx/trellan/places/contactdataloader.h>
#include <hx/trellan/places/groupmapper.h>
#include <hx/trellan/places/log.h>
#include <hx/trellan/places/placemanagerui.h>

namespace hx {
namespace trellan {
namespace places {

using hx::platform::places::Error;

ContactDataLoader::ContactDataLoader(const QString &text, const hx::platform::places::Coordinates &near,
                                     bool includeFavorites)
    : m_query(includeFavorites ? &PlaceManagerUI::findPlacesByGroup : &PlaceManagerUI::findNonFavoritePlacesByGroup),
      m_text(text),
      m_near(near)
{ }

QList<CachedPlace> ContactDataLoader::operator()(int start, int count)
{
    if (start < 0 || count < 0)
        return QList<CachedPlace>();
    Error::Type error = Error::None;
    QList<CachedPlace> result;
    if (m_firstCall) {
        m_firstCall = false;
        result = m_query(GroupMapper::mapSingle(FilterCategory::Contacts), error, m_handle, m_text, start, count,
                         m_near, false);
    } else {
        result = PlaceManagerUI::findMorePlaces(m_handle, count, error, start, false);
    }
    while (error == Error::None && result.size() < count && m_handle.hasMoreData()) {
        const int missing = count - result.size();
        // -1 continues where the handle stands.
        const QList<CachedPlace> more = PlaceManagerUI::findMorePlaces(m_handle, missing, error, -1, false);
        if (more.isEmpty())
            break;
        result.append(more.mid(0, missing));
    }
    m_hasMoreData = m_handle.hasMoreData();
    if (error != Error::None)
        Log::warning() << "hx::trellan::places::ContactDataLoader::operator(): PlaceManager error: " << int(error);
    return result;
}

} // namespace places
} // namespace trellan
} // namespace hx
