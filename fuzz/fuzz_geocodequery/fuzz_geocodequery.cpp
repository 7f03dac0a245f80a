// Feeds arbitrary bytes to the forward geocoder as the address a user typed: the bytes are split
// at NUL bytes into street, city, region, postal code, country and the one-line label. Whatever
// it finds must stand on the globe; it must never crash nor hang on any text.
#include <hx/platform/places/address.h>
#include <hx/platform/places/gazetteerentry.h>
#include <hx/platform/places/gazetteerwriter.h>
#include <hx/platform/places/location.h>
#include <hx/trellan/places/placeutils.h>

#include <QtCore/QCoreApplication>
#include <QtCore/QLoggingCategory>
#include <QtCore/QTemporaryDir>

#include <cmath>
#include <cstddef>
#include <cstdint>

using namespace hx::platform::places;

namespace {
GazetteerEntry entry(GazetteerEntry::Kind kind, const QString &name, double latitude, double longitude,
                     const QString &street = QString())
{
    GazetteerEntry e;
    e.kind = kind;
    e.name = name;
    e.street = street;
    e.city = QStringLiteral("Waterloo");
    e.region = QStringLiteral("Ontario");
    e.country = QStringLiteral("Canada");
    e.countryCode = QStringLiteral("CA");
    e.latitude = latitude;
    e.longitude = longitude;
    e.importance = 10;
    return e;
}
} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    QLoggingCategory::setFilterRules(QStringLiteral("*=false"));
    static QTemporaryDir roots;
    qputenv("HX_PLACES_DB", roots.filePath(QStringLiteral("places.db")).toUtf8());
    const QString gazetteer = roots.filePath(QStringLiteral("gazetteer.db"));
    qputenv("HX_GAZETTEER_DB", gazetteer.toUtf8());
    static QCoreApplication application(*argc, *argv);
    // A town, a street address and a café for the queries to find or miss.
    GazetteerWriter writer(gazetteer);
    if (writer.begin(GazetteerWriter::Replace)) {
        writer.add(entry(GazetteerEntry::Locality, QStringLiteral("Waterloo"), 43.4643, -80.5204));
        writer.add(entry(GazetteerEntry::Address, QStringLiteral("200 University Ave W"), 43.4723, -80.5449,
                         QStringLiteral("200 University Ave W")));
        GazetteerEntry cafe = entry(GazetteerEntry::PointOfInterest, QStringLiteral("Lumen Café"), 43.4650, -80.5210);
        cafe.category = QStringLiteral("cafe");
        writer.add(cafe);
        writer.commit();
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QList<QByteArray> parts = QByteArray(reinterpret_cast<const char *>(data), int(size)).split('\0');
    const auto part
        = [&parts](int index) { return index < parts.size() ? QString::fromUtf8(parts.at(index)) : QString(); };
    Address address;
    address.setStreet(part(0));
    address.setCity(part(1));
    address.setRegion(part(2));
    address.setPostalCode(part(3));
    address.setCountry(part(4));
    address.setLabel(part(5));
    const QList<Location> locations = hx::trellan::places::PlaceUtils::geocode(address);
    for (const Location &location : locations) {
        const Coordinates position = location.coordinates();
        if (!position.isValid() || std::fabs(position.latitude()) > 90 || std::fabs(position.longitude()) > 180)
            __builtin_trap();
    }
    return 0;
}
