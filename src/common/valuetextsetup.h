#ifndef HX_TRELLAN_PLACES_VALUETEXTSETUP_H
#define HX_TRELLAN_PLACES_VALUETEXTSETUP_H

#include <hx/trellan/places/hxplacesglobal.h>

#include <QtCore/QString>

namespace hx {
namespace trellan {
class TextArea;
class TextStyle;
namespace places {

// What every value text of the place card sets first: no margins or paddings, the editable
// flag, its text style, then the text.
class HXPLACES_EXPORT ValueTextSetup
{
public:
    ValueTextSetup() = delete;

    static void apply(hx::trellan::TextArea *area, bool editable, const hx::trellan::TextStyle &style,
                      const QString &text);
};

} // namespace places
} // namespace trellan
} // namespace hx

#endif
