#ifndef HX_BENCH_SYNTHETICGAZETTEER_H
#define HX_BENCH_SYNTHETICGAZETTEER_H

#include <QtCore/QString>
#include <QtCore/QStringList>

namespace hx {
namespace bench {

// A deterministic gazetteer of N places that reads like a real one: syllable-built names that
// share prefixes, some diacritics, localities with populations, addresses on streets around
// them and points of interest with categories, two in five of them rated. The same N always
// gives the same file.
class SyntheticGazetteer
{
public:
    // Bump when the generated content changes, so cached files are rebuilt.
    static constexpr int Version = 9;

    // HX_BENCH_PLACES, or 1 000 000.
    static qint64 defaultCount();
    // Where generated files are cached: HX_BENCH_CACHE, or bench-data/ beside the program's folder.
    static QString cacheFolder();
    // The cached file for count places, generated first when missing. Empty on failure.
    static QString ensure(qint64 count);

    // Words that occur in every generated file, for prefix queries.
    static QStringList queryWords();
};

} // namespace bench
} // namespace hx

#endif
