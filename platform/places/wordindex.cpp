#include <QtCore/QSet>

#include <sqlite3.h>

#include "placedatabase_p.h"
#include "sqlstatement_p.h"
#include "textfolding_p.h"
#include "wordindex_p.h"

namespace hx {
namespace platform {
namespace places {

namespace {
struct ListSql
{
    const char *remove;
    const char *insert;
};

constexpr ListSql Lists[] = {
    { "DELETE FROM place_words WHERE place_id = ?1",
      "INSERT OR IGNORE INTO place_words(word, place_id) VALUES(?1, ?2)" },
    { "DELETE FROM place_tags WHERE place_id = ?1", "INSERT OR IGNORE INTO place_tags(tag, place_id) VALUES(?1, ?2)" },
    { "DELETE FROM contact_words WHERE address_id = ?1",
      "INSERT OR IGNORE INTO contact_words(word, address_id) VALUES(?1, ?2)" },
};

// Upper bound of a prefix range: the highest code point appended, so that in SQLite's binary
// (UTF-8 byte) order every word starting with the prefix sorts below it.
QByteArray prefixEnd(const QByteArray &prefix)
{
    return prefix + QByteArray("\xF4\x8F\xBF\xBF");
}

// The word that narrows an index range the most; the others are checked on each candidate.
QString longestWord(const QStringList &words)
{
    QString longest = words.first();
    for (const QString &word : words)
        if (word.size() > longest.size())
            longest = word;
    return longest;
}
} // namespace

Error::Type WordIndex::replace(List list, qint64 id, const QStringList &words)
{
    sqlite3_stmt *remove = m_db.statement(Lists[list].remove);
    sqlite3_stmt *insert = m_db.statement(Lists[list].insert);
    if (!remove || !insert)
        return Error::StorageFailure;
    {
        SqlStatement use(remove);
        sqlite3_bind_int64(remove, 1, id);
        if (sqlite3_step(remove) != SQLITE_DONE)
            return m_db.fail("remove index entries");
    }
    for (const QString &word : words) {
        SqlStatement use(insert);
        SqlStatement::bindText(insert, 1, word);
        sqlite3_bind_int64(insert, 2, id);
        if (sqlite3_step(insert) != SQLITE_DONE)
            return m_db.fail("add index entry");
    }
    return Error::None;
}

void WordIndex::bindPrefixRange(sqlite3_stmt *stmt, const QStringList &words)
{
    const QByteArray bytes = longestWord(words).toUtf8();
    SqlStatement::bindUtf8(stmt, 1, bytes);
    SqlStatement::bindUtf8(stmt, 2, prefixEnd(bytes));
}

void WordIndex::collectMatches(sqlite3_stmt *stmt, const QStringList &words, int offset, int limit, QList<qint64> *ids)
{
    QSet<qint64> seen;
    int skipped = 0;
    while (ids->size() <= limit && sqlite3_step(stmt) == SQLITE_ROW) {
        const qint64 id = sqlite3_column_int64(stmt, 0);
        if (seen.contains(id))
            continue;
        seen.insert(id);
        if (words.size() > 1
            && !TextFolding::matchesAll(words,
                                        SqlStatement::columnText(stmt, 1).split(QLatin1Char(' '), Qt::SkipEmptyParts)))
            continue;
        if (skipped < offset) {
            ++skipped;
            continue;
        }
        ids->append(id);
    }
}

void WordIndex::trimToPage(QList<qint64> *ids, int limit, bool *hasMore)
{
    if (ids->size() > limit) {
        ids->removeLast();
        *hasMore = true;
    }
}

} // namespace places
} // namespace platform
} // namespace hx
