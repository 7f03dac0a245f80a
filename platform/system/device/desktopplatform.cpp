#include "desktopplatform_p.h"

#include <hx/msgclient/messageserver.h>
#include <hx/platform/places/gazetteer.h>
#include <hx/pps/ppspath.h>
#include <hx/system/cardregistry.h>

#include <QtCore/QCoreApplication>
#include <QtCore/QDir>
#include <QtCore/QFile>
#include <QtCore/QFileInfo>
#include <QtCore/QLocale>
#include <QtGui/QGuiApplication>

#include <cstring>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace hx {
namespace device {

namespace {
const char PickerTarget[] = "sys.places.placepicker";

// A server listens at path: a connection is taken. A socket left by a server that is gone
// refuses it.
bool answers(const QString &path, int socketType)
{
    const QByteArray file = QFile::encodeName(path);
    sockaddr_un address {};
    address.sun_family = AF_UNIX;
    if (file.isEmpty() || size_t(file.size()) >= sizeof address.sun_path)
        return false;
    std::memcpy(address.sun_path, file.constData(), size_t(file.size()));
    const int fd = ::socket(AF_UNIX, socketType | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return false;
    const bool connected = ::connect(fd, reinterpret_cast<sockaddr *>(&address), sizeof address) == 0;
    ::close(fd);
    return connected;
}

bool writeFile(const QString &path, const QByteArray &text)
{
    if (!hx::pps::makePrivateFolders(QFileInfo(path).path()))
        return false;
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(text) == text.size();
}

// An application shown on a desktop's display, not drawn off screen.
bool onDisplay()
{
    if (!qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        return false;
    const QString platform = QGuiApplication::platformName();
    return platform != QLatin1String("offscreen") && !platform.startsWith(QLatin1String("minimal"));
}

QString absolute(const QString &path)
{
    return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}
} // namespace

void DesktopPlatformPrivate::setVariable(const char *name, const QString &value)
{
    qputenv(name, QFile::encodeName(value));
    variablesSet.append(name);
}

bool DesktopPlatformPrivate::makeRoots(QString *message)
{
    const bool needPps = qEnvironmentVariableIsEmpty("HX_PPS_ROOT");
    const bool needMessages = qEnvironmentVariableIsEmpty("HX_MSG_ROOT");
    if (!needPps && !needMessages)
        return true;
    roots.reset(new QTemporaryDir(QDir::tempPath() + QStringLiteral("/hxdesktop-XXXXXX")));
    if (!roots->isValid()) {
        *message = QStringLiteral("cannot create a temporary folder: ") + roots->errorString();
        return false;
    }
    // Only the user may reach the phone's settings and its services' sockets.
    QFile::setPermissions(roots->path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    if (needPps)
        setVariable("HX_PPS_ROOT", roots->filePath(QStringLiteral("pps")));
    if (needMessages)
        setVariable("HX_MSG_ROOT", roots->filePath(QStringLiteral("msg")));
    if (!hx::pps::makePrivateFolders(hx::pps::root())
        || !hx::pps::makePrivateFolders(hx::msgclient::MessageServer::root())) {
        *message = QStringLiteral("cannot create the roots in ") + roots->path();
        return false;
    }
    return true;
}

bool DesktopPlatformPrivate::findGazetteer(QString *message)
{
    if (!gazetteer.isEmpty()) {
        if (!QFileInfo::exists(gazetteer)) {
            *message = QStringLiteral("%1: no such gazetteer file").arg(gazetteer);
            return false;
        }
        setVariable("HX_GAZETTEER_DB", absolute(gazetteer));
        return true;
    }
    if (!qEnvironmentVariableIsEmpty("HX_GAZETTEER_DB"))
        return true;
    // A program of a build tree keeps its data set beside its program folder.
    const QString built = QCoreApplication::instance()
        ? QCoreApplication::applicationDirPath() + QStringLiteral("/../data/gazetteer.db")
        : QString();
    if (!built.isEmpty() && QFileInfo::exists(built))
        setVariable("HX_GAZETTEER_DB", absolute(built));
    return true;
}

bool DesktopPlatformPrivate::publishSettings(QString *message)
{
    // The desktop is online; the picker asks about data services only when the phone's network
    // service says they are off.
    const QString network = hx::pps::localPath(QStringLiteral("/pps/services/networking/status_public"));
    if (!QFileInfo::exists(network) && !writeFile(network, QByteArrayLiteral("@status_public\nip_ok::yes\n"))) {
        *message = QStringLiteral("cannot write the network status: ") + network;
        return false;
    }
    return writeUnits(message);
}

bool DesktopPlatformPrivate::writeUnits(QString *message)
{
    const QString path = hx::pps::localPath(QStringLiteral("/pps/services/locale/uom"));
    if (units == DesktopPlatform::Units::Unchanged && QFileInfo::exists(path))
        return true;
    // Left to itself, the phone measures as the desktop's locale does.
    const bool metric = units == DesktopPlatform::Units::Unchanged
        ? QLocale().measurementSystem() == QLocale::MetricSystem
        : units == DesktopPlatform::Units::Metric;
    const QByteArray text = metric ? QByteArrayLiteral("@uom\nuom::metric\n")
                                   : QByteArrayLiteral("@uom\nuom::imperial\nsubuom::feet/miles\n");
    if (writeFile(path, text))
        return true;
    *message = QStringLiteral("cannot write the unit-of-measure setting: ") + path;
    return false;
}

bool DesktopPlatformPrivate::findCards(QString *message)
{
    const QString folder = hx::system::CardRegistry::folder();
    if (hx::system::CardRegistry::programFor(QLatin1String(PickerTarget)).isEmpty()) {
        *message = QStringLiteral("no place picker card is registered in %1 (HX_CARD_REGISTRY names the folder of "
                                  "the card entries)")
                       .arg(folder.isEmpty() ? QStringLiteral("any folder") : folder);
        return false;
    }
    // The cards it starts find the registry their caller found, and show their pages where it
    // shows its own: in a window when it has one.
    if (qEnvironmentVariableIsEmpty("HX_CARD_REGISTRY"))
        setVariable("HX_CARD_REGISTRY", absolute(folder));
    if (qEnvironmentVariableIsEmpty("HX_CARD_WINDOW") && onDisplay())
        setVariable("HX_CARD_WINDOW", QStringLiteral("1"));
    return true;
}

bool DesktopPlatformPrivate::startServices(QString *message)
{
    QString error;
    location.setFixedPosition(latitude, longitude, accuracy);
    // A service someone runs on these roots (a daemon at another position, a track) answers
    // instead of ours.
    const QString control = hx::pps::localPath(QStringLiteral("/pps/services/geolocation/control"));
    if (!answers(control, SOCK_SEQPACKET) && !location.start(&error)) {
        *message = QStringLiteral("cannot start the location service: ") + error;
        return false;
    }
    const QString revgeoPath
        = hx::msgclient::MessageServer::socketPath(QLatin1String(hx::msgclient::RevGeoServer::ServiceName));
    if (answers(revgeoPath, SOCK_STREAM))
        return true;
    revgeo.reset(new hx::msgclient::RevGeoServer(qEnvironmentVariable("HX_GAZETTEER_DB")));
    if (!revgeo->start(&error)) {
        revgeo.reset();
        *message = QStringLiteral("cannot start the reverse-geocoding service: ") + error;
        return false;
    }
    return true;
}

DesktopPlatform::DesktopPlatform() : d(new DesktopPlatformPrivate) { }

DesktopPlatform::~DesktopPlatform()
{
    stop();
}

void DesktopPlatform::setPosition(double latitude, double longitude, double accuracy)
{
    d->latitude = latitude;
    d->longitude = longitude;
    d->accuracy = accuracy;
    if (d->location.isRunning())
        d->location.setFixedPosition(latitude, longitude, accuracy);
}

double DesktopPlatform::latitude() const
{
    return d->latitude;
}

double DesktopPlatform::longitude() const
{
    return d->longitude;
}

void DesktopPlatform::setGazetteerPath(const QString &path)
{
    d->gazetteer = path;
}

void DesktopPlatform::setUnits(Units units)
{
    d->units = units;
}

bool DesktopPlatform::start(QString *message)
{
    if (d->started)
        return true;
    QString error;
    d->started = d->makeRoots(&error) && d->findGazetteer(&error) && d->publishSettings(&error) && d->findCards(&error)
        && d->startServices(&error);
    if (!d->started) {
        stop();
        if (message)
            *message = error;
    }
    return d->started;
}

void DesktopPlatform::stop()
{
    if (d->revgeo)
        d->revgeo->stop();
    d->revgeo.reset();
    if (d->location.isRunning())
        d->location.stop();
    for (const QByteArray &name : qAsConst(d->variablesSet))
        qunsetenv(name.constData());
    d->variablesSet.clear();
    d->roots.reset();
    d->started = false;
}

bool DesktopPlatform::isStarted() const
{
    return d->started;
}

QString DesktopPlatform::ppsRoot() const
{
    return hx::pps::root();
}

QString DesktopPlatform::messageRoot() const
{
    return hx::msgclient::MessageServer::root();
}

QString DesktopPlatform::gazetteerPath() const
{
    const QString configured = qEnvironmentVariable("HX_GAZETTEER_DB");
    return configured.isEmpty() ? hx::platform::places::Gazetteer::defaultPath() : configured;
}

QString DesktopPlatform::cardRegistry() const
{
    return hx::system::CardRegistry::folder();
}

bool DesktopPlatform::runsLocationService() const
{
    return d->location.isRunning();
}

bool DesktopPlatform::runsReverseGeocoder() const
{
    return d->revgeo != nullptr;
}

} // namespace device
} // namespace hx
