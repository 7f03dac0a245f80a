#include <hx/trellan/assetresolver.h>
#include <hx/trellan/uiconfig.h>

#include <QtCore/QCoreApplication>
#include <QtCore/QDir>
#include <QtCore/QFileInfo>
#include <QtCore/QHash>
#include <QtCore/QMutex>

#include <dlfcn.h>

namespace hx {
namespace trellan {

namespace {
QString pickVariant(const QString &base)
{
    const QFileInfo info(base);
    const QString dir = info.path();
    const QString name = info.fileName();
    const QStringList variants = { UIConfig::resolutionFolder(), UIConfig::densityFolder() };
    for (const QString &variant : variants) {
        const QString candidate = dir + QLatin1Char('/') + variant + QLatin1Char('/') + name;
        if (QFileInfo(candidate).isFile())
            return candidate;
    }
    return QFileInfo(base).isFile() ? base : QString();
}

// The folder this library was loaded from; the default assets are installed relative to it.
// It does not move while the library is loaded, so it is looked up once.
QString libraryFolder()
{
    static const QString folder = [] {
        Dl_info info;
        if (!dladdr(reinterpret_cast<void *>(&AssetResolver::defaultAssetsPath), &info) || !info.dli_fname)
            return QString();
        return QFileInfo(QFile::decodeName(info.dli_fname)).absolutePath();
    }();
    return folder;
}

// Every row of a list asks for the same few images, and each answer costs up to seven file
// checks: answers for asset URLs are kept, per display and asset folders.
struct ResolvedAssets
{
    QMutex mutex;
    QHash<QString, QString> files;
};

ResolvedAssets &resolvedAssets()
{
    static ResolvedAssets resolved;
    return resolved;
}

QString resolvedKey(const QUrl &url)
{
    return url.toString() + QLatin1Char('\n') + UIConfig::resolutionFolder() + QLatin1Char('\n')
        + UIConfig::densityFolder() + QLatin1Char('\n') + qEnvironmentVariable("HX_APP_ASSETS") + QLatin1Char('\n')
        + qEnvironmentVariable("HX_DEFAULT_ASSETS");
}

QString resolveAsset(const QUrl &url)
{
    const QString path = url.path();
    if (path.contains(QLatin1String("..")))
        return QString();
    if (url.host().isEmpty()) {
        // The application's own file wins over the default set's.
        const QString own = pickVariant(AssetResolver::applicationAssetsPath() + path);
        const QString defaults = AssetResolver::defaultAssetsPath();
        return own.isEmpty() && !defaults.isEmpty() ? pickVariant(defaults + path) : own;
    }
    return pickVariant(QStringLiteral(":/") + url.host() + path);
}
} // namespace

QString AssetResolver::applicationAssetsPath()
{
    const QString configured = qEnvironmentVariable("HX_APP_ASSETS");
    if (!configured.isEmpty())
        return QDir::cleanPath(configured);
    const QString programDir
        = QCoreApplication::instance() ? QCoreApplication::applicationDirPath() : QDir::currentPath();
    return QDir::cleanPath(programDir + QStringLiteral("/assets"));
}

QString AssetResolver::defaultAssetsPath()
{
    if (qEnvironmentVariableIsSet("HX_DEFAULT_ASSETS"))
        return QDir::cleanPath(qEnvironmentVariable("HX_DEFAULT_ASSETS"));
    const QString library = libraryFolder();
    const QString installed = library.isEmpty()
        ? QString()
        : QDir::cleanPath(library + QLatin1Char('/') + QLatin1String(HX_DEFAULT_ASSETS_FROM_LIBRARY));
    if (QFileInfo(installed).isDir() || !QCoreApplication::instance())
        return installed;
    // A program run from the build tree: the build lays the set out beside its program folder.
    const QString beside
        = QDir::cleanPath(QCoreApplication::applicationDirPath() + QStringLiteral("/../share/hxtrellanplaces/assets"));
    return QFileInfo(beside).isDir() ? beside : installed;
}

QString AssetResolver::resolve(const QUrl &url)
{
    if (url.scheme() == QLatin1String("asset")) {
        const QString key = resolvedKey(url);
        ResolvedAssets &resolved = resolvedAssets();
        {
            QMutexLocker locker(&resolved.mutex);
            const auto found = resolved.files.constFind(key);
            if (found != resolved.files.constEnd())
                return *found;
        }
        const QString file = resolveAsset(url);
        QMutexLocker locker(&resolved.mutex);
        resolved.files.insert(key, file);
        return file;
    }
    if (url.scheme() == QLatin1String("qrc"))
        return pickVariant(QStringLiteral(":") + url.path());
    if (url.isLocalFile())
        return pickVariant(url.toLocalFile());
    if (url.scheme().isEmpty())
        return pickVariant(url.path());
    return QString();
}

QString AssetResolver::resolve(const QString &pathOrUrl)
{
    if (pathOrUrl.startsWith(QLatin1Char(':')) || pathOrUrl.startsWith(QLatin1Char('/')))
        return pickVariant(pathOrUrl);
    return resolve(QUrl(pathOrUrl));
}

void AssetResolver::forgetFiles()
{
    ResolvedAssets &resolved = resolvedAssets();
    QMutexLocker locker(&resolved.mutex);
    resolved.files.clear();
}

QUrl AssetResolver::toLoadableUrl(const QUrl &url)
{
    if (url.scheme() != QLatin1String("asset"))
        return url;
    const QString file = resolve(url);
    if (file.isEmpty())
        return QUrl();
    if (file.startsWith(QLatin1Char(':')))
        return QUrl(QStringLiteral("qrc") + file);
    return QUrl::fromLocalFile(file);
}

} // namespace trellan
} // namespace hx
