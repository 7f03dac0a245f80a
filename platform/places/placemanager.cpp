#include <hx/platform/places/placemanager.h>
#include <hx/platform/places/searchresultgroup.h>
#include <hx/platform/places/tags.h>

#include <QtCore/QDateTime>

#include <algorithm>
#include <cmath>
#include <memory>

#include "groupsearch_p.h"
#include "placedatabase_p.h"
#include "placefactory_p.h"
#include "placeheader_p.h"
#include "storeregistration_p.h"

namespace hx {
namespace platform {
namespace places {

namespace {
// Positions this close (in degrees) with the same name are one place for the pick check.
constexpr double PickDuplicateDegrees = 0.01;
// Positions this close with the same name are one place for an explicit duplicate search.
constexpr double EquivalentDegrees = 0.001;

bool closeTo(const AbstractPlace &a, const AbstractPlace &b, double degrees)
{
    const Coordinates ca = a.primaryCoordinates();
    const Coordinates cb = b.primaryCoordinates();
    if (ca.isValid() != cb.isValid())
        return false;
    if (!ca.isValid())
        return a.primaryLocation().compare(b.primaryLocation(), Qt::CaseInsensitive) == 0;
    return std::fabs(ca.latitude() - cb.latitude()) <= degrees && std::fabs(ca.longitude() - cb.longitude()) <= degrees;
}

// A count that cannot be read is an error, never room left.
Error::Type favoriteRoomIn(PlaceDatabase *db)
{
    const int favorites = db->places().countWithFlag(PlaceTable::FlagFavorite);
    if (favorites < 0)
        return Error::StorageFailure;
    return favorites < PlaceTable::favoritesLimit() ? Error::None : Error::FavoritesLimitReached;
}

Error::Type addChecked(PlaceDatabase *db, Place &place)
{
    if (place.isPersisted() && db->places().exists(place.id()))
        return Error::AlreadyStored;
    if (place.isFavorite()) {
        const Error::Type room = favoriteRoomIn(db);
        if (room != Error::None)
            return room;
    }
    return db->places().write(place, true);
}

Error::Type updateChecked(PlaceDatabase *db, Place &place)
{
    const int flags = place.isPersisted() ? db->places().flagsOf(place.id()) : -1;
    if (flags < 0)
        return Error::NotFound;
    if (place.isFavorite() && !(flags & PlaceTable::FlagFavorite)) {
        const Error::Type room = favoriteRoomIn(db);
        if (room != Error::None)
            return room;
    }
    // The caller's copy may predate a pick; the stored use time is never moved back.
    Error::Type error = Error::None;
    std::unique_ptr<Place> stored(db->places().load(place.id(), &error));
    if (stored && stored->lastUsedTime() > place.lastUsedTime())
        place.setLastUsedTime(stored->lastUsedTime());
    return db->places().write(place, false);
}

Error::Type addPickChecked(PlaceDatabase *db, Place &place, qint64 now)
{
    Error::Type error = Error::None;
    for (qint64 id : db->places().findByName(place.name(), true, &error)) {
        std::unique_ptr<Place> stored(db->places().load(id, &error));
        if (stored && closeTo(*stored, place, PickDuplicateDegrees))
            return Error::AlreadyStored;
    }
    if (error != Error::None && error != Error::NotFound)
        return error;
    place.setLastUsedTime(now);
    return db->places().write(place, true);
}
} // namespace

PlaceManager::PlaceManager(QObject *parent) : QObject(parent)
{
    StoreRegistration::ensure();
}

PlaceManager::~PlaceManager() = default;

Place *PlaceManager::getPlace(qint64 id, Error::Type &error)
{
    PlaceDatabase *db = PlaceDatabase::forCurrentThread(&error);
    return db ? db->places().load(id, &error) : nullptr;
}

Place *PlaceManager::getPlace(const PlaceHeader *header, Error::Type &error)
{
    return PlaceFactory::resolve(header, &error);
}

Place *PlaceManager::getPlace(const PlaceHeader &header, Error::Type &error)
{
    return PlaceFactory::resolve(&header, &error);
}

Error::Type PlaceManager::addPlace(Place &place)
{
    return PlaceDatabase::writeOnCurrentThread([&place](PlaceDatabase *db) { return addChecked(db, place); });
}

Error::Type PlaceManager::updatePlace(Place &place)
{
    return PlaceDatabase::writeOnCurrentThread([&place](PlaceDatabase *db) { return updateChecked(db, place); });
}

Error::Type PlaceManager::addRecentlyPickedPlace(Place &place)
{
    Error::Type error = Error::None;
    PlaceDatabase *db = PlaceDatabase::forCurrentThread(&error);
    if (!db)
        return error;
    const qint64 now = QDateTime::currentSecsSinceEpoch();
    if (place.isPersisted()) {
        error = db->places().setLastUsed(place.id(), now);
        if (error == Error::None)
            place.setLastUsedTime(now);
        return error;
    }
    if (!db->beginWrite())
        return Error::StorageFailure;
    error = db->endWrite(addPickChecked(db, place, now));
    if (error != Error::None)
        place.setLastUsedTime(0);
    return error;
}

Error::Type PlaceManager::removePlace(qint64 id)
{
    Error::Type error = Error::None;
    PlaceDatabase *db = PlaceDatabase::forCurrentThread(&error);
    if (!db)
        return error;
    return id >= 1 ? db->places().remove(id) : Error::NotFound;
}

Error::Type PlaceManager::replacePlaces(const QList<qint64> &replaced, Place &place)
{
    // The caller's place keeps its id until the whole write is committed.
    Place stored = place;
    const Error::Type error = PlaceDatabase::writeOnCurrentThread([&replaced, &stored](PlaceDatabase *db) {
        for (qint64 id : replaced) {
            if (id < 1 || id == stored.id())
                continue;
            const Error::Type removed = db->places().remove(id);
            if (removed != Error::None && removed != Error::NotFound)
                return removed;
        }
        return stored.isPersisted() && db->places().exists(stored.id()) ? updateChecked(db, stored)
                                                                        : addChecked(db, stored);
    });
    if (error == Error::None)
        place = stored;
    return error;
}

QList<AbstractPlace *> PlaceManager::findPlaces(const QString &text, Error::Type &error, SearchHandle &handle,
                                                const SortRule &rule, int offset, int limit, bool fullPlaces,
                                                const Coordinates &near)
{
    const GroupSearch::Places places
        = GroupSearch::run(handle, SearchResultGroup::MyPlaces, text, near, false, offset, limit, &error, rule);
    QList<AbstractPlace *> result;
    for (const QSharedPointer<AbstractPlace> &entry : places) {
        const PlaceHeader *header = dynamic_cast<const PlaceHeader *>(entry.data());
        if (fullPlaces && header) {
            // A record that went or became unreadable since it was listed is left out.
            Error::Type loadError = Error::None;
            if (Place *place = getPlace(header, loadError))
                result.append(place);
        } else if (header) {
            result.append(new PlaceHeader(*header));
        } else if (const Place *place = dynamic_cast<const Place *>(entry.data())) {
            result.append(new Place(*place));
        }
    }
    return result;
}

QList<PlaceHeader *> PlaceManager::findPlacesByTags(const QStringList &tags, Error::Type &error, SearchHandle &handle,
                                                    const SortRule &rule, int offset, int limit)
{
    QList<PlaceHeader *> result;
    handle = SearchHandle();
    PlaceDatabase *db = PlaceDatabase::forCurrentThread(&error);
    if (!db)
        return result;
    const PlaceTable::Order order
        = rule.field() == SortRule::FieldLastModified ? PlaceTable::OrderByModified : PlaceTable::OrderByName;
    bool hasMore = false;
    const QList<qint64> ids = db->places().findByTags(tags, order, offset, limit, &hasMore, &error);
    handle.m_hasMoreData = hasMore;
    handle.m_position = std::max(0, offset) + ids.size();
    for (qint64 id : ids) {
        Error::Type loadError = Error::None;
        std::unique_ptr<Place> place(db->places().load(id, &loadError));
        if (place)
            result.append(PlaceHeaderPrivate::createPublicHeader(place.get()));
    }
    return result;
}

QList<QSharedPointer<AbstractPlace>> PlaceManager::findEquivalentPlaces(const Place &place, int limit)
{
    Error::Type error = Error::None;
    return findEquivalentPlaces(place, limit, error);
}

QList<QSharedPointer<AbstractPlace>> PlaceManager::findEquivalentPlaces(const Place &place, int limit,
                                                                        Error::Type &error)
{
    QList<QSharedPointer<AbstractPlace>> result;
    PlaceDatabase *db = PlaceDatabase::forCurrentThread(&error);
    if (!db)
        return result;
    for (qint64 id : db->places().findByName(place.name(), false, &error)) {
        if (limit > 0 && result.size() >= limit)
            break;
        Error::Type loadError = Error::None;
        QSharedPointer<AbstractPlace> stored(db->places().load(id, &loadError));
        if (stored && closeTo(*stored, place, EquivalentDegrees))
            result.append(stored);
    }
    return result;
}

} // namespace places
} // namespace platform
} // namespace hx
