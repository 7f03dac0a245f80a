#include "gazetteertext_p.h"

#include <hx/platform/places/gazetteerentry.h>

#include <QtCore/QRegExp>
#include <QtCore/QSet>

#include "textfolding_p.h"

namespace hx {
namespace platform {
namespace places {

QStringList GazetteerText::foldedWords(const QString &text)
{
    return TextFolding::words(text);
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

QString GazetteerText::withoutLetterPairs(const QString &text)
{
    QString plain = text.toCaseFolded();
    plain.replace(QLatin1String("ae"), QLatin1String("a"));
    plain.replace(QLatin1String("oe"), QLatin1String("o"));
    plain.replace(QLatin1String("ue"), QLatin1String("u"));
    plain.replace(QLatin1String("aa"), QLatin1String("a"));
    return plain == text.toCaseFolded() ? text : plain;
}

QStringList GazetteerText::distinctOtherNames(const QString &name, const QStringList &otherNames, int limit)
{
    QSet<QString> keys { foldedKey(name) };
    QStringList kept;
    for (const QString &other : otherNames) {
        const QString key = foldedKey(other);
        if (kept.size() >= limit)
            break;
        if (key.isEmpty() || keys.contains(key))
            continue;
        keys.insert(key);
        kept.append(other.trimmed());
    }
    return kept;
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
    case GazetteerEntry::Neighbourhood:
        return QLatin1Char('n');
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
