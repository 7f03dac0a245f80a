#ifndef HX_TRELLAN_PLACES_REVIEWSCOUNTLABEL_H
#define HX_TRELLAN_PLACES_REVIEWSCOUNTLABEL_H

#include <hx/trellan/label.h>
#include <hx/trellan/places/hxplacesglobal.h>
#include <hx/trellan/places/pickerretrans.h>

namespace hx {
namespace trellan {
namespace places {

// "(12 Reviews)" beside a rating's stars.
class HXPLACES_EXPORT ReviewsCountLabel : public hx::trellan::Label, public PickerRetrans
{
    Q_OBJECT

public:
    explicit ReviewsCountLabel(int count, QObject *parent = nullptr);
    ~ReviewsCountLabel() override;

    void retranslateUI() override;

private:
    int m_count;
};

} // namespace places
} // namespace trellan
} // namespace hx

#endif
