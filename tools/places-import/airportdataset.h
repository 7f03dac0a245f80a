#ifndef HX_TOOLS_AIRPORTDATASET_H
#define HX_TOOLS_AIRPORTDATASET_H

#include <hx/platform/places/gazetteerentry.h>

#include <QtCore/QList>
#include <QtCore/QString>

class CitiesDataset;

// Airports of an OpenFlights-style JSON array ({"name", "city", "country", "iata", "icao",
// "latitude", "longitude"}) as points of interest in the airports category. The places data
// set, when given, fills in each airport's country code and region from the town nearest to it.
class AirportDataset
{
public:
    // The airports category code, shown as "Airports".
    static const char Category[];

    // False with *error when the file is missing or not a JSON array; airports without a name or
    // a position are skipped and counted.
    bool load(const QString &path, const CitiesDataset *places, QString *error);
    const QList<hx::platform::places::GazetteerEntry> &entries() const { return m_entries; }
    int skipped() const { return m_skipped; }

private:
    QList<hx::platform::places::GazetteerEntry> m_entries;
    int m_skipped = 0;
};

#endif
