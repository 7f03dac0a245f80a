#ifndef HX_BENCH_SAMPLES_H
#define HX_BENCH_SAMPLES_H

#include <algorithm>
#include <vector>

namespace hx {
namespace bench {

// Timings of one measured operation, for percentiles.
class Samples
{
public:
    void add(double value) { m_values.push_back(value); }
    bool empty() const { return m_values.empty(); }
    size_t size() const { return m_values.size(); }

    // The nearest-rank percentile, p in [0, 1].
    double percentile(double p) const
    {
        if (m_values.empty())
            return 0;
        std::vector<double> sorted = m_values;
        std::sort(sorted.begin(), sorted.end());
        const size_t rank = size_t(p * double(sorted.size()));
        return sorted[std::min(sorted.size() - 1, rank)];
    }

private:
    std::vector<double> m_values;
};

} // namespace bench
} // namespace hx

#endif
