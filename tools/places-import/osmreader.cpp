#include "osmreader.h"

#include <hx/platform/places/gazetteerwriter.h>

#include <QtCore/QDir>
#include <QtCore/QFile>
#include <QtCore/QFileInfo>
#include <QtCore/QTemporaryFile>

#include <osmium/handler.hpp>
#include <osmium/handler/node_locations_for_ways.hpp>
#include <osmium/index/map/sparse_file_array.hpp>
#include <osmium/io/any_input.hpp>
#include <osmium/osm/item_type.hpp>
#include <osmium/visitor.hpp>

#include <exception>

#include "osmcategories.h"
#include "osminterpolation.h"
#include "osmstreets.h"
#include "osmxmlcheck.h"

using hx::platform::places::GazetteerEntry;

namespace {
using LocationIndex = osmium::index::map::SparseFileArray<osmium::unsigned_object_id_type, osmium::Location>;

QString text(const osmium::TagList &tags, const char *key)
{
    return QString::fromUtf8(tags.get_value_by_key(key, "")).trimmed();
}

QString firstOf(const osmium::TagList &tags, const char *key, const char *otherKey)
{
    const QString value = text(tags, key);
    return value.isEmpty() ? text(tags, otherKey) : value;
}

class Collector : public osmium::handler::Handler
{
public:
    Collector(const OsmReader::Sink &sink, const OsmReader::StreetSink &streets, OsmInterpolation &interpolation)
        : m_sink(sink), m_streetSink(streets), m_interpolation(interpolation)
    { }

    void node(const osmium::Node &node)
    {
        m_interpolation.noteNode(node);
        const osmium::Location location = node.location();
        handle(node, location.valid(), location.valid() ? location.lat() : 0, location.valid() ? location.lon() : 0);
    }

    void way(const osmium::Way &way)
    {
        if (OsmStreets::isStreet(way.tags())) {
            const hx::platform::places::GazetteerStreet line = m_streets.line(way);
            if (m_streetSink && !line.path.isEmpty())
                m_streetSink(QStringLiteral("way/%1").arg(way.id()), line);
        }
        if (OsmInterpolation::isInterpolation(way)) {
            for (const OsmReader::Element &element : m_interpolation.addresses(way))
                m_sink(element);
        }
        if (!isWanted(way.tags()))
            return;
        const osmium::WayNodeList &nodes = way.nodes();
        // A closed way repeats its first node at the end; counting it twice would pull the centre.
        const size_t count = nodes.size() > 1 && way.is_closed() ? nodes.size() - 1 : nodes.size();
        double latitude = 0;
        double longitude = 0;
        int placed = 0;
        for (size_t i = 0; i < count; ++i) {
            const osmium::Location location = nodes[i].location();
            if (!location.valid())
                continue;
            latitude += location.lat();
            longitude += location.lon();
            ++placed;
        }
        handle(way, placed > 0, placed > 0 ? latitude / placed : 0, placed > 0 ? longitude / placed : 0);
    }

private:
    static bool isPointOfInterest(const osmium::TagList &tags)
    {
        return tags.has_key("name")
            && OsmCategories::isPointOfInterest([&tags](const char *key) { return tags.get_value_by_key(key); });
    }

    static bool isAddress(const osmium::TagList &tags)
    {
        return tags.has_key("addr:housenumber") && tags.has_key("addr:street");
    }

    static bool isWanted(const osmium::TagList &tags) { return isPointOfInterest(tags) || isAddress(tags); }

    void handle(const osmium::OSMObject &object, bool placed, double latitude, double longitude)
    {
        const osmium::TagList &tags = object.tags();
        if (!isWanted(tags))
            return;
        OsmReader::Element element;
        element.label
            = QStringLiteral("%1/%2").arg(QLatin1String(osmium::item_type_to_name(object.type()))).arg(object.id());
        if (!placed) {
            element.error = QStringLiteral("no position");
            m_sink(element);
            return;
        }
        GazetteerEntry &entry = element.entry;
        if (isAddress(tags)) {
            entry.street = text(tags, "addr:housenumber") + QLatin1Char(' ') + text(tags, "addr:street");
            m_streets.noteAddress(entry, text(tags, "addr:street"));
        }
        entry.city = text(tags, "addr:city");
        entry.postalCode = text(tags, "addr:postcode");
        entry.countryCode = text(tags, "addr:country").toUpper();
        entry.latitude = latitude;
        entry.longitude = longitude;
        if (isPointOfInterest(tags)) {
            entry.kind = GazetteerEntry::PointOfInterest;
            entry.name = text(tags, "name");
            entry.category = OsmCategories::categoryOf([&tags](const char *key) { return tags.get_value_by_key(key); });
            entry.phone = firstOf(tags, "phone", "contact:phone");
            entry.url = firstOf(tags, "website", "contact:website");
            entry.email = firstOf(tags, "email", "contact:email");
        } else {
            entry.kind = GazetteerEntry::Address;
            entry.name = entry.street;
        }
        // Damaged tags can leave nothing to name the place by; the writer's own rules say so.
        element.error = hx::platform::places::GazetteerWriter::validate(entry);
        m_sink(element);
    }

public:
    void finish()
    {
        for (const OsmReader::Element &element : m_streets.records())
            m_sink(element);
    }

private:
    const OsmReader::Sink &m_sink;
    const OsmReader::StreetSink &m_streetSink;
    OsmInterpolation &m_interpolation;
    OsmStreets m_streets;
};

// The first reading: which nodes end interpolation ways.
class InterpolationEnds : public osmium::handler::Handler
{
public:
    explicit InterpolationEnds(OsmInterpolation &interpolation) : m_interpolation(interpolation) { }
    void way(const osmium::Way &way) { m_interpolation.noteEnds(way); }

private:
    OsmInterpolation &m_interpolation;
};
} // namespace

QString OsmReader::withoutBadElements(const QString &path, const Sink &sink, QTemporaryFile *cleaned, QString *error)
{
    // Only plain XML can carry attributes the reader chokes on; the binary form has numbers.
    if (QFileInfo(path).suffix().toLower() != QLatin1String("osm"))
        return path;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return path; // the reader says why
    QList<OsmXmlCheck::Rejected> rejected;
    const QByteArray data = file.readAll();
    const QByteArray kept = OsmXmlCheck::withoutBadElements(data, &rejected);
    if (rejected.isEmpty())
        return path;
    for (const OsmXmlCheck::Rejected &bad : qAsConst(rejected)) {
        Element element;
        element.label = bad.label;
        element.error = bad.reason;
        sink(element);
    }
    if (!cleaned->open() || cleaned->write(kept) != kept.size() || !cleaned->flush()) {
        *error = cleaned->errorString();
        return QString();
    }
    return cleaned->fileName();
}

bool OsmReader::read(const QString &path, const Sink &sink, const Progress &progress, QString *error,
                     const StreetSink &streets)
{
    // The node positions go to a temporary file of ours: the index's own would stay open after
    // the read, one descriptor per extract.
    QTemporaryFile positions;
    if (!positions.open()) {
        *error = positions.errorString();
        return false;
    }
    QTemporaryFile cleaned(QDir::tempPath() + QStringLiteral("/places-import-XXXXXX.osm"));
    const QString readPath = withoutBadElements(path, sink, &cleaned, error);
    if (readPath.isEmpty())
        return false;
    // libosmium reports unreadable input by exception; it ends here as an error value.
    try {
        const osmium::io::File file(readPath.toStdString());
        OsmInterpolation interpolation;
        {
            osmium::io::Reader ways(file, osmium::osm_entity_bits::way);
            InterpolationEnds ends(interpolation);
            osmium::apply(ways, ends);
            ways.close();
        }
        osmium::io::Reader reader(file, osmium::osm_entity_bits::node | osmium::osm_entity_bits::way);
        LocationIndex index(positions.handle());
        osmium::handler::NodeLocationsForWays<LocationIndex> locations(index);
        locations.ignore_errors(); // a way whose nodes lie outside the extract keeps the others
        Collector collector(sink, streets, interpolation);
        while (osmium::memory::Buffer buffer = reader.read()) {
            osmium::apply(buffer, locations, collector);
            progress(qint64(reader.offset()), qint64(reader.file_size()));
        }
        reader.close();
        collector.finish();
    } catch (const std::exception &exception) {
        *error = QString::fromUtf8(exception.what());
        return false;
    }
    return true;
}
