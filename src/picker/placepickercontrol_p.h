#ifndef HX_TRELLAN_PLACES_PLACEPICKERCONTROL_P_H
#define HX_TRELLAN_PLACES_PLACEPICKERCONTROL_P_H

#include <QtCore/QObject>

namespace hx {
namespace trellan {
namespace places {

class PlacePickerControl;

class PlacePickerControlPrivate : public QObject
{
    Q_OBJECT

public:
    explicit PlacePickerControlPrivate(PlacePickerControl *control);

public slots:
    void showSelector();

private:
    PlacePickerControl *q;
};

} // namespace places
} // namespace trellan
} // namespace hx

#endif
