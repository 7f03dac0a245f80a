#ifndef HX_TRELLAN_MAPS_VIEWPROPERTIES_H
#define HX_TRELLAN_MAPS_VIEWPROPERTIES_H

#include <QtCore/QRect>
#include <QtCore/QtNumeric>

namespace hx {
namespace trellan {
namespace maps {

// What a static map shows: its centre, the eye's altitude in metres (not a number: the default
// altitude) and the window in pixels, corners included ((0,0)–(767,767) is 768 by 768).
class ViewProperties
{
public:
    static constexpr double DefaultAltitude = 5000.0;

    double latitude() const { return m_latitude; }
    void setLatitude(double latitude) { m_latitude = latitude; }
    double longitude() const { return m_longitude; }
    void setLongitude(double longitude) { m_longitude = longitude; }
    double altitude() const { return m_altitude; }
    void setAltitude(double altitude) { m_altitude = altitude; }
    bool hasAltitude() const { return !qIsNaN(m_altitude); }
    QRect window() const { return m_window; }
    void setWindow(const QRect &window) { m_window = window; }
    void setWindow(int left, int top, int right, int bottom)
    {
        m_window = QRect(QPoint(left, top), QPoint(right, bottom));
    }

    // Metres of ground one pixel spans at the centre.
    double metresPerPixel() const;
    bool isValid() const;

private:
    double m_latitude = qQNaN();
    double m_longitude = qQNaN();
    double m_altitude = qQNaN();
    QRect m_window;
};

} // namespace maps
} // namespace trellan
} // namespace hx

#endif
