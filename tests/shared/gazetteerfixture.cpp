#include "gazetteerfixture.h"

#include <hx/platform/places/gazetteerwriter.h>

#include <QtCore/QDebug>

namespace hx {
namespace test {

using platform::places::GazetteerEntry;
using platform::places::GazetteerWriter;

GazetteerEntry GazetteerFixture::entry(GazetteerEntry::Kind kind, const QString &name, double latitude,
                                       double longitude, double importance)
{
    GazetteerEntry made;
    made.kind = kind;
    made.name = name;
    made.latitude = latitude;
    made.longitude = longitude;
    made.importance = importance;
    return made;
}

GazetteerEntry GazetteerFixture::poi(const QString &name, double latitude, double longitude, const QString &category,
                                     double importance)
{
    GazetteerEntry made = entry(GazetteerEntry::PointOfInterest, name, latitude, longitude, importance);
    made.category = category;
    return made;
}

bool GazetteerFixture::write(const QString &path, const QList<GazetteerEntry> &entries)
{
    GazetteerWriter writer(path);
    if (!writer.begin(GazetteerWriter::Replace))
        return false;
    for (const GazetteerEntry &entry : entries) {
        if (!writer.add(entry)) {
            qWarning() << "GazetteerFixture: entry refused:" << entry.name << writer.errorString();
            return false;
        }
    }
    return writer.commit();
}

} // namespace test
} // namespace hx
