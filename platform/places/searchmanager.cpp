#include <hx/platform/places/searchmanager.h>

#include <QtCore/QMetaObject>

#include "groupsearch_p.h"
#include "storeregistration_p.h"
#include "storescope_p.h"

namespace hx {
namespace platform {
namespace places {

namespace {
struct Reply
{
    Error::Type error;
    SearchResult result;
};

QList<int> toNumbers(const QList<SearchResultGroup::Type> &groups)
{
    QList<int> numbers;
    numbers.reserve(groups.size());
    for (SearchResultGroup::Type group : groups)
        numbers.append(group);
    return numbers;
}
} // namespace

SearchManager::SearchManager(QObject *parent) : QObject(parent)
{
    StoreRegistration::ensure();
}

SearchManager::~SearchManager() = default;

void SearchManager::setMyPlacesGroup(int group)
{
    m_myPlacesGroup = group;
}

int SearchManager::myPlacesGroup() const
{
    return m_myPlacesGroup;
}

void SearchManager::search(const QString &text, const Coordinates &near, int searchId, const QList<int> &groups,
                           int offset, int limit)
{
    run(text, near, searchId, groups, offset, limit, false);
}

void SearchManager::search(const QString &text, const Coordinates &near, int searchId,
                           const QList<SearchResultGroup::Type> &groups, int offset, int limit)
{
    run(text, near, searchId, toNumbers(groups), offset, limit, false);
}

void SearchManager::search(const QString &text, const Coordinates &near, const QList<SearchResultGroup::Type> &groups,
                           int offset, int limit)
{
    run(text, near, 0, toNumbers(groups), offset, limit, false);
}

void SearchManager::searchNonFavorite(const QString &text, const Coordinates &near, int searchId,
                                      const QList<int> &groups, int offset, int limit)
{
    run(text, near, searchId, groups, offset, limit, true);
}

void SearchManager::searchNonFavorite(const QString &text, const Coordinates &near, int searchId,
                                      const QList<SearchResultGroup::Type> &groups, int offset, int limit)
{
    run(text, near, searchId, toNumbers(groups), offset, limit, true);
}

void SearchManager::run(const QString &text, const Coordinates &near, int searchId, const QList<int> &groups,
                        int offset, int limit, bool nonFavorite)
{
    // The queries run now, on the caller's thread and connection; only the signals wait for the
    // event loop, so a receiver that holds a lock while calling search() is never re-entered.
    const QList<int> wanted = groups.isEmpty() ? SearchResultGroup::defaultGroups(m_myPlacesGroup) : groups;
    const StoreScope scope;
    const bool merged = wanted.contains(SearchResultGroup::Suggestions);
    QList<Reply> replies;
    for (int group : wanted) {
        Error::Type error = Error::None;
        SearchHandle handle;
        GroupSearch::Places places;
        if (SearchResultGroup::isKnown(group))
            places
                = GroupSearch::run(handle, group, text, near, nonFavorite, offset, limit, &error, SortRule(), merged);
        else
            error = Error::InvalidArgument;
        replies.append({ error, SearchResult(static_cast<SearchResultGroup::Type>(group), places, handle) });
    }
    if (replies.isEmpty())
        replies.append({ Error::None, SearchResult() });
    QMetaObject::invokeMethod(
        this,
        [this, replies, searchId] {
            for (int i = 0; i < replies.size(); ++i)
                Q_EMIT resultAvailable(replies.at(i).error, replies.at(i).result, i == replies.size() - 1, searchId);
        },
        Qt::QueuedConnection);
}

} // namespace places
} // namespace platform
} // namespace hx
