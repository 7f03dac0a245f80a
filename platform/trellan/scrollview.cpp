#include <hx/trellan/scrollview.h>

namespace hx {
namespace trellan {

ScrollView::ScrollView(QObject *parent) : Control(parent) { }

ScrollView::ScrollView(Control *content, QObject *parent) : Control(parent)
{
    setContent(content);
}

void ScrollView::setContent(Control *content)
{
    if (m_content == content)
        return;
    // The previous content stays a child until its owner takes it back, so nothing leaks.
    m_content = content;
    if (content)
        content->setParent(this);
}

void ScrollView::scrollToPoint(float x, float y)
{
    m_scrollX = x;
    m_scrollY = y;
}

} // namespace trellan
} // namespace hx
