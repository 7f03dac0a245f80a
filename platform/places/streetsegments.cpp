#include <sqlite3.h>

#include <cmath>

#include "gazetteer_p.h"
#include "spheregeometry_p.h"
#include "sqlstatement_p.h"
#include "streetsegments_p.h"

namespace hx {
namespace platform {
namespace places {

namespace {
constexpr const char *NearSql = "SELECT name, city, lat1, lon1, lat2, lon2 FROM street_segments "
                                "WHERE max_lat >= ?1 AND min_lat <= ?2 AND max_lon >= ?3 AND min_lon <= ?4";

// The point of the piece nearest the position, on a plane laid on the sphere at the position:
// pieces are short beside the Earth.
GazetteerStreet::Point nearestOnPiece(double latitude, double longitude, const GazetteerStreet::Point &a,
                                      const GazetteerStreet::Point &b)
{
    const double xScale = std::cos(latitude * M_PI / 180);
    const auto wrapped = [longitude](double other) { return std::remainder(other - longitude, 360.0); };
    const double ax = wrapped(a.longitude) * xScale;
    const double ay = a.latitude - latitude;
    const double bx = wrapped(b.longitude) * xScale;
    const double by = b.latitude - latitude;
    const double dx = bx - ax;
    const double dy = by - ay;
    const double length = dx * dx + dy * dy;
    const double t = length > 0 ? qBound(0.0, -(ax * dx + ay * dy) / length, 1.0) : 0;
    const double x = ax + t * dx;
    const double y = ay + t * dy;
    return { latitude + y, std::remainder(longitude + (xScale > 0 ? x / xScale : 0), 360.0) };
}
} // namespace

void StreetSegments::prepare()
{
    m_available = m_gazetteer.statement(NearSql) != nullptr;
}

GazetteerStreet StreetSegments::nearest(double latitude, double longitude, double maxMetres)
{
    GazetteerStreet found;
    sqlite3_stmt *query = m_available ? m_gazetteer.statement(NearSql) : nullptr;
    if (!query || !SphereGeometry::isValidPosition(latitude, longitude) || !(maxMetres >= 0))
        return found;
    double minLatitude = 0;
    double maxLatitude = 0;
    QVector<QPair<double, double>> longitudes;
    SphereGeometry::circleBox(latitude, longitude, maxMetres, &minLatitude, &maxLatitude, &longitudes);
    for (const auto &range : qAsConst(longitudes)) {
        SqlStatement use(query);
        sqlite3_bind_double(query, 1, minLatitude);
        sqlite3_bind_double(query, 2, maxLatitude);
        sqlite3_bind_double(query, 3, range.first);
        sqlite3_bind_double(query, 4, range.second);
        while (sqlite3_step(query) == SQLITE_ROW) {
            const GazetteerStreet::Point a { sqlite3_column_double(query, 2), sqlite3_column_double(query, 3) };
            const GazetteerStreet::Point b { sqlite3_column_double(query, 4), sqlite3_column_double(query, 5) };
            const GazetteerStreet::Point at = nearestOnPiece(latitude, longitude, a, b);
            const double distance = SphereGeometry::distanceMetres(latitude, longitude, at.latitude, at.longitude);
            if (distance > maxMetres || !(qIsNaN(found.distanceMetres) || distance < found.distanceMetres))
                continue;
            found.name = SqlStatement::columnText(query, 0);
            found.city = SqlStatement::columnText(query, 1);
            found.latitude = at.latitude;
            found.longitude = at.longitude;
            found.distanceMetres = distance;
        }
    }
    return found;
}

} // namespace places
} // namespace platform
} // namespace hx
