#ifndef HX_TEST_TESTROOTS_H
#define HX_TEST_TESTROOTS_H

#include <QtCore/QByteArray>
#include <QtCore/QHash>
#include <QtCore/QString>
#include <QtCore/QTemporaryDir>

#include "childprocesses.h"

namespace hx {
namespace test {

// Gives one test case its own store file, publish/subscribe root, message socket folder and
// event log inside a temporary folder, through the environment variables the platform reads.
// The previous environment comes back when the object is destroyed; a program started since
// that is still there then fails the test and is killed, so no test leaves a daemon or card behind.
class TestRoots
{
public:
    TestRoots();
    ~TestRoots();
    TestRoots(const TestRoots &) = delete;
    TestRoots &operator=(const TestRoots &) = delete;

    bool isValid() const;
    QString path() const;
    QString storePath() const;
    QString ppsRoot() const;
    QString messageRoot() const;
    QString eventLogPath() const;
    QString gazetteerPath() const;

    // Points HX_GAZETTEER_DB at another file (a fixture gazetteer).
    void setGazetteerPath(const QString &path);

private:
    void setVariable(const char *name, const QString &value);
    void endChildrenLeftBehind();

    QTemporaryDir m_dir;
    QHash<QByteArray, QByteArray> m_saved;
    QHash<QByteArray, bool> m_wasSet;
    QList<ChildProcesses::Child> m_childrenBefore;
};

} // namespace test
} // namespace hx

#endif
