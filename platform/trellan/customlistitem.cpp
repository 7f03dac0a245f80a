#include <hx/trellan/customlistitem.h>

namespace hx {
namespace trellan {

CustomListItem::CustomListItem(QObject *parent) : Control(parent) { }

CustomListItem::CustomListItem(int highlightAppearance, QObject *parent)
    : Control(parent), m_highlight(highlightAppearance)
{ }

void CustomListItem::setContent(Control *content)
{
    m_content = content;
    if (content)
        content->setParent(this);
}

void CustomListItem::setFocusHighlighted(bool highlighted)
{
    if (m_focusHighlighted == highlighted)
        return;
    m_focusHighlighted = highlighted;
    emit focusHighlightChanged(highlighted);
}

void CustomListItem::setSelected(bool selected)
{
    if (m_selected == selected)
        return;
    m_selected = selected;
    emit selectedChanged(selected);
}

} // namespace trellan
} // namespace hx
