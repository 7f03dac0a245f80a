#include <hx/trellan/places/todayshours.h>

#include <hx/trellan/enums.h>
#include <hx/trellan/places/todaystimedisplay.h>
#include <hx/trellan/stacklayout.h>

namespace hx {
namespace trellan {
namespace places {

TodaysHours::TodaysHours(const QList<hx::platform::places::TimeRange> &ranges, const QDateTime &now, QObject *parent)
    : Container(parent)
{
    setObjectName(QStringLiteral("TodaysHours"));
    auto *layout = new StackLayout(this);
    layout->setOrientation(LayoutOrientation::LeftToRight);
    setLayout(layout);
    m_display = new TodaysTimeDisplay(ranges, now, this);
    add(m_display);
}

void TodaysHours::setFocusable(bool focusable)
{
    setFocusPolicy(focusable ? FocusPolicy::Touch : FocusPolicy::None);
}

} // namespace places
} // namespace trellan
} // namespace hx
