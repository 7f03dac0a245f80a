#ifndef HX_PLATFORM_PLACES_ADDRESS_H
#define HX_PLATFORM_PLACES_ADDRESS_H

#include <QtCore/QDataStream>
#include <QtCore/QMetaType>
#include <QtCore/QString>
#include <QtCore/QStringList>

namespace hx {
namespace platform {
namespace places {

// A postal address. countryCode() is ISO 3166-1 alpha-3, isoAlpha2CountryCode() alpha-2.
class Address
{
public:
    Address() = default;

    QString street() const { return m_street; }
    QString city() const { return m_city; }
    QString region() const { return m_region; }
    QString country() const { return m_country; }
    QString countryCode() const { return m_countryCode; }
    QString isoAlpha2CountryCode() const { return m_isoAlpha2CountryCode; }
    QString postalCode() const { return m_postalCode; }
    QString label() const { return m_label; }
    QStringList extendedAddressLines() const { return m_extendedAddressLines; }
    void setStreet(const QString &street) { m_street = street; }
    void setCity(const QString &city) { m_city = city; }
    void setRegion(const QString &region) { m_region = region; }
    void setCountry(const QString &country) { m_country = country; }
    void setCountryCode(const QString &code) { m_countryCode = code; }
    void setIsoAlpha2CountryCode(const QString &code) { m_isoAlpha2CountryCode = code; }
    void setPostalCode(const QString &postalCode) { m_postalCode = postalCode; }
    void setLabel(const QString &label) { m_label = label; }
    void setExtendedAddressLines(const QStringList &lines) { m_extendedAddressLines = lines; }

    // No member holds text.
    bool isEmpty() const;

    // Up to two display lines: the street, then "city, region postal code, country". A missing
    // street moves the second line up; an address without parts has no lines.
    QStringList compactAddressLines() const;
    // The parts on one line, separated by ", ": the label stands in when it is the only text.
    QString oneLine() const;

    bool operator==(const Address &other) const;
    bool operator!=(const Address &other) const { return !(*this == other); }

private:
    QString m_street;
    QString m_city;
    QString m_region;
    QString m_country;
    QString m_countryCode;
    QString m_isoAlpha2CountryCode;
    QString m_postalCode;
    QString m_label;
    QStringList m_extendedAddressLines;
};

QDataStream &operator<<(QDataStream &out, const Address &address);
QDataStream &operator>>(QDataStream &in, Address &address);

} // namespace places
} // namespace platform
} // namespace hx

Q_DECLARE_METATYPE(hx::platform::places::Address)

#endif
