#ifndef HX_TEST_SERVICEPROCESS_H
#define HX_TEST_SERVICEPROCESS_H

#include <QtCore/QProcess>
#include <QtCore/QString>
#include <QtCore/QStringList>

namespace hx {
namespace test {

// Runs one of the service daemons (hx-locationd, hx-revgeocoded) from the build's bin folder
// as a real process, and stops it with SIGTERM as a system would.
class ServiceProcess
{
public:
    explicit ServiceProcess(const QString &program);
    ~ServiceProcess(); // kills the daemon if it still runs

    static QString programPath(const QString &program);

    // Starts the daemon and waits until it reports that it is serving.
    bool start(const QStringList &arguments, int timeoutMs = 10000);
    // Sends SIGTERM and waits; true when the daemon exited normally with status 0.
    bool terminate(int timeoutMs = 10000);
    QString errorOutput() const;

private:
    QString m_program;
    QProcess m_process;
    QString m_errors;
};

} // namespace test
} // namespace hx

#endif
