#ifndef HX_PLATFORM_PLACES_GROUPSEARCH_P_H
#define HX_PLATFORM_PLACES_GROUPSEARCH_P_H

#include <hx/platform/places/abstractplace.h>
#include <hx/platform/places/error.h>
#include <hx/platform/places/searchhandle.h>

#include <QtCore/QList>
#include <QtCore/QSharedPointer>

namespace hx {
namespace platform {
namespace places {

// One page of one result group, from the store, the contacts or the gazetteer. The handle
// remembers the query so that it can be continued.
class GroupSearch
{
public:
    using Places = QList<QSharedPointer<AbstractPlace>>;

    static Places run(SearchHandle &handle, int group, const QString &text, const Coordinates &near, bool nonFavorite,
                      int offset, int limit, Error::Type *error);
    // Continues the handle's query: start -1 means where the handle stands.
    static Places more(SearchHandle &handle, int count, int start, Error::Type *error);

private:
    static Places page(int group, const QString &text, const Coordinates &near, bool nonFavorite, int offset, int limit,
                       bool *hasMore, Error::Type *error);
};

} // namespace places
} // namespace platform
} // namespace hx

#endif
