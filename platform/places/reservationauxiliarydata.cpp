#include <hx/platform/places/reservationauxiliarydata.h>

#include <QtCore/QtNumeric>

namespace hx {
namespace platform {
namespace places {

ReservationAuxiliaryData::ReservationAuxiliaryData() : AuxiliaryData(QLatin1String(TypeReservation)) { }

ReservationAuxiliaryData::ReservationAuxiliaryData(const AuxiliaryData &data) : AuxiliaryData(data)
{
    setType(QLatin1String(TypeReservation));
}

QUrl ReservationAuxiliaryData::url() const
{
    return QUrl(property(QStringLiteral("url")).toString());
}

void ReservationAuxiliaryData::setUrl(const QUrl &value)
{
    setProperty(QStringLiteral("url"), value.isEmpty() ? QVariant() : QVariant(value.toString()));
}

} // namespace places
} // namespace platform
} // namespace hx
