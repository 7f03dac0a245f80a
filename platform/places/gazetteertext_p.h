#ifndef HX_PLATFORM_PLACES_GAZETTEERTEXT_P_H
#define HX_PLATFORM_PLACES_GAZETTEERTEXT_P_H

#include <QtCore/QString>
#include <QtCore/QStringList>

namespace hx {
namespace platform {
namespace places {

// The gazetteer's keys and index terms, shared by its writer and reader. Text is folded by
// TextFolding, as in the user's store, so a name matches the same way in both.
class GazetteerText
{
public:
    // The words of text folded and joined by one space: "Café  O'Connell" -> "cafe o connell".
    static QString foldedKey(const QString &text);
    static QStringList foldedWords(const QString &text);

    // The words of text as typed (split at blanks), each as its folded tokens; words without a
    // letter or digit are dropped. "O'Conn  café" -> [["o", "conn"], ["cafe"]].
    static QList<QStringList> queryWords(const QString &text);

    // What the full-text index holds for a text of an entry of one kind: its folded tokens,
    // each prefixed with the kind's letter ("Café" of a point of interest -> "pcafe"). The
    // kind thus lives inside every term, so a search for some kinds never reads the others.
    static QString indexText(int kind, const QString &text);
    static QChar kindLetter(int kind);
    // The text, case-folded, with "ae", "oe", "ue" and "aa" written as the single letter they
    // stand for without its marks ("koeln" -> "koln", "goeteborg" -> "goteborg").
    static QString withoutLetterPairs(const QString &text);
    // The other names worth keeping beside a name: those that fold to something of their own,
    // neither to the name's key nor to an earlier one's, the first `limit` of them.
    static QStringList distinctOtherNames(const QString &name, const QStringList &otherNames, int limit);
};

} // namespace places
} // namespace platform
} // namespace hx

#endif
