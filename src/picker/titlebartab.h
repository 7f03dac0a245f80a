#ifndef HX_TRELLAN_PLACES_TITLEBARTAB_H
#define HX_TRELLAN_PLACES_TITLEBARTAB_H

#include <hx/trellan/places/filtercategory.h>
#include <hx/trellan/places/hxplacesglobal.h>
#include <hx/trellan/places/pickerretrans.h>

#include <hx/trellan/titlebar.h>

namespace hx {
namespace trellan {
namespace places {

// The My Places title bar: three segments, Recents, Favorites and Contacts, the first one
// selected. The tab a list shows also picks its rows' icons; None lists everything.
class HXPLACES_EXPORT TitleBarTab : public hx::trellan::TitleBar, public PickerRetrans
{
    Q_OBJECT
public:
    enum Tab : int { None = -1, Recents = 0, Favorites = 1, Contacts = 2 };

    explicit TitleBarTab(QObject *parent = nullptr);
    ~TitleBarTab() override;

    // The filter category that lists a tab's places; None for any other value.
    static FilterCategory::Type toFilterCategory(Tab tab);
    // The tab of a segment index, None outside 0 to 2.
    static Tab tab(int index);

    void retranslateUI() override;

private:
    hx::trellan::Option *addTab(const char *objectName, Tab tab);

    hx::trellan::Option *m_recents;
    hx::trellan::Option *m_favorites;
    hx::trellan::Option *m_contacts;
};

} // namespace places
} // namespace trellan
} // namespace hx

#endif
