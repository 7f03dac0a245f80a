#ifndef HX_TRELLAN_PLACES_TODAYSTIMEDISPLAY_H
#define HX_TRELLAN_PLACES_TODAYSTIMEDISPLAY_H

#include <hx/trellan/places/detaillistvalue.h>

#include <QtCore/QDateTime>
#include <QtCore/QList>
#include <hx/platform/places/timerange.h>

namespace hx {
namespace trellan {
namespace places {

// Today's opening ranges, one "start - end" line each, in the locale's time format; follows
// locale changes.
class HXPLACES_EXPORT TodaysTimeDisplay : public DetailListValue
{
    Q_OBJECT
public:
    TodaysTimeDisplay(const QList<hx::platform::places::TimeRange> &ranges, const QDateTime &now,
                      QObject *parent = nullptr);

    // The lines for these ranges in the current locale.
    static QString format(const QList<hx::platform::places::TimeRange> &ranges);

public slots:
    void onLocaleChanged();

private:
    QList<hx::platform::places::TimeRange> m_ranges;
    QDateTime m_now;
};

} // namespace places
} // namespace trellan
} // namespace hx

#endif
