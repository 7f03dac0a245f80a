#ifndef HX_TRELLAN_LAYOUTUPDATEHANDLER_H
#define HX_TRELLAN_LAYOUTUPDATEHANDLER_H

#include <hx/trellan/control.h>

#include <QtCore/QPointer>
#include <QtCore/QRectF>

namespace hx {
namespace trellan {

// Reports where its target control was laid out. Nothing lays controls out here, so the frame
// changes only when told (setLayoutFrame), which a test or the simulator does.
class LayoutUpdateHandler : public UIObject
{
    Q_OBJECT
    Q_PROPERTY(QRectF layoutFrame READ layoutFrame NOTIFY layoutFrameChanged)
public:
    // The handler is a child of its target.
    explicit LayoutUpdateHandler(Control *target = nullptr);

    Control *target() const { return m_target; }
    void setTarget(Control *target);
    QRectF layoutFrame() const { return m_frame; }
    void setLayoutFrame(const QRectF &frame);

signals:
    void layoutFrameChanged(const QRectF &layoutFrame);

private:
    QPointer<Control> m_target;
    QRectF m_frame;
};

} // namespace trellan
} // namespace hx

#endif
