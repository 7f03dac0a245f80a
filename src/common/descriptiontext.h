#ifndef HX_TRELLAN_PLACES_DESCRIPTIONTEXT_H
#define HX_TRELLAN_PLACES_DESCRIPTIONTEXT_H

#include <hx/trellan/places/hxplacesglobal.h>

#include <hx/trellan/textarea.h>

namespace hx {
namespace trellan {
namespace places {

// A description of the place, with its numbers, addresses and links marked up.
class HXPLACES_EXPORT DescriptionText : public hx::trellan::TextArea
{
    Q_OBJECT
public:
    DescriptionText(const QString &text, bool editable, QObject *parent = nullptr);
};

} // namespace places
} // namespace trellan
} // namespace hx

#endif
