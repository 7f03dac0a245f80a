#ifndef HX_TRELLAN_PLACES_TODAYSHOURS_H
#define HX_TRELLAN_PLACES_TODAYSHOURS_H

#include <hx/trellan/places/hxplacesglobal.h>

#include <hx/trellan/container.h>

#include <QtCore/QDateTime>
#include <QtCore/QList>
#include <hx/platform/places/timerange.h>

namespace hx {
namespace trellan {
namespace places {

class TodaysTimeDisplay;

// The value of the today's-hours row: the times the place is open today.
class HXPLACES_EXPORT TodaysHours : public hx::trellan::Container
{
    Q_OBJECT
public:
    TodaysHours(const QList<hx::platform::places::TimeRange> &ranges, const QDateTime &now, QObject *parent = nullptr);

    void setFocusable(bool focusable);
    TodaysTimeDisplay *display() const { return m_display; }

private:
    TodaysTimeDisplay *m_display;
};

} // namespace places
} // namespace trellan
} // namespace hx

#endif
