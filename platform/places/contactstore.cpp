#include <hx/platform/places/contactstore.h>

#include "placedatabase_p.h"

namespace hx {
namespace platform {
namespace places {

ContactStore::ContactStore() = default;

Error::Type ContactStore::addContact(ContactEntry &contact)
{
    Error::Type error = Error::None;
    PlaceDatabase *db = PlaceDatabase::forCurrentThread(&error);
    return db ? db->contacts().add(contact) : error;
}

Error::Type ContactStore::removeContact(qint64 id)
{
    Error::Type error = Error::None;
    PlaceDatabase *db = PlaceDatabase::forCurrentThread(&error);
    return db ? db->contacts().remove(id) : error;
}

QList<ContactEntry> ContactStore::contacts(Error::Type *error) const
{
    Error::Type local = Error::None;
    Error::Type *out = error ? error : &local;
    PlaceDatabase *db = PlaceDatabase::forCurrentThread(out);
    return db ? db->contacts().all(out) : QList<ContactEntry>();
}

ContactEntry ContactStore::contact(qint64 id, Error::Type *error) const
{
    Error::Type local = Error::None;
    Error::Type *out = error ? error : &local;
    PlaceDatabase *db = PlaceDatabase::forCurrentThread(out);
    return db ? db->contacts().contact(id, out) : ContactEntry();
}

} // namespace places
} // namespace platform
} // namespace hx
