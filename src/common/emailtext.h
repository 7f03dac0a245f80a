#ifndef HX_TRELLAN_PLACES_EMAILTEXT_H
#define HX_TRELLAN_PLACES_EMAILTEXT_H

#include <hx/trellan/places/hxplacesglobal.h>

#include <hx/trellan/textarea.h>

namespace hx {
namespace trellan {
namespace places {

// An e-mail address of the place card; a tap on its row writes to it.
class HXPLACES_EXPORT EmailText : public hx::trellan::TextArea
{
    Q_OBJECT
public:
    EmailText(const QString &text, bool editable, QObject *parent = nullptr);

public slots:
    void onDetailListItemTapped();
};

} // namespace places
} // namespace trellan
} // namespace hx

#endif
