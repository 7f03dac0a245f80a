#include <hx/trellan/places/placemanagerui.h>
#include <hx/trellan/places/placeutils.h>

namespace hx {
namespace trellan {
namespace places {

void PlaceUtils::showErrorMessageOnCondition(hx::platform::places::Error::Type error, QDateTime &lastTime,
                                             hx::platform::places::Error::Type &lastError)
{
    // A list model reports its error again on every keystroke; the same error once a minute is
    // enough for the user.
    const QDateTime now = QDateTime::fromSecsSinceEpoch(PlaceManagerUI::currentTime());
    if (error == lastError && lastTime.isValid() && lastTime.secsTo(now) < 61)
        return;
    PlaceManagerUI::showErrorDialog(error, -1);
    lastError = error;
    lastTime = now;
}

} // namespace places
} // namespace trellan
} // namespace hx
