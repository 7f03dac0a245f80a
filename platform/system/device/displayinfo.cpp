#include <hx/device/displayinfo.h>

#include <QtCore/QRegularExpression>
#include <QtQml/QQmlEngine>

#include <mutex>

namespace hx {
namespace device {

namespace {
QSize sizeFromEnvironment()
{
    static const QRegularExpression pattern(QStringLiteral("^\\s*(\\d{1,5})\\s*[xX]\\s*(\\d{1,5})\\s*$"));
    const QRegularExpressionMatch match = pattern.match(QString::fromLatin1(qgetenv("HX_DISPLAY_SIZE")));
    if (!match.hasMatch())
        return DisplayInfo::defaultPixelSize();
    const QSize size(match.captured(1).toInt(), match.captured(2).toInt());
    return size.isEmpty() ? DisplayInfo::defaultPixelSize() : size;
}
} // namespace

DisplayInfo::DisplayInfo(QObject *parent) : QObject(parent), m_size(sizeFromEnvironment()) { }

DisplayInfo::~DisplayInfo() = default;

QSize DisplayInfo::pixelSize() const
{
    return m_size;
}

int DisplayInfo::width() const
{
    return m_size.width();
}

int DisplayInfo::height() const
{
    return m_size.height();
}

DisplayAspectType::Type DisplayInfo::aspectType() const
{
    if (m_size.width() == m_size.height())
        return DisplayAspectType::Square;
    return m_size.width() < m_size.height() ? DisplayAspectType::Portrait : DisplayAspectType::Landscape;
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
