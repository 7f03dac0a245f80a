#include "storeseeder.h"

#include <hx/platform/places/category.h>
#include <hx/platform/places/contactentry.h>
#include <hx/platform/places/contactstore.h>
#include <hx/platform/places/dayofweek.h>
#include <hx/platform/places/imageauxiliarydata.h>
#include <hx/platform/places/placemanager.h>
#include <hx/platform/places/pointofinterestauxiliarydata.h>
#include <hx/platform/places/provider.h>
#include <hx/platform/places/reviewauxiliarydata.h>
#include <hx/platform/places/tags.h>
#include <hx/platform/places/timerange.h>

#include <QtCore/QCoreApplication>
#include <QtCore/QDateTime>
#include <QtCore/QDir>
#include <QtCore/QFileInfo>
#include <QtCore/QString>
#include <QtCore/QtMath>

#include <iterator>

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
    { "Public Library", "35 Albert Street", 330, -260, nullptr },
    { "Victoria Park", "80 Schneider Avenue", -1400, -900, nullptr },
    { "City Hall", "100 Regina Street S", -60, -120, nullptr },
    { "Bus Terminal", "15 Charles Street W", -2300, 2100, nullptr },
    { "Art Gallery", "25 Caroline Street N", 560, -700, nullptr },
};

// The rated point of interest comes after them, so that it is the twelfth place, as the
// README's examples have it.
struct Review
{
    const char *author;
    double rating;
    const char *text;
    const char *date;
};

const Review reviews[] = {
    { "Priya S.", 5, "The best flat white in uptown, and they remember your order by the second visit.", "2026-11-28" },
    { "Marc T.", 4, "Bright room with plenty of outlets; it gets loud at lunch.", "2026-10-03" },
    { "Jo W.", 4.5, "Good beans, friendly baristas, and the lemon loaf sells out by ten.", "2026-06-19" },
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

// The picture of the café that the demo data set paints in a build tree; none elsewhere.
QUrl cafePicture()
{
    const QString built
        = QCoreApplication::applicationDirPath() + QStringLiteral("/../data/demo/images/lumen-coffee-house.png");
    return QFileInfo::exists(built) ? QUrl::fromLocalFile(QDir::cleanPath(built)) : QUrl();
}

PointOfInterestAuxiliaryData cafeDetails()
{
    PointOfInterestAuxiliaryData details;
    details.setProvider(Provider(QLatin1String(Provider::Ratings)));
    details.setName(QStringLiteral("Lumen Coffee House"));
    details.setPhoneNumber(QStringLiteral("+1 519 555 0142"));
    details.setUrl(QUrl(QStringLiteral("https://lumen-coffee.example")));
    details.setEmailAddress(QStringLiteral("hello@lumen-coffee.example"));
    details.setRating(4.5);
    details.setRatingCount(int(std::size(reviews)));
    details.setCategories({ Category(QStringLiteral("AEE"), QString()) });
    PointOfInterestAuxiliaryData::OpeningHours hours;
    for (int day = DayOfWeek::Sunday; day <= DayOfWeek::Saturday; ++day)
        hours.insert(DayOfWeek::Type(day), { TimeRange(7, 0, 19, 0) });
    details.setOpeningHours(hours);
    details.setPriceRange(QStringLiteral("$$"));
    return details;
}

// A favourite café with its rating, reviews and picture, as a place the user saved from search.
bool storeRatedCafe(const Coordinates &around)
{
    Address address;
    address.setStreet(QStringLiteral("8 King St N"));
    address.setCity(QStringLiteral("Waterloo"));
    address.setRegion(QStringLiteral("Ontario"));
    address.setCountry(QStringLiteral("Canada"));
    address.setPostalCode(QStringLiteral("N2J 2W7"));
    address.setLabel(address.oneLine());
    Place cafe(QStringLiteral("Lumen Coffee House"), Location(offset(around, 91, -185), address));
    cafe.setSource(AbstractPlace::SourceGeocodeService);
    cafe.addTag(QLatin1String(Tags::Favorite));
    cafe.addTag(QLatin1String(Tags::Restaurant));
    cafe.addAuxiliaryData(cafeDetails());
    for (const Review &seed : reviews) {
        ReviewAuxiliaryData review;
        review.setProvider(Provider(QLatin1String(Provider::Ratings)));
        review.setUserName(QString::fromUtf8(seed.author));
        review.setRating(seed.rating);
        review.setAbstract(QString::fromUtf8(seed.text));
        review.setCreationTime(
            QDateTime(QDate::fromString(QLatin1String(seed.date), Qt::ISODate), QTime(12, 0), Qt::UTC)
                .toSecsSinceEpoch());
        cafe.addAuxiliaryData(review);
    }
    const QUrl picture = cafePicture();
    if (picture.isValid()) {
        ImageAuxiliaryData image;
        image.setProvider(Provider(QLatin1String(Provider::Ratings)));
        image.setUrl(picture);
        cafe.addAuxiliaryData(image);
    }
    return PlaceManager().addPlace(cafe) == Error::None && cafe.id() == StoreSeeder::RatedPlaceId;
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
    ok = storeRatedCafe(around) && ok;
    ok = storeContact(QStringLiteral("Ada"), QStringLiteral("Lovelace"), QStringLiteral("12 King Street"),
                      QStringLiteral("Waterloo"))
        && ok;
    ok = storeContact(QStringLiteral("Alan"), QStringLiteral("Turing"), QStringLiteral("5 Queen Street"),
                      QStringLiteral("Kitchener"))
        && ok;
    return ok;
}
