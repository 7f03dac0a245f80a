#include <hx/trellan/places/selectedplace.h>

#include <QtCore/QBuffer>
#include <QtCore/QByteArray>
#include <QtCore/QMetaType>
#include <QtGui/QImage>
#include <hx/platform/places/auxiliarydata.h>
#include <hx/platform/places/pointofinterestauxiliarydata.h>
#include <hx/trellan/image.h>
#include <hx/trellan/maps/mapimagegenerator.h>
#include <hx/trellan/maps/mappin.h>
#include <hx/trellan/maps/viewproperties.h>
#include <hx/trellan/places/countrycodelookup.h>
#include <hx/trellan/places/imageutils.h>
#include <hx/trellan/places/log.h>
#include <hx/trellan/places/placeutils.h>
#include <hx/trellan/places/placeviewutils.h>

#include <limits>

#include "selectedplace_p.h"

namespace hx {
namespace trellan {
namespace places {

using hx::platform::places::Address;
using hx::platform::places::AuxiliaryData;
using hx::platform::places::Location;
using hx::platform::places::Place;
using hx::platform::places::PointOfInterestAuxiliaryData;

namespace {

const double notANumber = std::numeric_limits<double>::quiet_NaN();

// The table lookup takes the country name trimmed, upper-cased and as UTF-8.
QString lookUpCountryCode(const QString &country, const char *(*lookup)(const char *))
{
    const QByteArray key = country.trimmed().toUpper().toUtf8();
    const char *code = lookup(key.constData());
    return code ? QString::fromLatin1(code) : QString();
}

} // namespace

SelectedPlacePrivate::SelectedPlacePrivate(QObject *parent) : QObject(parent) { }

SelectedPlacePrivate::~SelectedPlacePrivate() = default;

SelectedPlace *SelectedPlacePrivate::placeToSelectedPlace(const QSharedPointer<Place> &place, qint64 id)
{
    SelectedPlace *selected = new SelectedPlace();
    selected->d->setPlace(id, place);
    return selected;
}

SelectedPlace *SelectedPlacePrivate::placeToSelectedPlace(const QSharedPointer<Place> &place)
{
    return placeToSelectedPlace(place, place ? place->id() : -1);
}

void SelectedPlacePrivate::setPlace(qint64 placeId, const QSharedPointer<Place> &newPlace)
{
    place = newPlace;
    id = placeId;
    location = Location();
    if (!place || place->locationCount() < 1)
        return;
    Location first = place->location(0);
    if (!first.coordinates().isValid() && first.address() == Address())
        return;
    Address address = first.address();
    if (address.label().isEmpty()) {
        address.setLabel(PlaceViewUtils::addressString(first, 1));
        first.setAddress(address);
    }
    location = first;
}

QString SelectedPlacePrivate::getName() const
{
    if (!place) {
        Log::critical() << "hx::trellan::places::SelectedPlacePrivate::getName() initialization error! Place object "
                           "is not defined.";
        return QString();
    }
    return place->name();
}

QString SelectedPlacePrivate::getDescription() const
{
    if (!place) {
        Log::critical() << "hx::trellan::places::SelectedPlacePrivate::getDescription() initialization error! Place "
                           "object is not defined.";
        return QString();
    }
    return place->description();
}

double SelectedPlacePrivate::getRating() const
{
    if (!place) {
        Log::critical() << "hx::trellan::places::SelectedPlacePrivate::getRating() initialization error! Place object "
                           "is not defined.";
        return notANumber;
    }
    const QList<AuxiliaryData> data = place->auxiliaryData();
    for (const AuxiliaryData &entry : data) {
        if (entry.type() == QLatin1String(AuxiliaryData::TypePointOfInterest))
            return PointOfInterestAuxiliaryData(entry).rating();
    }
    return notANumber;
}

QString SelectedPlacePrivate::getIsoAlpha3CountryCode() const
{
    const Address address = location.address();
    if (!address.countryCode().isEmpty())
        return address.countryCode();
    return lookUpCountryCode(address.country(), &CountryCodeLookup::getAlpha3);
}

QString SelectedPlacePrivate::getIsoAlpha2CountryCode() const
{
    const Address address = location.address();
    if (!address.isoAlpha2CountryCode().isEmpty())
        return address.isoAlpha2CountryCode();
    return lookUpCountryCode(address.country(), &CountryCodeLookup::getAlpha2);
}

QString SelectedPlacePrivate::getAddressLabel() const
{
    if (!place)
        return QString();
    return PlaceUtils::filterPostalCode(place->primaryLocation(), location.address().postalCode(),
                                        getIsoAlpha3CountryCode());
}

QByteArray SelectedPlacePrivate::getRawImage(SelectedPlaceImageType::Type &type) const
{
    const hx::platform::places::Coordinates coordinates = location.coordinates();
    hx::trellan::maps::ViewProperties view;
    view.setAltitude(PlaceUtils::getAltitudeFromAddress(location.address()));
    view.setLatitude(coordinates.latitude());
    view.setLongitude(coordinates.longitude());
    view.setWindow(0, 0, 767, 767);
    hx::trellan::maps::MapPin pin;
    pin.latitude = coordinates.latitude();
    pin.longitude = coordinates.longitude();
    const hx::trellan::maps::MapImageGenerator generator(view, { pin });
    const QImage image = generator.render();
    QByteArray bytes;
    if (!image.isNull()) {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        if (!image.save(&buffer, "PNG", 75))
            bytes.clear();
    }
    type = bytes.isEmpty() ? SelectedPlaceImageType::None : SelectedPlaceImageType::Png;
    return bytes;
}

QVariant SelectedPlacePrivate::getImage() const
{
    qRegisterMetaType<hx::trellan::Image>("Image");
    SelectedPlaceImageType::Type type = SelectedPlaceImageType::None;
    const QByteArray bytes = getRawImage(type);
    if (bytes.isEmpty())
        return QVariant();
    return QVariant::fromValue(ImageUtils::fromBytesToImage(bytes));
}

SelectedPlace::SelectedPlace(QObject *parent) : QObject(parent), d(new SelectedPlacePrivate()) { }

SelectedPlace::~SelectedPlace()
{
    delete d;
}

bool SelectedPlace::isPhysicalLocation() const
{
    return d->place ? d->place->hasPhysicalLocation() : true;
}

int SelectedPlace::id() const
{
    // The low 32 bits, as the card formats carry them.
    return static_cast<int>(static_cast<quint32>(static_cast<quint64>(d->id) & 0xffffffffu));
}

QString SelectedPlace::name() const
{
    return d->getName();
}

QString SelectedPlace::alternativeName() const
{
    return d->place ? d->place->name() : QString();
}

QString SelectedPlace::description() const
{
    return d->getDescription();
}

QString SelectedPlace::street() const
{
    return d->location.address().street();
}

QString SelectedPlace::city() const
{
    return d->location.address().city();
}

QString SelectedPlace::region() const
{
    return d->location.address().region();
}

QString SelectedPlace::country() const
{
    return d->location.address().country();
}

QString SelectedPlace::isoAlpha3CountryCode() const
{
    return d->getIsoAlpha3CountryCode();
}

QString SelectedPlace::isoAlpha2CountryCode() const
{
    return d->getIsoAlpha2CountryCode();
}

QString SelectedPlace::postal() const
{
    return d->location.address().postalCode();
}

QString SelectedPlace::addressLabel() const
{
    return d->getAddressLabel();
}

QString SelectedPlace::phone() const
{
    return d->place ? d->place->primaryPhoneNumber() : QString();
}

QString SelectedPlace::secondaryPhone() const
{
    return QString();
}

QString SelectedPlace::fax() const
{
    return QString();
}

QString SelectedPlace::email() const
{
    return d->place ? d->place->primaryEmailAddress() : QString();
}

QUrl SelectedPlace::url() const
{
    return d->place ? QUrl(d->place->primaryUrl()) : QUrl();
}

double SelectedPlace::rating() const
{
    return d->getRating();
}

QUrl SelectedPlace::mapURL() const
{
    return d->place ? d->place->mapUrl() : QUrl();
}

QVariant SelectedPlace::image() const
{
    return d->getImage();
}

double SelectedPlace::latitude() const
{
    return d->location.coordinates().latitude();
}

double SelectedPlace::longitude() const
{
    return d->location.coordinates().longitude();
}

double SelectedPlace::altitude() const
{
    return d->location.coordinates().altitude();
}

double SelectedPlace::horizontalAccuracy() const
{
    return d->location.coordinates().horizontalAccuracy();
}

double SelectedPlace::verticalAccuracy() const
{
    return d->location.coordinates().verticalAccuracy();
}

QByteArray SelectedPlace::getRawImage(SelectedPlaceImageType::Type &type) const
{
    return d->getRawImage(type);
}

} // namespace places
} // namespace trellan
} // namespace hx
