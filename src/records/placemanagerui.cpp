#include <hx/platform/places/internalplacemanager.h>
#include <hx/platform/places/placemanager.h>
#include <hx/trellan/places/log.h>
#include <hx/trellan/places/placemanagerui.h>
#include <hx/trellan/places/retranslatablesystemdialog.h>

#include <QtCore/QDateTime>

#include <ctime>

namespace hx {
namespace trellan {
namespace places {

using hx::platform::places::InternalPlaceManager;
using hx::platform::places::PlaceManager;

namespace {

// When the last dialog for error 9 was shown, in seconds since the epoch. Read and written by the
// calling thread only, as every dialog is shown from the UI thread.
qint64 lastServiceUnavailableTime = 0;

std::function<qint64()> &timeSource()
{
    static std::function<qint64()> source;
    return source;
}

// The single-precision 0.001 of the duplicate rule, compared in double precision.
const double DuplicateTolerance = double(0.001f);

// Logs a store error and, when asked, shows it; returns whether there was an error.
bool report(const char *operation, PlaceManagerUI::Error::Type error, bool show, qint64 placeId = -1)
{
    if (error == PlaceManagerUI::Error::None)
        return false;
    Log::critical() << "hx::trellan::places::PlaceManagerUI::" << operation << "() error = " << int(error);
    if (show)
        PlaceManagerUI::showErrorDialog(error, placeId);
    return true;
}

bool isDuplicateOf(const PlaceManagerUI::AbstractPlace &candidate, const PlaceManagerUI::Place &picked)
{
    if (candidate.name() != picked.name())
        return false;
    const PlaceManagerUI::Coordinates a = candidate.primaryCoordinates();
    const PlaceManagerUI::Coordinates b = picked.primaryCoordinates();
    return qAbs(a.latitude() - b.latitude()) <= DuplicateTolerance
        && qAbs(a.longitude() - b.longitude()) <= DuplicateTolerance;
}

} // namespace

qint64 PlaceManagerUI::currentTime()
{
    const std::function<qint64()> &source = timeSource();
    return source ? source() : qint64(::time(nullptr));
}

void PlaceManagerUI::setTimeSource(const std::function<qint64()> &source)
{
    timeSource() = source;
}

PlaceManagerUI::Place *PlaceManagerUI::getPlace(qint64 id, Error::Type &error, bool show)
{
    PlaceManager manager;
    Place *place = manager.getPlace(id, error);
    report("getPlace", error, show);
    return place;
}

PlaceManagerUI::Place *PlaceManagerUI::getPlace(const PlaceHeader *header, Error::Type &error, bool show)
{
    error = Error::InvalidArgument;
    qint64 id = -1;
    Place *place = nullptr;
    if (header) {
        id = header->id();
        PlaceManager manager;
        place = manager.getPlace(*header, error);
    }
    report("getPlace", error, show, id);
    return place;
}

PlaceManagerUI::Place *PlaceManagerUI::getPlaceFromContact(qint64 accountId, qint64 contactId, qint64 postalAddressId,
                                                           Error::Type &error, bool show)
{
    InternalPlaceManager manager;
    Place *place = manager.getPlaceFromContact(accountId, contactId, postalAddressId, error);
    report("getPlaceFromContact", error, show);
    return place;
}

PlaceManagerUI::Error::Type PlaceManagerUI::removePlace(qint64 id, bool show)
{
    PlaceManager manager;
    const Error::Type error = manager.removePlace(id);
    report("removePlace", error, show);
    return error;
}

PlaceManagerUI::Error::Type PlaceManagerUI::addRecentlyPickedPlace(Place &place, bool show)
{
    PlaceManager manager;
    const Error::Type error = manager.addRecentlyPickedPlace(place);
    report("addRecentlyPickedPlace", error, show);
    return error;
}

PlaceManagerUI::Error::Type PlaceManagerUI::addToFavorites(Place &place, bool show)
{
    InternalPlaceManager manager;
    const Error::Type error = manager.fav(place);
    report("addToFavorites", error, show);
    return error;
}

PlaceManagerUI::Error::Type PlaceManagerUI::removeFromFavorites(Place &place, bool show)
{
    InternalPlaceManager manager;
    const Error::Type error = manager.unfav(place);
    report("removeFromFavorites", error, show);
    return error;
}

PlaceManagerUI::Error::Type PlaceManagerUI::addPlace(Place &place, bool show)
{
    PlaceManager manager;
    const Error::Type error = manager.addPlace(place);
    report("addPlace", error, show);
    return error;
}

PlaceManagerUI::Error::Type PlaceManagerUI::updatePlace(Place &place, bool show)
{
    PlaceManager manager;
    const Error::Type error = manager.updatePlace(place);
    report("updatePlace", error, show);
    return error;
}

PlaceManagerUI::Error::Type PlaceManagerUI::replacePlaces(const QList<qint64> &replaced, Place &place, bool show)
{
    PlaceManager manager;
    const Error::Type error = manager.replacePlaces(replaced, place);
    report("replacePlaces", error, show, place.id());
    return error;
}

QStringList PlaceManagerUI::getRecentSearchTerms(Error::Type &error, bool show)
{
    InternalPlaceManager manager;
    const QStringList terms = manager.getRecentSearchTerms(QString(), error);
    report("getRecentSearchTerms", error, show);
    return terms;
}

QList<PlaceManagerUI::AbstractPlace *> PlaceManagerUI::findPlaces(const QString &text, Error::Type &error,
                                                                  SearchHandle &handle, const SortRule &sortRule,
                                                                  int offset, int limit, bool flag,
                                                                  const Coordinates &coordinates, bool show)
{
    PlaceManager manager;
    const QList<AbstractPlace *> places
        = manager.findPlaces(text, error, handle, sortRule, offset, limit, flag, coordinates);
    report("findPlaces", error, show);
    return places;
}

QList<PlaceManagerUI::PlaceHeader *> PlaceManagerUI::findRecentlyPickedPlaces(Error::Type &error, SearchHandle &handle,
                                                                              int offset, int limit, bool show)
{
    InternalPlaceManager manager;
    const QList<PlaceHeader *> places = manager.findRecentlyPickedPlaces(error, handle, offset, limit);
    report("findRecentlyPickedPlaces", error, show);
    return places;
}

QList<PlaceManagerUI::PlaceHeader *> PlaceManagerUI::findContacts(Error::Type &error, SearchHandle &handle,
                                                                  const QString &text, const SortRule &sortRule,
                                                                  int offset, int limit, bool show)
{
    InternalPlaceManager manager;
    const QList<PlaceHeader *> places = manager.findContacts(error, handle, text, sortRule, offset, limit);
    report("findContacts", error, show);
    return places;
}

QList<PlaceManagerUI::PlaceHeader *> PlaceManagerUI::findPlacesByTags(const QStringList &tags, Error::Type &error,
                                                                      SearchHandle &handle, const SortRule &sortRule,
                                                                      int offset, int limit, bool show)
{
    PlaceManager manager;
    const QList<PlaceHeader *> places = manager.findPlacesByTags(tags, error, handle, sortRule, offset, limit);
    report("findPlacesByTags", error, show);
    return places;
}

QList<QSharedPointer<PlaceManagerUI::AbstractPlace>>
PlaceManagerUI::findMorePlaces(SearchHandle &handle, int count, Error::Type &error, int start, bool show)
{
    InternalPlaceManager manager;
    const QList<QSharedPointer<AbstractPlace>> places = manager.findMorePlaces(handle, count, error, start);
    report("findMorePlaces", error, show);
    return places;
}

QList<QSharedPointer<PlaceManagerUI::AbstractPlace>>
PlaceManagerUI::findPlacesByGroup(int group, Error::Type &error, SearchHandle &handle, const QString &text, int offset,
                                  int limit, const Coordinates &coordinates, bool show)
{
    InternalPlaceManager manager;
    const QList<QSharedPointer<AbstractPlace>> places
        = manager.findPlacesByGroup(group, error, handle, text, offset, limit, coordinates);
    report("findPlacesByGroup", error, show);
    return places;
}

QList<QSharedPointer<PlaceManagerUI::AbstractPlace>>
PlaceManagerUI::findNonFavoritePlacesByGroup(int group, Error::Type &error, SearchHandle &handle, const QString &text,
                                             int offset, int limit, const Coordinates &coordinates, bool show)
{
    InternalPlaceManager manager;
    const QList<QSharedPointer<AbstractPlace>> places
        = manager.findNonFavoritePlacesByGroup(group, error, handle, text, offset, limit, coordinates);
    report("findNonFavoritePlacesByGroup", error, show);
    return places;
}

QList<QSharedPointer<PlaceManagerUI::AbstractPlace>> PlaceManagerUI::findEquivalentPlaces(const Place &place, int limit,
                                                                                          bool show)
{
    PlaceManager manager;
    Error::Type error = Error::None;
    const QList<QSharedPointer<AbstractPlace>> places = manager.findEquivalentPlaces(place, limit, error);
    // Equivalence lookups are a hint for the editor; a failure is shown but never logged.
    if (error != Error::None && show)
        showErrorDialog(error, -1);
    return places;
}

QSharedPointer<PlaceManagerUI::Place> PlaceManagerUI::convertToPlace(const QSharedPointer<AbstractPlace> &place)
{
    if (place.isNull())
        return QSharedPointer<Place>();
    QSharedPointer<Place> full = place.dynamicCast<Place>();
    if (!full.isNull())
        return full;
    const PlaceHeader *header = dynamic_cast<const PlaceHeader *>(place.data());
    if (!header)
        return QSharedPointer<Place>();
    PlaceManager manager;
    Error::Type error = Error::None;
    Place *fetched = manager.getPlace(*header, error);
    if (error != Error::None) {
        delete fetched;
        return QSharedPointer<Place>();
    }
    return QSharedPointer<Place>(fetched);
}

PlaceManagerUI::Error::Type PlaceManagerUI::savePickedPlace(QSharedPointer<Place> &place, bool show)
{
    if (place.isNull())
        return Error::InvalidArgument;

    Error::Type err;
    {
        PlaceManager manager;
        err = manager.addRecentlyPickedPlace(*place);
    }
    if (err != Error::AlreadyStored)
        return err;

    // Already stored: look the twin up by name, so that the pick reuses the stored record (its
    // id, tags and auxiliary data) instead of creating a second copy.
    SearchHandle handle;
    QList<AbstractPlace *> results
        = findPlaces(place->name(), err, handle, SortRule(), 0, 100, false, Coordinates(), true);

    Place *stored = nullptr;
    for (int i = 0; i < results.size(); ++i) {
        AbstractPlace *candidate = results.at(i);
        if (!candidate || !isDuplicateOf(*candidate, *place))
            continue;
        if (Place *full = dynamic_cast<Place *>(candidate)) {
            stored = full;
            results[i] = nullptr;
        } else if (PlaceHeader *header = dynamic_cast<PlaceHeader *>(candidate)) {
            PlaceManager manager;
            Place *fetched = manager.getPlace(*header, err);
            if (fetched && err != Error::None)
                delete fetched;
            else
                stored = fetched;
        }
        break;
    }
    qDeleteAll(results);

    if (stored) {
        addRecentlyPickedPlace(*stored, true);
        place = QSharedPointer<Place>(stored);
        return err;
    }

    if (err == Error::None)
        err = Error::NotFound;
    Log::critical() << "hx::trellan::places::PlaceManagerUI::savePickedPlace() error = " << int(err);
    if (show)
        showErrorDialog(err, -1);
    place.clear();
    return err;
}

void PlaceManagerUI::showErrorDialog(Error::Type error, qint64 placeId)
{
    if (error == Error::ServiceUnavailable) {
        // The store reports an unavailable service on every query of a burst of typing; one
        // dialog per burst is enough.
        const qint64 now = currentTime();
        if (now - lastServiceUnavailableTime <= 9)
            return;
        lastServiceUnavailableTime = now;
    }
    RetranslatableSystemDialog *dialog = new RetranslatableSystemDialog(error, placeId);
    dialog->show();
    delete dialog;
}

} // namespace places
} // namespace trellan
} // namespace hx
