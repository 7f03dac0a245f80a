#ifndef HX_TRELLAN_ORIENTATIONSUPPORT_H
#define HX_TRELLAN_ORIENTATIONSUPPORT_H

#include <hx/trellan/enums.h>

#include <QtCore/QObject>

namespace hx {
namespace trellan {

// The device's orientation (UIOrientation: 0 portrait, 1 landscape), one per process.
// rotateTo announces a turn (orientationAboutToChange), then makes it (orientationChanged).
class OrientationSupport : public QObject
{
    Q_OBJECT
    Q_PROPERTY(int orientation READ orientation NOTIFY orientationChanged)
public:
    static OrientationSupport *instance();

    int orientation() const { return m_orientation; }
    int displayDirection() const { return m_orientation == 1 ? 90 : 0; }
    void rotateTo(int orientation);

signals:
    void orientationAboutToChange(hx::trellan::UIOrientation::Type orientation);
    void orientationChanged(hx::trellan::UIOrientation::Type orientation);

private:
    explicit OrientationSupport(QObject *parent = nullptr);

    int m_orientation = 0;
};

} // namespace trellan
} // namespace hx

#endif
