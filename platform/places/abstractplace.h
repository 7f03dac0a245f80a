#ifndef HX_PLATFORM_PLACES_ABSTRACTPLACE_H
#define HX_PLATFORM_PLACES_ABSTRACTPLACE_H

#include <hx/platform/places/address.h>
#include <hx/platform/places/auxiliarydata.h>
#include <hx/platform/places/coordinates.h>
#include <hx/platform/places/location.h>

#include <QtCore/QList>
#include <QtCore/QSharedDataPointer>
#include <QtCore/QSharedPointer>
#include <QtCore/QString>
#include <QtCore/QStringList>
#include <QtCore/QUrl>

namespace hx {
namespace platform {
namespace places {

class AbstractPlaceData;

// What every place record has: identity, names, tags, auxiliary data and its locations. A
// record is either a full Place or a light PlaceHeader (search rows); the class is polymorphic
// so that callers can tell which with dynamic_cast.
class AbstractPlace
{
public:
    enum Source { SourceUnknown = 0, SourceManualInput = 1, SourceGeocodeService = 2, SourceContact = 3 };

    virtual ~AbstractPlace();

    qint64 id() const;
    void setId(qint64 id);
    QString name() const;
    void setName(const QString &name);
    QString description() const;
    void setDescription(const QString &description);
    Source source() const;
    void setSource(Source source);
    // Seconds since the epoch of the last pick; 0 when never picked.
    qint64 lastUsedTime() const;
    void setLastUsedTime(qint64 seconds);
    // 4 means the position is exactly known (a stored or gazetteer position); 0 unknown.
    int certainty() const;
    void setCertainty(int certainty);
    // The security perimeter the place belongs to (a hx::system::SecurityPerimeter value).
    int securityPerimeter() const;
    void setSecurityPerimeter(int perimeter);

    // Stored in the place store: the id is a store id.
    bool isPersisted() const;
    bool isFavorite() const;

    QStringList tags() const;
    bool hasTag(const QString &tag) const;
    int tagCount() const;
    QString tag(int index) const;
    void addTag(const QString &tag);
    void removeTag(const QString &tag);
    void setTags(const QStringList &tags);

    QList<AuxiliaryData> auxiliaryData() const;
    bool hasAuxiliaryData() const;
    bool hasAuxiliaryData(const QString &type) const;
    // The first item of the given type; an empty item when there is none.
    AuxiliaryData firstAuxiliaryData(const QString &type) const;

    QList<Location> locations() const;
    int locationCount() const;
    // The location at index; an empty Location when there is none.
    Location location(int index) const;

    // The first location's address, coordinates and label, with fallbacks: the label is the
    // one-line address when the label is empty; phone, e-mail and URL come from the point of
    // interest data, else from contact data.
    Address primaryAddress() const;
    Coordinates primaryCoordinates() const;
    QString primaryLocation() const;
    QString primaryPhoneNumber() const;
    QString primaryEmailAddress() const;
    QString primaryUrl() const;
    bool hasCoordinates() const;
    // Has a position or an address somewhere on earth.
    bool hasPhysicalLocation() const;

    // A "hxplaces:" URL that PlacePrivate::decodePlaceFromMapUrl turns back into the place; a URL
    // set with setMapUrl wins.
    QUrl mapUrl() const;
    void setMapUrl(const QUrl &url);

protected:
    AbstractPlace();
    AbstractPlace(const AbstractPlace &other);
    AbstractPlace &operator=(const AbstractPlace &other);
    bool equals(const AbstractPlace &other) const;

    QSharedDataPointer<AbstractPlaceData> d;
    friend class PlaceHeaderPrivate;
    friend class Utilities;
};

} // namespace places
} // namespace platform
} // namespace hx

Q_DECLARE_METATYPE(QSharedPointer<hx::platform::places::AbstractPlace>)

#endif
