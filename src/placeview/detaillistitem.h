#ifndef HX_TRELLAN_PLACES_DETAILLISTITEM_H
#define HX_TRELLAN_PLACES_DETAILLISTITEM_H

#include <hx/trellan/places/hxplacesglobal.h>

#include <hx/trellan/container.h>
#include <hx/trellan/image.h>

namespace hx {
namespace trellan {
class ImageView;
namespace places {

// One row of the details list: an icon, and a caption over a value. A tap on the row acts on
// the value (dials a number, writes an e-mail, opens a web address).
class HXPLACES_EXPORT DetailListItem : public hx::trellan::Container
{
    Q_OBJECT
public:
    DetailListItem(const hx::trellan::Image &icon, hx::trellan::Control *caption, hx::trellan::Control *value,
                   bool focusable, bool showIcon, QObject *parent = nullptr);

    void setFocusable(bool focusable);
    hx::trellan::Control *caption() const { return m_caption; }
    hx::trellan::Control *value() const { return m_value; }

protected:
    // The horizontal row the icon and the texts sit in; a status item adds its badge to it.
    hx::trellan::Container *row() const { return m_row; }

private slots:
    void onTapped();

private:
    hx::trellan::Container *m_row;
    hx::trellan::Control *m_caption;
    hx::trellan::Control *m_value;
};

} // namespace places
} // namespace trellan
} // namespace hx

#endif
