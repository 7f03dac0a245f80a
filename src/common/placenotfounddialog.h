#ifndef HX_TRELLAN_PLACES_PLACENOTFOUNDDIALOG_H
#define HX_TRELLAN_PLACES_PLACENOTFOUNDDIALOG_H

#include <hx/trellan/places/systemdialogwrapper.h>

namespace hx {
namespace trellan {
namespace places {

// Tells the user that the selected place is gone. Fire and forget: it deletes itself once closed.
class HXPLACES_EXPORT PlaceNotFoundDialog : public SystemDialogWrapper
{
    Q_OBJECT

public:
    explicit PlaceNotFoundDialog(QObject *parent = nullptr);
    ~PlaceNotFoundDialog() override;

    void retranslateUI() override;
};

} // namespace places
} // namespace trellan
} // namespace hx

#endif
