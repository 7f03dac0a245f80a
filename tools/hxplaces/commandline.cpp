#include "commandline.h"

#include "screencatalog.h"

#include <hx/trellan/console/steprunner.h>

#include <QtCore/QCoreApplication>

using hx::platform::places::Coordinates;

namespace {
struct CommandInfo
{
    const char *name;
    const char *arguments;
    const char *summary;
};

const CommandInfo commands[] = {
    { "pick", "",
      "Pick a place through the place picker card in the terminal (or a window: --window) and print it as JSON "
      "(or --type TEXT --choose N)." },
    { "search", "TEXT", "Print the merged search list for TEXT as JSON sections." },
    { "share", "ID", "Print the geo: URI that shares a stored place." },
    { "open-uri", "LINK", "Print the place a shared link (geo: URI, place URL, map web link) names as JSON." },
    { "geocode", "ADDRESS", "Print the positions found for an address as JSON." },
    { "where", "LAT LON", "Print the addresses at a position as JSON (reverse-geocoding service)." },
    { "map", "ID", "Write the map image of a stored place (--png FILE)." },
    { "view", "ID", "Print a stored place as text." },
    { "show", "SCREEN [ARGS]",
      "Open a screen of the library in the terminal or a window (--list names them), or script it." },
};

// "where 43.4 -80.5" must not read "-80.5" as an option: every argument that is neither an
// option nor an option's value goes after "--", in its order.
QStringList withPositionalLast(const QStringList &arguments)
{
    static const QStringList valueOptions
        = { QStringLiteral("--store"),  QStringLiteral("--gazetteer"), QStringLiteral("--at"),
            QStringLiteral("--type"),   QStringLiteral("--choose"),    QStringLiteral("--category"),
            QStringLiteral("--png"),    QStringLiteral("--units"),     QStringLiteral("--near"),
            QStringLiteral("--random"), QStringLiteral("--steps"),     QStringLiteral("--seconds") };
    QStringList options = { arguments.first() };
    QStringList positional;
    for (int i = 2; i < arguments.size(); ++i) {
        const QString &argument = arguments.at(i);
        bool number = false;
        argument.toDouble(&number);
        if (argument == QLatin1String("--")) {
            positional += arguments.mid(i + 1);
            break;
        }
        if (valueOptions.contains(arguments.at(i - 1)) || (argument.startsWith(QLatin1Char('-')) && !number))
            options.append(argument);
        else
            positional.append(argument);
    }
    return options + QStringList { QStringLiteral("--") } + positional;
}

const CommandInfo *find(const QString &name)
{
    for (const CommandInfo &info : commands) {
        if (name == QLatin1String(info.name))
            return &info;
    }
    return nullptr;
}
} // namespace

QString CommandLine::overview()
{
    QString text = QStringLiteral(
        "Usage: hxplaces COMMAND [options] [arguments]\n\n"
        "The place picker and the library's screens on the simulated phone, and scripted forms of them.\n\n"
        "Commands:\n");
    for (const CommandInfo &info : commands)
        text += QStringLiteral("  %1 %2\n      %3\n")
                    .arg(QLatin1String(info.name), QLatin1String(info.arguments), QLatin1String(info.summary));
    text += QStringLiteral("\nRun \"hxplaces COMMAND --help\" for the options of a command.\n");
    return text;
}

CommandLine::Status CommandLine::parse(const QStringList &arguments)
{
    if (arguments.size() < 2) {
        m_error = QStringLiteral("no command given");
        return UsageError;
    }
    const QString first = arguments.at(1);
    if (first == QLatin1String("--help") || first == QLatin1String("-h") || first == QLatin1String("help"))
        return ShowedHelp;
    if (!configure(first)) {
        m_error = QStringLiteral("unknown command \"%1\"").arg(first);
        return UsageError;
    }
    QStringList rest = arguments;
    if ((m_command == QLatin1String("show") || m_command == QLatin1String("pick")) && !takeSteps(&rest))
        return UsageError;
    if (!m_parser.parse(withPositionalLast(rest))) {
        m_error = m_parser.errorText();
        return UsageError;
    }
    if (m_parser.isSet(QStringLiteral("help")))
        return ShowedHelp;
    return check() ? Run : UsageError;
}

QString CommandLine::helpText() const
{
    if (m_command.isEmpty())
        return overview();
    // The parser names the program by its path; the user types "hxplaces COMMAND".
    QString text = m_parser.helpText();
    const int end = text.indexOf(QLatin1String(" [options]"));
    if (text.startsWith(QLatin1String("Usage: ")) && end > 0)
        text.replace(7, end - 7, QStringLiteral("hxplaces ") + m_command);
    return text;
}

bool CommandLine::configure(const QString &command)
{
    const CommandInfo *info = find(command);
    if (!info)
        return false;
    m_command = command;
    m_parser.setApplicationDescription(QLatin1String(info->summary));
    m_parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsOptions);
    m_parser.addOption({ { QStringLiteral("h"), QStringLiteral("help") }, QStringLiteral("Show this help.") });
    m_parser.addOption({ QStringLiteral("store"),
                         QStringLiteral("The user's place store, created when missing (default: HX_PLACES_DB, "
                                        "else the platform's file)."),
                         QStringLiteral("file") });
    m_parser.addOption({ QStringLiteral("demo"),
                         QStringLiteral("Use a temporary store seeded with example favourites, home (place 3), work, "
                                        "recents, a rated café with reviews (place 12) and contacts.") });
    m_parser.addOption(
        { QStringLiteral("verbose"), QStringLiteral("Let the library's debug lines through to stderr.") });
    m_parser.addOption({ QStringLiteral("gazetteer"),
                         QStringLiteral("The gazetteer (default: HX_GAZETTEER_DB, else the built data set)."),
                         QStringLiteral("file") });
    m_parser.addOption({ QStringLiteral("at"),
                         QStringLiteral("Where the location service puts you (default: 43.4643,-80.5204)."),
                         QStringLiteral("lat,lon") });
    m_parser.addOption({ QStringLiteral("units"),
                         QStringLiteral("The phone's unit of measure for distances: metric or imperial "
                                        "(default: the locale's)."),
                         QStringLiteral("system") });
    if (command == QLatin1String("pick") || command == QLatin1String("show"))
        m_parser.addOption({ QStringLiteral("window"),
                             QStringLiteral("Show the screen in a window on the desktop instead of the terminal: a "
                                            "click taps, a long press or a right click opens a context menu, the "
                                            "wheel or a drag scrolls, keys type, Escape goes back.") });
    if (command == QLatin1String("pick")) {
        m_parser.addOption({ QStringLiteral("type"),
                             QStringLiteral("The card types this text instead of using the terminal."),
                             QStringLiteral("text") });
        m_parser.addOption({ QStringLiteral("choose"), QStringLiteral("With --type: pick the Nth place row (from 1)."),
                             QStringLiteral("n") });
        m_parser.addOption({ QStringLiteral("do"),
                             QStringLiteral("A step the card runs on its page (after --type and --choose), in the "
                                            "words of \"show --do\", such as \"dialog OK\". Repeat for more steps."),
                             QStringLiteral("step") });
    } else if (command == QLatin1String("search")) {
        m_parser.addOption({ QStringLiteral("category"),
                             QStringLiteral("The whole list of one category, as a \"more\" footer opens it "
                                            "(1 favourites, 2 recents, 3 contacts, 4 My Places, 5 remote places, "
                                            "6 addresses, 7 points of interest, 9 suggestions)."),
                             QStringLiteral("n") });
    } else if (command == QLatin1String("show")) {
        m_parser.addOption({ QStringLiteral("list"), QStringLiteral("List the screens one a line.") });
        m_parser.addOption({ QStringLiteral("png"),
                             QStringLiteral("Write the screen's picture to this PNG file (after the steps) instead of "
                                            "opening the terminal."),
                             QStringLiteral("file") });
        m_parser.addOption({ QStringLiteral("dump"),
                             QStringLiteral("Print the screen's text after the steps instead of opening the "
                                            "terminal.") });
        m_parser.addOption({ QStringLiteral("near"),
                             QStringLiteral("localsearch: search near this address or LAT,LON instead of the "
                                            "phone's position."),
                             QStringLiteral("text|lat,lon") });
        m_parser.addOption({ QStringLiteral("do"),
                             QStringLiteral("Run one step, then wait until the screen is idle: type NAME TEXT, erase "
                                            "NAME N, submit NAME, tap NAME, tap-row LIST N, tap-part LIST N PART, "
                                            "menu LIST N ACTION, action TITLE-OR-NAME, choose NAME INDEX, dialog "
                                            "LABEL, back, language CODE, wait MS, keys TEXT. Repeat for more steps."),
                             QStringLiteral("step") });
        m_parser.addOption({ QStringLiteral("random"),
                             QStringLiteral("After the steps, let a random user press anything on the screen, with "
                                            "this seed; each step is printed, then the places it saved."),
                             QStringLiteral("seed") });
        m_parser.addOption({ QStringLiteral("steps"),
                             QStringLiteral("The random user's number of steps (default 1000)."),
                             QStringLiteral("n") });
        m_parser.addOption({ QStringLiteral("seconds"),
                             QStringLiteral("The random user stops after this many seconds (default 60)."),
                             QStringLiteral("s") });
    } else if (command == QLatin1String("map")) {
        m_parser.addOption(
            { QStringLiteral("png"), QStringLiteral("Where to write the PNG image."), QStringLiteral("file") });
    }
    if (*info->arguments)
        m_parser.addPositionalArgument(QLatin1String(info->arguments), QLatin1String(info->summary));
    return true;
}

bool CommandLine::check()
{
    if (!checkPosition())
        return false;
    m_session.units = m_parser.value(QStringLiteral("units"));
    if (m_parser.isSet(QStringLiteral("units")) && m_session.units != QLatin1String("metric")
        && m_session.units != QLatin1String("imperial")) {
        m_error = QStringLiteral("--units takes metric or imperial");
        return false;
    }
    m_session.storePath = m_parser.value(QStringLiteral("store"));
    m_session.demo = m_parser.isSet(QStringLiteral("demo"));
    if (m_session.demo && !m_session.storePath.isEmpty()) {
        m_error = QStringLiteral("--demo and --store exclude each other");
        return false;
    }
    m_session.gazetteerPath = m_parser.value(QStringLiteral("gazetteer"));
    bool ok = true;
    if (m_command == QLatin1String("pick")) {
        const bool scripted = m_parser.isSet(QStringLiteral("type"));
        if (scripted != m_parser.isSet(QStringLiteral("choose"))) {
            m_error = QStringLiteral("--type and --choose go together");
            return false;
        }
        if (scripted && m_parser.value(QStringLiteral("choose")).toInt(&ok) < 1) {
            m_error = QStringLiteral("--choose takes a row number from 1");
            return false;
        }
        for (const QStringList &step : qAsConst(m_steps)) {
            if (!hx::trellan::console::StepRunner::check(step, &m_error))
                return false;
        }
        if (m_parser.isSet(QStringLiteral("window")) && (scripted || !m_steps.isEmpty())) {
            m_error = QStringLiteral("--window is for a person; --type, --choose and --do script the card");
            return false;
        }
        return checkCount(0);
    }
    if (m_command == QLatin1String("search") && m_parser.isSet(QStringLiteral("category"))) {
        const int category = m_parser.value(QStringLiteral("category")).toInt(&ok);
        if (!ok || category < 1 || category > 13) {
            m_error = QStringLiteral("--category takes a category number from 1 to 13");
            return false;
        }
    }
    if (m_command == QLatin1String("show")) {
        if (m_parser.isSet(QStringLiteral("list")))
            return checkCount(0);
        if (positional().isEmpty()) {
            m_error = QStringLiteral("show takes a SCREEN (show --list names them)");
            return false;
        }
        if (!ScreenCatalog::names().contains(positional().first())) {
            m_error = QStringLiteral("no screen \"%1\" (screens: %2)")
                          .arg(positional().first(), ScreenCatalog::names().join(QStringLiteral(", ")));
            return false;
        }
        for (const QStringList &step : qAsConst(m_steps)) {
            if (!hx::trellan::console::StepRunner::check(step, &m_error))
                return false;
        }
        if (m_parser.isSet(QStringLiteral("png")) && m_parser.isSet(QStringLiteral("dump"))) {
            m_error = QStringLiteral("--png and --dump exclude each other");
            return false;
        }
        if (m_parser.isSet(QStringLiteral("window"))
            && (m_parser.isSet(QStringLiteral("png")) || m_parser.isSet(QStringLiteral("dump"))
                || m_parser.isSet(QStringLiteral("random")))) {
            m_error = QStringLiteral("--window is for a person; --png, --dump and --random are not");
            return false;
        }
        if (m_parser.isSet(QStringLiteral("random"))) {
            m_parser.value(QStringLiteral("random")).toUInt(&ok);
            if (!ok) {
                m_error = QStringLiteral("--random takes a seed (a whole number)");
                return false;
            }
        }
        for (const char *count : { "steps", "seconds" }) {
            if (m_parser.isSet(QLatin1String(count)) && m_parser.value(QLatin1String(count)).toInt(&ok) < 1) {
                m_error = QStringLiteral("--%1 takes a whole number from 1").arg(QLatin1String(count));
                return false;
            }
        }
        return true;
    }
    if (m_command == QLatin1String("where")) {
        if (!checkCount(2))
            return false;
        if (!parsePosition(positional().join(QLatin1Char(','))).isValid()) {
            m_error = QStringLiteral("LAT and LON must be degrees within range");
            return false;
        }
        return true;
    }
    if (!checkCount(1))
        return false;
    if (m_command == QLatin1String("share") || m_command == QLatin1String("map")
        || m_command == QLatin1String("view")) {
        positional().first().toLongLong(&ok);
        if (!ok) {
            m_error = QStringLiteral("ID must be a place id (a whole number)");
            return false;
        }
    }
    if (m_command == QLatin1String("map") && m_parser.value(QStringLiteral("png")).isEmpty()) {
        m_error = QStringLiteral("map needs --png FILE");
        return false;
    }
    return true;
}

bool CommandLine::takeSteps(QStringList *arguments)
{
    // "--do type SearchField water" is one step: the words after --do up to the next option.
    QStringList kept;
    for (int i = 0; i < arguments->size(); ++i) {
        if (arguments->at(i) != QLatin1String("--do")) {
            kept.append(arguments->at(i));
            continue;
        }
        QStringList words;
        while (i + 1 < arguments->size() && !arguments->at(i + 1).startsWith(QLatin1String("--")))
            words.append(arguments->at(++i));
        // A step quoted as one argument is split into its words.
        if (words.size() == 1)
            words = words.first().split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (words.isEmpty()) {
            m_error = QStringLiteral("--do needs a step");
            return false;
        }
        m_steps.append(words);
    }
    *arguments = kept;
    return true;
}

bool CommandLine::checkCount(int count)
{
    if (positional().size() == count)
        return true;
    m_error = QStringLiteral("%1 takes %2 argument(s), %3 given").arg(m_command).arg(count).arg(positional().size());
    return false;
}

bool CommandLine::checkPosition()
{
    if (!m_parser.isSet(QStringLiteral("at")))
        return true;
    m_session.position = parsePosition(m_parser.value(QStringLiteral("at")));
    if (m_session.position.isValid())
        return true;
    m_error = QStringLiteral("--at takes LAT,LON in degrees");
    return false;
}

Coordinates CommandLine::parsePosition(const QString &text)
{
    const QStringList parts = text.split(QLatin1Char(','));
    if (parts.size() != 2)
        return Coordinates();
    bool latitudeOk = false;
    bool longitudeOk = false;
    const Coordinates position(parts.at(0).trimmed().toDouble(&latitudeOk),
                               parts.at(1).trimmed().toDouble(&longitudeOk));
    return latitudeOk && longitudeOk && position.isValid() ? position : Coordinates();
}
