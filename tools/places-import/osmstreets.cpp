#include "osmstreets.h"

#include <osmium/osm/way.hpp>

#include <QtCore/QSet>

#include <cmath>

using hx::platform::places::GazetteerEntry;
using hx::platform::places::GazetteerStreet;

namespace {
// Pieces of one street within an area this size (degrees) make one record.
constexpr double AreaDegrees = 0.02;

QString tagText(const osmium::TagList &tags, const char *key)
{
    return QString::fromUtf8(tags.get_value_by_key(key, "")).trimmed();
}
} // namespace

bool OsmStreets::isStreet(const osmium::TagList &tags)
{
    // Roads that carry addresses; paths, tracks and ways under construction do not.
    static const QSet<QString> roads
        = { QStringLiteral("motorway"),    QStringLiteral("trunk"),         QStringLiteral("primary"),
            QStringLiteral("secondary"),   QStringLiteral("tertiary"),      QStringLiteral("unclassified"),
            QStringLiteral("residential"), QStringLiteral("living_street"), QStringLiteral("pedestrian"),
            QStringLiteral("service"),     QStringLiteral("road") };
    QString highway = tagText(tags, "highway");
    if (highway.endsWith(QLatin1String("_link")))
        highway.chop(5);
    return roads.contains(highway) && !tagText(tags, "name").isEmpty();
}

QString OsmStreets::keyOf(const QString &name, double latitude, double longitude)
{
    return name.toCaseFolded().simplified() + QLatin1Char('\n') + QString::number(std::floor(latitude / AreaDegrees))
        + QLatin1Char(',') + QString::number(std::floor(longitude / AreaDegrees));
}

GazetteerStreet OsmStreets::line(const osmium::Way &way)
{
    GazetteerStreet street;
    street.name = tagText(way.tags(), "name");
    street.city = tagText(way.tags(), "addr:city");
    for (const osmium::NodeRef &node : way.nodes()) {
        if (node.location().valid())
            street.path.append({ node.location().lat(), node.location().lon() });
    }
    if (street.path.size() < 2) {
        street.path.clear();
        return street;
    }
    const GazetteerStreet::Point middle = street.path.at(street.path.size() / 2);
    Record &record = m_records[keyOf(street.name, middle.latitude, middle.longitude)];
    if (street.path.size() > record.nodes) {
        record.nodes = street.path.size();
        record.element.label = QStringLiteral("way/%1").arg(way.id());
        GazetteerEntry &entry = record.element.entry;
        entry.kind = GazetteerEntry::Address;
        entry.name = street.name;
        entry.street = street.name;
        if (!street.city.isEmpty())
            entry.city = street.city;
        entry.latitude = middle.latitude;
        entry.longitude = middle.longitude;
    }
    return street;
}

void OsmStreets::noteAddress(const GazetteerEntry &address, const QString &streetName)
{
    if (!address.city.isEmpty() && !streetName.isEmpty())
        m_cities.insert(keyOf(streetName, address.latitude, address.longitude), address.city);
}

QList<OsmReader::Element> OsmStreets::records() const
{
    QList<OsmReader::Element> records;
    for (auto it = m_records.cbegin(); it != m_records.cend(); ++it) {
        OsmReader::Element element = it->element;
        if (element.entry.city.isEmpty())
            element.entry.city = m_cities.value(it.key());
        records.append(element);
    }
    return records;
}
