#ifndef HX_BENCH_BENCHUSERPLACES_H
#define HX_BENCH_BENCHUSERPLACES_H

namespace hx {
namespace bench {

// Fills the store named by HX_PLACES_DB with count user places named after the synthetic
// gazetteer's query words, spread over the Waterloo region, one in 25 a favourite (the store
// keeps at most 500). False, with the store's error on stderr, when a place cannot be added.
class BenchUserPlaces
{
public:
    static bool fill(int count);
};

} // namespace bench
} // namespace hx

#endif
