#include <hx/platform/places/pointofinterestauxiliarydata.h>

#include <QtCore/QtNumeric>

namespace hx {
namespace platform {
namespace places {

namespace {
const QString KeyName = QStringLiteral("name");
const QString KeyPhone = QStringLiteral("phone");
const QString KeyFax = QStringLiteral("fax");
const QString KeyUrl = QStringLiteral("url");
const QString KeyEmail = QStringLiteral("email");
const QString KeyRating = QStringLiteral("rating");
const QString KeyRatingCount = QStringLiteral("ratingCount");
const QString KeyHours = QStringLiteral("openingHours");
const QString KeyUtcOffset = QStringLiteral("utcOffsetSeconds");
const QString KeyParking = QStringLiteral("parking");
const QString KeyReservation = QStringLiteral("reservation");
const QString KeyPriceRange = QStringLiteral("priceRange");
const QString KeyPayment = QStringLiteral("paymentMethods");
const QString KeyHoursString = QStringLiteral("openingHoursString");
const QString KeyCategories = QStringLiteral("categories");

QVariant textValue(const QString &text)
{
    return text.isEmpty() ? QVariant() : QVariant(text);
}
} // namespace

PointOfInterestAuxiliaryData::PointOfInterestAuxiliaryData() : AuxiliaryData(QLatin1String(TypePointOfInterest)) { }

PointOfInterestAuxiliaryData::PointOfInterestAuxiliaryData(const AuxiliaryData &data) : AuxiliaryData(data)
{
    setType(QLatin1String(TypePointOfInterest));
}

QString PointOfInterestAuxiliaryData::name() const
{
    return property(KeyName).toString();
}
QString PointOfInterestAuxiliaryData::phoneNumber() const
{
    return property(KeyPhone).toString();
}
QString PointOfInterestAuxiliaryData::fax() const
{
    return property(KeyFax).toString();
}
QUrl PointOfInterestAuxiliaryData::url() const
{
    return QUrl(property(KeyUrl).toString());
}
QString PointOfInterestAuxiliaryData::emailAddress() const
{
    return property(KeyEmail).toString();
}
double PointOfInterestAuxiliaryData::rating() const
{
    const QVariant value = property(KeyRating);
    return value.isValid() ? value.toDouble() : qQNaN();
}
int PointOfInterestAuxiliaryData::ratingCount() const
{
    return property(KeyRatingCount).toInt();
}
int PointOfInterestAuxiliaryData::utcOffsetSeconds() const
{
    return property(KeyUtcOffset).toInt();
}
QString PointOfInterestAuxiliaryData::parking() const
{
    return property(KeyParking).toString();
}
QString PointOfInterestAuxiliaryData::reservation() const
{
    return property(KeyReservation).toString();
}
QString PointOfInterestAuxiliaryData::priceRange() const
{
    return property(KeyPriceRange).toString();
}
QString PointOfInterestAuxiliaryData::paymentMethods() const
{
    return property(KeyPayment).toString();
}
QString PointOfInterestAuxiliaryData::openingHoursString() const
{
    return property(KeyHoursString).toString();
}

// Opening hours are kept as plain variants (day number -> list of [h, m, h, m]) so that the
// byte form needs no custom stream operators.
PointOfInterestAuxiliaryData::OpeningHours PointOfInterestAuxiliaryData::openingHours() const
{
    OpeningHours hours;
    const QVariantMap days = property(KeyHours).toMap();
    for (auto it = days.constBegin(); it != days.constEnd(); ++it) {
        bool ok = false;
        const int day = it.key().toInt(&ok);
        if (!ok || day < DayOfWeek::Sunday || day > DayOfWeek::Saturday)
            continue;
        QList<TimeRange> ranges;
        for (const QVariant &entry : it.value().toList()) {
            const QVariantList parts = entry.toList();
            if (parts.size() == 4)
                ranges.append(TimeRange(parts[0].toInt(), parts[1].toInt(), parts[2].toInt(), parts[3].toInt()));
        }
        hours.insert(static_cast<DayOfWeek::Type>(day), ranges);
    }
    return hours;
}

void PointOfInterestAuxiliaryData::setOpeningHours(const OpeningHours &hours)
{
    QVariantMap days;
    for (auto it = hours.constBegin(); it != hours.constEnd(); ++it) {
        QVariantList ranges;
        for (const TimeRange &range : it.value())
            ranges.append(
                QVariant(QVariantList { range.startHour(), range.startMinute(), range.endHour(), range.endMinute() }));
        days.insert(QString::number(int(it.key())), ranges);
    }
    setProperty(KeyHours, days.isEmpty() ? QVariant() : QVariant(days));
}

QList<Category> PointOfInterestAuxiliaryData::categories() const
{
    QList<Category> categories;
    for (const QVariant &entry : property(KeyCategories).toList()) {
        const QVariantMap map = entry.toMap();
        categories.append(Category(map.value(QStringLiteral("code")).toString(),
                                   map.value(QStringLiteral("name")).toString(),
                                   map.value(QStringLiteral("children")).toStringList()));
    }
    return categories;
}

void PointOfInterestAuxiliaryData::setCategories(const QList<Category> &categories)
{
    QVariantList list;
    for (const Category &category : categories) {
        QVariantMap map;
        map.insert(QStringLiteral("code"), category.code());
        map.insert(QStringLiteral("name"), category.name());
        QVariantList children;
        for (const QString &child : category.childCodes())
            children.append(child);
        map.insert(QStringLiteral("children"), children);
        list.append(map);
    }
    setProperty(KeyCategories, list.isEmpty() ? QVariant() : QVariant(list));
}

void PointOfInterestAuxiliaryData::setName(const QString &name)
{
    setProperty(KeyName, textValue(name));
}
void PointOfInterestAuxiliaryData::setPhoneNumber(const QString &phone)
{
    setProperty(KeyPhone, textValue(phone));
}
void PointOfInterestAuxiliaryData::setFax(const QString &fax)
{
    setProperty(KeyFax, textValue(fax));
}
void PointOfInterestAuxiliaryData::setUrl(const QUrl &url)
{
    setProperty(KeyUrl, textValue(url.toString()));
}
void PointOfInterestAuxiliaryData::setEmailAddress(const QString &email)
{
    setProperty(KeyEmail, textValue(email));
}
void PointOfInterestAuxiliaryData::setRating(double rating)
{
    setProperty(KeyRating, qIsNaN(rating) ? QVariant() : QVariant(rating));
}
void PointOfInterestAuxiliaryData::setRatingCount(int count)
{
    setProperty(KeyRatingCount, count);
}
void PointOfInterestAuxiliaryData::setUtcOffsetSeconds(int seconds)
{
    setProperty(KeyUtcOffset, seconds);
}
void PointOfInterestAuxiliaryData::setParking(const QString &text)
{
    setProperty(KeyParking, textValue(text));
}
void PointOfInterestAuxiliaryData::setReservation(const QString &text)
{
    setProperty(KeyReservation, textValue(text));
}
void PointOfInterestAuxiliaryData::setPriceRange(const QString &text)
{
    setProperty(KeyPriceRange, textValue(text));
}
void PointOfInterestAuxiliaryData::setPaymentMethods(const QString &text)
{
    setProperty(KeyPayment, textValue(text));
}
void PointOfInterestAuxiliaryData::setOpeningHoursString(const QString &text)
{
    setProperty(KeyHoursString, textValue(text));
}

} // namespace places
} // namespace platform
} // namespace hx
