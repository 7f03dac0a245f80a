#include <hx/device/hardwareinfo.h>

#include <hx/device/simulateddevice.h>

namespace hx {
namespace device {

HardwareInfo::HardwareInfo(QObject *parent) : QObject(parent) { }

HardwareInfo::~HardwareInfo() = default;

bool HardwareInfo::isPhysicalKeyboardDevice() const
{
    return SimulatedDevice::hasPhysicalKeyboard();
}

bool HardwareInfo::isTrackpadDevice() const
{
    return SimulatedDevice::hasTrackpad();
}

} // namespace device
} // namespace hx
