#include "keystrokebench.h"

#include <QtCore/QElapsedTimer>
#include <QtCore/QRegExp>
#include <QtCore/QStringList>
#include <QtCore/QVector>

#include <cstdio>

#include "callgrindmarks.h"
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
    benchmark::RegisterBenchmark(name, [this](benchmark::State &state) { keystrokes(state); })
        ->Iterations(iterations())
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond);
}

QByteArray KeystrokeBench::folded(const QString &word)
{
    // The store keeps names folded: lower case, accents taken off.
    QString text = word.toLower().normalized(QString::NormalizationForm_KD);
    text.remove(QRegExp(QStringLiteral("[\\x0300-\\x036f]")));
    return text.toUtf8();
}

double KeystrokeBench::typeWord(const QString &word, bool timed)
{
    double total = 0;
    for (int length = 1; length <= word.size(); ++length) {
        QElapsedTimer timer;
        timer.start();
        CALLGRIND_START_INSTRUMENTATION;
        const bool typed = m_type(word.mid(length - 1, 1));
        CALLGRIND_STOP_INSTRUMENTATION;
        if (!typed)
            return -1;
        const double elapsed = timer.nsecsElapsed() / 1e6;
        if (timed)
            m_screenTimes[length].add(elapsed);
        total += elapsed;
    }
    return total;
}

void KeystrokeBench::floorWord(const QByteArray &word, bool timed)
{
    for (int length = 1; length <= word.size(); ++length) {
        QElapsedTimer timer;
        timer.start();
        const int rows = m_floor(word.left(length));
        benchmark::DoNotOptimize(rows);
        if (timed)
            m_floorTimes[length].add(timer.nsecsElapsed() / 1e6);
    }
}

bool KeystrokeBench::fail(benchmark::State &state, const char *error)
{
    m_failed = true;
    state.SkipWithError(error);
    return false;
}

bool KeystrokeBench::warmUp(benchmark::State &state)
{
    // One untimed round first: the first words after opening fault in the gazetteer's pages and
    // grow the list's rows, a cost of the opening screen that the floor would not pay.
    for (const QString &word : SyntheticGazetteer::queryWords()) {
        if (typeWord(word, false) < 0)
            return fail(state, "the list did not finish");
        if (!m_reset())
            return fail(state, m_resetError);
        floorWord(folded(word), false);
    }
    return true;
}

void KeystrokeBench::keystrokes(benchmark::State &state)
{
    if (!warmUp(state))
        return;
    const QStringList words = SyntheticGazetteer::queryWords();
    int w = 0;
    // The list and the floor take turns, a word each, so that a slow spell of the machine falls
    // on both alike.
    for (auto _ : state) {
        const QString word = words.at(w++ % words.size());
        const double total = typeWord(word, true);
        if (total < 0) {
            fail(state, "the list did not finish");
            return;
        }
        state.SetIterationTime(total / 1000);
        if (!m_reset()) {
            fail(state, m_resetError);
            return;
        }
        floorWord(folded(word), true);
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
