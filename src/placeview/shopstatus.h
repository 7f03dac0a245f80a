#ifndef HX_TRELLAN_PLACES_SHOPSTATUS_H
#define HX_TRELLAN_PLACES_SHOPSTATUS_H

#include <hx/trellan/places/hxplacesglobal.h>
#include <hx/trellan/places/pickerretrans.h>

#include <hx/trellan/color.h>
#include <hx/trellan/container.h>

namespace hx {
namespace trellan {
class Label;
namespace places {

// The "OPEN" or "CLOSED" badge beside today's hours.
class HXPLACES_EXPORT ShopStatus : public hx::trellan::Container, public PickerRetrans
{
    Q_OBJECT
public:
    static const hx::trellan::Color OPEN_COLOR;
    static const hx::trellan::Color CLOSED_COLOR;

    explicit ShopStatus(bool open, QObject *parent = nullptr);

    bool isOpen() const { return m_open; }
    hx::trellan::Label *label() const { return m_label; }
    void retranslateUI() override;

private:
    bool m_open;
    hx::trellan::Label *m_label;
};

} // namespace places
} // namespace trellan
} // namespace hx

#endif
