#include "othernamesfile.h"

#include <QtCore/QFile>
#include <QtCore/QTextStream>

#include <algorithm>

namespace {
// Column numbers of the GeoNames table.
constexpr int IdColumn = 0;
constexpr int NameColumn = 1;
constexpr int AsciiNameColumn = 2;
constexpr int AlternateNamesColumn = 3;
// Codes are short and all capitals: "MUC", "EDDM", "NYC".
constexpr int LongestCode = 4;

bool isLatinLetter(QChar c)
{
    return c.isLetter() && c.unicode() < 0x250;
}

// "City of" in two languages written before nearly every big town's name, not a name of its own.
bool isTownWordFirst(const QString &name)
{
    return name.startsWith(QLatin1String("Gorad ")) || name.startsWith(QLatin1String("Lungsod ng "));
}

// An apostrophe between small letters or after one at the end stands for a soft or hard sign
// ("Kel'n", "Viden'"); in names people write it comes before a capital ("L'Aquila").
bool hasSignApostrophe(const QString &name)
{
    for (int i = 1; i < name.size(); ++i) {
        if (name.at(i) != QLatin1Char('\'') || !name.at(i - 1).isLower())
            continue;
        if (i + 1 == name.size() || name.at(i + 1).isLower())
            return true;
    }
    return false;
}
} // namespace

bool OtherNamesFile::isTyped(const QString &name)
{
    if (name.trimmed().isEmpty() || isTownWordFirst(name) || hasSignApostrophe(name))
        return false;
    // A name and its transliteration joined by a dash ("Toquio - 東京"); each is listed alone too.
    if (name.contains(QLatin1String(" - ")))
        return false;
    static const QString marks = QStringLiteral("0123456789=~\"/@:");
    if (std::any_of(name.cbegin(), name.cend(), [](QChar c) { return marks.contains(c) || c.isDigit(); }))
        return false;
    const bool latin = std::any_of(name.cbegin(), name.cend(), isLatinLetter);
    const bool hasCapital = std::any_of(name.cbegin(), name.cend(), [](QChar c) { return c.isUpper(); });
    const bool hasSmall = std::any_of(name.cbegin(), name.cend(), [](QChar c) { return c.isLower(); });
    // Machine transliterations are written all in small letters, codes all in capitals.
    if (latin && !hasCapital)
        return false;
    return !(latin && !hasSmall && name.size() <= LongestCode);
}

bool OtherNamesFile::read(const QString &path, QHash<qint64, QStringList> *names, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        *error = QStringLiteral("%1: %2").arg(path, file.errorString());
        return false;
    }
    QTextStream in(&file);
    in.setCodec("UTF-8");
    QString line;
    while (in.readLineInto(&line)) {
        const QStringList columns = line.split(QLatin1Char('\t'));
        bool ok = false;
        const qint64 id = columns.value(IdColumn).toLongLong(&ok);
        if (!ok || columns.size() <= AlternateNamesColumn)
            continue;
        // The table's own names first: they are the ones most people write.
        QStringList kept { columns.at(NameColumn), columns.at(AsciiNameColumn) };
        for (const QString &name : columns.at(AlternateNamesColumn).split(QLatin1Char(','), Qt::SkipEmptyParts)) {
            if (isTyped(name))
                kept.append(name.trimmed());
        }
        names->insert(id, kept);
    }
    return true;
}
