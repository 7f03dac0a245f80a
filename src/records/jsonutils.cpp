#include <hx/trellan/places/jsonutils.h>

#include <QtCore/QJsonDocument>
#include <QtCore/QJsonObject>
#include <QtCore/QJsonParseError>
#include <QtCore/QJsonValue>
#include <QtCore/QRegExp>
#include <QtCore/QSharedPointer>
#include <QtCore/QUrl>
#include <hx/platform/places/address.h>
#include <hx/platform/places/coordinates.h>
#include <hx/platform/places/location.h>
#include <hx/platform/places/place.h>
#include <hx/platform/places/pointofinterestauxiliarydata.h>
#include <hx/pps/plainjson.h>
#include <hx/pps/ppsencoder.h>
#include <hx/trellan/places/log.h>
#include <hx/trellan/places/selectedplace.h>

#include <cmath>

#include "selectedplace_p.h"

namespace hx {
namespace trellan {
namespace places {

using hx::platform::places::Address;
using hx::platform::places::Coordinates;
using hx::platform::places::Location;
using hx::platform::places::Place;
using hx::platform::places::PointOfInterestAuxiliaryData;

namespace {

// The text as the card formats can carry it: they pass C strings of UTF-8, so a NUL would cut
// the text short and a lone surrogate has no UTF-8 form. NULs are dropped and lone surrogates
// read as the replacement character, so a decoded place encodes and decodes to itself.
QString carriedText(const QString &text)
{
    QString result;
    result.reserve(text.size());
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.isNull())
            continue;
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            result += c;
            result += text.at(++i);
        } else if (c.isSurrogate()) {
            result += QChar(QChar::ReplacementCharacter);
        } else {
            result += c;
        }
    }
    return result;
}

// Owns an encoder for one text; every add is checked at the end through the sticky error.
class JsonEncoder
{
public:
    JsonEncoder() { pps_encoder_initialize(&m_encoder, true); }
    ~JsonEncoder() { pps_encoder_cleanup(&m_encoder); }
    JsonEncoder(const JsonEncoder &) = delete;
    JsonEncoder &operator=(const JsonEncoder &) = delete;

    void startObject(const char *name) { pps_encoder_start_object(&m_encoder, name); }
    void endObject() { pps_encoder_end_object(&m_encoder); }
    void addString(const char *name, const QString &value)
    {
        const QByteArray utf8 = carriedText(value).toUtf8();
        pps_encoder_add_string(&m_encoder, name, utf8.constData());
    }
    void addInt(const char *name, int value) { pps_encoder_add_int(&m_encoder, name, value); }
    void addInt64(const char *name, qint64 value) { pps_encoder_add_int64(&m_encoder, name, value); }
    void addBool(const char *name, bool value) { pps_encoder_add_bool(&m_encoder, name, value); }
    // Not-a-number values are left out: JSON has no form for them.
    void addNumber(const char *name, double value)
    {
        if (!std::isnan(value))
            pps_encoder_add_double(&m_encoder, name, value);
    }

    QString text() const
    {
        if (pps_encoder_error(&m_encoder) != PPS_ENCODER_OK)
            return QString();
        const char *buffer = pps_encoder_buffer(&m_encoder);
        if (!buffer)
            return QString();
        return QString::fromUtf8(buffer, int(pps_encoder_length(&m_encoder)));
    }

private:
    pps_encoder_t m_encoder;
};

bool readString(const QJsonObject &object, const char *name, QString *value)
{
    const QJsonValue member = object.value(QLatin1String(name));
    if (!member.isString())
        return false;
    *value = carriedText(member.toString());
    return true;
}

bool readNumber(const QJsonObject &object, const char *name, double *value)
{
    const QJsonValue member = object.value(QLatin1String(name));
    if (!member.isDouble() || std::isnan(member.toDouble()))
        return false;
    *value = member.toDouble();
    return true;
}

// An integral JSON number within the 64-bit range; anything else is no id.
bool readId(const QJsonObject &object, qint64 *id)
{
    const QJsonValue member = object.value(QLatin1String("id"));
    if (!member.isDouble())
        return false;
    const double value = member.toDouble();
    if (!std::isfinite(value) || std::trunc(value) != value || value < -9.2e18 || value > 9.2e18)
        return false;
    *id = static_cast<qint64>(value);
    return true;
}

} // namespace

QString JsonUtils::encodeSelectedPlaceToJson(const SelectedPlace *place)
{
    if (!place)
        return QString();
    QString label = place->addressLabel();
    label.replace(QRegExp(QStringLiteral("[\n\r]")), QStringLiteral(" "));
    const QString name = place->name();

    JsonEncoder encoder;
    encoder.startObject(nullptr);
    encoder.startObject("selected_place");
    encoder.addBool("is_physical_location", place->isPhysicalLocation());
    encoder.addInt("id", place->id());
    encoder.addString("name", name.isEmpty() ? label : name);
    encoder.addString("description", place->description());
    encoder.addString("alternative_name", place->alternativeName());
    encoder.addString("street", place->street());
    encoder.addString("city", place->city());
    encoder.addString("region", place->region());
    encoder.addString("country", place->country());
    encoder.addString("postal", place->postal());
    encoder.addString("address_label", label);
    encoder.addString("phone", place->phone());
    encoder.addString("phone2", place->secondaryPhone());
    encoder.addString("fax", place->fax());
    encoder.addString("url", place->url().toString());
    encoder.addNumber("rating", place->rating());
    encoder.addString("map_url", place->mapURL().toString());
    encoder.addNumber("latitude", place->latitude());
    encoder.addNumber("longitude", place->longitude());
    encoder.addNumber("altitude", place->altitude());
    encoder.addNumber("horizontalAccuracy", place->horizontalAccuracy());
    encoder.addNumber("verticalAccuracy", place->verticalAccuracy());
    encoder.endObject();
    encoder.endObject();
    return encoder.text();
}

SelectedPlace *JsonUtils::decodeSelectedPlaceFromJson(const QString &json)
{
    const QByteArray utf8 = json.toUtf8();
    QJsonParseError error;
    error.error = QJsonParseError::IllegalValue;
    const QJsonDocument document = hx::pps::isPlainJson(utf8) ? QJsonDocument::fromJson(utf8, &error) : QJsonDocument();
    if (error.error != QJsonParseError::NoError || document.isNull()) {
        Log::warning() << "hx::trellan::places::JsonUtils::decodeSelectedPlaceFromJson() SelectedPlace JSON decoding "
                          "failed.\n";
        return nullptr;
    }
    if (!document.isObject()) {
        Log::warning() << "hx::trellan::places::JsonUtils::decodeSelectedPlaceFromJson()Could not descend into "
                          "SelectedPlace JSON object.\n";
        return nullptr;
    }
    const QJsonValue member = document.object().value(QLatin1String("selected_place"));
    if (!member.isObject())
        return nullptr;
    const QJsonObject object = member.toObject();

    qint64 id = -1;
    if (!readId(object, &id))
        Log::warning() << "Cannot parse place ID\n";

    QSharedPointer<Place> place(new Place());
    Address address;
    Coordinates coordinates;
    PointOfInterestAuxiliaryData poi;
    QString text;
    double number = 0;

    // "is_physical_location", "phone2" and "map_url" are not carried back.
    if (readString(object, "name", &text))
        place->setName(text);
    if (readString(object, "description", &text))
        place->setDescription(text);
    if (readString(object, "alternative_name", &text))
        poi.setName(text);
    if (readString(object, "phone", &text))
        poi.setPhoneNumber(text);
    if (readString(object, "fax", &text))
        poi.setFax(text);
    if (readString(object, "url", &text))
        poi.setUrl(QUrl(text));
    if (readNumber(object, "rating", &number))
        poi.setRating(number);
    if (readString(object, "street", &text))
        address.setStreet(text);
    if (readString(object, "city", &text))
        address.setCity(text);
    if (readString(object, "region", &text))
        address.setRegion(text);
    if (readString(object, "country", &text))
        address.setCountry(text);
    if (readString(object, "postal", &text))
        address.setPostalCode(text);
    if (readString(object, "address_label", &text))
        address.setLabel(text);
    if (readNumber(object, "latitude", &number))
        coordinates.setLatitude(number);
    if (readNumber(object, "longitude", &number))
        coordinates.setLongitude(number);
    if (readNumber(object, "altitude", &number))
        coordinates.setAltitude(number);
    if (readNumber(object, "horizontalAccuracy", &number))
        coordinates.setHorizontalAccuracy(static_cast<float>(number));
    if (readNumber(object, "verticalAccuracy", &number))
        coordinates.setVerticalAccuracy(static_cast<float>(number));

    if (id < 0)
        return nullptr;
    place->addAuxiliaryData(poi);
    place->addLocation(Location(coordinates, address));
    return SelectedPlacePrivate::placeToSelectedPlace(place, id);
}

QString JsonUtils::encodePlaceViewerJson(long id, PlaceViewMode::Type mode)
{
    JsonEncoder encoder;
    encoder.startObject(nullptr);
    encoder.startObject("place_viewer");
    encoder.addInt64("id", id);
    encoder.addInt("view_mode", int(mode));
    encoder.endObject();
    encoder.endObject();
    return encoder.text();
}

} // namespace places
} // namespace trellan
} // namespace hx
