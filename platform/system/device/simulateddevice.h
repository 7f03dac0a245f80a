#ifndef HX_DEVICE_SIMULATEDDEVICE_H
#define HX_DEVICE_SIMULATEDDEVICE_H

#include <QtCore/QSize>

namespace hx {
namespace device {

// The one description of the simulated phone that DisplayInfo, HardwareInfo and the toolkit's
// UIConfig all read, so they never disagree inside a process. Until a test or the simulator
// sets a value, it comes from the environment, read again at each call: HX_DISPLAY_SIZE ("WxH",
// such as "1440x1440"; 720x1280 when unset or malformed) and HX_PHYSICAL_KEYBOARD /
// HX_TRACKPAD ("1", "true" or "yes" mean present). Any thread may read and set.
class SimulatedDevice
{
public:
    static QSize displaySize();
    // An empty size goes back to the environment's.
    static void setDisplaySize(const QSize &size);

    static bool hasPhysicalKeyboard();
    static void setPhysicalKeyboard(bool present);
    static bool hasTrackpad();
    static void setTrackpad(bool present);

    // Forgets every value set: the environment speaks again.
    static void reset();
};

} // namespace device
} // namespace hx

#endif
