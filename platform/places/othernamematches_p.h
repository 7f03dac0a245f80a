#ifndef HX_PLATFORM_PLACES_OTHERNAMEMATCHES_P_H
#define HX_PLATFORM_PLACES_OTHERNAMEMATCHES_P_H

#include <QtCore/QString>

#include "gazetteercandidate_p.h"

namespace hx {
namespace platform {
namespace places {

class GazetteerPrivate;

// The places found by one of their other names ("Wien", "Москва", "東京"): the first matches of
// a full-text query over the other names, one candidate a place, with the name it was found by.
class OtherNameMatches
{
public:
    explicit OtherNameMatches(GazetteerPrivate &gazetteer) : m_gazetteer(gazetteer) { }

    // False when the file has no other names; the search then goes without them.
    bool prepare();
    // At most limit places in importance order. key is the folded text: an other name equal to it
    // is an exact match once the text is finished.
    GazetteerCandidates find(const QString &query, const QString &key, bool finished, int limit);

private:
    GazetteerPrivate &m_gazetteer;
    bool m_available = false;
};

} // namespace places
} // namespace platform
} // namespace hx

#endif
