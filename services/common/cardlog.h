#ifndef HX_SERVICES_CARDLOG_H
#define HX_SERVICES_CARDLOG_H

#include <QtCore/QString>
#include <QtCore/QStringList>
#include <QtCore/QtGlobal>

#include <cstdio>

namespace hx {
namespace services {

// What a card writes on the standard error it shares with its caller's terminal: the log of the
// library and the toolkit only when logging rules ask for it (QT_LOGGING_RULES), as its caller
// prints only its answer and its own errors otherwise.
// While the card draws its page on the terminal, lines wait: written there they would tear
// the page apart. They follow once the terminal is given back.
class CardLog
{
public:
    static void install()
    {
        state().quiet = qEnvironmentVariableIsEmpty("QT_LOGGING_RULES");
        qInstallMessageHandler(&CardLog::handle);
    }

    static void hold(bool holding)
    {
        State &s = state();
        s.holding = holding;
        if (holding)
            return;
        for (const QString &line : qAsConst(s.held))
            std::fprintf(stderr, "%s\n", qPrintable(line));
        s.held.clear();
    }

private:
    struct State
    {
        bool quiet = true;
        bool holding = false;
        QStringList held;
    };

    static State &state()
    {
        static State s;
        return s;
    }

    static void handle(QtMsgType type, const QMessageLogContext &, const QString &message)
    {
        State &s = state();
        if (s.quiet && type != QtFatalMsg)
            return;
        if (s.holding)
            s.held.append(message);
        else
            std::fprintf(stderr, "%s\n", qPrintable(message));
    }
};

} // namespace services
} // namespace hx

#endif
