#ifndef HX_PIM_CONTACTS_CONTACTFILE_P_H
#define HX_PIM_CONTACTS_CONTACTFILE_P_H

#include <hx/pim/contacts/contact.h>

#include <QtCore/QList>
#include <QtCore/QString>

struct sqlite3;

namespace hx {
namespace pim {
namespace contacts {

// The contacts' tables inside the place store's file:
//   contacts(id INTEGER PRIMARY KEY, account_id INTEGER, first_name TEXT, last_name TEXT,
//            display_name TEXT)
//   contact_postal_addresses(id INTEGER PRIMARY KEY, contact_id INTEGER REFERENCES
//            contacts(id) ON DELETE CASCADE, position INTEGER, label TEXT, line1 TEXT,
//            line2 TEXT, city TEXT, region TEXT, country TEXT, postal_code TEXT)
// One connection per object; every write is one transaction.
class ContactFile
{
public:
    enum Mode { ReadOnly, ReadWrite };

    ContactFile(const QString &path, Mode mode);
    ~ContactFile();
    ContactFile(const ContactFile &) = delete;
    ContactFile &operator=(const ContactFile &) = delete;

    bool isOpen() const { return m_db != nullptr; }
    QString errorString() const { return m_error; }

    // All contacts (id 0) or the one with that id, by id.
    QList<Contact> read(ContactId id = 0);
    // Stores a new contact; returns it with the ids given, or an invalid contact.
    Contact insert(const Contact &contact);
    // Replaces a stored contact and its addresses; false when it is not stored.
    bool update(const Contact &contact);
    bool remove(ContactId id);

    // HX_PLACES_DB, or $XDG_DATA_HOME/hxplaces/places.db.
    static QString defaultPath();

private:
    bool hasTables();
    bool createTables();
    bool exec(const char *sql);
    bool writeAddresses(ContactId id, const QList<ContactPostalAddress> &addresses);
    QList<ContactPostalAddress> readAddresses(ContactId id);
    bool fail(const char *what);

    sqlite3 *m_db = nullptr;
    QString m_error;
};

} // namespace contacts
} // namespace pim
} // namespace hx

#endif
