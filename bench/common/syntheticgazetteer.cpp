#include "syntheticgazetteer.h"

#include <hx/platform/places/gazetteerwriter.h>

#include <QtCore/QDir>
#include <QtCore/QElapsedTimer>
#include <QtCore/QFileInfo>
#include <QtCore/QVector>
#include <QtCore/QtMath>

#include <cstdio>

namespace hx {
namespace bench {

using platform::places::GazetteerEntry;
using platform::places::GazetteerWriter;

namespace {
// splitmix64: tiny, fast and the same on every machine, unlike the standard distributions.
class Random
{
public:
    explicit Random(quint64 seed) : m_state(seed) { }
    quint64 next()
    {
        quint64 z = (m_state += 0x9e3779b97f4a7c15ULL);
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
        return z ^ (z >> 31);
    }
    int below(int n) { return int(next() % quint64(n)); }
    double unit() { return double(next() >> 11) / double(1ULL << 53); }
    double between(double low, double high) { return low + (high - low) * unit(); }

private:
    quint64 m_state;
};

const char *const Syllables[]
    = { "ka",  "lo",   "mi",  "ra",    "ten",  "vel",  "dor", "san", "bri", "mont",   "ber",   "gla",
        "fen", "wick", "ham", "ton",   "ley",  "ster", "al",  "ro",  "qui", "zé",     "lü",    "ña",
        "mar", "sto",  "ce",  "ville", "burg", "ford", "wa",  "ter", "loo", "spring", "field", "ca",
        "fé",  "os",   "val", "cre",   "nor",  "hav",  "ø",   "ri",  "gan" };
const char *const StreetKinds[] = { "Street", "Road", "Avenue", "Lane", "Straße", "Rue", "Way", "Boulevard" };
struct CategoryInfo
{
    const char *code;
    const char *name;
    const char *word;
};
const CategoryInfo Categories[] = {
    { "cafe", "Cafés", "Café" },        { "restaurant", "Restaurants", "Restaurant" },
    { "bakery", "Bakeries", "Bakery" }, { "pharmacy", "Pharmacies", "Pharmacy" },
    { "hotel", "Hotels", "Hotel" },     { "bank", "Banks", "Bank" },
    { "fuel", "Fuel Stations", "Gas" }, { "supermarket", "Supermarkets", "Market" },
    { "museum", "Museums", "Museum" },  { "park", "Parks", "Park" },
    { "pub", "Pubs", "Pub" },           { "school", "Schools", "School" },
};
const char *const RealLocalities[] = { "Waterloo", "Springfield", "Berlin",  "Montréal", "São Paulo",
                                       "Zürich",   "Kitchener",   "Toronto", "London",   "Paris" };

QString word(Random &random)
{
    const int parts = 2 + random.below(2);
    QString made;
    for (int i = 0; i < parts; ++i)
        made += QString::fromUtf8(Syllables[random.below(int(sizeof Syllables / sizeof *Syllables))]);
    made[0] = made.at(0).toUpper();
    return made;
}

struct Locality
{
    QString name;
    double latitude;
    double longitude;
    QStringList streets;
};

bool generate(const QString &path, qint64 count)
{
    Random random(0x5eed0000ULL + quint64(count));
    // Ratings draw from a stream of their own, so the rest of the file is what it was before them.
    Random ratings(0x7a7e0000ULL + quint64(count));
    GazetteerWriter writer(path);
    if (!writer.begin(GazetteerWriter::Replace))
        return false;
    for (const CategoryInfo &category : Categories)
        writer.addCategory(QString::fromLatin1(category.code), QString::fromUtf8(category.name));

    const qint64 localityCount = qMax<qint64>(10, count / 100);
    QVector<Locality> localities;
    localities.reserve(int(localityCount));
    for (qint64 i = 0; i < localityCount; ++i) {
        Locality locality;
        const int realCount = int(sizeof RealLocalities / sizeof *RealLocalities);
        locality.name = i < realCount ? QString::fromUtf8(RealLocalities[i]) : word(random);
        locality.latitude = random.between(-55, 70);
        locality.longitude = random.between(-180, 180);
        for (int s = 0; s < 12; ++s)
            locality.streets.append(
                word(random) + QLatin1Char(' ')
                + QString::fromUtf8(StreetKinds[random.below(int(sizeof StreetKinds / sizeof *StreetKinds))]));
        GazetteerEntry entry;
        entry.kind = GazetteerEntry::Locality;
        entry.name = locality.name;
        entry.latitude = locality.latitude;
        entry.longitude = locality.longitude;
        entry.countryCode = QStringLiteral("ZZ");
        // Zipf-like populations: a few large places, many small ones.
        entry.importance = qFloor(5e6 / (1 + i) + random.below(1000));
        writer.add(entry);
        localities.append(locality);
    }

    for (qint64 i = localityCount; i < count; ++i) {
        const Locality &locality = localities.at(random.below(int(localities.size())));
        GazetteerEntry entry;
        entry.city = locality.name;
        entry.countryCode = QStringLiteral("ZZ");
        entry.latitude = qBound(-90.0, locality.latitude + random.between(-0.05, 0.05), 90.0);
        entry.longitude = qBound(-180.0, locality.longitude + random.between(-0.05, 0.05), 180.0);
        entry.street = QString::number(1 + random.below(400)) + QLatin1Char(' ')
            + locality.streets.at(random.below(locality.streets.size()));
        if (random.below(100) < 55) {
            entry.kind = GazetteerEntry::Address;
            entry.name = entry.street;
            entry.postalCode = QString::number(10000 + random.below(90000));
        } else {
            const CategoryInfo &category = Categories[random.below(int(sizeof Categories / sizeof *Categories))];
            entry.kind = GazetteerEntry::PointOfInterest;
            entry.category = QString::fromLatin1(category.code);
            entry.name = random.below(2) ? QString::fromUtf8(category.word) + QLatin1Char(' ') + word(random)
                                         : word(random) + QLatin1Char(' ') + QString::fromUtf8(category.word);
            entry.phone = QStringLiteral("+1 555 %1").arg(1000000 + random.below(8999999));
            entry.importance = random.below(100);
            // Two in five points of interest are rated, in half stars as rating services give them.
            if (ratings.below(5) < 2) {
                entry.rating = 1 + ratings.below(9) * 0.5;
                entry.ratingCount = 1 + ratings.below(500);
            }
        }
        writer.add(entry);
        if (i % 100000 == 0)
            std::fprintf(stderr, "\rgenerating %lld of %lld places", i, count);
    }
    std::fprintf(stderr, "\rindexing %lld places...              \n", count);
    return writer.commit();
}
} // namespace

qint64 SyntheticGazetteer::defaultCount()
{
    bool ok = false;
    const qint64 configured = qEnvironmentVariable("HX_BENCH_PLACES").toLongLong(&ok);
    return ok && configured > 0 ? configured : 1000000;
}

QString SyntheticGazetteer::cacheFolder()
{
    const QString configured = qEnvironmentVariable("HX_BENCH_CACHE");
    if (!configured.isEmpty())
        return configured;
    const QString program = QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath();
    return QFileInfo(program).dir().absoluteFilePath(QStringLiteral("../bench-data"));
}

QString SyntheticGazetteer::ensure(qint64 count)
{
    const QString path
        = QDir(cacheFolder()).absoluteFilePath(QStringLiteral("gazetteer-%1-v%2.db").arg(count).arg(Version));
    if (QFileInfo::exists(path))
        return path;
    QDir().mkpath(cacheFolder());
    QElapsedTimer timer;
    timer.start();
    if (!generate(path, count))
        return QString();
    std::fprintf(stderr, "generated %s in %.1f s\n", qPrintable(path), timer.elapsed() / 1000.0);
    return path;
}

QStringList SyntheticGazetteer::queryWords()
{
    return { QStringLiteral("restaurant"), QStringLiteral("waterloo"),  QStringLiteral("pharmacy"),
             QStringLiteral("montréal"),   QStringLiteral("kitchener"), QStringLiteral("springfield") };
}

} // namespace bench
} // namespace hx
