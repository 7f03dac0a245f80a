#ifndef HX_TRELLAN_PLACES_URITEXT_H
#define HX_TRELLAN_PLACES_URITEXT_H

#include <hx/trellan/places/hxplacesglobal.h>

#include <hx/trellan/textarea.h>

namespace hx {
namespace trellan {
namespace places {

// A web address of the place card; a tap on its row opens it in the browser.
class HXPLACES_EXPORT UriText : public hx::trellan::TextArea
{
    Q_OBJECT
public:
    UriText(const QString &text, bool editable, QObject *parent = nullptr);

public slots:
    void onDetailListItemTapped();
};

} // namespace places
} // namespace trellan
} // namespace hx

#endif
