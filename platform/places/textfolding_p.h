#ifndef HX_PLATFORM_PLACES_TEXTFOLDING_P_H
#define HX_PLATFORM_PLACES_TEXTFOLDING_P_H

#include <QtCore/QString>
#include <QtCore/QStringList>

namespace hx {
namespace platform {
namespace places {

// The one folding of the store and the gazetteer, so a name that matches in one matches in the
// other: compatibility decomposition, diacritics dropped, full case folding ("Café" -> "cafe",
// "Straße" -> "strasse", "İ" -> "i", final sigma -> sigma), by code point, so letters outside the
// basic plane fold too. Words are runs of letters and digits; anything else (signs, emoji)
// separates them, as in the gazetteer's full-text tokenizer.
class TextFolding
{
public:
    // Files whose stored keys were folded otherwise must be folded again.
    static constexpr int Version = 2;

    // Plain ASCII folds to itself but for its case.
    static bool isAscii(QStringView text);
    static QString fold(const QString &text);
    static QStringList words(const QString &text);
    // True when every query word is a prefix of some word of the haystack words.
    static bool matchesAll(const QStringList &queryWords, const QStringList &words);
};

} // namespace places
} // namespace platform
} // namespace hx

#endif
