#include "distancetext.h"

#include <hx/trellan/label.h>
#include <hx/trellan/places/distance.h>

DistanceText::DistanceText() : m_distance(new hx::trellan::places::Distance)
{
    m_label = m_distance->findChild<hx::trellan::Label *>(QStringLiteral("Distance"));
}

DistanceText::~DistanceText() = default;

QString DistanceText::between(const hx::platform::places::Coordinates &from,
                              const hx::platform::places::Coordinates &to)
{
    m_distance->setDistance(from, to);
    if (!m_label || !m_distance->isVisible())
        return QString();
    return m_label->text();
}
