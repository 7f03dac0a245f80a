#include <hx/platform/places/contactauxiliarydata.h>

#include <QtCore/QtNumeric>

namespace hx {
namespace platform {
namespace places {

ContactAuxiliaryData::ContactAuxiliaryData() : AuxiliaryData(QLatin1String(TypeContact)) { }

ContactAuxiliaryData::ContactAuxiliaryData(const AuxiliaryData &data) : AuxiliaryData(data)
{
    setType(QLatin1String(TypeContact));
}

QString ContactAuxiliaryData::fullName() const
{
    return property(QStringLiteral("fullName")).toString();
}

void ContactAuxiliaryData::setFullName(const QString &value)
{
    setProperty(QStringLiteral("fullName"), value.isEmpty() ? QVariant() : QVariant(value));
}

qint64 ContactAuxiliaryData::contactId() const
{
    const QVariant value = property(QStringLiteral("contactId"));
    return value.isValid() ? value.toLongLong() : -1;
}

void ContactAuxiliaryData::setContactId(qint64 value)
{
    setProperty(QStringLiteral("contactId"), value);
}

qint64 ContactAuxiliaryData::accountId() const
{
    const QVariant value = property(QStringLiteral("accountId"));
    return value.isValid() ? value.toLongLong() : -1;
}

void ContactAuxiliaryData::setAccountId(qint64 value)
{
    setProperty(QStringLiteral("accountId"), value);
}

qint64 ContactAuxiliaryData::postalAddressId() const
{
    const QVariant value = property(QStringLiteral("postalAddressId"));
    return value.isValid() ? value.toLongLong() : -1;
}

void ContactAuxiliaryData::setPostalAddressId(qint64 value)
{
    setProperty(QStringLiteral("postalAddressId"), value);
}

QString ContactAuxiliaryData::workPhone() const
{
    return property(QStringLiteral("workPhone")).toString();
}

void ContactAuxiliaryData::setWorkPhone(const QString &value)
{
    setProperty(QStringLiteral("workPhone"), value.isEmpty() ? QVariant() : QVariant(value));
}

QString ContactAuxiliaryData::homePhone() const
{
    return property(QStringLiteral("homePhone")).toString();
}

void ContactAuxiliaryData::setHomePhone(const QString &value)
{
    setProperty(QStringLiteral("homePhone"), value.isEmpty() ? QVariant() : QVariant(value));
}

QString ContactAuxiliaryData::mobilePhone() const
{
    return property(QStringLiteral("mobilePhone")).toString();
}

void ContactAuxiliaryData::setMobilePhone(const QString &value)
{
    setProperty(QStringLiteral("mobilePhone"), value.isEmpty() ? QVariant() : QVariant(value));
}

QString ContactAuxiliaryData::emailAddress() const
{
    return property(QStringLiteral("emailAddress")).toString();
}

void ContactAuxiliaryData::setEmailAddress(const QString &value)
{
    setProperty(QStringLiteral("emailAddress"), value.isEmpty() ? QVariant() : QVariant(value));
}

QUrl ContactAuxiliaryData::url() const
{
    return QUrl(property(QStringLiteral("url")).toString());
}

void ContactAuxiliaryData::setUrl(const QUrl &value)
{
    setProperty(QStringLiteral("url"), value.isEmpty() ? QVariant() : QVariant(value.toString()));
}

QString ContactAuxiliaryData::notes() const
{
    return property(QStringLiteral("notes")).toString();
}

void ContactAuxiliaryData::setNotes(const QString &value)
{
    setProperty(QStringLiteral("notes"), value.isEmpty() ? QVariant() : QVariant(value));
}

QString ContactAuxiliaryData::photoPathOriginal() const
{
    return property(QStringLiteral("photoPathOriginal")).toString();
}

void ContactAuxiliaryData::setPhotoPathOriginal(const QString &value)
{
    setProperty(QStringLiteral("photoPathOriginal"), value.isEmpty() ? QVariant() : QVariant(value));
}

} // namespace places
} // namespace platform
} // namespace hx
