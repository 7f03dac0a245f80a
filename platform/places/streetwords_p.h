#ifndef HX_PLATFORM_PLACES_STREETWORDS_P_H
#define HX_PLATFORM_PLACES_STREETWORDS_P_H

#include <QtCore/QString>
#include <QtCore/QStringList>

namespace hx {
namespace platform {
namespace places {

// How the words of a street address look, for telling an address from the name of a town or a
// place. Words are folded (TextFolding).
class StreetWords
{
public:
    // "street", "st", "rue", "haydnstrasse": a word that says the words around it name a street.
    static bool isStreetWord(const QString &word);
    // "12", "221b": a number on a house, not an ordinal such as "7th" that names a street. The
    // word may also be unfolded plain letters ("221B").
    static bool isHouseNumber(QStringView word);
    // Several words with a house number first or last, or a street word among them.
    static bool looksLikeStreetAddress(const QStringList &words);
    // Whether words after the street's last street word name a place ("…Lane, Atlantis"), not only
    // a direction or a postal code ("…Ave W").
    static bool namesPlaceAfterStreet(const QStringList &words);
    // The words without their house numbers.
    static QStringList withoutHouseNumbers(const QStringList &words);
};

} // namespace places
} // namespace platform
} // namespace hx

#endif
