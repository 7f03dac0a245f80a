#include <hx/pim/contacts/contactpostaladdress.h>

namespace hx {
namespace pim {
namespace contacts {

bool ContactPostalAddress::isValid() const
{
    for (const QString *field : { &m_line1, &m_line2, &m_city, &m_region, &m_country, &m_postalCode }) {
        if (!field->trimmed().isEmpty())
            return true;
    }
    return false;
}

bool ContactPostalAddress::operator==(const ContactPostalAddress &other) const
{
    return m_id == other.m_id && m_label == other.m_label && m_line1 == other.m_line1 && m_line2 == other.m_line2
        && m_city == other.m_city && m_region == other.m_region && m_country == other.m_country
        && m_postalCode == other.m_postalCode;
}

} // namespace contacts
} // namespace pim
} // namespace hx
