#ifndef HX_PLATFORM_PLACES_PLACESCHEMA_P_H
#define HX_PLATFORM_PLACES_PLACESCHEMA_P_H

namespace hx {
namespace platform {
namespace places {
namespace PlaceSchema {

// "HxPl": tells a store from any other SQLite file by its header alone.
constexpr int ApplicationId = 0x4878506C;
// 1 the tables below; 2 the file marked with ApplicationId and its keys folded by TextFolding
// version 2. A file of version 1 is ours only if its places table is exactly the one below.
constexpr int Version = 2;

constexpr const char *const V1[] = {
    "CREATE TABLE places(id INTEGER PRIMARY KEY AUTOINCREMENT, name TEXT NOT NULL, name_key TEXT NOT NULL,"
    " flags INTEGER NOT NULL DEFAULT 0, last_used INTEGER, modified INTEGER NOT NULL, latitude REAL,"
    " longitude REAL, search_text TEXT NOT NULL, record BLOB NOT NULL)",
    "CREATE INDEX places_name_key ON places(name_key, id)",
    "CREATE INDEX places_last_used ON places(last_used DESC, id DESC) WHERE last_used IS NOT NULL",
    "CREATE TABLE place_tags(tag TEXT NOT NULL, place_id INTEGER NOT NULL REFERENCES places(id) ON DELETE CASCADE,"
    " PRIMARY KEY(tag, place_id)) WITHOUT ROWID",
    "CREATE INDEX place_tags_place ON place_tags(place_id)",
    "CREATE TABLE place_words(word TEXT NOT NULL, place_id INTEGER NOT NULL REFERENCES places(id) ON DELETE CASCADE,"
    " PRIMARY KEY(word, place_id)) WITHOUT ROWID",
    "CREATE INDEX place_words_place ON place_words(place_id)",
    "CREATE TABLE search_terms(term TEXT PRIMARY KEY, term_key TEXT NOT NULL, category TEXT NOT NULL DEFAULT '',"
    " last_used INTEGER NOT NULL)",
    "CREATE TABLE contacts(id INTEGER PRIMARY KEY AUTOINCREMENT, account_id INTEGER NOT NULL, first_name TEXT NOT NULL,"
    " last_name TEXT NOT NULL, company TEXT NOT NULL, notes TEXT NOT NULL, url TEXT NOT NULL,"
    " photo_path TEXT NOT NULL, name_key TEXT NOT NULL)",
    "CREATE TABLE contact_phones(contact_id INTEGER NOT NULL REFERENCES contacts(id) ON DELETE CASCADE,"
    " position INTEGER NOT NULL, kind TEXT NOT NULL, number TEXT NOT NULL)",
    "CREATE INDEX contact_phones_contact ON contact_phones(contact_id)",
    "CREATE TABLE contact_emails(contact_id INTEGER NOT NULL REFERENCES contacts(id) ON DELETE CASCADE,"
    " position INTEGER NOT NULL, kind TEXT NOT NULL, address TEXT NOT NULL)",
    "CREATE INDEX contact_emails_contact ON contact_emails(contact_id)",
    "CREATE TABLE contact_addresses(id INTEGER PRIMARY KEY AUTOINCREMENT,"
    " contact_id INTEGER NOT NULL REFERENCES contacts(id) ON DELETE CASCADE, kind TEXT NOT NULL,"
    " street TEXT NOT NULL, city TEXT NOT NULL, region TEXT NOT NULL, country TEXT NOT NULL,"
    " country_code TEXT NOT NULL, postal_code TEXT NOT NULL, label TEXT NOT NULL, latitude REAL, longitude REAL,"
    " name_key TEXT NOT NULL, search_text TEXT NOT NULL)",
    "CREATE INDEX contact_addresses_contact ON contact_addresses(contact_id)",
    "CREATE INDEX contact_addresses_name ON contact_addresses(name_key, id)",
    "CREATE TABLE contact_words(word TEXT NOT NULL,"
    " address_id INTEGER NOT NULL REFERENCES contact_addresses(id) ON DELETE CASCADE,"
    " PRIMARY KEY(word, address_id)) WITHOUT ROWID",
    "CREATE INDEX contact_words_address ON contact_words(address_id)",
};

} // namespace PlaceSchema
} // namespace places
} // namespace platform
} // namespace hx

#endif
