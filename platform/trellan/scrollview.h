#ifndef HX_TRELLAN_SCROLLVIEW_H
#define HX_TRELLAN_SCROLLVIEW_H

#include <hx/trellan/control.h>

#include <QtCore/QPointer>

namespace hx {
namespace trellan {

// One content control that scrolls (ScrollMode) and may zoom with a pinch.
class ScrollView : public Control
{
    Q_OBJECT
    Q_PROPERTY(hx::trellan::Control *content READ content WRITE setContent)
    Q_PROPERTY(int scrollMode READ scrollMode WRITE setScrollMode)
    Q_PROPERTY(bool pinchToZoomEnabled READ isPinchToZoomEnabled WRITE setPinchToZoomEnabled)
    Q_CLASSINFO("DefaultProperty", "content")
public:
    explicit ScrollView(QObject *parent = nullptr);
    explicit ScrollView(Control *content, QObject *parent = nullptr);

    Control *content() const { return m_content; }
    // Takes ownership; a previous content stays owned by the view until reparented.
    void setContent(Control *content);
    int scrollMode() const { return m_scrollMode; }
    void setScrollMode(int mode) { m_scrollMode = mode; }
    bool isPinchToZoomEnabled() const { return m_pinch; }
    void setPinchToZoomEnabled(bool enabled) { m_pinch = enabled; }
    float scrollY() const { return m_scrollY; }
    void scrollToPoint(float x, float y);

private:
    QPointer<Control> m_content;
    int m_scrollMode = 0;
    bool m_pinch = false;
    float m_scrollX = 0;
    float m_scrollY = 0;
};

} // namespace trellan
} // namespace hx

#endif
