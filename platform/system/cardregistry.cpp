#include <hx/system/cardregistry.h>

#include <QtCore/QCoreApplication>
#include <QtCore/QDebug>
#include <QtCore/QDir>
#include <QtCore/QFile>
#include <QtCore/QFileInfo>
#include <QtCore/QJsonDocument>
#include <QtCore/QJsonObject>
#include <QtCore/QStandardPaths>

namespace hx {
namespace system {

namespace {

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
    folders << QStringLiteral(HX_CARD_PROGRAM_DIR);
    for (const QString &folder : folders) {
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
    return configured.isEmpty() ? QStringLiteral(HX_CARD_REGISTRY_DIR) : configured;
}

QString CardRegistry::programFor(const QString &target)
{
    if (target.isEmpty())
        return QString();
    const QDir registry(folder());
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
