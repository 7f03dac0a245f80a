#ifndef HX_TRELLAN_PLACES_DETAILLISTSTATUSITEM_H
#define HX_TRELLAN_PLACES_DETAILLISTSTATUSITEM_H

#include <hx/trellan/places/detaillistitem.h>

namespace hx {
namespace trellan {
namespace places {

// A details row with a status badge at its right (today's hours with "OPEN" or "CLOSED").
class HXPLACES_EXPORT DetailListStatusItem : public DetailListItem
{
    Q_OBJECT
public:
    DetailListStatusItem(const hx::trellan::Image &icon, hx::trellan::Control *caption, hx::trellan::Control *value,
                         hx::trellan::Control *status, bool focusable, QObject *parent = nullptr);

    hx::trellan::Control *status() const { return m_status; }

private:
    hx::trellan::Control *m_status;
};

} // namespace places
} // namespace trellan
} // namespace hx

#endif
