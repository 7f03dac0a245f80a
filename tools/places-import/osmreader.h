#ifndef HX_TOOLS_OSMREADER_H
#define HX_TOOLS_OSMREADER_H

#include <hx/platform/places/gazetteerentry.h>
#include <hx/platform/places/gazetteerstreet.h>

#include <QtCore/QString>

class QTemporaryFile;

#include <functional>

// Reads an OpenStreetMap extract (.osm.pbf or .osm, either of them compressed) as a stream: named
// amenities, shops, tourism and leisure features become points of interest, and elements with a
// house number and a street become addresses; ways stand at the centre of their nodes. Named
// streets give their lines and a record to find them by, and interpolation ways the house numbers
// between their ends. Node positions for the ways are kept in a temporary file, so memory stays
// small for a country-sized extract.
class OsmReader
{
public:
    struct Element
    {
        QString label; // "node/12", "way/7"
        QString error; // why the element is skipped; empty when entry is one to add
        hx::platform::places::GazetteerEntry entry;
    };
    using Sink = std::function<void(const Element &element)>;
    using Progress = std::function<void(qint64 bytesRead, qint64 bytesTotal)>;
    // A street's line ("way/7"), to name the positions along it.
    using StreetSink = std::function<void(const QString &label, const hx::platform::places::GazetteerStreet &street)>;

    // False with *error when the file cannot be read as a whole (missing, damaged, not OSM).
    static bool read(const QString &path, const Sink &sink, const Progress &progress, QString *error,
                     const StreetSink &streets = StreetSink());

private:
    // The path to read: the file itself, or a copy without the elements it reported as bad;
    // empty with *error when that copy cannot be written.
    static QString withoutBadElements(const QString &path, const Sink &sink, QTemporaryFile *cleaned, QString *error);
};

#endif
