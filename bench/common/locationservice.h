#ifndef HX_BENCH_LOCATIONSERVICE_H
#define HX_BENCH_LOCATIONSERVICE_H

#include <QtCore/QCoreApplication>
#include <QtCore/QElapsedTimer>
#include <QtCore/QProcess>
#include <QtCore/QString>

namespace hx {
namespace bench {

// The location service of the build (bin/ beside bench/), answering with a fixed position
// near the user places, serving once this returns true.
inline bool startLocationService(QProcess &service, const QString &ppsRoot)
{
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
