#include <hx/trellan/imagebutton.h>

namespace hx {
namespace trellan {

ImageButton::ImageButton(QObject *parent) : Control(parent) { }

bool ImageButton::click()
{
    if (!isEnabled() || !isVisible())
        return false;
    emit clicked();
    return true;
}

} // namespace trellan
} // namespace hx
