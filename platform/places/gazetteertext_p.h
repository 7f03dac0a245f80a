#ifndef HX_PLATFORM_PLACES_GAZETTEERTEXT_P_H
#define HX_PLATFORM_PLACES_GAZETTEERTEXT_P_H

#include <QtCore/QString>
#include <QtCore/QStringList>

namespace hx {
namespace platform {
namespace places {

// Text folding shared by the gazetteer's writer and reader. It mirrors the full-text tokenizer
// (letters and digits, case and diacritics folded), so that a key computed here compares equal
// to what the index matched.
class GazetteerText
{
public:
    // The words of text folded and joined by one space: "Café  O'Connell" -> "cafe o connell".
    static QString foldedKey(const QString &text);
    static QStringList foldedWords(const QString &text);

    // A full-text query that matches every blank-separated word of text as a prefix. Each word
    // is one quoted phrase, so query syntax in user text ("AND", '"', '*', '^', ':') stays text.
    // Empty when text has no letter or digit.
    static QString prefixQuery(const QString &text);
};

} // namespace places
} // namespace platform
} // namespace hx

#endif
