#include <hx/trellan/places/detailliststatusitem.h>

#include <hx/trellan/enums.h>

namespace hx {
namespace trellan {
namespace places {

DetailListStatusItem::DetailListStatusItem(const Image &icon, Control *caption, Control *value, Control *status,
                                           bool focusable, QObject *parent)
    : DetailListItem(icon, caption, value, focusable, true, parent), m_status(status)
{
    if (!status)
        return;
    status->setHorizontalAlignment(HorizontalAlignment::Right);
    row()->add(status);
}

} // namespace places
} // namespace trellan
} // namespace hx
