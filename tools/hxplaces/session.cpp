#include "session.h"

#include "networkstatus.h"
#include "storeseeder.h"

#include <hx/platform/places/gazetteer.h>
#include <hx/platform/places/placeheader.h>
#include <hx/platform/places/placemanager.h>
#include <hx/platform/places/sortrule.h>
#include <hx/platform/places/storestatus.h>
#include <hx/platform/places/tags.h>

#include <QtCore/QCoreApplication>
#include <QtCore/QDir>
#include <QtCore/QFile>
#include <QtCore/QFileInfo>
#include <QtCore/QLocale>
#include <QtCore/QStandardPaths>

using namespace hx::platform::places;

namespace {
void setPath(const char *variable, const QString &path)
{
    qputenv(variable, QFile::encodeName(QFileInfo(path).absoluteFilePath()));
}

QString storeErrorText(const QString &path, Error::Type error)
{
    const QString problem = StoreStatus::problem(path);
    if (!problem.isEmpty())
        return problem;
    return error == Error::StorageFailure ? QStringLiteral("it cannot be opened or read")
                                          : QStringLiteral("the store reports error %1").arg(int(error));
}
} // namespace

Session::Session() = default;

Session::~Session()
{
    if (m_revgeo)
        m_revgeo->stop();
    if (m_location.isRunning())
        m_location.stop();
}

void Session::moveTo(const Coordinates &position)
{
    m_position = position;
    m_location.setFixedPosition(position.latitude(), position.longitude(), 25);
}

Coordinates Session::defaultPosition()
{
    return Coordinates(43.4643, -80.5204);
}

QString Session::defaultGazetteerPath()
{
    const QString configured = qEnvironmentVariable("HX_GAZETTEER_DB");
    if (!configured.isEmpty())
        return configured;
    // A build tree keeps the program in build/bin and the data set in build/data.
    const QString built = QCoreApplication::applicationDirPath() + QStringLiteral("/../data/gazetteer.db");
    if (QFileInfo::exists(built))
        return QDir::cleanPath(built);
    return Gazetteer::defaultPath();
}

bool Session::start(const Options &options, QString *message)
{
    if (!m_root.isValid()) {
        *message = QStringLiteral("cannot create a temporary folder: ") + m_root.errorString();
        return false;
    }
    QDir(m_root.path()).mkpath(QStringLiteral("pps"));
    QDir(m_root.path()).mkpath(QStringLiteral("msg"));
    QFile::setPermissions(m_root.path() + QStringLiteral("/msg"),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    setPath("HX_PPS_ROOT", m_root.path() + QStringLiteral("/pps"));
    setPath("HX_MSG_ROOT", m_root.path() + QStringLiteral("/msg"));

    m_gazetteerPath = options.gazetteerPath.isEmpty() ? defaultGazetteerPath() : options.gazetteerPath;
    if (!options.gazetteerPath.isEmpty() && !QFileInfo::exists(options.gazetteerPath)) {
        *message = QStringLiteral("%1: no such gazetteer file").arg(options.gazetteerPath);
        return false;
    }
    setPath("HX_GAZETTEER_DB", m_gazetteerPath);
    m_position = options.position.isValid() ? options.position : defaultPosition();

    if (!writeUnits(options.units, message) || !writeNetworkStatus(message))
        return false;
    if (!prepareStore(options, message))
        return false;
    return !options.services || startServices(message);
}

bool Session::writeUnits(const QString &units, QString *message)
{
    // Distances follow the phone's unit-of-measure setting; on this desktop it starts as the
    // locale's measurement system.
    const bool metric
        = units.isEmpty() ? QLocale().measurementSystem() == QLocale::MetricSystem : units == QLatin1String("metric");
    const QString path = m_root.path() + QStringLiteral("/pps/services/locale/uom");
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    const QByteArray text = metric ? QByteArrayLiteral("@uom\nuom::metric\n")
                                   : QByteArrayLiteral("@uom\nuom::imperial\nsubuom::feet/miles\n");
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(text) != text.size()) {
        *message = QStringLiteral("cannot write the unit-of-measure setting: ") + file.errorString();
        return false;
    }
    return true;
}

bool Session::writeNetworkStatus(QString *message)
{
    // The desktop the simulator runs on is online; the picker card asks about data services
    // only when the phone's network service says they are off.
    return NetworkStatus::publishOnline(m_root.path() + QStringLiteral("/pps"), message);
}

QString Session::userStorePath(const QString &storePath)
{
    if (!storePath.isEmpty())
        return storePath;
    // Where the platform keeps the user's store.
    const QString configured = qEnvironmentVariable("HX_PLACES_DB");
    if (!configured.isEmpty())
        return configured;
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
        + QStringLiteral("/hxplaces/places.db");
}

bool Session::prepareStore(const Options &options, QString *message)
{
    const bool temporary = options.demo;
    const QString path = temporary ? m_root.path() + QStringLiteral("/places.db") : userStorePath(options.storePath);
    // The platform creates a missing store on first use; only its folder must be there.
    if (!QDir().mkpath(QFileInfo(path).absolutePath())) {
        *message = QStringLiteral("%1: cannot create the folder of this store").arg(path);
        return false;
    }
    setPath("HX_PLACES_DB", path);

    // Reading one favourite opens the file and checks its schema, so a damaged store is refused
    // here, before any screen or command touches it.
    PlaceManager manager;
    Error::Type error = Error::None;
    SearchHandle handle;
    qDeleteAll(manager.findPlacesByTags({ QLatin1String(Tags::Favorite) }, error, handle, SortRule(), 0, 1));
    if (error != Error::None) {
        *message = QStringLiteral("%1: cannot use this store: %2").arg(path, storeErrorText(path, error));
        return false;
    }
    if (temporary && !StoreSeeder::seed(m_position)) {
        *message = QStringLiteral("cannot fill the temporary store");
        return false;
    }
    return true;
}

bool Session::startServices(QString *message)
{
    m_location.setFixedPosition(m_position.latitude(), m_position.longitude(), 25);
    QString error;
    if (!m_location.start(&error)) {
        *message = QStringLiteral("cannot start the location service: ") + error;
        return false;
    }
    m_revgeo.reset(new hx::msgclient::RevGeoServer(m_gazetteerPath));
    if (!m_revgeo->start(&error)) {
        *message = QStringLiteral("cannot start the reverse-geocoding service: ") + error;
        return false;
    }
    return true;
}
