#include <hx/system/systemui.h>
#include <hx/trellan/actionitem.h>
#include <hx/trellan/button.h>
#include <hx/trellan/control.h>
#include <hx/trellan/dialog.h>
#include <hx/trellan/dropdown.h>
#include <hx/trellan/imagebutton.h>
#include <hx/trellan/listview.h>
#include <hx/trellan/navigationpane.h>
#include <hx/trellan/radiogroup.h>
#include <hx/trellan/screentext.h>
#include <hx/trellan/sheet.h>
#include <hx/trellan/testdriver.h>
#include <hx/trellan/textarea.h>
#include <hx/trellan/textfield.h>
#include <hx/trellan/titlebar.h>

namespace hx {
namespace trellan {

namespace {
QList<const QObject *> searchRoots(const QObject *root)
{
    QList<const QObject *> roots;
    if (root)
        roots.append(root);
    for (const Sheet *sheet : Sheet::openSheets())
        roots.append(sheet);
    for (const Dialog *dialog : Dialog::openDialogs())
        roots.append(dialog);
    return roots;
}

// A control counts as shown when it and every control above it are visible.
bool isShown(const QObject *object)
{
    for (const QObject *node = object; node; node = node->parent()) {
        if (const auto *control = qobject_cast<const Control *>(node)) {
            if (!control->isVisible())
                return false;
        }
    }
    return true;
}

template<typename T> QList<T *> allOf(const QObject *root)
{
    QList<T *> found;
    for (const QObject *base : searchRoots(root)) {
        if (auto *self = qobject_cast<T *>(const_cast<QObject *>(base)))
            found.append(self);
        found.append(base->findChildren<T *>());
    }
    return found;
}
} // namespace

QObject *TestDriver::find(const QObject *root, const QString &objectName)
{
    for (const QObject *base : searchRoots(root)) {
        if (base->objectName() == objectName)
            return const_cast<QObject *>(base);
        if (QObject *found = base->findChild<QObject *>(objectName))
            return found;
    }
    return nullptr;
}

bool TestDriver::typeText(const QObject *root, const QString &fieldName, const QString &text)
{
    QObject *object = find(root, fieldName);
    if (!object || !isShown(object))
        return false;
    if (auto *field = qobject_cast<TextField *>(object)) {
        if (!field->isEnabled())
            return false;
        field->typeText(text);
        return true;
    }
    if (auto *area = qobject_cast<TextArea *>(object)) {
        if (!area->isEnabled() || !area->isEditable())
            return false;
        area->typeText(text);
        return true;
    }
    return false;
}

bool TestDriver::replaceText(const QObject *root, const QString &fieldName, const QString &text)
{
    auto *field = find<TextField>(root, fieldName);
    if (!field || !field->isEnabled() || !isShown(field))
        return false;
    field->replaceText(text);
    return true;
}

bool TestDriver::eraseText(const QObject *root, const QString &fieldName, int count)
{
    auto *field = find<TextField>(root, fieldName);
    if (!field || !field->isEnabled() || !isShown(field))
        return false;
    field->eraseText(count);
    return true;
}

bool TestDriver::submit(const QObject *root, const QString &fieldName)
{
    auto *field = find<TextField>(root, fieldName);
    if (!field || !field->isEnabled() || !isShown(field))
        return false;
    field->submit();
    return true;
}

bool TestDriver::tapRow(const QObject *root, const QString &listName, const QVariantList &indexPath)
{
    auto *list = find<ListView>(root, listName);
    if (!list || !isShown(list))
        return false;
    return list->tapRow(indexPath);
}

bool TestDriver::tap(const QObject *root, const QString &controlName)
{
    auto *control = find<Control>(root, controlName);
    if (!control || !isShown(control))
        return false;
    return control->simulateTap();
}

bool TestDriver::clickButton(const QObject *root, const QString &nameOrText)
{
    QObject *object = find(root, nameOrText);
    if (auto *button = qobject_cast<Button *>(object))
        return isShown(button) && button->click();
    if (auto *imageButton = qobject_cast<ImageButton *>(object))
        return isShown(imageButton) && imageButton->click();
    for (Button *button : allOf<Button>(root)) {
        if (button->text() == nameOrText && isShown(button))
            return button->click();
    }
    return false;
}

bool TestDriver::chooseOption(const QObject *root, const QString &controlName, int index)
{
    QObject *object = find(root, controlName);
    if (auto *dropDown = qobject_cast<DropDown *>(object))
        return isShown(dropDown) && dropDown->choose(index);
    if (auto *radio = qobject_cast<RadioGroup *>(object))
        return isShown(radio) && radio->choose(index);
    if (auto *bar = qobject_cast<TitleBar *>(object))
        return bar->chooseOption(index);
    return false;
}

ActionItem *TestDriver::findAction(const QObject *root, const QString &titleOrName)
{
    const QList<ActionItem *> actions = allOf<ActionItem>(root);
    for (ActionItem *action : actions) {
        if (action->objectName() == titleOrName && action->isEnabled())
            return action;
    }
    for (ActionItem *action : actions) {
        if (action->title() == titleOrName && action->isEnabled())
            return action;
    }
    return nullptr;
}

bool TestDriver::triggerAction(const QObject *root, const QString &titleOrName)
{
    ActionItem *action = findAction(root, titleOrName);
    return action && action->trigger();
}

bool TestDriver::pressBack(const QObject *root, const QString &paneName)
{
    NavigationPane *pane = nullptr;
    if (!paneName.isEmpty()) {
        pane = find<NavigationPane>(root, paneName);
    } else {
        const QList<NavigationPane *> panes = allOf<NavigationPane>(root);
        pane = panes.isEmpty() ? nullptr : panes.first();
    }
    return pane && pane->pressBack();
}

bool TestDriver::pressDialogButton(const QString &label)
{
    return hx::system::SystemUi::pressButton(label);
}

QString TestDriver::screen(const QObject *root)
{
    return ScreenText::render(root);
}

} // namespace trellan
} // namespace hx
