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
#include <QtCore/QElapsedTimer>
#include <QtCore/QEventLoop>
#include <QtCore/QMap>
#include <QtCore/QRegExp>
#include <QtCore/QTemporaryDir>
#include <QtCore/QTimer>

#include <benchmark/benchmark.h>

#include <cstdio>

#include "benchuserplaces.h"
#include "floorqueries.h"
#include "latencies.h"
#include "syntheticgazetteer.h"

using hx::bench::FloorQueries;
using hx::bench::Latencies;
using hx::bench::SyntheticGazetteer;
using hx::trellan::TestDriver;
using namespace hx::trellan::places;

namespace {
constexpr int LeastSamples = 240;
constexpr int UserPlaces = 10000;
constexpr int FirstPage = 63;
constexpr int ListTimeoutMs = 10000;

FloorQueries *floorQueries = nullptr;
QMap<int, Latencies> screenTimes;
QMap<int, Latencies> floorTimes;

// My Places on its Favorites tab, as an application pushes it.
struct MyPlaces
{
    hx::trellan::NavigationPane pane;
    MyPlacesPage *page = new MyPlacesPage;

    MyPlaces() { pane.push(page); }

    MyPlacesListPrivate *list() const { return page->d_func()->list(); }

    // Runs until the list has handled the model's last reply and the list view has read it;
    // false on timeout.
    bool waitForList()
    {
        QEventLoop loop;
        QTimer timeout;
        timeout.setSingleShot(true);
        QObject::connect(&timeout, &QTimer::timeout, &loop, [&loop] { loop.exit(1); });
        // Queued behind the list view's own pending read of the model.
        QObject::connect(list(), &MyPlacesListPrivate::dataModelLoaded, &loop,
                         [&loop] { QMetaObject::invokeMethod(&loop, "quit", Qt::QueuedConnection); });
        timeout.start(ListTimeoutMs);
        return loop.exec() == 0;
    }

    bool showFavorites() { return TestDriver::chooseOption(&pane, QStringLiteral("TitleBarTab"), 1) && waitForList(); }
    bool typeAndWait(const QString &character) { return TestDriver::pressKeys(&pane, character) && waitForList(); }
    bool cancel() { return TestDriver::clickButton(&pane, QStringLiteral("FilterCancelButton")) && waitForList(); }
};

MyPlaces *myPlaces = nullptr;

int rounds()
{
    return qMax(1, LeastSamples / qMax(1, int(SyntheticGazetteer::queryWords().size())) + 1);
}

void filterKeystroke(benchmark::State &state)
{
    const QStringList words = SyntheticGazetteer::queryWords();
    int w = 0;
    for (auto _ : state) {
        const QString word = words.at(w++ % words.size());
        double total = 0;
        for (int length = 1; length <= word.size(); ++length) {
            QElapsedTimer timer;
            timer.start();
            if (!myPlaces->typeAndWait(word.mid(length - 1, 1))) {
                state.SkipWithError("the list did not finish");
                return;
            }
            const double elapsed = timer.nsecsElapsed() / 1e6;
            screenTimes[length].add(elapsed);
            total += elapsed;
        }
        state.SetIterationTime(total / 1000);
        if (!myPlaces->cancel()) {
            state.SkipWithError("the unfiltered list did not finish");
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
            const int rows = floorQueries->userStore(word.left(length), FirstPage);
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
    floorQueries = &floor;
    hx::device::SimulatedDevice::setPhysicalKeyboard(true);
    PlaceUtils::init();
    MyPlaces shown;
    myPlaces = &shown;
    if (!shown.showFavorites()) {
        std::fprintf(stderr, "the Favorites tab did not load\n");
        return 1;
    }

    const int iterations = rounds() * int(SyntheticGazetteer::queryWords().size());
    benchmark::RegisterBenchmark("myplaces/filter-keystroke", filterKeystroke)
        ->Iterations(iterations)
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("floor/keystroke", floorKeystroke)
        ->Iterations(iterations)
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond);
    benchmark::RunSpecifiedBenchmarks();

    std::printf("\n%-7s %12s %12s %12s %12s\n", "prefix", "list p50", "list p95", "floor p50", "floor p95");
    int worst = 0;
    for (auto it = screenTimes.cbegin(); it != screenTimes.cend(); ++it) {
        const Latencies &f = floorTimes[it.key()];
        std::printf("%-7d %9.3f ms %9.3f ms %9.3f ms %9.3f ms\n", it.key(), it.value().percentile(0.5),
                    it.value().percentile(0.95), f.percentile(0.5), f.percentile(0.95));
        if (!worst || it.value().percentile(0.95) > screenTimes[worst].percentile(0.95))
            worst = it.key();
    }
    const double listP95 = screenTimes[worst].percentile(0.95);
    const double floorP95 = floorTimes[worst].percentile(0.95);
    std::printf("my places filter keystroke p95 %.3f ms, floor p95 %.3f ms, %d user places (%.1fx the floor)\n",
                listP95, floorP95, UserPlaces, floorP95 > 0 ? listP95 / floorP95 : 0.0);
    return 0;
}
