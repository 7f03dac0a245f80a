#include <QtCore/QDebug>
#include <QtCore/QSet>

#include <sqlite3.h>

#include <cstring>

#include "gazetteer_p.h"
#include "gazetteerschema_p.h"
#include "gazetteertext_p.h"
#include "nametier_p.h"
#include "othernamematches_p.h"
#include "sqlstatement_p.h"

namespace hx {
namespace platform {
namespace places {

namespace {
// One place's names can fill several rows ("lond": Londres, Londra, Londyn), so more rows are
// read than places wanted.
constexpr int RowsPerPlace = 4;
constexpr const char *OtherSql
    = "SELECT o.rowid, e.latitude, e.longitude, e.importance, n.names FROM other_names_index o "
      "JOIN entries e ON e.id = (o.rowid >> 8) JOIN other_names n ON n.id = e.id "
      "WHERE other_names_index MATCH ?1 ORDER BY o.rowid LIMIT ?2";

// The name at a position of the stored list, cut out of the UTF-8 without converting the rest.
QString nameAt(const char *names, int size, int position)
{
    const char *start = names;
    const char *end = names + size;
    for (; position > 0 && start < end; --position) {
        const void *separator = std::memchr(start, GazetteerSchema::OtherNameSeparator, size_t(end - start));
        start = separator ? static_cast<const char *>(separator) + 1 : end;
    }
    const void *separator = std::memchr(start, GazetteerSchema::OtherNameSeparator, size_t(end - start));
    return QString::fromUtf8(start, int((separator ? static_cast<const char *>(separator) : end) - start));
}
} // namespace

bool OtherNameMatches::prepare()
{
    static_assert(GazetteerSchema::OtherNameShift == 8, "OtherSql shifts by 8");
    m_available = m_gazetteer.version >= GazetteerSchema::FirstVersionWithOtherNames && m_gazetteer.statement(OtherSql);
    return m_available || m_gazetteer.version < GazetteerSchema::FirstVersionWithOtherNames;
}

GazetteerCandidates OtherNameMatches::find(const QString &query, const QString &key, bool finished, int limit)
{
    GazetteerCandidates found;
    if (!m_available || query.isEmpty() || limit <= 0)
        return found;
    sqlite3_stmt *statement = m_gazetteer.statement(OtherSql);
    SqlStatement use(statement);
    SqlStatement::bindText(statement, 1, query);
    sqlite3_bind_int(statement, 2, limit * RowsPerPlace);
    QSet<qint64> seen;
    int rc = SQLITE_DONE;
    while (found.size() < limit && (rc = sqlite3_step(statement)) == SQLITE_ROW) {
        const qint64 row = sqlite3_column_int64(statement, 0);
        GazetteerCandidate candidate;
        candidate.id = row >> GazetteerSchema::OtherNameShift;
        int size = 0;
        const char *names = SqlStatement::columnBytes(statement, 4, &size);
        const QString name = nameAt(names, size, int(row & ((1 << GazetteerSchema::OtherNameShift) - 1)));
        // A whole name counts only once typed to its end; until then every match starts the name.
        const bool exact = finished && GazetteerText::foldedKey(name) == key;
        if (seen.contains(candidate.id)) {
            if (exact) {
                for (GazetteerCandidate &earlier : found) {
                    if (earlier.id == candidate.id && earlier.tier != NameTier::Exact) {
                        earlier.tier = NameTier::Exact;
                        earlier.foundAs = name;
                    }
                }
            }
            continue;
        }
        seen.insert(candidate.id);
        candidate.tier = exact ? NameTier::Exact : NameTier::Start;
        candidate.foundAs = name;
        candidate.hasPosition
            = sqlite3_column_type(statement, 1) != SQLITE_NULL && sqlite3_column_type(statement, 2) != SQLITE_NULL;
        candidate.latitude = sqlite3_column_double(statement, 1);
        candidate.longitude = sqlite3_column_double(statement, 2);
        candidate.importance = sqlite3_column_double(statement, 3);
        found.append(candidate);
    }
    if (found.size() < limit && rc != SQLITE_DONE)
        qWarning().noquote() << "hx::platform::places::Gazetteer::search() other names failed:"
                             << m_gazetteer.sqliteError();
    return found;
}

} // namespace places
} // namespace platform
} // namespace hx
