#ifndef HX_TOOLS_LOCALITYFILE_H
#define HX_TOOLS_LOCALITYFILE_H

#include <QtCore/QByteArray>
#include <QtCore/QString>

#include <functional>

// One populated place of the localities file: GeoNames' id, name, country and admin codes,
// feature code (PPL, PPLC, PPLA, PPLX, ...) and population.
struct LocalityRecord
{
    qint64 geonameId = 0;
    QString name;
    QString countryCode;
    QString featureCode;
    QString adminCode;
    qint64 population = 0;
    double latitude = 0;
    double longitude = 0;
};

// Reads the protocol-buffer file of populated places: length-prefixed records, positions as
// differences to the record before in units of 1e-5 degrees.
class LocalityFile
{
public:
    using Sink = std::function<void(const LocalityRecord &record)>;

    // False with *error ("record N: ...") at the first record that cannot be read; the
    // records before it have reached the sink.
    static bool read(const QByteArray &data, const Sink &sink, QString *error);
};

#endif
