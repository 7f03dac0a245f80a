// Reverse geocoding through the service: one exchange as the library makes it (open a channel,
// put-get, close) against the in-process "revgeocode" service over a synthetic gazetteer.
// Ends with "revgeo p95 X ms, N places". HX_BENCH_PLACES sets the gazetteer size.
#include <hx/msgclient/msgclient.h>
#include <hx/msgclient/revgeoserver.h>
#include <hx/platform/places/gazetteerentry.h>
#include <hx/platform/places/gazetteerwriter.h>

#include <benchmark/benchmark.h>

#include <QtCore/QByteArray>
#include <QtCore/QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <random>
#include <vector>

using hx::platform::places::GazetteerEntry;

namespace {

std::vector<double> latencies;

// Localities and addresses spread over a band of the world, deterministic for a given count.
bool writeGazetteer(const QString &path, int count)
{
    hx::platform::places::GazetteerWriter writer(path);
    if (!writer.begin(hx::platform::places::GazetteerWriter::Replace))
        return false;
    std::mt19937 random(42);
    std::uniform_real_distribution<double> latitude(-60, 70), longitude(-180, 180);
    for (int i = 0; i < count; ++i) {
        GazetteerEntry entry;
        const bool locality = i % 10 == 0;
        entry.kind = locality ? GazetteerEntry::Locality : GazetteerEntry::Address;
        entry.name = QStringLiteral("Place %1").arg(i);
        entry.street = locality ? QString() : QStringLiteral("%1 Main St").arg(i % 997);
        entry.city = QStringLiteral("Town %1").arg(i / 10);
        entry.region = QStringLiteral("Region %1").arg(i % 50);
        entry.country = QStringLiteral("Country %1").arg(i % 200);
        entry.postalCode = QStringLiteral("P%1").arg(i % 100000);
        entry.latitude = latitude(random);
        entry.longitude = longitude(random);
        entry.importance = count - i;
        writer.add(entry);
    }
    return writer.commit();
}

void exchange(benchmark::State &state)
{
    std::mt19937 random(7);
    std::uniform_real_distribution<double> latitude(-60, 70), longitude(-180, 180);
    char reply[8192];
    for (auto _ : state) {
        const QByteArray request = "{\"lat\":" + QByteArray::number(latitude(random), 'f', 7)
            + ", \"lon\":" + QByteArray::number(longitude(random), 'f', 7) + ", \"boundary\": \"address\"}";
        const auto start = std::chrono::steady_clock::now();
        msgclient_channel_t *channel = msgclient_open("revgeocode", "default", 2);
        size_t length = 0;
        const int result
            = msgclient_putget(channel, request.constData(), size_t(request.size()), reply, sizeof reply, &length, 0);
        msgclient_close(channel);
        const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        if (result != MSGCLIENT_OK) {
            state.SkipWithError("exchange failed");
            break;
        }
        latencies.push_back(seconds * 1000);
        state.SetIterationTime(seconds);
    }
}

double percentile(std::vector<double> values, double p)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    return values[std::min(values.size() - 1, size_t(p * double(values.size())))];
}

} // namespace

int main(int argc, char **argv)
{
    const int places = qEnvironmentVariableIntValue("HX_BENCH_PLACES") > 0
        ? qEnvironmentVariableIntValue("HX_BENCH_PLACES")
        : 200000;
    QTemporaryDir dir;
    qputenv("HX_MSG_ROOT", QFile::encodeName(dir.filePath(QStringLiteral("msg"))));
    const QString gazetteer = dir.filePath(QStringLiteral("gazetteer.db"));
    if (!writeGazetteer(gazetteer, places)) {
        std::fprintf(stderr, "bench_revgeo: cannot write the gazetteer\n");
        return 1;
    }
    hx::msgclient::RevGeoServer server(gazetteer);
    if (!server.start())
        return 1;

    benchmark::Initialize(&argc, argv);
    benchmark::RegisterBenchmark("revgeo/exchange", exchange)
        ->UseManualTime()
        ->Iterations(5000)
        ->Unit(benchmark::kMicrosecond);
    benchmark::RunSpecifiedBenchmarks();
    server.stop();
    std::printf("revgeo p50 %.3f ms, p95 %.3f ms over %zu exchanges\n", percentile(latencies, 0.5),
                percentile(latencies, 0.95), latencies.size());
    std::printf("revgeo p95 %.3f ms, %d places\n", percentile(latencies, 0.95), places);
    return 0;
}
