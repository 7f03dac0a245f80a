#include "session.h"

#include "storeseeder.h"

#include <hx/platform/places/placeheader.h>
#include <hx/platform/places/placemanager.h>
#include <hx/platform/places/sortrule.h>
#include <hx/platform/places/storestatus.h>
#include <hx/platform/places/tags.h>

#include <QtCore/QDir>
#include <QtCore/QFile>
#include <QtCore/QFileInfo>
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

Session::~Session() = default;

void Session::moveTo(const Coordinates &position)
{
    m_position = position;
    m_platform.setPosition(position.latitude(), position.longitude());
}

Coordinates Session::defaultPosition()
{
    return Coordinates(43.4643, -80.5204);
}

void Session::useFolderForMissingRoots()
{
    // Roots the platform would make go into the run's folder, which is removed also when the
    // run is ended by a signal.
    const QDir folder(m_root.path());
    if (qEnvironmentVariableIsEmpty("HX_PPS_ROOT") && folder.mkpath(QStringLiteral("pps")))
        setPath("HX_PPS_ROOT", folder.filePath(QStringLiteral("pps")));
    if (qEnvironmentVariableIsEmpty("HX_MSG_ROOT") && folder.mkpath(QStringLiteral("msg"))) {
        QFile::setPermissions(folder.filePath(QStringLiteral("msg")),
                              QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        setPath("HX_MSG_ROOT", folder.filePath(QStringLiteral("msg")));
    }
}

bool Session::start(const Options &options, QString *message, QString *note)
{
    if (!m_root.isValid()) {
        *message = QStringLiteral("cannot create a temporary folder: ") + m_root.errorString();
        return false;
    }
    useFolderForMissingRoots();
    m_position = options.position.isValid() ? options.position : defaultPosition();
    m_platform.setPosition(m_position.latitude(), m_position.longitude());
    m_platform.setGazetteerPath(options.gazetteerPath);
    if (!options.units.isEmpty())
        m_platform.setUnits(options.units == QLatin1String("metric") ? hx::device::DesktopPlatform::Units::Metric
                                                                     : hx::device::DesktopPlatform::Units::Imperial);
    if (!m_platform.start(message))
        return false;
    m_gazetteerPath = m_platform.gazetteerPath();
    if (options.position.isValid() && !m_platform.runsLocationService())
        *note
            = QStringLiteral("the location service already running on %1 answers, not --at").arg(m_platform.ppsRoot());
    return prepareStore(options, message);
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
