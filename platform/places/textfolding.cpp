#include <QtCore/QVector>

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
} // namespace

QString TextFolding::fold(const QString &text)
{
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
