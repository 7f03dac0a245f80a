#ifndef HX_PIM_CONTACTS_CONTACTPOSTALADDRESS_H
#define HX_PIM_CONTACTS_CONTACTPOSTALADDRESS_H

#include <QtCore/QMetaType>
#include <QtCore/QString>

namespace hx {
namespace pim {
namespace contacts {

// One postal address of a contact. The label is what the user named it (may be empty).
class ContactPostalAddress
{
public:
    int id() const { return m_id; }
    void setId(int id) { m_id = id; }
    QString label() const { return m_label; }
    void setLabel(const QString &label) { m_label = label; }
    QString line1() const { return m_line1; }
    void setLine1(const QString &line) { m_line1 = line; }
    QString line2() const { return m_line2; }
    void setLine2(const QString &line) { m_line2 = line; }
    QString city() const { return m_city; }
    void setCity(const QString &city) { m_city = city; }
    QString region() const { return m_region; }
    void setRegion(const QString &region) { m_region = region; }
    QString country() const { return m_country; }
    void setCountry(const QString &country) { m_country = country; }
    QString postalCode() const { return m_postalCode; }
    void setPostalCode(const QString &postalCode) { m_postalCode = postalCode; }

    // Valid when it holds an address: any of the lines, city, region, country or postal code
    // is not blank. A label alone is not an address.
    bool isValid() const;

    bool operator==(const ContactPostalAddress &other) const;
    bool operator!=(const ContactPostalAddress &other) const { return !(*this == other); }

private:
    int m_id = 0;
    QString m_label;
    QString m_line1;
    QString m_line2;
    QString m_city;
    QString m_region;
    QString m_country;
    QString m_postalCode;
};

} // namespace contacts
} // namespace pim
} // namespace hx

Q_DECLARE_METATYPE(hx::pim::contacts::ContactPostalAddress)

#endif
