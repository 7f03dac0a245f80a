#include <hx/trellan/actionbarlayout.h>
#include <hx/trellan/actionitem.h>
#include <hx/trellan/actionset.h>
#include <hx/trellan/activityindicator.h>
#include <hx/trellan/button.h>
#include <hx/trellan/console/screenlayout.h>
#include <hx/trellan/container.h>
#include <hx/trellan/contextmenu.h>
#include <hx/trellan/customcontrol.h>
#include <hx/trellan/customlistitem.h>
#include <hx/trellan/dialog.h>
#include <hx/trellan/dropdown.h>
#include <hx/trellan/enums.h>
#include <hx/trellan/freeformtitlebarkindproperties.h>
#include <hx/trellan/header.h>
#include <hx/trellan/imagebutton.h>
#include <hx/trellan/imageview.h>
#include <hx/trellan/label.h>
#include <hx/trellan/listview.h>
#include <hx/trellan/navigationpane.h>
#include <hx/trellan/option.h>
#include <hx/trellan/page.h>
#include <hx/trellan/radiogroup.h>
#include <hx/trellan/screentext.h>
#include <hx/trellan/scrollview.h>
#include <hx/trellan/sheet.h>
#include <hx/trellan/testdriver.h>
#include <hx/trellan/textarea.h>
#include <hx/trellan/textfield.h>
#include <hx/trellan/titlebar.h>
#include <hx/trellan/webview.h>

namespace hx {
namespace trellan {
namespace console {

namespace {
// A section heading; an untitled one is a plain thin rule.
QString headingText(const QString &title)
{
    return title.isEmpty() ? QStringLiteral("──────") : QStringLiteral("── %1 ──").arg(title);
}

QString plain(const QString &text)
{
    return ScreenText::withoutMarkup(text).replace(QLatin1Char('\n'), QLatin1String(" / "));
}

bool shown(const QObject *object)
{
    const auto *control = qobject_cast<const Control *>(object);
    return !control || control->isVisible();
}

QString actionTitle(const ActionItem *action)
{
    return action->title().isEmpty() ? action->objectName() : action->title();
}

QString focusText(const Control *control)
{
    return control->isFocused() ? QStringLiteral(" (focused)") : QString();
}

// The action bar's places in screen order, the overflow menu's actions last.
QList<QPair<ActionItem *, ScreenLayout::Target::Place>> actionBarPlaces(const ActionBarLayout &bar)
{
    using Place = ScreenLayout::Target::Place;
    QList<QPair<ActionItem *, Place>> places;
    if (bar.left())
        places.append({ bar.left(), Place::Left });
    if (bar.centre())
        places.append({ bar.centre(), Place::Centre });
    if (bar.right())
        places.append({ bar.right(), Place::Right });
    for (ActionItem *action : bar.overflow())
        places.append({ action, Place::Overflow });
    return places;
}
} // namespace

class LayoutWriter
{
public:
    LayoutWriter(ScreenLayout *layout, const QObject *root) : m_layout(layout), m_root(root) { }

    void write(const QObject *object, int depth)
    {
        if (!object || !shown(object))
            return;
        if (const auto *pane = qobject_cast<const NavigationPane *>(object))
            write(pane->top(), depth);
        else if (const auto *page = qobject_cast<const Page *>(object))
            writePage(page, depth);
        else if (const auto *list = qobject_cast<const ListView *>(object))
            writeList(list, depth);
        else if (const auto *field = qobject_cast<const TextField *>(object))
            writeField(field, depth);
        else if (const auto *area = qobject_cast<const TextArea *>(object))
            writeArea(area, depth);
        else if (const auto *label = qobject_cast<const Label *>(object))
            writeLabel(label, depth);
        else if (const auto *button = qobject_cast<const Button *>(object))
            writeButton(button, depth);
        else if (const auto *imageButton = qobject_cast<const ImageButton *>(object))
            writeTappable(imageButton, imageButtonText(imageButton), depth);
        else if (const auto *image = qobject_cast<const ImageView *>(object))
            writeImage(image, depth);
        else if (const auto *dropDown = qobject_cast<const DropDown *>(object))
            writeDropDown(dropDown, depth);
        else if (const auto *radio = qobject_cast<const RadioGroup *>(object))
            writeRadio(radio, depth);
        else if (const auto *header = qobject_cast<const Header *>(object))
            add(depth, headingText(plain(header->title())), ScreenLayout::Line::Heading);
        else if (const auto *spinner = qobject_cast<const ActivityIndicator *>(object))
            writeSpinner(spinner, depth);
        else if (const auto *web = qobject_cast<const WebView *>(object))
            add(depth, QStringLiteral("(web) %1").arg(web->url().toString()), ScreenLayout::Line::Muted);
        else if (const auto *scroll = qobject_cast<const ScrollView *>(object))
            write(scroll->content(), depth);
        else if (const auto *custom = qobject_cast<const CustomControl *>(object))
            write(custom->root(), depth);
        else if (const auto *item = qobject_cast<const CustomListItem *>(object))
            write(item->content(), depth);
        else if (const auto *container = qobject_cast<const Container *>(object))
            writeContainer(container, depth);
        else if (const auto *sheet = qobject_cast<const Sheet *>(object))
            write(sheet->content(), depth);
        else if (const auto *dialog = qobject_cast<const Dialog *>(object))
            write(dialog->content(), depth);
    }

    int add(int depth, const QString &text, ScreenLayout::Line::Style style, int target = -1)
    {
        ScreenLayout::Line line;
        line.depth = depth;
        line.text = text;
        line.style = style;
        line.target = target;
        m_layout->m_lines.append(line);
        return m_layout->m_lines.size() - 1;
    }

    void writeContextMenu()
    {
        m_layout->m_title = QStringLiteral("Menu");
        for (const ActionSet *set : ContextMenu::actionSets()) {
            if (!set->title().isEmpty())
                add(0, QStringLiteral("── %1 ──").arg(plain(set->title())), ScreenLayout::Line::Heading);
            for (ActionItem *action : set->actions()) {
                const int target
                    = addTarget(ScreenLayout::Target::Action, actionTitle(action), action, action->isEnabled());
                add(0, actionTitle(action), ScreenLayout::Line::Button, target);
            }
        }
    }

private:
    // Only what the driver can reach, and find by a name or text, is a target; the rest is text.
    int addTarget(ScreenLayout::Target::Kind kind, const QString &name, QObject *object, bool enabled = true)
    {
        if (name.isEmpty() || !TestDriver::isOnScreen(m_root, object))
            return -1;
        ScreenLayout::Target target;
        target.kind = kind;
        target.name = name;
        target.object = object;
        target.enabled = enabled;
        m_layout->m_targets.append(target);
        return m_layout->m_targets.size() - 1;
    }

    void addAction(ActionItem *action, bool titleBar = false,
                   ScreenLayout::Target::Place place = ScreenLayout::Target::Left, bool signature = false)
    {
        if (actionTitle(action).isEmpty() || !TestDriver::isOnScreen(m_root, action))
            return;
        ScreenLayout::Target target;
        target.titleBar = titleBar;
        target.place = place;
        target.signature = signature;
        target.kind = ScreenLayout::Target::Action;
        target.name = actionTitle(action);
        target.object = action;
        target.enabled = action->isEnabled();
        m_layout->m_actions.append(target);
    }

    void writePage(const Page *page, int depth)
    {
        if (const TitleBar *bar = page->titleBar()) {
            if (bar->isVisible())
                writeTitleBar(bar, depth);
        }
        write(page->content(), depth);
        const ActionBarLayout bar(page->actions());
        for (const auto &placed : actionBarPlaces(bar))
            addAction(placed.first, false, placed.second, placed.first == bar.signature());
    }

    void writeTitleBar(const TitleBar *bar, int depth)
    {
        if (m_layout->m_title.isEmpty())
            m_layout->m_title = bar->title();
        if (bar->dismissAction())
            addAction(bar->dismissAction(), true);
        if (bar->acceptAction())
            addAction(bar->acceptAction(), true);
        for (int i = 0; i < bar->optionCount(); ++i) {
            const QString tab = bar->optionAt(i)->text();
            const int target = addTarget(ScreenLayout::Target::Option, bar->objectName(), const_cast<TitleBar *>(bar));
            setIndex(target, i);
            add(depth, i == bar->selectedIndex() ? QStringLiteral("[%1]").arg(tab) : QStringLiteral(" %1 ").arg(tab),
                ScreenLayout::Line::Button, target);
        }
        if (bar->kindProperties())
            write(bar->kindProperties()->content(), depth);
    }

    static QString imageButtonText(const ImageButton *button)
    {
        const QString image = ScreenText::texts(button, ScreenText::ImageSymbols);
        return image.isEmpty() ? QStringLiteral("[%1]").arg(button->objectName()) : image;
    }

    void writeImage(const ImageView *image, int depth)
    {
        const QString text = ScreenText::texts(image, ScreenText::ImageSymbols);
        if (!text.isEmpty())
            add(depth, text, ScreenLayout::Line::Muted);
    }

    void writeContainer(const Container *container, int depth)
    {
        for (const Control *child : container->controls())
            write(child, depth);
    }

    void writeField(const TextField *field, int depth)
    {
        QString value = field->text();
        if (value.isEmpty() && !field->hintText().isEmpty())
            value = field->hintText();
        const int target = addTarget(ScreenLayout::Target::Field, field->objectName(), const_cast<TextField *>(field),
                                     field->isEnabled());
        add(depth, QStringLiteral("%1 [%2]%3").arg(field->objectName(), value, focusText(field)),
            ScreenLayout::Line::Field, target);
    }

    void writeArea(const TextArea *area, int depth)
    {
        if (area->isEditable()) {
            const int target = addTarget(ScreenLayout::Target::Field, area->objectName(), const_cast<TextArea *>(area),
                                         area->isEnabled());
            add(depth, QStringLiteral("%1 [%2]").arg(area->objectName(), area->text()), ScreenLayout::Line::Field,
                target);
        } else if (!area->text().isEmpty()) {
            addTextOrTappable(area, plain(area->text()), depth);
        }
    }

    void writeLabel(const Label *label, int depth)
    {
        if (!label->text().isEmpty())
            addTextOrTappable(label, plain(label->text()), depth);
    }

    // A text with a tap handler is something a finger can press.
    void addTextOrTappable(const Control *control, const QString &text, int depth)
    {
        if (!control->gestureHandlers().isEmpty() && !control->objectName().isEmpty())
            writeTappable(control, text, depth);
        else
            add(depth, text, ScreenLayout::Line::Plain);
    }

    void writeTappable(const Control *control, const QString &text, int depth)
    {
        const int target = addTarget(ScreenLayout::Target::Tappable, control->objectName(),
                                     const_cast<Control *>(control), control->isEnabled());
        add(depth, text, ScreenLayout::Line::Button, target);
    }

    void writeButton(const Button *button, int depth)
    {
        const QString name = button->objectName().isEmpty() ? button->text() : button->objectName();
        const int target
            = addTarget(ScreenLayout::Target::Button, name, const_cast<Button *>(button), button->isEnabled());
        const QString image = button->imageSource().isEmpty() ? QString()
                                                              : QStringLiteral(" ")
                + ScreenText::imageText(button->imageSource(), button->image(), ScreenText::ImageSymbols);
        add(depth, QStringLiteral("< %1 >%2%3").arg(button->text(), image, focusText(button)),
            ScreenLayout::Line::Button, target);
    }

    void writeDropDown(const DropDown *dropDown, int depth)
    {
        const Option *selected = dropDown->selectedOption();
        const int target = addTarget(ScreenLayout::Target::DropDown, dropDown->objectName(),
                                     const_cast<DropDown *>(dropDown), dropDown->isEnabled());
        add(depth,
            QStringLiteral("%1: %2 ▾").arg(dropDown->title(), selected ? selected->text() : QStringLiteral("(none)")),
            ScreenLayout::Line::Button, target);
        if (!dropDown->isExpanded())
            return;
        for (int i = 0; i < dropDown->count(); ++i)
            writeOption(const_cast<DropDown *>(dropDown), i, dropDown->at(i)->text(), i == dropDown->selectedIndex(),
                        depth + 1);
    }

    void writeRadio(const RadioGroup *radio, int depth)
    {
        for (int i = 0; i < radio->count(); ++i)
            writeOption(const_cast<RadioGroup *>(radio), i, plain(radio->at(i)->text()), i == radio->selectedIndex(),
                        depth);
    }

    void writeOption(QObject *owner, int index, const QString &text, bool selected, int depth)
    {
        const int target = addTarget(ScreenLayout::Target::Option, owner->objectName(), owner);
        setIndex(target, index);
        add(depth, QStringLiteral("(%1) %2").arg(selected ? QLatin1Char('*') : QLatin1Char(' ')).arg(text),
            ScreenLayout::Line::Button, target);
    }

    void setIndex(int target, int index)
    {
        if (target >= 0)
            m_layout->m_targets[target].index = index;
    }

    void writeSpinner(const ActivityIndicator *spinner, int depth)
    {
        if (spinner->isRunning())
            add(depth, QStringLiteral("… working"), ScreenLayout::Line::Muted);
    }

    void writeList(const ListView *list, int depth)
    {
        for (int row = 0; row < list->rowCount(); ++row) {
            const QString type = list->rowType(row);
            QString text = ScreenText::texts(list->rowItem(row), ScreenText::ImageSymbols);
            const bool header = type.startsWith(QLatin1String("HEADER_"));
            if (text.isEmpty() && !header)
                text = type;
            const int target = addTarget(ScreenLayout::Target::Row, list->objectName(), const_cast<ListView *>(list));
            if (target >= 0) {
                m_layout->m_targets[target].indexPath = list->rowIndexPath(row);
                m_layout->m_targets[target].row = row;
            }
            add(depth, header ? headingText(text) : text,
                header ? ScreenLayout::Line::Heading : ScreenLayout::Line::Row, target);
        }
        if (!list->isAtEnd())
            add(depth, QStringLiteral("…"), ScreenLayout::Line::Muted);
    }

    ScreenLayout *m_layout;
    const QObject *m_root;
};

ScreenLayout ScreenLayout::of(const QObject *root)
{
    ScreenLayout layout;
    LayoutWriter writer(&layout, root);
    const QList<Dialog *> dialogs = Dialog::openDialogs();
    const QList<Sheet *> sheets = Sheet::openSheets();
    if (ContextMenu::isOpen()) {
        layout.m_layer = MenuLayer;
        writer.writeContextMenu();
    } else if (!dialogs.isEmpty()) {
        layout.m_layer = DialogLayer;
        writer.write(dialogs.last(), 0);
    } else {
        writer.write(sheets.isEmpty() ? root : sheets.last(), 0);
    }
    return layout;
}

ScreenLayout ScreenLayout::ofTree(const QObject *root, const QObject *object)
{
    ScreenLayout layout;
    LayoutWriter(&layout, root).write(object, 0);
    return layout;
}

const QObject *ScreenLayout::underneath(const QObject *root)
{
    // Under a context menu lies the top toolkit layer; under a dialog, the top sheet or root.
    const QList<Dialog *> dialogs = Dialog::openDialogs();
    const QList<Sheet *> sheets = Sheet::openSheets();
    if (ContextMenu::isOpen() && !dialogs.isEmpty())
        return dialogs.last();
    return sheets.isEmpty() ? root : sheets.last();
}

int ScreenLayout::firstField() const
{
    for (int i = 0; i < m_targets.size(); ++i) {
        if (m_targets.at(i).kind == Target::Field)
            return i;
    }
    return -1;
}

QStringList ScreenLayout::namesOf(Target::Kind kind) const
{
    QStringList names;
    // A context menu's actions are targets; the bars' actions are reached with Tab.
    for (const Target &target : m_targets + m_actions) {
        if (target.kind == kind && !target.name.isEmpty() && !names.contains(target.name))
            names.append(target.name);
    }
    return names;
}

} // namespace console
} // namespace trellan
} // namespace hx
