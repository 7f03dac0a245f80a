#include <QtCore/QCommandLineParser>
#include <QtCore/QTemporaryDir>
#include <QtCore/QTextStream>
#include <QtGui/QGuiApplication>

#include "relevancerun.h"
#include "relevancetable.h"

namespace {
void quiet(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    // The library's debug lines would bury the report.
    if (type != QtDebugMsg && type != QtInfoMsg)
        QTextStream(stderr) << message << Qt::endl;
}
} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(quiet);
    QGuiApplication app(argc, argv);
    QGuiApplication::setApplicationName(QStringLiteral("places-relevance"));
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Types each query of TABLE into the merged search list at its position and reports how many of the "
        "places meant are shown before \"More\" and how many lists show a place twice."));
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("TABLE"), QStringLiteral("the table of queries"));
    parser.addOption(
        { QStringLiteral("gazetteer"), QStringLiteral("The gazetteer file to search."), QStringLiteral("FILE") });
    parser.addOption({ QStringLiteral("check"),
                       QStringLiteral("Exit 1 when fewer places than the table's level are shown, or a list shows "
                                      "a place twice.") });
    parser.process(app);
    QTextStream out(stdout);
    QTextStream err(stderr);
    if (parser.positionalArguments().size() != 1) {
        err << "places-relevance: give one table" << Qt::endl;
        return 2;
    }
    RelevanceTable table;
    QString error;
    if (!table.load(parser.positionalArguments().first(), &error)) {
        err << "places-relevance: " << error << Qt::endl;
        return 2;
    }
    // An empty store of its own: only the gazetteer answers.
    QTemporaryDir roots;
    qputenv("HX_PLACES_DB", (roots.path() + QStringLiteral("/places.db")).toLocal8Bit());
    qputenv("HX_PPS_ROOT", (roots.path() + QStringLiteral("/pps")).toLocal8Bit());
    qputenv("HX_MSG_ROOT", (roots.path() + QStringLiteral("/msg")).toLocal8Bit());
    if (parser.isSet(QStringLiteral("gazetteer")))
        qputenv("HX_GAZETTEER_DB", parser.value(QStringLiteral("gazetteer")).toLocal8Bit());

    RelevanceRun run;
    int shown = 0;
    int twice = 0;
    for (const RelevanceTable::Query &query : table.queries()) {
        const RelevanceRun::Outcome outcome = run.run(query);
        const QString where
            = QStringLiteral("\"%1\" at %2,%3").arg(query.text).arg(query.latitude).arg(query.longitude);
        if (outcome.shown)
            ++shown;
        else
            out << "miss: " << where << " wants " << query.name << " (" << query.countryCode
                << "); shown: " << outcome.rows.join(QStringLiteral(" | ")) << Qt::endl;
        if (!outcome.twice.isEmpty()) {
            ++twice;
            out << "twice: " << where << " lists " << outcome.twice << " twice" << Qt::endl;
        }
    }
    out << "relevance " << shown << '/' << table.queries().size() << " shown before More, " << twice
        << " lists with a place twice" << Qt::endl;
    if (parser.isSet(QStringLiteral("check")) && (shown < table.level() || twice > 0)) {
        err << "places-relevance: below the recorded level of " << table.level() << " with none twice" << Qt::endl;
        return 1;
    }
    return 0;
}
