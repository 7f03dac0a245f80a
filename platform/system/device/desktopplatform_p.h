#ifndef HX_DEVICE_DESKTOPPLATFORM_P_H
#define HX_DEVICE_DESKTOPPLATFORM_P_H

#include <hx/device/desktopplatform.h>
#include <hx/msgclient/revgeoserver.h>
#include <hx/pps/locationserver.h>

#include <QtCore/QByteArrayList>
#include <QtCore/QScopedPointer>
#include <QtCore/QTemporaryDir>

namespace hx {
namespace device {

class DesktopPlatformPrivate
{
public:
    bool makeRoots(QString *message);
    bool findGazetteer(QString *message);
    bool publishSettings(QString *message);
    bool writeUnits(QString *message);
    bool findCards(QString *message);
    bool startServices(QString *message);
    void setVariable(const char *name, const QString &value);

    double latitude = 43.4643;
    double longitude = -80.5204;
    double accuracy = 25;
    QString gazetteer;
    DesktopPlatform::Units units = DesktopPlatform::Units::Unchanged;

    bool started = false;
    QScopedPointer<QTemporaryDir> roots;
    QByteArrayList variablesSet;
    hx::pps::LocationServer location;
    QScopedPointer<hx::msgclient::RevGeoServer> revgeo;
};

} // namespace device
} // namespace hx

#endif
