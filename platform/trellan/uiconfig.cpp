#include <hx/device/simulateddevice.h>
#include <hx/trellan/uiconfig.h>

namespace hx {
namespace trellan {

float UIConfig::du(float designUnits)
{
    return designUnits * 8.0f;
}

QSize UIConfig::displaySize()
{
    return hx::device::SimulatedDevice::displaySize();
}

void UIConfig::setDisplaySize(const QSize &size)
{
    hx::device::SimulatedDevice::setDisplaySize(size);
}

QString UIConfig::resolutionFolder()
{
    const QSize size = displaySize();
    return QStringLiteral("%1x%2").arg(size.width()).arg(size.height());
}

QString UIConfig::densityFolder()
{
    return QStringLiteral("12ppd");
}

} // namespace trellan
} // namespace hx
