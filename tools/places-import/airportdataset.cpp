#include "airportdataset.h"

#include <QtCore/QFile>
#include <QtCore/QJsonArray>
#include <QtCore/QJsonDocument>
#include <QtCore/QJsonObject>

#include "citiesdataset.h"

#include <algorithm>

using hx::platform::places::GazetteerEntry;

const char AirportDataset::Category[] = "ALA";

namespace {
// Without a town around, airports rank as small towns, those with a passenger code first.
constexpr double CodedImportance = 1000;
constexpr double UncodedImportance = 100;
// An airport serves a town up to this far away.
constexpr double ServedTownMetres = 60000;
// The data tells no traffic, so an airport weighs as the biggest town it serves, an
// international one fully, another with a passenger code a tenth, one without a hundredth:
// Toronto's international airport above its island one, both above a village's airstrip.
constexpr double InternationalShare = 1;
constexpr double CodedShare = 0.1;
constexpr double UncodedShare = 0.01;

double importanceOf(const GazetteerEntry &airport, bool coded, const CitiesDataset *places)
{
    const double own = coded ? CodedImportance : UncodedImportance;
    const GazetteerEntry *served
        = places ? places->largestLocalityNear(airport.latitude, airport.longitude, ServedTownMetres) : nullptr;
    if (!served)
        return own;
    const bool international = airport.name.contains(QLatin1String("International"), Qt::CaseInsensitive);
    const double share = !coded ? UncodedShare : international ? InternationalShare : CodedShare;
    return std::max(own, served->importance * share);
}

// OpenFlights writes "\N" for a missing code.
QString codeOf(const QJsonObject &airport, const char *key)
{
    const QString code = airport.value(QLatin1String(key)).toString().trimmed();
    return code == QLatin1String("\\N") ? QString() : code;
}

void placeInTown(GazetteerEntry *entry, const CitiesDataset &places)
{
    entry->countryCode = places.countryCode(entry->country);
    const GazetteerEntry *town
        = places.localityNear(entry->latitude, entry->longitude, entry->countryCode, ServedTownMetres);
    if (!town)
        return;
    entry->countryCode = town->countryCode;
    entry->country = town->country;
    entry->region = town->region;
    entry->regionCode = town->regionCode;
    if (entry->city.isEmpty())
        entry->city = town->name;
}
} // namespace

bool AirportDataset::load(const QString &path, const CitiesDataset *places, QString *error)
{
    m_entries.clear();
    m_skipped = 0;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("%1: %2").arg(path, file.errorString());
        return false;
    }
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &parseError);
    if (parseError.error != QJsonParseError::NoError || !document.isArray()) {
        *error = QStringLiteral("%1: not a JSON array of airports").arg(path);
        return false;
    }
    for (const QJsonValue &value : document.array()) {
        const QJsonObject airport = value.toObject();
        GazetteerEntry entry;
        entry.kind = GazetteerEntry::PointOfInterest;
        entry.category = QLatin1String(Category);
        const QString name = airport.value(QStringLiteral("name")).toString().trimmed();
        const QString iata = codeOf(airport, "iata");
        // The passenger code is part of the name, so that typing it finds the airport.
        entry.name = iata.isEmpty() || name.contains(iata) ? name : QStringLiteral("%1 (%2)").arg(name, iata);
        entry.city = airport.value(QStringLiteral("city")).toString().trimmed();
        entry.country = airport.value(QStringLiteral("country")).toString().trimmed();
        const QJsonValue latitude = airport.value(QStringLiteral("latitude"));
        const QJsonValue longitude = airport.value(QStringLiteral("longitude"));
        if (name.isEmpty() || !latitude.isDouble() || !longitude.isDouble()) {
            ++m_skipped;
            continue;
        }
        entry.latitude = latitude.toDouble();
        entry.longitude = longitude.toDouble();
        entry.importance = importanceOf(entry, !iata.isEmpty(), places);
        if (places)
            placeInTown(&entry, *places);
        m_entries.append(entry);
    }
    return true;
}
