#include "keystrokebench.h"

#include <QtCore/QElapsedTimer>
#include <QtCore/QRegExp>
#include <QtCore/QStringList>
#include <QtCore/QVector>

#include <cstdio>

#include "syntheticgazetteer.h"

namespace hx {
namespace bench {

namespace {
// Enough rounds over the words for a few hundred samples at every length.
constexpr int LeastSamples = 240;
} // namespace

KeystrokeBench::KeystrokeBench(Type type, Reset reset, const char *resetError, Floor floor)
    : m_type(std::move(type)), m_reset(std::move(reset)), m_resetError(resetError), m_floor(std::move(floor))
{ }

int KeystrokeBench::iterations()
{
    const int words = qMax(1, int(SyntheticGazetteer::queryWords().size()));
    return (qMax(1, LeastSamples / words + 1)) * words;
}

void KeystrokeBench::registerBenchmarks(const char *name)
{
    benchmark::RegisterBenchmark(name, [this](benchmark::State &state) { screenKeystroke(state); })
        ->Iterations(iterations())
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("floor/keystroke", [this](benchmark::State &state) { floorKeystroke(state); })
        ->Iterations(iterations())
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond);
}

void KeystrokeBench::screenKeystroke(benchmark::State &state)
{
    const QStringList words = SyntheticGazetteer::queryWords();
    int w = 0;
    for (auto _ : state) {
        const QString word = words.at(w++ % words.size());
        double total = 0;
        for (int length = 1; length <= word.size(); ++length) {
            QElapsedTimer timer;
            timer.start();
            if (!m_type(word.mid(length - 1, 1))) {
                m_failed = true;
                state.SkipWithError("the list did not finish");
                return;
            }
            const double elapsed = timer.nsecsElapsed() / 1e6;
            m_screenTimes[length].add(elapsed);
            total += elapsed;
        }
        state.SetIterationTime(total / 1000);
        if (!m_reset()) {
            m_failed = true;
            state.SkipWithError(m_resetError);
            return;
        }
    }
}

void KeystrokeBench::floorKeystroke(benchmark::State &state)
{
    // The store keeps names folded: lower case, accents taken off.
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
            const int rows = m_floor(word.left(length));
            benchmark::DoNotOptimize(rows);
            const double elapsed = timer.nsecsElapsed() / 1e6;
            m_floorTimes[length].add(elapsed);
            total += elapsed;
        }
        state.SetIterationTime(total / 1000);
    }
}

int KeystrokeBench::printTable(const char *label) const
{
    const QByteArray p50 = QByteArray(label) + " p50";
    const QByteArray p95 = QByteArray(label) + " p95";
    std::printf("\n%-7s %12s %12s %12s %12s\n", "prefix", p50.constData(), p95.constData(), "floor p50", "floor p95");
    int worst = 0;
    for (auto it = m_screenTimes.cbegin(); it != m_screenTimes.cend(); ++it) {
        const Latencies f = m_floorTimes.value(it.key());
        std::printf("%-7d %9.3f ms %9.3f ms %9.3f ms %9.3f ms\n", it.key(), it.value().percentile(0.5),
                    it.value().percentile(0.95), f.percentile(0.5), f.percentile(0.95));
        if (!worst || it.value().percentile(0.95) > screenP95(worst))
            worst = it.key();
    }
    return worst;
}

bool KeystrokeBench::printReport(const char *label, const char *line, const QByteArray &scope) const
{
    const int worst = printTable(label);
    if (!measured()) {
        std::fprintf(stderr, "nothing was measured: the list did not finish\n");
        return false;
    }
    const double listP95 = screenP95(worst);
    const double floor = floorP95(worst);
    std::printf("%s p95 %.3f ms, floor p95 %.3f ms, %s (%.1fx the floor)\n", line, listP95, floor, scope.constData(),
                floor > 0 ? listP95 / floor : 0.0);
    return true;
}

} // namespace bench
} // namespace hx
