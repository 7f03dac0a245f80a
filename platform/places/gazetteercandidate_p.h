#ifndef HX_PLATFORM_PLACES_GAZETTEERCANDIDATE_P_H
#define HX_PLATFORM_PLACES_GAZETTEERCANDIDATE_P_H

#include <QtCore/QString>
#include <QtCore/QVector>
#include <QtCore/QtGlobal>

namespace hx {
namespace platform {
namespace places {

// A match before the final ordering: just what ranking needs, the full entry comes later.
struct GazetteerCandidate
{
    qint64 id = -1;
    double latitude = 0;
    double longitude = 0;
    bool hasPosition = false;
    double importance = 0;
    int tier = 0;
    double distance = 0; // metres from a nearest lookup or from the search position when ranked
    double score = 0; // of importance and distance when ranked; higher first
    QString foundAs; // the other name that matched, when it matched better than the place's own
};

using GazetteerCandidates = QVector<GazetteerCandidate>;

} // namespace places
} // namespace platform
} // namespace hx

#endif
