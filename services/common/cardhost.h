#ifndef HX_SERVICES_CARDHOST_H
#define HX_SERVICES_CARDHOST_H

#include "cardlog.h"

#include <hx/system/systemui.h>
#include <hx/trellan/console/stepscript.h>
#include <hx/trellan/console/terminalscreen.h>
#include <hx/trellan/window/screenwindow.h>

#include <QtCore/QEventLoop>
#include <QtCore/QList>
#include <QtCore/QPointer>
#include <QtCore/QString>
#include <QtCore/QStringList>

namespace hx {
namespace services {

// Where a card program shows its page: started with steps (HX_CARD_STEPS, one step a line, in
// the words of `hxplaces show --do`) it runs them as a user would; with HX_CARD_WINDOW=1 (its
// caller has a window on the desktop) it shows the page in a window of its own; otherwise it
// draws the page on the terminal it was started from. The card calls end() once it has
// answered.
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
        if (m_window)
            m_window->quit(0);
        if (m_loop)
            m_loop->quit();
    }

    // Nobody waits for this card any more: questions still open are cancelled and the card
    // ends at once, before a step left or a tap still to come stores anything.
    void abandon()
    {
        qWarning("the caller of this card has gone; the card ends without an answer");
        m_abandoned = true;
        while (hx::system::SystemUi::visibleCount() > 0
               && hx::system::SystemUi::pressButton(hx::system::SystemUiResult::CancelButtonSelection)) { }
        end();
    }

    bool isAbandoned() const { return m_abandoned; }

    // 0 when the steps ran or the user left the terminal or window; 1 with a message otherwise.
    int run(QString *message)
    {
        const QList<QStringList> steps = scriptedSteps();
        if (!steps.isEmpty())
            return runSteps(steps, message);
        if (m_ended)
            return 0;
        if (qEnvironmentVariableIntValue("HX_CARD_WINDOW") == 1)
            return runWindow();
        hx::trellan::console::TerminalScreen screen(m_root.data());
        m_screen = &screen;
        CardLog::hold(true);
        const int code = screen.run(message);
        CardLog::hold(false);
        m_screen = nullptr;
        return code;
    }

private:
    int runWindow()
    {
        // Closing the window leaves the card as Escape on its first page does: it answers cancel.
        hx::trellan::window::ScreenWindow window(m_root.data());
        m_window = &window;
        const int code = window.run();
        m_window = nullptr;
        return code;
    }

    int runSteps(const QList<QStringList> &steps, QString *message)
    {
        hx::trellan::console::StepScript script(m_root.data(), steps);
        QEventLoop loop;
        QObject::connect(&script, &hx::trellan::console::StepScript::finished, &loop, [&](bool succeeded) {
            if (!succeeded)
                *message = script.error();
            // Steps that are over leave the card as a person would: questions still open are
            // answered with Cancel, so that whatever waits on them ends.
            while (hx::system::SystemUi::visibleCount() > 0
                   && hx::system::SystemUi::pressButton(hx::system::SystemUiResult::CancelButtonSelection)) { }
            loop.quit();
        });
        // A pick may still be looking up an address after the last tap, and ask about it.
        script.setSettleTime(1000);
        m_loop = &loop;
        script.start();
        if (!m_ended)
            loop.exec();
        m_loop = nullptr;
        return message->isEmpty() ? 0 : 1;
    }

    QPointer<QObject> m_root;
    QPointer<hx::trellan::console::TerminalScreen> m_screen;
    QPointer<hx::trellan::window::ScreenWindow> m_window;
    QPointer<QEventLoop> m_loop;
    bool m_ended = false;
    bool m_abandoned = false;
};

} // namespace services
} // namespace hx

#endif
