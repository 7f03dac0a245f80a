#include <hx/trellan/keylistener.h>

namespace hx {
namespace trellan {

KeyListener::KeyListener(QObject *parent) : UIObject(parent) { }

void KeyListener::deliverKey(const QString &text)
{
    emit keyPressed(text);
}

} // namespace trellan
} // namespace hx
