#include "placerecord_p.h"

#include <hx/platform/places/auxiliarydata.h>
#include <hx/platform/places/place.h>

namespace hx {
namespace trellan {
namespace places {

using hx::platform::places::AuxiliaryData;
using hx::platform::places::Place;
using hx::platform::places::PlaceHeader;

PlaceHeader *PlaceRecord::headerOf(const hx::platform::places::AbstractPlace *place)
{
    if (const PlaceHeader *header = dynamic_cast<const PlaceHeader *>(place))
        return new PlaceHeader(*header);
    const Place *full = dynamic_cast<const Place *>(place);
    if (!full)
        return nullptr;
    PlaceHeader *header = new PlaceHeader;
    header->setId(full->id());
    header->setName(full->name());
    header->setDescription(full->description());
    header->setSource(full->source());
    header->setLastUsedTime(full->lastUsedTime());
    header->setTags(full->tags());
    if (full->locationCount() > 0)
        header->setLocation(full->location(0));
    // The data that says where the record comes from, so that an unstored place resolves too.
    for (const AuxiliaryData &data : full->auxiliaryData()) {
        const QString type = data.type();
        if (type == QLatin1String(AuxiliaryData::TypePointOfInterest)
            || type == QLatin1String(AuxiliaryData::TypeContact)
            || type == QLatin1String(AuxiliaryData::TypeSuggestion))
            header->addAuxiliaryData(data);
    }
    return header;
}

} // namespace places
} // namespace trellan
} // namespace hx
