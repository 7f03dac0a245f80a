// Keystroke to a refreshed list, through My Places' filter bar: on a phone with a physical
// keyboard, each query word typed on the Favorites tab one character at a time (the first key
// opens the bar), timed from the key until the list has handled the model's last reply and the
// list view has taken its rows. Beside it, the floor: the user store's My Places and contacts SQL
// straight on SQLite for the same prefixes, in the same run (it reads every kind of user place,
// so it asks more than the favourites filter does). Over 10 000 user places, 400 of them
// favourites. The last line is read by scripts.
#include <hx/device/simulateddevice.h>
#include <hx/trellan/navigationpane.h>
#include <hx/trellan/places/myplacespage.h>
#include <hx/trellan/places/placeutils.h>
#include <hx/trellan/testdriver.h>

#include "picker/myplaceselector_p.h"
#include "picker/myplaceslist_p.h"

#include <QtCore/QCoreApplication>
#include <QtCore/QDeadlineTimer>
#include <QtCore/QProcess>
#include <QtCore/QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>

#include "benchuserplaces.h"
#include "floorqueries.h"
#include "keystrokebench.h"
#include "locationservice.h"
#include "positionfix.h"

using hx::bench::FloorQueries;
using hx::bench::KeystrokeBench;
using hx::trellan::TestDriver;
using namespace hx::trellan::places;

namespace {
constexpr int UserPlaces = 10000;
constexpr int FirstPage = 63;

// My Places on its Favorites tab, as an application pushes it.
struct MyPlaces
{
    hx::trellan::NavigationPane pane;
    MyPlacesPage *page = new MyPlacesPage;

    MyPlaces() { pane.push(page); }

    MyPlacesListPrivate *list() const { return page->d_func()->list(); }

    // Runs until the list has handled the model's last reply and the list view has read it;
    // false on timeout.
    bool waitForList() { return KeystrokeBench::waitForQueued(list(), &MyPlacesListPrivate::dataModelLoaded); }

    // The page starts loading its first tab when it is pushed, so the next load signal may be
    // that one's: the Favorites tab is ready once its list is on screen, which an empty tab
    // never shows.
    bool showFavorites()
    {
        if (!TestDriver::chooseOption(&pane, QStringLiteral("TitleBarTab"), 1))
            return false;
        QDeadlineTimer deadline(KeystrokeBench::ListTimeoutMs);
        while (!listShown() && !deadline.hasExpired())
            QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 10);
        return listShown();
    }
    bool listShown() const
    {
        return TestDriver::isOnScreen(&pane, TestDriver::find(&pane, QStringLiteral("MyPlacesListContainer")));
    }
    bool typeAndWait(const QString &character) { return TestDriver::pressKeys(&pane, character) && waitForList(); }
    bool cancel() { return TestDriver::clickButton(&pane, QStringLiteral("FilterCancelButton")) && waitForList(); }
};
} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    QTemporaryDir root;
    if (!root.isValid())
        return 1;
    qputenv("HX_PLACES_DB", root.filePath(QStringLiteral("places.db")).toUtf8());
    qputenv("HX_PPS_ROOT", root.filePath(QStringLiteral("pps")).toUtf8());
    qputenv("HX_EVENT_LOG", root.filePath(QStringLiteral("events.log")).toUtf8());
    if (!hx::bench::BenchUserPlaces::fill(UserPlaces)) {
        std::fprintf(stderr, "cannot store the user places\n");
        return 1;
    }
    FloorQueries floor(root.filePath(QStringLiteral("places.db")), QString());
    if (!floor.isOpen())
        return 1;
    hx::device::SimulatedDevice::setPhysicalKeyboard(true);
    PlaceUtils::init();
    // Each row shows how far the place is, so the phone's location service answers as on a phone.
    QProcess locationService;
    if (!hx::bench::startLocationService(locationService, root.filePath(QStringLiteral("pps")))
        || !hx::bench::waitForFix()) {
        std::fprintf(stderr, "no position from hx-locationd\n");
        return 1;
    }
    MyPlaces shown;
    if (!shown.showFavorites()) {
        std::fprintf(stderr, "the Favorites tab did not load\n");
        return 1;
    }

    KeystrokeBench bench([&shown](const QString &character) { return shown.typeAndWait(character); },
                         [&shown] { return shown.cancel(); }, "the unfiltered list did not finish",
                         [&floor](const QByteArray &prefix) { return floor.userStore(prefix, FirstPage); });
    bench.registerBenchmarks("myplaces/filter-keystroke");
    benchmark::RunSpecifiedBenchmarks();

    const bool reported
        = bench.printReport("list", "my places filter keystroke", QByteArray::number(UserPlaces) + " user places");
    locationService.terminate();
    locationService.waitForFinished(5000);
    return reported ? 0 : 1;
}
