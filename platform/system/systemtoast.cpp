#include <hx/system/systemtoast.h>
#include <hx/system/systemuibutton.h>

#include <QtCore/QTimer>

#include <atomic>

namespace hx {
namespace system {

namespace {
// 0 means "not set": plain toasts then stay 3 s, toasts with a button 6 s to leave time to
// reach it.
std::atomic<int> defaultToastDuration { 0 };
const int plainDuration = 3000;
const int buttonDuration = 6000;
} // namespace

class SystemToastPrivate
{
public:
    SystemUiButton *button = nullptr;
    SystemUiPosition::Type position = SystemUiPosition::BottomCenter;
    int duration = 0; // 0: the process default
    QTimer timer;
};

SystemToast::SystemToast(QObject *parent) : SystemUiElement(SystemUiRecord::Toast, parent), d(new SystemToastPrivate)
{
    d->button = new SystemUiButton(QString(), this);
    d->button->setResult(SystemUiResult::ButtonSelection);
    adoptButton(d->button);
    d->timer.setSingleShot(true);
    connect(&d->timer, &QTimer::timeout, this, [this] { finish(SystemUiResult::TimeOut); });
}

SystemToast::~SystemToast() = default;

SystemUiButton *SystemToast::button() const
{
    return d->button;
}

SystemUiPosition::Type SystemToast::position() const
{
    return d->position;
}

void SystemToast::setPosition(SystemUiPosition::Type position)
{
    d->position = position;
    contentChanged();
}

int SystemToast::duration() const
{
    if (d->duration > 0)
        return d->duration;
    const int processDefault = defaultToastDuration.load();
    if (processDefault > 0)
        return processDefault;
    return d->button->isShown() ? buttonDuration : plainDuration;
}

void SystemToast::setDuration(int milliseconds)
{
    d->duration = qMax(0, milliseconds);
}

int SystemToast::defaultDuration()
{
    const int processDefault = defaultToastDuration.load();
    return processDefault > 0 ? processDefault : plainDuration;
}

void SystemToast::setDefaultDuration(int milliseconds)
{
    defaultToastDuration.store(qMax(0, milliseconds));
}

void SystemToast::resetDefaultDuration()
{
    defaultToastDuration.store(0);
}

QList<SystemUiButton *> SystemToast::buttons() const
{
    return { d->button };
}

void SystemToast::fillRecord(SystemUiRecord &record) const
{
    record.position = d->position;
}

void SystemToast::shown()
{
    d->timer.start(duration());
}

void SystemToast::closed()
{
    d->timer.stop();
}

} // namespace system
} // namespace hx
