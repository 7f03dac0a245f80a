#ifndef HX_BENCH_LOCATIONSERVICE_H
#define HX_BENCH_LOCATIONSERVICE_H

#include <QtCore/QCoreApplication>
#include <QtCore/QDir>
#include <QtCore/QElapsedTimer>
#include <QtCore/QFile>
#include <QtCore/QProcess>
#include <QtCore/QString>

namespace hx {
namespace bench {

// The phone's unit setting, which every row's distance reads: without it each row would pay for
// a failed open and a line on standard error that no phone has.
inline bool writeUnitSetting(const QString &ppsRoot)
{
    const QString folder = ppsRoot + QStringLiteral("/services/locale");
    QFile file(folder + QStringLiteral("/uom"));
    return QDir().mkpath(folder) && file.open(QIODevice::WriteOnly) && file.write("@uom\nuom::metric\n") > 0;
}

// The location service of the build (bin/ beside bench/), answering with a fixed position
// near the user places, serving once this returns true; the unit setting is written beside it.
inline bool startLocationService(QProcess &service, const QString &ppsRoot)
{
    if (!writeUnitSetting(ppsRoot))
        return false;
    service.setProcessChannelMode(QProcess::SeparateChannels);
    service.start(QCoreApplication::applicationDirPath() + QStringLiteral("/../bin/hx-locationd"),
                  { QStringLiteral("--root"), ppsRoot, QStringLiteral("--position"), QStringLiteral("43.46,-80.52") });
    if (!service.waitForStarted(5000))
        return false;
    QString said;
    QElapsedTimer timer;
    timer.start();
    while (!said.contains(QLatin1String(": serving ")) && timer.elapsed() < 10000
           && service.state() == QProcess::Running) {
        service.waitForReadyRead(100);
        said += QString::fromLocal8Bit(service.readAllStandardError());
    }
    return said.contains(QLatin1String(": serving "));
}

} // namespace bench
} // namespace hx

#endif
