#include <hx/platform/places/auxiliarydata.h>

#include "bytes_p.h"

namespace hx {
namespace platform {
namespace places {

AuxiliaryData::AuxiliaryData(const QString &type, const Provider &provider, const QString &externalId)
    : m_type(type), m_provider(provider), m_externalId(externalId)
{ }

AuxiliaryData::~AuxiliaryData() = default;

void AuxiliaryData::setProperty(const QString &name, const QVariant &value)
{
    // An unset value removes the property, so "not set" has one form in the byte form too.
    if (value.isValid())
        m_properties.insert(name, value);
    else
        m_properties.remove(name);
}

bool AuxiliaryData::isEmpty() const
{
    return m_type.isEmpty() && m_provider.isEmpty() && m_externalId.isEmpty() && m_properties.isEmpty();
}

bool AuxiliaryData::operator==(const AuxiliaryData &other) const
{
    return m_type == other.m_type && m_provider == other.m_provider && m_externalId == other.m_externalId
        && m_properties == other.m_properties;
}

QDataStream &operator<<(QDataStream &out, const AuxiliaryData &data)
{
    out << data.type() << data.provider().name() << data.externalId();
    Bytes::writeMap(out, data.properties());
    return out;
}

QDataStream &operator>>(QDataStream &in, AuxiliaryData &data)
{
    QString type, provider, externalId;
    QVariantMap properties;
    in >> type >> provider >> externalId;
    Bytes::readMap(in, properties);
    data = AuxiliaryData(type, Provider(provider), externalId);
    data.setProperties(properties);
    return in;
}

} // namespace places
} // namespace platform
} // namespace hx
