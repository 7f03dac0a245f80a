#include "pickresolver.h"

#include <hx/platform/places/searchhandle.h>
#include <hx/platform/places/searchresultgroup.h>
#include <hx/trellan/places/jsonutils.h>
#include <hx/trellan/places/placemanagerui.h>
#include <hx/trellan/places/selectedplace.h>
#include <records/selectedplace_p.h>

#include <QtCore/QScopedPointer>
#include <QtCore/QStringList>

using namespace hx::platform::places;
using hx::trellan::places::PlaceManagerUI;

QSharedPointer<Place> PickResolver::resolve(const QSharedPointer<AbstractPlace> &row, const Coordinates &near,
                                            bool showErrors, Error::Type *error)
{
    *error = Error::None;
    QSharedPointer<Place> place = PlaceManagerUI::convertToPlace(row);
    if (place.isNull()) {
        *error = Error::NotFound;
        return place;
    }
    // Copy before changing it: the row's record may be shared with the list on screen.
    place = QSharedPointer<Place>::create(*place);
    if (!place->primaryCoordinates().isValid())
        geocode(*place, near);
    *error = PlaceManagerUI::savePickedPlace(place, showErrors);
    return place;
}

void PickResolver::geocode(Place &place, const Coordinates &near)
{
    const Location first = place.location(0);
    const Address address = first.address();
    // The whole address first; the gazetteer may not know every part (a contact's country
    // spelled its own way), so the street with its city, then the street alone, come next.
    const QStringList queries
        = { address.label().isEmpty() ? address.oneLine() : address.label(),
            QStringList { address.street(), address.city() }.join(QLatin1Char(' ')), address.street() };
    for (const QString &query : queries) {
        if (query.trimmed().isEmpty())
            continue;
        Error::Type error = Error::None;
        SearchHandle handle;
        const QList<QSharedPointer<AbstractPlace>> found
            = PlaceManagerUI::findPlacesByGroup(SearchResultGroup::Addresses, error, handle, query, 0, 1, near);
        if (error != Error::None || found.isEmpty())
            continue;
        // Keep the address the user chose; take only the position the geocoder found for it.
        Location located = first;
        located.setCoordinates(found.first()->primaryCoordinates());
        if (place.locationCount() == 0)
            place.addLocation(located);
        else
            place.setLocation(0, located);
        return;
    }
}

QString PickResolver::json(const QSharedPointer<Place> &place)
{
    using namespace hx::trellan::places;
    if (place.isNull())
        return QString();
    // The record a picker card builds from the pick, with the id the store gave it.
    QScopedPointer<SelectedPlace> selected(SelectedPlacePrivate::placeToSelectedPlace(place));
    return JsonUtils::encodeSelectedPlaceToJson(selected.data());
}
