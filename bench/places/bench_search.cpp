// The keystroke search of the place store: SearchManager::search with the default groups, from
// the call to the done reply, beside the floor (the same SQL run straight on SQLite in the same
// run), for prefixes of 1 to 8 letters over a synthetic gazetteer (HX_BENCH_PLACES, 1 M by
// default) and a store of 10 k user places. Wall time depends on the machine's load; the CPU
// time of the searching thread does not, so both are printed. Also Gazetteer::nearest and the
// cold start (first search on a fresh thread: connections opened, statements prepared), on the
// synthetic file and on the default data set read from disk.
#include <hx/platform/places/coordinates.h>
#include <hx/platform/places/gazetteer.h>
#include <hx/platform/places/gazetteerentry.h>
#include <hx/platform/places/searchmanager.h>

#include <benchmark/benchmark.h>

#include <QtCore/QCoreApplication>
#include <QtCore/QEventLoop>
#include <QtCore/QFile>
#include <QtCore/QFileInfo>
#include <QtCore/QTemporaryDir>

#include <sqlite3.h>

#include <cstdio>
#include <fcntl.h>
#include <map>
#include <thread>
#include <unistd.h>

#include "benchdata.h"
#include "callgrindmarks.h"
#include "cputime.h"
#include "floorqueries.h"
#include "samples.h"

using namespace hx::bench;
namespace places = hx::platform::places;

namespace {

constexpr int Limit = 20; // what the single-search list asks of every group
constexpr int Words = 24;

struct Timings
{
    Samples wall;
    Samples cpu;
};

QStringList queryWords;
std::map<int, Timings> searchTimings;
std::map<int, Timings> floorTimings;
Timings nearestTimings;
FloorQueries *floorQueries = nullptr;

// One search from call to done: the queries, the replies' delivery through the event loop and
// the receiver's handling of each reply.
int searchOnce(places::SearchManager &manager, const QString &text, int searchId)
{
    bool done = false;
    int rows = 0;
    const auto connection
        = QObject::connect(&manager, &places::SearchManager::resultAvailable,
                           [&](places::Error::Type, const places::SearchResult &result, bool last, int id) {
                               if (id != searchId)
                                   return;
                               rows += result.count();
                               done = done || last;
                           });
    manager.search(text, places::Coordinates(), searchId, QList<int>(), 0, Limit);
    while (!done)
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    QObject::disconnect(connection);
    return rows;
}

void searchBench(benchmark::State &state)
{
    const int length = int(state.range(0));
    places::SearchManager manager;
    int index = 0;
    static int searchId = 0;
    for (auto _ : state) {
        const QString prefix = queryWords.at(index++ % queryWords.size()).left(length);
        const double cpu0 = threadCpuMs();
        const double wall0 = wallMs();
        CALLGRIND_START_INSTRUMENTATION;
        benchmark::DoNotOptimize(searchOnce(manager, prefix, ++searchId));
        CALLGRIND_STOP_INSTRUMENTATION;
        const double wall = wallMs() - wall0;
        const double cpu = threadCpuMs() - cpu0;
        searchTimings[length].wall.add(wall);
        searchTimings[length].cpu.add(cpu);
        state.SetIterationTime(wall / 1000);
    }
}

void floorBench(benchmark::State &state)
{
    const int length = int(state.range(0));
    int index = 0;
    for (auto _ : state) {
        const QByteArray prefix = queryWords.at(index++ % queryWords.size()).left(length).toUtf8();
        const double cpu0 = threadCpuMs();
        const double wall0 = wallMs();
        CALLGRIND_START_INSTRUMENTATION;
        benchmark::DoNotOptimize(floorQueries->search(prefix, Limit));
        CALLGRIND_STOP_INSTRUMENTATION;
        const double wall = wallMs() - wall0;
        const double cpu = threadCpuMs() - cpu0;
        floorTimings[length].wall.add(wall);
        floorTimings[length].cpu.add(cpu);
        state.SetIterationTime(wall / 1000);
    }
}

void nearestBench(benchmark::State &state)
{
    // As the reverse-geocoding service asks: the one nearest address, from the index it keeps in memory.
    places::Gazetteer gazetteer;
    gazetteer.preloadNearestIndex();
    quint64 seed = 99;
    for (auto _ : state) {
        seed = seed * 6364136223846793005ULL + 1442695040888963407ULL;
        const double latitude = -60 + 130 * double(seed >> 11) / double(1ULL << 53);
        const double longitude = -180 + 360 * double((seed * 31) >> 11) / double(1ULL << 53);
        const double cpu0 = threadCpuMs();
        const double wall0 = wallMs();
        benchmark::DoNotOptimize(gazetteer.nearest(latitude, longitude, places::GazetteerEntry::Address, 1));
        const double wall = wallMs() - wall0;
        nearestTimings.wall.add(wall);
        nearestTimings.cpu.add(threadCpuMs() - cpu0);
        state.SetIterationTime(wall / 1000);
    }
}

// The first answer on a thread that has never searched: connections, statements and caches
// are all cold, as after the application starts.
void coldStart(double *wall, double *cpu)
{
    std::thread worker([&] {
        int argc = 0;
        Q_UNUSED(argc);
        const double cpu0 = threadCpuMs();
        const double wall0 = wallMs();
        {
            places::SearchManager manager;
            QEventLoop loop;
            bool done = false;
            QObject::connect(
                &manager, &places::SearchManager::resultAvailable,
                [&](places::Error::Type, const places::SearchResult &, bool last, int) { done = done || last; });
            manager.search(QStringLiteral("ka"), places::Coordinates(), 1, QList<int>(), 0, Limit);
            while (!done)
                loop.processEvents(QEventLoop::AllEvents);
        }
        *wall = wallMs() - wall0;
        *cpu = threadCpuMs() - cpu0;
    });
    worker.join();
}

// The first answer on the default data set as after the phone starts: a fresh copy of its
// gazetteer, synced and its pages dropped from the page cache, so the search reads the disk.
// Returns false when there is no default gazetteer to copy.
bool coldStartOnDefaultData(double *wall, double *cpu, bool *pagesDropped)
{
    QTemporaryDir dir;
    const QString copy = dir.filePath(QStringLiteral("gazetteer.db"));
    if (!dir.isValid() || !QFile::copy(QStringLiteral(HX_BENCH_DEFAULT_GAZETTEER), copy))
        return false;
    const int fd = ::open(QFile::encodeName(copy).constData(), O_RDONLY);
    *pagesDropped = fd >= 0 && ::fsync(fd) == 0 && ::posix_fadvise(fd, 0, 0, POSIX_FADV_DONTNEED) == 0;
    if (fd >= 0)
        ::close(fd);
    const QByteArray previous = qgetenv("HX_GAZETTEER_DB");
    qputenv("HX_GAZETTEER_DB", QFile::encodeName(copy));
    coldStart(wall, cpu);
    qputenv("HX_GAZETTEER_DB", previous);
    return true;
}

// The file's size over its places, the figure a phone's storage pays for each.
void printBytesAPlace(const QString &path)
{
    sqlite3 *db = nullptr;
    qint64 places = 0;
    if (sqlite3_open_v2(QFile::encodeName(path).constData(), &db, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK) {
        sqlite3_stmt *count = nullptr;
        if (sqlite3_prepare_v2(db, "SELECT count(*) FROM entries", -1, &count, nullptr) == SQLITE_OK
            && sqlite3_step(count) == SQLITE_ROW)
            places = sqlite3_column_int64(count, 0);
        sqlite3_finalize(count);
    }
    sqlite3_close(db);
    if (places > 0)
        std::printf("gazetteer %.0f bytes a place, %lld places (%s)\n", double(QFileInfo(path).size()) / places, places,
                    qPrintable(QFileInfo(path).fileName()));
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int count = BenchData::placeCount();
    const QString gazetteer = BenchData::gazetteer(count);
    const QString store = BenchData::store();
    if (gazetteer.isEmpty() || store.isEmpty()) {
        std::fprintf(stderr, "bench_search: no bench data\n");
        return 1;
    }
    qputenv("HX_GAZETTEER_DB", QFile::encodeName(gazetteer));
    qputenv("HX_PLACES_DB", QFile::encodeName(store));
    queryWords = BenchData::queryWords(count, Words);
    FloorQueries floor(store, gazetteer);
    if (!floor.isOpen() || queryWords.isEmpty()) {
        std::fprintf(stderr, "bench_search: cannot open the bench data\n");
        return 1;
    }
    floorQueries = &floor;

    double coldWall = 0, coldCpu = 0;
    coldStart(&coldWall, &coldCpu);

    // Ten rounds of the words at every length, so that a p95 is not decided by two or three samples.
    const int iterations = qMax(10 * int(queryWords.size()), qEnvironmentVariableIntValue("HX_BENCH_ITERATIONS"));
    benchmark::Initialize(&argc, argv);
    for (int length = 1; length <= 8; ++length) {
        // Floor and search of one length run back to back, so they meet the same load.
        benchmark::RegisterBenchmark(("floor/" + std::to_string(length)).c_str(), floorBench)
            ->Arg(length)
            ->Iterations(iterations)
            ->UseManualTime()
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("search/" + std::to_string(length)).c_str(), searchBench)
            ->Arg(length)
            ->Iterations(iterations)
            ->UseManualTime()
            ->Unit(benchmark::kMillisecond);
    }
    benchmark::RegisterBenchmark("gazetteer/nearest", nearestBench)
        ->Iterations(iterations)
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond);
    benchmark::RunSpecifiedBenchmarks();

    std::printf("\nkeystroke search, default groups, limit %d, %d places, %d words per length (ms)\n", Limit, count,
                int(queryWords.size()));
    std::printf("%-4s %9s %9s %9s %9s | %9s %9s %9s %9s | %9s %9s\n", "len", "p50", "p95", "cpu p50", "cpu p95",
                "floor p50", "floor p95", "fcpu p50", "fcpu p95", "gap p95", "cpugap p95");
    double worstP95 = 0, worstGap = 0, worstCpu = 0, worstCpuGap = 0;
    for (int length = 1; length <= 8; ++length) {
        const Timings &s = searchTimings[length];
        const Timings &f = floorTimings[length];
        if (s.wall.empty() || f.wall.empty())
            continue;
        const double gap = s.wall.percentile(0.95) - f.wall.percentile(0.95);
        const double cpuGap = s.cpu.percentile(0.95) - f.cpu.percentile(0.95);
        worstP95 = qMax(worstP95, s.wall.percentile(0.95));
        worstCpu = qMax(worstCpu, s.cpu.percentile(0.95));
        worstGap = qMax(worstGap, gap);
        worstCpuGap = qMax(worstCpuGap, cpuGap);
        std::printf("%-4d %9.3f %9.3f %9.3f %9.3f | %9.3f %9.3f %9.3f %9.3f | %9.3f %9.3f\n", length,
                    s.wall.percentile(0.5), s.wall.percentile(0.95), s.cpu.percentile(0.5), s.cpu.percentile(0.95),
                    f.wall.percentile(0.5), f.wall.percentile(0.95), f.cpu.percentile(0.5), f.cpu.percentile(0.95), gap,
                    cpuGap);
    }
    if (worstP95 <= 0 || nearestTimings.wall.empty()) {
        std::fprintf(stderr, "nothing was measured: the search or nearest benchmarks did not run\n");
        return 1;
    }
    std::printf("gazetteer nearest address: p50 %.3f ms, p95 %.3f ms, cpu p95 %.3f ms\n",
                nearestTimings.wall.percentile(0.5), nearestTimings.wall.percentile(0.95),
                nearestTimings.cpu.percentile(0.95));
    std::printf("cold start to the first answer: %.3f ms wall, %.3f ms cpu\n", coldWall, coldCpu);
    double defaultWall = 0, defaultCpu = 0;
    bool pagesDropped = false;
    if (!coldStartOnDefaultData(&defaultWall, &defaultCpu, &pagesDropped)) {
        std::fprintf(stderr, "bench_search: no default gazetteer at %s (make data builds it)\n",
                     HX_BENCH_DEFAULT_GAZETTEER);
        return 1;
    }
    printBytesAPlace(gazetteer);
    printBytesAPlace(QStringLiteral(HX_BENCH_DEFAULT_GAZETTEER));
    std::printf("cold start default data %.3f ms (cpu %.3f ms, %s)\n", defaultWall, defaultCpu,
                pagesDropped ? "page cache dropped" : "fresh copy, page cache kept");
    std::printf("search p95 %.3f ms (cpu %.3f ms), worst gap above the floor %.3f ms (cpu %.3f ms), %d places\n",
                worstP95, worstCpu, worstGap, worstCpuGap, count);
    return 0;
}
