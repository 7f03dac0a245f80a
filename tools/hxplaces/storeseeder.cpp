#include "storeseeder.h"

#include <hx/platform/places/contactentry.h>
#include <hx/platform/places/contactstore.h>
#include <hx/platform/places/placemanager.h>
#include <hx/platform/places/tags.h>

#include <QtCore/QString>
#include <QtCore/QtMath>

using namespace hx::platform::places;

namespace {
struct Seed
{
    const char *name;
    const char *street;
    double northMetres;
    double eastMetres;
    const char *tag; // null: a recent pick
};

// Offsets rather than fixed positions, so the seeded places stay near any --at position.
const Seed seeds[] = {
    { "Corner Café", "21 King Street", 250, -180, Tags::Favorite },
    { "Riverside Park", "Park Road", -900, 1200, Tags::Favorite },
    { "Home", "40 Elm Street", 600, 400, Tags::MyHome },
    { "Work", "1 Market Square", -300, -700, Tags::MyWork },
    { "Farmers' Market", "500 Market Street", -2200, 3100, nullptr },
    { "Central Station", "2 Station Road", 120, 80, nullptr },
};

Coordinates offset(const Coordinates &from, double northMetres, double eastMetres)
{
    constexpr double metresPerDegree = 111320.0;
    const double latitude = from.latitude() + northMetres / metresPerDegree;
    const double scale = qMax(0.01, qCos(qDegreesToRadians(from.latitude())));
    return Coordinates(latitude, from.longitude() + eastMetres / (metresPerDegree * scale));
}

bool store(const Seed &seed, const Coordinates &around)
{
    Address address;
    address.setStreet(QString::fromUtf8(seed.street));
    Place place(QString::fromUtf8(seed.name), Location(offset(around, seed.northMetres, seed.eastMetres), address));
    place.setSource(AbstractPlace::SourceManualInput);
    PlaceManager manager;
    if (!seed.tag)
        return manager.addRecentlyPickedPlace(place) == Error::None;
    place.addTag(QLatin1String(seed.tag));
    return manager.addPlace(place) == Error::None;
}

bool storeContact(const QString &first, const QString &last, const QString &street, const QString &city)
{
    ContactEntry contact;
    contact.firstName = first;
    contact.lastName = last;
    contact.phones.append({ QStringLiteral("mobile"), QStringLiteral("+1 519 555 0100") });
    contact.emails.append({ QStringLiteral("home"), first.toLower() + QStringLiteral("@example.org") });
    ContactEntry::PostalAddress address;
    address.kind = QStringLiteral("home");
    address.street = street;
    address.city = city;
    contact.addresses.append(address);
    return ContactStore().addContact(contact) == Error::None;
}
} // namespace

bool StoreSeeder::seed(const Coordinates &around)
{
    bool ok = true;
    for (const Seed &seed : seeds)
        ok = store(seed, around) && ok;
    ok = storeContact(QStringLiteral("Ada"), QStringLiteral("Lovelace"), QStringLiteral("12 King Street"),
                      QStringLiteral("Waterloo"))
        && ok;
    ok = storeContact(QStringLiteral("Alan"), QStringLiteral("Turing"), QStringLiteral("5 Queen Street"),
                      QStringLiteral("Kitchener"))
        && ok;
    return ok;
}
