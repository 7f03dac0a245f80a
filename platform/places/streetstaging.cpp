#include <sqlite3.h>

#include "sqlstatement_p.h"
#include "streetsegments_p.h"
#include "streetstaging_p.h"

namespace hx {
namespace platform {
namespace places {

namespace {
constexpr const char *StagingSql = "CREATE TEMP TABLE staged_streets(name TEXT NOT NULL, city TEXT NOT NULL, "
                                   "lat1 REAL, lon1 REAL, lat2 REAL, lon2 REAL)";
constexpr const char *InsertSql
    = "INSERT INTO temp.staged_streets(name, city, lat1, lon1, lat2, lon2) VALUES(?1, ?2, ?3, ?4, ?5, ?6)";
constexpr const char *CopySql = "INSERT INTO temp.staged_streets(name, city, lat1, lon1, lat2, lon2) "
                                "SELECT name, city, lat1, lon1, lat2, lon2 FROM old.street_segments";
constexpr const char *BuildSql
    = "INSERT INTO street_segments(min_lat, max_lat, min_lon, max_lon, name, city, lat1, lon1, lat2, lon2) "
      "SELECT min(lat1, lat2), max(lat1, lat2), min(lon1, lon2), max(lon1, lon2), name, city, lat1, lon1, lat2, lon2 "
      "FROM temp.staged_streets";

bool isPosition(const GazetteerStreet::Point &point)
{
    return qIsFinite(point.latitude) && qIsFinite(point.longitude) && qAbs(point.latitude) <= 90
        && qAbs(point.longitude) <= 180;
}
} // namespace

StreetStaging::~StreetStaging()
{
    close();
}

bool StreetStaging::create(sqlite3 *db, QString *error)
{
    m_db = db;
    if (!exec(StagingSql, error))
        return false;
    return sqlite3_prepare_v2(m_db, InsertSql, -1, &m_insert, nullptr) == SQLITE_OK || failed(error);
}

bool StreetStaging::copyExisting(QString *error)
{
    sqlite3_stmt *probe = nullptr;
    const bool hasStreets
        = sqlite3_prepare_v2(m_db, "SELECT 1 FROM old.street_segments", -1, &probe, nullptr) == SQLITE_OK;
    sqlite3_finalize(probe);
    return !hasStreets || exec(CopySql, error);
}

QString StreetStaging::validate(const GazetteerStreet &street)
{
    if (street.name.trimmed().isEmpty())
        return QStringLiteral("a street without a name");
    if (street.path.size() < 2)
        return QStringLiteral("a street of fewer than two points");
    for (const GazetteerStreet::Point &point : street.path) {
        if (!isPosition(point))
            return QStringLiteral("a street point out of range");
    }
    return QString();
}

bool StreetStaging::add(const GazetteerStreet &street, QString *error)
{
    *error = validate(street);
    if (!error->isEmpty())
        return false;
    for (int i = 1; i < street.path.size(); ++i) {
        SqlStatement use(m_insert);
        SqlStatement::bindText(m_insert, 1, street.name.trimmed());
        SqlStatement::bindText(m_insert, 2, street.city.trimmed());
        sqlite3_bind_double(m_insert, 3, street.path.at(i - 1).latitude);
        sqlite3_bind_double(m_insert, 4, street.path.at(i - 1).longitude);
        sqlite3_bind_double(m_insert, 5, street.path.at(i).latitude);
        sqlite3_bind_double(m_insert, 6, street.path.at(i).longitude);
        if (sqlite3_step(m_insert) != SQLITE_DONE)
            return failed(error);
    }
    return true;
}

bool StreetStaging::build(QString *error)
{
    return exec(StreetSegments::CreateSql, error) && exec(BuildSql, error);
}

void StreetStaging::close()
{
    sqlite3_finalize(m_insert);
    m_insert = nullptr;
    m_db = nullptr;
}

bool StreetStaging::exec(const char *sql, QString *error)
{
    return sqlite3_exec(m_db, sql, nullptr, nullptr, nullptr) == SQLITE_OK || failed(error);
}

bool StreetStaging::failed(QString *error) const
{
    *error = QString::fromUtf8(sqlite3_errmsg(m_db));
    return false;
}

} // namespace places
} // namespace platform
} // namespace hx
