#include <hx/platform/places/contactauxiliarydata.h>
#include <hx/platform/places/internaltags.h>
#include <hx/platform/places/pointofinterestauxiliarydata.h>
#include <hx/platform/places/tags.h>

#include <QtCore/QHash>

#include <memory>

#include "categorytags_p.h"
#include "fileidentity_p.h"
#include "placedatabase_p.h"
#include "placefactory_p.h"
#include "recentgazetteerplaces_p.h"
#include "storescope_p.h"

namespace hx {
namespace platform {
namespace places {

namespace {
struct GazetteerSlot
{
    std::unique_ptr<Gazetteer> gazetteer;
    FileIdentity file;
    quint64 checked = 0; // the StoreScope mark of the last identity check
};

struct GazetteerCache
{
    QHash<QString, std::shared_ptr<GazetteerSlot>> entries;
    // The configured path, read once per store operation: a search asks for the gazetteer for
    // every group and every page it builds.
    QString path;
    quint64 pathChecked = 0;
};

Address addressOf(const GazetteerEntry &entry)
{
    Address address;
    address.setStreet(entry.street);
    address.setPostalCode(entry.postalCode);
    address.setCity(entry.kind == GazetteerEntry::Locality && entry.city.isEmpty() ? entry.name : entry.city);
    address.setRegion(entry.region);
    address.setCountry(entry.kind == GazetteerEntry::Country && entry.country.isEmpty() ? entry.name : entry.country);
    address.setIsoAlpha2CountryCode(entry.countryCode);
    address.setLabel(address.oneLine());
    return address;
}
} // namespace

Place PlaceFactory::builtFromGazetteer(const GazetteerEntry &entry)
{
    Place place;
    if (RecentGazetteerPlaces::recallBuilt(entry, &place))
        return place;
    place = fromGazetteer(entry);
    RecentGazetteerPlaces::remember(entry, place);
    return place;
}

Place PlaceFactory::fromGazetteer(const GazetteerEntry &entry)
{
    Place place;
    place.setName(entry.name);
    place.setSource(AbstractPlace::SourceGeocodeService);
    Coordinates coordinates(entry.latitude, entry.longitude);
    place.addLocation(Location(coordinates, addressOf(entry)));
    place.setCertainty(coordinates.isValid() ? 4 : 0);
    const QString externalId = QString::number(entry.id);
    if (entry.kind == GazetteerEntry::PointOfInterest) {
        PointOfInterestAuxiliaryData poi;
        poi.setProvider(Provider(QLatin1String(Provider::Gazetteer)));
        poi.setExternalId(externalId);
        poi.setName(entry.name);
        poi.setPhoneNumber(entry.phone);
        poi.setUrl(QUrl(entry.url));
        poi.setEmailAddress(entry.email);
        if (!entry.category.isEmpty())
            poi.setCategories({ Category(entry.category, QString()) });
        place.addAuxiliaryData(poi);
        // A rating travels as the rating service's own item, which is where readers look for it.
        if (!qIsNaN(entry.rating)) {
            PointOfInterestAuxiliaryData rating;
            rating.setProvider(Provider(QLatin1String(Provider::Ratings)));
            rating.setExternalId(externalId);
            rating.setName(entry.name);
            rating.setRating(entry.rating);
            rating.setRatingCount(entry.ratingCount);
            place.addAuxiliaryData(rating);
        }
        for (const QString &tag : CategoryTags::of(entry.category))
            place.addTag(tag);
    } else {
        place.addAuxiliaryData(
            AuxiliaryData(QLatin1String(TypeGazetteerEntry), Provider(QLatin1String(Provider::Gazetteer)), externalId));
    }
    return place;
}

QString PlaceFactory::contactExternalId(qint64 accountId, qint64 contactId, qint64 addressId)
{
    return QString::number(accountId) + QLatin1Char(':') + QString::number(contactId) + QLatin1Char(':')
        + QString::number(addressId);
}

Place PlaceFactory::fromContact(const ContactEntry &contact, const ContactEntry::PostalAddress &entry)
{
    const QString name = contact.displayName();
    Place place;
    place.setName(name);
    place.setSource(AbstractPlace::SourceContact);
    Address address;
    address.setStreet(entry.street);
    address.setCity(entry.city);
    address.setRegion(entry.region);
    address.setCountry(entry.country);
    address.setCountryCode(entry.countryCode);
    address.setPostalCode(entry.postalCode);
    address.setLabel(entry.label);
    const Coordinates coordinates(entry.latitude, entry.longitude);
    place.addLocation(Location(coordinates, address));
    place.setCertainty(coordinates.isValid() ? 4 : 0);
    if (entry.kind == QLatin1String("home"))
        place.addTag(QLatin1String(Tags::Home));
    else if (entry.kind == QLatin1String("work"))
        place.addTag(QLatin1String(Tags::Work));
    ContactAuxiliaryData data;
    data.setProvider(Provider(QLatin1String(Provider::Contacts)));
    data.setExternalId(contactExternalId(contact.accountId, contact.id, entry.id));
    data.setFullName(name);
    data.setContactId(contact.id);
    data.setAccountId(contact.accountId);
    data.setPostalAddressId(entry.id);
    data.setHomePhone(contact.phone(QStringLiteral("home")));
    data.setWorkPhone(contact.phone(QStringLiteral("work")));
    data.setMobilePhone(contact.phone(QStringLiteral("mobile")));
    if (!contact.emails.isEmpty())
        data.setEmailAddress(contact.emails.first().address);
    data.setUrl(QUrl(contact.url));
    data.setNotes(contact.notes);
    data.setPhotoPathOriginal(contact.photoPath);
    place.addAuxiliaryData(data);
    return place;
}

Place *PlaceFactory::resolve(const AbstractPlace *record, Error::Type *error)
{
    if (!record) {
        *error = Error::InvalidArgument;
        return nullptr;
    }
    if (record->id() >= 1) {
        PlaceDatabase *db = PlaceDatabase::forCurrentThread(error);
        return db ? db->places().load(record->id(), error) : nullptr;
    }
    for (const AuxiliaryData &data : record->auxiliaryData()) {
        if (data.provider().name() == QLatin1String(Provider::Contacts)
            && data.type() == QLatin1String(AuxiliaryData::TypeContact)) {
            const ContactAuxiliaryData contactData(data);
            PlaceDatabase *db = PlaceDatabase::forCurrentThread(error);
            if (!db)
                return nullptr;
            ContactEntry contact;
            ContactEntry::PostalAddress address;
            if (!db->contacts().addressOf(contactData.postalAddressId(), &contact, &address)) {
                *error = Error::NotFound;
                return nullptr;
            }
            *error = Error::None;
            return new Place(fromContact(contact, address));
        }
        // A category suggestion's external id is a category code, not an entry.
        if (data.provider().name() == QLatin1String(Provider::Gazetteer) && !data.externalId().isEmpty()
            && !record->hasTag(QLatin1String(InternalTags::SuggestionCategory))) {
            bool ok = false;
            const qint64 id = data.externalId().toLongLong(&ok);
            Gazetteer *gazetteer = PlaceFactory::gazetteer(error);
            if (!gazetteer) {
                if (*error == Error::None)
                    *error = Error::ServiceUnavailable;
                return nullptr;
            }
            Place recalled;
            if (ok && RecentGazetteerPlaces::recall(id, &recalled)) {
                *error = Error::None;
                return new Place(recalled);
            }
            const GazetteerEntry entry = ok ? gazetteer->entry(id) : GazetteerEntry();
            if (entry.id < 0) {
                *error = Error::NotFound;
                return nullptr;
            }
            *error = Error::None;
            return new Place(builtFromGazetteer(entry));
        }
    }
    // A place that came with everything (a full place that is not stored) is its own answer.
    if (const Place *place = dynamic_cast<const Place *>(record)) {
        if (!place->hasTag(QLatin1String(InternalTags::Suggestion))
            && !place->hasTag(QLatin1String(InternalTags::SuggestionCategory))) {
            *error = Error::None;
            return new Place(*place);
        }
    }
    *error = Error::NotFound;
    return nullptr;
}

Gazetteer *PlaceFactory::gazetteer(Error::Type *error)
{
    static thread_local GazetteerCache cache;
    *error = Error::None;
    if (!StoreScope::isFresh(cache.pathChecked)) {
        cache.path = Gazetteer::defaultPath();
        cache.pathChecked = StoreScope::mark();
    }
    const QString path = cache.path;
    std::shared_ptr<GazetteerSlot> slot = cache.entries.value(path);
    if (!slot || !StoreScope::isFresh(slot->checked)) {
        const FileIdentity file = FileIdentity::of(path);
        if (!file.isValid()) {
            cache.entries.remove(path);
            return nullptr;
        }
        if (!slot || !file.isSameFile(slot->file)) {
            slot = std::make_shared<GazetteerSlot>();
            slot->gazetteer.reset(new Gazetteer(path));
            RecentGazetteerPlaces::forget();
            slot->file = file;
            cache.entries.insert(path, slot);
        }
        slot->checked = StoreScope::mark();
    }
    if (!slot->gazetteer->isOpen()) {
        *error = Error::ServiceUnavailable;
        return nullptr;
    }
    return slot->gazetteer.get();
}

} // namespace places
} // namespace platform
} // namespace hx
