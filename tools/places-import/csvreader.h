#ifndef HX_TOOLS_CSVREADER_H
#define HX_TOOLS_CSVREADER_H

#include <QtCore/QByteArray>
#include <QtCore/QStringList>

#include <functional>

#include "importrecord.h"

// Comma-separated values with a header row: quoted fields may hold commas, doubled quotes and
// line breaks; each record is reported with the line it starts on.
class CsvReader
{
public:
    using Sink = std::function<void(const ImportRecord &record, qint64 bytesRead)>;

    // False with *error when the text has no usable header.
    static bool read(const QByteArray &data, const Sink &sink, QString *error);

private:
    static void reportSwallowedLines(QByteArray text, int firstLine, const Sink &sink, qint64 position);
    static QList<QByteArray> nextRecord(const QByteArray &data, int *position, int *line, bool *unterminated);
};

#endif
