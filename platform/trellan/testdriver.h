#ifndef HX_TRELLAN_TESTDRIVER_H
#define HX_TRELLAN_TESTDRIVER_H

#include <QtCore/QObject>
#include <QtCore/QVariant>

namespace hx {
namespace trellan {

class ActionItem;

// Drives a screen as a user would, for tests and the simulator. Only what is on screen can be
// reached: the top page of each navigation pane under root, unless an open sheet covers it (the
// newest sheet covers the older ones), an open dialog covers both, an open context menu covers
// everything but its actions, and a system dialog covers all of them. Each call returns false
// when the control is missing, not on screen or disabled; lastError() then says why, naming the
// control and what hides or covers it (the same line is logged as a warning).
class TestDriver
{
public:
    // The first object with this name under root, in the open sheets and dialogs, whether on
    // screen or not: for reading a control's state, never for acting on it.
    static QObject *find(const QObject *root, const QString &objectName);
    template<typename T> static T *find(const QObject *root, const QString &objectName)
    {
        return qobject_cast<T *>(find(root, objectName));
    }
    // The object with this name that a user can reach, or null (lastError says why).
    static QObject *findOnScreen(const QObject *root, const QString &objectName);
    template<typename T> static T *findOnScreen(const QObject *root, const QString &objectName)
    {
        return qobject_cast<T *>(findOnScreen(root, objectName));
    }
    static bool isOnScreen(const QObject *root, const QObject *object);
    // Empty when object is on screen; else why not.
    static QString whyNotOnScreen(const QObject *root, const QObject *object);
    // Why the last call that failed did so.
    static QString lastError();

    // Types into a TextField or TextArea: textChanging after each character.
    static bool typeText(const QObject *root, const QString &fieldName, const QString &text);
    // Pastes text into a TextField or TextArea: all of it at once, one textChanging.
    static bool pasteText(const QObject *root, const QString &fieldName, const QString &text);
    // Clears the field (textChanging with "") and types text.
    static bool replaceText(const QObject *root, const QString &fieldName, const QString &text);
    // Erases count characters from the end of a field.
    static bool eraseText(const QObject *root, const QString &fieldName, int count);
    // Presses enter in a field: textChanged when the text changed, then submitted.
    static bool submit(const QObject *root, const QString &fieldName);
    // Types on the device's physical keyboard, one character at a time: each goes to the text
    // field that has the focus, else to the first KeyListener on screen. Fails on a device
    // without a physical keyboard, or when nothing takes the keys.
    static bool pressKeys(const QObject *root, const QString &text);

    // Taps the row at indexPath of the named ListView (triggered).
    static bool tapRow(const QObject *root, const QString &listName, const QVariantList &indexPath);
    // Taps the control named partName inside the row at indexPath (scrolled into view first):
    // the part's touches (bubbling through the row), its tap (a button's click), then the list's
    // triggered.
    // A finger on the row itself: it lands on the row's first control that handles taps (its
    // title, a footer's text), which is tapped as tapRowPart taps a part; a row without one
    // is tapped as tapRow does.
    static bool tapRowWhole(const QObject *root, const QString &listName, const QVariantList &indexPath);
    static bool tapRowPart(const QObject *root, const QString &listName, const QVariantList &indexPath,
                           const QString &partName);
    // Long-presses the row at indexPath and chooses the context action with this object name
    // or title; the menu closes, then the action is triggered.
    static bool triggerRowAction(const QObject *root, const QString &listName, const QVariantList &indexPath,
                                 const QString &titleOrName);
    // Long-presses the row, or a control, and leaves its context menu open.
    static bool openRowContextMenu(const QObject *root, const QString &listName, const QVariantList &indexPath);
    static bool openContextMenu(const QObject *root, const QString &controlName);
    static void closeContextMenu();

    // Taps a control: touch down, touch up, then the tap handlers.
    static bool tap(const QObject *root, const QString &controlName);
    // Presses a Button or ImageButton, found by object name or by its text.
    static bool clickButton(const QObject *root, const QString &nameOrText);
    // Chooses an option of a DropDown, RadioGroup or segmented TitleBar by index.
    static bool chooseOption(const QObject *root, const QString &controlName, int index);

    // The enabled action on screen with this object name or title: on the top page's action
    // bar and title bar, or in the open context menu. Null when none.
    static ActionItem *findAction(const QObject *root, const QString &titleOrName);
    // Triggers it; an action of the open context menu closes the menu first.
    static bool triggerAction(const QObject *root, const QString &titleOrName);
    // The back button of the named navigation pane, or of the one on top; fails when that pane
    // hides its back buttons or has nothing to go back to.
    static bool pressBack(const QObject *root, const QString &paneName = QString());
    // Whether the top pane has somewhere to go back to, asked without a failure's warning: a
    // window's Escape on the first page leaves instead.
    static bool canGoBack(const QObject *root);

    // Presses the button with this label on the topmost visible system dialog or toast.
    static bool pressDialogButton(const QString &label);

    // Ends every running toolkit animation at its end value.
    static void finishAnimations();

    // The screen as text (ScreenText).
    static QString screen(const QObject *root);

private:
    static bool pressKey(const QObject *root, const QString &key);
};

} // namespace trellan
} // namespace hx

#endif
