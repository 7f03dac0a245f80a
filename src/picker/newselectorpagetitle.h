#ifndef HX_TRELLAN_PLACES_NEWSELECTORPAGETITLE_H
#define HX_TRELLAN_PLACES_NEWSELECTORPAGETITLE_H

#include <hx/trellan/places/hxplacesglobal.h>
#include <hx/trellan/places/pickerretrans.h>
#include <hx/trellan/titlebar.h>

namespace hx {
namespace trellan {
class ActionItem;
namespace places {

// The title bar of the new selector's first page: "Cancel" on the left, "New Entry" on the
// right and a title naming what is being added (a favourite, home or work).
class HXPLACES_EXPORT NewSelectorPageTitle : public hx::trellan::TitleBar, public PickerRetrans
{
    Q_OBJECT
public:
    // placeType: 1 home, 2 work, anything else a favourite.
    explicit NewSelectorPageTitle(int placeType, QObject *parent = nullptr);
    ~NewSelectorPageTitle() override;

    hx::trellan::ActionItem *cancelAction() const { return m_cancel; }
    hx::trellan::ActionItem *newEntryAction() const { return m_newEntry; }

    void retranslateUI() override;

private:
    int m_placeType;
    hx::trellan::ActionItem *m_cancel;
    hx::trellan::ActionItem *m_newEntry;
};

} // namespace places
} // namespace trellan
} // namespace hx

#endif
