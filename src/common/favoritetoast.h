#ifndef HX_TRELLAN_PLACES_FAVORITETOAST_H
#define HX_TRELLAN_PLACES_FAVORITETOAST_H

#include <hx/system/systemtoast.h>
#include <hx/trellan/places/hxplacesglobal.h>
#include <hx/trellan/places/pickerretrans.h>

namespace hx {
namespace trellan {
namespace places {

// "Added to Favorites!" in the middle of the screen. Fire and forget: it deletes itself once
// finished.
class HXPLACES_EXPORT FavoriteToast : public hx::system::SystemToast, private PickerRetrans
{
    Q_OBJECT

public:
    explicit FavoriteToast(QObject *parent = nullptr);
    ~FavoriteToast() override;

protected:
    void retranslateUI() override;
};

} // namespace places
} // namespace trellan
} // namespace hx

#endif
