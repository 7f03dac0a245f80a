#ifndef HX_TRELLAN_PLACES_PICKERPREVIEWSELECT_H
#define HX_TRELLAN_PLACES_PICKERPREVIEWSELECT_H

#include <hx/trellan/places/pickerpreview.h>

namespace hx {
namespace trellan {
namespace places {

// The preview with a Select action, for a picker that asks the user to confirm the place.
class HXPLACES_EXPORT PickerPreviewSelect : public PickerPreview
{
    Q_OBJECT
public:
    PickerPreviewSelect(const QSharedPointer<hx::platform::places::Place> &place,
                        const hx::platform::places::Coordinates &position, QObject *parent = nullptr);
    ~PickerPreviewSelect() override;

signals:
    void selected();
};

} // namespace places
} // namespace trellan
} // namespace hx

#endif
