#include <hx/trellan/uiobject.h>

namespace hx {
namespace trellan {

UIObject::UIObject(QObject *parent) : QObject(parent) { }

UIObject::~UIObject() = default;

QObject *UIObject::findChildByName(const QString &name) const
{
    return findChild<QObject *>(name);
}

} // namespace trellan
} // namespace hx
