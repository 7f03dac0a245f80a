#ifndef HX_TRELLAN_PLACES_CUSTOMRADIOGROUP_P_H
#define HX_TRELLAN_PLACES_CUSTOMRADIOGROUP_P_H

namespace hx {
namespace trellan {
class RadioGroup;
class ScrollView;

namespace places {

class CustomRadioGroupPrivate
{
public:
    hx::trellan::ScrollView *scrollView;
    hx::trellan::RadioGroup *radioGroup;
};

} // namespace places
} // namespace trellan
} // namespace hx

#endif
