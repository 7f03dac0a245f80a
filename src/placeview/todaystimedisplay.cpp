#include <hx/trellan/places/todaystimedisplay.h>

#include <hx/system/localehandler.h>
#include <hx/utility/i18n/customdateformatter.h>

#include <QtCore/QStringList>

using hx::platform::places::TimeRange;

namespace hx {
namespace trellan {
namespace places {

namespace {

// An end of 24:00 is the midnight that closes the day.
QTime clockTime(int hour, int minute)
{
    return QTime(hour % 24, minute);
}

} // namespace

TodaysTimeDisplay::TodaysTimeDisplay(const QList<TimeRange> &ranges, const QDateTime &now, QObject *parent)
    : DetailListValue(format(ranges), false, parent), m_ranges(ranges), m_now(now)
{
    setObjectName(QStringLiteral("TodaysTimeDisplay"));
    auto *locale = new hx::system::LocaleHandler(this);
    connect(locale, &hx::system::LocaleHandler::changed, this, &TodaysTimeDisplay::onLocaleChanged);
}

QString TodaysTimeDisplay::format(const QList<TimeRange> &ranges)
{
    const hx::utility::i18n::CustomDateFormatter formatter(QStringLiteral("hm"));
    QStringList lines;
    for (const TimeRange &range : ranges)
        lines << formatter.format(clockTime(range.startHour(), range.startMinute())) + QStringLiteral(" - ")
                + formatter.format(clockTime(range.endHour(), range.endMinute()));
    return lines.join(QLatin1Char('\n'));
}

void TodaysTimeDisplay::onLocaleChanged()
{
    setText(format(m_ranges));
}

} // namespace places
} // namespace trellan
} // namespace hx
