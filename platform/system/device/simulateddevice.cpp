#include <hx/device/displayinfo.h>
#include <hx/device/simulateddevice.h>

#include <QtCore/QMutex>
#include <QtCore/QMutexLocker>
#include <QtCore/QRegularExpression>

namespace hx {
namespace device {

namespace {
struct Settings
{
    QMutex mutex;
    QSize displaySize;
    int physicalKeyboard = -1; // -1: not set
    int trackpad = -1;
};

Settings &settings()
{
    static Settings state;
    return state;
}

QSize sizeFromEnvironment()
{
    static const QRegularExpression pattern(QStringLiteral("^\\s*(\\d{1,5})\\s*[xX]\\s*(\\d{1,5})\\s*$"));
    const QRegularExpressionMatch match = pattern.match(QString::fromLatin1(qgetenv("HX_DISPLAY_SIZE")));
    if (!match.hasMatch())
        return DisplayInfo::defaultPixelSize();
    const QSize size(match.captured(1).toInt(), match.captured(2).toInt());
    return size.isEmpty() ? DisplayInfo::defaultPixelSize() : size;
}

bool flagFromEnvironment(const char *name)
{
    const QByteArray value = qgetenv(name).trimmed().toLower();
    return value == "1" || value == "true" || value == "yes";
}

bool flag(int set, const char *variable)
{
    return set < 0 ? flagFromEnvironment(variable) : set == 1;
}
} // namespace

QSize SimulatedDevice::displaySize()
{
    QMutexLocker locker(&settings().mutex);
    return settings().displaySize.isEmpty() ? sizeFromEnvironment() : settings().displaySize;
}

void SimulatedDevice::setDisplaySize(const QSize &size)
{
    QMutexLocker locker(&settings().mutex);
    settings().displaySize = size.isEmpty() ? QSize() : size;
}

bool SimulatedDevice::hasPhysicalKeyboard()
{
    QMutexLocker locker(&settings().mutex);
    return flag(settings().physicalKeyboard, "HX_PHYSICAL_KEYBOARD");
}

void SimulatedDevice::setPhysicalKeyboard(bool present)
{
    QMutexLocker locker(&settings().mutex);
    settings().physicalKeyboard = present ? 1 : 0;
}

bool SimulatedDevice::hasTrackpad()
{
    QMutexLocker locker(&settings().mutex);
    return flag(settings().trackpad, "HX_TRACKPAD");
}

void SimulatedDevice::setTrackpad(bool present)
{
    QMutexLocker locker(&settings().mutex);
    settings().trackpad = present ? 1 : 0;
}

void SimulatedDevice::reset()
{
    QMutexLocker locker(&settings().mutex);
    settings().displaySize = QSize();
    settings().physicalKeyboard = -1;
    settings().trackpad = -1;
}

} // namespace device
} // namespace hx
