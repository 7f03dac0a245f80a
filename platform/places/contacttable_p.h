#ifndef HX_PLATFORM_PLACES_CONTACTTABLE_P_H
#define HX_PLATFORM_PLACES_CONTACTTABLE_P_H

#include <hx/platform/places/contactentry.h>
#include <hx/platform/places/error.h>

#include <QtCore/QList>

#include "placetable_p.h"

namespace hx {
namespace platform {
namespace places {

class PlaceDatabase;

// The contacts kept in the store, with their phones, e-mail addresses and postal addresses;
// each postal address is listed and searched like a place.
class ContactTable
{
public:
    explicit ContactTable(PlaceDatabase &db) : m_db(db) { }

    // Stores a new contact; sets its id and its addresses' ids.
    Error::Type add(ContactEntry &contact);
    Error::Type remove(qint64 id);
    // Every contact in name order.
    QList<ContactEntry> all(Error::Type *error);
    ContactEntry contact(qint64 id, Error::Type *error);
    // Postal-address ids of contacts matching text: by relevance (as places) or in name order.
    QList<qint64> findAddresses(const QString &text, PlaceTable::Order order, bool descending, int offset, int limit,
                                bool *hasMore, Error::Type *error);
    // The contact and address of a postal-address id; false when there is none.
    bool addressOf(qint64 addressId, ContactEntry *contact, ContactEntry::PostalAddress *address);

    // Makes every name key and word list again from the stored contacts.
    Error::Type refold();

private:
    Error::Type insertContact(ContactEntry *contact);
    Error::Type insertDetails(const ContactEntry &contact);
    Error::Type insertAddresses(ContactEntry *contact);

    PlaceDatabase &m_db;
};

} // namespace places
} // namespace platform
} // namespace hx

#endif
