#ifndef HX_TRELLAN_PLACES_DETAILDESCRIPTION_H
#define HX_TRELLAN_PLACES_DETAILDESCRIPTION_H

#include <hx/trellan/places/hxplacesglobal.h>

#include <hx/trellan/textarea.h>

namespace hx {
namespace trellan {
namespace places {

// A read-only description or note in the details list, shown as written.
class HXPLACES_EXPORT DetailDescription : public hx::trellan::TextArea
{
    Q_OBJECT
public:
    DetailDescription(const QString &text, bool editable, QObject *parent = nullptr);
};

} // namespace places
} // namespace trellan
} // namespace hx

#endif
