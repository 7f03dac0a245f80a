// Saves picks into the store of HX_PLACES_DB the way the picker card does, as fast as it can:
// new places and re-picks of the shared ones, one result line each into the output file.
//   hx-recentsaver COUNT SEED OUTPUT
// Exits 1 when a pick fails, a dialog is shown or the store reports a lock.
#include "locklines.h"
#include "twoprocessplaces.h"

#include <hx/platform/places/place.h>
#include <hx/system/systemui.h>
#include <hx/trellan/places/placemanagerui.h>

#include <QtCore/QCoreApplication>
#include <QtCore/QFile>
#include <QtCore/QRandomGenerator>
#include <QtCore/QStringList>
#include <QtCore/QTextStream>

#include <cstdio>

using namespace hx::platform::places;
using hx::trellan::places::PlaceManagerUI;

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.size() != 4) {
        std::fprintf(stderr, "usage: hx-recentsaver COUNT SEED OUTPUT\n");
        return 2;
    }
    const int count = arguments.at(1).toInt();
    QRandomGenerator random(arguments.at(2).toUInt());
    QFile output(arguments.at(3));
    if (!output.open(QIODevice::WriteOnly | QIODevice::Text))
        return 2;
    QTextStream out(&output);
    twoprocesses::LockLines::start();

    int failures = 0;
    std::printf("ready\n");
    std::fflush(stdout);
    for (int i = 0; i < count; ++i) {
        const bool repick = random.bounded(3) == 0;
        const int shared = random.bounded(twoprocesses::SHARED_PLACES);
        const QString name = repick ? twoprocesses::sharedName(shared) : QStringLiteral("Pick %1").arg(i);
        // New picks sit 0.01 degrees apart, far from each other and from the shared places.
        const double latitude = repick ? twoprocesses::sharedLatitude(shared) : 44.0 + i * 0.01;
        const double longitude = repick ? twoprocesses::sharedLongitude(shared) : -79.0;
        QSharedPointer<Place> place(new Place(name, Location(Coordinates(latitude, longitude), Address())));
        const Error::Type error = PlaceManagerUI::savePickedPlace(place, true);
        const qint64 id = place ? place->id() : -1;
        out << name << '\t' << id << '\t' << int(error) << '\n';
        if (error != Error::None || !place)
            ++failures;
    }
    out.flush();
    const QList<hx::system::SystemUiRecord> shown = hx::system::SystemUi::history();
    for (const hx::system::SystemUiRecord &record : shown)
        std::fprintf(stderr, "dialog shown: %s\n", qPrintable(record.toText()));
    const QStringList lockLines = twoprocesses::LockLines::lines();
    for (const QString &line : lockLines)
        std::fprintf(stderr, "lock reported: %s\n", qPrintable(line));
    std::printf("done %d picks, %d failed\n", count, failures);
    return failures == 0 && shown.isEmpty() && lockLines.isEmpty() ? 0 : 1;
}
