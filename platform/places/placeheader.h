#ifndef HX_PLATFORM_PLACES_PLACEHEADER_H
#define HX_PLATFORM_PLACES_PLACEHEADER_H

#include <hx/platform/places/abstractplace.h>

#include <QtCore/QMetaType>
#include <QtCore/QSharedPointer>

namespace hx {
namespace platform {
namespace places {

// The light record of a search row: identity, tags, the first location and the small
// auxiliary data (point of interest, contact, suggestion distance) that says where the full
// place comes from. PlaceManager::getPlace turns it into a full Place.
class PlaceHeader : public AbstractPlace
{
public:
    PlaceHeader();
    PlaceHeader(const PlaceHeader &other);
    PlaceHeader &operator=(const PlaceHeader &other);
    ~PlaceHeader() override;

    void setLocation(const Location &location);
    void addAuxiliaryData(const AuxiliaryData &data);

    bool operator==(const PlaceHeader &other) const { return equals(other); }
    bool operator!=(const PlaceHeader &other) const { return !equals(other); }
};

} // namespace places
} // namespace platform
} // namespace hx

Q_DECLARE_METATYPE(QSharedPointer<hx::platform::places::PlaceHeader>)

#endif
