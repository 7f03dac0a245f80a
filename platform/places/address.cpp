#include <hx/platform/places/address.h>

#include <initializer_list>

#include "bytes_p.h"

namespace hx {
namespace platform {
namespace places {

namespace {
// Every row of a list builds its places' one-line addresses: no list of the parts is made.
QString joinNonEmpty(std::initializer_list<QString> parts, QLatin1String separator)
{
    QString joined;
    for (const QString &part : parts) {
        const QString trimmed = part.trimmed();
        if (trimmed.isEmpty())
            continue;
        if (!joined.isEmpty())
            joined += separator;
        joined += trimmed;
    }
    return joined;
}
} // namespace

bool Address::isEmpty() const
{
    return m_street.isEmpty() && m_city.isEmpty() && m_region.isEmpty() && m_country.isEmpty()
        && m_countryCode.isEmpty() && m_isoAlpha2CountryCode.isEmpty() && m_postalCode.isEmpty() && m_label.isEmpty()
        && m_extendedAddressLines.isEmpty();
}

QStringList Address::compactAddressLines() const
{
    const QString regionAndPostal = joinNonEmpty({ m_region, m_postalCode }, QLatin1String(" "));
    const QString second = joinNonEmpty({ m_city, regionAndPostal, m_country }, QLatin1String(", "));
    QStringList lines;
    if (!m_street.trimmed().isEmpty())
        lines.append(m_street.trimmed());
    if (!second.isEmpty())
        lines.append(second);
    return lines;
}

QString Address::oneLine() const
{
    const QString parts = joinNonEmpty({ m_street, m_city, m_region, m_postalCode, m_country }, QLatin1String(", "));
    return parts.isEmpty() ? m_label.trimmed() : parts;
}

bool Address::operator==(const Address &other) const
{
    return m_street == other.m_street && m_city == other.m_city && m_region == other.m_region
        && m_country == other.m_country && m_countryCode == other.m_countryCode
        && m_isoAlpha2CountryCode == other.m_isoAlpha2CountryCode && m_postalCode == other.m_postalCode
        && m_label == other.m_label && m_extendedAddressLines == other.m_extendedAddressLines;
}

QDataStream &operator<<(QDataStream &out, const Address &address)
{
    out << address.street() << address.city() << address.region() << address.country() << address.countryCode()
        << address.isoAlpha2CountryCode() << address.postalCode() << address.label();
    Bytes::writeStrings(out, address.extendedAddressLines());
    return out;
}

QDataStream &operator>>(QDataStream &in, Address &address)
{
    QString street, city, region, country, countryCode, alpha2, postalCode, label;
    QStringList lines;
    in >> street >> city >> region >> country >> countryCode >> alpha2 >> postalCode >> label;
    Bytes::readStrings(in, lines);
    address = Address();
    address.setStreet(street);
    address.setCity(city);
    address.setRegion(region);
    address.setCountry(country);
    address.setCountryCode(countryCode);
    address.setIsoAlpha2CountryCode(alpha2);
    address.setPostalCode(postalCode);
    address.setLabel(label);
    address.setExtendedAddressLines(lines);
    return in;
}

} // namespace places
} // namespace platform
} // namespace hx
