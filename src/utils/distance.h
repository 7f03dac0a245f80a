#ifndef HX_TRELLAN_PLACES_DISTANCE_H
#define HX_TRELLAN_PLACES_DISTANCE_H

#include <hx/trellan/places/hxplacesglobal.h>
#include <hx/trellan/places/pickerretrans.h>
#include <hx/trellan/places/unitofmeasureretrans.h>

#include <QtCore/QScopedPointer>
#include <hx/platform/places/coordinates.h>
#include <hx/trellan/container.h>
#include <hx/trellan/textstyle.h>

namespace hx {
namespace trellan {
namespace places {

class DistancePrivate;

// How far a place is, such as "1.5 km", in the unit system the user chose. Invisible until it
// knows a distance; follows changes of the language and of the measurement system.
class HXPLACES_EXPORT Distance : public hx::trellan::Container, public UnitOfMeasureRetrans, public PickerRetrans
{
    Q_OBJECT
public:
    Distance();
    // The label's base style is style instead of the default one.
    explicit Distance(const hx::trellan::TextStyle &style);
    ~Distance() override;

    static hx::trellan::TextStyle getDefaultTextStyle();

    // Metres; shows the control.
    void setDistance(double metres);
    // Hidden when either side is invalid; otherwise shown, then locationValid().
    void setDistance(const hx::platform::places::Coordinates &from, const hx::platform::places::Coordinates &to);
    // From the last known position to the place; hidden while either is unknown.
    void setDistance(const hx::platform::places::Coordinates &place);
    void setTopNudge(float nudge);

    // The stored distance in metres; -1 until one is set.
    double distance() const;

    void retranslateUI() override;
    void retransUnitOfMeasurement() override;

public slots:
    void onLocationChanged(hx::platform::places::Coordinates place);

signals:
    void locationValid();

private:
    Q_DISABLE_COPY(Distance)
    void build(const hx::trellan::TextStyle &style);

    QScopedPointer<DistancePrivate> d;
};

} // namespace places
} // namespace trellan
} // namespace hx

#endif
