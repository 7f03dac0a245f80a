#ifndef HX_TRELLAN_PLACES_PLACEPICKER_H
#define HX_TRELLAN_PLACES_PLACEPICKER_H

#include <hx/trellan/places/hxplacesglobal.h>
#include <hx/trellan/places/selectedplace.h>

#include <hx/trellan/customcontrol.h>

namespace hx {
namespace trellan {
namespace places {

class PlacePickerPrivate;

// Asks the user for a place through the place picker card. show() waits for the card in a
// nested event loop, so the UI stays alive and other events (timers, replies) are delivered
// meanwhile: callers must expect to be re-entered during show().
class HXPLACES_EXPORT PlacePicker : public hx::trellan::CustomControl
{
    Q_OBJECT

public:
    explicit PlacePicker(QObject *parent = nullptr);
    ~PlacePicker() override;

    // The chosen place, a child of the picker (re-parent it to keep it longer), or null when the
    // user cancelled or the card returned nothing.
    Q_INVOKABLE hx::trellan::places::SelectedPlace *show();

private:
    Q_DISABLE_COPY(PlacePicker)
    PlacePickerPrivate *d;
};

} // namespace places
} // namespace trellan
} // namespace hx

#endif
