#include <hx/platform/places/gazetteer.h>

#include <QtCore/QStringList>

#include <algorithm>

#include "gazetteertext_p.h"
#include "localityfallback_p.h"
#include "streetwords_p.h"

namespace hx {
namespace platform {
namespace places {

namespace {
// A town's name is rarely longer; and only the end of an address names the town.
constexpr int LongestName = 4;
constexpr int WordsConsidered = 10;
// Every town of one name that an exact lookup can return.
constexpr int SameNameLimit = 64;

bool hasDigit(const QString &word)
{
    return std::any_of(word.cbegin(), word.cend(), [](QChar c) { return c.isDigit(); });
}

// A word after the town's name must say where the town is: its region, country or their codes
// (a code whole, a name from its third letter), or a postal code. A street word never does: "St N"
// is no "States, North".
bool explainsTown(const QString &word, const QStringList &townWords)
{
    if (hasDigit(word))
        return true;
    if (StreetWords::isStreetWord(word))
        return false;
    return std::any_of(townWords.cbegin(), townWords.cend(), [&word](const QString &townWord) {
        return townWord == word || (word.size() >= 3 && townWord.startsWith(word));
    });
}

struct Match
{
    GazetteerEntry entry;
    int explained = 0;
    int start = 0;
};

bool isBetter(const Match &a, const Match &b, bool near)
{
    if (a.explained != b.explained)
        return a.explained > b.explained;
    if (a.start != b.start)
        return a.start > b.start;
    if (near && a.entry.distanceMetres != b.entry.distanceMetres)
        return a.entry.distanceMetres < b.entry.distanceMetres;
    return a.entry.id < b.entry.id; // ids run in descending importance
}
} // namespace

GazetteerEntry LocalityFallback::find(const Gazetteer &gazetteer, const QString &text, double nearLatitude,
                                      double nearLongitude)
{
    QStringList words = GazetteerText::foldedWords(text);
    words = words.mid(qMax(0, words.size() - WordsConsidered));
    const bool near = !qIsNaN(nearLatitude) && !qIsNaN(nearLongitude);
    Match best;
    best.entry.id = -1;
    for (int start = words.size() - 1; start >= 0; --start) {
        for (int length = 1; length <= LongestName && start + length <= words.size(); ++length) {
            const QStringList nameWords = words.mid(start, length);
            if (length == 1
                && (hasDigit(nameWords.first()) || nameWords.first().size() < 2
                    || StreetWords::isStreetWord(nameWords.first())))
                continue;
            const QString key = nameWords.join(QLatin1Char(' '));
            const QStringList after = words.mid(start + length);
            for (const GazetteerEntry &town :
                 gazetteer.search(key, GazetteerEntry::Locality, nearLatitude, nearLongitude, 0, SameNameLimit)) {
                if (GazetteerText::foldedKey(town.name) != key)
                    break; // exact names come first
                const QStringList townWords = GazetteerText::foldedWords(
                    QStringList { town.region, town.regionCode, town.country, town.countryCode }.join(
                        QLatin1Char(' ')));
                if (!std::all_of(after.cbegin(), after.cend(),
                                 [&townWords](const QString &word) { return explainsTown(word, townWords); }))
                    continue;
                const Match match { town, length + int(after.size()), start };
                if (best.entry.id < 0 || isBetter(match, best, near))
                    best = match;
            }
        }
    }
    return best.entry;
}

} // namespace places
} // namespace platform
} // namespace hx
