#ifndef HX_BENCH_BENCHDATA_H
#define HX_BENCH_BENCHDATA_H

#include <QtCore/QString>
#include <QtCore/QStringList>

namespace hx {
namespace bench {

// The synthetic data every benchmark shares: a gazetteer of N places and a user store of 10 k
// places (with contacts), both deterministic and cached under build-bench/bench-data, keyed by
// their size and the generator version so a changed generator never reuses an old file.
class BenchData
{
public:
    static constexpr int GeneratorVersion = 3;
    static constexpr int DefaultPlaces = 1000000;
    static constexpr int DefaultUserPlaces = 10000;
    static constexpr int DefaultContacts = 1000;

    // HX_BENCH_PLACES, or one million.
    static int placeCount();
    // The folder of the cached files (HX_BENCH_DATA overrides it).
    static QString folder();

    // The path of the cached gazetteer of count places, generated when missing; empty on failure.
    static QString gazetteer(int count);
    // The path of the cached user store of userPlaces places and contacts contacts, generated when
    // missing; empty on failure. Benchmarks only read it.
    static QString store(int userPlaces = DefaultUserPlaces, int contacts = DefaultContacts);

    // The name word of the generator's entry i: what a user would type.
    static QString word(quint64 seed);
    // Words that entries of a gazetteer of count places carry, at least eight letters long, for
    // prefix queries of every length from one to eight.
    static QStringList queryWords(int count, int howMany);
};

} // namespace bench
} // namespace hx

#endif
