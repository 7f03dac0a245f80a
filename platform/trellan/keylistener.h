#ifndef HX_TRELLAN_KEYLISTENER_H
#define HX_TRELLAN_KEYLISTENER_H

#include <hx/trellan/uiobject.h>

namespace hx {
namespace trellan {

// Hears what the user types on a physical keyboard while no text field has the focus, as long
// as the control it is attached to (its parent) is on screen and enabled. A screen uses it to
// start a search as soon as the user types.
class KeyListener : public UIObject
{
    Q_OBJECT
public:
    explicit KeyListener(QObject *parent = nullptr);

    // Delivers one typed character (or a longer text) as the platform would.
    void deliverKey(const QString &text);

signals:
    void keyPressed(const QString &text);
};

} // namespace trellan
} // namespace hx

#endif
