#ifndef HX_PLATFORM_PLACES_RESERVATIONAUXILIARYDATA_H
#define HX_PLATFORM_PLACES_RESERVATIONAUXILIARYDATA_H

#include <hx/platform/places/auxiliarydata.h>

#include <QtCore/QUrl>

namespace hx {
namespace platform {
namespace places {

// A typed view of a place's reservation link.
class ReservationAuxiliaryData : public AuxiliaryData
{
public:
    ReservationAuxiliaryData();
    // A view of other data; the type is set to TypeReservation.
    explicit ReservationAuxiliaryData(const AuxiliaryData &data);

    QUrl url() const;

    void setUrl(const QUrl &value);
};

} // namespace places
} // namespace platform
} // namespace hx

Q_DECLARE_METATYPE(hx::platform::places::ReservationAuxiliaryData)

#endif
