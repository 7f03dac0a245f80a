#include <hx/trellan/activityindicator.h>

namespace hx {
namespace trellan {

ActivityIndicator::ActivityIndicator(QObject *parent) : Control(parent) { }

void ActivityIndicator::setRunning(bool running)
{
    if (m_running == running)
        return;
    m_running = running;
    emit runningChanged(running);
    if (running)
        emit started();
    else
        emit stopped();
}

} // namespace trellan
} // namespace hx
