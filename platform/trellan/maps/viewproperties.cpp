#include <hx/trellan/maps/viewproperties.h>

#include <QtCore/QtMath>

namespace hx {
namespace trellan {
namespace maps {

double ViewProperties::metresPerPixel() const
{
    // A 60 degree field of view across the window's width: ground width = 2 h tan(30°).
    const double altitude = hasAltitude() && m_altitude > 0 ? m_altitude : DefaultAltitude;
    const int width = qMax(1, m_window.width());
    return 2.0 * altitude * qTan(qDegreesToRadians(30.0)) / width;
}

bool ViewProperties::isValid() const
{
    return !qIsNaN(m_latitude) && !qIsNaN(m_longitude) && m_latitude >= -90 && m_latitude <= 90 && m_longitude >= -180
        && m_longitude <= 180 && m_window.width() > 0 && m_window.height() > 0 && m_window.width() <= 8192
        && m_window.height() <= 8192;
}

} // namespace maps
} // namespace trellan
} // namespace hx
