#ifndef HX_TRELLAN_CUSTOMCONTROL_H
#define HX_TRELLAN_CUSTOMCONTROL_H

#include <hx/trellan/control.h>

namespace hx {
namespace trellan {

// A control made of other controls under one root.
class CustomControl : public Control
{
    Q_OBJECT
    Q_PROPERTY(hx::trellan::Control *root READ root WRITE setRoot)
    Q_CLASSINFO("DefaultProperty", "root")
public:
    explicit CustomControl(QObject *parent = nullptr);

    Control *root() const { return m_root; }
    // Takes ownership; the previous root is deleted.
    void setRoot(Control *root);

private:
    Control *m_root = nullptr;
};

} // namespace trellan
} // namespace hx

#endif
