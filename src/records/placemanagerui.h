#ifndef HX_TRELLAN_PLACES_PLACEMANAGERUI_H
#define HX_TRELLAN_PLACES_PLACEMANAGERUI_H

#include <hx/platform/places/abstractplace.h>
#include <hx/platform/places/coordinates.h>
#include <hx/platform/places/error.h>
#include <hx/platform/places/place.h>
#include <hx/platform/places/placeheader.h>
#include <hx/platform/places/searchhandle.h>
#include <hx/platform/places/searchresultgroup.h>
#include <hx/platform/places/sortrule.h>
#include <hx/trellan/places/hxplacesglobal.h>

#include <QtCore/QList>
#include <QtCore/QObject>
#include <QtCore/QSharedPointer>
#include <QtCore/QStringList>

#include <functional>

namespace hx {
namespace trellan {
namespace places {

// The one door through which the library's screens reach the place store. Every operation
// forwards to the store, logs a store error, and shows it to the user when the last argument
// (the show flag) asks for it. The result is what the store returned, also on error.
class HXPLACES_EXPORT PlaceManagerUI : public QObject
{
    Q_OBJECT

public:
    using Error = hx::platform::places::Error;
    using AbstractPlace = hx::platform::places::AbstractPlace;
    using Place = hx::platform::places::Place;
    using PlaceHeader = hx::platform::places::PlaceHeader;
    using Coordinates = hx::platform::places::Coordinates;
    using SearchHandle = hx::platform::places::SearchHandle;
    using SortRule = hx::platform::places::SortRule;

    static Place *getPlace(qint64 id, Error::Type &error, bool show = true);
    static Place *getPlace(const PlaceHeader *header, Error::Type &error, bool show = true);
    static Place *getPlaceFromContact(qint64 accountId, qint64 contactId, qint64 postalAddressId, Error::Type &error,
                                      bool show = true);
    static Error::Type removePlace(qint64 id, bool show = true);
    static Error::Type addRecentlyPickedPlace(Place &place, bool show = true);
    static Error::Type addToFavorites(Place &place, bool show = true);
    static Error::Type removeFromFavorites(Place &place, bool show = true);
    static Error::Type addPlace(Place &place, bool show = true);
    static Error::Type updatePlace(Place &place, bool show = true);
    // Stores place and removes the replaced places in one store write: all or nothing.
    static Error::Type replacePlaces(const QList<qint64> &replaced, Place &place, bool show = true);
    static QStringList getRecentSearchTerms(Error::Type &error, bool show = true);

    static QList<AbstractPlace *> findPlaces(const QString &text, Error::Type &error, SearchHandle &handle,
                                             const SortRule &sortRule, int offset, int limit, bool flag,
                                             const Coordinates &coordinates, bool show = true);
    static QList<PlaceHeader *> findRecentlyPickedPlaces(Error::Type &error, SearchHandle &handle, int offset,
                                                         int limit, bool show = true);
    static QList<PlaceHeader *> findContacts(Error::Type &error, SearchHandle &handle, const QString &text,
                                             const SortRule &sortRule, int offset, int limit, bool show = true);
    static QList<PlaceHeader *> findPlacesByTags(const QStringList &tags, Error::Type &error, SearchHandle &handle,
                                                 const SortRule &sortRule, int offset, int limit, bool show = true);
    static QList<QSharedPointer<AbstractPlace>> findMorePlaces(SearchHandle &handle, int count, Error::Type &error,
                                                               int start, bool show = false);
    static QList<QSharedPointer<AbstractPlace>> findPlacesByGroup(int group, Error::Type &error, SearchHandle &handle,
                                                                  const QString &text, int offset, int limit,
                                                                  const Coordinates &coordinates, bool show = false);
    static QList<QSharedPointer<AbstractPlace>>
    findNonFavoritePlacesByGroup(int group, Error::Type &error, SearchHandle &handle, const QString &text, int offset,
                                 int limit, const Coordinates &coordinates, bool show = false);
    static QList<QSharedPointer<AbstractPlace>> findEquivalentPlaces(const Place &place, int limit, bool show = false);

    // A full place for a record that may be only a header; null when it cannot be fetched.
    static QSharedPointer<Place> convertToPlace(const QSharedPointer<AbstractPlace> &place);

    // Stores a place the user has just picked as a recent place. When it is already stored, the
    // stored twin (same name, within 0.001 degrees) replaces the caller's object; when no twin
    // can be found, place becomes null and the error is 5.
    static Error::Type savePickedPlace(QSharedPointer<Place> &place, bool show = true);

    // Shows the error to the user. Error 9 is shown at most once every 9 seconds.
    static void showErrorDialog(Error::Type error, qint64 placeId = -1);

    // The clock of the error-9 filter, in seconds since the epoch. Tests install their own;
    // an empty function restores the system clock.
    static void setTimeSource(const std::function<qint64()> &source);
    static qint64 currentTime();

private:
    PlaceManagerUI() = delete;
};

} // namespace places
} // namespace trellan
} // namespace hx

#endif
