#include "testroots.h"

#include <QtCore/QDir>
#include <QtCore/QFile>
#include <QtCore/QThreadPool>
#include <QtTest/QTest>

namespace hx {
namespace test {

namespace {
bool makePrivateFolder(const QString &path)
{
    if (!QDir().mkpath(path))
        return false;
    return QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}
} // namespace

TestRoots::TestRoots() : m_childrenBefore(ChildProcesses::list())
{
    if (!m_dir.isValid())
        return;
    makePrivateFolder(ppsRoot());
    makePrivateFolder(messageRoot());
    makePrivateFolder(m_dir.filePath(QStringLiteral("data")));
    setVariable("HX_PLACES_DB", storePath());
    setVariable("HX_PPS_ROOT", ppsRoot());
    setVariable("HX_MSG_ROOT", messageRoot());
    setVariable("HX_EVENT_LOG", eventLogPath());
    setVariable("HX_GAZETTEER_DB", m_dir.filePath(QStringLiteral("gazetteer.db")));
    setVariable("XDG_DATA_HOME", m_dir.filePath(QStringLiteral("data")));
}

TestRoots::~TestRoots()
{
    // The background jobs a test started still read these files and variables.
    QThreadPool::globalInstance()->waitForDone();
    endChildrenLeftBehind();
    for (auto it = m_wasSet.constBegin(); it != m_wasSet.constEnd(); ++it) {
        if (it.value())
            qputenv(it.key().constData(), m_saved.value(it.key()));
        else
            qunsetenv(it.key().constData());
    }
}

void TestRoots::endChildrenLeftBehind()
{
    const QList<ChildProcesses::Child> left = ChildProcesses::endThoseNotIn(m_childrenBefore);
    if (left.isEmpty())
        return;
    const QByteArray message = "left running by this test: " + ChildProcesses::describe(left);
    // A check rather than a plain failure, so a test that leaves one on purpose can expect it.
    if (QTest::currentTestFunction())
        QTest::qVerify(false, "no program left running", message.constData(), __FILE__, __LINE__);
    else
        qCritical("%s", message.constData());
}

bool TestRoots::isValid() const
{
    return m_dir.isValid();
}

QString TestRoots::path() const
{
    return m_dir.path();
}

QString TestRoots::storePath() const
{
    return m_dir.filePath(QStringLiteral("places.db"));
}

QString TestRoots::ppsRoot() const
{
    return m_dir.filePath(QStringLiteral("pps"));
}

QString TestRoots::messageRoot() const
{
    return m_dir.filePath(QStringLiteral("msg"));
}

QString TestRoots::eventLogPath() const
{
    return m_dir.filePath(QStringLiteral("events.jsonl"));
}

QString TestRoots::gazetteerPath() const
{
    return QString::fromLocal8Bit(qgetenv("HX_GAZETTEER_DB"));
}

void TestRoots::setGazetteerPath(const QString &path)
{
    setVariable("HX_GAZETTEER_DB", path);
}

void TestRoots::setVariable(const char *name, const QString &value)
{
    const QByteArray key(name);
    if (!m_wasSet.contains(key)) {
        m_wasSet.insert(key, qEnvironmentVariableIsSet(name));
        m_saved.insert(key, qgetenv(name));
    }
    qputenv(name, value.toLocal8Bit());
}

} // namespace test
} // namespace hx
