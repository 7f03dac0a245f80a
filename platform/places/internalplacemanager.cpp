#include <hx/platform/places/internalplacemanager.h>
#include <hx/platform/places/placemanager.h>
#include <hx/platform/places/tags.h>

#include <QtCore/QDateTime>

#include <memory>

#include "groupsearch_p.h"
#include "placedatabase_p.h"
#include "placefactory_p.h"
#include "storeregistration_p.h"

namespace hx {
namespace platform {
namespace places {

namespace {
QList<PlaceHeader *> headersOf(const GroupSearch::Places &places)
{
    QList<PlaceHeader *> headers;
    for (const QSharedPointer<AbstractPlace> &place : places) {
        if (const PlaceHeader *header = dynamic_cast<const PlaceHeader *>(place.data()))
            headers.append(new PlaceHeader(*header));
    }
    return headers;
}

// Both run inside the caller's write transaction; the writes they make through PlaceManager join it.
Error::Type favChecked(PlaceDatabase *db, Place &place)
{
    const int flags = place.isPersisted() ? db->places().flagsOf(place.id()) : -1;
    if (flags >= 0 && (flags & PlaceTable::FlagFavorite))
        return Error::AlreadyStored;
    const int favorites = db->places().countWithFlag(PlaceTable::FlagFavorite);
    if (favorites < 0)
        return Error::StorageFailure;
    if (favorites >= PlaceTable::favoritesLimit())
        return Error::FavoritesLimitReached;
    place.addTag(QLatin1String(Tags::Favorite));
    PlaceManager manager;
    if (flags >= 0)
        return manager.updatePlace(place);
    // A place that is gone (an undo after the last reason to keep it went) comes back new.
    place.setId(-1);
    return manager.addPlace(place);
}

Error::Type unfavChecked(PlaceDatabase *db, const Place &place)
{
    const int flags = place.isPersisted() ? db->places().flagsOf(place.id()) : -1;
    if (flags < 0)
        return Error::None;
    Error::Type error = Error::None;
    std::unique_ptr<Place> stored(db->places().load(place.id(), &error));
    if (!stored)
        return error;
    stored->removeTag(QLatin1String(Tags::Favorite));
    const int remaining = flags & ~PlaceTable::FlagFavorite;
    return remaining == 0 ? db->places().remove(stored->id()) : db->places().write(*stored, false);
}
} // namespace

InternalPlaceManager::InternalPlaceManager(QObject *parent) : QObject(parent)
{
    StoreRegistration::ensure();
}

InternalPlaceManager::~InternalPlaceManager() = default;

int InternalPlaceManager::favoritesLimit()
{
    return PlaceTable::favoritesLimit();
}

void InternalPlaceManager::setFavoritesLimit(int limit)
{
    PlaceTable::setFavoritesLimit(limit);
}

Error::Type InternalPlaceManager::fav(Place &place)
{
    Place stored = place;
    const Error::Type error
        = PlaceDatabase::writeOnCurrentThread([&stored](PlaceDatabase *db) { return favChecked(db, stored); });
    if (error == Error::None)
        place = stored;
    return error;
}

Error::Type InternalPlaceManager::unfav(Place &place)
{
    Error::Type error = Error::None;
    PlaceDatabase *db = PlaceDatabase::forCurrentThread(&error);
    if (!db)
        return error;
    if (!db->beginWrite())
        return Error::StorageFailure;
    error = db->endWrite(unfavChecked(db, place));
    if (error == Error::None)
        place.removeTag(QLatin1String(Tags::Favorite));
    return error;
}

Place *InternalPlaceManager::getPlaceFromContact(qint64 accountId, qint64 contactId, qint64 postalAddressId,
                                                 Error::Type &error)
{
    PlaceDatabase *db = PlaceDatabase::forCurrentThread(&error);
    if (!db)
        return nullptr;
    ContactEntry contact;
    ContactEntry::PostalAddress address;
    if (!db->contacts().addressOf(postalAddressId, &contact, &address) || contact.id != contactId
        || contact.accountId != accountId) {
        error = Error::NotFound;
        return nullptr;
    }
    error = Error::None;
    return new Place(PlaceFactory::fromContact(contact, address));
}

Place *InternalPlaceManager::getPlace(const AbstractPlace &suggestion, Error::Type &error)
{
    return PlaceFactory::resolve(&suggestion, &error);
}

QStringList InternalPlaceManager::getRecentSearchTerms(const QString &filter, Error::Type &error)
{
    QStringList terms;
    PlaceDatabase *db = PlaceDatabase::forCurrentThread(&error);
    if (!db)
        return terms;
    bool hasMore = false;
    for (const SearchTermTable::Term &term : db->searchTerms().recent(filter, 0, -1, &hasMore, &error))
        terms.append(term.term);
    return terms;
}

Error::Type InternalPlaceManager::addRecentSearchTerm(const QString &term, const QString &categoryCode)
{
    Error::Type error = Error::None;
    PlaceDatabase *db = PlaceDatabase::forCurrentThread(&error);
    if (!db)
        return error;
    if (term.trimmed().isEmpty())
        return Error::InvalidArgument;
    return db->searchTerms().add(term.trimmed(), categoryCode, QDateTime::currentSecsSinceEpoch());
}

QList<PlaceHeader *> InternalPlaceManager::findRecentlyPickedPlaces(Error::Type &error, SearchHandle &handle,
                                                                    int offset, int limit)
{
    return headersOf(GroupSearch::run(handle, SearchResultGroup::RecentlyPicked, QString(), Coordinates(), false,
                                      offset, limit, &error));
}

QList<PlaceHeader *> InternalPlaceManager::findContacts(Error::Type &error, SearchHandle &handle, const QString &text,
                                                        const SortRule &rule, int offset, int limit)
{
    return headersOf(
        GroupSearch::run(handle, SearchResultGroup::Contacts, text, Coordinates(), false, offset, limit, &error, rule));
}

QList<QSharedPointer<AbstractPlace>> InternalPlaceManager::findPlacesByGroup(int group, Error::Type &error,
                                                                             SearchHandle &handle, const QString &text,
                                                                             int offset, int limit,
                                                                             const Coordinates &near)
{
    return GroupSearch::run(handle, group, text, near, false, offset, limit, &error);
}

QList<QSharedPointer<AbstractPlace>>
InternalPlaceManager::findNonFavoritePlacesByGroup(int group, Error::Type &error, SearchHandle &handle,
                                                   const QString &text, int offset, int limit, const Coordinates &near)
{
    return GroupSearch::run(handle, group, text, near, true, offset, limit, &error);
}

QList<QSharedPointer<AbstractPlace>> InternalPlaceManager::findMorePlaces(SearchHandle &handle, int count,
                                                                          Error::Type &error, int start)
{
    return GroupSearch::more(handle, count, start, &error);
}

Error::Type InternalPlaceManager::clearRecentlyPickedPlaces()
{
    Error::Type error = Error::None;
    PlaceDatabase *db = PlaceDatabase::forCurrentThread(&error);
    return db ? db->places().clearRecent() : error;
}

} // namespace places
} // namespace platform
} // namespace hx
