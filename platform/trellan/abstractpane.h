#ifndef HX_TRELLAN_ABSTRACTPANE_H
#define HX_TRELLAN_ABSTRACTPANE_H

#include <hx/trellan/uiobject.h>

namespace hx {
namespace trellan {

// Something that fills the screen: a Page or a NavigationPane.
class AbstractPane : public UIObject
{
    Q_OBJECT
    Q_PROPERTY(bool peekEnabled READ isPeekEnabled WRITE setPeekEnabled)
public:
    explicit AbstractPane(QObject *parent = nullptr);

    bool isPeekEnabled() const { return m_peek; }
    void setPeekEnabled(bool enabled) { m_peek = enabled; }

private:
    bool m_peek = true;
};

} // namespace trellan
} // namespace hx

#endif
