#ifndef HX_TRELLAN_UICONFIG_H
#define HX_TRELLAN_UICONFIG_H

#include <QtCore/QSize>
#include <QtCore/QString>

namespace hx {
namespace trellan {

// The simulated display: its pixel size and design-unit scale. The size is the simulated
// device's (hx::device::SimulatedDevice, HX_DISPLAY_SIZE until set), the same one DisplayInfo
// reads; setting it here sets it there.
class UIConfig
{
public:
    // Design units to pixels: 8 pixels a unit, the scale of a 12 pixel-per-millimetre display.
    static float du(float designUnits);
    static float px(float pixels) { return pixels; }

    static QSize displaySize();
    static void setDisplaySize(const QSize &size);
    // "720x1280" for the display above: the name of its resolution folder.
    static QString resolutionFolder();
    // The density folder that matches the display ("12ppd").
    static QString densityFolder();
};

} // namespace trellan
} // namespace hx

#endif
