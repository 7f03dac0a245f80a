#include <hx/trellan/actionset.h>
#include <hx/trellan/control.h>
#include <hx/trellan/focusrequester.h>
#include <hx/trellan/taphandler.h>

#include "control_p.h"

namespace hx {
namespace trellan {

Control::Control(QObject *parent) : UIObject(parent), d_control(new ControlPrivate) { }

Control::~Control()
{
    // Only a focused control touches the screen's focus: controls of documents loaded on worker
    // threads die there.
    if (d_control->focused)
        FocusRequester::release(this, true);
}

bool Control::isVisible() const
{
    return d_control->visible;
}

void Control::setVisible(bool visible)
{
    if (d_control->visible == visible)
        return;
    d_control->visible = visible;
    emit visibleChanged(visible);
}

bool Control::isEnabled() const
{
    return d_control->enabled;
}

void Control::setEnabled(bool enabled)
{
    if (d_control->enabled == enabled)
        return;
    d_control->enabled = enabled;
    emit enabledChanged(enabled);
}

void Control::resetEnabled()
{
    setEnabled(true);
}

int Control::focusPolicy() const
{
    return d_control->focusPolicy;
}

void Control::setFocusPolicy(int policy)
{
    d_control->focusPolicy = policy;
}

void Control::resetFocusPolicy()
{
    d_control->focusPolicy = 0;
}

bool Control::isFocused() const
{
    return d_control->focused;
}

void Control::requestFocus()
{
    FocusRequester::requestFocus(this);
}

void Control::loseFocus()
{
    FocusRequester::release(this);
}

void Control::applyFocus(bool focused)
{
    if (d_control->focused == focused)
        return;
    d_control->focused = focused;
    emit focusedChanged(focused);
}

int Control::horizontalAlignment() const
{
    return d_control->horizontalAlignment;
}
void Control::setHorizontalAlignment(int alignment)
{
    d_control->horizontalAlignment = alignment;
}
void Control::resetHorizontalAlignment()
{
    d_control->horizontalAlignment = 0;
}
int Control::verticalAlignment() const
{
    return d_control->verticalAlignment;
}
void Control::setVerticalAlignment(int alignment)
{
    d_control->verticalAlignment = alignment;
}
void Control::resetVerticalAlignment()
{
    d_control->verticalAlignment = 0;
}

float Control::leftMargin() const
{
    return d_control->margins[0];
}
void Control::setLeftMargin(float value)
{
    d_control->margins[0] = value;
}
float Control::rightMargin() const
{
    return d_control->margins[1];
}
void Control::setRightMargin(float value)
{
    d_control->margins[1] = value;
}
float Control::topMargin() const
{
    return d_control->margins[2];
}
void Control::setTopMargin(float value)
{
    d_control->margins[2] = value;
}
float Control::bottomMargin() const
{
    return d_control->margins[3];
}
void Control::setBottomMargin(float value)
{
    d_control->margins[3] = value;
}
float Control::leftPadding() const
{
    return d_control->paddings[0];
}
void Control::setLeftPadding(float value)
{
    d_control->paddings[0] = value;
}
float Control::rightPadding() const
{
    return d_control->paddings[1];
}
void Control::setRightPadding(float value)
{
    d_control->paddings[1] = value;
}
float Control::topPadding() const
{
    return d_control->paddings[2];
}
void Control::setTopPadding(float value)
{
    d_control->paddings[2] = value;
}
float Control::bottomPadding() const
{
    return d_control->paddings[3];
}
void Control::setBottomPadding(float value)
{
    d_control->paddings[3] = value;
}

float Control::minWidth() const
{
    return d_control->minWidth;
}
void Control::setMinWidth(float value)
{
    d_control->minWidth = value;
}
float Control::maxWidth() const
{
    return d_control->maxWidth;
}
void Control::setMaxWidth(float value)
{
    d_control->maxWidth = value;
}
float Control::preferredWidth() const
{
    return d_control->preferredWidth;
}
void Control::setPreferredWidth(float value)
{
    d_control->preferredWidth = value;
}
void Control::setPreferredSize(float width, float height)
{
    d_control->preferredWidth = width;
    d_control->preferredHeight = height;
}
float Control::minHeight() const
{
    return d_control->minHeight;
}
void Control::setMinHeight(float value)
{
    d_control->minHeight = value;
}
float Control::maxHeight() const
{
    return d_control->maxHeight;
}
void Control::setMaxHeight(float value)
{
    d_control->maxHeight = value;
}
float Control::preferredHeight() const
{
    return d_control->preferredHeight;
}
void Control::setPreferredHeight(float value)
{
    d_control->preferredHeight = value;
}
float Control::spaceQuota() const
{
    return d_control->spaceQuota;
}
void Control::setSpaceQuota(float quota)
{
    d_control->spaceQuota = quota;
}

float Control::opacity() const
{
    return d_control->opacity;
}
void Control::setOpacity(float value)
{
    if (qFuzzyCompare(d_control->opacity, value))
        return;
    d_control->opacity = value;
    emit opacityChanged(value);
}
float Control::translationX() const
{
    return d_control->translationX;
}
void Control::setTranslationX(float value)
{
    d_control->translationX = value;
}
float Control::translationY() const
{
    return d_control->translationY;
}
void Control::setTranslationY(float value)
{
    d_control->translationY = value;
}
float Control::scaleX() const
{
    return d_control->scaleX;
}
void Control::setScaleX(float value)
{
    d_control->scaleX = value;
}
float Control::scaleY() const
{
    return d_control->scaleY;
}
void Control::setScaleY(float value)
{
    d_control->scaleY = value;
}
float Control::topNudge() const
{
    return d_control->topNudge;
}
void Control::setTopNudge(float value)
{
    d_control->topNudge = value;
}

bool Control::isDefaultHighlightEnabled() const
{
    return d_control->defaultHighlight;
}
void Control::setDefaultHighlightEnabled(bool enabled)
{
    d_control->defaultHighlight = enabled;
}
bool Control::isCustomHighlightEnabled() const
{
    return d_control->customHighlight;
}
void Control::setCustomHighlightEnabled(bool enabled)
{
    d_control->customHighlight = enabled;
}
bool Control::wantsHighlight() const
{
    return d_control->wantsHighlight;
}
void Control::setWantsHighlight(bool wants)
{
    if (d_control->wantsHighlight == wants)
        return;
    d_control->wantsHighlight = wants;
    emit wantsHighlightChanged(wants);
}

void Control::addGestureHandler(TapHandler *handler)
{
    if (!handler || d_control->gestureHandlers.contains(handler))
        return;
    handler->setParent(this);
    d_control->gestureHandlers.append(handler);
    connect(handler, &QObject::destroyed, this,
            [this](QObject *gone) { d_control->gestureHandlers.removeAll(static_cast<TapHandler *>(gone)); });
}

QList<TapHandler *> Control::gestureHandlers() const
{
    return d_control->gestureHandlers;
}

void Control::addActionSet(ActionSet *actionSet)
{
    if (!actionSet || d_control->actionSets.contains(actionSet))
        return;
    actionSet->setParent(this);
    d_control->actionSets.append(actionSet);
    connect(actionSet, &QObject::destroyed, this,
            [this](QObject *gone) { d_control->actionSets.removeAll(static_cast<ActionSet *>(gone)); });
}

int Control::actionSetCount() const
{
    return d_control->actionSets.size();
}

ActionSet *Control::actionSetAt(int index) const
{
    return d_control->actionSets.value(index);
}

void Control::removeAllActionSets()
{
    const QList<ActionSet *> sets = d_control->actionSets;
    d_control->actionSets.clear();
    qDeleteAll(sets);
}

bool Control::simulateTouch(int touchType, float x, float y)
{
    if (!d_control->visible || !d_control->enabled)
        return false;
    TouchEvent event(touchType, x, y);
    event.setTarget(this);
    // The touch bubbles: the control first, then each control it sits in, all with this target.
    QPointer<QObject> node(this);
    while (node) {
        QObject *parent = node->parent();
        if (auto *control = qobject_cast<Control *>(node.data()))
            emit control->touch(&event);
        node = parent;
    }
    return true;
}

bool Control::simulateTap(float x, float y)
{
    QPointer<Control> self(this);
    if (!simulateTouch(0, x, y))
        return false;
    if (self)
        simulateTouch(2, x, y);
    // The innermost control with a tap handler recognises the tap; the controls around it do not.
    for (QObject *node = self.data(); node; node = node->parent()) {
        auto *control = qobject_cast<Control *>(node);
        if (!control || control->d_control->gestureHandlers.isEmpty())
            continue;
        const QList<TapHandler *> handlers = control->d_control->gestureHandlers;
        for (TapHandler *handler : handlers)
            handler->deliverTap(x, y);
        break;
    }
    return true;
}

} // namespace trellan
} // namespace hx
