#include <hx/platform/places/reviewauxiliarydata.h>

#include <QtCore/QtNumeric>

namespace hx {
namespace platform {
namespace places {

ReviewAuxiliaryData::ReviewAuxiliaryData() : AuxiliaryData(QLatin1String(TypeReview)) { }

ReviewAuxiliaryData::ReviewAuxiliaryData(const AuxiliaryData &data) : AuxiliaryData(data)
{
    setType(QLatin1String(TypeReview));
}

QString ReviewAuxiliaryData::abstract() const
{
    return property(QStringLiteral("abstract")).toString();
}

void ReviewAuxiliaryData::setAbstract(const QString &value)
{
    setProperty(QStringLiteral("abstract"), value.isEmpty() ? QVariant() : QVariant(value));
}

double ReviewAuxiliaryData::rating() const
{
    const QVariant value = property(QStringLiteral("rating"));
    return value.isValid() ? value.toDouble() : qQNaN();
}

void ReviewAuxiliaryData::setRating(double value)
{
    setProperty(QStringLiteral("rating"), qIsNaN(value) ? QVariant() : QVariant(value));
}

QString ReviewAuxiliaryData::userName() const
{
    return property(QStringLiteral("userName")).toString();
}

void ReviewAuxiliaryData::setUserName(const QString &value)
{
    setProperty(QStringLiteral("userName"), value.isEmpty() ? QVariant() : QVariant(value));
}

qint64 ReviewAuxiliaryData::creationTime() const
{
    const QVariant value = property(QStringLiteral("creationTime"));
    return value.isValid() ? value.toLongLong() : -1;
}

void ReviewAuxiliaryData::setCreationTime(qint64 value)
{
    setProperty(QStringLiteral("creationTime"), value);
}

QUrl ReviewAuxiliaryData::url() const
{
    return QUrl(property(QStringLiteral("url")).toString());
}

void ReviewAuxiliaryData::setUrl(const QUrl &value)
{
    setProperty(QStringLiteral("url"), value.isEmpty() ? QVariant() : QVariant(value.toString()));
}

} // namespace places
} // namespace platform
} // namespace hx
