#include <QtCore/QSet>

#include <algorithm>

#include "streetwords_p.h"

namespace hx {
namespace platform {
namespace places {

bool StreetWords::isStreetWord(const QString &word)
{
    static const QSet<QString> words = {
        QStringLiteral("street"),    QStringLiteral("st"),     QStringLiteral("road"),     QStringLiteral("rd"),
        QStringLiteral("avenue"),    QStringLiteral("ave"),    QStringLiteral("av"),       QStringLiteral("drive"),
        QStringLiteral("dr"),        QStringLiteral("lane"),   QStringLiteral("ln"),       QStringLiteral("way"),
        QStringLiteral("place"),     QStringLiteral("pl"),     QStringLiteral("court"),    QStringLiteral("ct"),
        QStringLiteral("boulevard"), QStringLiteral("blvd"),   QStringLiteral("crescent"), QStringLiteral("cres"),
        QStringLiteral("highway"),   QStringLiteral("hwy"),    QStringLiteral("terrace"),  QStringLiteral("parkway"),
        QStringLiteral("rue"),       QStringLiteral("chemin"), QStringLiteral("allee"),    QStringLiteral("impasse"),
        QStringLiteral("strasse"),   QStringLiteral("str"),    QStringLiteral("weg"),      QStringLiteral("gasse"),
        QStringLiteral("via"),       QStringLiteral("calle")
    };
    // German streets are written as one word: "Haydnstraße", "Schwendier Weg".
    return words.contains(word) || (word.size() > 7 && word.endsWith(QLatin1String("strasse")));
}

bool StreetWords::isHouseNumber(QStringView word)
{
    // Up to five digits and a letter; checked as it stands, since most words are no number.
    int digits = 0;
    while (digits < word.size() && word.at(digits) >= QLatin1Char('0') && word.at(digits) <= QLatin1Char('9'))
        ++digits;
    if (digits < 1 || digits > 5)
        return false;
    if (digits == word.size())
        return true;
    const QChar letter = QChar(word.at(digits).unicode() | 0x20);
    return digits + 1 == word.size() && letter >= QLatin1Char('a') && letter <= QLatin1Char('z');
}

bool StreetWords::looksLikeStreetAddress(const QStringList &words)
{
    if (words.size() < 2)
        return false;
    return isHouseNumber(words.first()) || isHouseNumber(words.last())
        || std::any_of(words.cbegin(), words.cend(), isStreetWord);
}

bool StreetWords::namesPlaceAfterStreet(const QStringList &words)
{
    static const QSet<QString> directions
        = { QStringLiteral("n"),     QStringLiteral("s"),     QStringLiteral("e"),    QStringLiteral("w"),
            QStringLiteral("ne"),    QStringLiteral("nw"),    QStringLiteral("se"),   QStringLiteral("sw"),
            QStringLiteral("north"), QStringLiteral("south"), QStringLiteral("east"), QStringLiteral("west"),
            QStringLiteral("nord"),  QStringLiteral("sud"),   QStringLiteral("est"),  QStringLiteral("ouest") };
    int after = words.size();
    for (int i = words.size() - 1; i >= 0; --i) {
        if (isStreetWord(words.at(i))) {
            after = i + 1;
            break;
        }
    }
    for (int i = after; i < words.size(); ++i) {
        const QString &word = words.at(i);
        const bool hasDigit = std::any_of(word.cbegin(), word.cend(), [](QChar c) { return c.isDigit(); });
        if (!hasDigit && !directions.contains(word))
            return true;
    }
    return false;
}

QStringList StreetWords::withoutHouseNumbers(const QStringList &words)
{
    QStringList kept;
    std::copy_if(words.cbegin(), words.cend(), std::back_inserter(kept),
                 [](const QString &word) { return !isHouseNumber(word); });
    return kept;
}

} // namespace places
} // namespace platform
} // namespace hx
