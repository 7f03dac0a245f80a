#include "gazetteerfloor.h"

#include <QtCore/QFileInfo>
#include <QtCore/QUrl>
#include <QtCore/QVector>

#include <sqlite3.h>

namespace hx {
namespace bench {

namespace {
constexpr int Window = 200;
constexpr int ExactLimit = 64;

// Reads one column the way a client uses it: numbers as numbers, text and blobs as bytes.
int readValue(sqlite3_stmt *statement, int column)
{
    switch (sqlite3_column_type(statement, column)) {
    case SQLITE_INTEGER:
    case SQLITE_FLOAT:
        return sqlite3_column_double(statement, column) != 0;
    case SQLITE_NULL:
        return 0;
    default:
        return sqlite3_column_bytes(statement, column);
    }
}

// Steps through at most `most` rows, reading every column as a client that asked for them
// must; returns the rows and bytes read, so that the work cannot be optimised away.
int stepAll(sqlite3_stmt *statement, int most, QVector<qint64> *ids)
{
    int rows = 0;
    int read = 0;
    while (rows < most && sqlite3_step(statement) == SQLITE_ROW) {
        if (ids)
            ids->append(sqlite3_column_int64(statement, 0));
        for (int c = 1; c < sqlite3_column_count(statement); ++c)
            read += readValue(statement, c);
        ++rows;
    }
    sqlite3_reset(statement);
    return rows + read;
}
} // namespace

GazetteerFloor::GazetteerFloor(const QString &path)
{
    // Opened as the gazetteer opens it: immutable and mapped.
    QUrl uri = QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath());
    uri.setQuery(QStringLiteral("immutable=1"));
    if (sqlite3_open_v2(uri.toEncoded().constData(), &m_db,
                        SQLITE_OPEN_READONLY | SQLITE_OPEN_NOMUTEX | SQLITE_OPEN_URI, nullptr)
        != SQLITE_OK) {
        sqlite3_close(m_db);
        m_db = nullptr;
        return;
    }
    sqlite3_exec(m_db, "PRAGMA mmap_size = 1073741824", nullptr, nullptr, nullptr);
    sqlite3_prepare_v2(m_db,
                       "SELECT id, name_key, latitude, longitude, importance FROM entries "
                       "WHERE name_key = ?1 AND (kind & ?2) != 0 ORDER BY id LIMIT ?3",
                       -1, &m_exact, nullptr);
    sqlite3_prepare_v2(m_db,
                       "SELECT e.id, e.name_key, e.latitude, e.longitude, e.importance FROM names "
                       "JOIN entries e ON e.id = names.rowid WHERE names MATCH ?1 "
                       "ORDER BY names.rowid",
                       -1, &m_prefix, nullptr);
    sqlite3_prepare_v2(m_db, "SELECT term FROM terms WHERE term >= ?1 AND term < ?2 ORDER BY term LIMIT ?3", -1,
                       &m_terms, nullptr);
    sqlite3_prepare_v2(m_db,
                       "SELECT id, kind, name, street, postal_code, city, region, region_code, country, "
                       "country_code, category, phone, url, email, latitude, longitude, importance, rating, "
                       "rating_count FROM entries WHERE id = ?1",
                       -1, &m_entry, nullptr);
}

GazetteerFloor::~GazetteerFloor()
{
    for (sqlite3_stmt *statement : { m_terms, m_exact, m_prefix, m_entry })
        sqlite3_finalize(statement);
    sqlite3_close(m_db);
}

QByteArray GazetteerFloor::matchQuery(const QByteArray &token, int kinds)
{
    static const char letters[] = { 'c', 'r', 'l', 'a', 'p', 'n' };
    QByteArray query;
    for (int bit = 0; bit < 6; ++bit) {
        if (!(kinds & (1 << bit)))
            continue;
        const QByteArray prefix = letters[bit] + token;
        // The store's own choice: its prefix indexes reach 8 characters, kind letter included, and
        // only longer terms are listed.
        if (QString::fromUtf8(prefix).size() <= 8) {
            query += (query.isEmpty() ? "((\"" : " OR ((\"") + prefix + "\"*))";
            continue;
        }
        const QByteArray upper = prefix + "\xf4\x8f\xbf\xbf";
        sqlite3_bind_text(m_terms, 1, prefix.constData(), prefix.size(), SQLITE_STATIC);
        sqlite3_bind_text(m_terms, 2, upper.constData(), upper.size(), SQLITE_STATIC);
        sqlite3_bind_int(m_terms, 3, 49);
        QList<QByteArray> terms;
        while (sqlite3_step(m_terms) == SQLITE_ROW)
            terms.append(reinterpret_cast<const char *>(sqlite3_column_text(m_terms, 0)));
        sqlite3_reset(m_terms);
        if (terms.isEmpty())
            continue;
        QByteArray part;
        if (terms.size() > 48) {
            part = "\"" + prefix + "\"*";
        } else {
            for (const QByteArray &term : terms)
                part += (part.isEmpty() ? "\"" : " OR \"") + term + "\"";
        }
        query += (query.isEmpty() ? "((" : " OR ((") + part + "))";
    }
    return query;
}

int GazetteerFloor::search(const QByteArray &token, std::initializer_list<int> passes, int limit)
{
    QVector<qint64> ids;
    int kinds = 0;
    for (int pass : passes)
        kinds |= pass;
    sqlite3_bind_text(m_exact, 1, token.constData(), token.size(), SQLITE_STATIC);
    sqlite3_bind_int(m_exact, 2, kinds);
    sqlite3_bind_int(m_exact, 3, ExactLimit);
    int rows = stepAll(m_exact, ExactLimit, &ids);
    for (int pass : passes) {
        const QByteArray match = matchQuery(token, pass);
        if (match.isEmpty())
            continue;
        sqlite3_bind_text(m_prefix, 1, match.constData(), match.size(), SQLITE_STATIC);
        rows += stepAll(m_prefix, Window + 1, &ids);
    }
    for (int i = 0; i < limit && i < ids.size(); ++i) {
        sqlite3_bind_int64(m_entry, 1, ids.at(i));
        if (sqlite3_step(m_entry) == SQLITE_ROW) {
            // A client reads what it asked for, as the store's own floor queries do.
            for (int c = 0; c < sqlite3_column_count(m_entry); ++c)
                rows += readValue(m_entry, c);
        }
        sqlite3_reset(m_entry);
    }
    return rows;
}

} // namespace bench
} // namespace hx
