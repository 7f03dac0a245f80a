#ifndef HX_PLATFORM_PLACES_GAZETTEERREVIEWS_P_H
#define HX_PLATFORM_PLACES_GAZETTEERREVIEWS_P_H

#include <hx/platform/places/gazetteerreview.h>

#include <QtCore/QList>

namespace hx {
namespace platform {
namespace places {

class GazetteerPrivate;

// The reviews of the gazetteer's points of interest, from their own table.
class GazetteerReviews
{
public:
    explicit GazetteerReviews(GazetteerPrivate &gazetteer) : m_gazetteer(gazetteer) { }

    // Files written before reviews existed have none; that is not damage.
    void prepare();
    // Newest first.
    QList<GazetteerReview> of(qint64 entryId);

private:
    GazetteerPrivate &m_gazetteer;
    bool m_available = false;
};

} // namespace places
} // namespace platform
} // namespace hx

#endif
