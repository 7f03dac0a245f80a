#ifndef HX_DEVICE_HARDWAREINFO_H
#define HX_DEVICE_HARDWAREINFO_H

#include <QtCore/QObject>

namespace hx {
namespace device {

// What input hardware the phone has: the simulated device's (SimulatedDevice), read at every
// call so a test can switch devices.
class HardwareInfo : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool physicalKeyboardDevice READ isPhysicalKeyboardDevice CONSTANT)
    Q_PROPERTY(bool trackpadDevice READ isTrackpadDevice CONSTANT)
public:
    explicit HardwareInfo(QObject *parent = nullptr);
    ~HardwareInfo() override;

    bool isPhysicalKeyboardDevice() const;
    bool isTrackpadDevice() const;
};

} // namespace device
} // namespace hx

#endif
