#ifndef HX_PLATFORM_PLACES_GAZETTEERREVIEW_H
#define HX_PLATFORM_PLACES_GAZETTEERREVIEW_H

#include <QtCore/QString>
#include <QtCore/QtNumeric>

namespace hx {
namespace platform {
namespace places {

// One review of a point of interest in a gazetteer file, as the rating service would give it.
class GazetteerReview
{
public:
    // Which point of interest, when writing: the one with this name (case and diacritics
    // folded), the nearest to the position when one is given, else the most important.
    QString placeName;
    double latitude = qQNaN();
    double longitude = qQNaN();

    qint64 entryId = -1; // the reviewed entry, when read
    QString author;
    double rating = qQNaN(); // 0 to 5
    QString text;
    qint64 created = 0; // seconds since the epoch
    QString imageUrl; // http(s) or file; may be empty
    QString pageUrl; // the review's page on the rating service; may be empty
};

} // namespace places
} // namespace platform
} // namespace hx

#endif
