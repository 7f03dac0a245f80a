#ifndef HX_TRELLAN_CONSOLE_RANDOMUSER_H
#define HX_TRELLAN_CONSOLE_RANDOMUSER_H

#include <QtCore/QElapsedTimer>
#include <QtCore/QObject>
#include <QtCore/QPointer>
#include <QtCore/QRandomGenerator>
#include <QtCore/QStringList>

#include <functional>

namespace hx {
namespace trellan {
namespace console {

// A user who presses anything in any order: each step picks one thing the test driver can reach
// on screen (type, paste or erase in a field, submit, tap a button, row or control, choose an
// option, open a row's context menu and pick from it, trigger an action, answer the system dialog
// on top either way, press back) or switches the language, or runs one of the caller's own steps
// (moving the simulated position, for one). Texts are whatever a keyboard or a paste can bring:
// right-to-left scripts, emoji, control characters, text decoded from invalid UTF-8, lone
// surrogates and 10,000 characters at once. Between steps it sometimes waits until the screen is
// idle and sometimes does not wait at all.
//
// Steps run from the event loop, so a step that opens a dialog with a nested event loop is
// answered by a later step from inside that loop. The same seed gives the same choices on the
// same screens.
class RandomUser : public QObject
{
    Q_OBJECT
public:
    RandomUser(QObject *root, quint32 seed, QObject *parent = nullptr);

    quint32 seed() const { return m_seed; }
    void setLanguages(const QStringList &languages) { m_languages = languages; }
    // A step of the caller's: chosen about as often as weight against the others' 100, handed
    // the generator, returning what it did in a few words.
    void addStep(int weight, const std::function<QString(QRandomGenerator &)> &step);
    // Called after each step with its number (from 1) and what was done; a caller that returns
    // false stops the run.
    void setObserver(const std::function<bool(int, const QString &)> &observer) { m_observer = observer; }

    // Runs steps until maxSteps are done or maxMs have passed, then answers any dialog still
    // waiting in a nested loop; returns the number of steps done.
    int run(int maxSteps, int maxMs);

    // The texts the user types or pastes, also for the tests of those who take them.
    static QString randomText(QRandomGenerator &random, bool paste);

private:
    void tick();
    QString step();
    QString answerDialog();
    QString actOnScreen();
    void settle();

    QPointer<QObject> m_root;
    quint32 m_seed;
    QRandomGenerator m_random;
    QStringList m_languages { QStringLiteral("en"), QStringLiteral("fr") };
    QList<QPair<int, std::function<QString(QRandomGenerator &)>>> m_steps;
    std::function<bool(int, const QString &)> m_observer;
    QElapsedTimer m_clock;
    int m_maxSteps = 0;
    int m_maxMs = 0;
    int m_done = 0;
    int m_depth = 0;
    int m_settling = 0;
    bool m_stopped = false;
};

} // namespace console
} // namespace trellan
} // namespace hx

#endif
