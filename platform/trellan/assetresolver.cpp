#include <hx/trellan/assetresolver.h>
#include <hx/trellan/uiconfig.h>

#include <QtCore/QCoreApplication>
#include <QtCore/QDir>
#include <QtCore/QFileInfo>

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

QString AssetResolver::resolve(const QUrl &url)
{
    if (url.scheme() == QLatin1String("asset")) {
        const QString path = url.path();
        if (path.contains(QLatin1String("..")))
            return QString();
        if (url.host().isEmpty())
            return pickVariant(applicationAssetsPath() + path);
        return pickVariant(QStringLiteral(":/") + url.host() + path);
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
