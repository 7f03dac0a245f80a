#include "csvreader.h"

#include <QtCore/QTextCodec>

namespace {
bool decode(const QByteArray &bytes, QString *text)
{
    QTextCodec::ConverterState state;
    *text = QTextCodec::codecForName("UTF-8")->toUnicode(bytes.constData(), bytes.size(), &state);
    return state.invalidChars == 0;
}
} // namespace

void CsvReader::reportSwallowedLines(QByteArray text, int firstLine, const Sink &sink, qint64 position)
{
    // Every line after the open quote went into its field; each is told, not just the first.
    text.replace("\r\n", "\n");
    text.replace('\r', '\n');
    const QList<QByteArray> lines = text.split('\n');
    for (int i = 1; i < lines.size(); ++i) {
        if (lines.at(i).trimmed().isEmpty())
            continue;
        ImportRecord swallowed;
        swallowed.line = firstLine + i;
        swallowed.error = QStringLiteral("inside the quoted field left open on line %1").arg(firstLine);
        sink(swallowed, position);
    }
}

QList<QByteArray> CsvReader::nextRecord(const QByteArray &data, int *position, int *line, bool *unterminated)
{
    QList<QByteArray> fields;
    QByteArray current;
    bool quoted = false;
    bool fieldStarted = false;
    int i = *position;
    for (; i < data.size(); ++i) {
        const char c = data.at(i);
        if (quoted) {
            if (c == '"' && i + 1 < data.size() && data.at(i + 1) == '"') {
                current.append('"');
                ++i;
            } else if (c == '"') {
                quoted = false;
            } else {
                if (c == '\n' || (c == '\r' && (i + 1 >= data.size() || data.at(i + 1) != '\n')))
                    ++*line;
                current.append(c);
            }
        } else if (c == '"' && !fieldStarted) {
            quoted = true;
            fieldStarted = true;
        } else if (c == ',') {
            fields.append(current);
            current.clear();
            fieldStarted = false;
        } else if (c == '\n' || (c == '\r' && (i + 1 >= data.size() || data.at(i + 1) != '\n'))) {
            // A lone carriage return ends a line too, as files from old systems have it.
            ++*line;
            ++i;
            break;
        } else if (c != '\r') {
            current.append(c);
            fieldStarted = true;
        }
    }
    *unterminated = quoted;
    fields.append(current);
    *position = i;
    return fields;
}

bool CsvReader::read(const QByteArray &input, const Sink &sink, QString *error)
{
    QByteArray data = input;
    int position = data.startsWith("\xEF\xBB\xBF") ? 3 : 0;
    int line = 1;
    bool unterminated = false;
    QStringList header;
    for (const QByteArray &name : nextRecord(data, &position, &line, &unterminated)) {
        // The name would end at the NUL byte and pass for another column.
        if (name.contains('\0')) {
            *error = QStringLiteral("line 1: a NUL byte in the header row");
            return false;
        }
        const QString column = QString::fromUtf8(name).trimmed().toLower();
        // Two columns of one name would leave one of them unread without a word; blank ones
        // (a spreadsheet's trailing commas) are read by no one anyway.
        if (!column.isEmpty() && header.contains(column)) {
            *error = QStringLiteral("line 1: the header row names the column \"%1\" twice").arg(column);
            return false;
        }
        header.append(column);
    }
    // Every row after it would be read into the header without a word.
    if (unterminated) {
        *error = QStringLiteral("line 1: a quoted field of the header row is not closed");
        return false;
    }
    if (!header.contains(QStringLiteral("name"))) {
        *error = QStringLiteral("the header row has no \"name\" column");
        return false;
    }
    while (position < data.size()) {
        ImportRecord record;
        record.line = line;
        const int start = position;
        const QList<QByteArray> values = nextRecord(data, &position, &line, &unterminated);
        if (values.size() == 1 && values.first().trimmed().isEmpty())
            continue; // a blank line
        if (unterminated) {
            record.error = QStringLiteral("a quoted field is not closed");
            sink(record, position);
            reportSwallowedLines(data.mid(start, position - start), record.line, sink, position);
            continue;
        }
        if (values.size() != header.size())
            record.error = QStringLiteral("%1 fields where the header has %2").arg(values.size()).arg(header.size());
        for (int i = 0; record.error.isEmpty() && i < values.size(); ++i) {
            QString text;
            if (values.at(i).contains('\0'))
                record.error = QStringLiteral("a NUL byte in column \"%1\"").arg(header.at(i));
            else if (!decode(values.at(i), &text))
                record.error = QStringLiteral("invalid UTF-8 in column \"%1\"").arg(header.at(i));
            record.fields.insert(header.at(i), text);
        }
        sink(record, position);
    }
    return true;
}
