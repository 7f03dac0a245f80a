#ifndef HX_TRELLAN_PLACES_PICKERRETRANS_H
#define HX_TRELLAN_PLACES_PICKERRETRANS_H

#include <hx/trellan/places/hxplacesglobal.h>

namespace hx {
namespace trellan {
namespace places {

class PickerRetransPrivate;

// Base of every component that shows texts: when retranslation is enabled, retranslateUI() runs
// again each time the phone's language changes, so the texts follow the language while shown.
class HXPLACES_EXPORT PickerRetrans
{
public:
    explicit PickerRetrans(bool enable = true);
    virtual ~PickerRetrans();

    // Applies every user-visible text of the component in the current language.
    virtual void retranslateUI() = 0;

private:
    Q_DISABLE_COPY(PickerRetrans)
    PickerRetransPrivate *d;
};

} // namespace places
} // namespace trellan
} // namespace hx

#endif
