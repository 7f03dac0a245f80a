#ifndef HX_TRELLAN_CONTROL_P_H
#define HX_TRELLAN_CONTROL_P_H

#include <QtCore/QList>
#include <QtCore/QPointer>

namespace hx {
namespace trellan {

class ActionSet;
class Control;
class TapHandler;

class ControlPrivate
{
public:
    bool visible = true;
    bool enabled = true;
    bool focused = false;
    int focusPolicy = 0;
    int horizontalAlignment = 0;
    int verticalAlignment = 0;
    float margins[4] = { 0, 0, 0, 0 }; // left, right, top, bottom
    float paddings[4] = { 0, 0, 0, 0 };
    float minWidth = 0;
    float maxWidth = 0;
    float preferredWidth = 0;
    float minHeight = 0;
    float maxHeight = 0;
    float preferredHeight = 0;
    float spaceQuota = -1;
    float opacity = 1;
    float translationX = 0;
    float translationY = 0;
    float scaleX = 1;
    float scaleY = 1;
    float topNudge = 0;
    bool defaultHighlight = true;
    bool customHighlight = true;
    bool wantsHighlight = false;
    QList<TapHandler *> gestureHandlers;
    QList<ActionSet *> actionSets;
};

} // namespace trellan
} // namespace hx

#endif
