#ifndef HX_PLATFORM_PLACES_AUXILIARYDATAREPLY_H
#define HX_PLATFORM_PLACES_AUXILIARYDATAREPLY_H

#include <hx/platform/places/abstractplace.h>
#include <hx/platform/places/auxiliarydata.h>
#include <hx/platform/places/error.h>

#include <QtCore/QList>
#include <QtCore/QMetaType>
#include <QtCore/QSharedPointer>
#include <QtCore/QVariant>

namespace hx {
namespace platform {
namespace places {

// The answer to one AuxiliaryDataRequest: a status (0 = found), the request's user value, the
// place and its data of the requested type.
class AuxiliaryDataReply
{
public:
    AuxiliaryDataReply() = default;
    AuxiliaryDataReply(Error::Type status, const QVariant &userData, const QSharedPointer<AbstractPlace> &place,
                       const QList<AuxiliaryData> &data)
        : m_status(status), m_userData(userData), m_place(place), m_data(data)
    { }

    Error::Type status() const { return m_status; }
    bool isError() const { return m_status != Error::None; }
    QVariant userData() const { return m_userData; }
    QSharedPointer<AbstractPlace> place() const { return m_place; }
    QList<AuxiliaryData> data() const { return m_data; }

private:
    Error::Type m_status = Error::None;
    QVariant m_userData;
    QSharedPointer<AbstractPlace> m_place;
    QList<AuxiliaryData> m_data;
};

} // namespace places
} // namespace platform
} // namespace hx

Q_DECLARE_METATYPE(hx::platform::places::AuxiliaryDataReply)
Q_DECLARE_METATYPE(QList<hx::platform::places::AuxiliaryDataReply>)

#endif
