#include <hx/platform/places/placeheader.h>

#include "abstractplace_p.h"
#include "placeheader_p.h"

namespace hx {
namespace platform {
namespace places {

PlaceHeader::PlaceHeader() = default;
PlaceHeader::PlaceHeader(const PlaceHeader &other) = default;
PlaceHeader &PlaceHeader::operator=(const PlaceHeader &other) = default;
PlaceHeader::~PlaceHeader() = default;

void PlaceHeader::setLocation(const Location &location)
{
    d->locations = { location };
}

void PlaceHeader::addAuxiliaryData(const AuxiliaryData &data)
{
    d->auxiliaryData.append(data);
}

PlaceHeader PlaceHeaderPrivate::createHeader(const Place &place)
{
    PlaceHeader header;
    header.d = place.d;
    if (header.d->locations.size() > 1)
        header.d->locations = { header.d->locations.first() };
    QList<AuxiliaryData> light;
    for (const AuxiliaryData &data : qAsConst(place.d->auxiliaryData)) {
        if (data.type() == QLatin1String(AuxiliaryData::TypePointOfInterest)
            || data.type() == QLatin1String(AuxiliaryData::TypeContact)
            || data.type() == QLatin1String(AuxiliaryData::TypeSuggestion))
            light.append(data);
    }
    header.d->auxiliaryData = light;
    return header;
}

PlaceHeader *PlaceHeaderPrivate::createPublicHeader(const Place *place)
{
    return place ? new PlaceHeader(createHeader(*place)) : nullptr;
}

} // namespace places
} // namespace platform
} // namespace hx
