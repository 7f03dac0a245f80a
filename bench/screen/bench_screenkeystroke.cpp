// Keystroke to a refreshed list, through the screen: the single search screen on a page, each
// query word typed into "SearchField" through the test driver one character at a time, timed
// from the keystroke until the shown model's modelLoadedFinal has been handled and the list
// view has taken its rows. Beside it, the floor: the same groups' SQL straight on SQLite for the
// same prefixes, in the same run. Over the synthetic gazetteer and 10 000 user places, with
// hx-locationd giving the phone's position. The last line is read by scripts.
#include <hx/trellan/listview.h>
#include <hx/trellan/navigationpane.h>
#include <hx/trellan/page.h>
#include <hx/trellan/places/currentcoordinate.h>
#include <hx/trellan/places/getgeolocation.h>
#include <hx/trellan/places/placesdatamodel.h>
#include <hx/trellan/places/placeutils.h>
#include <hx/trellan/places/singlesearchlist.h>
#include <hx/trellan/places/singlesearchprivate.h>
#include <hx/trellan/testdriver.h>

#include <QtCore/QCoreApplication>
#include <QtCore/QDir>
#include <QtCore/QElapsedTimer>
#include <QtCore/QEventLoop>
#include <QtCore/QMap>
#include <QtCore/QProcess>
#include <QtCore/QRegExp>
#include <QtCore/QTemporaryDir>
#include <QtCore/QTimer>

#include <benchmark/benchmark.h>

#include <cstdio>

#include "benchuserplaces.h"
#include "floorqueries.h"
#include "latencies.h"
#include "locationservice.h"
#include "syntheticgazetteer.h"

using hx::bench::FloorQueries;
using hx::bench::Latencies;
using hx::bench::SyntheticGazetteer;
using hx::trellan::TestDriver;
using hx::trellan::places::PlacesDataModel;
using hx::trellan::places::SingleSearchPrivate;

namespace {
// Enough rounds over the words for a few hundred samples at every length.
constexpr int LeastSamples = 240;
constexpr int UserPlaces = 10000;
constexpr int PageSize = 20;
constexpr int ListTimeoutMs = 10000;

FloorQueries *floorQueries = nullptr;
QMap<int, Latencies> screenTimes;
QMap<int, Latencies> floorTimes;

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
        QEventLoop loop;
        QTimer timeout;
        timeout.setSingleShot(true);
        QObject::connect(&timeout, &QTimer::timeout, &loop, [&loop] { loop.exit(1); });
        // Queued behind the list's own pending read of the model.
        QObject::connect(search->currentModel(), &PlacesDataModel::modelLoadedFinal, &loop,
                         [&loop] { QMetaObject::invokeMethod(&loop, "quit", Qt::QueuedConnection); });
        timeout.start(ListTimeoutMs);
        return loop.exec() == 0;
    }

    bool typeAndWait(const QString &character)
    {
        return TestDriver::typeText(&pane, QStringLiteral("SearchField"), character) && waitForList();
    }

    bool clear() { return TestDriver::replaceText(&pane, QStringLiteral("SearchField"), QString()) && waitForList(); }
};

Screen *screen = nullptr;

// Asks for the position the way the screen does until the service's fix is there.
bool waitForFix()
{
    using hx::trellan::places::GetGeolocation;
    using hx::trellan::places::PlaceUtils;
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < 10000) {
        if (GetGeolocation::getCoordinate(PlaceUtils::genericRequest)->isUsable())
            return true;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    }
    return false;
}

int rounds()
{
    return qMax(1, LeastSamples / qMax(1, int(SyntheticGazetteer::queryWords().size())) + 1);
}

void screenKeystroke(benchmark::State &state)
{
    const QStringList words = SyntheticGazetteer::queryWords();
    int w = 0;
    for (auto _ : state) {
        const QString word = words.at(w++ % words.size());
        double total = 0;
        for (int length = 1; length <= word.size(); ++length) {
            QElapsedTimer timer;
            timer.start();
            if (!screen->typeAndWait(word.mid(length - 1, 1))) {
                state.SkipWithError("the list did not finish");
                return;
            }
            const double elapsed = timer.nsecsElapsed() / 1e6;
            screenTimes[length].add(elapsed);
            total += elapsed;
        }
        state.SetIterationTime(total / 1000);
        if (!screen->clear()) {
            state.SkipWithError("the cleared list did not finish");
            return;
        }
    }
}

void floorKeystroke(benchmark::State &state)
{
    QVector<QByteArray> words;
    for (const QString &word : SyntheticGazetteer::queryWords()) {
        QString folded = word.toLower().normalized(QString::NormalizationForm_KD);
        folded.remove(QRegExp(QStringLiteral("[\\x0300-\\x036f]")));
        words.append(folded.toUtf8());
    }
    int w = 0;
    for (auto _ : state) {
        const QByteArray &word = words.at(w++ % words.size());
        double total = 0;
        for (int length = 1; length <= word.size(); ++length) {
            QElapsedTimer timer;
            timer.start();
            const int rows = floorQueries->search(word.left(length), PageSize);
            benchmark::DoNotOptimize(rows);
            const double elapsed = timer.nsecsElapsed() / 1e6;
            floorTimes[length].add(elapsed);
            total += elapsed;
        }
        state.SetIterationTime(total / 1000);
    }
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
    floorQueries = &floor;
    QProcess locationService;
    hx::trellan::places::PlaceUtils::init();
    if (!hx::bench::startLocationService(locationService, root.filePath(QStringLiteral("pps"))) || !waitForFix()) {
        std::fprintf(stderr, "no position from hx-locationd\n");
        return 1;
    }
    Screen shown;
    screen = &shown;

    const int iterations = rounds() * int(SyntheticGazetteer::queryWords().size());
    benchmark::RegisterBenchmark("screen/keystroke", screenKeystroke)
        ->Iterations(iterations)
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("floor/keystroke", floorKeystroke)
        ->Iterations(iterations)
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond);
    benchmark::RunSpecifiedBenchmarks();

    std::printf("\n%-7s %12s %12s %12s %12s\n", "prefix", "screen p50", "screen p95", "floor p50", "floor p95");
    int worst = 0;
    for (auto it = screenTimes.cbegin(); it != screenTimes.cend(); ++it) {
        const Latencies &f = floorTimes[it.key()];
        std::printf("%-7d %9.3f ms %9.3f ms %9.3f ms %9.3f ms\n", it.key(), it.value().percentile(0.5),
                    it.value().percentile(0.95), f.percentile(0.5), f.percentile(0.95));
        if (!worst || it.value().percentile(0.95) > screenTimes[worst].percentile(0.95))
            worst = it.key();
    }
    const double screenP95 = screenTimes[worst].percentile(0.95);
    const double floorP95 = floorTimes[worst].percentile(0.95);
    std::printf("screen keystroke p95 %.3f ms, floor p95 %.3f ms, %lld places (%.1fx the floor)\n", screenP95, floorP95,
                SyntheticGazetteer::defaultCount(), floorP95 > 0 ? screenP95 / floorP95 : 0.0);
    locationService.terminate();
    locationService.waitForFinished(5000);
    return 0;
}
