#ifndef HX_BENCH_KEYSTROKEBENCH_H
#define HX_BENCH_KEYSTROKEBENCH_H

#include <QtCore/QByteArray>
#include <QtCore/QEventLoop>
#include <QtCore/QMap>
#include <QtCore/QObject>
#include <QtCore/QString>
#include <QtCore/QTimer>

#include <functional>

#include <benchmark/benchmark.h>

#include "latencies.h"

namespace hx {
namespace bench {

// Keystroke to a refreshed list, beside its floor in the same run: each query word of the
// synthetic gazetteer typed one character at a time, every keystroke timed until the screen has
// shown its list, then the same prefixes timed on the floor's SQL, word by word in turns. Samples are kept per prefix
// length so the table and the last line report the worst length's p95.
class KeystrokeBench
{
public:
    // Types one character and returns once the list is shown; false when it is not.
    using Type = std::function<bool(const QString &character)>;
    // Brings the screen back to its unfiltered list between words; false when it does not come.
    using Reset = std::function<bool()>;
    // The floor's rows for one folded prefix.
    using Floor = std::function<int(const QByteArray &prefix)>;

    static constexpr int ListTimeoutMs = 10000;

    KeystrokeBench(Type type, Reset reset, const char *resetError, Floor floor);

    // Registers the benchmark under name: after an untimed round, the words typed into the screen
    // and run on the floor in turns, enough rounds for a few hundred samples at every length.
    void registerBenchmarks(const char *name);

    // Prints the per-prefix table, the screen's columns headed by label; returns the prefix
    // length whose screen p95 is the worst (0 when nothing ran).
    int printTable(const char *label) const;
    // Prints the table, then the closing line "<line> p95 X ms, floor p95 F ms, <scope> (Nx the
    // floor)" at the worst length; false, with no figure, when nothing was measured.
    bool printReport(const char *label, const char *line, const QByteArray &scope) const;
    double screenP95(int length) const { return m_screenTimes.value(length).percentile(0.95); }
    double floorP95(int length) const { return m_floorTimes.value(length).percentile(0.95); }
    // False when a round was cut short or nothing was timed: a figure of 0 ms would read as a
    // result, so the program prints none and fails.
    bool measured() const { return !m_failed && !m_screenTimes.isEmpty() && !m_floorTimes.isEmpty(); }

    // Runs until sender's signal has been emitted and whatever was queued before it (the list
    // view's own read of the model) has run; false after ListTimeoutMs.
    template<typename Sender, typename Signal> static bool waitForQueued(const Sender *sender, Signal signal)
    {
        QEventLoop loop;
        QTimer timeout;
        timeout.setSingleShot(true);
        QObject::connect(&timeout, &QTimer::timeout, &loop, [&loop] { loop.exit(1); });
        QObject::connect(sender, signal, &loop,
                         [&loop] { QMetaObject::invokeMethod(&loop, "quit", Qt::QueuedConnection); });
        timeout.start(ListTimeoutMs);
        return loop.exec() == 0;
    }

private:
    static int iterations();
    static QByteArray folded(const QString &word);
    // The word's keystrokes' total in milliseconds, -1 when the list did not finish.
    double typeWord(const QString &word, bool timed);
    void floorWord(const QByteArray &word, bool timed);
    bool fail(benchmark::State &state, const char *error);
    bool warmUp(benchmark::State &state);
    void keystrokes(benchmark::State &state);

    Type m_type;
    Reset m_reset;
    const char *m_resetError;
    Floor m_floor;
    bool m_failed = false;
    QMap<int, Latencies> m_screenTimes;
    QMap<int, Latencies> m_floorTimes;
};

} // namespace bench
} // namespace hx

#endif
