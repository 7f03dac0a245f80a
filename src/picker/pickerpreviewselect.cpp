#include <hx/trellan/places/pickerpreviewselect.h>

#include <hx/trellan/enums.h>
#include <hx/trellan/focusrequester.h>
#include <hx/trellan/places/selectaction.h>

namespace hx {
namespace trellan {
namespace places {

PickerPreviewSelect::PickerPreviewSelect(const QSharedPointer<hx::platform::places::Place> &place,
                                         const hx::platform::places::Coordinates &position, QObject *parent)
    : PickerPreview(place, position, parent)
{
    auto *select = new SelectAction;
    connect(select, &ActionItem::triggered, this, &PickerPreviewSelect::selected);
    addAction(select, ActionBarPlacement::Signature);
    FocusRequester::requestFocus(select);
}

PickerPreviewSelect::~PickerPreviewSelect() = default;

} // namespace places
} // namespace trellan
} // namespace hx
