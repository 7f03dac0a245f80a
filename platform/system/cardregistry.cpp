#include <hx/system/cardregistry.h>

#include <QtCore/QCoreApplication>
#include <QtCore/QDebug>
#include <QtCore/QDir>
#include <QtCore/QFile>
#include <QtCore/QFileInfo>
#include <QtCore/QJsonDocument>
#include <QtCore/QJsonObject>
#include <QtCore/QStandardPaths>

#include <dlfcn.h>

namespace hx {
namespace system {

namespace {

// The folder this library was loaded from; installed files are found relative to it.
QString libraryFolder()
{
    Dl_info info;
    if (!dladdr(reinterpret_cast<void *>(&CardRegistry::folder), &info) || !info.dli_fname)
        return QString();
    return QFileInfo(QFile::decodeName(info.dli_fname)).absolutePath();
}

QString installed(const char *fromLibrary)
{
    const QString library = libraryFolder();
    return library.isEmpty() ? QString() : QDir::cleanPath(library + QLatin1Char('/') + QLatin1String(fromLibrary));
}

QString programNamedIn(const QString &file, const QString &target)
{
    QFile entry(file);
    if (!entry.open(QIODevice::ReadOnly))
        return QString();
    QJsonParseError error;
    const QJsonObject object = QJsonDocument::fromJson(entry.read(64 * 1024), &error).object();
    if (error.error != QJsonParseError::NoError) {
        qWarning() << "hx::system::CardRegistry::programFor() unreadable entry" << file << error.errorString();
        return QString();
    }
    if (object.value(QStringLiteral("target")).toString() != target)
        return QString();
    return object.value(QStringLiteral("program")).toString();
}

QString executableIn(const QString &folder, const QString &program)
{
    const QFileInfo candidate(QDir(folder), program);
    return candidate.isFile() && candidate.isExecutable() ? candidate.absoluteFilePath() : QString();
}

QString locate(const QString &program)
{
    if (QDir::isAbsolutePath(program))
        return executableIn(QString(), program);
    QStringList folders;
    if (QCoreApplication::instance())
        folders << QCoreApplication::applicationDirPath();
    folders << installed(HX_CARD_PROGRAMS_FROM_LIBRARY);
    for (const QString &folder : folders) {
        if (folder.isEmpty())
            continue;
        const QString found = executableIn(folder, program);
        if (!found.isEmpty())
            return found;
    }
    return QStandardPaths::findExecutable(program);
}

} // namespace

QString CardRegistry::folder()
{
    const QString configured = qEnvironmentVariable("HX_CARD_REGISTRY");
    if (!configured.isEmpty())
        return configured;
    const QString installedFolder = installed(HX_CARD_REGISTRY_FROM_LIBRARY);
    if (QFileInfo(installedFolder).isDir() || !QCoreApplication::instance())
        return installedFolder;
    // A program run from the build tree: the build lays the registry out beside its program
    // folder, as an install does.
    const QString beside
        = QDir::cleanPath(QCoreApplication::applicationDirPath() + QStringLiteral("/../share/hxtrellanplaces/cards"));
    return QFileInfo(beside).isDir() ? beside : installedFolder;
}

QString CardRegistry::programFor(const QString &target)
{
    const QString registryFolder = folder();
    if (target.isEmpty() || registryFolder.isEmpty())
        return QString();
    const QDir registry(registryFolder);
    const QStringList entries = registry.entryList({ QStringLiteral("*.json") }, QDir::Files, QDir::Name);
    for (const QString &entry : entries) {
        const QString program = programNamedIn(registry.filePath(entry), target);
        if (program.isEmpty())
            continue;
        const QString found = locate(program);
        if (found.isEmpty())
            qWarning() << "hx::system::CardRegistry::programFor() no program" << program << "for" << target;
        return found;
    }
    return QString();
}

} // namespace system
} // namespace hx
