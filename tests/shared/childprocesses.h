#ifndef HX_TEST_CHILDPROCESSES_H
#define HX_TEST_CHILDPROCESSES_H

#include <QtCore/QByteArray>
#include <QtCore/QList>

#include <sys/types.h>

namespace hx {
namespace test {

// The programs this process started that are still there, zombies included: a child that was
// not waited for is left behind all the same.
class ChildProcesses
{
public:
    struct Child
    {
        pid_t pid = 0;
        QByteArray name;
        bool zombie = false;
    };

    static QList<Child> list();
    // "hx-locationd[1234], hx-placepicker[1240] (not waited for)"
    static QByteArray describe(const QList<Child> &children);
    // Those of list() still running that earlier did not hold, killed; what was left.
    static QList<Child> endThoseNotIn(const QList<Child> &earlier);
};

} // namespace test
} // namespace hx

#endif
