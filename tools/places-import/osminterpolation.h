#ifndef HX_TOOLS_OSMINTERPOLATION_H
#define HX_TOOLS_OSMINTERPOLATION_H

#include "osmreader.h"

#include <QtCore/QHash>
#include <QtCore/QList>
#include <QtCore/QSet>

#include <osmium/osm/types.hpp>

namespace osmium {
class Node;
class Way;
} // namespace osmium

// The house numbers an extract leaves between two numbered nodes of a way tagged
// addr:interpolation (odd, even, all or a step): each becomes an address along the way, at its
// share of the way's length. The ways come after the nodes in a file, so a first reading notes
// which nodes end such ways and the second keeps those nodes' numbers.
class OsmInterpolation
{
public:
    // Addresses a single way may make; a wrong tag must not fill the file.
    static constexpr int MaxAddresses = 1000;

    static bool isInterpolation(const osmium::Way &way);
    // First reading.
    void noteEnds(const osmium::Way &way);
    // Second reading, nodes then ways.
    void noteNode(const osmium::Node &node);
    QList<OsmReader::Element> addresses(const osmium::Way &way) const;

private:
    struct Numbered
    {
        int number = 0;
        QString street;
        QString city;
        QString postalCode;
    };

    QSet<osmium::object_id_type> m_ends;
    QHash<osmium::object_id_type, Numbered> m_numbered;
};

#endif
