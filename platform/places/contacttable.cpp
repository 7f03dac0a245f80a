#include <sqlite3.h>

#include "contacttable_p.h"
#include "placedatabase_p.h"
#include "sqlstatement_p.h"
#include "textfolding_p.h"

namespace hx {
namespace platform {
namespace places {

namespace {
QStringList contactAddressWords(const ContactEntry &contact, const ContactEntry::PostalAddress &entry)
{
    QStringList words = TextFolding::words(contact.displayName());
    for (const QString &part : { entry.street, entry.city, entry.region, entry.postalCode, entry.label })
        words += TextFolding::words(part);
    words.removeDuplicates();
    return words;
}
} // namespace

Error::Type ContactTable::refold()
{
    QList<qint64> ids;
    if (!m_db.readIds("SELECT id FROM contacts ORDER BY id", &ids))
        return Error::StorageFailure;
    sqlite3_stmt *contactKey = m_db.statement("UPDATE contacts SET name_key = ?2 WHERE id = ?1");
    sqlite3_stmt *addressKey
        = m_db.statement("UPDATE contact_addresses SET name_key = ?2, search_text = ?3 WHERE id = ?1");
    if (!contactKey || !addressKey)
        return Error::StorageFailure;
    for (qint64 id : qAsConst(ids)) {
        Error::Type error = Error::None;
        const ContactEntry entry = contact(id, &error);
        if (error != Error::None)
            return error;
        const QString nameKey = TextFolding::fold(entry.displayName());
        {
            SqlStatement use(contactKey);
            sqlite3_bind_int64(contactKey, 1, id);
            SqlStatement::bindText(contactKey, 2, nameKey);
            if (sqlite3_step(contactKey) != SQLITE_DONE)
                return m_db.fail("refold contact");
        }
        for (const ContactEntry::PostalAddress &address : entry.addresses) {
            const QStringList words = contactAddressWords(entry, address);
            {
                SqlStatement use(addressKey);
                sqlite3_bind_int64(addressKey, 1, address.id);
                SqlStatement::bindText(addressKey, 2, nameKey);
                SqlStatement::bindText(addressKey, 3, words.join(QLatin1Char(' ')));
                if (sqlite3_step(addressKey) != SQLITE_DONE)
                    return m_db.fail("refold postal address");
            }
            error = m_db.words().replace(WordIndex::ContactWords, address.id, words);
            if (error != Error::None)
                return error;
        }
    }
    return Error::None;
}

Error::Type ContactTable::add(ContactEntry &contact)
{
    if (!m_db.beginWrite())
        return Error::StorageFailure;
    // The ids are handed back only once everything is committed.
    ContactEntry written(contact);
    Error::Type error = insertContact(&written);
    if (error == Error::None)
        error = insertDetails(written);
    if (error == Error::None)
        error = insertAddresses(&written);
    error = m_db.endWrite(error);
    if (error == Error::None)
        contact = written;
    return error;
}

Error::Type ContactTable::insertContact(ContactEntry *contact)
{
    sqlite3_stmt *stmt = m_db.statement("INSERT INTO contacts(account_id, first_name, last_name, company, notes, url,"
                                        " photo_path, name_key) VALUES(?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8)");
    if (!stmt)
        return m_db.fail("prepare contact");
    SqlStatement use(stmt);
    sqlite3_bind_int64(stmt, 1, contact->accountId);
    SqlStatement::bindText(stmt, 2, contact->firstName);
    SqlStatement::bindText(stmt, 3, contact->lastName);
    SqlStatement::bindText(stmt, 4, contact->company);
    SqlStatement::bindText(stmt, 5, contact->notes);
    SqlStatement::bindText(stmt, 6, contact->url);
    SqlStatement::bindText(stmt, 7, contact->photoPath);
    SqlStatement::bindText(stmt, 8, TextFolding::fold(contact->displayName()));
    if (sqlite3_step(stmt) != SQLITE_DONE)
        return m_db.fail("add contact");
    contact->id = m_db.lastInsertId();
    return Error::None;
}

Error::Type ContactTable::insertDetails(const ContactEntry &contact)
{
    sqlite3_stmt *phone
        = m_db.statement("INSERT INTO contact_phones(contact_id, position, kind, number) VALUES(?1, ?2, ?3, ?4)");
    sqlite3_stmt *email
        = m_db.statement("INSERT INTO contact_emails(contact_id, position, kind, address) VALUES(?1, ?2, ?3, ?4)");
    if (!phone || !email)
        return m_db.fail("prepare contact details");
    // Phones and e-mail addresses are the same (kind, text) rows in two tables.
    const auto insertRow = [&contact](sqlite3_stmt *stmt, int position, const QString &kind, const QString &text) {
        SqlStatement use(stmt);
        sqlite3_bind_int64(stmt, 1, contact.id);
        sqlite3_bind_int(stmt, 2, position);
        SqlStatement::bindText(stmt, 3, kind);
        SqlStatement::bindText(stmt, 4, text);
        return sqlite3_step(stmt) == SQLITE_DONE;
    };
    for (int i = 0; i < contact.phones.size(); ++i) {
        if (!insertRow(phone, i, contact.phones.at(i).kind, contact.phones.at(i).number))
            return m_db.fail("add phone");
    }
    for (int i = 0; i < contact.emails.size(); ++i) {
        if (!insertRow(email, i, contact.emails.at(i).kind, contact.emails.at(i).address))
            return m_db.fail("add e-mail");
    }
    return Error::None;
}

Error::Type ContactTable::insertAddresses(ContactEntry *contact)
{
    sqlite3_stmt *address = m_db.statement(
        "INSERT INTO contact_addresses(contact_id, kind, street, city, region, country, country_code, postal_code,"
        " label, latitude, longitude, name_key, search_text) VALUES(?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10, ?11, ?12, "
        "?13)");
    if (!address)
        return m_db.fail("prepare contact details");
    for (ContactEntry::PostalAddress &entry : contact->addresses) {
        const QStringList words = contactAddressWords(*contact, entry);
        {
            SqlStatement use(address);
            sqlite3_bind_int64(address, 1, contact->id);
            SqlStatement::bindText(address, 2, entry.kind);
            SqlStatement::bindText(address, 3, entry.street);
            SqlStatement::bindText(address, 4, entry.city);
            SqlStatement::bindText(address, 5, entry.region);
            SqlStatement::bindText(address, 6, entry.country);
            SqlStatement::bindText(address, 7, entry.countryCode);
            SqlStatement::bindText(address, 8, entry.postalCode);
            SqlStatement::bindText(address, 9, entry.label);
            SqlStatement::bindNumber(address, 10, entry.latitude);
            SqlStatement::bindNumber(address, 11, entry.longitude);
            SqlStatement::bindText(address, 12, TextFolding::fold(contact->displayName()));
            SqlStatement::bindText(address, 13, words.join(QLatin1Char(' ')));
            if (sqlite3_step(address) != SQLITE_DONE)
                return m_db.fail("add postal address");
        }
        entry.id = m_db.lastInsertId();
        if (m_db.words().replace(WordIndex::ContactWords, entry.id, words) != Error::None)
            return Error::StorageFailure;
    }
    return Error::None;
}

Error::Type ContactTable::remove(qint64 id)
{
    return m_db.deleteRow("DELETE FROM contacts WHERE id = ?1", id, "remove contact");
}

ContactEntry ContactTable::contact(qint64 id, Error::Type *error)
{
    ContactEntry contact;
    *error = Error::None;
    sqlite3_stmt *stmt = m_db.statement("SELECT account_id, first_name, last_name, company, notes, url, photo_path"
                                        " FROM contacts WHERE id = ?1");
    sqlite3_stmt *phones
        = m_db.statement("SELECT kind, number FROM contact_phones WHERE contact_id = ?1 ORDER BY position");
    sqlite3_stmt *emails
        = m_db.statement("SELECT kind, address FROM contact_emails WHERE contact_id = ?1 ORDER BY position");
    sqlite3_stmt *addresses
        = m_db.statement("SELECT id, kind, street, city, region, country, country_code, postal_code,"
                         " label, latitude, longitude FROM contact_addresses WHERE contact_id = ?1"
                         " ORDER BY id");
    if (!stmt || !phones || !emails || !addresses) {
        *error = Error::StorageFailure;
        return contact;
    }
    {
        SqlStatement use(stmt);
        sqlite3_bind_int64(stmt, 1, id);
        if (sqlite3_step(stmt) != SQLITE_ROW) {
            *error = Error::NotFound;
            return contact;
        }
        contact.id = id;
        contact.accountId = sqlite3_column_int64(stmt, 0);
        contact.firstName = SqlStatement::columnText(stmt, 1);
        contact.lastName = SqlStatement::columnText(stmt, 2);
        contact.company = SqlStatement::columnText(stmt, 3);
        contact.notes = SqlStatement::columnText(stmt, 4);
        contact.url = SqlStatement::columnText(stmt, 5);
        contact.photoPath = SqlStatement::columnText(stmt, 6);
    }
    {
        SqlStatement use(phones);
        sqlite3_bind_int64(phones, 1, id);
        while (sqlite3_step(phones) == SQLITE_ROW)
            contact.phones.append({ SqlStatement::columnText(phones, 0), SqlStatement::columnText(phones, 1) });
    }
    {
        SqlStatement use(emails);
        sqlite3_bind_int64(emails, 1, id);
        while (sqlite3_step(emails) == SQLITE_ROW)
            contact.emails.append({ SqlStatement::columnText(emails, 0), SqlStatement::columnText(emails, 1) });
    }
    SqlStatement use(addresses);
    sqlite3_bind_int64(addresses, 1, id);
    while (sqlite3_step(addresses) == SQLITE_ROW) {
        ContactEntry::PostalAddress entry;
        entry.id = sqlite3_column_int64(addresses, 0);
        entry.kind = SqlStatement::columnText(addresses, 1);
        entry.street = SqlStatement::columnText(addresses, 2);
        entry.city = SqlStatement::columnText(addresses, 3);
        entry.region = SqlStatement::columnText(addresses, 4);
        entry.country = SqlStatement::columnText(addresses, 5);
        entry.countryCode = SqlStatement::columnText(addresses, 6);
        entry.postalCode = SqlStatement::columnText(addresses, 7);
        entry.label = SqlStatement::columnText(addresses, 8);
        entry.latitude = SqlStatement::columnNumber(addresses, 9);
        entry.longitude = SqlStatement::columnNumber(addresses, 10);
        contact.addresses.append(entry);
    }
    return contact;
}

QList<ContactEntry> ContactTable::all(Error::Type *error)
{
    QList<ContactEntry> result;
    QList<qint64> ids;
    *error = Error::None;
    if (!m_db.readIds("SELECT id FROM contacts ORDER BY name_key, id", &ids)) {
        *error = Error::StorageFailure;
        return result;
    }
    for (qint64 id : qAsConst(ids)) {
        const ContactEntry entry = contact(id, error);
        if (*error != Error::None)
            return result;
        result.append(entry);
    }
    return result;
}

QList<qint64> ContactTable::findAddresses(const QString &text, PlaceTable::Order order, bool descending, int offset,
                                          int limit, bool *hasMore, Error::Type *error)
{
    QList<qint64> ids;
    *hasMore = false;
    *error = Error::None;
    if (limit <= 0 || offset < 0)
        return ids;
    const QStringList words = TextFolding::words(text);
    if (words.isEmpty() && !text.trimmed().isEmpty())
        return ids;
    // Contacts have no time of use or change: every order but relevance is the name order.
    const bool backwards = order != PlaceTable::OrderByRelevance && descending;
    if (words.isEmpty()) {
        sqlite3_stmt *stmt = backwards
            ? m_db.statement("SELECT id FROM contact_addresses ORDER BY name_key DESC, id DESC LIMIT ?1 OFFSET ?2")
            : m_db.statement("SELECT id FROM contact_addresses ORDER BY name_key, id LIMIT ?1 OFFSET ?2");
        if (!stmt) {
            *error = Error::StorageFailure;
            return ids;
        }
        SqlStatement use(stmt);
        sqlite3_bind_int(stmt, 1, limit + 1);
        sqlite3_bind_int(stmt, 2, offset);
        while (sqlite3_step(stmt) == SQLITE_ROW)
            ids.append(sqlite3_column_int64(stmt, 0));
    } else {
        const char *byWord
            = "SELECT w.address_id, a.search_text FROM contact_words w JOIN contact_addresses a ON a.id = w.address_id"
              " WHERE w.word >= ?1 AND w.word < ?2 ORDER BY w.word, w.address_id";
        const char *byName = "SELECT a.id, a.search_text FROM contact_words w CROSS JOIN contact_addresses a"
                             " ON a.id = w.address_id WHERE w.word >= ?1 AND w.word < ?2 GROUP BY a.id"
                             " ORDER BY a.name_key, a.id";
        const char *byNameBackwards = "SELECT a.id, a.search_text FROM contact_words w CROSS JOIN contact_addresses a"
                                      " ON a.id = w.address_id WHERE w.word >= ?1 AND w.word < ?2 GROUP BY a.id"
                                      " ORDER BY a.name_key DESC, a.id DESC";
        sqlite3_stmt *stmt = m_db.statement(order == PlaceTable::OrderByRelevance ? byWord
                                                : backwards                       ? byNameBackwards
                                                                                  : byName);
        if (!stmt) {
            *error = Error::StorageFailure;
            return ids;
        }
        SqlStatement use(stmt);
        WordIndex::bindPrefixRange(stmt, words);
        WordIndex::collectMatches(stmt, words, offset, limit, &ids);
    }
    WordIndex::trimToPage(&ids, limit, hasMore);
    return ids;
}

bool ContactTable::addressOf(qint64 addressId, ContactEntry *contact, ContactEntry::PostalAddress *address)
{
    sqlite3_stmt *stmt = m_db.statement("SELECT contact_id FROM contact_addresses WHERE id = ?1");
    if (!stmt)
        return false;
    qint64 contactId = -1;
    {
        SqlStatement use(stmt);
        sqlite3_bind_int64(stmt, 1, addressId);
        if (sqlite3_step(stmt) != SQLITE_ROW)
            return false;
        contactId = sqlite3_column_int64(stmt, 0);
    }
    Error::Type error = Error::None;
    *contact = this->contact(contactId, &error);
    if (error != Error::None)
        return false;
    for (const ContactEntry::PostalAddress &entry : qAsConst(contact->addresses)) {
        if (entry.id == addressId) {
            *address = entry;
            return true;
        }
    }
    return false;
}

} // namespace places
} // namespace platform
} // namespace hx
