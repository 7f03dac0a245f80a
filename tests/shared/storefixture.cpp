#include "storefixture.h"

#include <hx/platform/places/contactstore.h>
#include <hx/platform/places/placemanager.h>
#include <hx/platform/places/tags.h>

#include <QtCore/QDebug>

namespace hx {
namespace test {

using namespace hx::platform::places;

namespace {
Place stored(Place place, bool recent)
{
    PlaceManager manager;
    const Error::Type error = recent ? manager.addRecentlyPickedPlace(place) : manager.addPlace(place);
    if (error != Error::None)
        qWarning() << "StoreFixture: cannot store" << place.name() << "error" << error;
    return place;
}

Place tagged(const QString &name, double latitude, double longitude, const char *tag)
{
    Place place = StoreFixture::makePlace(name, latitude, longitude);
    place.addTag(QLatin1String(tag));
    return stored(place, false);
}
} // namespace

Place StoreFixture::makePlace(const QString &name, double latitude, double longitude, const QString &street,
                              const QString &city)
{
    Address address;
    address.setStreet(street);
    address.setCity(city);
    Place place(name, Location(Coordinates(latitude, longitude), address));
    place.setSource(AbstractPlace::SourceManualInput);
    return place;
}

Place StoreFixture::addFavorite(const QString &name, double latitude, double longitude)
{
    return tagged(name, latitude, longitude, Tags::Favorite);
}

Place StoreFixture::addRecent(const QString &name, double latitude, double longitude)
{
    return stored(makePlace(name, latitude, longitude), true);
}

Place StoreFixture::addHome(const QString &name, double latitude, double longitude)
{
    return tagged(name, latitude, longitude, Tags::MyHome);
}

Place StoreFixture::addWork(const QString &name, double latitude, double longitude)
{
    return tagged(name, latitude, longitude, Tags::MyWork);
}

ContactEntry StoreFixture::addContact(const QString &firstName, const QString &lastName, const QString &street,
                                      const QString &city)
{
    ContactEntry contact;
    contact.firstName = firstName;
    contact.lastName = lastName;
    contact.phones.append({ QStringLiteral("mobile"), QStringLiteral("+1 519 555 0100") });
    contact.emails.append({ QStringLiteral("home"), firstName.toLower() + QStringLiteral("@example.org") });
    ContactEntry::PostalAddress address;
    address.kind = QStringLiteral("home");
    address.street = street;
    address.city = city;
    address.country = QStringLiteral("Canada");
    contact.addresses.append(address);
    ContactStore store;
    if (store.addContact(contact) != Error::None)
        qWarning() << "StoreFixture: cannot store contact" << firstName;
    return contact;
}

void StoreFixture::seedDefault()
{
    addFavorite(QStringLiteral("Café Nord"), 43.4643, -80.5204);
    addFavorite(QStringLiteral("Laurel Creek Park"), 43.4800, -80.5600);
    addRecent(QStringLiteral("Kitchener Market"), 43.4501, -80.4890);
    addRecent(QStringLiteral("Waterloo Station"), 43.4668, -80.5229);
    addHome(QStringLiteral("Home"), 43.4700, -80.5400);
    addWork(QStringLiteral("Work"), 43.4760, -80.5390);
    addContact(QStringLiteral("Ada"), QStringLiteral("Lovelace"), QStringLiteral("12 King Street"),
               QStringLiteral("Waterloo"));
    addContact(QStringLiteral("Alan"), QStringLiteral("Turing"), QStringLiteral("5 Queen Street"),
               QStringLiteral("Kitchener"));
}

} // namespace test
} // namespace hx
