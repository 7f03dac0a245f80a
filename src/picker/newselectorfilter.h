#ifndef HX_TRELLAN_PLACES_NEWSELECTORFILTER_H
#define HX_TRELLAN_PLACES_NEWSELECTORFILTER_H

#include <hx/trellan/container.h>
#include <hx/trellan/places/hxplacesglobal.h>
#include <hx/trellan/places/pickerretrans.h>

#include <QtCore/QRectF>

namespace hx {
namespace trellan {
class DropDown;
namespace places {

// The drop-down above the new selector's list that chooses what the list searches: everything,
// the recent places only or the contacts only.
class HXPLACES_EXPORT NewSelectorFilter : public hx::trellan::Container, public PickerRetrans
{
    Q_OBJECT
public:
    enum Filter { All = 0, Recents = 1, Contacts = 2 };
    Q_ENUM(Filter)

    explicit NewSelectorFilter(QObject *parent = nullptr);
    ~NewSelectorFilter() override;

    // Selects the option at index when it is one of the filters.
    void setFilter(int index);
    // The same without telling anybody.
    void setFilterNoSignal(int index);
    // The selected filter, -1 before the first choice.
    int getFilter() const;

    hx::trellan::DropDown *dropDown() const { return m_dropDown; }

    void retranslateUI() override;

Q_SIGNALS:
    void selectedIndexChanged(int index);
    void scrollToLeadingVisual(float offset);
    void filterExpandedChanged(bool expanded);

private Q_SLOTS:
    void onSelectedIndexChanged(int index);
    void onLayoutFrameChanged(const QRectF &frame);

private:
    hx::trellan::DropDown *m_dropDown;
};

} // namespace places
} // namespace trellan
} // namespace hx

#endif
