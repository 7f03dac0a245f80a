// Keystroke to a refreshed list, through the new selector: the sheet My Places opens to add a
// favourite, each query word typed into its "SearchField" one character at a time, timed from the
// keystroke until the shown model's modelLoadedFinal has been handled and the list view has taken
// its rows. Beside it, the floor: the same groups' SQL straight on SQLite for the same prefixes,
// in the same run. Over the synthetic gazetteer and 10 000 user places, with hx-locationd giving
// the phone's position. The last line is read by scripts.
#include <hx/trellan/places/newselector.h>
#include <hx/trellan/places/newselectorcontrol.h>
#include <hx/trellan/places/newselectorpage.h>
#include <hx/trellan/places/placesdatamodel.h>
#include <hx/trellan/places/placeutils.h>
#include <hx/trellan/testdriver.h>

#include <QtCore/QCoreApplication>
#include <QtCore/QDir>
#include <QtCore/QFile>
#include <QtCore/QProcess>
#include <QtCore/QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>

#include "benchuserplaces.h"
#include "floorqueries.h"
#include "keystrokebench.h"
#include "locationservice.h"
#include "positionfix.h"
#include "syntheticgazetteer.h"

using hx::bench::FloorQueries;
using hx::bench::KeystrokeBench;
using hx::bench::SyntheticGazetteer;
using hx::trellan::TestDriver;
using namespace hx::trellan::places;

namespace {
constexpr int UserPlaces = 10000;
constexpr int PageSize = 20;

// The sheet as My Places opens it for a new favourite, on the recents until the user types.
struct Selector
{
    NewSelector *sheet = new NewSelector(PlaceViewPage::PlaceType(0));

    Selector() { waitForList(); }
    ~Selector() { delete sheet; }

    NewSelectorControl *control() const { return sheet->firstPage()->control(); }

    // Runs until the shown model's last reply is handled and the list has read it; false on
    // timeout.
    bool waitForList()
    {
        return KeystrokeBench::waitForQueued(control()->currentModel(), &PlacesDataModel::modelLoadedFinal);
    }

    bool typeAndWait(const QString &character)
    {
        return TestDriver::typeText(sheet, QStringLiteral("SearchField"), character) && waitForList();
    }

    bool clear() { return TestDriver::replaceText(sheet, QStringLiteral("SearchField"), QString()) && waitForList(); }
};

// The sheet checks data services on opening; the phone is online.
bool publishDataServices(const QString &ppsRoot)
{
    const QString folder = ppsRoot + QStringLiteral("/services/networking");
    QFile file(folder + QStringLiteral("/status_public"));
    return QDir().mkpath(folder) && file.open(QIODevice::WriteOnly) && file.write("@status_public\nip_ok::yes\n") > 0;
}
} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    const QString gazetteer = SyntheticGazetteer::ensure(SyntheticGazetteer::defaultCount());
    QTemporaryDir root;
    if (gazetteer.isEmpty() || !root.isValid()) {
        std::fprintf(stderr, "cannot prepare the data\n");
        return 1;
    }
    const QString ppsRoot = root.filePath(QStringLiteral("pps"));
    qputenv("HX_GAZETTEER_DB", gazetteer.toUtf8());
    qputenv("HX_PLACES_DB", root.filePath(QStringLiteral("places.db")).toUtf8());
    qputenv("HX_PPS_ROOT", ppsRoot.toUtf8());
    qputenv("HX_EVENT_LOG", root.filePath(QStringLiteral("events.log")).toUtf8());
    if (!publishDataServices(ppsRoot) || !hx::bench::BenchUserPlaces::fill(UserPlaces)) {
        std::fprintf(stderr, "cannot store the user places\n");
        return 1;
    }
    FloorQueries floor(root.filePath(QStringLiteral("places.db")), gazetteer);
    if (!floor.isOpen())
        return 1;
    QProcess locationService;
    PlaceUtils::init();
    if (!hx::bench::startLocationService(locationService, ppsRoot) || !hx::bench::waitForFix()) {
        std::fprintf(stderr, "no position from hx-locationd\n");
        return 1;
    }
    Selector shown;

    KeystrokeBench bench([&shown](const QString &character) { return shown.typeAndWait(character); },
                         [&shown] { return shown.clear(); }, "the cleared list did not finish",
                         [&floor](const QByteArray &prefix) { return floor.search(prefix, PageSize); });
    bench.registerBenchmarks("newselector/keystroke");
    benchmark::RunSpecifiedBenchmarks();

    const bool reported = bench.printReport("sheet", "new selector keystroke",
                                            QByteArray::number(SyntheticGazetteer::defaultCount()) + " places");
    locationService.terminate();
    locationService.waitForFinished(5000);
    return reported ? 0 : 1;
}
