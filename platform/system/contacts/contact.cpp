#include <hx/pim/contacts/contact.h>

#include <QtCore/QStringList>

namespace hx {
namespace pim {
namespace contacts {

QString Contact::fullName() const
{
    if (!m_displayName.isEmpty())
        return m_displayName;
    QStringList parts;
    if (!m_firstName.isEmpty())
        parts << m_firstName;
    if (!m_lastName.isEmpty())
        parts << m_lastName;
    return parts.join(QLatin1Char(' '));
}

bool Contact::operator==(const Contact &other) const
{
    return m_id == other.m_id && m_accountId == other.m_accountId && m_firstName == other.m_firstName
        && m_lastName == other.m_lastName && m_displayName == other.m_displayName
        && m_postalAddresses == other.m_postalAddresses;
}

} // namespace contacts
} // namespace pim
} // namespace hx
