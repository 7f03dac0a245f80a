#ifndef HX_TOOLS_OSMSTREETS_H
#define HX_TOOLS_OSMSTREETS_H

#include "osmreader.h"

#include <QtCore/QHash>
#include <QtCore/QList>
#include <QtCore/QMap>
#include <QtCore/QString>

namespace osmium {
class TagList;
class Way;
} // namespace osmium

// The named streets of an extract: each street way's line, so that a position along it is named
// after it, and one address record per street and area of about two kilometres, so that the
// street is found by its name without one row for every piece of it.
class OsmStreets
{
public:
    static bool isStreet(const osmium::TagList &tags);

    // The way's line, to add as it is read; no path when the way has fewer than two placed nodes.
    hx::platform::places::GazetteerStreet line(const osmium::Way &way);
    // The town an address gives its street becomes the town of the street's record.
    void noteAddress(const hx::platform::places::GazetteerEntry &address, const QString &streetName);
    // One record per street and area, once every element is read.
    QList<OsmReader::Element> records() const;

private:
    struct Record
    {
        OsmReader::Element element;
        int nodes = 0; // of the longest way so far, whose middle places the record
    };
    static QString keyOf(const QString &name, double latitude, double longitude);

    QMap<QString, Record> m_records; // ordered, so a file is written the same way each time
    QHash<QString, QString> m_cities;
};

#endif
