// Search latency per keystroke over the synthetic gazetteer, beside the floor: the same SQL
// run straight on SQLite. Prints p50/p95 per prefix length and the reverse lookup's p95.
#include <hx/platform/places/gazetteer.h>

#include <QtCore/QElapsedTimer>
#include <QtCore/QMap>
#include <QtCore/QVector>

#include <benchmark/benchmark.h>

#include <cstdio>

#include "gazetteerfloor.h"
#include "latencies.h"
#include "syntheticgazetteer.h"

using hx::bench::GazetteerFloor;
using hx::bench::Latencies;
using hx::bench::SyntheticGazetteer;
using hx::platform::places::Gazetteer;
using hx::platform::places::GazetteerEntry;

namespace {
constexpr int Iterations = 600;
constexpr int PageSize = 20;
// The gazetteer's share of the default groups: points of interest, then addresses and localities.
constexpr int PoiKinds = GazetteerEntry::PointOfInterest;
constexpr int AddressKinds = GazetteerEntry::Address | GazetteerEntry::Locality;
const double NearLatitude = 43.46;
const double NearLongitude = -80.52;

struct Setup
{
    QString path;
    Gazetteer *gazetteer = nullptr;
    GazetteerFloor *floor = nullptr;
    QVector<QPair<double, double>> reversePoints;
};

Setup &setup()
{
    static Setup instance;
    return instance;
}

QMap<int, Latencies> &searchTimes()
{
    static QMap<int, Latencies> times;
    return times;
}

QMap<int, Latencies> &floorTimes()
{
    static QMap<int, Latencies> times;
    return times;
}

Latencies &nearestTimes()
{
    static Latencies times;
    return times;
}

QStringList prefixes(int length)
{
    QStringList made;
    for (const QString &word : SyntheticGazetteer::queryWords())
        made.append(word.left(length));
    return made;
}

void searchKeystroke(benchmark::State &state)
{
    const int length = int(state.range(0));
    const QStringList texts = prefixes(length);
    Latencies &times = searchTimes()[length];
    times.clear();
    int i = 0;
    for (auto _ : state) {
        const QString &text = texts.at(i++ % texts.size());
        QElapsedTimer timer;
        timer.start();
        bool more = false;
        const auto pois = setup().gazetteer->search(text, PoiKinds, NearLatitude, NearLongitude, 0, PageSize, &more);
        const auto addresses
            = setup().gazetteer->search(text, AddressKinds, NearLatitude, NearLongitude, 0, PageSize, &more);
        benchmark::DoNotOptimize(pois.size() + addresses.size());
        const double elapsed = timer.nsecsElapsed() / 1e6;
        times.add(elapsed);
        state.SetIterationTime(elapsed / 1000);
    }
    state.counters["p50_ms"] = times.percentile(0.5);
    state.counters["p95_ms"] = times.percentile(0.95);
}

void floorKeystroke(benchmark::State &state)
{
    const int length = int(state.range(0));
    QVector<QByteArray> tokens;
    for (const QString &text : prefixes(length)) {
        // The folded word, made once outside the timing: the floor has no text work.
        QString folded = text.toLower().normalized(QString::NormalizationForm_KD);
        folded.remove(QRegExp(QStringLiteral("[\\x0300-\\x036f]")));
        tokens.append(folded.toUtf8());
    }
    Latencies &times = floorTimes()[length];
    times.clear();
    int i = 0;
    for (auto _ : state) {
        const QByteArray &token = tokens.at(i++ % tokens.size());
        QElapsedTimer timer;
        timer.start();
        int rows = setup().floor->search(token, PoiKinds, PageSize);
        rows += setup().floor->search(token, AddressKinds, PageSize);
        benchmark::DoNotOptimize(rows);
        const double elapsed = timer.nsecsElapsed() / 1e6;
        times.add(elapsed);
        state.SetIterationTime(elapsed / 1000);
    }
    state.counters["p50_ms"] = times.percentile(0.5);
    state.counters["p95_ms"] = times.percentile(0.95);
}

void reverseLookup(benchmark::State &state)
{
    Latencies &times = nearestTimes();
    times.clear();
    int i = 0;
    const auto &points = setup().reversePoints;
    for (auto _ : state) {
        const auto &point = points.at(i++ % points.size());
        QElapsedTimer timer;
        timer.start();
        const auto found = setup().gazetteer->nearest(point.first, point.second, GazetteerEntry::Address, 1);
        benchmark::DoNotOptimize(found.size());
        const double elapsed = timer.nsecsElapsed() / 1e6;
        times.add(elapsed);
        state.SetIterationTime(elapsed / 1000);
    }
    state.counters["p50_ms"] = times.percentile(0.5);
    state.counters["p95_ms"] = times.percentile(0.95);
}

void printTable()
{
    std::printf("\nkeystroke = %d-row pages of points of interest and of addresses/localities over %lld places\n",
                PageSize, SyntheticGazetteer::defaultCount());
    std::printf("%-7s %12s %12s %12s %12s %14s\n", "prefix", "search p50", "search p95", "floor p50", "floor p95",
                "p95 over floor");
    for (auto it = searchTimes().cbegin(); it != searchTimes().cend(); ++it) {
        const Latencies &floor = floorTimes()[it.key()];
        std::printf("%-7d %9.3f ms %9.3f ms %9.3f ms %9.3f ms %11.3f ms\n", it.key(), it.value().percentile(0.5),
                    it.value().percentile(0.95), floor.percentile(0.5), floor.percentile(0.95),
                    it.value().percentile(0.95) - floor.percentile(0.95));
    }
    for (auto it = searchTimes().cbegin(); it != searchTimes().cend(); ++it) {
        const double p95 = it.value().percentile(0.95);
        const double floor = floorTimes()[it.key()].percentile(0.95);
        std::printf("prefix length %d: p95 %.3f ms, floor p95 %.3f ms, %s\n", it.key(), p95, floor,
                    p95 <= 4.0 && p95 - floor <= 1.0 ? "within budget" : "OVER BUDGET");
    }
    const double reverse = nearestTimes().percentile(0.95);
    std::printf("reverse lookup (nearest address): p50 %.3f ms, p95 %.3f ms, %s\n", nearestTimes().percentile(0.5),
                reverse, reverse <= 0.5 ? "within budget" : "OVER BUDGET");
}
} // namespace

int main(int argc, char **argv)
{
    benchmark::Initialize(&argc, argv);
    Setup &s = setup();
    s.path = SyntheticGazetteer::ensure(SyntheticGazetteer::defaultCount());
    if (s.path.isEmpty()) {
        std::fprintf(stderr, "cannot generate the synthetic gazetteer\n");
        return 1;
    }
    Gazetteer gazetteer(s.path);
    GazetteerFloor floor(s.path);
    if (!gazetteer.isOpen() || !floor.isOpen()) {
        std::fprintf(stderr, "cannot open %s: %s\n", qPrintable(s.path), qPrintable(gazetteer.errorString()));
        return 1;
    }
    s.gazetteer = &gazetteer;
    s.floor = &floor;
    // Points in and around towns, where a phone asks "where am I".
    for (qint64 id = 1; s.reversePoints.size() < 500; id += 7) {
        const GazetteerEntry town = gazetteer.entry(id);
        if (town.id < 0)
            break;
        s.reversePoints.append({ town.latitude + 0.003 * ((id % 5) - 2), town.longitude + 0.003 * ((id % 3) - 1) });
    }

    for (int length = 1; length <= 8; ++length) {
        benchmark::RegisterBenchmark(QStringLiteral("search/prefix:%1").arg(length).toLatin1().constData(),
                                     searchKeystroke)
            ->Arg(length)
            ->Iterations(Iterations)
            ->UseManualTime()
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(QStringLiteral("floor/prefix:%1").arg(length).toLatin1().constData(),
                                     floorKeystroke)
            ->Arg(length)
            ->Iterations(Iterations)
            ->UseManualTime()
            ->Unit(benchmark::kMillisecond);
    }
    benchmark::RegisterBenchmark("reverse/nearest-address", reverseLookup)
        ->Iterations(2000)
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond);
    benchmark::RunSpecifiedBenchmarks();
    printTable();
    return 0;
}
