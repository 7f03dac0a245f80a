#ifndef HX_PLATFORM_PLACES_CATEGORYWORDS_P_H
#define HX_PLATFORM_PLACES_CATEGORYWORDS_P_H

#include <QtCore/QString>

namespace hx {
namespace platform {
namespace places {

// The words people type for a kind of place instead of its name ("cafe", "essence"), and the
// point-of-interest category code each stands for, so that a search for the word can list the
// places of that category around the user.
class CategoryWords
{
public:
    // The category code the whole text names, compared folded ("Café" is "cafe"); empty when
    // the text is not such a word.
    static QString codeOf(const QString &text);
};

} // namespace places
} // namespace platform
} // namespace hx

#endif
