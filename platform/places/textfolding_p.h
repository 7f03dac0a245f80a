#ifndef HX_PLATFORM_PLACES_TEXTFOLDING_P_H
#define HX_PLATFORM_PLACES_TEXTFOLDING_P_H

#include <QtCore/QString>
#include <QtCore/QStringList>

namespace hx {
namespace platform {
namespace places {

// Search keys: lower case without diacritics ("Café" and "cafe" meet), cut into words at
// anything that is not a letter or a digit.
class TextFolding
{
public:
    static QString fold(const QString &text);
    static QStringList words(const QString &text);
    // True when every query word is a prefix of some word of the haystack words.
    static bool matchesAll(const QStringList &queryWords, const QStringList &words);
};

} // namespace places
} // namespace platform
} // namespace hx

#endif
