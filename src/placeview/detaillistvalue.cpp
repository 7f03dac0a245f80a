#include <hx/trellan/places/detaillistvalue.h>

#include <hx/trellan/places/placeviewutils.h>
#include <hx/trellan/places/valuetextsetup.h>

namespace hx {
namespace trellan {
namespace places {

DetailListValue::DetailListValue(const QString &text, bool editable, QObject *parent) : TextArea(parent)
{
    ValueTextSetup::apply(this, editable, PlaceViewUtils::descriptionTextStyle(), text);
}

} // namespace places
} // namespace trellan
} // namespace hx
