#include <hx/trellan/places/mapsutils.h>

#include <hx/platform/geo/boundingbox.h>
#include <hx/platform/places/internalplacemanager.h>
#include <hx/platform/places/placeheader.h>
#include <hx/platform/places/pointofinterestauxiliarydata.h>
#include <hx/platform/places/tags.h>
#include <hx/system/invokequery.h>
#include <hx/trellan/places/log.h>
#include <hx/trellan/places/placemanagerui.h>
#include <hx/trellan/places/placeutils.h>

#include <QtCore/QStringList>
#include <QtCore/QtMath>

#include <cmath>

using hx::platform::places::AbstractPlace;
using hx::platform::places::Address;
using hx::platform::places::AuxiliaryData;
using hx::platform::places::Coordinates;
using hx::platform::places::Error;
using hx::platform::places::Location;
using hx::platform::places::Place;
using hx::platform::places::PointOfInterestAuxiliaryData;

namespace hx {
namespace trellan {
namespace places {

const QString MapsUtils::SHARE_ACTION_ID = QStringLiteral("hx.action.SHARE");

namespace {

// The details a share URI carries, in the order they are written.
const char *const uriDetailKeys[] = { "name",    "placeName",  "addressLabel", "street", "city",  "region",
                                      "country", "postalCode", "phone",        "url",    "email", "description" };

// Left as they are in a parameter value besides the unreserved characters.
const QByteArray keptInValues = QByteArrayLiteral("[]:&+$-_.!~*'()");

void insertIfNotEmpty(QVariantMap &map, const char *key, const QString &value)
{
    if (!value.isEmpty())
        map.insert(QLatin1String(key), value);
}

void insertLocationDetails(QVariantMap &map, const Place &place)
{
    const Location location = place.location(0);
    const Address address = location.address();
    QString label = address.label();
    if (label.isEmpty())
        label = place.primaryLocation();
    insertIfNotEmpty(map, "addressLabel", label);
    insertIfNotEmpty(map, "street", address.street());
    insertIfNotEmpty(map, "city", address.city());
    insertIfNotEmpty(map, "region", address.region());
    insertIfNotEmpty(map, "country", address.country());
    insertIfNotEmpty(map, "postalCode", address.postalCode());
    // How high a map opened on the share should look from to frame the place's area.
    const hx::platform::geo::BoundingBox box = location.boundingBox();
    if (box.isValid())
        map.insert(QStringLiteral("viewingAltitude"), PlaceUtils::getAltitudeFromBoundingBox(box));
    if (place.hasTag(QLatin1String(hx::platform::places::Tags::CurrentLocation)))
        map.insert(QStringLiteral("isCurrentLocation"), 1);
}

// The text between "=" signs of a URI parameter, decoded: the URL is read in its fully encoded
// form, so a ";" or "=" inside a value arrives as %3B or %3D and survives the split.
QString decoded(const QString &part)
{
    return QUrl::fromPercentEncoding(part.toUtf8());
}

} // namespace

QVariantMap MapsUtils::createShareMetadata(const Place &place)
{
    QVariantMap map;
    insertIfNotEmpty(map, "name", place.name());
    const QList<AuxiliaryData> auxiliary = place.auxiliaryData();
    if (!auxiliary.isEmpty() && auxiliary.first().type() == QLatin1String(AuxiliaryData::TypePointOfInterest))
        map.insert(QStringLiteral("placeName"), PointOfInterestAuxiliaryData(auxiliary.first()).name());
    if (place.locationCount() > 0)
        insertLocationDetails(map, place);
    insertIfNotEmpty(map, "phone", place.primaryPhoneNumber());
    const QString url = place.primaryUrl();
    if (!url.isEmpty())
        map.insert(QStringLiteral("url"), QString::fromLatin1(QUrl(url).toEncoded()));
    insertIfNotEmpty(map, "email", place.primaryEmailAddress());
    insertIfNotEmpty(map, "description", place.description());
    map.insert(QStringLiteral("mapUrl"), QString::fromLatin1(place.mapUrl().toEncoded()));

    const Coordinates coordinates = place.primaryCoordinates();
    if (coordinates.isValid()) {
        map.insert(QStringLiteral("latitude"), coordinates.latitude());
        map.insert(QStringLiteral("longitude"), coordinates.longitude());
        if (!qIsNaN(coordinates.horizontalAccuracy()))
            map.insert(QStringLiteral("horizontalAccuracy"), double(coordinates.horizontalAccuracy()));
    }
    return map;
}

QString MapsUtils::createShareUri(const Place &place, const QVariantMap &metadata)
{
    const Coordinates coordinates = place.primaryCoordinates();
    QString uri
        = QStringLiteral("geo:%1,%2")
              .arg(QString::number(coordinates.latitude(), 'f', 6), QString::number(coordinates.longitude(), 'f', 6));
    const float accuracy = coordinates.horizontalAccuracy();
    if (!qIsNaN(accuracy) && std::isfinite(accuracy) && std::fabs(accuracy) < 2147483647.0f) {
        const int metres = int(accuracy);
        if (metres != -1)
            uri += QStringLiteral(";u=%1").arg(metres);
    }
    for (const char *key : uriDetailKeys) {
        const QString value = metadata.value(QLatin1String(key)).toString();
        if (value.isEmpty())
            continue;
        uri += QLatin1Char(';') + QLatin1String(key) + QLatin1Char('=')
            + QString::fromLatin1(QUrl::toPercentEncoding(value, keptInValues));
    }
    return uri;
}

void MapsUtils::createShareInvokeQuery(const Place &place, hx::system::InvokeQuery *query)
{
    if (!query)
        return;
    const QVariantMap metadata = createShareMetadata(place);
    query->setUri(createShareUri(place, metadata));
    query->setMetadata(metadata);
    query->setInvokeActionId(SHARE_ACTION_ID);
}

QSharedPointer<Place> MapsUtils::createPlace(const QUrl &uri)
{
    QString text = uri.toString(QUrl::FullyEncoded);
    if (text.startsWith(QLatin1String("geo:"), Qt::CaseInsensitive))
        text.remove(0, 4);

    const QStringList parameters = text.split(QLatin1Char(';'));
    const QStringList position = parameters.first().split(QLatin1Char(','));
    if (position.size() < 2 || position.at(0).isEmpty() || position.at(1).isEmpty())
        return QSharedPointer<Place>();

    bool ok = false;
    const double latitude = decoded(position.at(0)).toDouble(&ok);
    if (!ok) {
        Log::debug() << "hx::trellan::places::MapsUtils::createPlace() error: place latitude is incorrect";
        return QSharedPointer<Place>();
    }
    const double longitude = decoded(position.at(1)).toDouble(&ok);
    if (!ok) {
        Log::debug() << "hx::trellan::places::MapsUtils::createPlace() error: place longitude is incorrect";
        return QSharedPointer<Place>();
    }
    Coordinates coordinates(latitude, longitude);
    if (!coordinates.isValid()) {
        Log::debug() << "hx::trellan::places::MapsUtils::createPlace() error: place location is invalid";
        return QSharedPointer<Place>();
    }
    if (position.size() > 2 && !position.at(2).isEmpty()) {
        const float altitude = decoded(position.at(2)).toFloat(&ok);
        if (!ok) {
            Log::debug() << "hx::trellan::places::MapsUtils::createPlace() error: place altitude is incorrect";
            return QSharedPointer<Place>();
        }
        coordinates.setAltitude(altitude);
    }

    QSharedPointer<Place> place(new Place);
    PointOfInterestAuxiliaryData pointOfInterest;
    Address address;
    for (int i = 1; i < parameters.size(); ++i) {
        const QStringList pair = parameters.at(i).split(QLatin1Char('='));
        const QString key = decoded(pair.at(0));
        const QString value = pair.size() > 1 ? decoded(pair.at(1)) : QString();
        if (key == QLatin1String("u"))
            coordinates.setHorizontalAccuracy(value.toFloat());
        else if (key == QLatin1String("name"))
            place->setName(value);
        else if (key == QLatin1String("placeName"))
            pointOfInterest.setName(value);
        else if (key == QLatin1String("phone"))
            pointOfInterest.setPhoneNumber(value);
        else if (key == QLatin1String("url"))
            pointOfInterest.setUrl(QUrl(value));
        else if (key == QLatin1String("email"))
            pointOfInterest.setEmailAddress(value);
        else if (key == QLatin1String("description"))
            place->setDescription(value);
        else if (key == QLatin1String("addressLabel"))
            address.setLabel(value);
        else if (key == QLatin1String("street"))
            address.setStreet(value);
        else if (key == QLatin1String("city"))
            address.setCity(value);
        else if (key == QLatin1String("region"))
            address.setRegion(value);
        else if (key == QLatin1String("country"))
            address.setCountry(value);
    }
    place->addLocation(Location(coordinates, address));
    place->addAuxiliaryData(pointOfInterest);
    return place;
}

QSharedPointer<Place> MapsUtils::getPlace(qint64 id, Error::Type &error)
{
    error = Error::None;
    return QSharedPointer<Place>(PlaceManagerUI::getPlace(id, error, false));
}

Error::Type MapsUtils::usePlace(AbstractPlace &place)
{
    if (auto *full = dynamic_cast<Place *>(&place))
        return PlaceManagerUI::addRecentlyPickedPlace(*full, false);
    auto *header = dynamic_cast<hx::platform::places::PlaceHeader *>(&place);
    if (!header)
        return Error::Type(2);
    Error::Type error = Error::None;
    QScopedPointer<Place> stored(PlaceManagerUI::getPlace(header, error, false));
    if (error != Error::None)
        return error;
    if (!stored)
        return Error::Type(2);
    return PlaceManagerUI::addRecentlyPickedPlace(*stored, false);
}

Error::Type MapsUtils::addToFavorites(AbstractPlace &place)
{
    return PlaceUtils::favPlace(&place);
}

Error::Type MapsUtils::removeFromFavorite(AbstractPlace &place)
{
    return PlaceUtils::unfavPlace(&place);
}

Error::Type MapsUtils::clearRecentData()
{
    hx::platform::places::InternalPlaceManager manager;
    return manager.clearRecentlyPickedPlaces();
}

} // namespace places
} // namespace trellan
} // namespace hx
