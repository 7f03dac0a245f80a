#ifndef HX_PLATFORM_PLACES_INTERNALPLACEMANAGER_H
#define HX_PLATFORM_PLACES_INTERNALPLACEMANAGER_H

#include <hx/platform/places/error.h>
#include <hx/platform/places/place.h>
#include <hx/platform/places/placeheader.h>
#include <hx/platform/places/searchhandle.h>
#include <hx/platform/places/searchresultgroup.h>
#include <hx/platform/places/sortrule.h>

#include <QtCore/QList>
#include <QtCore/QObject>
#include <QtCore/QSharedPointer>
#include <QtCore/QStringList>

namespace hx {
namespace platform {
namespace places {

// Favourites, recents, contacts and the grouped searches of the lists. Synchronous; returned
// raw pointers belong to the caller.
class InternalPlaceManager : public QObject
{
    Q_OBJECT
public:
    explicit InternalPlaceManager(QObject *parent = nullptr);
    ~InternalPlaceManager() override;

    // How many favourites the store keeps (500 unless changed; tests lower it).
    static int favoritesLimit();
    static void setFavoritesLimit(int limit);

    // Makes the place a favourite, storing it when it is not stored yet (its id is set).
    // AlreadyStored when it already is a favourite; FavoritesLimitReached past the limit.
    Error::Type fav(Place &place);
    // Drops the favourite tag. A place then kept for nothing else (not picked, not home or
    // work) is removed from the store.
    Error::Type unfav(Place &place);

    // A new place from a contact's postal address; NotFound when there is no such address.
    Place *getPlaceFromContact(qint64 accountId, qint64 contactId, qint64 postalAddressId, Error::Type &error);
    // The full place behind a search row: a suggestion, a header or a stored place.
    Place *getPlace(const AbstractPlace &suggestion, Error::Type &error);

    // Recent search terms, newest first, filtered by the words of filter.
    QStringList getRecentSearchTerms(const QString &filter, Error::Type &error);
    // Remembers a search term (with a point-of-interest category code for a category search).
    Error::Type addRecentSearchTerm(const QString &term, const QString &categoryCode = QString());

    QList<PlaceHeader *> findRecentlyPickedPlaces(Error::Type &error, SearchHandle &handle, int offset, int limit);
    QList<PlaceHeader *> findContacts(Error::Type &error, SearchHandle &handle, const QString &text,
                                      const SortRule &rule, int offset, int limit);
    // One page of a result group (SearchResultGroup::Type numbers). The handle tells whether
    // more exist and continues the query in findMorePlaces.
    QList<QSharedPointer<AbstractPlace>> findPlacesByGroup(int group, Error::Type &error, SearchHandle &handle,
                                                           const QString &text, int offset, int limit,
                                                           const Coordinates &near);
    // The same without favourites.
    QList<QSharedPointer<AbstractPlace>> findNonFavoritePlacesByGroup(int group, Error::Type &error,
                                                                      SearchHandle &handle, const QString &text,
                                                                      int offset, int limit, const Coordinates &near);
    // Continues the handle's query with count results from start: -1 is where the handle stands,
    // 0 or more an absolute index.
    QList<QSharedPointer<AbstractPlace>> findMorePlaces(SearchHandle &handle, int count, Error::Type &error,
                                                        int start = -1);
    // Forgets every pick and recent search term; favourites, home and work stay.
    Error::Type clearRecentlyPickedPlaces();
};

} // namespace places
} // namespace platform
} // namespace hx

#endif
