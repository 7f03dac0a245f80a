#ifndef HX_PIM_CONTACTS_CONTACTSERVICE_H
#define HX_PIM_CONTACTS_CONTACTSERVICE_H

#include <hx/pim/contacts/contact.h>

#include <QtCore/QList>
#include <QtCore/QObject>

namespace hx {
namespace pim {
namespace contacts {

// The phone's contacts, kept in the place store's file (HX_PLACES_DB) and read through the
// store's contact API. Changes made through any service of the process are announced by
// every service: contactsAdded, contactsChanged, contactsDeleted with the ids.
class ContactService : public QObject
{
    Q_OBJECT
public:
    explicit ContactService(QObject *parent = nullptr);
    ~ContactService() override;

    // The contact with its postal addresses, or an invalid contact (id 0) when there is none
    // or the file cannot be read.
    Contact contactDetails(ContactId id) const;
    // Every contact, by id.
    QList<Contact> contacts() const;

    // Stores a new contact; returns it with its ids, or an invalid contact on failure.
    Contact createContact(const Contact &contact);
    bool deleteContact(ContactId id);
    // For whoever changed contacts in the store behind the service's back (an editor card):
    // every service emits contactsChanged(ids).
    static void notifyContactsChanged(const QList<int> &ids);

signals:
    void contactsAdded(const QList<int> &ids);
    void contactsChanged(const QList<int> &ids);
    void contactsDeleted(const QList<int> &ids);
};

} // namespace contacts
} // namespace pim
} // namespace hx

#endif
