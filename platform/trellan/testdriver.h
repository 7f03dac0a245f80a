#ifndef HX_TRELLAN_TESTDRIVER_H
#define HX_TRELLAN_TESTDRIVER_H

#include <QtCore/QObject>
#include <QtCore/QVariant>

namespace hx {
namespace trellan {

class ActionItem;

// Drives a screen as a user would, for tests and the simulator. Controls are found by object
// name under root, then in the open sheets and dialogs. Each call returns false when the
// control is missing, hidden or disabled, so a test can QVERIFY it.
class TestDriver
{
public:
    static QObject *find(const QObject *root, const QString &objectName);
    template<typename T> static T *find(const QObject *root, const QString &objectName)
    {
        return qobject_cast<T *>(find(root, objectName));
    }

    // Types into a TextField or TextArea: textChanging after each character.
    static bool typeText(const QObject *root, const QString &fieldName, const QString &text);
    // Clears the field (textChanging with "") and types text.
    static bool replaceText(const QObject *root, const QString &fieldName, const QString &text);
    // Erases count characters from the end of a field.
    static bool eraseText(const QObject *root, const QString &fieldName, int count);
    // Presses enter in a field: textChanged when the text changed, then submitted.
    static bool submit(const QObject *root, const QString &fieldName);

    // Taps the row at indexPath of the named ListView (triggered).
    static bool tapRow(const QObject *root, const QString &listName, const QVariantList &indexPath);
    // Taps a control: touch down, touch up, then its tap handlers.
    static bool tap(const QObject *root, const QString &controlName);
    // Presses a Button or ImageButton, found by object name or by its text.
    static bool clickButton(const QObject *root, const QString &nameOrText);
    // Chooses an option of a DropDown, RadioGroup or segmented TitleBar by index.
    static bool chooseOption(const QObject *root, const QString &controlName, int index);

    // The enabled action with this title or object name: on pages, title bars, context menus
    // and sheets. Null when none.
    static ActionItem *findAction(const QObject *root, const QString &titleOrName);
    static bool triggerAction(const QObject *root, const QString &titleOrName);
    // The back button of the named (or only) navigation pane.
    static bool pressBack(const QObject *root, const QString &paneName = QString());

    // Presses the button with this label on the topmost visible system dialog or toast.
    static bool pressDialogButton(const QString &label);

    // The screen as text (ScreenText).
    static QString screen(const QObject *root);
};

} // namespace trellan
} // namespace hx

#endif
