// Feeds arbitrary bytes to places-import as an OpenStreetMap XML extract. The reader must refuse
// a damaged file with a reason or hand out elements; every element it hands out to be added has
// a name and a position on the globe, and every one it skips says why.
#include "osmreader.h"

#include <hx/platform/places/gazetteerwriter.h>

#include <QtCore/QFile>
#include <QtCore/QLoggingCategory>
#include <QtCore/QTemporaryDir>

#include <cmath>
#include <cstddef>
#include <cstdint>

namespace {
QString g_path;
}

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    QLoggingCategory::setFilterRules(QStringLiteral("*=false"));
    static QTemporaryDir folder;
    g_path = folder.filePath(QStringLiteral("extract.osm"));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QFile file(g_path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return 0;
    file.write(reinterpret_cast<const char *>(data), qint64(size));
    file.close();
    QString error;
    const bool read = OsmReader::read(
        g_path,
        [](const OsmReader::Element &element) {
            if (element.label.isEmpty())
                __builtin_trap();
            if (!element.error.isEmpty())
                return;
            const auto &entry = element.entry;
            if (entry.name.isEmpty() || !std::isfinite(entry.latitude) || !std::isfinite(entry.longitude)
                || std::fabs(entry.latitude) > 90 || std::fabs(entry.longitude) > 180)
                __builtin_trap();
            // What the reader hands on, the gazetteer takes.
            if (!hx::platform::places::GazetteerWriter::validate(entry).isEmpty())
                __builtin_trap();
        },
        [](qint64, qint64) {}, &error);
    if (!read && error.isEmpty())
        __builtin_trap();
    return 0;
}
