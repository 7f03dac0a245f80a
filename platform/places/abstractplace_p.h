#ifndef HX_PLATFORM_PLACES_ABSTRACTPLACE_P_H
#define HX_PLATFORM_PLACES_ABSTRACTPLACE_P_H

#include <hx/platform/places/abstractplace.h>

#include <QtCore/QSharedData>

namespace hx {
namespace platform {
namespace places {

class AbstractPlaceData : public QSharedData
{
public:
    qint64 id = -1;
    QString name;
    QString description;
    int source = AbstractPlace::SourceUnknown;
    qint64 lastUsedTime = 0;
    int certainty = 0;
    int securityPerimeter = 0;
    QUrl mapUrl;
    QStringList tags;
    QList<Location> locations;
    QList<AuxiliaryData> auxiliaryData;
};

} // namespace places
} // namespace platform
} // namespace hx

#endif
