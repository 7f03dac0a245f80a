#ifndef HX_PLATFORM_PLACES_SEARCHMANAGER_H
#define HX_PLATFORM_PLACES_SEARCHMANAGER_H

#include <hx/platform/places/coordinates.h>
#include <hx/platform/places/error.h>
#include <hx/platform/places/searchresult.h>
#include <hx/platform/places/searchresultgroup.h>

#include <QtCore/QList>
#include <QtCore/QObject>
#include <QtCore/QString>

namespace hx {
namespace platform {
namespace places {

// The lists' search: one query over several result groups, answered by resultAvailable, one
// signal per group in the order asked, each carrying the caller's search id, done set on the
// last one only. Replies always arrive later through the event loop of the manager's thread,
// never inside search(), and a done reply comes for every call, errors included.
class SearchManager : public QObject
{
    Q_OBJECT
public:
    explicit SearchManager(QObject *parent = nullptr);
    ~SearchManager() override;

    // An empty group list means My Places, contacts, points of interest, addresses and
    // suggestions; myPlacesGroup picks which My Places number (7, or 14 for the combined list)
    // stands first in it.
    void setMyPlacesGroup(int group);
    int myPlacesGroup() const;

    void search(const QString &text, const Coordinates &near, int searchId, const QList<int> &groups, int offset,
                int limit);
    void search(const QString &text, const Coordinates &near, int searchId,
                const QList<SearchResultGroup::Type> &groups, int offset, int limit);
    void search(const QString &text, const Coordinates &near, const QList<SearchResultGroup::Type> &groups, int offset,
                int limit);
    // The same without favourites.
    void searchNonFavorite(const QString &text, const Coordinates &near, int searchId, const QList<int> &groups,
                           int offset, int limit);
    void searchNonFavorite(const QString &text, const Coordinates &near, int searchId,
                           const QList<SearchResultGroup::Type> &groups, int offset, int limit);

Q_SIGNALS:
    void resultAvailable(hx::platform::places::Error::Type error, hx::platform::places::SearchResult result, bool done,
                         int searchId);

private:
    void run(const QString &text, const Coordinates &near, int searchId, const QList<int> &groups, int offset,
             int limit, bool nonFavorite);

    int m_myPlacesGroup = SearchResultGroup::MyPlaces;
};

} // namespace places
} // namespace platform
} // namespace hx

#endif
