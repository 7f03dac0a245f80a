#include <hx/trellan/places/valuetextsetup.h>

#include <hx/trellan/textarea.h>
#include <hx/trellan/textstyle.h>

namespace hx {
namespace trellan {
namespace places {

void ValueTextSetup::apply(TextArea *area, bool editable, const TextStyle &style, const QString &text)
{
    area->setLeftMargin(0);
    area->setRightMargin(0);
    area->setTopMargin(0);
    area->setBottomMargin(0);
    area->setLeftPadding(0);
    area->setRightPadding(0);
    area->setTopPadding(0);
    area->setBottomPadding(0);
    area->setEditable(editable);
    area->setTextStyle(style);
    area->setText(text);
}

} // namespace places
} // namespace trellan
} // namespace hx
