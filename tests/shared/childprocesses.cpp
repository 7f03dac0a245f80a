#include "childprocesses.h"

#include <QtCore/QDir>
#include <QtCore/QFile>

#include <algorithm>

#include <signal.h>
#include <unistd.h>

namespace hx {
namespace test {

QList<ChildProcesses::Child> ChildProcesses::list()
{
    QList<Child> children;
    const QStringList entries = QDir(QStringLiteral("/proc")).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString &entry : entries) {
        bool number = false;
        const pid_t pid = pid_t(entry.toInt(&number));
        if (!number)
            continue;
        QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
        if (!stat.open(QIODevice::ReadOnly))
            continue;
        // "pid (comm) state ppid ...": the name may hold blanks, so read from its closing ')'.
        const QByteArray text = stat.readAll();
        const int open = text.indexOf('(');
        const int close = text.lastIndexOf(')');
        const QList<QByteArray> fields = text.mid(close + 2).split(' ');
        if (open < 0 || fields.size() < 2 || fields.at(1).toInt() != ::getpid())
            continue;
        Child child;
        child.pid = pid;
        child.name = text.mid(open + 1, close - open - 1);
        child.zombie = fields.at(0) == "Z";
        children.append(child);
    }
    return children;
}

QByteArray ChildProcesses::describe(const QList<Child> &children)
{
    QByteArray text;
    for (const Child &child : children) {
        if (!text.isEmpty())
            text += ", ";
        text += child.name + '[' + QByteArray::number(child.pid) + ']' + (child.zombie ? " (not waited for)" : "");
    }
    return text;
}

QList<ChildProcesses::Child> ChildProcesses::endThoseNotIn(const QList<Child> &earlier)
{
    QList<Child> left;
    for (const Child &child : list()) {
        const bool known = std::any_of(earlier.cbegin(), earlier.cend(),
                                       [&child](const Child &other) { return other.pid == child.pid; });
        // A zombie has ended already; its owner's child handler reaps it a moment later.
        if (known || child.zombie)
            continue;
        ::kill(child.pid, SIGKILL);
        left.append(child);
    }
    return left;
}

} // namespace test
} // namespace hx
