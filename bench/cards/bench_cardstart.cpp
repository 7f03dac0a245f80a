// The picker card's cold start: from PlacePicker::show() until the card's selector page has
// loaded its first list, beside starting and stopping a minimal Qt program in the same run.
// The card is the real program, started through the invocation service on the benchmark
// stores (the cached user store and gazetteer) with the location service running; its one step cancels the pick as soon
// as the page is idle after its first list, so show() returns with the card's answer. Both figures include the
// program's exit, and the card's include the idle wait of its step runner (about 50 ms). The same card
// start is timed on the default data set's gazetteer.
#include <hx/system/invokemanager.h>
#include <hx/trellan/places/cardsutils.h>
#include <hx/trellan/places/placepicker.h>

#include <QtCore/QDir>
#include <QtCore/QElapsedTimer>
#include <QtCore/QFile>
#include <QtCore/QJsonDocument>
#include <QtCore/QJsonObject>
#include <QtCore/QProcess>
#include <QtCore/QTemporaryDir>
#include <QtGui/QGuiApplication>

#include <benchmark/benchmark.h>

#include <cstdio>

#include "benchdata.h"
#include "latencies.h"
#include "locationservice.h"

using hx::bench::BenchData;
using hx::bench::Latencies;

namespace {
constexpr int Samples = 40;

Latencies cardTimes;
Latencies defaultDataTimes;
Latencies floorTimes;

// The card started on another gazetteer than the cached synthetic one, for as long as it lives.
class GazetteerForTheCard
{
public:
    explicit GazetteerForTheCard(const QString &path) : m_previous(qgetenv("HX_GAZETTEER_DB"))
    {
        qputenv("HX_GAZETTEER_DB", QFile::encodeName(path));
    }
    ~GazetteerForTheCard() { qputenv("HX_GAZETTEER_DB", m_previous); }

private:
    const QByteArray m_previous;
};

void timeCardStarts(benchmark::State &state, Latencies &times)
{
    for (auto _ : state) {
        hx::trellan::places::PlacePicker picker;
        QElapsedTimer timer;
        timer.start();
        const bool picked = picker.show() != nullptr;
        const double elapsed = timer.nsecsElapsed() / 1e6;
        if (picked)
            state.SkipWithError("the card picked a place instead of cancelling");
        times.add(elapsed);
        state.SetIterationTime(elapsed / 1000);
    }
    state.counters["p95_ms"] = times.percentile(0.95);
}

void cardStart(benchmark::State &state)
{
    timeCardStarts(state, cardTimes);
}

void cardStartOnDefaultData(benchmark::State &state)
{
    const GazetteerForTheCard defaultData(QStringLiteral(HX_BENCH_DEFAULT_GAZETTEER));
    timeCardStarts(state, defaultDataTimes);
}

void processFloor(benchmark::State &state)
{
    for (auto _ : state) {
        QElapsedTimer timer;
        timer.start();
        QProcess process;
        process.start(QStringLiteral(HX_BENCH_MINIMAL_QT), QStringList());
        const bool finished = process.waitForFinished(10000);
        const double elapsed = timer.nsecsElapsed() / 1e6;
        if (!finished || process.exitCode() != 0)
            state.SkipWithError("the minimal Qt program did not run");
        floorTimes.add(elapsed);
        state.SetIterationTime(elapsed / 1000);
    }
    state.counters["p95_ms"] = floorTimes.percentile(0.95);
}

bool writeFile(const QString &path, const QByteArray &text)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(text) == text.size();
}

// The phone the card starts on: online, location on, the picker card registered, the cached
// stores (a copy of the user store, which the card may write to).
bool preparePhone(const QTemporaryDir &root)
{
    const QString gazetteer = BenchData::gazetteer(BenchData::placeCount());
    const QString store = BenchData::store();
    const QString storeCopy = root.filePath(QStringLiteral("places.db"));
    if (gazetteer.isEmpty() || store.isEmpty() || !QFile::copy(store, storeCopy))
        return false;
    const QString pps = root.filePath(QStringLiteral("pps"));
    const QString registry = root.filePath(QStringLiteral("cards"));
    const QJsonObject entry { { "target", hx::trellan::places::CardsUtils::PLACEPICKER_TARGET_NAME },
                              { "program", QStringLiteral(HX_BENCH_PICKER_CARD) } };
    if (!writeFile(pps + QStringLiteral("/services/networking/status_public"), "@status_public\nip_ok::yes\n")
        || !writeFile(pps + QStringLiteral("/services/geolocation/status"),
                      "@status\nstatus:json:{\"location_manager_location_on\":true}\n")
        || !writeFile(registry + QStringLiteral("/placepickercard.json"), QJsonDocument(entry).toJson()))
        return false;
    QDir().mkpath(root.filePath(QStringLiteral("msg")));
    qputenv("HX_PPS_ROOT", QFile::encodeName(pps));
    qputenv("HX_MSG_ROOT", QFile::encodeName(root.filePath(QStringLiteral("msg"))));
    qputenv("HX_PLACES_DB", QFile::encodeName(storeCopy));
    qputenv("HX_GAZETTEER_DB", QFile::encodeName(gazetteer));
    qputenv("HX_CARD_REGISTRY", QFile::encodeName(registry));
    qputenv("HX_CARD_STEPS", "action CancelPickerButton");
    return true;
}
} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    QTemporaryDir root;
    if (!QFile::exists(QStringLiteral(HX_BENCH_DEFAULT_GAZETTEER))) {
        std::fprintf(stderr, "no default gazetteer at %s (make data builds it)\n", HX_BENCH_DEFAULT_GAZETTEER);
        return 1;
    }
    if (!root.isValid() || !preparePhone(root)) {
        std::fprintf(stderr, "cannot prepare the stores and the card registry\n");
        return 1;
    }
    // The phone's location service runs, as the card's page asks it where the user is.
    QProcess locationService;
    if (!hx::bench::startLocationService(locationService, root.filePath(QStringLiteral("pps")))) {
        std::fprintf(stderr, "cannot start hx-locationd\n");
        return 1;
    }
    hx::system::InvokeManager::setDefaultCardTimeout(30000);
    // Interleaved rounds, so that both figures see the same machine load.
    for (int round = 0; round < 2; ++round) {
        benchmark::RegisterBenchmark("card_start", cardStart)
            ->Iterations(Samples / 2)
            ->UseManualTime()
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark("process_floor", processFloor)
            ->Iterations(Samples / 2)
            ->UseManualTime()
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark("card_start_default_data", cardStartOnDefaultData)
            ->Iterations(Samples / 2)
            ->UseManualTime()
            ->Unit(benchmark::kMillisecond);
    }
    benchmark::RunSpecifiedBenchmarks();
    std::printf("card start p50 %.1f ms, process floor p50 %.1f ms\n", cardTimes.percentile(0.5),
                floorTimes.percentile(0.5));
    std::printf("card start p95 %.1f ms, process floor p95 %.1f ms\n", cardTimes.percentile(0.95),
                floorTimes.percentile(0.95));
    std::printf("card start default data p95 %.1f ms, process floor p95 %.1f ms\n", defaultDataTimes.percentile(0.95),
                floorTimes.percentile(0.95));
    locationService.terminate();
    locationService.waitForFinished(5000);
    return 0;
}
