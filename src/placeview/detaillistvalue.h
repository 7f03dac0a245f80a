#ifndef HX_TRELLAN_PLACES_DETAILLISTVALUE_H
#define HX_TRELLAN_PLACES_DETAILLISTVALUE_H

#include <hx/trellan/places/hxplacesglobal.h>

#include <hx/trellan/textarea.h>

namespace hx {
namespace trellan {
namespace places {

// The plain value of a details row (parking, price range, opening hours as text).
class HXPLACES_EXPORT DetailListValue : public hx::trellan::TextArea
{
    Q_OBJECT
public:
    DetailListValue(const QString &text, bool editable, QObject *parent = nullptr);
};

} // namespace places
} // namespace trellan
} // namespace hx

#endif
