#include <hx/device/simulateddevice.h>
#include <hx/system/systemui.h>
#include <hx/trellan/actionitem.h>
#include <hx/trellan/button.h>
#include <hx/trellan/contextmenu.h>
#include <hx/trellan/control.h>
#include <hx/trellan/datamodel.h>
#include <hx/trellan/dialog.h>
#include <hx/trellan/dropdown.h>
#include <hx/trellan/fadetransition.h>
#include <hx/trellan/imagebutton.h>
#include <hx/trellan/keylistener.h>
#include <hx/trellan/listview.h>
#include <hx/trellan/navigationpane.h>
#include <hx/trellan/navigationpaneproperties.h>
#include <hx/trellan/page.h>
#include <hx/trellan/radiogroup.h>
#include <hx/trellan/screentext.h>
#include <hx/trellan/sheet.h>
#include <hx/trellan/testdriver.h>
#include <hx/trellan/textarea.h>
#include <hx/trellan/textfield.h>
#include <hx/trellan/titlebar.h>

#include <QtCore/QDebug>
#include <QtCore/QPointer>

#include "reachability_p.h"

namespace hx {
namespace trellan {

namespace {
QString &lastErrorText()
{
    static QString text;
    return text;
}

bool fail(const QString &why)
{
    lastErrorText() = why;
    qWarning().noquote() << "TestDriver:" << why;
    return false;
}

template<typename T> T *failed(const QString &why)
{
    fail(why);
    return nullptr;
}

// The object a user can reach under this name, as a T; null after a failure.
template<typename T> T *reach(const QObject *root, const QString &name)
{
    const QList<QObject *> candidates = Reachability::candidates(root, name);
    if (candidates.isEmpty())
        return failed<T>(QStringLiteral("nothing named \"%1\" is on screen").arg(name));
    const QString why = Reachability::whyUnreachable(root, candidates.first());
    if (!why.isEmpty())
        return failed<T>(why);
    auto *typed = qobject_cast<T *>(candidates.first());
    if (!typed)
        return failed<T>(
            QStringLiteral("%1 is not a %2")
                .arg(Reachability::describe(candidates.first()), QString::fromLatin1(T::staticMetaObject.className())));
    return typed;
}

template<typename T> T *reachEnabled(const QObject *root, const QString &name)
{
    T *control = reach<T>(root, name);
    if (control && !control->isEnabled())
        return failed<T>(QStringLiteral("%1 is disabled").arg(Reachability::describe(control)));
    return control;
}

QString pathText(const QVariantList &indexPath)
{
    QStringList parts;
    for (const QVariant &index : indexPath)
        parts.append(index.toString());
    return QStringLiteral("[%1]").arg(parts.join(QLatin1Char(',')));
}

// The row control at indexPath, scrolled into the window when it is not held.
Control *rowOf(ListView *list, const QVariantList &indexPath)
{
    Control *row = list->itemAt(indexPath);
    if (!row && !indexPath.isEmpty() && list->dataModel()) {
        QVariantList parentPath = indexPath;
        const int last = parentPath.takeLast().toInt();
        if (last >= 0 && last < list->dataModel()->childCount(parentPath)) {
            list->scrollToItem(indexPath);
            row = list->itemAt(indexPath);
        }
    }
    if (!row)
        return failed<Control>(
            QStringLiteral("%1 has no row at %2").arg(Reachability::describe(list), pathText(indexPath)));
    return row;
}

// Typing and pasting reach the same fields and refuse the same ones; only the entry differs.
enum class Entry { Typed, Pasted };

template<typename Editor> void enter(Editor *editor, const QString &text, Entry entry)
{
    if (entry == Entry::Pasted)
        editor->pasteText(text);
    else
        editor->typeText(text);
}

bool enterText(const QObject *root, const QString &fieldName, const QString &text, Entry entry)
{
    QObject *object = reach<QObject>(root, fieldName);
    if (!object)
        return false;
    if (auto *field = qobject_cast<TextField *>(object)) {
        if (!field->isEnabled())
            return fail(QStringLiteral("%1 is disabled").arg(Reachability::describe(field)));
        enter(field, text, entry);
        return true;
    }
    if (auto *area = qobject_cast<TextArea *>(object)) {
        if (!area->isEnabled() || !area->isEditable())
            return fail(QStringLiteral("%1 is read-only").arg(Reachability::describe(area)));
        enter(area, text, entry);
        return true;
    }
    return fail(QStringLiteral("%1 takes no text").arg(Reachability::describe(object)));
}

// The navigation pane whose back button a user sees: the one of the top layer.
NavigationPane *topPane(const QObject *root)
{
    for (NavigationPane *pane : Reachability::all<NavigationPane>(root)) {
        if (Reachability::whyUnreachable(root, pane).isEmpty())
            return pane;
    }
    return nullptr;
}
} // namespace

QObject *TestDriver::find(const QObject *root, const QString &objectName)
{
    QList<const QObject *> bases;
    if (root)
        bases.append(root);
    for (const Sheet *sheet : Sheet::openSheets())
        bases.append(sheet);
    for (const Dialog *dialog : Dialog::openDialogs())
        bases.append(dialog);
    for (const QObject *base : qAsConst(bases)) {
        if (base->objectName() == objectName)
            return const_cast<QObject *>(base);
        if (QObject *found = base->findChild<QObject *>(objectName))
            return found;
    }
    return nullptr;
}

QObject *TestDriver::findOnScreen(const QObject *root, const QString &objectName)
{
    return reach<QObject>(root, objectName);
}

bool TestDriver::isOnScreen(const QObject *root, const QObject *object)
{
    return whyNotOnScreen(root, object).isEmpty();
}

QString TestDriver::whyNotOnScreen(const QObject *root, const QObject *object)
{
    return Reachability::whyUnreachable(root, object);
}

QString TestDriver::lastError()
{
    return lastErrorText();
}

bool TestDriver::typeText(const QObject *root, const QString &fieldName, const QString &text)
{
    return enterText(root, fieldName, text, Entry::Typed);
}

bool TestDriver::pasteText(const QObject *root, const QString &fieldName, const QString &text)
{
    return enterText(root, fieldName, text, Entry::Pasted);
}

bool TestDriver::replaceText(const QObject *root, const QString &fieldName, const QString &text)
{
    auto *field = reachEnabled<TextField>(root, fieldName);
    if (!field)
        return false;
    field->replaceText(text);
    return true;
}

bool TestDriver::eraseText(const QObject *root, const QString &fieldName, int count)
{
    auto *field = reachEnabled<TextField>(root, fieldName);
    if (!field)
        return false;
    field->eraseText(count);
    return true;
}

bool TestDriver::submit(const QObject *root, const QString &fieldName)
{
    auto *field = reachEnabled<TextField>(root, fieldName);
    if (!field)
        return false;
    field->submit();
    return true;
}

bool TestDriver::pressKeys(const QObject *root, const QString &text)
{
    if (!hx::device::SimulatedDevice::hasPhysicalKeyboard())
        return fail(QStringLiteral("the device has no physical keyboard"));
    for (const QChar character : text) {
        if (!pressKey(root, QString(character)))
            return false;
    }
    return true;
}

bool TestDriver::pressKey(const QObject *root, const QString &key)
{
    for (TextField *field : Reachability::all<TextField>(root)) {
        if (field->isFocused() && field->isEnabled() && Reachability::whyUnreachable(root, field).isEmpty()) {
            field->typeText(key);
            return true;
        }
    }
    for (KeyListener *listener : Reachability::all<KeyListener>(root)) {
        const auto *control = qobject_cast<const Control *>(listener->parent());
        if (control && control->isEnabled() && Reachability::whyUnreachable(root, control).isEmpty()) {
            listener->deliverKey(key);
            return true;
        }
    }
    return fail(QStringLiteral("no text field on screen has the focus and nothing on screen listens to keys"));
}

bool TestDriver::tapRow(const QObject *root, const QString &listName, const QVariantList &indexPath)
{
    auto *list = reachEnabled<ListView>(root, listName);
    if (!list)
        return false;
    if (!list->tapRow(indexPath))
        return fail(QStringLiteral("%1 has no row at %2").arg(Reachability::describe(list), pathText(indexPath)));
    return true;
}

namespace {
// Depth first, as the row lays its controls out: the first that handles a tap.
Control *firstTapTarget(Control *control)
{
    if (!control->gestureHandlers().isEmpty() && !qobject_cast<Button *>(control)
        && !qobject_cast<ImageButton *>(control))
        return control;
    for (QObject *child : control->children()) {
        auto *childControl = qobject_cast<Control *>(child);
        if (!childControl || !childControl->isVisible())
            continue;
        if (Control *found = firstTapTarget(childControl))
            return found;
    }
    return nullptr;
}
} // namespace

bool TestDriver::tapRowWhole(const QObject *root, const QString &listName, const QVariantList &indexPath)
{
    auto *list = reachEnabled<ListView>(root, listName);
    Control *row = list ? rowOf(list, indexPath) : nullptr;
    if (!row)
        return false;
    Control *part = firstTapTarget(row);
    if (!part || !Reachability::whyUnreachable(root, part).isEmpty() || !part->isEnabled())
        return tapRow(root, listName, indexPath);
    QPointer<ListView> guard(list);
    part->simulateTap();
    return guard && list->tapRow(indexPath);
}

bool TestDriver::tapRowPart(const QObject *root, const QString &listName, const QVariantList &indexPath,
                            const QString &partName)
{
    auto *list = reachEnabled<ListView>(root, listName);
    Control *row = list ? rowOf(list, indexPath) : nullptr;
    if (!row)
        return false;
    auto *part = row->objectName() == partName ? row : row->findChild<Control *>(partName);
    if (!part)
        return fail(QStringLiteral("row %1 of %2 has no part named \"%3\"")
                        .arg(pathText(indexPath), Reachability::describe(list), partName));
    const QString why = Reachability::whyUnreachable(root, part);
    if (!why.isEmpty())
        return fail(why);
    if (!part->isEnabled())
        return fail(QStringLiteral("%1 is disabled").arg(Reachability::describe(part)));
    QPointer<ListView> guard(list);
    QPointer<Control> pressed(part);
    part->simulateTap();
    // A button in a row is pressed by the finger's tap, as anywhere else on the screen.
    if (auto *button = qobject_cast<Button *>(pressed.data()))
        button->click();
    else if (auto *imageButton = qobject_cast<ImageButton *>(pressed.data()))
        imageButton->click();
    // The row's own tap may have changed the screen; the list delivers the tap only if it is still there.
    return guard && list->tapRow(indexPath);
}

bool TestDriver::openRowContextMenu(const QObject *root, const QString &listName, const QVariantList &indexPath)
{
    auto *list = reachEnabled<ListView>(root, listName);
    Control *row = list ? rowOf(list, indexPath) : nullptr;
    if (!row)
        return false;
    if (!ContextMenu::open(row, ContextMenu::setsWithin(row)))
        return fail(
            QStringLiteral("row %1 of %2 has no context menu").arg(pathText(indexPath), Reachability::describe(list)));
    return true;
}

bool TestDriver::openContextMenu(const QObject *root, const QString &controlName)
{
    auto *control = reachEnabled<Control>(root, controlName);
    if (!control)
        return false;
    if (!ContextMenu::open(control, ContextMenu::setsAround(control)))
        return fail(QStringLiteral("%1 has no context menu").arg(Reachability::describe(control)));
    return true;
}

void TestDriver::closeContextMenu()
{
    ContextMenu::close();
}

bool TestDriver::triggerRowAction(const QObject *root, const QString &listName, const QVariantList &indexPath,
                                  const QString &titleOrName)
{
    if (!openRowContextMenu(root, listName, indexPath))
        return false;
    QStringList shown;
    for (ActionItem *action : ContextMenu::actions()) {
        if (action->objectName() == titleOrName || action->title() == titleOrName)
            return triggerAction(root, action->objectName().isEmpty() ? action->title() : action->objectName());
        shown.append(action->objectName().isEmpty() ? action->title() : action->objectName());
    }
    ContextMenu::close();
    return fail(QStringLiteral("the context menu of row %1 of \"%2\" has no \"%3\", only %4")
                    .arg(pathText(indexPath), listName, titleOrName, shown.join(QStringLiteral(", "))));
}

bool TestDriver::tap(const QObject *root, const QString &controlName)
{
    auto *control = reachEnabled<Control>(root, controlName);
    return control && control->simulateTap();
}

bool TestDriver::clickButton(const QObject *root, const QString &nameOrText)
{
    QObject *object = nullptr;
    const QList<QObject *> named = Reachability::candidates(root, nameOrText);
    if (!named.isEmpty()) {
        object = reach<QObject>(root, nameOrText);
    } else {
        QString firstProblem;
        for (Button *button : Reachability::all<Button>(root)) {
            if (button->text() != nameOrText)
                continue;
            const QString why = Reachability::whyUnreachable(root, button);
            if (why.isEmpty()) {
                object = button;
                break;
            }
            if (firstProblem.isEmpty())
                firstProblem = why;
        }
        if (!object)
            return fail(firstProblem.isEmpty() ? QStringLiteral("no button \"%1\" is on screen").arg(nameOrText)
                                               : firstProblem);
    }
    if (auto *button = qobject_cast<Button *>(object))
        return button->click() || fail(QStringLiteral("%1 is disabled").arg(Reachability::describe(button)));
    if (auto *imageButton = qobject_cast<ImageButton *>(object))
        return imageButton->click() || fail(QStringLiteral("%1 is disabled").arg(Reachability::describe(imageButton)));
    return object && fail(QStringLiteral("%1 is not a button").arg(Reachability::describe(object)));
}

bool TestDriver::chooseOption(const QObject *root, const QString &controlName, int index)
{
    QObject *object = reach<QObject>(root, controlName);
    if (!object)
        return false;
    bool chosen = false;
    if (auto *dropDown = qobject_cast<DropDown *>(object))
        chosen = dropDown->isEnabled() && dropDown->choose(index);
    else if (auto *radio = qobject_cast<RadioGroup *>(object))
        chosen = radio->isEnabled() && radio->choose(index);
    else if (auto *bar = qobject_cast<TitleBar *>(object))
        chosen = bar->chooseOption(index);
    else
        return fail(QStringLiteral("%1 has no options").arg(Reachability::describe(object)));
    return chosen || fail(QStringLiteral("%1 cannot choose option %2").arg(Reachability::describe(object)).arg(index));
}

ActionItem *TestDriver::findAction(const QObject *root, const QString &titleOrName)
{
    const QList<ActionItem *> actions = Reachability::all<ActionItem>(root);
    QString firstProblem;
    for (const bool byName : { true, false }) {
        for (ActionItem *action : actions) {
            if ((byName ? action->objectName() : action->title()) != titleOrName)
                continue;
            const QString why = Reachability::whyUnreachable(root, action);
            if (why.isEmpty() && action->isEnabled())
                return action;
            if (firstProblem.isEmpty())
                firstProblem
                    = why.isEmpty() ? QStringLiteral("%1 is disabled").arg(Reachability::describe(action)) : why;
        }
    }
    return failed<ActionItem>(firstProblem.isEmpty() ? QStringLiteral("no action \"%1\" is on screen").arg(titleOrName)
                                                     : firstProblem);
}

bool TestDriver::triggerAction(const QObject *root, const QString &titleOrName)
{
    ActionItem *action = findAction(root, titleOrName);
    if (!action)
        return false;
    if (ContextMenu::actions().contains(action))
        ContextMenu::close();
    return action->trigger();
}

bool TestDriver::pressBack(const QObject *root, const QString &paneName)
{
    NavigationPane *pane = paneName.isEmpty() ? topPane(root) : reach<NavigationPane>(root, paneName);
    if (!pane)
        return paneName.isEmpty() ? fail(QStringLiteral("no navigation pane is on screen")) : false;
    if (!pane->backButtonsVisible())
        return fail(QStringLiteral("%1 hides its back buttons").arg(Reachability::describe(pane)));
    if (!pane->pressBack())
        return fail(QStringLiteral("%1 has no back button to press").arg(Reachability::describe(pane)));
    return true;
}

bool TestDriver::canGoBack(const QObject *root)
{
    const NavigationPane *pane = topPane(root);
    if (!pane || !pane->backButtonsVisible() || !pane->top())
        return false;
    const Page *page = pane->top();
    return pane->count() > 1 || (page->paneProperties() && page->paneProperties()->backButton());
}

bool TestDriver::pressDialogButton(const QString &label)
{
    if (hx::system::SystemUi::pressButton(label))
        return true;
    return fail(QStringLiteral("no system dialog or toast shows a button \"%1\"").arg(label));
}

void TestDriver::finishAnimations()
{
    FadeTransition::finishAll();
}

QString TestDriver::screen(const QObject *root)
{
    return ScreenText::render(root);
}

} // namespace trellan
} // namespace hx
