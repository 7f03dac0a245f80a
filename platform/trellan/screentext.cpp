#include <hx/system/systemui.h>
#include <hx/trellan/actionbarlayout.h>
#include <hx/trellan/actionitem.h>
#include <hx/trellan/actionset.h>
#include <hx/trellan/activityindicator.h>
#include <hx/trellan/button.h>
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
#include <hx/trellan/page.h>
#include <hx/trellan/radiogroup.h>
#include <hx/trellan/screentext.h>
#include <hx/trellan/scrollview.h>
#include <hx/trellan/sheet.h>
#include <hx/trellan/textarea.h>
#include <hx/trellan/textfield.h>
#include <hx/trellan/titlebar.h>
#include <hx/trellan/validator.h>
#include <hx/trellan/virtualkeyboard.h>
#include <hx/trellan/webview.h>

#include <QtCore/QRegularExpression>
#include <QtCore/QStringList>

#include "reachability_p.h"

namespace hx {
namespace trellan {

namespace {
QString plain(const QString &text)
{
    return ScreenText::withoutMarkup(text).replace(QLatin1Char('\n'), QLatin1String(" / "));
}

// A plain-text control shows its angle brackets as they are; others are read without markup.
QString shownText(const AbstractTextControl *control)
{
    if (control->textFormat() == TextFormat::Plain)
        return QString(control->text()).replace(QLatin1Char('\n'), QLatin1String(" / "));
    return plain(control->text());
}

QString named(const char *kind, const QObject *object)
{
    const QString name = object->objectName();
    if (name.isEmpty())
        return QLatin1String(kind);
    return QStringLiteral("%1 \"%2\"").arg(QLatin1String(kind), name);
}

QString imageText(const QUrl &source, const Image &image)
{
    return ScreenText::imageText(source, image);
}

// " text", or nothing for an empty text.
QString spaced(const QString &text)
{
    return text.isEmpty() ? QString() : QStringLiteral(" ") + text;
}

QString imageText(const ImageView *view)
{
    return imageText(view->imageSource(), view->image());
}

QString imageText(const ImageButton *button)
{
    return imageText(button->defaultImageSource(), button->defaultImage());
}

QString stateText(bool enabled, bool focused)
{
    QString text;
    if (!enabled)
        text += QStringLiteral(" (disabled)");
    if (focused)
        text += QStringLiteral(" (focused)");
    return text;
}

QString actionText(const ActionItem *action)
{
    const QString title = action->title().isEmpty() ? action->objectName() : action->title();
    return title + stateText(action->isEnabled(), action->isFocused());
}

QString actionList(const QList<ActionItem *> &actions)
{
    QStringList titles;
    for (const ActionItem *action : actions)
        titles.append(actionText(action));
    return titles.join(QStringLiteral(" | "));
}

QString actionBarText(const QList<ActionItem *> &actions)
{
    const ActionBarLayout bar(actions);
    QStringList parts;
    if (bar.left())
        parts.append(QStringLiteral("left ") + actionText(bar.left()));
    if (bar.centre())
        parts.append(QStringLiteral("centre ") + actionText(bar.centre())
                     + (bar.centre() == bar.signature() ? QStringLiteral(" (signature)") : QString()));
    if (bar.right())
        parts.append(QStringLiteral("right ") + actionText(bar.right()));
    if (!bar.overflow().isEmpty()) {
        QStringList hidden;
        for (const ActionItem *action : bar.overflow())
            hidden.append(actionText(action));
        parts.append(QStringLiteral("overflow: ") + hidden.join(QStringLiteral(", ")));
    }
    return parts.join(QStringLiteral(" | "));
}

void collectTexts(const QObject *object, QStringList *texts, ScreenText::ImageForm form)
{
    if (const auto *control = qobject_cast<const Control *>(object)) {
        if (!control->isVisible())
            return;
    }
    if (const auto *label = qobject_cast<const AbstractTextControl *>(object)) {
        if (!label->text().isEmpty())
            texts->append(shownText(label));
    } else if (const auto *header = qobject_cast<const Header *>(object)) {
        if (!header->title().isEmpty())
            texts->append(plain(header->title()));
    } else if (const auto *button = qobject_cast<const Button *>(object)) {
        if (!button->text().isEmpty())
            texts->append(QStringLiteral("<%1>").arg(button->text()));
    } else if (const auto *image = qobject_cast<const ImageView *>(object)) {
        const QString text = ScreenText::imageText(image->imageSource(), image->image(), form);
        if (!text.isEmpty())
            texts->append(text);
    } else if (const auto *imageButton = qobject_cast<const ImageButton *>(object)) {
        const QString text
            = ScreenText::imageText(imageButton->defaultImageSource(), imageButton->defaultImage(), form);
        if (!text.isEmpty())
            texts->append(text);
    }
    if (const auto *container = qobject_cast<const Container *>(object)) {
        for (const Control *child : container->controls())
            collectTexts(child, texts, form);
        return;
    }
    for (const QObject *child : object->children()) {
        if (qobject_cast<const Control *>(child))
            collectTexts(child, texts, form);
    }
}

class Writer
{
public:
    QStringList lines;

    void line(int depth, const QString &text) { lines.append(QString(depth * 2, QLatin1Char(' ')) + text); }

    void write(const QObject *object, int depth)
    {
        if (!object)
            return;
        if (const auto *control = qobject_cast<const Control *>(object)) {
            if (!control->isVisible())
                return;
        }
        if (const auto *pane = qobject_cast<const NavigationPane *>(object)) {
            line(depth, QStringLiteral("%1: %2 pages").arg(named("NavigationPane", pane)).arg(pane->count()));
            write(pane->top(), depth);
        } else if (const auto *page = qobject_cast<const Page *>(object)) {
            writePage(page, depth);
        } else if (const auto *list = qobject_cast<const ListView *>(object)) {
            writeList(list, depth);
        } else if (const auto *field = qobject_cast<const TextField *>(object)) {
            QString value = QStringLiteral("[%1]").arg(field->text());
            if (field->text().isEmpty() && !field->hintText().isEmpty())
                value += QStringLiteral(" (hint: %1)").arg(field->hintText());
            value += stateText(field->isEnabled(), field->isFocused());
            // A field whose validator found the text invalid shows its message under it.
            const Validator *validator = field->validator();
            if (validator && validator->state() == ValidationState::Invalid && !validator->errorMessage().isEmpty())
                value += QStringLiteral(" (error: %1)").arg(validator->errorMessage());
            line(depth, QStringLiteral("%1: %2").arg(named("TextField", field), value));
        } else if (const auto *area = qobject_cast<const TextArea *>(object)) {
            if (!area->text().isEmpty() || area->isEditable())
                line(depth,
                     QStringLiteral("%1: %2%3")
                         .arg(named("TextArea", area),
                              area->isEditable() ? QStringLiteral("[%1]").arg(area->text()) : shownText(area),
                              stateText(true, area->isFocused())));
        } else if (const auto *label = qobject_cast<const Label *>(object)) {
            if (!label->text().isEmpty())
                line(depth, QStringLiteral("%1: %2").arg(named("Label", label), shownText(label)));
        } else if (const auto *button = qobject_cast<const Button *>(object)) {
            const QString image = imageText(button->imageSource(), button->image());
            line(depth,
                 QStringLiteral("%1: <%2>%3%4")
                     .arg(named("Button", button), button->text(), spaced(image),
                          stateText(button->isEnabled(), button->isFocused())));
        } else if (const auto *image = qobject_cast<const ImageView *>(object)) {
            if (!imageText(image).isEmpty())
                line(depth, QStringLiteral("%1: %2").arg(named("ImageView", image), imageText(image)));
        } else if (const auto *imageButton = qobject_cast<const ImageButton *>(object)) {
            line(depth,
                 QStringLiteral("%1: %2%3")
                     .arg(named("ImageButton", imageButton), imageText(imageButton),
                          stateText(imageButton->isEnabled(), imageButton->isFocused())));
        } else if (const auto *dropDown = qobject_cast<const DropDown *>(object)) {
            const Option *selected = dropDown->selectedOption();
            line(depth,
                 QStringLiteral("%1: %2 = %3%4")
                     .arg(named("DropDown", dropDown), dropDown->title(),
                          selected ? selected->text() : QStringLiteral("(none)"),
                          dropDown->isExpanded() ? QStringLiteral(" (expanded)") : QString()));
            if (dropDown->isExpanded())
                writeOptions(dropDown, depth + 1);
        } else if (const auto *radio = qobject_cast<const RadioGroup *>(object)) {
            line(depth, named("RadioGroup", radio) + QLatin1Char(':'));
            for (int i = 0; i < radio->count(); ++i)
                line(depth + 1,
                     QStringLiteral("(%1) %2")
                         .arg(i == radio->selectedIndex() ? QLatin1Char('*') : QLatin1Char(' '))
                         .arg(plain(radio->at(i)->text())));
        } else if (const auto *header = qobject_cast<const Header *>(object)) {
            line(depth, QStringLiteral("--- %1 ---").arg(plain(header->title())));
        } else if (const auto *spinner = qobject_cast<const ActivityIndicator *>(object)) {
            if (spinner->isRunning())
                line(depth, QStringLiteral("%1: running").arg(named("ActivityIndicator", spinner)));
        } else if (const auto *web = qobject_cast<const WebView *>(object)) {
            line(depth, QStringLiteral("%1: %2").arg(named("WebView", web), web->url().toString()));
        } else if (const auto *scroll = qobject_cast<const ScrollView *>(object)) {
            write(scroll->content(), depth);
        } else if (const auto *custom = qobject_cast<const CustomControl *>(object)) {
            write(custom->root(), depth);
        } else if (const auto *item = qobject_cast<const CustomListItem *>(object)) {
            write(item->content(), depth);
        } else if (const auto *container = qobject_cast<const Container *>(object)) {
            for (const Control *child : container->controls())
                write(child, depth);
        } else if (const auto *sheet = qobject_cast<const Sheet *>(object)) {
            line(depth, named("Sheet", sheet) + QLatin1Char(':'));
            write(sheet->content(), depth + 1);
        } else if (const auto *dialog = qobject_cast<const Dialog *>(object)) {
            line(depth, named("Dialog", dialog) + QLatin1Char(':'));
            write(dialog->content(), depth + 1);
        }
    }

    void writePage(const Page *page, int depth)
    {
        line(depth, named("Page", page));
        if (const TitleBar *bar = page->titleBar()) {
            if (bar->isVisible()) {
                QString text = QStringLiteral("Title: %1").arg(bar->title());
                if (bar->dismissAction())
                    text += QStringLiteral(" [%1]").arg(actionList({ bar->dismissAction() }));
                if (bar->acceptAction())
                    text += QStringLiteral(" [%1]").arg(actionList({ bar->acceptAction() }));
                // Tab bars and free-form bars often have no title of their own.
                if (!bar->title().isEmpty() || bar->dismissAction() || bar->acceptAction())
                    line(depth + 1, text);
                if (bar->optionCount() > 0) {
                    QStringList tabs;
                    for (int i = 0; i < bar->optionCount(); ++i) {
                        const QString tab = bar->optionAt(i)->text();
                        tabs.append(i == bar->selectedIndex() ? QStringLiteral("*%1*").arg(tab) : tab);
                    }
                    line(depth + 1, QStringLiteral("Tabs: %1").arg(tabs.join(QStringLiteral(" | "))));
                }
                if (bar->kindProperties())
                    write(bar->kindProperties()->content(), depth + 1);
            }
        }
        write(page->content(), depth + 1);
        if (page->actionCount() > 0)
            line(depth + 1, QStringLiteral("Action bar: %1").arg(actionBarText(page->actions())));
    }

    void writeOptions(const DropDown *dropDown, int depth)
    {
        for (int i = 0; i < dropDown->count(); ++i) {
            const Option *option = dropDown->at(i);
            const QString image = imageText(option->imageSource(), option->image());
            line(depth,
                 QStringLiteral("(%1) %2%3")
                     .arg(i == dropDown->selectedIndex() ? QLatin1Char('*') : QLatin1Char(' '))
                     .arg(plain(option->text()), spaced(image)));
        }
    }

    void writeContextMenu()
    {
        const Control *owner = ContextMenu::owner();
        if (!owner)
            return;
        line(0, QStringLiteral("ContextMenu of %1:").arg(Reachability::describe(owner)));
        for (const ActionSet *set : ContextMenu::actionSets()) {
            if (!set->title().isEmpty())
                line(1, QStringLiteral("--- %1 ---").arg(plain(set->title())));
            for (const ActionItem *action : set->actions()) {
                const QString image = imageText(action->imageSource(), action->image());
                line(1, actionText(action) + (spaced(image)));
            }
        }
    }

    void writeList(const ListView *list, int depth)
    {
        line(depth, QStringLiteral("%1: %2 rows").arg(named("ListView", list)).arg(list->rowCount()));
        for (int row = 0; row < list->rowCount(); ++row) {
            QStringList path;
            for (const QVariant &index : list->rowIndexPath(row))
                path.append(QString::number(index.toInt()));
            QString text = QStringLiteral("[%1] %2").arg(path.join(QLatin1Char(',')), list->rowType(row));
            const QString rowTexts = ScreenText::texts(list->rowItem(row));
            if (!rowTexts.isEmpty())
                text += QStringLiteral(": ") + rowTexts;
            line(depth + 1, text);
        }
        if (!list->isAtEnd())
            line(depth + 1, QStringLiteral("..."));
    }
};
} // namespace

QString ScreenText::renderTree(const QObject *root)
{
    Writer writer;
    writer.write(root, 0);
    return writer.lines.join(QLatin1Char('\n'));
}

QString ScreenText::render(const QObject *root)
{
    Writer writer;
    writer.write(root, 0);
    for (const Sheet *sheet : Sheet::openSheets())
        writer.write(sheet, 0);
    for (const Dialog *dialog : Dialog::openDialogs())
        writer.write(dialog, 0);
    writer.writeContextMenu();
    // System dialogs and toasts are on top of everything.
    for (const hx::system::SystemUiRecord &record : hx::system::SystemUi::visible()) {
        static const char *const kinds[] = { "SystemDialog", "SystemProgressDialog", "SystemToast" };
        const char *kind = kinds[qBound(0, int(record.kind), 2)];
        QString head = record.objectName.isEmpty()
            ? QLatin1String(kind)
            : QStringLiteral("%1 \"%2\"").arg(QLatin1String(kind), record.objectName);
        writer.line(0, head + QLatin1Char(':'));
        if (!record.title.isEmpty())
            writer.line(1, QStringLiteral("Title: %1").arg(record.title));
        if (!record.body.isEmpty())
            writer.line(1, QStringLiteral("Body: %1").arg(plain(record.body)));
        if (record.progress >= 0)
            writer.line(1, QStringLiteral("Progress: %1%").arg(record.progress));
        QStringList buttons;
        for (const hx::system::SystemUiRecord::Button &button : record.buttons)
            buttons.append(button.enabled ? QStringLiteral("<%1>").arg(button.label)
                                          : QStringLiteral("<%1> (disabled)").arg(button.label));
        if (!buttons.isEmpty())
            writer.line(1, QStringLiteral("Buttons: %1").arg(buttons.join(QLatin1Char(' '))));
    }
    if (VirtualKeyboard::isShown())
        writer.line(0, QStringLiteral("Keyboard: shown"));
    return writer.lines.join(QLatin1Char('\n'));
}

QString ScreenText::texts(const QObject *control, ImageForm form)
{
    if (!control)
        return QString();
    QStringList texts;
    collectTexts(control, &texts, form);
    return texts.join(QStringLiteral(" | "));
}

QString ScreenText::imageText(const QUrl &source, const Image &image, ImageForm form)
{
    // An image as the user tells it apart: its symbol, its asset or file name, else its size.
    if (form == ImageSymbols && !image.symbol().isEmpty())
        return image.symbol();
    if (!source.isEmpty()) {
        const QString name = source.fileName().isEmpty() ? source.toString() : source.fileName();
        return form == ImageSymbols ? name : QStringLiteral("[img %1]").arg(name);
    }
    if (!image.isNull())
        return QStringLiteral("[img %1x%2]").arg(image.size().width()).arg(image.size().height());
    return QString();
}

QString ScreenText::withoutMarkup(const QString &text)
{
    static const QRegularExpression tags(QStringLiteral("<[^>]*>"));
    return QString(text).remove(tags);
}

} // namespace trellan
} // namespace hx
