#include "citiesdataset.h"

#include <hx/platform/places/gazetteer.h>

#include <QtCore/QDir>
#include <QtCore/QFile>
#include <QtCore/QJsonArray>
#include <QtCore/QJsonDocument>
#include <QtCore/QJsonObject>
#include <QtCore/QtMath>

#include <cmath>

#include "localityfile.h"
#include "mocatalog.h"
#include "othernamesfile.h"

using hx::platform::places::Gazetteer;
using hx::platform::places::GazetteerEntry;

namespace {
// Countries and regions rank above every locality; within each, by the people living in their
// localities. A country holds more than a billion people, so the bases are far apart.
constexpr double CountryBase = 1e11;
constexpr double RegionBase = 1e10;
// How far a town's sections reach from its centre.
constexpr double NeighbourhoodReachMetres = 30000;
// Closer than this, a town's pull no longer grows: a section sits inside its town.
constexpr double NearestPullMetres = 500;
// A region or country of one town sits on that town: named alike, it is that town again.
constexpr double SameAreaMetres = 50;

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

// Capitals and seats of regions rank above other towns of the same size.
double seatFactor(const QString &featureCode)
{
    if (featureCode == QLatin1String("PPLC"))
        return 1.5;
    if (featureCode == QLatin1String("PPLA") || featureCode == QLatin1String("PPLG"))
        return 1.25;
    if (featureCode == QLatin1String("PPLA2"))
        return 1.1;
    return 1;
}

// A section of a town, a suburb in GeoNames' words.
bool isNeighbourhood(const QString &featureCode)
{
    return featureCode == QLatin1String("PPLX");
}

// The centre of a set of points on the sphere, right across the antimeridian too.
struct Centroid
{
    double x = 0, y = 0, z = 0;
    double population = 0;
    void add(double latitude, double longitude, double people)
    {
        const double phi = qDegreesToRadians(latitude);
        const double lambda = qDegreesToRadians(longitude);
        x += std::cos(phi) * std::cos(lambda);
        y += std::cos(phi) * std::sin(lambda);
        z += std::sin(phi);
        population += people;
    }
    double latitude() const { return qRadiansToDegrees(std::atan2(z, std::hypot(x, y))); }
    double longitude() const { return qRadiansToDegrees(std::atan2(y, x)); }
};
} // namespace

bool CitiesDataset::loadNames(const Files &files, QString *error)
{
    QJsonDocument regions, countries;
    if (!readJson(files.regions, &regions, error) || !readJson(files.isoCodes, &countries, error))
        return false;
    if (!regions.isArray() || !countries.isObject()) {
        *error = QStringLiteral("the region or country names are not in the expected form");
        return false;
    }
    for (const QJsonValue &value : countries.object().value(QStringLiteral("3166-1")).toArray()) {
        const QJsonObject country = value.toObject();
        const QString code = country.value(QStringLiteral("alpha_2")).toString();
        const QString name = country.value(QStringLiteral("name")).toString();
        const QString common = country.value(QStringLiteral("common_name")).toString();
        m_countryNames.insert(code, common.isEmpty() ? name : common);
        for (const char *key : { "name", "common_name", "official_name" }) {
            const QString known = country.value(QLatin1String(key)).toString();
            if (!known.isEmpty())
                m_countryCodes.insert(known.toCaseFolded(), code);
        }
    }
    for (const QJsonValue &value : regions.array()) {
        const QJsonObject region = value.toObject();
        m_regionNames.insert(region.value(QStringLiteral("code")).toString(),
                             region.value(QStringLiteral("name")).toString());
    }
    if (!files.translations.isEmpty())
        loadTranslations(files.translations, countries.object().value(QStringLiteral("3166-1")).toArray());
    return true;
}

namespace {
// The languages a phone offers for its own texts. A country's name in any other of the
// catalogues' languages would answer what people type elsewhere ("pari" is Brazil in Maori).
bool isPhoneLanguage(const QString &catalogue)
{
    static const QStringList languages {
        QStringLiteral("ar"), QStringLiteral("bg"), QStringLiteral("bn"), QStringLiteral("ca"), QStringLiteral("cs"),
        QStringLiteral("da"), QStringLiteral("de"), QStringLiteral("el"), QStringLiteral("en"), QStringLiteral("es"),
        QStringLiteral("et"), QStringLiteral("eu"), QStringLiteral("fa"), QStringLiteral("fi"), QStringLiteral("fr"),
        QStringLiteral("gl"), QStringLiteral("he"), QStringLiteral("hi"), QStringLiteral("hr"), QStringLiteral("hu"),
        QStringLiteral("id"), QStringLiteral("is"), QStringLiteral("it"), QStringLiteral("ja"), QStringLiteral("ko"),
        QStringLiteral("lt"), QStringLiteral("lv"), QStringLiteral("ms"), QStringLiteral("nb"), QStringLiteral("nl"),
        QStringLiteral("pl"), QStringLiteral("pt"), QStringLiteral("ro"), QStringLiteral("ru"), QStringLiteral("sk"),
        QStringLiteral("sl"), QStringLiteral("sr"), QStringLiteral("sv"), QStringLiteral("th"), QStringLiteral("tr"),
        QStringLiteral("uk"), QStringLiteral("ur"), QStringLiteral("vi"), QStringLiteral("zh"),
    };
    // "pt_BR", "sr@latin": the language is what comes before the country or the script.
    const QString language = catalogue.section(QLatin1Char('_'), 0, 0).section(QLatin1Char('@'), 0, 0);
    return languages.contains(language);
}
} // namespace

// Each language's catalogue names the countries by their English names; the common name wins
// where a country has one, as in English.
void CitiesDataset::loadTranslations(const QString &folder, const QJsonArray &countries)
{
    const QDir root(folder);
    const QStringList languages = root.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    for (const QString &language : languages) {
        if (!isPhoneLanguage(language))
            continue;
        MoCatalog catalog;
        if (!catalog.load(root.filePath(language + QStringLiteral("/LC_MESSAGES/iso_3166-1.mo"))))
            continue;
        for (const QJsonValue &value : countries) {
            const QJsonObject country = value.toObject();
            const QString code = country.value(QStringLiteral("alpha_2")).toString();
            QString shown;
            for (const char *key : { "common_name", "name" }) {
                const QString translated = catalog.translate(country.value(QLatin1String(key)).toString());
                if (translated.isEmpty())
                    continue;
                m_countryOtherNames[code].append(translated);
                if (shown.isEmpty())
                    shown = translated;
            }
            if (!shown.isEmpty())
                m_translatedNames.append({ code, language, shown });
        }
    }
}

bool CitiesDataset::addOtherNames(const QString &path, QString *error)
{
    QHash<qint64, QStringList> names;
    if (!OtherNamesFile::read(path, &names, error))
        return false;
    for (auto it = m_byGeonameId.constBegin(); it != m_byGeonameId.constEnd(); ++it)
        m_entries[it.value()].otherNames = names.value(it.key());
    return true;
}

void CitiesDataset::addLocality(const LocalityRecord &record)
{
    if (record.name.trimmed().isEmpty())
        return;
    GazetteerEntry entry;
    entry.kind = isNeighbourhood(record.featureCode) ? GazetteerEntry::Neighbourhood : GazetteerEntry::Locality;
    entry.name = record.name;
    entry.latitude = record.latitude;
    entry.longitude = record.longitude;
    entry.countryCode = record.countryCode;
    entry.country = m_countryNames.value(entry.countryCode);
    entry.regionCode = record.adminCode;
    entry.region = m_regionNames.value(entry.countryCode + QLatin1Char('.') + entry.regionCode);
    const double population = double(record.population);
    if (entry.kind == GazetteerEntry::Locality) {
        entry.city = entry.name;
        entry.importance = (population + 1) * seatFactor(record.featureCode);
        m_towns.add(m_entries.size(), entry.latitude, entry.longitude);
    } else {
        entry.importance = population;
    }
    m_populations.insert(m_entries.size(), population);
    m_byGeonameId.insert(record.geonameId, m_entries.size());
    m_entries.append(entry);
}

// A section is named after the town that pulls it hardest: the population over the square of
// the distance, so a city's far sections still belong to it and not to a village beside them.
void CitiesDataset::nameNeighbourhoodTowns()
{
    for (GazetteerEntry &entry : m_entries) {
        if (entry.kind != GazetteerEntry::Neighbourhood)
            continue;
        const GazetteerEntry *town = nullptr;
        double strongest = 0;
        for (int index : m_towns.around(entry.latitude, entry.longitude)) {
            const GazetteerEntry &candidate = m_entries.at(index);
            if (candidate.countryCode != entry.countryCode)
                continue;
            const double metres
                = Gazetteer::distanceMetres(entry.latitude, entry.longitude, candidate.latitude, candidate.longitude);
            if (metres > NeighbourhoodReachMetres)
                continue;
            const double distance = qMax(metres, NearestPullMetres);
            const double pull = (m_populations.value(index) + 1) / (distance * distance);
            if (pull > strongest) {
                strongest = pull;
                town = &candidate;
            }
        }
        // A section with no town around it is the only name the place has.
        if (!town) {
            entry.kind = GazetteerEntry::Locality;
            entry.city = entry.name;
            continue;
        }
        entry.city = town->name;
        if (entry.region.isEmpty())
            entry.region = town->region;
    }
}

bool CitiesDataset::namesATown(const GazetteerEntry &area) const
{
    const QString name = area.name.toCaseFolded();
    for (int index : m_towns.around(area.latitude, area.longitude)) {
        const GazetteerEntry &town = m_entries.at(index);
        if (town.name.toCaseFolded() == name
            && Gazetteer::distanceMetres(area.latitude, area.longitude, town.latitude, town.longitude)
                <= SameAreaMetres)
            return true;
    }
    return false;
}

void CitiesDataset::addCountriesAndRegions()
{
    QHash<QString, Centroid> countryCentres, regionCentres;
    for (int index = 0; index < m_entries.size(); ++index) {
        const GazetteerEntry &entry = m_entries.at(index);
        if (entry.kind != GazetteerEntry::Locality)
            continue;
        const double population = m_populations.value(index);
        countryCentres[entry.countryCode].add(entry.latitude, entry.longitude, population);
        if (!entry.region.isEmpty())
            regionCentres[entry.countryCode + QLatin1Char('.') + entry.regionCode].add(entry.latitude, entry.longitude,
                                                                                       population);
    }
    for (auto it = countryCentres.constBegin(); it != countryCentres.constEnd(); ++it) {
        const QString name = m_countryNames.value(it.key());
        if (name.isEmpty())
            continue;
        GazetteerEntry entry;
        entry.kind = GazetteerEntry::Country;
        entry.name = entry.country = name;
        entry.countryCode = it.key();
        entry.latitude = it.value().latitude();
        entry.longitude = it.value().longitude();
        entry.importance = CountryBase + it.value().population;
        entry.otherNames = m_countryOtherNames.value(entry.countryCode);
        if (!namesATown(entry))
            m_entries.append(entry);
    }
    for (auto it = regionCentres.constBegin(); it != regionCentres.constEnd(); ++it) {
        GazetteerEntry entry;
        entry.kind = GazetteerEntry::Region;
        entry.name = entry.region = m_regionNames.value(it.key());
        entry.countryCode = it.key().section(QLatin1Char('.'), 0, 0);
        entry.regionCode = it.key().section(QLatin1Char('.'), 1);
        entry.country = m_countryNames.value(entry.countryCode);
        entry.latitude = it.value().latitude();
        entry.longitude = it.value().longitude();
        entry.importance = RegionBase + it.value().population;
        if (entry.name.compare(entry.country, Qt::CaseInsensitive) != 0 && !namesATown(entry))
            m_entries.append(entry);
    }
}

bool CitiesDataset::load(const Files &files, QString *error)
{
    m_entries.clear();
    m_byGeonameId.clear();
    m_countryOtherNames.clear();
    m_translatedNames.clear();
    if (!loadNames(files, error))
        return false;
    QFile file(files.localities);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("%1: %2").arg(files.localities, file.errorString());
        return false;
    }
    QString readError;
    if (!LocalityFile::read(
            file.readAll(), [this](const LocalityRecord &record) { addLocality(record); }, &readError)) {
        *error = QStringLiteral("%1: %2").arg(files.localities, readError);
        return false;
    }
    if (!files.otherNames.isEmpty() && !addOtherNames(files.otherNames, error))
        return false;
    nameNeighbourhoodTowns();
    addCountriesAndRegions();
    return true;
}

QString CitiesDataset::countryCode(const QString &name) const
{
    return m_countryCodes.value(name.trimmed().toCaseFolded());
}

const GazetteerEntry *CitiesDataset::localityNear(double latitude, double longitude, const QString &countryCode,
                                                  double maxMetres) const
{
    const GazetteerEntry *nearest = nullptr;
    double nearestMetres = maxMetres;
    for (int index : m_towns.around(latitude, longitude)) {
        const GazetteerEntry &candidate = m_entries.at(index);
        if (!countryCode.isEmpty() && candidate.countryCode != countryCode)
            continue;
        const double metres = Gazetteer::distanceMetres(latitude, longitude, candidate.latitude, candidate.longitude);
        if (metres <= nearestMetres) {
            nearestMetres = metres;
            nearest = &candidate;
        }
    }
    return nearest;
}

const GazetteerEntry *CitiesDataset::largestLocalityNear(double latitude, double longitude, double maxMetres) const
{
    const GazetteerEntry *largest = nullptr;
    for (int index : m_towns.around(latitude, longitude)) {
        const GazetteerEntry &candidate = m_entries.at(index);
        if ((!largest || candidate.importance > largest->importance)
            && Gazetteer::distanceMetres(latitude, longitude, candidate.latitude, candidate.longitude) <= maxMetres)
            largest = &candidate;
    }
    return largest;
}
