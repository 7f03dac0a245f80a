#include <hx/platform/places/auxiliarydata.h>
#include <hx/platform/places/internaltags.h>
#include <hx/platform/places/place.h>
#include <hx/platform/places/tags.h>
#include <hx/trellan/places/iconitemtype.h>

#include <QtCore/QStringList>

namespace hx {
namespace trellan {
namespace places {

using hx::platform::places::AbstractPlace;
using hx::platform::places::AuxiliaryData;
using hx::platform::places::InternalTags;
using hx::platform::places::Place;
using hx::platform::places::Tags;

namespace {

bool hasTag(const AbstractPlace *place, const char *tag)
{
    return place && place->hasTag(QLatin1String(tag));
}

// Internal tags exist only on full places the store builds; a header never has them.
bool fullPlaceHasTag(const AbstractPlace *place, const char *tag)
{
    return dynamic_cast<const Place *>(place) && place->hasTag(QLatin1String(tag));
}

bool hasAuxiliaryData(const AbstractPlace *place, const char *type)
{
    return place && place->hasAuxiliaryData(QLatin1String(type));
}

} // namespace

bool IconItemType::isFavorite(const AbstractPlace *place)
{
    return place && place->isFavorite();
}

bool IconItemType::isContact(const AbstractPlace *place)
{
    return hasAuxiliaryData(place, AuxiliaryData::TypeContact);
}

bool IconItemType::isMyHome(const AbstractPlace *place)
{
    return hasTag(place, Tags::MyHome);
}

bool IconItemType::isMyWork(const AbstractPlace *place)
{
    return hasTag(place, Tags::MyWork);
}

bool IconItemType::isContactHome(const AbstractPlace *place)
{
    return isContact(place) && hasTag(place, Tags::Home);
}

bool IconItemType::isContactWork(const AbstractPlace *place)
{
    return isContact(place) && hasTag(place, Tags::Work);
}

bool IconItemType::isPOI(const AbstractPlace *place)
{
    return hasAuxiliaryData(place, AuxiliaryData::TypePointOfInterest);
}

bool IconItemType::isGeocoded(const AbstractPlace *place)
{
    return place && place->source() == AbstractPlace::SourceGeocodeService;
}

bool IconItemType::hasCoordinates(const AbstractPlace *place)
{
    return place && place->hasCoordinates();
}

bool IconItemType::isAirport(const AbstractPlace *place)
{
    return fullPlaceHasTag(place, InternalTags::SuggestionAirport) || hasTag(place, Tags::Airport);
}

bool IconItemType::isGas(const AbstractPlace *place)
{
    return fullPlaceHasTag(place, InternalTags::SuggestionGas);
}

bool IconItemType::isCategory(const AbstractPlace *place)
{
    return fullPlaceHasTag(place, InternalTags::SuggestionCategory);
}

bool IconItemType::isSuggestion(const AbstractPlace *place)
{
    return fullPlaceHasTag(place, InternalTags::Suggestion);
}

bool IconItemType::isBank(const AbstractPlace *place)
{
    return hasTag(place, Tags::Bank);
}

bool IconItemType::isEntertainment(const AbstractPlace *place)
{
    return hasTag(place, Tags::Entertainment);
}

bool IconItemType::isHeathCare(const AbstractPlace *place)
{
    return hasTag(place, Tags::HealthCare);
}

bool IconItemType::isLodging(const AbstractPlace *place)
{
    return hasTag(place, Tags::Lodging);
}

bool IconItemType::isPersonalServices(const AbstractPlace *place)
{
    return hasTag(place, Tags::PersonalServices);
}

bool IconItemType::isPublicOffices(const AbstractPlace *place)
{
    return hasTag(place, Tags::PublicOffices);
}

bool IconItemType::isRestaurant(const AbstractPlace *place)
{
    return hasTag(place, Tags::Restaurant);
}

bool IconItemType::isShopping(const AbstractPlace *place)
{
    return hasTag(place, Tags::Shopping);
}

bool IconItemType::isTravel(const AbstractPlace *place)
{
    return hasTag(place, Tags::Travel);
}

bool IconItemType::isAutomotive(const AbstractPlace *place)
{
    return hasTag(place, Tags::Automotive);
}

bool IconItemType::hasMultipleMainCategories(const AbstractPlace *place)
{
    if (!place)
        return false;
    static const QStringList mainCategories
        = { QLatin1String(Tags::Automotive),    QLatin1String(Tags::Bank),       QLatin1String(Tags::Entertainment),
            QLatin1String(Tags::HealthCare),    QLatin1String(Tags::Lodging),    QLatin1String(Tags::PersonalServices),
            QLatin1String(Tags::PublicOffices), QLatin1String(Tags::Restaurant), QLatin1String(Tags::Shopping),
            QLatin1String(Tags::Travel) };
    int found = 0;
    for (const QString &tag : mainCategories) {
        if (place->hasTag(tag) && ++found == 2)
            return true;
    }
    return false;
}

} // namespace places
} // namespace trellan
} // namespace hx
