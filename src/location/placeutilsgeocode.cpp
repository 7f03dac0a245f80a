#include <hx/trellan/places/currentcoordinate.h>
#include <hx/trellan/places/getgeolocation.h>
#include <hx/trellan/places/placeutils.h>

#include <hx/platform/places/coordinates.h>
#include <hx/platform/places/error.h>
#include <hx/platform/places/internalplacemanager.h>
// The store keeps the found address through its private location interface, which is not
// installed; the library is built inside the same tree.
#include "../../platform/places/location_p.h"
#include <hx/platform/places/place.h>
#include <hx/platform/places/searchhandle.h>
#include <hx/platform/places/searchresultgroup.h>

#include <QtCore/QElapsedTimer>
#include <QtCore/QRegularExpression>
#include <QtCore/QStringList>
#include <QtCore/QThread>

namespace hx {
namespace trellan {
namespace places {

using hx::platform::places::Address;
using hx::platform::places::Coordinates;
using hx::platform::places::Location;

namespace {

enum { GeocodeLimit = 30, FixWaitMs = 3000, FixPollMs = 20 };

QString geocodingQuery(const Address &address)
{
    QString query = address.label();
    if (query.isEmpty())
        query = QStringList { address.street(), address.city(), address.region(), address.country(),
                              address.postalCode() }
                    .join(QLatin1Char(' '));
    static const QRegularExpression lineBreaks(QStringLiteral("[\\n\\r]"));
    return query.replace(lineBreaks, QStringLiteral(" "));
}

// Only the street or the town of the address was found, not the address itself.
bool coarserThanAddress(const hx::platform::places::Place &place)
{
    return place.auxiliaryData().value(0).property(QStringLiteral("geocodedPartly")).toBool();
}

// The caller's address labelled with what was found, so that screens showing the label say where
// the position stands ("Waterloo, Ontario, Canada"); the typed street is kept.
Address saidAsFound(Address address, const Address &found)
{
    if (address.street().isEmpty())
        address.setStreet(address.label());
    address.setLabel(found.label());
    if (address.city().isEmpty())
        address.setCity(found.city());
    if (address.region().isEmpty())
        address.setRegion(found.region());
    if (address.country().isEmpty())
        address.setCountry(found.country());
    return address;
}

} // namespace

QList<Location> PlaceUtils::geocode(const Address &address)
{
    QList<Location> list;
    const QString query = geocodingQuery(address);
    if (query.isEmpty())
        return list;

    Coordinates near;
    const CurrentCoordinate *fix = GetGeolocation::getCoordinate(genericRequest);
    // The first ask starts a run: an address whose street the data lacks is placed in the town
    // around the user, so the run that is under way is worth its short wait on this thread.
    QElapsedTimer waited;
    waited.start();
    while (!fix->isUsable() && GetGeolocation::isRunning(genericRequest) && waited.elapsed() < FixWaitMs)
        QThread::msleep(FixPollMs);
    if (fix->isUsable()) {
        const SelectorCoordinate position = fix->value();
        near = Coordinates(position.latitude(), position.longitude());
    }

    hx::platform::places::InternalPlaceManager manager;
    hx::platform::places::Error::Type error = hx::platform::places::Error::None;
    hx::platform::places::SearchHandle handle;
    const auto results = manager.findPlacesByGroup(hx::platform::places::SearchResultGroup::Addresses, error, handle,
                                                   query, 0, GeocodeLimit, near);
    if (error != hx::platform::places::Error::None)
        return list;
    for (const auto &result : results) {
        const auto *place = dynamic_cast<const hx::platform::places::Place *>(result.data());
        if (!place || place->locationCount() == 0)
            continue;
        Location location = place->location(0);
        const Address found = location.address();
        location.setAddress(coarserThanAddress(*place) ? saidAsFound(address, found) : address);
        hx::platform::places::LocationPrivate::setCoordinates(location, location.coordinates(), found);
        list.append(location);
    }
    return list;
}

} // namespace places
} // namespace trellan
} // namespace hx
