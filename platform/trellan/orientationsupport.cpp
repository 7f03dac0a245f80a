#include <hx/trellan/orientationsupport.h>

#include <QtCore/QCoreApplication>

namespace hx {
namespace trellan {

OrientationSupport::OrientationSupport(QObject *parent) : QObject(parent)
{
    qRegisterMetaType<UIOrientation::Type>("hx::trellan::UIOrientation::Type");
}

OrientationSupport *OrientationSupport::instance()
{
    // Lives as long as the application, on its thread.
    static OrientationSupport *support = new OrientationSupport(QCoreApplication::instance());
    return support;
}

void OrientationSupport::rotateTo(int orientation)
{
    if (orientation != 0 && orientation != 1)
        return;
    if (orientation == m_orientation)
        return;
    emit orientationAboutToChange(UIOrientation::Type(orientation));
    m_orientation = orientation;
    emit orientationChanged(UIOrientation::Type(orientation));
}

} // namespace trellan
} // namespace hx
