#include "controlpainter_p.h"

#include <hx/trellan/actionbarlayout.h>
#include <hx/trellan/actionitem.h>
#include <hx/trellan/actionset.h>
#include <hx/trellan/activityindicator.h>
#include <hx/trellan/button.h>
#include <hx/trellan/color.h>
#include <hx/trellan/container.h>
#include <hx/trellan/contextmenu.h>
#include <hx/trellan/customcontrol.h>
#include <hx/trellan/customlistitem.h>
#include <hx/trellan/dialog.h>
#include <hx/trellan/divider.h>
#include <hx/trellan/docklayout.h>
#include <hx/trellan/dropdown.h>
#include <hx/trellan/enums.h>
#include <hx/trellan/freeformtitlebarkindproperties.h>
#include <hx/trellan/header.h>
#include <hx/trellan/imagebutton.h>
#include <hx/trellan/imagepaint.h>
#include <hx/trellan/imageview.h>
#include <hx/trellan/label.h>
#include <hx/trellan/listview.h>
#include <hx/trellan/navigationpane.h>
#include <hx/trellan/option.h>
#include <hx/trellan/page.h>
#include <hx/trellan/radiogroup.h>
#include <hx/trellan/scrollview.h>
#include <hx/trellan/sheet.h>
#include <hx/trellan/stacklayout.h>
#include <hx/trellan/textarea.h>
#include <hx/trellan/textfield.h>
#include <hx/trellan/titlebar.h>
#include <hx/trellan/virtualkeyboard.h>
#include <hx/trellan/webview.h>

#include <QtGui/QFontMetricsF>
#include <QtGui/QPainter>
#include <hx/trellan/screentext.h>

namespace hx {
namespace trellan {
namespace picture {

namespace {
using hx::system::SystemUiRecord;

// A dark phone theme: text on near black, a blue accent for what can be pressed.
const QColor Text(0xf2, 0xf2, 0xf2);
const QColor Muted(0x9a, 0x9a, 0x9a);
const QColor Accent(0x00, 0xa8, 0xdf);
const QColor Bar(0x2b, 0x2b, 0x2b);
const QColor Surface(0x3a, 0x3a, 0x3a);
const QColor Line(0x4a, 0x4a, 0x4a);

constexpr qreal TitleBarHeight = 104;
constexpr qreal TabsHeight = 80;
constexpr qreal ActionBarHeight = 112;
constexpr qreal FieldHeight = 76;
constexpr qreal ButtonHeight = 84;
constexpr qreal HeaderHeight = 56;
constexpr int MeasuredRows = 60;
constexpr qreal ImageSlot = 96;
constexpr qreal KeyboardHeight = 420;

QString plain(const QString &text)
{
    return ScreenText::withoutMarkup(text);
}

bool isShown(const Control *control)
{
    return control && control->isVisible();
}

QList<const Control *> shownChildren(const Container *container)
{
    QList<const Control *> children;
    for (const Control *child : container->controls()) {
        if (isShown(child))
            children.append(child);
    }
    return children;
}

int orientationOf(const Container *container)
{
    if (const auto *stack = qobject_cast<const StackLayout *>(container->layout()))
        return stack->orientation();
    return LayoutOrientation::TopToBottom;
}

bool isDock(const Container *container)
{
    return qobject_cast<const DockLayout *>(container->layout()) != nullptr;
}

bool isHorizontal(int orientation)
{
    return orientation == LayoutOrientation::LeftToRight || orientation == LayoutOrientation::RightToLeft;
}

QString titleOf(const ActionItem *action)
{
    return action->title().isEmpty() ? action->objectName() : action->title();
}

} // namespace

ControlPainter::ControlPainter(QPainter *painter, qreal scale) : m_painter(painter), m_scale(scale) { }

ScreenArea &ControlPainter::note(ScreenArea::Kind kind, const QRectF &rect, const QObject *object)
{
    ScreenArea area;
    area.kind = kind;
    area.rect = m_clip.isNull() ? rect : rect.intersected(m_clip);
    area.object = const_cast<QObject *>(object);
    if (m_rowList) {
        area.list = const_cast<ListView *>(m_rowList);
        area.indexPath = m_rowPath;
    }
    m_areas.append(area);
    return m_areas.last();
}

void ControlPainter::clipTo(const QRectF &rect)
{
    m_painter->setClipRect(rect);
    m_clip = m_clip.isNull() ? rect : m_clip.intersected(rect);
}

QColor ControlPainter::background()
{
    return QColor(0x12, 0x12, 0x12);
}

QFont ControlPainter::font(const TextStyle &style) const
{
    static const QHash<QString, qreal> sizes { { QStringLiteral("body"), 28 },     { QStringLiteral("primary"), 30 },
                                               { QStringLiteral("small"), 23 },    { QStringLiteral("title"), 34 },
                                               { QStringLiteral("subtitle"), 25 }, { QStringLiteral("big"), 44 } };
    QFont font(QStringLiteral("DejaVu Sans"));
    qreal size = sizes.value(style.base(), 28);
    if (style.fontSize() > 0)
        size = size * style.fontSize() / 100.0;
    font.setPixelSize(qMax(1, qRound(px(size))));
    const bool bold
        = style.fontWeight() == FontWeight::Bold || (style.fontWeight() == 0 && style.base() == QLatin1String("title"));
    font.setBold(bold);
    return font;
}

QColor ControlPainter::textColor(const TextStyle &style) const
{
    if (!style.color().isNull())
        return QColor::fromRgba(style.color().argb());
    return style.base() == QLatin1String("small") || style.base() == QLatin1String("subtitle") ? Muted : Text;
}

QSizeF ControlPainter::textSize(const QString &text, const TextStyle &style, qreal width, bool multiline) const
{
    const QFontMetricsF metrics(font(style));
    if (!multiline)
        return QSizeF(qMin(width, metrics.horizontalAdvance(text)), metrics.height());
    const QRectF bounds = metrics.boundingRect(QRectF(0, 0, width, 1e6), Qt::TextWordWrap, text);
    return QSizeF(qMin(width, bounds.width()), bounds.height());
}

QSizeF ControlPainter::naturalSize(const Control *control, qreal width) const
{
    if (!isShown(control))
        return QSizeF();
    // A control narrower than the room it is given wraps its text at its own width.
    if (control->preferredWidth() > 0)
        width = qMin(width, px(control->preferredWidth()));
    if (control->maxWidth() > 0)
        width = qMin(width, px(control->maxWidth()));
    QSizeF size;
    if (const auto *container = qobject_cast<const Container *>(control)) {
        size = containerSize(container, width);
    } else if (const auto *custom = qobject_cast<const CustomControl *>(control)) {
        size = naturalSize(custom->root(), width);
    } else if (const auto *item = qobject_cast<const CustomListItem *>(control)) {
        size = naturalSize(item->content(), width);
    } else if (const auto *scroll = qobject_cast<const ScrollView *>(control)) {
        size = naturalSize(scroll->content(), width);
    } else if (const auto *list = qobject_cast<const ListView *>(control)) {
        size = listSize(list, width);
    } else if (qobject_cast<const TextField *>(control)) {
        size = QSizeF(width, px(FieldHeight));
    } else if (const auto *area = qobject_cast<const TextArea *>(control)) {
        size = area->isEditable() ? QSizeF(width, px(FieldHeight * 2))
                                  : textSize(plain(area->text()), area->textStyle(), width, true);
    } else if (const auto *label = qobject_cast<const Label *>(control)) {
        size = label->text().isEmpty()
            ? QSizeF()
            : textSize(plain(label->text()), label->textStyle(), width, label->isMultiline());
    } else if (const auto *button = qobject_cast<const Button *>(control)) {
        const qreal text = QFontMetricsF(font(TextStyle(QStringLiteral("body")))).horizontalAdvance(button->text());
        size = QSizeF(qMin(width, text + px(64)), px(ButtonHeight));
    } else if (const auto *imageButton = qobject_cast<const ImageButton *>(control)) {
        size = imageSize(imageButton->defaultImage(), imageButton->defaultImageSource());
    } else if (const auto *view = qobject_cast<const ImageView *>(control)) {
        size = imageSize(view->image(), view->imageSource());
    } else if (const auto *dropDown = qobject_cast<const DropDown *>(control)) {
        size = QSizeF(width, px(FieldHeight) * (1 + (dropDown->isExpanded() ? dropDown->count() : 0)));
    } else if (const auto *radio = qobject_cast<const RadioGroup *>(control)) {
        size = QSizeF(width, px(FieldHeight) * radio->count());
    } else if (const auto *header = qobject_cast<const Header *>(control)) {
        // An untitled section is set off by a thin rule, as a divider.
        size = QSizeF(width, plain(header->title()).isEmpty() ? px(9) : px(HeaderHeight));
    } else if (qobject_cast<const Divider *>(control)) {
        size = QSizeF(width, px(9));
    } else if (const auto *spinner = qobject_cast<const ActivityIndicator *>(control)) {
        size = spinner->isRunning() ? QSizeF(px(64), px(64)) : QSizeF();
    } else if (qobject_cast<const WebView *>(control)) {
        size = QSizeF(width, px(240));
    }
    if (control->preferredWidth() > 0)
        size.setWidth(px(control->preferredWidth()));
    if (control->preferredHeight() > 0)
        size.setHeight(px(control->preferredHeight()));
    if (control->minHeight() > 0)
        size.setHeight(qMax(size.height(), px(control->minHeight())));
    if (control->maxHeight() > 0)
        size.setHeight(qMin(size.height(), px(control->maxHeight())));
    if (control->maxWidth() > 0)
        size.setWidth(qMin(size.width(), px(control->maxWidth())));
    // Images scale down to fit the width, keeping their shape.
    if (size.width() > width && size.width() > 0)
        size = QSizeF(width, size.height() * width / size.width());
    return size;
}

QSizeF ControlPainter::imageSize(const Image &image, const QUrl &source) const
{
    // An asset that could not be loaded keeps a slot with its name in it.
    if (image.isNull())
        return source.isEmpty() ? QSizeF() : QSizeF(px(ImageSlot), px(ImageSlot));
    return QSizeF(image.size()) * m_scale;
}

QSizeF ControlPainter::containerSize(const Container *container, qreal width) const
{
    const qreal horizontalPadding = px(container->leftPadding() + container->rightPadding());
    const qreal verticalPadding = px(container->topPadding() + container->bottomPadding());
    const qreal inner = qMax<qreal>(0, width - horizontalPadding);
    const bool horizontal = !isDock(container) && isHorizontal(orientationOf(container));
    qreal along = 0;
    qreal across = 0;
    for (const Control *child : shownChildren(container)) {
        const qreal marginsX = px(child->leftMargin() + child->rightMargin());
        const qreal marginsY = px(child->topMargin() + child->bottomMargin());
        const QSizeF size = naturalSize(child, qMax<qreal>(0, (horizontal ? inner - along : inner) - marginsX));
        if (horizontal) {
            along += size.width() + marginsX;
            across = qMax(across, size.height() + marginsY);
        } else if (isDock(container)) {
            along = qMax(along, size.height() + marginsY);
            across = qMax(across, size.width() + marginsX);
        } else {
            along += size.height() + marginsY;
            across = qMax(across, size.width() + marginsX);
        }
    }
    if (horizontal)
        return QSizeF(qMin(width, along + horizontalPadding), across + verticalPadding);
    return QSizeF(qMin(width, across + horizontalPadding), along + verticalPadding);
}

QSizeF ControlPainter::listSize(const ListView *list, qreal width) const
{
    qreal height = 0;
    for (int row = 0; row < qMin(list->rowCount(), MeasuredRows); ++row) {
        const Control *item = list->rowItem(row);
        height += item ? naturalSize(item, width).height() + 1 : px(FieldHeight);
    }
    return QSizeF(width, height);
}

void ControlPainter::paintScreen(const QObject *object, const QRectF &screen)
{
    if (const auto *pane = qobject_cast<const NavigationPane *>(object))
        paintScreen(pane->top(), screen);
    else if (const auto *page = qobject_cast<const Page *>(object))
        paintPage(page, screen);
    else if (const auto *sheet = qobject_cast<const Sheet *>(object))
        paintScreen(sheet->content(), screen);
    else if (const auto *dialog = qobject_cast<const Dialog *>(object))
        paint(dialog->content(), screen);
    else if (const auto *control = qobject_cast<const Control *>(object))
        paint(control, screen);
}

void ControlPainter::paintPage(const Page *page, const QRectF &rect)
{
    QRectF content = rect;
    const TitleBar *bar = page->titleBar();
    if (bar && bar->isVisible()) {
        const qreal height = titleBarHeight(bar, rect.width());
        paintTitleBar(bar, QRectF(rect.left(), rect.top(), rect.width(), height));
        content.setTop(rect.top() + height);
    }
    if (page->actionCount() > 0) {
        const QRectF bar(rect.left(), rect.bottom() - px(ActionBarHeight), rect.width(), px(ActionBarHeight));
        paintActionBar(page, bar);
        content.setBottom(bar.top());
    }
    m_painter->save();
    const QRectF clip = m_clip;
    clipTo(content);
    paint(page->content(), content);
    m_clip = clip;
    m_painter->restore();
}

qreal ControlPainter::titleBarHeight(const TitleBar *bar, qreal width) const
{
    qreal height = px(TitleBarHeight);
    if (bar->kindProperties() && bar->kindProperties()->content())
        height = qMax(height, naturalSize(bar->kindProperties()->content(), width).height());
    return height + (bar->optionCount() > 0 ? px(TabsHeight) : 0);
}

void ControlPainter::paintTitleBar(const TitleBar *bar, const QRectF &rect)
{
    m_painter->fillRect(rect, Bar);
    const qreal tabs = bar->optionCount() > 0 ? px(TabsHeight) : 0;
    const QRectF top(rect.left(), rect.top(), rect.width(), rect.height() - tabs);
    if (bar->kindProperties() && bar->kindProperties()->content()) {
        paint(bar->kindProperties()->content(), top);
    } else {
        const QRectF inner = top.adjusted(px(24), 0, -px(24), 0);
        paintText(bar->title(), TextStyle(QStringLiteral("title")), inner, false, Qt::AlignCenter);
        const TextStyle action(QStringLiteral("body"));
        const qreal third = top.width() / 3;
        if (const ActionItem *dismiss = bar->dismissAction()) {
            note(ScreenArea::Action, QRectF(top.left(), top.top(), third, top.height()), dismiss);
            paintText(dismiss->title(), action, inner, false, Qt::AlignLeft | Qt::AlignVCenter);
        }
        if (const ActionItem *accept = bar->acceptAction()) {
            note(ScreenArea::Action, QRectF(top.right() - third, top.top(), third, top.height()), accept);
            TextStyle accent = action;
            accent.setColor(Color::fromARGB(accept->isEnabled() ? Accent.rgba() : Muted.rgba()));
            paintText(accept->title(), accent, inner, false, Qt::AlignRight | Qt::AlignVCenter);
        }
    }
    if (tabs <= 0)
        return;
    const qreal tabWidth = rect.width() / bar->optionCount();
    for (int i = 0; i < bar->optionCount(); ++i) {
        const QRectF tab(rect.left() + i * tabWidth, top.bottom(), tabWidth, tabs);
        note(ScreenArea::Option, tab, bar).index = i;
        const bool selected = i == bar->selectedIndex();
        TextStyle style(QStringLiteral("body"));
        style.setColor(Color::fromARGB(selected ? Text.rgba() : Muted.rgba()));
        paintText(bar->optionAt(i)->text(), style, tab, false, Qt::AlignCenter);
        if (selected)
            m_painter->fillRect(QRectF(tab.left(), tab.bottom() - px(6), tab.width(), px(6)), Accent);
    }
}

void ControlPainter::paintActionBar(const Page *page, const QRectF &rect)
{
    m_painter->fillRect(rect, Bar);
    const ActionBarLayout bar(page->actions());
    // Three places across the bar, and the overflow's three dots at its right edge.
    const qreal overflow = bar.overflow().isEmpty() ? 0 : px(72);
    const qreal slot = (rect.width() - overflow) / 3;
    const ActionItem *const shown[] = { bar.left(), bar.centre(), bar.right() };
    for (int i = 0; i < 3; ++i) {
        if (!shown[i])
            continue;
        const QRectF cell(rect.left() + i * slot, rect.top(), slot, rect.height());
        note(ScreenArea::Action, cell, shown[i]);
        paintAction(shown[i], cell, shown[i] == bar.signature());
    }
    if (!bar.overflow().isEmpty()) {
        const QRectF dots(rect.right() - overflow, rect.top(), overflow, rect.height());
        note(ScreenArea::Overflow, dots, page);
        m_painter->setPen(Qt::NoPen);
        m_painter->setBrush(Text);
        for (int i = -1; i <= 1; ++i)
            m_painter->drawEllipse(QPointF(dots.center().x(), dots.center().y() + i * px(14)), px(4), px(4));
    }
}

void ControlPainter::paintAction(const ActionItem *action, const QRectF &cell, bool signature)
{
    const qreal iconSize = px(48);
    if (signature) {
        m_painter->setPen(Qt::NoPen);
        m_painter->setBrush(Accent);
        m_painter->drawEllipse(QPointF(cell.center().x(), cell.top() + px(36)), px(34), px(34));
    }
    const bool hasIcon = !action->image().isNull() || !action->imageSource().isEmpty();
    if (hasIcon)
        paintAsset(action->image(), action->imageSource(),
                   QRectF(cell.center().x() - iconSize / 2, cell.top() + px(12), iconSize, iconSize));
    TextStyle style(QStringLiteral("small"));
    style.setColor(Color::fromARGB(action->isEnabled() ? Text.rgba() : Muted.rgba()));
    const QRectF label = hasIcon || signature ? cell.adjusted(0, px(72), 0, 0) : cell;
    paintText(titleOf(action), style, label, false,
              hasIcon || signature ? Qt::AlignHCenter | Qt::AlignTop : Qt::AlignCenter);
}

void ControlPainter::paintDropDown(const DropDown *dropDown, const QRectF &rect)
{
    const TextStyle body(QStringLiteral("body"));
    const QRectF head(rect.left(), rect.top(), rect.width(), px(FieldHeight));
    paintBox(head, Surface, Line);
    const Option *selected = dropDown->selectedOption();
    const QRectF inner = head.adjusted(px(20), 0, -px(20), 0);
    paintText(dropDown->title(), body, inner, false, Qt::AlignLeft | Qt::AlignVCenter);
    paintText((selected ? selected->text() : QString())
                  + (dropDown->isExpanded() ? QStringLiteral("  ▴") : QStringLiteral("  ▾")),
              body, inner, false, Qt::AlignRight | Qt::AlignVCenter);
    if (!dropDown->isExpanded())
        return;
    // Open, its options follow as a list with a mark on the chosen one.
    for (int i = 0; i < dropDown->count(); ++i) {
        const Option *option = dropDown->at(i);
        const QRectF line(rect.left(), head.bottom() + i * px(FieldHeight), rect.width(), px(FieldHeight));
        note(ScreenArea::Option, line, dropDown).index = i;
        m_painter->fillRect(line, Surface);
        if (i == dropDown->selectedIndex())
            m_painter->fillRect(QRectF(line.left(), line.top(), px(6), line.height()), Accent);
        qreal textLeft = line.left() + px(32);
        if (!option->image().isNull() || !option->imageSource().isEmpty()) {
            paintAsset(option->image(), option->imageSource(),
                       QRectF(textLeft, line.center().y() - px(24), px(48), px(48)));
            textLeft += px(64);
        }
        paintText(plain(option->text()), body, QRectF(textLeft, line.top(), line.right() - textLeft, line.height()),
                  false, Qt::AlignLeft | Qt::AlignVCenter);
        m_painter->fillRect(QRectF(line.left() + px(20), line.bottom() - 1, line.width() - px(40), 1), Line);
    }
}

void ControlPainter::paintContextMenu(const QRectF &screen)
{
    // The menu slides in at the right over the dimmed screen: its sets' titles, then actions.
    m_painter->fillRect(screen, QColor(0, 0, 0, 128));
    note(ScreenArea::MenuBackdrop, screen);
    const qreal width = qMin(screen.width() * 0.6, px(460));
    const QRectF panel(screen.right() - width, screen.top(), width, screen.height());
    m_painter->fillRect(panel, Bar);
    m_painter->fillRect(QRectF(panel.left(), panel.top(), px(2), panel.height()), Line);
    qreal y = panel.top() + px(24);
    for (const ActionSet *set : ContextMenu::actionSets()) {
        if (!set->title().isEmpty()) {
            paintText(plain(set->title()), TextStyle(QStringLiteral("title")),
                      QRectF(panel.left() + px(24), y, width - px(48), px(56)), false,
                      Qt::AlignLeft | Qt::AlignVCenter);
            y += px(64);
        }
        for (const ActionItem *action : set->actions()) {
            const QRectF line(panel.left(), y, width, px(FieldHeight));
            note(ScreenArea::Action, line, action);
            qreal textLeft = line.left() + px(24);
            if (!action->image().isNull() || !action->imageSource().isEmpty()) {
                paintAsset(action->image(), action->imageSource(),
                           QRectF(textLeft, line.center().y() - px(24), px(48), px(48)));
                textLeft += px(64);
            }
            TextStyle style(QStringLiteral("body"));
            style.setColor(Color::fromARGB(action->isEnabled() ? Text.rgba() : Muted.rgba()));
            paintText(titleOf(action), style, QRectF(textLeft, line.top(), line.right() - textLeft, line.height()),
                      false, Qt::AlignLeft | Qt::AlignVCenter);
            y += line.height();
        }
    }
}

void ControlPainter::paintKeyboard(const QRectF &screen)
{
    // Four rows of keys at the bottom, over whatever the screen shows there.
    static const QStringList rows { QStringLiteral("1234567890"), QStringLiteral("qwertyuiop"),
                                    QStringLiteral("asdfghjkl"), QStringLiteral("zxcvbnm") };
    const QRectF board(screen.left(), screen.bottom() - px(KeyboardHeight), screen.width(), px(KeyboardHeight));
    m_painter->fillRect(board, Bar);
    const qreal rowHeight = board.height() / (rows.size() + 1);
    const qreal keyWidth = board.width() / 10;
    const TextStyle style(QStringLiteral("body"));
    for (int r = 0; r < rows.size(); ++r) {
        const QString &keys = rows.at(r);
        const qreal left = board.left() + (board.width() - keys.size() * keyWidth) / 2;
        for (int k = 0; k < keys.size(); ++k) {
            const QRectF key(left + k * keyWidth, board.top() + r * rowHeight, keyWidth, rowHeight);
            note(ScreenArea::Key, key).text = keys.at(k);
            paintBox(key.adjusted(px(3), px(2), -px(3), -px(2)), Surface, Surface);
            paintText(keys.at(k), style, key, false, Qt::AlignCenter);
        }
    }
    const QRectF space(board.left() + keyWidth * 2, board.top() + rows.size() * rowHeight, keyWidth * 6, rowHeight);
    note(ScreenArea::Key, space).text = QStringLiteral(" ");
    paintBox(space.adjusted(px(3), px(2), -px(3), -px(2)), Surface, Surface);
}

void ControlPainter::paint(const Control *control, const QRectF &placed)
{
    if (!isShown(control) || placed.isEmpty())
        return;
    // A translation moves the control from where its layout put it (the map's pin up onto the place).
    const QRectF rect = placed.translated(px(control->translationX()), px(control->translationY()));
    note(ScreenArea::Control, rect, control);
    paintControl(control, rect);
    // The focused control wears an accent ring, as the phone shows where keys go.
    if (control->isFocused()) {
        m_painter->setPen(QPen(Accent, px(4)));
        m_painter->setBrush(Qt::NoBrush);
        m_painter->drawRoundedRect(rect.adjusted(px(1), px(2), -px(1), -px(2)), px(8), px(8));
    }
}

void ControlPainter::paintControl(const Control *control, const QRectF &rect)
{
    const TextStyle body(QStringLiteral("body"));
    if (const auto *container = qobject_cast<const Container *>(control)) {
        paintContainer(container, rect);
    } else if (const auto *custom = qobject_cast<const CustomControl *>(control)) {
        paint(custom->root(), rect);
    } else if (const auto *item = qobject_cast<const CustomListItem *>(control)) {
        paint(item->content(), rect);
    } else if (const auto *scroll = qobject_cast<const ScrollView *>(control)) {
        paint(scroll->content(), rect);
    } else if (const auto *list = qobject_cast<const ListView *>(control)) {
        paintList(list, rect);
    } else if (const auto *field = qobject_cast<const TextField *>(control)) {
        paintBox(rect, Surface, field->isFocused() ? Accent : Line);
        const bool hint = field->text().isEmpty();
        TextStyle style = body;
        if (hint)
            style.setColor(Color::fromARGB(Muted.rgba()));
        paintText(hint ? field->hintText() : field->text(), style, rect.adjusted(px(20), 0, -px(20), 0), false,
                  Qt::AlignLeft | Qt::AlignVCenter);
    } else if (const auto *area = qobject_cast<const TextArea *>(control)) {
        if (area->isEditable())
            paintBox(rect, Surface, Line);
        paintText(plain(area->text()), area->textStyle(),
                  area->isEditable() ? rect.adjusted(px(20), px(12), -px(20), 0) : rect, true);
    } else if (const auto *label = qobject_cast<const Label *>(control)) {
        paintText(plain(label->text()), label->textStyle(), rect, label->isMultiline(),
                  horizontalOf(label->horizontalAlignment()) | Qt::AlignTop);
    } else if (const auto *button = qobject_cast<const Button *>(control)) {
        paintBox(rect, Surface, button->isEnabled() ? Accent : Line);
        TextStyle style = body;
        if (!button->isEnabled())
            style.setColor(Color::fromARGB(Muted.rgba()));
        const QRectF icon(rect.left() + px(16), rect.center().y() - px(24), px(48), px(48));
        const bool hasIcon = !button->image().isNull() || !button->imageSource().isEmpty();
        if (hasIcon)
            paintAsset(button->image(), button->imageSource(), icon);
        paintText(button->text(), style, hasIcon ? rect.adjusted(px(64), 0, 0, 0) : rect, false, Qt::AlignCenter);
    } else if (const auto *imageButton = qobject_cast<const ImageButton *>(control)) {
        paintAsset(imageButton->defaultImage(), imageButton->defaultImageSource(), rect);
    } else if (const auto *view = qobject_cast<const ImageView *>(control)) {
        paintAsset(view->image(), view->imageSource(), rect);
    } else if (const auto *dropDown = qobject_cast<const DropDown *>(control)) {
        paintDropDown(dropDown, rect);
    } else if (const auto *radio = qobject_cast<const RadioGroup *>(control)) {
        const qreal row = rect.height() / qMax(1, radio->count());
        for (int i = 0; i < radio->count(); ++i) {
            const QRectF line(rect.left(), rect.top() + i * row, rect.width(), row);
            note(ScreenArea::Option, line, radio).index = i;
            const QRectF dot(line.left() + px(12), line.center().y() - px(14), px(28), px(28));
            m_painter->setPen(QPen(Accent, px(3)));
            m_painter->setBrush(i == radio->selectedIndex() ? QBrush(Accent) : Qt::NoBrush);
            m_painter->drawEllipse(dot);
            // The option's text runs on beside a narrow group, as on the phone.
            const QString text = plain(radio->at(i)->text());
            const qreal width = qMax(line.width() - px(60), QFontMetricsF(font(body)).horizontalAdvance(text));
            paintText(text, body, QRectF(line.left() + px(60), line.top(), width, line.height()), false,
                      Qt::AlignLeft | Qt::AlignVCenter);
        }
    } else if (const auto *header = qobject_cast<const Header *>(control)) {
        if (plain(header->title()).isEmpty()) {
            m_painter->fillRect(QRectF(rect.left(), rect.center().y(), rect.width(), qMax<qreal>(1, px(2))), Line);
            return;
        }
        m_painter->fillRect(rect, Bar);
        TextStyle style(QStringLiteral("small"));
        style.setColor(Color::fromARGB(Accent.rgba()));
        paintText(plain(header->title()), style, rect.adjusted(px(20), 0, -px(20), 0), false,
                  Qt::AlignLeft | Qt::AlignVCenter);
    } else if (qobject_cast<const Divider *>(control)) {
        m_painter->fillRect(QRectF(rect.left(), rect.center().y(), rect.width(), qMax<qreal>(1, px(2))), Line);
    } else if (const auto *spinner = qobject_cast<const ActivityIndicator *>(control)) {
        if (spinner->isRunning()) {
            m_painter->setPen(QPen(Accent, px(6)));
            m_painter->setBrush(Qt::NoBrush);
            m_painter->drawArc(rect.adjusted(px(6), px(6), -px(6), -px(6)), 90 * 16, 270 * 16);
        }
    } else if (const auto *web = qobject_cast<const WebView *>(control)) {
        paintBox(rect, Surface, Line);
        paintText(web->url().toString(), TextStyle(QStringLiteral("small")), rect.adjusted(px(20), px(12), 0, 0), true);
    }
}

void ControlPainter::paintContainer(const Container *container, const QRectF &rect)
{
    const QVariant background = container->background();
    if (background.canConvert<Color>() && !background.value<Color>().isNull()) {
        m_painter->fillRect(rect, QColor::fromRgba(background.value<Color>().argb()));
    } else if (background.canConvert<ImagePaint>()) {
        const QImage image = background.value<ImagePaint>().image().toQImage();
        if (!image.isNull())
            m_painter->drawTiledPixmap(rect, QPixmap::fromImage(image));
    }
    const QRectF inner = rect.adjusted(px(container->leftPadding()), px(container->topPadding()),
                                       -px(container->rightPadding()), -px(container->bottomPadding()));
    if (isDock(container))
        paintDock(container, inner);
    else
        paintStack(container, inner, orientationOf(container));
}

void ControlPainter::paintStack(const Container *container, const QRectF &inner, int orientation)
{
    const QList<const Control *> children = shownChildren(container);
    const bool horizontal = isHorizontal(orientation);
    // Children with a space quota share what the others leave, in proportion.
    QList<QSizeF> sizes;
    qreal used = 0;
    qreal quotas = 0;
    for (const Control *child : children) {
        const qreal marginsX = px(child->leftMargin() + child->rightMargin());
        const qreal marginsY = px(child->topMargin() + child->bottomMargin());
        QSizeF size = child->spaceQuota() > 0 ? QSizeF() : naturalSize(child, inner.width() - marginsX);
        if (child->spaceQuota() > 0)
            quotas += child->spaceQuota();
        used += horizontal ? size.width() + marginsX : size.height() + marginsY;
        sizes.append(size);
    }
    qreal position = horizontal ? inner.left() : inner.top();
    // A row that begins with text at the screen's edge starts where text may.
    if (horizontal && !children.isEmpty()) {
        const qreal start = awayFromEdges(children.first(), inner).left();
        used += start - position;
        position = start;
    }
    const qreal left = qMax<qreal>(0, (horizontal ? inner.width() : inner.height()) - used);
    for (int i = 0; i < children.size(); ++i) {
        const Control *child = children.at(i);
        QSizeF size = sizes.at(i);
        if (child->spaceQuota() > 0) {
            const qreal share = left * child->spaceQuota() / quotas;
            size = horizontal ? QSizeF(share, inner.height()) : QSizeF(inner.width(), share);
        }
        const qreal marginLeft = px(child->leftMargin());
        const qreal marginTop = px(child->topMargin());
        QRectF box;
        if (horizontal) {
            const bool fill = child->verticalAlignment() == VerticalAlignment::Fill;
            const qreal height = fill ? inner.height() - marginTop - px(child->bottomMargin()) : size.height();
            qreal top = inner.top() + marginTop;
            if (child->verticalAlignment() == VerticalAlignment::Center)
                top = inner.center().y() - height / 2;
            else if (child->verticalAlignment() == VerticalAlignment::Bottom)
                top = inner.bottom() - px(child->bottomMargin()) - height;
            box = QRectF(position + marginLeft, top, size.width(), height);
            position += size.width() + marginLeft + px(child->rightMargin());
        } else {
            const qreal available = inner.width() - marginLeft - px(child->rightMargin());
            const bool fill = child->horizontalAlignment() == HorizontalAlignment::Fill || size.width() <= 0
                || qobject_cast<const Container *>(child) || qobject_cast<const ListView *>(child);
            const qreal width = fill ? available : size.width();
            qreal x = inner.left() + marginLeft;
            if (child->horizontalAlignment() == HorizontalAlignment::Center)
                x = inner.left() + marginLeft + (available - width) / 2;
            else if (child->horizontalAlignment() == HorizontalAlignment::Right)
                x = inner.right() - px(child->rightMargin()) - width;
            box = awayFromEdges(child, QRectF(x, position + marginTop, width, size.height()));
            position += size.height() + marginTop + px(child->bottomMargin());
        }
        paint(child, box);
    }
}

void ControlPainter::paintDock(const Container *container, const QRectF &inner)
{
    for (const Control *child : shownChildren(container)) {
        const QRectF area = inner.adjusted(px(child->leftMargin()), px(child->topMargin()), -px(child->rightMargin()),
                                           -px(child->bottomMargin()));
        const QSizeF size = naturalSize(child, area.width());
        const int horizontal = child->horizontalAlignment();
        const int vertical = child->verticalAlignment();
        const qreal width = horizontal == HorizontalAlignment::Fill ? area.width() : size.width();
        const qreal height = vertical == VerticalAlignment::Fill ? area.height() : size.height();
        qreal x = area.left();
        if (horizontal == HorizontalAlignment::Center)
            x = area.center().x() - width / 2;
        else if (horizontal == HorizontalAlignment::Right)
            x = area.right() - width;
        qreal y = area.top();
        if (vertical == VerticalAlignment::Center)
            y = area.center().y() - height / 2;
        else if (vertical == VerticalAlignment::Bottom)
            y = area.bottom() - height;
        paint(child, awayFromEdges(child, QRectF(x, y, width, height)));
    }
}

void ControlPainter::paintList(const ListView *list, const QRectF &rect)
{
    // The list's area counts the rows it shows whole: past them, there is more to scroll to.
    const int listArea = m_areas.size();
    int wholeRows = 0;
    note(ScreenArea::List, rect, list);
    m_painter->save();
    const QRectF clip = m_clip;
    clipTo(rect);
    const ListView *outerList = m_rowList;
    const QVariantList outerPath = m_rowPath;
    qreal y = rect.top();
    for (int row = 0; row < list->rowCount() && y < rect.bottom(); ++row) {
        const Control *item = list->rowItem(row);
        m_rowList = list;
        m_rowPath = list->rowIndexPath(row);
        if (!item) {
            const QRectF line(rect.left(), y, rect.width(), px(FieldHeight));
            note(ScreenArea::Row, line, list);
            paintText(list->rowType(row), TextStyle(QStringLiteral("small")), line.adjusted(px(20), 0, 0, 0), false,
                      Qt::AlignLeft | Qt::AlignVCenter);
            y += line.height();
            if (y <= rect.bottom())
                ++wholeRows;
            continue;
        }
        const qreal height = naturalSize(item, rect.width()).height();
        note(ScreenArea::Row, QRectF(rect.left(), y, rect.width(), height), list);
        paint(item, QRectF(rect.left(), y, rect.width(), height));
        y += height;
        if (y <= rect.bottom())
            ++wholeRows;
        if (!qobject_cast<const Header *>(item))
            m_painter->fillRect(QRectF(rect.left() + px(20), y, rect.width() - px(40), 1), Line);
        y += 1;
    }
    m_areas[listArea].index = wholeRows;
    m_rowList = outerList;
    m_rowPath = outerPath;
    m_clip = clip;
    m_painter->restore();
}

Qt::Alignment ControlPainter::horizontalOf(int alignment)
{
    switch (alignment) {
    case HorizontalAlignment::Center:
        return Qt::AlignHCenter;
    case HorizontalAlignment::Right:
        return Qt::AlignRight;
    default:
        return Qt::AlignLeft;
    }
}

void ControlPainter::paintText(const QString &text, const TextStyle &style, const QRectF &rect, bool multiline,
                               Qt::Alignment alignment)
{
    if (text.isEmpty())
        return;
    const QFont textFont = font(style);
    m_painter->setFont(textFont);
    m_painter->setPen(textColor(style));
    if (multiline) {
        m_painter->drawText(rect, int(alignment) | Qt::TextWordWrap, text);
        return;
    }
    // A centred or right-aligned line is a caption or a value beside a row ("11915 km"): cut, it
    // would say something else, so it gets up to a fifth smaller before it is cut.
    QFont fitted = textFont;
    if (!(alignment & Qt::AlignLeft) && QFontMetricsF(textFont).horizontalAdvance(text) > rect.width()) {
        const qreal needed = QFontMetricsF(textFont).horizontalAdvance(text);
        fitted.setPixelSize(qMax(1, int(textFont.pixelSize() * qMax(0.8, rect.width() / needed))));
        m_painter->setFont(fitted);
    }
    const QString elided = QFontMetricsF(fitted).elidedText(text, Qt::ElideRight, rect.width());
    m_painter->drawText(rect, int(alignment) | Qt::TextSingleLine, elided);
}

QRectF ControlPainter::awayFromEdges(const Control *control, const QRectF &rect) const
{
    // Text never touches the left side of the screen, whatever margins its layout gave it.
    const qreal margin = px(16);
    const auto *area = qobject_cast<const TextArea *>(control);
    const bool text = qobject_cast<const Label *>(control) || (area && !area->isEditable());
    if (!text || rect.left() >= margin)
        return rect;
    return QRectF(margin, rect.top(), qMin(rect.width(), px(720) - margin), rect.height());
}

void ControlPainter::paintBox(const QRectF &rect, const QColor &fill, const QColor &border)
{
    m_painter->setPen(QPen(border, qMax<qreal>(1, px(2))));
    m_painter->setBrush(fill);
    m_painter->drawRoundedRect(rect.adjusted(px(2), px(4), -px(2), -px(4)), px(8), px(8));
}

void ControlPainter::paintImage(const QImage &image, const QRectF &rect)
{
    if (image.isNull() || rect.isEmpty())
        return;
    const QSizeF fitted = QSizeF(image.size()).scaled(rect.size(), Qt::KeepAspectRatio);
    const QRectF target(rect.center().x() - fitted.width() / 2, rect.center().y() - fitted.height() / 2, fitted.width(),
                        fitted.height());
    m_painter->drawImage(target, image);
}

void ControlPainter::paintAsset(const Image &image, const QUrl &source, const QRectF &rect)
{
    if (!image.isNull()) {
        paintImage(image.toQImage(), rect);
        return;
    }
    if (source.isEmpty() || rect.isEmpty())
        return;
    // The asset is not there to draw: a frame with its name stands in for it.
    const QString name = source.fileName().isEmpty() ? source.toString() : source.fileName();
    if (!m_placeholders.contains(name))
        m_placeholders.append(name);
    paintBox(rect, Surface, Line);
    paintText(source.fileName(), TextStyle(QStringLiteral("small")), rect.adjusted(px(4), 0, -px(4), 0), true,
              Qt::AlignCenter);
}

void ControlPainter::paintSystemUi(const SystemUiRecord &record, const QRectF &screen)
{
    const qreal width = qMin(screen.width() - px(60), px(640));
    const qreal inner = width - px(64);
    const TextStyle title(QStringLiteral("title"));
    const TextStyle body(QStringLiteral("body"));
    const qreal bodyHeight = record.body.isEmpty() ? 0 : textSize(plain(record.body), body, inner, true).height();
    if (record.kind == SystemUiRecord::Toast) {
        const qreal height = bodyHeight + px(48) + (record.buttons.isEmpty() ? 0 : px(ButtonHeight));
        qreal top = screen.bottom() - height - px(220);
        if (record.position == hx::system::SystemUiPosition::TopCenter)
            top = screen.top() + px(160);
        else if (record.position == hx::system::SystemUiPosition::MiddleCenter)
            top = screen.center().y() - height / 2;
        const QRectF box(screen.center().x() - width / 2, top, width, height);
        paintBox(box, Bar, Line);
        paintText(plain(record.body), body, box.adjusted(px(32), px(24), -px(32), 0), true,
                  Qt::AlignHCenter | Qt::AlignTop);
        paintButtonRow(record, QRectF(box.left(), box.bottom() - px(ButtonHeight), box.width(), px(ButtonHeight)));
        return;
    }
    m_painter->fillRect(screen, QColor(0, 0, 0, 128));
    note(ScreenArea::DialogBackdrop, screen);
    const qreal titleHeight = record.title.isEmpty() ? 0 : textSize(record.title, title, inner, true).height() + px(24);
    const qreal progressHeight = record.progress >= 0 ? px(40) : 0;
    const qreal height = px(40) + titleHeight + bodyHeight + progressHeight + px(32) + px(ButtonHeight);
    const QRectF box(screen.center().x() - width / 2, screen.center().y() - height / 2, width, height);
    paintBox(box, Bar, Line);
    qreal y = box.top() + px(36);
    paintText(record.title, title, QRectF(box.left() + px(32), y, inner, titleHeight), true);
    y += titleHeight;
    paintText(plain(record.body), body, QRectF(box.left() + px(32), y, inner, bodyHeight), true);
    y += bodyHeight;
    if (record.progress >= 0) {
        const QRectF track(box.left() + px(32), y + px(16), inner, px(8));
        m_painter->fillRect(track, Line);
        m_painter->fillRect(QRectF(track.topLeft(), QSizeF(track.width() * record.progress / 100.0, track.height())),
                            Accent);
    }
    paintButtonRow(record, QRectF(box.left(), box.bottom() - px(ButtonHeight), box.width(), px(ButtonHeight)));
}

void ControlPainter::paintButtonRow(const SystemUiRecord &record, const QRectF &rect)
{
    if (record.buttons.isEmpty())
        return;
    const qreal slot = rect.width() / record.buttons.size();
    for (int i = 0; i < record.buttons.size(); ++i) {
        const SystemUiRecord::Button &button = record.buttons.at(i);
        const QRectF cell(rect.left() + i * slot, rect.top(), slot, rect.height());
        note(ScreenArea::SystemButton, cell).text = button.label;
        m_painter->fillRect(QRectF(cell.left(), cell.top(), cell.width(), 1), Line);
        if (i > 0)
            m_painter->fillRect(QRectF(cell.left(), cell.top(), 1, cell.height()), Line);
        TextStyle style(QStringLiteral("body"));
        const bool confirm = button.result == hx::system::SystemUiResult::ConfirmButtonSelection;
        style.setColor(Color::fromARGB(!button.enabled ? Muted.rgba() : confirm ? Accent.rgba() : Text.rgba()));
        paintText(button.label, style, cell, false, Qt::AlignCenter);
    }
}

} // namespace picture
} // namespace trellan
} // namespace hx
