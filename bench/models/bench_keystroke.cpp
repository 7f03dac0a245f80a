// Keystroke to complete list: SingleSearchAllDataModel::load to modelLoadedFinal with the
// default groups, over the synthetic gazetteer and 10 000 user places, for every prefix of a few
// words typed character by character; beside it the floor, the store's and the gazetteer's SQL for the same
// groups run straight on SQLite, timed in turns with the list. The last line is read by scripts.
#include <hx/platform/places/coordinates.h>
#include <hx/trellan/places/singlesearchalldatamodel.h>

#include <QtCore/QCoreApplication>
#include <QtCore/QElapsedTimer>
#include <QtCore/QEventLoop>
#include <QtCore/QFileInfo>
#include <QtCore/QMap>
#include <QtCore/QRegExp>
#include <QtCore/QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>

#include "benchuserplaces.h"
#include "callgrindmarks.h"
#include "floorqueries.h"
#include "latencies.h"
#include "syntheticgazetteer.h"

using hx::bench::FloorQueries;
using hx::bench::Latencies;
using hx::bench::SyntheticGazetteer;
using hx::platform::places::Coordinates;
using hx::trellan::places::PlacesDataModel;
using hx::trellan::places::SingleSearchAllDataModel;

namespace {
constexpr int Rounds = 40;
// A 95th percentile wants a few hundred samples even where few words are that long.
constexpr int LeastSamples = 240;
constexpr int UserPlaces = 10000;
constexpr int PageSize = 20;

FloorQueries *floorQueries = nullptr;
QMap<int, Latencies> modelTimes;
QMap<int, Latencies> floorTimes;

QStringList prefixes(int length)
{
    QStringList made;
    for (const QString &word : SyntheticGazetteer::queryWords()) {
        if (word.size() >= length)
            made.append(word.left(length));
    }
    return made;
}

int iterations(int length)
{
    return qMax(LeastSamples, Rounds * int(prefixes(length).size()));
}

QByteArray floorToken(const QString &text)
{
    QString folded = text.toLower().normalized(QString::NormalizationForm_KD);
    folded.remove(QRegExp(QStringLiteral("[\\x0300-\\x036f]")));
    return folded.toUtf8();
}

// The list and the floor are timed in turns, a round of the words each, so that a slow spell of
// the machine (a virtual one's can last a few hundred keystrokes) falls on both alike, while
// each keeps its own code and pages in the processor's caches as in separate runs.
void keystroke(benchmark::State &state)
{
    const int length = int(state.range(0));
    const QStringList texts = prefixes(length);
    QVector<QByteArray> tokens;
    for (const QString &text : texts)
        tokens.append(floorToken(text));
    SingleSearchAllDataModel model(true);
    QEventLoop loop;
    QObject::connect(&model, &PlacesDataModel::modelLoadedFinal, &loop, &QEventLoop::quit);
    Latencies &times = modelTimes[length];
    Latencies &floor = floorTimes[length];
    int i = 0;
    for (auto _ : state) {
        QElapsedTimer timer;
        CALLGRIND_START_INSTRUMENTATION;
        timer.start();
        model.load(texts.at(i % texts.size()), Coordinates(43.46, -80.52), {}, true);
        loop.exec();
        const double elapsed = timer.nsecsElapsed() / 1e6;
        CALLGRIND_STOP_INSTRUMENTATION;
        times.add(elapsed);
        state.SetIterationTime(elapsed / 1000);
        if (++i % texts.size() != 0)
            continue;
        // My Places and contacts from the user store, then points of interest, addresses and
        // suggestions (every kind): the groups of the default set.
        for (const QByteArray &token : qAsConst(tokens)) {
            timer.restart();
            const int rows = floorQueries->search(token, PageSize);
            benchmark::DoNotOptimize(rows);
            floor.add(timer.nsecsElapsed() / 1e6);
        }
    }
    state.counters["p95_ms"] = times.percentile(0.95);
    state.counters["floor_p95_ms"] = floor.percentile(0.95);
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    const QString gazetteer = SyntheticGazetteer::ensure(SyntheticGazetteer::defaultCount());
    QTemporaryDir store;
    if (gazetteer.isEmpty() || !store.isValid()) {
        std::fprintf(stderr, "cannot prepare the data\n");
        return 1;
    }
    std::printf("gazetteer %.0f bytes a place, %lld places\n",
                double(QFileInfo(gazetteer).size()) / double(SyntheticGazetteer::defaultCount()),
                SyntheticGazetteer::defaultCount());
    qputenv("HX_GAZETTEER_DB", gazetteer.toUtf8());
    qputenv("HX_PLACES_DB", store.filePath(QStringLiteral("places.db")).toUtf8());
    if (!hx::bench::BenchUserPlaces::fill(UserPlaces)) {
        std::fprintf(stderr, "cannot store the user places\n");
        return 1;
    }
    FloorQueries floor(store.filePath(QStringLiteral("places.db")), gazetteer);
    if (!floor.isOpen())
        return 1;
    floorQueries = &floor;

    int longest = 0;
    for (const QString &word : SyntheticGazetteer::queryWords())
        longest = qMax(longest, word.size());
    for (int length = 1; length <= longest; ++length) {
        benchmark::RegisterBenchmark(QStringLiteral("keystroke/prefix:%1").arg(length).toLatin1().constData(),
                                     keystroke)
            ->Arg(length)
            ->Iterations(iterations(length))
            ->UseManualTime()
            ->Unit(benchmark::kMillisecond);
    }
    benchmark::RunSpecifiedBenchmarks();
    // A figure of 0 ms would read as a result: a run that timed nothing prints none and fails.
    if (modelTimes.isEmpty() || floorTimes.isEmpty()) {
        std::fprintf(stderr, "nothing was measured: no keystroke benchmark ran\n");
        return 1;
    }

    std::printf("\n%-7s %12s %12s %12s %12s\n", "prefix", "list p50", "list p95", "floor p50", "floor p95");
    int worst = 0;
    for (auto it = modelTimes.cbegin(); it != modelTimes.cend(); ++it) {
        const Latencies &f = floorTimes[it.key()];
        std::printf("%-7d %9.3f ms %9.3f ms %9.3f ms %9.3f ms\n", it.key(), it.value().percentile(0.5),
                    it.value().percentile(0.95), f.percentile(0.5), f.percentile(0.95));
        if (!worst || it.value().percentile(0.95) > modelTimes[worst].percentile(0.95))
            worst = it.key();
    }
    std::printf("keystroke p95 %.3f ms, floor p95 %.3f ms, %lld places\n", modelTimes[worst].percentile(0.95),
                floorTimes[worst].percentile(0.95), SyntheticGazetteer::defaultCount());
    return 0;
}
