// Keystroke to a refreshed list, through the screen: the single search screen on a page, each
// query word typed into "SearchField" through the test driver one character at a time, timed
// from the keystroke until the shown model's modelLoadedFinal has been handled and the list
// view has taken its rows. Beside it, the floor: the same groups' SQL straight on SQLite for the
// same prefixes, in the same run. Over the synthetic gazetteer and 10 000 user places, with
// hx-locationd giving the phone's position. The last line is read by scripts.
#include <hx/trellan/listview.h>
#include <hx/trellan/navigationpane.h>
#include <hx/trellan/page.h>
#include <hx/trellan/places/placesdatamodel.h>
#include <hx/trellan/places/placeutils.h>
#include <hx/trellan/places/singlesearchlist.h>
#include <hx/trellan/places/singlesearchprivate.h>
#include <hx/trellan/testdriver.h>

#include <QtCore/QCoreApplication>
#include <QtCore/QDir>
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
using hx::trellan::places::PlacesDataModel;
using hx::trellan::places::SingleSearchPrivate;

namespace {
constexpr int UserPlaces = 10000;
constexpr int PageSize = 20;

// The picker page with the search screen, listing "All" as the picker opens it.
struct Screen
{
    hx::trellan::NavigationPane pane;
    SingleSearchPrivate *search = new SingleSearchPrivate(true, SingleSearchPrivate::Picker, SingleSearchPrivate::All);

    Screen()
    {
        auto *page = new hx::trellan::Page;
        search->setParent(page);
        page->setContent(search);
        search->addTitleBarAndActions(page);
        pane.push(page);
        search->initialView();
        waitForList();
    }

    // Runs until the shown model's last reply is handled and the list has read it; false on
    // timeout.
    bool waitForList()
    {
        return KeystrokeBench::waitForQueued(search->currentModel(), &PlacesDataModel::modelLoadedFinal);
    }

    bool typeAndWait(const QString &character)
    {
        return TestDriver::typeText(&pane, QStringLiteral("SearchField"), character) && waitForList();
    }

    bool clear() { return TestDriver::replaceText(&pane, QStringLiteral("SearchField"), QString()) && waitForList(); }
};
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
    qputenv("HX_GAZETTEER_DB", gazetteer.toUtf8());
    qputenv("HX_PLACES_DB", root.filePath(QStringLiteral("places.db")).toUtf8());
    QDir(root.path()).mkpath(QStringLiteral("pps"));
    qputenv("HX_PPS_ROOT", root.filePath(QStringLiteral("pps")).toUtf8());
    qputenv("HX_EVENT_LOG", root.filePath(QStringLiteral("events.log")).toUtf8());
    if (!hx::bench::BenchUserPlaces::fill(UserPlaces)) {
        std::fprintf(stderr, "cannot store the user places\n");
        return 1;
    }
    FloorQueries floor(root.filePath(QStringLiteral("places.db")), gazetteer);
    if (!floor.isOpen())
        return 1;
    QProcess locationService;
    hx::trellan::places::PlaceUtils::init();
    if (!hx::bench::startLocationService(locationService, root.filePath(QStringLiteral("pps")))
        || !hx::bench::waitForFix()) {
        std::fprintf(stderr, "no position from hx-locationd\n");
        return 1;
    }
    Screen shown;

    KeystrokeBench bench([&shown](const QString &character) { return shown.typeAndWait(character); },
                         [&shown] { return shown.clear(); }, "the cleared list did not finish",
                         [&floor](const QByteArray &prefix) { return floor.search(prefix, PageSize); });
    bench.registerBenchmarks("screen/keystroke");
    benchmark::RunSpecifiedBenchmarks();

    const bool reported = bench.printReport("screen", "screen keystroke",
                                            QByteArray::number(SyntheticGazetteer::defaultCount()) + " places");
    locationService.terminate();
    locationService.waitForFinished(5000);
    return reported ? 0 : 1;
}
