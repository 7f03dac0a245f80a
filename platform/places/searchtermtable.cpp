#include <sqlite3.h>

#include "placedatabase_p.h"
#include "searchtermtable_p.h"
#include "sqlstatement_p.h"
#include "textfolding_p.h"

namespace hx {
namespace platform {
namespace places {

namespace {
QString termKey(const QString &term)
{
    return TextFolding::words(term).join(QLatin1Char(' '));
}
} // namespace

QList<SearchTermTable::Term> SearchTermTable::recent(const QString &filter, int offset, int limit, bool *hasMore,
                                                     Error::Type *error)
{
    QList<Term> terms;
    *hasMore = false;
    *error = Error::None;
    sqlite3_stmt *stmt
        = m_db.statement("SELECT term, category, term_key, last_used FROM search_terms ORDER BY last_used DESC, term");
    if (!stmt) {
        *error = Error::StorageFailure;
        return terms;
    }
    SqlStatement use(stmt);
    const QStringList words = TextFolding::words(filter);
    int skipped = 0;
    while ((limit < 0 || terms.size() <= limit) && sqlite3_step(stmt) == SQLITE_ROW) {
        if (!words.isEmpty()
            && !TextFolding::matchesAll(words,
                                        SqlStatement::columnText(stmt, 2).split(QLatin1Char(' '), Qt::SkipEmptyParts)))
            continue;
        if (skipped < offset) {
            ++skipped;
            continue;
        }
        terms.append(
            { SqlStatement::columnText(stmt, 0), SqlStatement::columnText(stmt, 1), sqlite3_column_int64(stmt, 3) });
    }
    if (limit >= 0 && terms.size() > limit) {
        terms.removeLast();
        *hasMore = true;
    }
    return terms;
}

Error::Type SearchTermTable::add(const QString &term, const QString &category, qint64 seconds)
{
    sqlite3_stmt *stmt
        = m_db.statement("INSERT INTO search_terms(term, term_key, category, last_used) VALUES(?1, ?2, ?3, ?4)"
                         " ON CONFLICT(term) DO UPDATE SET category = ?3, last_used = ?4");
    if (!stmt)
        return Error::StorageFailure;
    SqlStatement use(stmt);
    SqlStatement::bindText(stmt, 1, term);
    SqlStatement::bindText(stmt, 2, termKey(term));
    SqlStatement::bindText(stmt, 3, category);
    sqlite3_bind_int64(stmt, 4, seconds);
    return sqlite3_step(stmt) == SQLITE_DONE ? Error::None : m_db.fail("add search term");
}

bool SearchTermTable::clear()
{
    return m_db.exec("DELETE FROM search_terms");
}

Error::Type SearchTermTable::refold()
{
    QStringList terms;
    {
        sqlite3_stmt *stmt = m_db.statement("SELECT term FROM search_terms");
        if (!stmt)
            return Error::StorageFailure;
        SqlStatement use(stmt);
        while (sqlite3_step(stmt) == SQLITE_ROW)
            terms.append(SqlStatement::columnText(stmt, 0));
    }
    sqlite3_stmt *update = m_db.statement("UPDATE search_terms SET term_key = ?2 WHERE term = ?1");
    if (!update)
        return Error::StorageFailure;
    for (const QString &term : qAsConst(terms)) {
        SqlStatement use(update);
        SqlStatement::bindText(update, 1, term);
        SqlStatement::bindText(update, 2, termKey(term));
        if (sqlite3_step(update) != SQLITE_DONE)
            return m_db.fail("refold search term");
    }
    return Error::None;
}

} // namespace places
} // namespace platform
} // namespace hx
