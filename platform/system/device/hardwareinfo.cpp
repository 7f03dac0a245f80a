#include <hx/device/hardwareinfo.h>

#include <QtCore/QByteArray>

namespace hx {
namespace device {

namespace {
bool flag(const char *name)
{
    const QByteArray value = qgetenv(name).trimmed().toLower();
    return value == "1" || value == "true" || value == "yes";
}
} // namespace

HardwareInfo::HardwareInfo(QObject *parent) : QObject(parent) { }

HardwareInfo::~HardwareInfo() = default;

bool HardwareInfo::isPhysicalKeyboardDevice() const
{
    return flag("HX_PHYSICAL_KEYBOARD");
}

bool HardwareInfo::isTrackpadDevice() const
{
    return flag("HX_TRACKPAD");
}

} // namespace device
} // namespace hx
