#include "benchdata.h"

#include <hx/platform/places/address.h>
#include <hx/platform/places/contactentry.h>
#include <hx/platform/places/contactstore.h>
#include <hx/platform/places/coordinates.h>
#include <hx/platform/places/gazetteerentry.h>
#include <hx/platform/places/gazetteerwriter.h>
#include <hx/platform/places/location.h>
#include <hx/platform/places/place.h>
#include <hx/platform/places/placemanager.h>

#include <QtCore/QDir>
#include <QtCore/QFile>
#include <QtCore/QFileInfo>

#include <sqlite3.h>

#include <cstdio>

#ifndef HX_BENCH_DATA_DIR
#define HX_BENCH_DATA_DIR "bench-data"
#endif

namespace hx {
namespace bench {

namespace places = hx::platform::places;

namespace {
// A fixed generator, so the files are the same on every machine and with every library.
quint64 mix(quint64 x)
{
    x += 0x9e3779b97f4a7c15ULL;
    x = (x ^ (x >> 30)) * 0xbf58476d1ce4e5b9ULL;
    x = (x ^ (x >> 27)) * 0x94d049bb133111ebULL;
    return x ^ (x >> 31);
}

double unit(quint64 seed)
{
    return double(mix(seed) >> 11) / double(1ULL << 53);
}

const char *const Syllables[]
    = { "ka",  "lo",  "mi",  "ra",  "ven", "tor", "sa", "bel", "an",  "do",  "ri", "mon", "gar", "te",  "lin", "wes",
        "ton", "ber", "cha", "pel", "nor", "ha",  "vi", "est", "quo", "zen", "fa", "ru",  "sto", "ley", "mar", "ol" };
constexpr int SyllableCount = sizeof Syllables / sizeof *Syllables;
const char *const StreetKinds[] = { "Street", "Road", "Avenue", "Lane", "Way" };
const char *const PoiKinds[] = { "Cafe", "Bakery", "Museum", "Hotel", "Garage", "Pharmacy", "Park", "Bank" };
const char *const CategoryCodes[] = { "cafe", "bakery", "museum", "hotel", "garage", "pharmacy", "park", "bank" };

QString cachedPath(const QString &name)
{
    QDir().mkpath(BenchData::folder());
    return BenchData::folder() + QLatin1Char('/') + name;
}

QString capitalised(const QString &word)
{
    return word.left(1).toUpper() + word.mid(1);
}

places::GazetteerEntry gazetteerEntry(int i, int count)
{
    places::GazetteerEntry entry;
    const quint64 seed = quint64(i) * 7919 + 17;
    const int pick = int(mix(seed) % 100);
    const QString first = capitalised(BenchData::word(seed));
    const QString second = capitalised(BenchData::word(seed + 1));
    entry.latitude = -60 + 130 * unit(seed + 2);
    entry.longitude = -180 + 360 * unit(seed + 3);
    entry.importance = count - i;
    entry.country = QStringLiteral("Country %1").arg(i % 200);
    entry.countryCode = QStringLiteral("C%1").arg(i % 26);
    entry.region = capitalised(BenchData::word(quint64(i % 500) + 900000001));
    entry.city = capitalised(BenchData::word(quint64(i % 20000) + 800000001));
    if (pick < 55) {
        entry.kind = places::GazetteerEntry::PointOfInterest;
        const int category = int(mix(seed + 4) % 8);
        entry.name = first + QLatin1Char(' ') + QLatin1String(PoiKinds[category]);
        entry.category = QLatin1String(CategoryCodes[category]);
        entry.street = QStringLiteral("%1 %2 %3").arg(i % 300 + 1).arg(second).arg(QLatin1String(StreetKinds[i % 5]));
        entry.phone = QStringLiteral("+1 555 %1").arg(i % 10000000, 7, 10, QLatin1Char('0'));
    } else if (pick < 92) {
        entry.kind = places::GazetteerEntry::Address;
        entry.street = QStringLiteral("%1 %2 %3").arg(i % 300 + 1).arg(first).arg(QLatin1String(StreetKinds[i % 5]));
        entry.name = entry.street;
        entry.postalCode = QStringLiteral("P%1").arg(i % 100000);
    } else if (pick < 99) {
        entry.kind = places::GazetteerEntry::Locality;
        entry.name = first + second.toLower();
        entry.city = entry.name;
    } else {
        entry.kind = places::GazetteerEntry::Region;
        entry.name = first + QStringLiteral(" Province");
    }
    return entry;
}
} // namespace

int BenchData::placeCount()
{
    const int configured = qEnvironmentVariableIntValue("HX_BENCH_PLACES");
    return configured > 0 ? configured : DefaultPlaces;
}

QString BenchData::folder()
{
    const QString configured = qEnvironmentVariable("HX_BENCH_DATA");
    return configured.isEmpty() ? QStringLiteral(HX_BENCH_DATA_DIR) : configured;
}

QString BenchData::word(quint64 seed)
{
    // Two to four syllables: short prefixes match many words, eight letters only a few.
    const quint64 bits = mix(seed * 31 + 5);
    const int syllables = 2 + int(bits % 3);
    QString word;
    for (int s = 0; s < syllables; ++s)
        word += QLatin1String(Syllables[(bits >> (8 + 5 * s)) % SyllableCount]);
    return word;
}

QStringList BenchData::queryWords(int count, int howMany)
{
    QStringList words;
    for (int i = 0; words.size() < howMany && i < count; i += 1 + count / (howMany * 4)) {
        const QString first = word(quint64(i) * 7919 + 17);
        if (first.size() >= 8 && !words.contains(first))
            words.append(first);
    }
    return words;
}

QString BenchData::gazetteer(int count)
{
    const QString path = cachedPath(QStringLiteral("gazetteer-v%1-%2.db").arg(GeneratorVersion).arg(count));
    if (QFileInfo(path).isFile())
        return path;
    std::fprintf(stderr, "generating a gazetteer of %d places in %s\n", count, qPrintable(path));
    places::GazetteerWriter writer(path);
    if (!writer.begin(places::GazetteerWriter::Replace))
        return QString();
    for (int c = 0; c < 8; ++c)
        writer.addCategory(QLatin1String(CategoryCodes[c]), QLatin1String(PoiKinds[c]));
    for (int i = 0; i < count; ++i)
        writer.add(gazetteerEntry(i, count));
    if (!writer.commit()) {
        std::fprintf(stderr, "cannot write the gazetteer: %s\n", qPrintable(writer.errorString()));
        return QString();
    }
    return path;
}

QString BenchData::store(int userPlaces, int contacts)
{
    const QString path
        = cachedPath(QStringLiteral("store-v%1-%2-%3.db").arg(GeneratorVersion).arg(userPlaces).arg(contacts));
    if (QFileInfo(path).isFile())
        return path;
    std::fprintf(stderr, "generating a store of %d places and %d contacts in %s\n", userPlaces, contacts,
                 qPrintable(path));
    // Built beside the target and renamed, so an interrupted run never leaves half a store.
    const QString partial = path + QStringLiteral(".partial");
    for (const QString &suffix : { QString(), QStringLiteral("-wal"), QStringLiteral("-shm") })
        QFile::remove(partial + suffix);
    const QByteArray previous = qgetenv("HX_PLACES_DB");
    qputenv("HX_PLACES_DB", QFile::encodeName(partial));
    bool ok = true;
    {
        places::PlaceManager manager;
        for (int i = 0; i < userPlaces && ok; ++i) {
            const quint64 seed = quint64(i) * 104729 + 3;
            places::Address address;
            address.setStreet(QStringLiteral("%1 %2 Street").arg(i % 200 + 1).arg(capitalised(word(seed + 1))));
            address.setCity(capitalised(word(quint64(i % 300) + 800000001)));
            address.setCountry(QStringLiteral("Country %1").arg(i % 20));
            places::Place place(
                capitalised(word(seed)) + QLatin1Char(' ') + capitalised(word(seed + 2)),
                places::Location(places::Coordinates(-60 + 130 * unit(seed + 4), -180 + 360 * unit(seed + 5)),
                                 address));
            ok = manager.addPlace(place) == places::Error::None;
        }
        places::ContactStore contactStore;
        for (int i = 0; i < contacts && ok; ++i) {
            const quint64 seed = quint64(i) * 15485863 + 11;
            places::ContactEntry contact;
            contact.firstName = capitalised(word(seed));
            contact.lastName = capitalised(word(seed + 1));
            places::ContactEntry::PostalAddress home;
            home.kind = QStringLiteral("home");
            home.street = QStringLiteral("%1 %2 Road").arg(i % 90 + 1).arg(capitalised(word(seed + 2)));
            home.city = capitalised(word(quint64(i % 300) + 800000001));
            home.country = QStringLiteral("Country %1").arg(i % 20);
            contact.addresses.append(home);
            ok = contactStore.addContact(contact) == places::Error::None;
        }
    }
    if (previous.isNull())
        qunsetenv("HX_PLACES_DB");
    else
        qputenv("HX_PLACES_DB", previous);
    if (!ok) {
        std::fprintf(stderr, "cannot write the store\n");
        return QString();
    }
    // Fold the journal into the file so that the renamed file holds everything by itself.
    sqlite3 *db = nullptr;
    if (sqlite3_open_v2(QFile::encodeName(partial).constData(), &db, SQLITE_OPEN_READWRITE, nullptr) == SQLITE_OK)
        sqlite3_exec(db, "PRAGMA wal_checkpoint(TRUNCATE)", nullptr, nullptr, nullptr);
    sqlite3_close(db);
    if (!QFile::rename(partial, path))
        return QString();
    for (const QString &suffix : { QStringLiteral("-wal"), QStringLiteral("-shm") })
        QFile::remove(partial + suffix);
    return path;
}

} // namespace bench
} // namespace hx
