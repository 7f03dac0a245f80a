#include <hx/trellan/places/placeutils.h>

#include <QtCore/QAtomicInt>
#include <QtCore/QDate>
#include <QtCore/QFileInfo>
#include <QtCore/QMutex>
#include <QtCore/QMutexLocker>
#include <QtCore/QStringList>
#include <hx/phone/phonenumberformatter.h>
#include <hx/platform/places/contactauxiliarydata.h>
#include <hx/platform/places/pointofinterestauxiliarydata.h>
#include <hx/trellan/places/detailsview.h>
#include <hx/trellan/places/log.h>
#include <hx/trellan/places/placeviewutils.h>
#include <hx/trellan/places/propertyreader.h>
#include <hx/trellan/uiconfig.h>

#include <cmath>

// The embedded tree is compiled in by rcc under this name; registering it again is harmless.
static void registerEmbeddedResources()
{
    Q_INIT_RESOURCE(hxtrellanplaces_assets);
}

namespace hx {
namespace trellan {
namespace places {

using hx::platform::places::AbstractPlace;
using hx::platform::places::Address;
using hx::platform::places::AuxiliaryData;
using hx::platform::places::ContactAuxiliaryData;
using hx::platform::places::Coordinates;
using hx::platform::places::Location;
using hx::platform::places::Place;
using hx::platform::places::PointOfInterestAuxiliaryData;

const QRegExp PlaceUtils::emailRegExp(QStringLiteral("\\b[A-Za-z0-9._%+-]+@[A-Za-z0-9.-]+\\.[A-Za-z]{2,4}\\b"),
                                      Qt::CaseSensitive, QRegExp::RegExp);

// The base folder's values, in force until init() reads the device's document.
float PlaceUtils::MAP_IMAGE_HEIGHT = 42.0f;
float PlaceUtils::PICTURE_WIDTH = 29.0f;
float PlaceUtils::PICTURE_HEIGHT = 29.0f;
QVariantMap PlaceUtils::SUB_CATEGORIES;
bool PlaceUtils::LAYOUT_DEBUG = false;

// The toolkit's named colours are set up before this library's statics: it is loaded first.
const hx::trellan::Color PlaceUtils::BACKGROUND_COLOR = hx::trellan::Color::fromARGB(0xFF000000);
const hx::trellan::Color PlaceUtils::LIST_ICON_BG_COLOR = hx::trellan::Color::fromARGB(0xFF555555);
const hx::trellan::Color PlaceUtils::TEXT_COLOR_1 = hx::trellan::Color::White;
const hx::trellan::Color PlaceUtils::TEXT_COLOR_2 = hx::trellan::Color::fromARGB(0xFF00ABE3);
const hx::trellan::Color PlaceUtils::TEXT_COLOR_3 = hx::trellan::Color::LightGray;
const hx::trellan::Color PlaceUtils::TEXT_COLOR_4 = hx::trellan::Color::Black;
const hx::trellan::Color PlaceUtils::TEXT_ERROR_COLOR_1 = hx::trellan::Color::Red;
const hx::trellan::Color PlaceUtils::TITLE_TEXT_COLOR = hx::trellan::Color::fromARGB(0xFFFAFAFA);
const hx::trellan::Color PlaceUtils::CAPTION_TEXT_COLOR = hx::trellan::Color::fromARGB(0xFF646464);
const hx::trellan::Color PlaceUtils::ADDRESS_TEXT_COLOR = hx::trellan::Color::fromARGB(0xFFF0F0F0);
const hx::trellan::Color PlaceUtils::DISTANCE_TEXT_COLOR = hx::trellan::Color::fromARGB(0xFFB1B1B1);
const hx::trellan::Color PlaceUtils::PHONE_TEXT_COLOR = hx::trellan::Color::fromARGB(0xFF0092CC);
const hx::trellan::Color PlaceUtils::DETAIL_CONTENT_TEXT_COLOR = hx::trellan::Color::fromARGB(0xFFFAFAFA);
const hx::trellan::Color PlaceUtils::OSKARN_FOCUS_HIGHLIGHT_COLOR = hx::trellan::Color::fromARGB(0xFF087099);
const hx::trellan::Color PlaceUtils::OSKARN_FOCUS_HIGHLIGHT_COLOR2 = hx::trellan::Color::fromARGB(0x60087099);
const hx::trellan::Color PlaceUtils::OSKARN_TRANSPARENT_COLOR = hx::trellan::Color::fromARGB(0x00FFFFFF);
const hx::trellan::Color PlaceUtils::DETAILVIEW_DIVIDER_COLOR = hx::trellan::Color::fromARGB(0xFF515151);

namespace {
QMutex initMutex;
QAtomicInt initDone;
} // namespace

void PlaceUtils::init()
{
    if (initDone.loadAcquire())
        return;
    QMutexLocker locker(&initMutex);
    if (initDone.loadRelaxed())
        return;
    registerEmbeddedResources();
    const PropertyReader common(QStringLiteral("places_settings/common.qml"), true);
    const PropertyReader subcategories(QStringLiteral("places_settings/subcategories.qml"), true);
    if (common.isValid() && subcategories.isValid()) {
        subcategories.property(SUB_CATEGORIES, QStringLiteral("subcategoryMap"));
        QString fileId = QStringLiteral("invalid");
        common.property(fileId, QStringLiteral("file_id"));
        Log::warning() << "hx::trellan::places::PlaceUtils::init(): INFO, loading common.qml as \"" << fileId << '"';
        common.property(MAP_IMAGE_HEIGHT, QStringLiteral("map_image_height"));
        common.property(PICTURE_WIDTH, QStringLiteral("picture_width"));
        common.property(PICTURE_HEIGHT, QStringLiteral("picture_height"));
    }
    initLocationRequests();
    initDone.storeRelease(1);
}

QSize PlaceUtils::screenSize(hx::trellan::UIOrientation::Type orientation)
{
    const QSize size = hx::trellan::UIConfig::displaySize();
    return orientation == hx::trellan::UIOrientation::Landscape ? size.transposed() : size;
}

double PlaceUtils::distance(double latitude1, double longitude1, double latitude2, double longitude2)
{
    // Mean earth radius; the factor turns degrees into radians.
    const double radius = 6371009.0;
    const double toRadians = 0.017453292519943295;
    const double phi1 = latitude1 * toRadians;
    const double phi2 = latitude2 * toRadians;
    const double halfDeltaPhi = (latitude2 - latitude1) * toRadians / 2;
    const double halfDeltaLambda = (longitude2 - longitude1) * toRadians / 2;
    const double a = std::sin(halfDeltaPhi) * std::sin(halfDeltaPhi)
        + std::cos(phi1) * std::cos(phi2) * std::sin(halfDeltaLambda) * std::sin(halfDeltaLambda);
    return 2 * std::atan2(std::sqrt(a), std::sqrt(1 - a)) * radius;
}

// QDate::startOfDay gives the first valid local time of the day: 00:00:00, or the first moment
// after a midnight skipped by a daylight-saving change, where a plain 00:00 would be invalid.
QDateTime PlaceUtils::endOfYesterday(const QDateTime &now)
{
    return now.date().addDays(-1).startOfDay(Qt::LocalTime);
}

QDateTime PlaceUtils::endOfLastWeek(const QDateTime &now)
{
    const QDate date = now.date();
    return date.addDays(-date.dayOfWeek()).startOfDay(Qt::LocalTime);
}

QDateTime PlaceUtils::endOfLastMonth(const QDateTime &now)
{
    const QDate date = now.date();
    return date.addDays(-date.day()).startOfDay(Qt::LocalTime);
}

QString PlaceUtils::addressForLocation(const Location &location)
{
    const Address address = location.address();
    const QStringList lines = address.extendedAddressLines();
    if (!lines.isEmpty())
        return lines.join(QLatin1Char('\n'));
    if (!address.label().isEmpty())
        return address.label();
    return PlaceViewUtils::addressString(location, 2);
}

QString PlaceUtils::filterPostalCode(const QString &label, const QString &postalCode, const QString &countryCode)
{
    if (postalCode.isEmpty())
        return label;
    const int length = postalCode.length();
    const bool partialCanadian = countryCode == QLatin1String("CAN") && (length < 6 || length > 7);
    const bool partialBritish = countryCode == QLatin1String("GBR") && (length < 7 || length > 8);
    if (!partialCanadian && !partialBritish)
        return label;
    // The code goes into the pattern as it is: a code that is not a valid pattern never matches
    // and the label stays whole.
    QRegExp pattern(QStringLiteral("([\\s,]+") + postalCode + QStringLiteral(")([\\s,]+|$)"), Qt::CaseSensitive,
                    QRegExp::RegExp);
    if (!pattern.isValid())
        return label;
    const int position = pattern.indexIn(label);
    if (position < 0)
        return label;
    QString filtered = label;
    filtered.remove(position, pattern.cap(1).length());
    return filtered;
}

Location PlaceUtils::formatGeocodedLocation(const QString &text, Location location)
{
    Address address = location.address();
    if (address.street().isEmpty() || !text.contains(address.city(), Qt::CaseInsensitive))
        return location;
    QStringList words = text.split(QRegExp(QStringLiteral("(\\s+|,+)")), Qt::SkipEmptyParts);
    for (QString &word : words)
        word[0] = word.at(0).toUpper();
    address.setLabel(words.join(QLatin1Char(' ')));
    location.setAddress(address);
    return location;
}

QString PlaceUtils::formatPhoneNumber(const QString &number, bool addPlus)
{
    QString text = number;
    const int count = number.simplified().remove(QLatin1Char(' ')).length();
    if (!text.startsWith(QLatin1Char('+')) && count > 9 && addPlus)
        text.prepend(QLatin1Char('+'));
    // The formatting options are the user's region, taken from the locale.
    bool ok = false;
    const QString formatted = hx::phone::PhoneNumberFormatter().format(text, &ok);
    return ok ? formatted : QString();
}

QString PlaceUtils::createCategorySuggestionSearchTerms(const AbstractPlace &place)
{
    const QList<AuxiliaryData> data = place.auxiliaryData();
    if (data.isEmpty())
        return QString();
    return data.first().externalId() + QStringLiteral("_|_") + place.name();
}

bool PlaceUtils::isServerPOI(const AbstractPlace &place)
{
    const QList<AuxiliaryData> data = place.auxiliaryData();
    return !data.isEmpty() && data.first().type() == QLatin1String(AuxiliaryData::TypePointOfInterest)
        && place.source() != AbstractPlace::SourceManualInput;
}

bool PlaceUtils::getSingleAuxiliaryData(const QSharedPointer<Place> &place, const QString &type, AuxiliaryData &data)
{
    if (!place)
        return false;
    const QList<AuxiliaryData> list = place->auxiliaryData();
    for (const AuxiliaryData &entry : list) {
        if (entry.type() == type) {
            data = entry;
            return true;
        }
    }
    return false;
}

QString PlaceUtils::getPhotoPath(const AbstractPlace &place)
{
    if (!place.hasAuxiliaryData(QLatin1String(AuxiliaryData::TypeContact)))
        return QString();
    const QList<AuxiliaryData> list = place.auxiliaryData();
    for (const AuxiliaryData &entry : list) {
        if (entry.type() != QLatin1String(AuxiliaryData::TypeContact))
            continue;
        const QString path = ContactAuxiliaryData(entry).photoPathOriginal();
        if (!path.isEmpty() && QFileInfo::exists(path))
            return path;
    }
    return QString();
}

bool PlaceUtils::hasMoreDetails(const AbstractPlace &place)
{
    const QList<AuxiliaryData> list = place.auxiliaryData();
    if (list.isEmpty())
        return false;
    const AuxiliaryData &first = list.first();
    if (first.type() == QLatin1String(AuxiliaryData::TypeContact)) {
        const ContactAuxiliaryData contact(first);
        return !contact.emailAddress().isEmpty() || !contact.url().isEmpty() || !contact.notes().isEmpty();
    }
    if (first.type() == QLatin1String(AuxiliaryData::TypePointOfInterest)) {
        const PointOfInterestAuxiliaryData poi(first);
        if (!poi.openingHours().isEmpty() || !poi.emailAddress().isEmpty() || !poi.url().isEmpty())
            return true;
        return DetailsView::hasAdditionalInformation(poi);
    }
    return false;
}

double PlaceUtils::getAltitudeFromAddress(const Address &address)
{
    if (!address.street().isEmpty())
        return 1600;
    if (!address.city().isEmpty())
        return 25600;
    if (!address.region().isEmpty())
        return 409600;
    if (!address.country().isEmpty())
        return 3276800;
    return 130;
}

bool PlaceUtils::centerOnBoundingBox(const Address &address)
{
    return address.city().isEmpty();
}

Coordinates PlaceUtils::boundingBoxCentroid(const hx::platform::geo::BoundingBox &box)
{
    if (!box.isValid())
        return Coordinates();
    const hx::platform::geo::Point topLeft = box.topLeft();
    const hx::platform::geo::Point bottomRight = box.bottomRight();
    return Coordinates(topLeft.latitude() - std::fabs(topLeft.latitude() - bottomRight.latitude()) / 2,
                       topLeft.longitude() + std::fabs(topLeft.longitude() - bottomRight.longitude()) / 2);
}

double PlaceUtils::getAltitudeFromBoundingBox(const hx::platform::geo::BoundingBox &box)
{
    if (!box.isValid())
        return 2000;
    const hx::platform::geo::Point topLeft = box.topLeft();
    const hx::platform::geo::Point bottomRight = box.bottomRight();
    const double width = distance(topLeft.latitude(), topLeft.longitude(), topLeft.latitude(), bottomRight.longitude());
    const double height
        = distance(topLeft.latitude(), topLeft.longitude(), bottomRight.latitude(), topLeft.longitude());
    const double squareKilometres = width * height * 0.000001;
    // Upper area bounds and the altitude that frames them; there is no step for 256000 or 512000.
    static const struct
    {
        double area;
        double altitude;
    } steps[] = { { 3, 2000 },     { 8, 4000 },      { 100, 8000 },       { 1500, 16000 },     { 3000, 32000 },
                  { 5500, 64000 }, { 7000, 128000 }, { 400000, 1024000 }, { 700000, 2048000 }, { 2200000, 4096000 } };
    for (const auto &step : steps) {
        if (squareKilometres < step.area)
            return step.altitude;
    }
    return 8192000;
}

} // namespace places
} // namespace trellan
} // namespace hx
