#include <hx/platform/places/abstractplace.h>
#include <hx/platform/places/contactauxiliarydata.h>
#include <hx/platform/places/pointofinterestauxiliarydata.h>
#include <hx/platform/places/tags.h>

#include <QtCore/QUrlQuery>

#include "abstractplace_p.h"

namespace hx {
namespace platform {
namespace places {

AbstractPlace::AbstractPlace() : d(new AbstractPlaceData) { }
AbstractPlace::AbstractPlace(const AbstractPlace &other) = default;
AbstractPlace &AbstractPlace::operator=(const AbstractPlace &other) = default;
AbstractPlace::~AbstractPlace() = default;

qint64 AbstractPlace::id() const
{
    return d->id;
}
void AbstractPlace::setId(qint64 id)
{
    d->id = id;
}
QString AbstractPlace::name() const
{
    return d->name;
}
void AbstractPlace::setName(const QString &name)
{
    d->name = name;
}
QString AbstractPlace::description() const
{
    return d->description;
}
void AbstractPlace::setDescription(const QString &description)
{
    d->description = description;
}
AbstractPlace::Source AbstractPlace::source() const
{
    return static_cast<Source>(d->source);
}
void AbstractPlace::setSource(Source source)
{
    d->source = source;
}
qint64 AbstractPlace::lastUsedTime() const
{
    return d->lastUsedTime;
}
void AbstractPlace::setLastUsedTime(qint64 seconds)
{
    d->lastUsedTime = seconds;
}
int AbstractPlace::certainty() const
{
    return d->certainty;
}
void AbstractPlace::setCertainty(int certainty)
{
    d->certainty = certainty;
}
int AbstractPlace::securityPerimeter() const
{
    return d->securityPerimeter;
}
void AbstractPlace::setSecurityPerimeter(int perimeter)
{
    d->securityPerimeter = perimeter;
}

bool AbstractPlace::isPersisted() const
{
    return d->id >= 1;
}

bool AbstractPlace::isFavorite() const
{
    return hasTag(QLatin1String(Tags::Favorite));
}

QStringList AbstractPlace::tags() const
{
    return d->tags;
}
bool AbstractPlace::hasTag(const QString &tag) const
{
    return d->tags.contains(tag);
}
int AbstractPlace::tagCount() const
{
    return d->tags.size();
}
QString AbstractPlace::tag(int index) const
{
    return d->tags.value(index);
}
void AbstractPlace::addTag(const QString &tag)
{
    if (!tag.isEmpty() && !d->tags.contains(tag))
        d->tags.append(tag);
}
void AbstractPlace::removeTag(const QString &tag)
{
    d->tags.removeAll(tag);
}
void AbstractPlace::setTags(const QStringList &tags)
{
    d->tags.clear();
    for (const QString &tag : tags)
        addTag(tag);
}

QList<AuxiliaryData> AbstractPlace::auxiliaryData() const
{
    return d->auxiliaryData;
}
bool AbstractPlace::hasAuxiliaryData() const
{
    return !d->auxiliaryData.isEmpty();
}
bool AbstractPlace::hasAuxiliaryData(const QString &type) const
{
    for (const AuxiliaryData &data : d->auxiliaryData) {
        if (data.type() == type)
            return true;
    }
    return false;
}
AuxiliaryData AbstractPlace::firstAuxiliaryData(const QString &type) const
{
    for (const AuxiliaryData &data : d->auxiliaryData) {
        if (data.type() == type)
            return data;
    }
    return AuxiliaryData();
}

QList<Location> AbstractPlace::locations() const
{
    return d->locations;
}
int AbstractPlace::locationCount() const
{
    return d->locations.size();
}
Location AbstractPlace::location(int index) const
{
    return d->locations.value(index);
}

Address AbstractPlace::primaryAddress() const
{
    return location(0).address();
}

Coordinates AbstractPlace::primaryCoordinates() const
{
    return location(0).coordinates();
}

QString AbstractPlace::primaryLocation() const
{
    const Address address = primaryAddress();
    return address.label().isEmpty() ? address.oneLine() : address.label();
}

QString AbstractPlace::primaryPhoneNumber() const
{
    const QString poiPhone
        = PointOfInterestAuxiliaryData(firstAuxiliaryData(QLatin1String(AuxiliaryData::TypePointOfInterest)))
              .phoneNumber();
    if (!poiPhone.isEmpty())
        return poiPhone;
    const ContactAuxiliaryData contact(firstAuxiliaryData(QLatin1String(AuxiliaryData::TypeContact)));
    for (const QString &phone : { contact.mobilePhone(), contact.homePhone(), contact.workPhone() }) {
        if (!phone.isEmpty())
            return phone;
    }
    return QString();
}

QString AbstractPlace::primaryEmailAddress() const
{
    const QString poiEmail
        = PointOfInterestAuxiliaryData(firstAuxiliaryData(QLatin1String(AuxiliaryData::TypePointOfInterest)))
              .emailAddress();
    if (!poiEmail.isEmpty())
        return poiEmail;
    return ContactAuxiliaryData(firstAuxiliaryData(QLatin1String(AuxiliaryData::TypeContact))).emailAddress();
}

QString AbstractPlace::primaryUrl() const
{
    const QUrl poiUrl
        = PointOfInterestAuxiliaryData(firstAuxiliaryData(QLatin1String(AuxiliaryData::TypePointOfInterest))).url();
    if (!poiUrl.isEmpty())
        return poiUrl.toString();
    return ContactAuxiliaryData(firstAuxiliaryData(QLatin1String(AuxiliaryData::TypeContact))).url().toString();
}

bool AbstractPlace::hasCoordinates() const
{
    return primaryCoordinates().isValid();
}

bool AbstractPlace::hasPhysicalLocation() const
{
    for (const Location &location : d->locations) {
        if (location.coordinates().isValid() || !location.address().isEmpty())
            return true;
    }
    return false;
}

// QUrlQuery takes "%41" in a value for an encoded "A", so a "%" of a text is written encoded itself.
static QString literalQueryValue(const QString &text)
{
    return QString(text).replace(QLatin1Char('%'), QLatin1String("%25"));
}

QUrl AbstractPlace::mapUrl() const
{
    if (!d->mapUrl.isEmpty())
        return d->mapUrl;
    QUrl url(QStringLiteral("hxplaces:place"));
    QUrlQuery query;
    if (d->id >= 1)
        query.addQueryItem(QStringLiteral("id"), QString::number(d->id));
    if (!d->name.isEmpty())
        query.addQueryItem(QStringLiteral("name"), literalQueryValue(d->name));
    const Coordinates coordinates = primaryCoordinates();
    if (coordinates.isValid()) {
        query.addQueryItem(QStringLiteral("lat"), QString::number(coordinates.latitude(), 'f', 7));
        query.addQueryItem(QStringLiteral("lon"), QString::number(coordinates.longitude(), 'f', 7));
    }
    const QString label = primaryLocation();
    if (!label.isEmpty())
        query.addQueryItem(QStringLiteral("label"), literalQueryValue(label));
    url.setQuery(query);
    return url;
}

void AbstractPlace::setMapUrl(const QUrl &url)
{
    d->mapUrl = url;
}

bool AbstractPlace::equals(const AbstractPlace &other) const
{
    return d->id == other.d->id && d->name == other.d->name && d->description == other.d->description
        && d->source == other.d->source && d->lastUsedTime == other.d->lastUsedTime
        && d->certainty == other.d->certainty && d->securityPerimeter == other.d->securityPerimeter
        && d->mapUrl == other.d->mapUrl && d->tags == other.d->tags && d->locations == other.d->locations
        && d->auxiliaryData == other.d->auxiliaryData;
}

} // namespace places
} // namespace platform
} // namespace hx
