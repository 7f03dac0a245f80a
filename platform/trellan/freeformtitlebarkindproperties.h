#ifndef HX_TRELLAN_FREEFORMTITLEBARKINDPROPERTIES_H
#define HX_TRELLAN_FREEFORMTITLEBARKINDPROPERTIES_H

#include <hx/trellan/control.h>

#include <QtCore/QPointer>

namespace hx {
namespace trellan {

// The content of a free-form title bar (TitleBarKind::FreeForm).
class FreeFormTitleBarKindProperties : public UIObject
{
    Q_OBJECT
    Q_PROPERTY(hx::trellan::Control *content READ content WRITE setContent)
    Q_CLASSINFO("DefaultProperty", "content")
public:
    explicit FreeFormTitleBarKindProperties(QObject *parent = nullptr);

    Control *content() const { return m_content; }
    // Takes ownership.
    void setContent(Control *content);

private:
    QPointer<Control> m_content;
};

} // namespace trellan
} // namespace hx

#endif
