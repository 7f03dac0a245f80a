#include "osminterpolation.h"

#include <hx/platform/places/gazetteer.h>
#include <hx/platform/places/gazetteerwriter.h>

#include <osmium/osm/node.hpp>
#include <osmium/osm/way.hpp>

#include <QtCore/QVector>

using hx::platform::places::Gazetteer;
using hx::platform::places::GazetteerEntry;

namespace {
QString tagText(const osmium::TagList &tags, const char *key)
{
    return QString::fromUtf8(tags.get_value_by_key(key, "")).trimmed();
}

int stepOf(const QString &interpolation)
{
    if (interpolation == QLatin1String("odd") || interpolation == QLatin1String("even"))
        return 2;
    if (interpolation == QLatin1String("all"))
        return 1;
    bool ok = false;
    const int step = interpolation.toInt(&ok);
    return ok && step > 0 ? step : 0;
}

struct Placed
{
    double latitude;
    double longitude;
    double from; // metres along the way
};
} // namespace

bool OsmInterpolation::isInterpolation(const osmium::Way &way)
{
    return way.tags().has_key("addr:interpolation") && way.nodes().size() >= 2;
}

void OsmInterpolation::noteEnds(const osmium::Way &way)
{
    if (!isInterpolation(way))
        return;
    m_ends.insert(way.nodes().front().ref());
    m_ends.insert(way.nodes().back().ref());
}

void OsmInterpolation::noteNode(const osmium::Node &node)
{
    if (!m_ends.contains(node.id()))
        return;
    bool ok = false;
    Numbered numbered;
    numbered.number = tagText(node.tags(), "addr:housenumber").toInt(&ok);
    if (!ok)
        return; // "12a" and "12-14" name no step of a sequence
    numbered.street = tagText(node.tags(), "addr:street");
    numbered.city = tagText(node.tags(), "addr:city");
    numbered.postalCode = tagText(node.tags(), "addr:postcode");
    m_numbered.insert(node.id(), numbered);
}

QList<OsmReader::Element> OsmInterpolation::addresses(const osmium::Way &way) const
{
    QList<OsmReader::Element> found;
    const int step = stepOf(tagText(way.tags(), "addr:interpolation"));
    const auto first = m_numbered.constFind(way.nodes().front().ref());
    const auto last = m_numbered.constFind(way.nodes().back().ref());
    if (step == 0 || first == m_numbered.cend() || last == m_numbered.cend())
        return found;
    QString street = tagText(way.tags(), "addr:street");
    if (street.isEmpty())
        street = first->street.isEmpty() ? last->street : first->street;
    const int low = std::min(first->number, last->number);
    const int high = std::max(first->number, last->number);
    if (street.isEmpty() || high - low <= step || (high - low) / step > MaxAddresses)
        return found;
    QVector<Placed> line;
    for (const osmium::NodeRef &node : way.nodes()) {
        if (!node.location().valid())
            return found; // a line with a gap has no length to share out
        const double lat = node.location().lat();
        const double lon = node.location().lon();
        const double from = line.isEmpty()
            ? 0
            : line.last().from + Gazetteer::distanceMetres(line.last().latitude, line.last().longitude, lat, lon);
        line.append({ lat, lon, from });
    }
    const double length = line.last().from;
    const bool ascending = first->number <= last->number;
    for (int number = low + step; number < high; number += step) {
        const double share = double(ascending ? number - low : high - number) / (high - low);
        const double at = share * length;
        int i = 1;
        while (i < line.size() - 1 && line.at(i).from < at)
            ++i;
        const Placed &a = line.at(i - 1);
        const Placed &b = line.at(i);
        const double t = b.from > a.from ? (at - a.from) / (b.from - a.from) : 0;
        OsmReader::Element element;
        element.label = QStringLiteral("way/%1").arg(way.id());
        GazetteerEntry &entry = element.entry;
        entry.kind = GazetteerEntry::Address;
        entry.street = QString::number(number) + QLatin1Char(' ') + street;
        entry.name = entry.street;
        entry.city = first->city.isEmpty() ? last->city : first->city;
        entry.postalCode = first->postalCode.isEmpty() ? last->postalCode : first->postalCode;
        entry.latitude = a.latitude + t * (b.latitude - a.latitude);
        entry.longitude = a.longitude + t * (b.longitude - a.longitude);
        element.error = hx::platform::places::GazetteerWriter::validate(entry);
        found.append(element);
    }
    return found;
}
