#ifndef HX_BENCH_LATENCIES_H
#define HX_BENCH_LATENCIES_H

#include <algorithm>
#include <vector>

namespace hx {
namespace bench {

// Per-call times in milliseconds, for percentiles that Google Benchmark's means hide.
class Latencies
{
public:
    void add(double milliseconds) { m_samples.push_back(milliseconds); }
    void clear() { m_samples.clear(); }
    bool isEmpty() const { return m_samples.empty(); }
    double percentile(double fraction) const
    {
        if (m_samples.empty())
            return 0;
        std::vector<double> sorted = m_samples;
        std::sort(sorted.begin(), sorted.end());
        const size_t index = std::min(sorted.size() - 1, size_t(fraction * double(sorted.size())));
        return sorted[index];
    }

private:
    std::vector<double> m_samples;
};

} // namespace bench
} // namespace hx

#endif
