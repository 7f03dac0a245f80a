// hx-locationd: the location service. Serves "/pps/services/geolocation/control" under the PPS
// root and keeps "/pps/services/geolocation/status" until SIGTERM or SIGINT.
#include <hx/pps/locationserver.h>

#include <QtCore/QCommandLineParser>
#include <QtCore/QCoreApplication>
#include <QtCore/QTextStream>

#include "../common/daemon.h"

int main(int argc, char *argv[])
{
    hx::services::Daemon daemon;

    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("hx-locationd"));
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Location service: answers location requests on the "
                                                    "geolocation control object."));
    parser.addHelpOption();
    const QCommandLineOption root(QStringLiteral("root"), QStringLiteral("Folder that stands for /pps."),
                                  QStringLiteral("dir"));
    const QCommandLineOption track(QStringLiteral("track"),
                                   QStringLiteral("Track file: one JSON step a line (fix, error, status, raw)."),
                                   QStringLiteral("file"));
    const QCommandLineOption position(QStringLiteral("position"), QStringLiteral("Answer with a fixed position."),
                                      QStringLiteral("lat,lon"));
    const QCommandLineOption accuracy(QStringLiteral("accuracy"),
                                      QStringLiteral("Accuracy of the fixed position in metres (default 10)."),
                                      QStringLiteral("metres"), QStringLiteral("10"));
    const QCommandLineOption silent(QStringLiteral("silent"), QStringLiteral("Never answer with a location."));
    const QCommandLineOption off(QStringLiteral("location-off"), QStringLiteral("Report location services off."));
    const QCommandLineOption interval(QStringLiteral("status-interval"),
                                      QStringLiteral("Milliseconds between status replies, 0 for none (default 1000)."),
                                      QStringLiteral("ms"), QStringLiteral("1000"));
    parser.addOptions({ root, track, position, accuracy, silent, off, interval });
    parser.process(app);

    QTextStream err(stderr);
    if (parser.isSet(root))
        hx::services::Daemon::setRoot("HX_PPS_ROOT", parser.value(root));

    hx::pps::LocationServer server;
    QString error;
    if (parser.isSet(track)) {
        if (!server.loadTrack(parser.value(track), &error)) {
            err << "hx-locationd: " << error << Qt::endl;
            return 1;
        }
    } else if (parser.isSet(position)) {
        const QStringList parts = parser.value(position).split(QLatin1Char(','));
        bool latitudeOk = false, longitudeOk = false, accuracyOk = false;
        const double latitude = parts.value(0).toDouble(&latitudeOk);
        const double longitude = parts.value(1).toDouble(&longitudeOk);
        const double metres = parser.value(accuracy).toDouble(&accuracyOk);
        if (parts.size() != 2 || !latitudeOk || !longitudeOk || !accuracyOk || qAbs(latitude) > 90
            || qAbs(longitude) > 180) {
            err << "hx-locationd: --position wants LAT,LON in degrees" << Qt::endl;
            return 1;
        }
        server.setFixedPosition(latitude, longitude, metres);
    } else {
        server.setSilent();
    }
    server.setStatusInterval(parser.value(interval).toInt());
    server.setLocationOn(!parser.isSet(off));
    if (!server.start(&error)) {
        err << "hx-locationd: " << error << Qt::endl;
        return 1;
    }
    err << "hx-locationd: serving " << server.controlPath() << Qt::endl;

    daemon.waitForStop();
    server.stop();
    err << "hx-locationd: stopped" << Qt::endl;
    return 0;
}
