#include "contactfile_p.h"

#include <QtCore/QDir>
#include <QtCore/QFile>
#include <QtCore/QFileInfo>
#include <QtCore/QStandardPaths>

#include <sqlite3.h>

namespace hx {
namespace pim {
namespace contacts {

namespace {

// Owns one prepared statement; text is always bound, never pasted into SQL.
class Statement
{
public:
    Statement(sqlite3 *db, const char *sql) { sqlite3_prepare_v2(db, sql, -1, &m_statement, nullptr); }
    ~Statement() { sqlite3_finalize(m_statement); }
    bool isValid() const { return m_statement != nullptr; }
    void bind(int index, const QString &text)
    {
        const QByteArray utf8 = text.toUtf8();
        sqlite3_bind_text(m_statement, index, utf8.constData(), utf8.size(), SQLITE_TRANSIENT);
    }
    void bind(int index, qint64 value) { sqlite3_bind_int64(m_statement, index, value); }
    int step() { return sqlite3_step(m_statement); }
    QString text(int column) const
    {
        const auto *bytes = reinterpret_cast<const char *>(sqlite3_column_text(m_statement, column));
        return QString::fromUtf8(bytes, sqlite3_column_bytes(m_statement, column));
    }
    qint64 integer(int column) const { return sqlite3_column_int64(m_statement, column); }

private:
    sqlite3_stmt *m_statement = nullptr;
};

} // namespace

ContactFile::ContactFile(const QString &path, Mode mode)
{
    if (mode == ReadOnly && !QFileInfo::exists(path)) {
        m_error = QStringLiteral("no file");
        return;
    }
    if (mode == ReadWrite) {
        const QString folder = QFileInfo(path).absolutePath();
        if (!QDir(folder).exists() && QDir().mkpath(folder))
            QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    }
    const bool existed = QFileInfo::exists(path);
    const int flags = mode == ReadOnly ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE;
    if (sqlite3_open_v2(QFile::encodeName(path).constData(), &m_db, flags | SQLITE_OPEN_NOMUTEX, nullptr)
        != SQLITE_OK) {
        fail("open");
        sqlite3_close(m_db);
        m_db = nullptr;
        return;
    }
    if (!existed)
        QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    // The place store may be writing the same file; wait for it rather than fail.
    sqlite3_busy_timeout(m_db, 2000);
    exec("PRAGMA foreign_keys = ON");
    if (mode == ReadWrite && !hasTables() && !createTables()) {
        sqlite3_close(m_db);
        m_db = nullptr;
    }
}

ContactFile::~ContactFile()
{
    sqlite3_close(m_db);
}

QString ContactFile::defaultPath()
{
    const QByteArray configured = qgetenv("HX_PLACES_DB");
    if (!configured.isEmpty())
        return QFile::decodeName(configured);
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
        + QStringLiteral("/hxplaces/places.db");
}

QList<Contact> ContactFile::read(ContactId id)
{
    QList<Contact> contacts;
    if (!m_db || !hasTables())
        return contacts;
    Statement statement(m_db,
                        id > 0 ? "SELECT id, account_id, first_name, last_name, display_name FROM contacts "
                                 "WHERE id = ?1"
                               : "SELECT id, account_id, first_name, last_name, display_name FROM contacts "
                                 "ORDER BY id");
    if (!statement.isValid()) {
        fail("read");
        return contacts;
    }
    if (id > 0)
        statement.bind(1, qint64(id));
    while (statement.step() == SQLITE_ROW) {
        Contact contact;
        contact.setId(ContactId(statement.integer(0)));
        contact.setAccountId(AccountId(statement.integer(1)));
        contact.setFirstName(statement.text(2));
        contact.setLastName(statement.text(3));
        contact.setDisplayName(statement.text(4));
        contacts.append(contact);
    }
    for (Contact &contact : contacts)
        contact.setPostalAddresses(readAddresses(contact.id()));
    return contacts;
}

Contact ContactFile::insert(const Contact &contact)
{
    if (!m_db || !exec("BEGIN IMMEDIATE"))
        return Contact();
    Statement statement(m_db,
                        "INSERT INTO contacts (id, account_id, first_name, last_name, display_name) "
                        "VALUES (?1, ?2, ?3, ?4, ?5)");
    if (contact.id() > 0)
        statement.bind(1, qint64(contact.id()));
    statement.bind(2, qint64(contact.accountId()));
    statement.bind(3, contact.firstName());
    statement.bind(4, contact.lastName());
    statement.bind(5, contact.displayName());
    if (statement.step() != SQLITE_DONE) {
        fail("insert");
        exec("ROLLBACK");
        return Contact();
    }
    Contact stored = contact;
    stored.setId(ContactId(sqlite3_last_insert_rowid(m_db)));
    if (!writeAddresses(stored.id(), contact.postalAddresses()) || !exec("COMMIT")) {
        exec("ROLLBACK");
        return Contact();
    }
    stored.setPostalAddresses(readAddresses(stored.id()));
    return stored;
}

bool ContactFile::update(const Contact &contact)
{
    if (!m_db || contact.id() <= 0 || !exec("BEGIN IMMEDIATE"))
        return false;
    Statement statement(m_db,
                        "UPDATE contacts SET account_id = ?2, first_name = ?3, last_name = ?4, "
                        "display_name = ?5 WHERE id = ?1");
    statement.bind(1, qint64(contact.id()));
    statement.bind(2, qint64(contact.accountId()));
    statement.bind(3, contact.firstName());
    statement.bind(4, contact.lastName());
    statement.bind(5, contact.displayName());
    Statement clear(m_db, "DELETE FROM contact_postal_addresses WHERE contact_id = ?1");
    clear.bind(1, qint64(contact.id()));
    const bool stored = statement.step() == SQLITE_DONE && sqlite3_changes(m_db) == 1;
    if (!stored && m_error.isEmpty())
        m_error = QStringLiteral("no contact %1").arg(contact.id());
    const bool ok = stored && clear.step() == SQLITE_DONE && writeAddresses(contact.id(), contact.postalAddresses())
        && exec("COMMIT");
    if (!ok)
        exec("ROLLBACK");
    return ok;
}

bool ContactFile::remove(ContactId id)
{
    if (!m_db || id <= 0)
        return false;
    Statement statement(m_db, "DELETE FROM contacts WHERE id = ?1");
    statement.bind(1, qint64(id));
    return statement.step() == SQLITE_DONE && sqlite3_changes(m_db) == 1;
}

bool ContactFile::hasTables()
{
    Statement statement(m_db,
                        "SELECT count(*) FROM sqlite_master WHERE type = 'table' AND name IN "
                        "('contacts', 'contact_postal_addresses')");
    return statement.isValid() && statement.step() == SQLITE_ROW && statement.integer(0) == 2;
}

bool ContactFile::createTables()
{
    return exec("BEGIN IMMEDIATE")
        && exec("CREATE TABLE IF NOT EXISTS contacts (id INTEGER PRIMARY KEY, account_id INTEGER NOT NULL DEFAULT 0, "
                "first_name TEXT NOT NULL DEFAULT '', last_name TEXT NOT NULL DEFAULT '', "
                "display_name TEXT NOT NULL DEFAULT '')")
        && exec("CREATE TABLE IF NOT EXISTS contact_postal_addresses (id INTEGER PRIMARY KEY, "
                "contact_id INTEGER NOT NULL REFERENCES contacts(id) ON DELETE CASCADE, position INTEGER NOT NULL, "
                "label TEXT NOT NULL DEFAULT '', line1 TEXT NOT NULL DEFAULT '', line2 TEXT NOT NULL DEFAULT '', "
                "city TEXT NOT NULL DEFAULT '', region TEXT NOT NULL DEFAULT '', country TEXT NOT NULL DEFAULT '', "
                "postal_code TEXT NOT NULL DEFAULT '')")
        && exec("CREATE INDEX IF NOT EXISTS contact_postal_addresses_contact ON contact_postal_addresses(contact_id)")
        && exec("COMMIT");
}

bool ContactFile::exec(const char *sql)
{
    if (sqlite3_exec(m_db, sql, nullptr, nullptr, nullptr) == SQLITE_OK)
        return true;
    return fail(sql);
}

bool ContactFile::writeAddresses(ContactId id, const QList<ContactPostalAddress> &addresses)
{
    for (int i = 0; i < addresses.size(); ++i) {
        const ContactPostalAddress &address = addresses.at(i);
        Statement statement(m_db,
                            "INSERT INTO contact_postal_addresses (id, contact_id, position, label, line1, "
                            "line2, city, region, country, postal_code) "
                            "VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10)");
        if (address.id() > 0)
            statement.bind(1, qint64(address.id()));
        statement.bind(2, qint64(id));
        statement.bind(3, qint64(i));
        statement.bind(4, address.label());
        statement.bind(5, address.line1());
        statement.bind(6, address.line2());
        statement.bind(7, address.city());
        statement.bind(8, address.region());
        statement.bind(9, address.country());
        statement.bind(10, address.postalCode());
        if (statement.step() != SQLITE_DONE)
            return fail("insert address");
    }
    return true;
}

QList<ContactPostalAddress> ContactFile::readAddresses(ContactId id)
{
    QList<ContactPostalAddress> addresses;
    Statement statement(m_db,
                        "SELECT id, label, line1, line2, city, region, country, postal_code "
                        "FROM contact_postal_addresses WHERE contact_id = ?1 ORDER BY position, id");
    statement.bind(1, qint64(id));
    while (statement.step() == SQLITE_ROW) {
        ContactPostalAddress address;
        address.setId(int(statement.integer(0)));
        address.setLabel(statement.text(1));
        address.setLine1(statement.text(2));
        address.setLine2(statement.text(3));
        address.setCity(statement.text(4));
        address.setRegion(statement.text(5));
        address.setCountry(statement.text(6));
        address.setPostalCode(statement.text(7));
        addresses.append(address);
    }
    return addresses;
}

bool ContactFile::fail(const char *what)
{
    m_error = QString::fromLatin1(what) + QStringLiteral(": ")
        + (m_db ? QString::fromUtf8(sqlite3_errmsg(m_db)) : QStringLiteral("out of memory"));
    return false;
}

} // namespace contacts
} // namespace pim
} // namespace hx
