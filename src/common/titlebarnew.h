#ifndef HX_TRELLAN_PLACES_TITLEBARNEW_H
#define HX_TRELLAN_PLACES_TITLEBARNEW_H

#include <hx/trellan/places/hxplacesglobal.h>
#include <hx/trellan/places/pickerretrans.h>

#include <hx/trellan/titlebar.h>

namespace hx {
namespace trellan {
namespace places {

// The title bar of the new-place editor: Cancel, Save, and a title that says what is being
// added (a favourite, home or work).
class HXPLACES_EXPORT TitleBarNew : public hx::trellan::TitleBar, public PickerRetrans
{
    Q_OBJECT
public:
    enum PlaceType { Favorite = 0, Home = 1, Work = 2 };

    explicit TitleBarNew(int placeType, QObject *parent = nullptr);

    int placeType() const { return m_placeType; }
    void retranslateUI() override;

public slots:
    void onSelectedIndexChanged(int index);

private:
    void applyTitle();

    int m_placeType;
    hx::trellan::ActionItem *m_cancel;
    hx::trellan::ActionItem *m_save;
};

} // namespace places
} // namespace trellan
} // namespace hx

#endif
