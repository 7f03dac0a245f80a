#ifndef HX_PLATFORM_PLACES_NAMETIER_P_H
#define HX_PLATFORM_PLACES_NAMETIER_P_H

#include <QtCore/QByteArray>
#include <QtCore/QString>
#include <QtCore/QVector>

namespace hx {
namespace platform {
namespace places {

// How well a folded name matches the typed text, read straight from the stored UTF-8 so
// that the hundreds of matches a short prefix yields cost no conversions: 0 exact name,
// 1 the name starts with the text, 2 every word starts a word of the name, 3 some word
// matched only the address or area.
class NameTier
{
public:
    enum Tier { Exact = 0, Start = 1, WordStarts = 2, AddressOnly = 3 };

    explicit NameTier(const QString &key);
    int of(const char *name, int size) const;

private:
    QByteArray m_key;
    QVector<QByteArray> m_words;
};

} // namespace places
} // namespace platform
} // namespace hx

#endif
