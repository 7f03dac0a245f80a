#ifndef HX_PLATFORM_PLACES_PLACEMANAGER_H
#define HX_PLATFORM_PLACES_PLACEMANAGER_H

#include <hx/platform/places/error.h>
#include <hx/platform/places/place.h>
#include <hx/platform/places/placeheader.h>
#include <hx/platform/places/searchhandle.h>
#include <hx/platform/places/sortrule.h>

#include <QtCore/QList>
#include <QtCore/QObject>
#include <QtCore/QSharedPointer>
#include <QtCore/QStringList>

namespace hx {
namespace platform {
namespace places {

// The user's places: read, add, change, remove and look up. Calls are synchronous; returned raw
// pointers belong to the caller. Any thread may call; each thread has its own connection.
class PlaceManager : public QObject
{
    Q_OBJECT
public:
    explicit PlaceManager(QObject *parent = nullptr);
    ~PlaceManager() override;

    // The stored place with this id; null with NotFound when there is none.
    Place *getPlace(qint64 id, Error::Type &error);
    // The full place behind a header (stored place, contact address or gazetteer entry);
    // null with InvalidArgument for a null header.
    Place *getPlace(const PlaceHeader *header, Error::Type &error);
    Place *getPlace(const PlaceHeader &header, Error::Type &error);

    // Stores a new place and gives it its id. AlreadyStored for a place that is stored;
    // FavoritesLimitReached for a favourite past the limit.
    Error::Type addPlace(Place &place);
    // Rewrites a stored place. NotFound when it is not stored.
    Error::Type updatePlace(Place &place);
    // Marks a place as just picked. A stored place gets the current time (0); a new place is
    // stored as a recent place (0), unless a stored place has the same name within about a
    // kilometre (AlreadyStored), which the caller then looks up itself.
    Error::Type addRecentlyPickedPlace(Place &place);
    Error::Type removePlace(qint64 id);
    // Stores place (added when new, rewritten when stored) and removes the places of replaced
    // in one write: when any step fails nothing changes. A replaced place already gone is fine.
    Error::Type replacePlaces(const QList<qint64> &replaced, Place &place);

    // Stored places matching text, in name order. fullPlaces picks full places over headers.
    QList<AbstractPlace *> findPlaces(const QString &text, Error::Type &error, SearchHandle &handle,
                                      const SortRule &rule, int offset, int limit, bool fullPlaces,
                                      const Coordinates &near);
    // Stored places carrying every tag. Sort rule (1, 1) puts the most recently changed first.
    QList<PlaceHeader *> findPlacesByTags(const QStringList &tags, Error::Type &error, SearchHandle &handle,
                                          const SortRule &rule, int offset, int limit);
    // Stored places that are the same place: the same name (ignoring case) within about 100 m,
    // or without positions at the same address. A limit of 0 or less means no limit.
    QList<QSharedPointer<AbstractPlace>> findEquivalentPlaces(const Place &place, int limit);
    QList<QSharedPointer<AbstractPlace>> findEquivalentPlaces(const Place &place, int limit, Error::Type &error);
};

} // namespace places
} // namespace platform
} // namespace hx

#endif
