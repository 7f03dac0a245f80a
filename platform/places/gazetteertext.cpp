#include "gazetteertext_p.h"

#include <QtCore/QVector>

namespace hx {
namespace platform {
namespace places {

namespace {
bool isWordChar(QChar c)
{
    return c.isLetterOrNumber();
}

// Decomposes, drops the combining marks and lowers case (as the tokenizer does, so "ß" stays "ß")
// "É" -> "e", "ﬁ" -> "fi".
QString stripMarksAndCase(const QString &text)
{
    const QString decomposed = text.normalized(QString::NormalizationForm_KD);
    QString out;
    out.reserve(decomposed.size());
    for (const QChar c : decomposed) {
        if (c.category() == QChar::Mark_NonSpacing || c.category() == QChar::Mark_SpacingCombining
            || c.category() == QChar::Mark_Enclosing)
            continue;
        out.append(c);
    }
    return out.toLower();
}
} // namespace

QStringList GazetteerText::foldedWords(const QString &text)
{
    const QString folded = stripMarksAndCase(text);
    QStringList words;
    QString word;
    for (const QChar c : folded) {
        if (isWordChar(c) || c.isSurrogate()) {
            word.append(c);
        } else if (!word.isEmpty()) {
            words.append(word);
            word.clear();
        }
    }
    if (!word.isEmpty())
        words.append(word);
    return words;
}

QString GazetteerText::foldedKey(const QString &text)
{
    return foldedWords(text).join(QLatin1Char(' '));
}

QString GazetteerText::prefixQuery(const QString &text)
{
    QStringList phrases;
    // Split on white space without compiling a pattern on every keystroke.
    const QStringList parts = text.simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (const QString &part : parts) {
        // The tokenizer splits the phrase itself; only its own quote character needs care.
        const QStringList words = foldedWords(part);
        if (words.isEmpty())
            continue;
        phrases.append(QLatin1Char('"') + words.join(QLatin1Char(' ')) + QStringLiteral("\"*"));
    }
    return phrases.join(QLatin1Char(' '));
}

} // namespace places
} // namespace platform
} // namespace hx
