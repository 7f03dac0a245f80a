#ifndef HX_DEVICE_HARDWAREINFO_H
#define HX_DEVICE_HARDWAREINFO_H

#include <QtCore/QObject>

namespace hx {
namespace device {

// What input hardware the phone has. Read from the environment at every call so a test can
// switch devices: HX_PHYSICAL_KEYBOARD and HX_TRACKPAD ("1", "true" or "yes" mean present;
// absent means no).
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
