#ifndef HX_PLATFORM_PLACES_CONTACTSTORE_H
#define HX_PLATFORM_PLACES_CONTACTSTORE_H

#include <hx/platform/places/contactentry.h>
#include <hx/platform/places/error.h>

#include <QtCore/QList>

namespace hx {
namespace platform {
namespace places {

// The contacts kept in the user's store file (HX_PLACES_DB), for the contacts service and for
// fixtures. Their postal addresses are what the contact group of a search finds.
class ContactStore
{
public:
    ContactStore();

    // Stores a new contact; sets its id and its addresses' ids.
    Error::Type addContact(ContactEntry &contact);
    Error::Type removeContact(qint64 id);
    // Every contact in name order.
    QList<ContactEntry> contacts(Error::Type *error = nullptr) const;
    // One contact; an entry with id -1 and NotFound when there is none.
    ContactEntry contact(qint64 id, Error::Type *error = nullptr) const;
};

} // namespace places
} // namespace platform
} // namespace hx

#endif
