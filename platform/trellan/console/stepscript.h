#ifndef HX_TRELLAN_CONSOLE_STEPSCRIPT_H
#define HX_TRELLAN_CONSOLE_STEPSCRIPT_H

#include <hx/trellan/console/steprunner.h>

#include <QtCore/QElapsedTimer>
#include <QtCore/QList>
#include <QtCore/QObject>
#include <QtCore/QStringList>

namespace hx {
namespace trellan {
namespace console {

// Runs steps one after the other from the event loop, each once the screen is idle, the way a
// person waits for a screen before touching it. Being driven by the event loop, a step can
// answer a dialog that an earlier step opened and waits on (a dialog's exec()), which a loop
// calling StepRunner in turn could never reach. A step that cannot be done is tried again for
// a few seconds before the script gives up. finished() is emitted once: true when every
// step ran, false with error() when one could not be done.
class StepScript : public QObject
{
    Q_OBJECT
public:
    StepScript(QObject *root, const QList<QStringList> &steps, QObject *parent = nullptr);

    // How long the screen must stay idle after the last step before the script counts as
    // finished, for what a screen goes on doing by itself once the steps are over (a lookup on
    // a thread of its own, a question it asks then). Default 0: idle as between steps.
    void setSettleTime(int milliseconds) { m_settleMs = milliseconds; }
    void start();
    bool isFinished() const { return m_finished; }
    QString error() const { return m_error; }

signals:
    void finished(bool succeeded);

private:
    void tick();
    void schedule();
    bool isIdle();
    void runNext();
    void finish(bool succeeded);

    StepRunner m_runner;
    QPointer<QObject> m_root;
    QList<QStringList> m_steps;
    int m_next = 0;
    QString m_lastScreen;
    int m_quietRounds = 0;
    QElapsedTimer m_unchanged;
    QElapsedTimer m_waiting; // since a wait step began
    QElapsedTimer m_retrying; // since the step that is tried again was first tried
    qint64 m_lastTry = 0; // on m_retrying's clock
    qint64 m_waitMs = 0;
    int m_settleMs = 0;
    bool m_finished = false;
    QString m_error;
};

} // namespace console
} // namespace trellan
} // namespace hx

#endif
