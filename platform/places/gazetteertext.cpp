#include "gazetteertext_p.h"

#include <hx/platform/places/gazetteerentry.h>

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

QList<QStringList> GazetteerText::queryWords(const QString &text)
{
    QList<QStringList> words;
    const QStringList parts = text.split(QRegExp(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
    for (const QString &part : parts) {
        const QStringList tokens = foldedWords(part);
        if (!tokens.isEmpty())
            words.append(tokens);
    }
    return words;
}

QChar GazetteerText::kindLetter(int kind)
{
    switch (kind) {
    case GazetteerEntry::Country:
        return QLatin1Char('c');
    case GazetteerEntry::Region:
        return QLatin1Char('r');
    case GazetteerEntry::Locality:
        return QLatin1Char('l');
    case GazetteerEntry::Address:
        return QLatin1Char('a');
    default:
        return QLatin1Char('p');
    }
}

QString GazetteerText::indexText(int kind, const QString &text)
{
    const QChar letter = kindLetter(kind);
    QStringList tokens = foldedWords(text);
    for (QString &token : tokens)
        token.prepend(letter);
    return tokens.join(QLatin1Char(' '));
}

} // namespace places
} // namespace platform
} // namespace hx
