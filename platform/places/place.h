#ifndef HX_PLATFORM_PLACES_PLACE_H
#define HX_PLATFORM_PLACES_PLACE_H

#include <hx/platform/places/abstractplace.h>

#include <QtCore/QMetaType>
#include <QtCore/QSharedPointer>

namespace hx {
namespace platform {
namespace places {

// A full place: every location, tag and auxiliary data item. A new Place has id -1 until the
// store keeps it.
class Place : public AbstractPlace
{
public:
    Place();
    // A place with one location (the "my location" pick uses an empty name).
    Place(const QString &name, const Location &location);
    Place(const Place &other);
    Place &operator=(const Place &other);
    ~Place() override;

    void addLocation(const Location &location);
    // Replaces the location at index; an index equal to the count appends.
    void setLocation(int index, const Location &location);
    void removeLocation(int index);
    void setLocations(const QList<Location> &locations);

    void addAuxiliaryData(const AuxiliaryData &data);
    // Replaces the item at index; an index equal to the count appends.
    void setAuxiliaryData(int index, const AuxiliaryData &data);
    void removeAuxiliaryData(int index);
    void setAuxiliaryDataList(const QList<AuxiliaryData> &list);

    bool operator==(const Place &other) const { return equals(other); }
    bool operator!=(const Place &other) const { return !equals(other); }
};

} // namespace places
} // namespace platform
} // namespace hx

Q_DECLARE_METATYPE(QSharedPointer<hx::platform::places::Place>)

#endif
