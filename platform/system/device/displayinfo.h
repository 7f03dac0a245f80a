#ifndef HX_DEVICE_DISPLAYINFO_H
#define HX_DEVICE_DISPLAYINFO_H

#include <QtCore/QMetaType>
#include <QtCore/QObject>
#include <QtCore/QSize>

namespace hx {
namespace device {

// The shape of a display.
class DisplayAspectType
{
    Q_GADGET
public:
    enum Type { Landscape = 0, Portrait = 1, Square = 2 };
    Q_ENUM(Type)

private:
    DisplayAspectType() = delete;
};

// The phone's primary display: the simulated device's display (SimulatedDevice), read at each
// call, so a test or the simulator chooses the device and every DisplayInfo follows.
class DisplayInfo : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QSize pixelSize READ pixelSize)
    Q_PROPERTY(int width READ width)
    Q_PROPERTY(int height READ height)
    Q_PROPERTY(hx::device::DisplayAspectType::Type aspectType READ aspectType)
public:
    explicit DisplayInfo(QObject *parent = nullptr);
    ~DisplayInfo() override;

    QSize pixelSize() const;
    int width() const;
    int height() const;
    // Square when width equals height, else portrait or landscape.
    DisplayAspectType::Type aspectType() const;

    static QSize defaultPixelSize();

    // Registers the type for layout documents as "DisplayInfo" in "hx.displayInfo" 1.0;
    // repeated calls do nothing.
    static void registerQmlType();
};

} // namespace device
} // namespace hx

#endif
