#include "serviceprocess.h"

#include <QtCore/QDir>
#include <QtCore/QElapsedTimer>

namespace hx {
namespace test {

ServiceProcess::ServiceProcess(const QString &program) : m_program(program) { }

ServiceProcess::~ServiceProcess()
{
    if (m_process.state() != QProcess::NotRunning) {
        m_process.kill();
        m_process.waitForFinished(5000);
    }
}

QString ServiceProcess::programPath(const QString &program)
{
    return QDir(qEnvironmentVariable("HX_BINARY_DIR")).filePath(QStringLiteral("bin/") + program);
}

bool ServiceProcess::start(const QStringList &arguments, int timeoutMs)
{
    m_process.start(programPath(m_program), arguments);
    if (!m_process.waitForStarted(timeoutMs))
        return false;
    QElapsedTimer timer;
    timer.start();
    while (!m_errors.contains(QLatin1String(": serving ")) && timer.elapsed() < timeoutMs) {
        if (m_process.state() == QProcess::NotRunning)
            break;
        m_process.setReadChannel(QProcess::StandardError);
        m_process.waitForReadyRead(100);
        m_errors += QString::fromLocal8Bit(m_process.readAllStandardError());
    }
    return m_errors.contains(QLatin1String(": serving "));
}

bool ServiceProcess::terminate(int timeoutMs)
{
    m_process.terminate();
    const bool finished = m_process.waitForFinished(timeoutMs);
    m_errors += QString::fromLocal8Bit(m_process.readAllStandardError());
    return finished && m_process.exitStatus() == QProcess::NormalExit && m_process.exitCode() == 0;
}

QString ServiceProcess::errorOutput() const
{
    return m_errors;
}

} // namespace test
} // namespace hx
