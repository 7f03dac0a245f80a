#include <hx/trellan/uiconfig.h>

#include <QtCore/QMutex>
#include <QtCore/QMutexLocker>
#include <QtCore/QStringList>

namespace hx {
namespace trellan {

namespace {
QMutex displayMutex;
QSize configuredSize;

QSize environmentSize()
{
    const QString text = qEnvironmentVariable("HX_DISPLAY_SIZE");
    const QStringList parts = text.split(QLatin1Char('x'));
    if (parts.size() == 2) {
        bool okWidth = false;
        bool okHeight = false;
        const int width = parts.at(0).toInt(&okWidth);
        const int height = parts.at(1).toInt(&okHeight);
        if (okWidth && okHeight && width > 0 && height > 0)
            return QSize(width, height);
    }
    return QSize(720, 1280);
}
} // namespace

float UIConfig::du(float designUnits)
{
    return designUnits * 8.0f;
}

QSize UIConfig::displaySize()
{
    QMutexLocker locker(&displayMutex);
    if (!configuredSize.isValid())
        configuredSize = environmentSize();
    return configuredSize;
}

void UIConfig::setDisplaySize(const QSize &size)
{
    QMutexLocker locker(&displayMutex);
    configuredSize = size;
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
