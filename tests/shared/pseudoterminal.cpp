#include "pseudoterminal.h"

#include <QtCore/QDebug>
#include <QtCore/QElapsedTimer>

#include <poll.h>
#include <pty.h>
#include <signal.h>
#include <sys/ioctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <vector>

namespace hx {
namespace test {

const char PseudoTerminal::ResizeStep[] = "resize:";

namespace {
// Each step waits for the text it looks for; this only bounds a program that never shows it.
// A sanitizer build on two busy cores can take half a minute to redraw, so the bound is far
// above that.
constexpr int StepTimeoutMs = 240000;

void resize(int master, const QByteArray &size)
{
    const QList<QByteArray> parts = size.split('x');
    struct winsize resized = {};
    resized.ws_col = parts.value(0).toUShort();
    resized.ws_row = parts.value(1).toUShort();
    ioctl(master, TIOCSWINSZ, &resized);
}
} // namespace

PseudoTerminal::Run PseudoTerminal::run(QList<QByteArray> arguments, const QList<QPair<QByteArray, QByteArray>> &steps)
{
    Run result;
    int outPipe[2];
    if (pipe(outPipe) != 0)
        return result;
    // Set before the fork: the child of a threaded process may only exec.
    qputenv("TERM", "xterm");
    std::vector<char *> argv;
    for (QByteArray &argument : arguments)
        argv.push_back(argument.data());
    argv.push_back(nullptr);
    struct winsize size = {};
    size.ws_row = 24;
    size.ws_col = 80;
    int master = -1;
    const pid_t child = forkpty(&master, nullptr, nullptr, &size);
    if (child == 0) {
        dup2(outPipe[1], STDOUT_FILENO);
        close(outPipe[0]);
        close(outPipe[1]);
        execv(argv[0], argv.data());
        _exit(127);
    }
    close(outPipe[1]);
    if (child < 0) {
        close(outPipe[0]);
        return result;
    }

    QByteArray screen;
    const auto readScreen = [&](int timeoutMs) {
        pollfd descriptor = { master, POLLIN, 0 };
        if (poll(&descriptor, 1, timeoutMs) > 0) {
            char buffer[4096];
            const ssize_t count = read(master, buffer, sizeof buffer);
            if (count > 0) {
                screen.append(buffer, int(count));
                result.seen.append(buffer, int(count));
            }
        }
    };
    bool stuck = false;
    for (const auto &step : steps) {
        QElapsedTimer timer;
        timer.start();
        while (!screen.contains(step.first) && timer.elapsed() < StepTimeoutMs)
            readScreen(100);
        if (!screen.contains(step.first)) {
            qWarning() << "the terminal never showed" << step.first;
            stuck = true;
            break;
        }
        screen.clear();
        if (step.second.startsWith(ResizeStep)) {
            resize(master, step.second.mid(int(qstrlen(ResizeStep))));
            continue;
        }
        if (write(master, step.second.constData(), size_t(step.second.size())) != step.second.size()) {
            stuck = true;
            break;
        }
    }

    QElapsedTimer timer;
    timer.start();
    int status = 0;
    while (waitpid(child, &status, WNOHANG) == 0) {
        readScreen(50);
        // A program whose steps went wrong waits for keys that never come: it is ended now.
        if (stuck || timer.elapsed() > StepTimeoutMs) {
            kill(child, SIGKILL);
            waitpid(child, &status, 0);
            break;
        }
    }
    result.code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    char buffer[8192];
    ssize_t count;
    while ((count = read(outPipe[0], buffer, sizeof buffer)) > 0)
        result.out.append(buffer, int(count));
    close(outPipe[0]);
    close(master);
    return result;
}

} // namespace test
} // namespace hx
