// Feeds arbitrary bytes to places-import as a CSV file. The reader must refuse a file without a
// usable header with a reason and hand out nothing, or hand out rows in the order of their lines;
// every row it hands out without an error has no NUL byte in it, and every entry made from one
// has a name and, when it has a position, one on the globe.
#include "csvreader.h"

#include <hx/platform/places/gazetteerwriter.h>

#include <QtCore/QLoggingCategory>

#include <cmath>
#include <cstddef>
#include <cstdint>

using hx::platform::places::GazetteerEntry;
using hx::platform::places::GazetteerWriter;

namespace {
// The last line a row can start on: one more than the line breaks (CR LF, LF or a lone CR).
int lastLine(const QByteArray &data)
{
    int breaks = 0;
    for (int i = 0; i < data.size(); ++i) {
        if (data.at(i) == '\n' || (data.at(i) == '\r' && (i + 1 >= data.size() || data.at(i + 1) != '\n')))
            ++breaks;
    }
    return breaks + 1;
}

void check(const ImportRecord &record)
{
    if (!record.error.isEmpty())
        return;
    for (const QString &value : record.fields) {
        if (value.contains(QChar(0)))
            __builtin_trap();
    }
    QString error;
    const GazetteerEntry entry = record.toEntry(GazetteerEntry::PointOfInterest, &error);
    if (!error.isEmpty())
        return;
    if (entry.name.trimmed().isEmpty() || std::isnan(entry.latitude) != std::isnan(entry.longitude))
        __builtin_trap();
    if (!std::isnan(entry.latitude) && (std::fabs(entry.latitude) > 90 || std::fabs(entry.longitude) > 180))
        __builtin_trap();
    // What the reader hands on, the gazetteer takes.
    if (!GazetteerWriter::validate(entry).isEmpty())
        __builtin_trap();
}
} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    QLoggingCategory::setFilterRules(QStringLiteral("*=false"));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *bytes, size_t size)
{
    const QByteArray data(reinterpret_cast<const char *>(bytes), int(size));
    const int last = lastLine(data);
    int previousLine = 1; // the header's
    qint64 previousRead = 0;
    int rows = 0;
    QString error;
    const bool read = CsvReader::read(
        data,
        [&](const ImportRecord &record, qint64 bytesRead) {
            ++rows;
            if (record.line <= previousLine || record.line > last)
                __builtin_trap();
            previousLine = record.line;
            if (bytesRead < previousRead || bytesRead > qint64(size))
                __builtin_trap();
            previousRead = bytesRead;
            check(record);
        },
        &error);
    if (!read && (error.isEmpty() || rows > 0))
        __builtin_trap();
    return 0;
}
