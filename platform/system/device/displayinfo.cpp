#include <hx/device/displayinfo.h>
#include <hx/device/simulateddevice.h>

#include <QtQml/QQmlEngine>

#include <mutex>

namespace hx {
namespace device {

DisplayInfo::DisplayInfo(QObject *parent) : QObject(parent) { }

DisplayInfo::~DisplayInfo() = default;

QSize DisplayInfo::pixelSize() const
{
    return SimulatedDevice::displaySize();
}

int DisplayInfo::width() const
{
    return pixelSize().width();
}

int DisplayInfo::height() const
{
    return pixelSize().height();
}

DisplayAspectType::Type DisplayInfo::aspectType() const
{
    const QSize size = pixelSize();
    if (size.width() == size.height())
        return DisplayAspectType::Square;
    return size.width() < size.height() ? DisplayAspectType::Portrait : DisplayAspectType::Landscape;
}

QSize DisplayInfo::defaultPixelSize()
{
    return QSize(720, 1280);
}

void DisplayInfo::registerQmlType()
{
    static std::once_flag once;
    std::call_once(once, [] { qmlRegisterType<DisplayInfo>("hx.displayInfo", 1, 0, "DisplayInfo"); });
}

} // namespace device
} // namespace hx
