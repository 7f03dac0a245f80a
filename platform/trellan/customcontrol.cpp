#include <hx/trellan/customcontrol.h>

namespace hx {
namespace trellan {

CustomControl::CustomControl(QObject *parent) : Control(parent) { }

void CustomControl::setRoot(Control *root)
{
    if (m_root == root)
        return;
    if (m_root && m_root->parent() == this)
        delete m_root;
    m_root = root;
    if (root) {
        root->setParent(this);
        connect(root, &QObject::destroyed, this, [this, root] {
            if (m_root == root)
                m_root = nullptr;
        });
    }
}

} // namespace trellan
} // namespace hx
