#include <hx/trellan/label.h>

namespace hx {
namespace trellan {

Label::Label(QObject *parent) : AbstractTextControl(parent) { }

Label::Label(const QString &text, QObject *parent) : AbstractTextControl(parent)
{
    storeText(text);
}

} // namespace trellan
} // namespace hx
