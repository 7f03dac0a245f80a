// hxplaces: the place picker and the library's screens of the simulated phone in a terminal,
// and their scripted forms.
// Exit codes: 0 done, 1 nothing picked or a failure, 2 bad arguments.
#include "commandline.h"
#include "pickcommand.h"
#include "scriptedcommands.h"
#include "session.h"
#include "showcommand.h"

#include <QtCore/QStringList>
#include <QtCore/QTextStream>
#include <QtGui/QGuiApplication>

#include <cstdio>

namespace {
bool quietDebug = true;
// While the picker draws on the terminal, log lines wait: written there they would tear the
// screen apart. They follow once the terminal is given back.
bool holdMessages = false;
QStringList heldMessages;

void messageHandler(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    // Without --verbose a script reads the answer and hxplaces' own one-line errors only: what
    // the library, the toolkit and Qt log at any level stays off the terminal.
    if (quietDebug && type != QtFatalMsg)
        return;
    if (holdMessages)
        heldMessages.append(message);
    else
        std::fprintf(stderr, "%s\n", qPrintable(message));
}

void releaseMessages(QTextStream &err)
{
    holdMessages = false;
    for (const QString &held : qAsConst(heldMessages))
        err << held << "\n";
    heldMessages.clear();
}

int runShow(const CommandLine &line, Session &session, QTextStream &out, QTextStream &err)
{
    ShowCommand show(out, err);
    QStringList arguments = line.positional();
    // The screen reads the place to search near after its own words.
    if (line.isSet(QStringLiteral("near")))
        arguments << QStringLiteral("--near") << line.value(QStringLiteral("near"));
    int code = show.prepare(arguments.first(), arguments.mid(1), session.position(), line.steps());
    if (code != 0)
        return code;
    if (line.isSet(QStringLiteral("random"))) {
        const int steps = line.isSet(QStringLiteral("steps")) ? line.value(QStringLiteral("steps")).toInt() : 1000;
        const int seconds = line.isSet(QStringLiteral("seconds")) ? line.value(QStringLiteral("seconds")).toInt() : 60;
        return show.randomUser(line.value(QStringLiteral("random")).toUInt(), steps, seconds, session);
    }
    if (line.isSet(QStringLiteral("png")))
        return show.picture(line.value(QStringLiteral("png")));
    if (line.isSet(QStringLiteral("dump")))
        return show.dump();
    if (line.isSet(QStringLiteral("window")))
        return show.window();
    QString message;
    holdMessages = true;
    code = show.interact(&message);
    releaseMessages(err);
    if (!message.isEmpty())
        err << "hxplaces: " << message << Qt::endl;
    return code;
}

int runScripted(const CommandLine &line, const Session &session, QTextStream &out, QTextStream &err)
{
    ScriptedCommands commands(session.position(), out, err);
    const QString command = line.command();
    const QStringList arguments = line.positional();
    if (command == QLatin1String("search"))
        return commands.search(arguments.first(), line.value(QStringLiteral("category")).toInt());
    if (command == QLatin1String("share"))
        return commands.share(arguments.first().toLongLong());
    if (command == QLatin1String("open-uri"))
        return commands.openUri(arguments.first());
    if (command == QLatin1String("geocode"))
        return commands.geocode(arguments.first());
    if (command == QLatin1String("where"))
        return commands.where(arguments.at(0).toDouble(), arguments.at(1).toDouble());
    if (command == QLatin1String("map"))
        return commands.map(arguments.first().toLongLong(), line.value(QStringLiteral("png")));
    return commands.view(arguments.first().toLongLong());
}

bool hasDisplay()
{
    return !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")
        || !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
}
} // namespace

int main(int argc, char *argv[])
{
    bool window = false;
    for (int i = 1; i < argc; ++i)
        window = window || qstrcmp(argv[i], "--window") == 0;
    const bool windowWithoutDisplay = window && !hasDisplay();
    // The toolkit is headless and the terminal is ours: nothing is drawn through Qt but a window
    // asked for, on the desktop's own display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && (!window || windowWithoutDisplay))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Debug lines stay off the terminal unless asked for: --verbose, or logging rules of one's own.
    quietDebug = qEnvironmentVariableIsEmpty("QT_LOGGING_RULES");
    for (int i = 1; i < argc; ++i) {
        if (qstrcmp(argv[i], "--verbose") == 0)
            quietDebug = false;
    }
    // The cards this tool starts say as much as it does.
    if (!quietDebug && qEnvironmentVariableIsEmpty("QT_LOGGING_RULES"))
        qputenv("QT_LOGGING_RULES", "default.debug=true");
    qInstallMessageHandler(messageHandler);
    QGuiApplication app(argc, argv);
    QGuiApplication::setApplicationName(QStringLiteral("hxplaces"));

    QTextStream out(stdout);
    QTextStream err(stderr);
    CommandLine line;
    switch (line.parse(app.arguments())) {
    case CommandLine::ShowedHelp:
        out << line.helpText();
        return 0;
    case CommandLine::UsageError:
        err << "hxplaces: " << line.error() << "\n\n" << CommandLine::overview();
        return 2;
    case CommandLine::Run:
        break;
    }

    if (line.command() == QLatin1String("show") && line.isSet(QStringLiteral("list")))
        return ShowCommand::list(out);
    if (windowWithoutDisplay) {
        err << "hxplaces: --window needs a display (DISPLAY or WAYLAND_DISPLAY); without one, leave it out to use "
               "the terminal"
            << Qt::endl;
        return 1;
    }

    Session session;
    QString message;
    QString note;
    if (!session.start(line.sessionOptions(), &message, &note)) {
        err << "hxplaces: " << message << Qt::endl;
        return 1;
    }
    if (!note.isEmpty())
        err << "hxplaces: " << note << Qt::endl;
    if (line.command() == QLatin1String("show"))
        return runShow(line, session, out, err);
    if (line.command() != QLatin1String("pick"))
        return runScripted(line, session, out, err);
    PickCommand pick(out, err);
    QList<QStringList> steps = line.steps();
    if (line.isSet(QStringLiteral("type")))
        steps = PickCommand::typeAndChoose(line.value(QStringLiteral("type")),
                                           line.value(QStringLiteral("choose")).toInt())
            + steps;
    if (!steps.isEmpty())
        return pick.scripted(steps);
    if (window)
        return pick.interactive();
    // The card draws on this terminal meanwhile.
    holdMessages = true;
    const int code = pick.interactive();
    releaseMessages(err);
    return code;
}
