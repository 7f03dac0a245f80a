#include <hx/trellan/places/emailtext.h>

#include <hx/trellan/enums.h>
#include <hx/trellan/places/placeutils.h>
#include <hx/trellan/places/placeviewutils.h>
#include <hx/trellan/places/valuetextsetup.h>

namespace hx {
namespace trellan {
namespace places {

EmailText::EmailText(const QString &text, bool editable, QObject *parent) : TextArea(parent)
{
    ValueTextSetup::apply(this, editable, PlaceViewUtils::emailTextStyle(), text);
    setContentFlags(TextContentFlag::ActiveText);
}

void EmailText::onDetailListItemTapped()
{
    PlaceUtils::composeEmail(text());
}

} // namespace places
} // namespace trellan
} // namespace hx
