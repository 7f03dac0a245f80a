#include <hx/platform/geo/boundingbox.h>

namespace hx {
namespace platform {
namespace geo {

BoundingBox::BoundingBox(const Point &topLeft, const Point &bottomRight)
    : m_topLeft(topLeft), m_bottomRight(bottomRight)
{ }

bool BoundingBox::isValid() const
{
    return m_topLeft.isValid() && m_bottomRight.isValid() && m_topLeft.latitude() >= m_bottomRight.latitude();
}

Point BoundingBox::center() const
{
    if (!isValid())
        return Point();
    double west = m_topLeft.longitude();
    double east = m_bottomRight.longitude();
    // A box that crosses the antimeridian has its east edge numerically west of its west edge.
    if (east < west)
        east += 360.0;
    double longitude = (west + east) / 2.0;
    if (longitude > 180.0)
        longitude -= 360.0;
    return Point((m_topLeft.latitude() + m_bottomRight.latitude()) / 2.0, longitude);
}

bool BoundingBox::contains(const Point &point) const
{
    if (!isValid() || !point.isValid())
        return false;
    if (point.latitude() > m_topLeft.latitude() || point.latitude() < m_bottomRight.latitude())
        return false;
    const double west = m_topLeft.longitude();
    const double east = m_bottomRight.longitude();
    if (west <= east)
        return point.longitude() >= west && point.longitude() <= east;
    return point.longitude() >= west || point.longitude() <= east;
}

bool BoundingBox::operator==(const BoundingBox &other) const
{
    return m_topLeft == other.m_topLeft && m_bottomRight == other.m_bottomRight;
}

QDataStream &operator<<(QDataStream &out, const BoundingBox &box)
{
    return out << box.topLeft() << box.bottomRight();
}

QDataStream &operator>>(QDataStream &in, BoundingBox &box)
{
    Point topLeft, bottomRight;
    in >> topLeft >> bottomRight;
    box = BoundingBox(topLeft, bottomRight);
    return in;
}

} // namespace geo
} // namespace platform
} // namespace hx
