#ifndef HX_TRELLAN_FOCUSREQUESTER_H
#define HX_TRELLAN_FOCUSREQUESTER_H

class QObject;

namespace hx {
namespace trellan {

class ActionItem;
class Control;

// The one focus of the screen: a control or an action has it, never two at once. Giving it to
// one takes it from the other (focusedChanged on both); focusing an editable text control on a
// device without a physical keyboard shows the virtual keyboard (VirtualKeyboard).
class FocusRequester
{
public:
    static void requestFocus(Control *control);
    static void requestFocus(ActionItem *action);
    // Nothing has the focus afterwards.
    static void clearFocus();

    // What has the focus: a Control, an ActionItem, or null.
    static QObject *focused();
    static Control *focusedControl();
    static ActionItem *focusedAction();

private:
    friend class ActionItem;
    friend class Control;
    static void give(QObject *target);
    // Takes the focus from target if it has it; quiet when target is being destroyed.
    static void release(QObject *target, bool quiet = false);
    static void setFocusedState(QObject *target, bool focused);
};

} // namespace trellan
} // namespace hx

#endif
