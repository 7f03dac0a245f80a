#ifndef HX_TRELLAN_PLACES_TITLEBARVIEW_H
#define HX_TRELLAN_PLACES_TITLEBARVIEW_H

#include <hx/trellan/places/hxplacesglobal.h>
#include <hx/trellan/places/pickerretrans.h>
#include <hx/trellan/places/placeviewmode.h>

#include <hx/trellan/container.h>
#include <hx/trellan/image.h>

#include <hx/platform/places/place.h>

namespace hx {
namespace trellan {
class ImageView;
class Label;
namespace places {

class TranslatableValueList;

// The title bar of a place card and of the picker preview: the place's name, its category
// names under it, and the home or work picture at the right.
class HXPLACES_EXPORT TitleBarView : public hx::trellan::Container, public PickerRetrans
{
    Q_OBJECT
public:
    TitleBarView(const hx::platform::places::Place &place, int viewMode, QObject *parent = nullptr);

    static hx::trellan::Image getWorkHomePicture(const hx::platform::places::Place &place);
    hx::trellan::Label *titleLabel() const { return m_title; }
    TranslatableValueList *categories() const { return m_categories; }
    void retranslateUI() override;

private:
    int m_viewMode;
    QString m_name;
    hx::trellan::Label *m_title;
    TranslatableValueList *m_categories = nullptr;
};

} // namespace places
} // namespace trellan
} // namespace hx

#endif
