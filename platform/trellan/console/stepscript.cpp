#include <hx/trellan/console/stepscript.h>
#include <hx/trellan/screentext.h>

#include <QtCore/QThreadPool>
#include <QtCore/QTimer>

namespace hx {
namespace trellan {
namespace console {

namespace {
// Idle as StepRunner::waitUntilIdle means it: no worker of the pool runs and the screen did not
// change for a few rounds nor for a few milliseconds.
const int QuietRounds = 5;
const int QuietMs = 25;
const int TickMs = 10;
// A step that cannot be done yet is tried again for this long, as a person waits for what
// they look for to appear (a question asked once a lookup on a thread of its own is over).
const int RetryMs = 3000;
const int RetryEveryMs = 500;
} // namespace

StepScript::StepScript(QObject *root, const QList<QStringList> &steps, QObject *parent)
    : QObject(parent), m_runner(root), m_root(root), m_steps(steps)
{ }

void StepScript::start()
{
    m_unchanged.start();
    schedule();
}

void StepScript::schedule()
{
    // A new timer each time: one timer does not fire again while its slot is still running in
    // a nested loop, and that nested loop is where the next step has to run.
    QTimer::singleShot(TickMs, this, &StepScript::tick);
}

void StepScript::tick()
{
    if (m_finished)
        return;
    schedule();
    if (!m_root) {
        m_error = QStringLiteral("the screen is gone");
        finish(false);
        return;
    }
    if (m_waitMs > 0 && m_waiting.elapsed() < m_waitMs)
        return;
    m_waitMs = 0;
    if (isIdle())
        runNext();
}

bool StepScript::isIdle()
{
    const QString now = ScreenText::render(m_root);
    const bool workers = QThreadPool::globalInstance()->activeThreadCount() > 0;
    m_quietRounds = (now == m_lastScreen && !workers) ? m_quietRounds + 1 : 0;
    if (m_quietRounds == 0)
        m_unchanged.restart();
    m_lastScreen = now;
    return m_quietRounds >= QuietRounds && m_unchanged.elapsed() >= QuietMs;
}

void StepScript::runNext()
{
    if (m_next >= m_steps.size()) {
        if (m_unchanged.elapsed() >= m_settleMs)
            finish(true);
        return;
    }
    const int index = m_next++;
    const QStringList &words = m_steps.at(index);
    m_quietRounds = 0;
    QString error;
    if (!StepRunner::check(words, &error)) {
        m_error = QStringLiteral("step %1 (%2): %3").arg(index + 1).arg(words.join(QLatin1Char(' ')), error);
        finish(false);
        return;
    }
    // Waiting is this script's business: the runner's own wait would let later steps run
    // inside it.
    if (words.first() == QLatin1String("wait")) {
        m_waitMs = words.at(1).toInt();
        m_waiting.start();
        return;
    }
    if (!m_retrying.isValid()) {
        m_retrying.start();
        m_lastTry = -RetryEveryMs;
    } else if (m_retrying.elapsed() - m_lastTry < RetryEveryMs) {
        m_next = index;
        return;
    }
    m_lastTry = m_retrying.elapsed();
    // The step may open a dialog and wait on it; later ticks run the next steps meanwhile.
    if (m_runner.run(words, &error) || m_finished) {
        m_retrying.invalidate();
        return;
    }
    if (m_retrying.elapsed() < RetryMs) {
        m_next = index;
        return;
    }
    m_error = QStringLiteral("step %1 (%2): %3").arg(index + 1).arg(words.join(QLatin1Char(' ')), error);
    finish(false);
}

void StepScript::finish(bool succeeded)
{
    if (m_finished)
        return;
    m_finished = true;
    emit finished(succeeded);
}

} // namespace console
} // namespace trellan
} // namespace hx
