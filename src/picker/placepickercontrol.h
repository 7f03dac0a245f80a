#ifndef HX_TRELLAN_PLACES_PLACEPICKERCONTROL_H
#define HX_TRELLAN_PLACES_PLACEPICKERCONTROL_H

#include <hx/trellan/places/hxplacesglobal.h>

#include <hx/trellan/customcontrol.h>

namespace hx {
namespace trellan {
class Container;
namespace places {

class PlacePickerControlPrivate;
class SelectedPlace;

// A ready-made button that opens the place picker card and reports the pick with selected().
class HXPLACES_EXPORT PlacePickerControl : public hx::trellan::CustomControl
{
    Q_OBJECT

public:
    explicit PlacePickerControl(hx::trellan::Container *parent = nullptr);
    ~PlacePickerControl() override;

signals:
    // After each press of the button: the pick, a child of the control, or null.
    void selected(hx::trellan::places::SelectedPlace *result);

private:
    friend class PlacePickerControlPrivate;
    Q_DISABLE_COPY(PlacePickerControl)
    PlacePickerControlPrivate *d;
};

} // namespace places
} // namespace trellan
} // namespace hx

#endif
