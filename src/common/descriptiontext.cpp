#include <hx/trellan/places/descriptiontext.h>

#include <hx/trellan/enums.h>
#include <hx/trellan/places/placeviewutils.h>
#include <hx/trellan/places/valuetextsetup.h>

namespace hx {
namespace trellan {
namespace places {

DescriptionText::DescriptionText(const QString &text, bool editable, QObject *parent) : TextArea(parent)
{
    ValueTextSetup::apply(this, editable, PlaceViewUtils::descriptionTextStyle(), text);
    setContentFlags(TextContentFlag::ActiveText);
}

} // namespace places
} // namespace trellan
} // namespace hx
