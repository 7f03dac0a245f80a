#ifndef HX_TOOLS_CITIESDATASET_H
#define HX_TOOLS_CITIESDATASET_H

#include <hx/platform/places/gazetteerentry.h>

#include <QtCore/QHash>
#include <QtCore/QJsonArray>
#include <QtCore/QList>
#include <QtCore/QString>

#include "localitygrid.h"

struct LocalityRecord;

// The default data set's places: the populated places of the localities file with their
// populations and feature codes, region names from a GeoNames admin table (admin1.json) and
// country names from ISO 3166-1, turned into countries, regions, localities and neighbourhoods.
class CitiesDataset
{
public:
    struct Files
    {
        QString localities; // the protocol-buffer file of populated places
        QString regions; // admin1.json: [{"code": "CA.08", "name": "Ontario"}, ...]
        QString isoCodes; // iso_3166-1.json
        QString otherNames; // GeoNames' cities1000.txt: the towns' names in other languages; optional
        QString translations; // the folder of iso-codes' catalogues (<language>/LC_MESSAGES); optional
    };

    // A country's name in one language, from iso-codes' catalogues.
    struct CountryName
    {
        QString code;
        QString language;
        QString name;
    };

    // False with *error when a file is missing or not in the expected form.
    bool load(const Files &files, QString *error);
    const QList<hx::platform::places::GazetteerEntry> &entries() const { return m_entries; }
    const QList<CountryName> &countryNames() const { return m_translatedNames; }

    // The ISO 3166-1 alpha-2 code of a country name (its short, common or official name, in any
    // case); empty when unknown.
    QString countryCode(const QString &name) const;
    // The locality (not a neighbourhood) nearest a point within maxMetres, of the given country
    // unless that is empty; null when there is none.
    const hx::platform::places::GazetteerEntry *localityNear(double latitude, double longitude,
                                                             const QString &countryCode, double maxMetres) const;
    // The most important locality within maxMetres of a point, of any country; null when none.
    const hx::platform::places::GazetteerEntry *largestLocalityNear(double latitude, double longitude,
                                                                    double maxMetres) const;

private:
    bool loadNames(const Files &files, QString *error);
    void loadTranslations(const QString &folder, const QJsonArray &countries);
    bool addOtherNames(const QString &path, QString *error);
    void addLocality(const LocalityRecord &record);
    void nameNeighbourhoodTowns();
    void addCountriesAndRegions();
    // Whether a town of the area's name lies where the area is centred: the area is that town.
    bool namesATown(const hx::platform::places::GazetteerEntry &area) const;

    QHash<QString, QString> m_countryNames; // by alpha-2 code
    QHash<QString, QString> m_countryCodes; // by case-folded name
    QHash<QString, QString> m_regionNames; // by "CC.admin1"
    QHash<QString, QStringList> m_countryOtherNames; // by alpha-2 code
    QList<CountryName> m_translatedNames;
    QHash<qint64, int> m_byGeonameId; // indexes in m_entries
    QList<hx::platform::places::GazetteerEntry> m_entries;
    QHash<qint64, double> m_populations; // by index in m_entries
    LocalityGrid m_towns; // indexes of the localities in m_entries
};

#endif
