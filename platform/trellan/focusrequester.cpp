#include <hx/trellan/actionitem.h>
#include <hx/trellan/control.h>
#include <hx/trellan/focusrequester.h>
#include <hx/trellan/virtualkeyboard.h>

#include <QtCore/QPointer>

namespace hx {
namespace trellan {

namespace {
// The screen's focus, on the main thread where the screens live.
QPointer<QObject> &current()
{
    static QPointer<QObject> focused;
    return focused;
}
} // namespace

void FocusRequester::setFocusedState(QObject *target, bool focused)
{
    if (auto *control = qobject_cast<Control *>(target))
        control->applyFocus(focused);
    else if (auto *action = qobject_cast<ActionItem *>(target))
        action->applyFocus(focused);
}

void FocusRequester::requestFocus(Control *control)
{
    give(control);
}

void FocusRequester::requestFocus(ActionItem *action)
{
    give(action);
}

void FocusRequester::clearFocus()
{
    if (current())
        release(current());
}

QObject *FocusRequester::focused()
{
    return current();
}

Control *FocusRequester::focusedControl()
{
    return qobject_cast<Control *>(current());
}

ActionItem *FocusRequester::focusedAction()
{
    return qobject_cast<ActionItem *>(current());
}

void FocusRequester::give(QObject *target)
{
    if (!target || current() == target)
        return;
    QPointer<QObject> previous = current();
    current() = target;
    if (previous)
        setFocusedState(previous, false);
    // The previous control's handler may have moved the focus on already.
    if (current() == target)
        setFocusedState(target, true);
    VirtualKeyboard::followFocus(current());
}

void FocusRequester::release(QObject *target, bool quiet)
{
    if (!target || current() != target)
        return;
    current() = nullptr;
    if (!quiet)
        setFocusedState(target, false);
    VirtualKeyboard::followFocus(current());
}

} // namespace trellan
} // namespace hx
