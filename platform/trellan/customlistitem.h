#ifndef HX_TRELLAN_CUSTOMLISTITEM_H
#define HX_TRELLAN_CUSTOMLISTITEM_H

#include <hx/trellan/control.h>

#include <QtCore/QPointer>

namespace hx {
namespace trellan {

// A list row around one content control, with its highlight appearance (HighlightAppearance).
// The view marks the focused row (focusHighlightChanged) and the selected rows.
class CustomListItem : public Control
{
    Q_OBJECT
    Q_PROPERTY(hx::trellan::Control *content READ content WRITE setContent)
    Q_PROPERTY(int highlightAppearance READ highlightAppearance WRITE setHighlightAppearance)
    Q_PROPERTY(bool dividerVisible READ isDividerVisible WRITE setDividerVisible)
    Q_PROPERTY(bool focusHighlighted READ isFocusHighlighted NOTIFY focusHighlightChanged)
    Q_PROPERTY(bool selected READ isSelected NOTIFY selectedChanged)
    Q_CLASSINFO("DefaultProperty", "content")
public:
    explicit CustomListItem(QObject *parent = nullptr);
    explicit CustomListItem(int highlightAppearance, QObject *parent = nullptr);

    Control *content() const { return m_content; }
    // Takes ownership; a previous content stays owned until reparented.
    void setContent(Control *content);
    int highlightAppearance() const { return m_highlight; }
    void setHighlightAppearance(int appearance) { m_highlight = appearance; }
    bool isDividerVisible() const { return m_divider; }
    void setDividerVisible(bool visible) { m_divider = visible; }
    bool isFocusHighlighted() const { return m_focusHighlighted; }
    void setFocusHighlighted(bool highlighted);
    bool isSelected() const { return m_selected; }
    void setSelected(bool selected);

signals:
    void focusHighlightChanged(bool highlighted);
    void selectedChanged(bool selected);

private:
    QPointer<Control> m_content;
    int m_highlight = 0;
    bool m_divider = true;
    bool m_focusHighlighted = false;
    bool m_selected = false;
};

} // namespace trellan
} // namespace hx

#endif
