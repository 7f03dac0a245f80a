#ifndef HX_PLATFORM_GEO_BOUNDINGBOX_H
#define HX_PLATFORM_GEO_BOUNDINGBOX_H

#include <hx/platform/geo/point.h>

#include <QtCore/QDataStream>
#include <QtCore/QMetaType>

namespace hx {
namespace platform {
namespace geo {

// A latitude/longitude rectangle given by its top-left (north-west) and bottom-right
// (south-east) corners. Invalid until both corners are valid points.
class BoundingBox
{
public:
    BoundingBox() = default;
    BoundingBox(const Point &topLeft, const Point &bottomRight);

    Point topLeft() const { return m_topLeft; }
    Point bottomRight() const { return m_bottomRight; }
    void setTopLeft(const Point &point) { m_topLeft = point; }
    void setBottomRight(const Point &point) { m_bottomRight = point; }

    bool isValid() const;
    // The middle of the box; an invalid point for an invalid box.
    Point center() const;
    bool contains(const Point &point) const;

    bool operator==(const BoundingBox &other) const;
    bool operator!=(const BoundingBox &other) const { return !(*this == other); }

private:
    Point m_topLeft;
    Point m_bottomRight;
};

QDataStream &operator<<(QDataStream &out, const BoundingBox &box);
QDataStream &operator>>(QDataStream &in, BoundingBox &box);

} // namespace geo
} // namespace platform
} // namespace hx

Q_DECLARE_METATYPE(hx::platform::geo::BoundingBox)

#endif
