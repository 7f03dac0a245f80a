#ifndef HX_PLATFORM_GEO_GEOLIST_H
#define HX_PLATFORM_GEO_GEOLIST_H

#include <hx/platform/geo/point.h>

#include <QtCore/QList>
#include <QtCore/QMetaType>

namespace hx {
namespace platform {
namespace geo {

// The marker positions handed to a map renderer, in drawing order.
class GeoList
{
public:
    GeoList() = default;

    void append(const Point &point) { m_points.append(point); }
    int count() const { return m_points.count(); }
    bool isEmpty() const { return m_points.isEmpty(); }
    Point at(int index) const { return m_points.value(index); }
    QList<Point> points() const { return m_points; }
    void clear() { m_points.clear(); }

    bool operator==(const GeoList &other) const { return m_points == other.m_points; }
    bool operator!=(const GeoList &other) const { return !(*this == other); }

private:
    QList<Point> m_points;
};

} // namespace geo
} // namespace platform
} // namespace hx

Q_DECLARE_METATYPE(hx::platform::geo::GeoList)

#endif
