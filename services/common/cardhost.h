#ifndef HX_SERVICES_CARDHOST_H
#define HX_SERVICES_CARDHOST_H

#include <hx/trellan/console/steprunner.h>
#include <hx/trellan/console/terminalscreen.h>

#include <QtCore/QList>
#include <QtCore/QPointer>
#include <QtCore/QString>
#include <QtCore/QStringList>

namespace hx {
namespace services {

// Where a card program shows its page: started with steps (HX_CARD_STEPS, one step a line, in
// the words of `hxplaces show --do`) it runs them as a user would; otherwise it draws the
// page on the terminal it was started from. The card calls end() once it has answered.
class CardHost
{
public:
    explicit CardHost(QObject *root) : m_root(root) { }

    static QList<QStringList> scriptedSteps()
    {
        QList<QStringList> steps;
        const QStringList lines = qEnvironmentVariable("HX_CARD_STEPS").split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        for (const QString &line : lines) {
            const QStringList words = line.split(QLatin1Char(' '), Qt::SkipEmptyParts);
            if (!words.isEmpty())
                steps.append(words);
        }
        return steps;
    }

    void end()
    {
        m_ended = true;
        if (m_screen)
            m_screen->quit(0);
    }

    // 0 when the steps ran or the user left the terminal; 1 with a message otherwise.
    int run(QString *message)
    {
        const QList<QStringList> steps = scriptedSteps();
        if (!steps.isEmpty())
            return runSteps(steps, message);
        if (m_ended)
            return 0;
        hx::trellan::console::TerminalScreen screen(m_root.data());
        m_screen = &screen;
        const int code = screen.run(message);
        m_screen = nullptr;
        return code;
    }

private:
    int runSteps(const QList<QStringList> &steps, QString *message)
    {
        hx::trellan::console::StepRunner runner(m_root.data());
        runner.waitUntilIdle();
        for (int i = 0; i < steps.size() && !m_ended; ++i) {
            QString error;
            if (!runner.run(steps.at(i), &error)) {
                *message = QStringLiteral("step %1 (%2): %3").arg(i + 1).arg(steps.at(i).join(QLatin1Char(' ')), error);
                return 1;
            }
            runner.waitUntilIdle();
        }
        return 0;
    }

    QPointer<QObject> m_root;
    QPointer<hx::trellan::console::TerminalScreen> m_screen;
    bool m_ended = false;
};

} // namespace services
} // namespace hx

#endif
