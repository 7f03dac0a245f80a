// Reverse geocoding through the service: one exchange as the library makes it (open a channel,
// put-get, close) against the in-process "revgeocode" service over the shared synthetic
// gazetteer (HX_BENCH_PLACES, 1 M by default). Wall time beside the process's CPU time per
// exchange (client and server together), then 1000 exchanges at once. Ends with
// "revgeo p95 X ms, N places".
#include <hx/msgclient/msgclient.h>
#include <hx/msgclient/revgeoserver.h>

#include <benchmark/benchmark.h>

#include <QtCore/QByteArray>
#include <QtCore/QFile>
#include <QtCore/QTemporaryDir>

#include <atomic>
#include <cstdio>
#include <thread>
#include <vector>

#include "benchdata.h"
#include "callgrindmarks.h"
#include "cputime.h"
#include "samples.h"

using namespace hx::bench;

namespace {

Samples wallTimes;
Samples cpuTimes;

QByteArray request(quint64 *seed)
{
    *seed = *seed * 6364136223846793005ULL + 1442695040888963407ULL;
    const double latitude = -60 + 130 * double(*seed >> 11) / double(1ULL << 53);
    const double longitude = -180 + 360 * double((*seed * 31) >> 11) / double(1ULL << 53);
    return "{\"lat\":" + QByteArray::number(latitude, 'f', 7) + ", \"lon\":" + QByteArray::number(longitude, 'f', 7)
        + ", \"boundary\": \"address\"}";
}

bool exchangeOnce(const QByteArray &text)
{
    char reply[8192];
    msgclient_channel_t *channel = msgclient_open("revgeocode", "default", 2);
    size_t length = 0;
    const int result
        = msgclient_putget(channel, text.constData(), size_t(text.size()), reply, sizeof reply, &length, 0);
    msgclient_close(channel);
    return result == MSGCLIENT_OK;
}

void exchange(benchmark::State &state)
{
    quint64 seed = 7;
    for (auto _ : state) {
        const QByteArray text = request(&seed);
        const double cpu0 = processCpuMs();
        const double wall0 = wallMs();
        CALLGRIND_START_INSTRUMENTATION;
        const bool ok = exchangeOnce(text);
        CALLGRIND_STOP_INSTRUMENTATION;
        const double wall = wallMs() - wall0;
        const double cpu = processCpuMs() - cpu0;
        if (!ok) {
            state.SkipWithError("exchange failed");
            break;
        }
        wallTimes.add(wall);
        cpuTimes.add(cpu);
        state.SetIterationTime(wall / 1000);
    }
}

// Clients that all connect and ask at once; every one must get its answer.
int concurrentExchanges(int clients)
{
    std::atomic<int> answered { 0 };
    std::vector<std::thread> threads;
    threads.reserve(size_t(clients));
    for (int i = 0; i < clients; ++i) {
        threads.emplace_back([i, &answered] {
            quint64 seed = quint64(i) + 1000;
            if (exchangeOnce(request(&seed)))
                ++answered;
        });
    }
    for (std::thread &thread : threads)
        thread.join();
    return answered;
}

} // namespace

int main(int argc, char **argv)
{
    const int places = BenchData::placeCount();
    const QString gazetteer = BenchData::gazetteer(places);
    if (gazetteer.isEmpty()) {
        std::fprintf(stderr, "bench_revgeo: no bench data\n");
        return 1;
    }
    QTemporaryDir dir;
    qputenv("HX_MSG_ROOT", QFile::encodeName(dir.filePath(QStringLiteral("msg"))));
    hx::msgclient::RevGeoServer server(gazetteer);
    const double start0 = wallMs();
    if (!server.start())
        return 1;
    // Starting reads every place's position into memory.
    const double startMs = wallMs() - start0;

    benchmark::Initialize(&argc, argv);
    benchmark::RegisterBenchmark("revgeo/exchange", exchange)
        ->UseManualTime()
        ->Iterations(qMax(500, qEnvironmentVariableIntValue("HX_BENCH_ITERATIONS")))
        ->Unit(benchmark::kMicrosecond);
    benchmark::RunSpecifiedBenchmarks();
    if (wallTimes.empty()) {
        std::fprintf(stderr, "nothing was measured: no exchange benchmark ran\n");
        return 1;
    }

    // HX_BENCH_CLIENTS lowers the burst for runs under a tracer, where only the exchanges count.
    const int clients
        = qEnvironmentVariableIsSet("HX_BENCH_CLIENTS") ? qEnvironmentVariableIntValue("HX_BENCH_CLIENTS") : 1000;
    const double wall0 = wallMs();
    const int answered = concurrentExchanges(clients);
    const double burst = wallMs() - wall0;
    server.stop();
    std::printf("revgeo p50 %.3f ms, p95 %.3f ms; cpu p50 %.3f ms, p95 %.3f ms over %zu exchanges\n",
                wallTimes.percentile(0.5), wallTimes.percentile(0.95), cpuTimes.percentile(0.5),
                cpuTimes.percentile(0.95), wallTimes.size());
    std::printf("revgeo service started in %.1f ms\n", startMs);
    std::printf("revgeo %d concurrent exchanges: %d answered in %.1f ms\n", clients, answered, burst);
    std::printf("revgeo p95 %.3f ms, %d places\n", wallTimes.percentile(0.95), places);
    return answered == clients ? 0 : 1;
}
