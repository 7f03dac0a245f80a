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

    // The rule orders the stored places and contacts; the other groups have an order of their own.
    // merged: the group is one section of a list that also shows the suggestions group, so the
    // address group holds street addresses only (the towns are suggestions).
    static Places run(SearchHandle &handle, int group, const QString &text, const Coordinates &near, bool nonFavorite,
                      int offset, int limit, Error::Type *error, const SortRule &rule = SortRule(),
                      bool merged = false);
    // Continues the handle's query: start -1 means where the handle stands.
    static Places more(SearchHandle &handle, int count, int start, Error::Type *error);

private:
    struct Request
    {
        int group;
        QString text;
        Coordinates near;
        bool nonFavorite;
        SortRule rule;
        bool merged;
    };
    // consumed: how many results the page stands for, unreadable records skipped included, so
    // the next page starts right after it.
    static Places page(const Request &request, int offset, int limit, int *consumed, bool *hasMore, Error::Type *error);
    static Places sourcePage(const Request &request, int offset, int limit, int *consumed, bool *hasMore,
                             Error::Type *error);
};

} // namespace places
} // namespace platform
} // namespace hx

#endif
