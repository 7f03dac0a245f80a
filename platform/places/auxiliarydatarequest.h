#ifndef HX_PLATFORM_PLACES_AUXILIARYDATAREQUEST_H
#define HX_PLATFORM_PLACES_AUXILIARYDATAREQUEST_H

#include <hx/platform/places/abstractplace.h>

#include <QtCore/QMetaType>
#include <QtCore/QSharedPointer>
#include <QtCore/QString>
#include <QtCore/QVariant>

namespace hx {
namespace platform {
namespace places {

// A request for a place's auxiliary data of one type (all types when the type is empty); the
// user value comes back in the reply unchanged.
class AuxiliaryDataRequest
{
public:
    AuxiliaryDataRequest() = default;
    AuxiliaryDataRequest(const QSharedPointer<AbstractPlace> &place, const QString &dataType = QString(),
                         bool remoteDataOnly = false, const QVariant &userData = QVariant())
        : m_place(place), m_dataType(dataType), m_remoteDataOnly(remoteDataOnly), m_userData(userData)
    { }

    QSharedPointer<AbstractPlace> place() const { return m_place; }
    QString dataType() const { return m_dataType; }
    bool remoteDataOnly() const { return m_remoteDataOnly; }
    QVariant userData() const { return m_userData; }

private:
    QSharedPointer<AbstractPlace> m_place;
    QString m_dataType;
    bool m_remoteDataOnly = false;
    QVariant m_userData;
};

} // namespace places
} // namespace platform
} // namespace hx

Q_DECLARE_METATYPE(hx::platform::places::AuxiliaryDataRequest)

#endif
