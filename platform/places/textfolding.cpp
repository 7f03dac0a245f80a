#include <QtCore/QVector>

#include <algorithm>

#include "textfolding_p.h"

namespace hx {
namespace platform {
namespace places {

namespace {
bool isMark(uint codePoint)
{
    const QChar::Category category = QChar::category(codePoint);
    return category == QChar::Mark_NonSpacing || category == QChar::Mark_SpacingCombining
        || category == QChar::Mark_Enclosing;
}

void appendCodePoint(QString *text, uint codePoint)
{
    if (QChar::requiresSurrogates(codePoint)) {
        text->append(QChar(QChar::highSurrogate(codePoint)));
        text->append(QChar(QChar::lowSurrogate(codePoint)));
    } else {
        text->append(QChar(codePoint));
    }
}

// Nothing in ASCII decomposes or carries a mark, and its case folds letter to letter; names
// typed and stored are mostly ASCII, and every keystroke folds a few hundred of them.
QString asciiFolded(const QString &text)
{
    QString folded = text;
    QChar *c = nullptr;
    for (int i = 0; i < text.size(); ++i) {
        const ushort u = text.at(i).unicode();
        if (u < 'A' || u > 'Z')
            continue;
        if (!c)
            c = folded.data();
        c[i] = QChar(u + ('a' - 'A'));
    }
    return folded;
}

bool isAsciiLetterOrDigit(QChar c)
{
    const ushort u = c.unicode();
    return (u >= 'a' && u <= 'z') || (u >= '0' && u <= '9');
}
} // namespace

bool TextFolding::isAscii(QStringView text)
{
    return std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c.unicode() < 0x80; });
}

QString TextFolding::fold(const QString &text)
{
    if (isAscii(text))
        return asciiFolded(text);
    const QVector<uint> decomposed = text.normalized(QString::NormalizationForm_KD).toUcs4();
    QString stripped;
    stripped.reserve(decomposed.size());
    for (const uint codePoint : decomposed) {
        if (!isMark(codePoint))
            appendCodePoint(&stripped, codePoint);
    }
    // Qt folds case one character to one; the sharp s is the one full folding that matters to
    // names ("Straße" is written "Strasse" too), and its capital folds to it first.
    QString folded = stripped.toCaseFolded();
    folded.replace(QChar(0x00DF), QLatin1String("ss"));
    return folded;
}

QStringList TextFolding::words(const QString &text)
{
    QStringList words;
    if (isAscii(text)) {
        const QString folded = asciiFolded(text);
        int start = -1;
        for (int i = 0; i <= folded.size(); ++i) {
            const bool inWord = i < folded.size() && isAsciiLetterOrDigit(folded.at(i));
            if (inWord && start < 0)
                start = i;
            else if (!inWord && start >= 0) {
                words.append(folded.mid(start, i - start));
                start = -1;
            }
        }
        return words;
    }
    QString current;
    for (const uint codePoint : fold(text).toUcs4()) {
        if (QChar::isLetterOrNumber(codePoint)) {
            appendCodePoint(&current, codePoint);
        } else if (!current.isEmpty()) {
            words.append(current);
            current.clear();
        }
    }
    if (!current.isEmpty())
        words.append(current);
    return words;
}

bool TextFolding::matchesAll(const QStringList &queryWords, const QStringList &words)
{
    for (const QString &query : queryWords) {
        bool found = false;
        for (const QString &word : words) {
            if (word.startsWith(query)) {
                found = true;
                break;
            }
        }
        if (!found)
            return false;
    }
    return true;
}

} // namespace places
} // namespace platform
} // namespace hx
