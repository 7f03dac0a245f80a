#ifndef HX_PLATFORM_PLACES_SEARCHRESULT_H
#define HX_PLATFORM_PLACES_SEARCHRESULT_H

#include <hx/platform/places/abstractplace.h>
#include <hx/platform/places/searchhandle.h>
#include <hx/platform/places/searchresultgroup.h>

#include <QtCore/QList>
#include <QtCore/QMetaType>
#include <QtCore/QSharedPointer>

namespace hx {
namespace platform {
namespace places {

// One group's answer to a search: its places (headers or full places), the group and the handle.
class SearchResult
{
public:
    SearchResult() = default;
    SearchResult(SearchResultGroup::Type group, const QList<QSharedPointer<AbstractPlace>> &places,
                 const SearchHandle &handle)
        : m_group(group), m_places(places), m_handle(handle)
    { }

    QList<QSharedPointer<AbstractPlace>> places() const { return m_places; }
    SearchResultGroup::Type group() const { return m_group; }
    SearchResultGroup::Type sourceGroup() const { return m_group; }
    SearchHandle handle() const { return m_handle; }
    SearchHandle searchHandle() const { return m_handle; }
    int count() const { return m_places.size(); }

private:
    SearchResultGroup::Type m_group = SearchResultGroup::All;
    QList<QSharedPointer<AbstractPlace>> m_places;
    SearchHandle m_handle;
};

} // namespace places
} // namespace platform
} // namespace hx

Q_DECLARE_METATYPE(hx::platform::places::SearchResult)

#endif
