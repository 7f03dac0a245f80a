#ifndef HXPLACES_DISTANCETEXT_H
#define HXPLACES_DISTANCETEXT_H

#include <hx/platform/places/coordinates.h>

#include <QtCore/QScopedPointer>
#include <QtCore/QString>

namespace hx {
namespace trellan {
class Label;
namespace places {
class Distance;
}
} // namespace trellan
} // namespace hx

// What the phone's distance label shows for a place ("1.5 km", "984 ft"), in the unit of
// measure the user chose. One label serves every row: it is set and read in turn.
class DistanceText
{
public:
    DistanceText();
    ~DistanceText();
    DistanceText(const DistanceText &) = delete;
    DistanceText &operator=(const DistanceText &) = delete;

    // Empty when either position is unknown (the label hides itself then).
    QString between(const hx::platform::places::Coordinates &from, const hx::platform::places::Coordinates &to);

private:
    QScopedPointer<hx::trellan::places::Distance> m_distance;
    hx::trellan::Label *m_label = nullptr;
};

#endif
