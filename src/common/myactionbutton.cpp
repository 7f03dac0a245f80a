#include <hx/trellan/places/myactionbutton.h>

namespace hx {
namespace trellan {
namespace places {

MyActionButton::MyActionButton(const QString &text, QObject *parent) : Button(text, parent)
{
    setMaxWidth(MAX_WIDTH);
    setScaleY(VERTICAL_SCALE);
}

} // namespace places
} // namespace trellan
} // namespace hx
