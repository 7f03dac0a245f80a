// Opening a stored place's card: PlaceViewPage(placeId, View) until its content and action bar
// are built (the map image paints on a worker afterwards and is not counted), beside the store's
// getPlace for the same ids in the same run. The last line is read by scripts.
#include <hx/platform/places/address.h>
#include <hx/platform/places/coordinates.h>
#include <hx/platform/places/location.h>
#include <hx/platform/places/place.h>
#include <hx/platform/places/placemanager.h>
#include <hx/trellan/places/placeviewpage.h>

#include <QtCore/QElapsedTimer>
#include <QtCore/QTemporaryDir>
#include <QtCore/QThreadPool>
#include <QtGui/QGuiApplication>

#include <benchmark/benchmark.h>

#include <cstdio>

#include "callgrindmarks.h"
#include "latencies.h"

using hx::bench::Latencies;
using namespace hx::platform::places;
using hx::trellan::places::PlaceViewMode;
using hx::trellan::places::PlaceViewPage;

namespace {
constexpr int StoredPlaces = 1000;
constexpr int Samples = 600;

QList<qint64> ids;
Latencies cardTimes;
Latencies getPlaceTimes;

void cardOpen(benchmark::State &state)
{
    int i = 0;
    CALLGRIND_START_INSTRUMENTATION;
    for (auto _ : state) {
        const qint64 id = ids.at(i++ % ids.size());
        QElapsedTimer timer;
        timer.start();
        PlaceViewPage page(id, PlaceViewMode::View);
        const double elapsed = timer.nsecsElapsed() / 1e6;
        benchmark::DoNotOptimize(page.actionCount());
        cardTimes.add(elapsed);
        state.SetIterationTime(elapsed / 1000);
    }
    CALLGRIND_STOP_INSTRUMENTATION;
    // The map images of the pages just closed finish on the pool before the next run.
    QThreadPool::globalInstance()->waitForDone();
    state.counters["p95_ms"] = cardTimes.percentile(0.95);
}

void getPlace(benchmark::State &state)
{
    PlaceManager manager;
    int i = 0;
    for (auto _ : state) {
        const qint64 id = ids.at(i++ % ids.size());
        QElapsedTimer timer;
        timer.start();
        Error::Type error = Error::None;
        QScopedPointer<Place> place(manager.getPlace(id, error));
        const double elapsed = timer.nsecsElapsed() / 1e6;
        benchmark::DoNotOptimize(place.data());
        getPlaceTimes.add(elapsed);
        state.SetIterationTime(elapsed / 1000);
    }
    state.counters["p95_ms"] = getPlaceTimes.percentile(0.95);
}

bool storePlaces()
{
    PlaceManager manager;
    for (int i = 0; i < StoredPlaces; ++i) {
        Address address;
        address.setStreet(QStringLiteral("%1 King Street").arg(i + 1));
        address.setCity(QStringLiteral("Waterloo"));
        Place place(QStringLiteral("Place %1").arg(i),
                    Location(Coordinates(43.3 + (i % 100) * 0.004, -80.7 + (i / 100) * 0.004), address));
        if (i % 4 == 0)
            place.addTag(QStringLiteral("favorite"));
        if (manager.addPlace(place) != Error::None) {
            std::fprintf(stderr, "cannot store place %d\n", i);
            return false;
        }
        ids.append(place.id());
    }
    return true;
}
} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    QTemporaryDir store;
    if (!store.isValid())
        return 1;
    qputenv("HX_PLACES_DB", store.filePath(QStringLiteral("places.db")).toUtf8());
    if (!storePlaces())
        return 1;
    benchmark::RegisterBenchmark("card_open", cardOpen)
        ->Iterations(Samples)
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("getPlace", getPlace)
        ->Iterations(Samples)
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond);
    benchmark::RunSpecifiedBenchmarks();
    if (cardTimes.isEmpty() || getPlaceTimes.isEmpty()) {
        std::fprintf(stderr, "nothing was measured: no card open or getPlace benchmark ran\n");
        return 1;
    }
    std::printf("card open p50 %.3f ms, getPlace p50 %.3f ms\n", cardTimes.percentile(0.5),
                getPlaceTimes.percentile(0.5));
    std::printf("card open p95 %.3f ms, getPlace p95 %.3f ms\n", cardTimes.percentile(0.95),
                getPlaceTimes.percentile(0.95));
    return 0;
}
