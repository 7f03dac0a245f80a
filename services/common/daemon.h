#ifndef HX_SERVICES_DAEMON_H
#define HX_SERVICES_DAEMON_H

#include <QtCore/QDir>
#include <QtCore/QFile>
#include <QtCore/QString>

#include <csignal>
#include <pthread.h>

namespace hx {
namespace services {

// The start-up every service daemon shares: the stop signals and the --root folder.
class Daemon
{
public:
    // Blocks SIGTERM and SIGINT. Made first in main, before any thread starts, so that every
    // thread inherits the mask and only waitForStop() receives them.
    Daemon()
    {
        sigemptyset(&m_stopSignals);
        sigaddset(&m_stopSignals, SIGTERM);
        sigaddset(&m_stopSignals, SIGINT);
        pthread_sigmask(SIG_BLOCK, &m_stopSignals, nullptr);
    }

    // Points the service's root variable at folder, made absolute.
    static void setRoot(const char *variable, const QString &folder)
    {
        qputenv(variable, QFile::encodeName(QDir(folder).absolutePath()));
    }

    void waitForStop()
    {
        int received = 0;
        sigwait(&m_stopSignals, &received);
    }

private:
    sigset_t m_stopSignals;
};

} // namespace services
} // namespace hx

#endif
