#ifndef HX_PIM_CONTACTS_CONTACT_H
#define HX_PIM_CONTACTS_CONTACT_H

#include <hx/pim/contacts/contactpostaladdress.h>

#include <QtCore/QList>
#include <QtCore/QMetaType>
#include <QtCore/QString>

namespace hx {
namespace pim {
namespace contacts {

typedef int ContactId;
typedef int AccountId;

// A contact as the contacts service keeps it. A default contact (id 0) stands for "none".
class Contact
{
public:
    ContactId id() const { return m_id; }
    void setId(ContactId id) { m_id = id; }
    AccountId accountId() const { return m_accountId; }
    void setAccountId(AccountId accountId) { m_accountId = accountId; }
    QString firstName() const { return m_firstName; }
    void setFirstName(const QString &name) { m_firstName = name; }
    QString lastName() const { return m_lastName; }
    void setLastName(const QString &name) { m_lastName = name; }
    QString displayName() const { return m_displayName; }
    void setDisplayName(const QString &name) { m_displayName = name; }
    // The display name, or first and last name joined when there is none.
    QString fullName() const;

    QList<ContactPostalAddress> postalAddresses() const { return m_postalAddresses; }
    void setPostalAddresses(const QList<ContactPostalAddress> &addresses) { m_postalAddresses = addresses; }
    void addPostalAddress(const ContactPostalAddress &address) { m_postalAddresses.append(address); }

    bool isValid() const { return m_id > 0; }

    bool operator==(const Contact &other) const;
    bool operator!=(const Contact &other) const { return !(*this == other); }

private:
    ContactId m_id = 0;
    AccountId m_accountId = 0;
    QString m_firstName;
    QString m_lastName;
    QString m_displayName;
    QList<ContactPostalAddress> m_postalAddresses;
};

} // namespace contacts
} // namespace pim
} // namespace hx

Q_DECLARE_METATYPE(hx::pim::contacts::Contact)

#endif
