// hx-revgeocoded: the "revgeocode" message service. Answers reverse-geocoding requests from the
// gazetteer until SIGTERM or SIGINT.
#include <hx/msgclient/revgeoserver.h>
#include <hx/platform/places/gazetteer.h>

#include <QtCore/QCommandLineParser>
#include <QtCore/QCoreApplication>
#include <QtCore/QDir>
#include <QtCore/QTextStream>

#include "../common/daemon.h"

int main(int argc, char *argv[])
{
    hx::services::Daemon daemon;

    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("hx-revgeocoded"));
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Reverse-geocoding service: answers \"revgeocode\" requests "
                                                    "from the gazetteer."));
    parser.addHelpOption();
    const QCommandLineOption root(QStringLiteral("root"),
                                  QStringLiteral("Folder of the message service sockets (HX_MSG_ROOT)."),
                                  QStringLiteral("dir"));
    const QCommandLineOption gazetteer(QStringLiteral("gazetteer"), QStringLiteral("Gazetteer file (HX_GAZETTEER_DB)."),
                                       QStringLiteral("file"));
    parser.addOptions({ root, gazetteer });
    parser.process(app);

    QTextStream err(stderr);
    if (parser.isSet(root))
        hx::services::Daemon::setRoot("HX_MSG_ROOT", parser.value(root));
    const QString gazetteerPath = parser.isSet(gazetteer) ? QDir(parser.value(gazetteer)).absolutePath()
                                                          : hx::platform::places::Gazetteer::defaultPath();
    {
        const hx::platform::places::Gazetteer check(gazetteerPath);
        if (!check.isOpen())
            err << "hx-revgeocoded: warning: " << gazetteerPath << ": " << check.errorString()
                << " (requests will get an error reply)" << Qt::endl;
    }

    hx::msgclient::RevGeoServer server(gazetteerPath);
    QString error;
    if (!server.start(&error)) {
        err << "hx-revgeocoded: " << error << Qt::endl;
        return 1;
    }
    err << "hx-revgeocoded: serving " << server.server().socketPath() << Qt::endl;

    daemon.waitForStop();
    server.stop();
    err << "hx-revgeocoded: stopped" << Qt::endl;
    return 0;
}
