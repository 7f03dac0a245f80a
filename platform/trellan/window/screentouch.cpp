#include <hx/system/systemui.h>
#include <hx/system/systemuirecord.h>
#include <hx/trellan/actionitem.h>
#include <hx/trellan/button.h>
#include <hx/trellan/contextmenu.h>
#include <hx/trellan/dialog.h>
#include <hx/trellan/dropdown.h>
#include <hx/trellan/imagebutton.h>
#include <hx/trellan/listview.h>
#include <hx/trellan/page.h>
#include <hx/trellan/sheet.h>
#include <hx/trellan/testdriver.h>
#include <hx/trellan/textarea.h>
#include <hx/trellan/textfield.h>
#include <hx/trellan/window/screentouch.h>

namespace hx {
namespace trellan {
namespace window {

namespace {
using hx::trellan::picture::ScreenArea;

// The height of a usual row of the picture, at 720 pixels across.
constexpr qreal UsualRowHeight = 77;

bool isField(const QObject *object)
{
    const auto *area = qobject_cast<const TextArea *>(object);
    return qobject_cast<const TextField *>(object) || (area && area->isEditable());
}

// What a finger on the control does something to; text and containers let it through to what
// lies beneath, such as their row.
bool takesTaps(const ScreenArea &area)
{
    const auto *control = qobject_cast<const Control *>(area.object.data());
    if (!control)
        return false;
    const auto *button = qobject_cast<const Button *>(control);
    if (control->objectName().isEmpty() && !(button && !button->text().isEmpty()))
        return false;
    return isField(control) || button || qobject_cast<const ImageButton *>(control)
        || qobject_cast<const DropDown *>(control) || !control->gestureHandlers().isEmpty();
}

QString actionName(const QObject *object)
{
    const auto *action = qobject_cast<const ActionItem *>(object);
    if (!action)
        return QString();
    return action->title().isEmpty() ? action->objectName() : action->title();
}

hx::system::SystemUiRecord topDialog()
{
    const QList<hx::system::SystemUiRecord> shown = hx::system::SystemUi::visible();
    for (int i = shown.size() - 1; i >= 0; --i) {
        if (shown.at(i).kind != hx::system::SystemUiRecord::Toast)
            return shown.at(i);
    }
    return hx::system::SystemUiRecord();
}
} // namespace

ScreenTouch::ScreenTouch(QObject *root) : m_root(root) { }

const Page *ScreenTouch::overflowPage() const
{
    return qobject_cast<const Page *>(m_overflow.data());
}

void ScreenTouch::setAreas(const QList<ScreenArea> &areas)
{
    m_areas = areas;
}

bool ScreenTouch::fail(const QString &why)
{
    m_error = why;
    return false;
}

bool ScreenTouch::driven(bool done)
{
    // The driver says why: what covers or hides the target.
    m_error = done ? QString() : TestDriver::lastError();
    return done;
}

const ScreenArea *ScreenTouch::at(const QPointF &point) const
{
    for (int i = m_areas.size() - 1; i >= 0; --i) {
        const ScreenArea &area = m_areas.at(i);
        if (!area.rect.contains(point) || area.kind == ScreenArea::List)
            continue;
        if (area.kind != ScreenArea::Control || takesTaps(area))
            return &area;
    }
    return nullptr;
}

QRectF ScreenTouch::target(const QPointF &point) const
{
    const ScreenArea *area = at(point);
    const bool backdrop = area && (area->kind == ScreenArea::MenuBackdrop || area->kind == ScreenArea::DialogBackdrop);
    return area && !backdrop ? area->rect : QRectF();
}

bool ScreenTouch::tap(const QPointF &point)
{
    const ScreenArea *area = at(point);
    if (!area)
        return fail(QStringLiteral("nothing to tap there"));
    const ScreenArea chosen = *area;
    // An open overflow closes with any tap; one of its actions is done as well.
    const bool overflowWasOpen = !m_overflow.isNull();
    m_overflow = nullptr;
    if (chosen.kind == ScreenArea::MenuBackdrop && overflowWasOpen)
        return true;
    return tapArea(chosen);
}

bool ScreenTouch::tapArea(const ScreenArea &area)
{
    switch (area.kind) {
    case ScreenArea::Control:
        return tapControl(area);
    case ScreenArea::Row:
        if (!area.list)
            return fail(QStringLiteral("that row is gone"));
        return driven(TestDriver::tapRowWhole(m_root, area.list->objectName(), area.indexPath));
    case ScreenArea::Option:
        if (!area.object)
            return fail(QStringLiteral("that option is gone"));
        return driven(TestDriver::chooseOption(m_root, area.object->objectName(), area.index));
    case ScreenArea::Action:
        return driven(TestDriver::triggerAction(m_root, actionName(area.object)));
    case ScreenArea::Overflow:
        m_overflow = area.object;
        return true;
    case ScreenArea::SystemButton:
        return driven(TestDriver::pressDialogButton(area.text));
    case ScreenArea::Key:
        return type(area.text);
    case ScreenArea::MenuBackdrop:
        TestDriver::closeContextMenu();
        return true;
    case ScreenArea::DialogBackdrop:
    case ScreenArea::List:
        break;
    }
    return fail(QStringLiteral("the dialog on top takes its buttons only"));
}

bool ScreenTouch::tapControl(const ScreenArea &area)
{
    auto *control = qobject_cast<Control *>(area.object.data());
    if (!control)
        return fail(QStringLiteral("that control is gone"));
    const QString name = control->objectName();
    // A part of a row (a button, a tappable text) is tapped as part of its row.
    if (area.list && !name.isEmpty() && !isField(control))
        return driven(TestDriver::tapRowPart(m_root, area.list->objectName(), area.indexPath, name));
    if (auto *button = qobject_cast<Button *>(control))
        return driven(TestDriver::clickButton(m_root, name.isEmpty() ? button->text() : name));
    if (auto *dropDown = qobject_cast<DropDown *>(control)) {
        // The driver chooses options; a finger on the drop-down's head opens or closes it.
        if (!TestDriver::isOnScreen(m_root, dropDown) || !dropDown->isEnabled())
            return fail(TestDriver::whyNotOnScreen(m_root, dropDown));
        dropDown->setExpanded(!dropDown->isExpanded());
        return true;
    }
    if (!driven(TestDriver::tap(m_root, name)))
        return false;
    // A finger on a field puts the keys there.
    if (isField(control)) {
        m_field = name;
        control->requestFocus();
    }
    return true;
}

bool ScreenTouch::longPress(const QPointF &point)
{
    for (int i = m_areas.size() - 1; i >= 0; --i) {
        const ScreenArea &area = m_areas.at(i);
        if (!area.rect.contains(point) || area.kind == ScreenArea::List)
            continue;
        if (area.kind == ScreenArea::MenuBackdrop || area.kind == ScreenArea::DialogBackdrop)
            break;
        if (area.list)
            return driven(TestDriver::openRowContextMenu(m_root, area.list->objectName(), area.indexPath));
        if (area.kind == ScreenArea::Control && area.object && !area.object->objectName().isEmpty())
            return driven(TestDriver::openContextMenu(m_root, area.object->objectName()));
    }
    return fail(QStringLiteral("no context menu here"));
}

bool ScreenTouch::scroll(const QPointF &point, int rows)
{
    for (int i = m_areas.size() - 1; i >= 0; --i) {
        const ScreenArea &area = m_areas.at(i);
        if (area.kind == ScreenArea::MenuBackdrop || area.kind == ScreenArea::DialogBackdrop)
            break;
        auto *list = qobject_cast<ListView *>(area.object.data());
        if (area.kind != ScreenArea::List || !list || !area.rect.contains(point))
            continue;
        if (!TestDriver::isOnScreen(m_root, list))
            return fail(TestDriver::whyNotOnScreen(m_root, list));
        const int first = list->firstVisibleItem().value(0).toInt();
        // At the model's end, the window of rows moves no further than to show its last row.
        const int hidden = qMax(0, list->rowCount() - area.index);
        const int step = rows > 0 ? (list->isAtEnd() ? qMin(rows, hidden) : rows) : qMax(rows, -first);
        if (step == 0)
            return fail(rows > 0 ? QStringLiteral("the list ends here") : QStringLiteral("the list starts here"));
        list->scrollToItem({ first + step });
        return true;
    }
    return fail(QStringLiteral("no list here"));
}

qreal ScreenTouch::rowHeight(const QPointF &point) const
{
    qreal usual = UsualRowHeight;
    for (int i = m_areas.size() - 1; i >= 0; --i) {
        const ScreenArea &area = m_areas.at(i);
        if (area.kind == ScreenArea::Row && area.rect.contains(point) && area.rect.height() > 1)
            return area.rect.height();
        if (area.kind == ScreenArea::List && area.rect.width() > 0)
            usual = UsualRowHeight * area.rect.width() / 720;
    }
    return usual;
}

QString ScreenTouch::typingField() const
{
    QString first;
    bool remembered = false;
    for (const ScreenArea &area : m_areas) {
        const auto *control = qobject_cast<const Control *>(area.object.data());
        if (area.kind != ScreenArea::Control || !isField(control) || control->objectName().isEmpty())
            continue;
        if (control->isFocused())
            return control->objectName();
        if (first.isEmpty())
            first = control->objectName();
        remembered = remembered || control->objectName() == m_field;
    }
    // Else the field the finger last touched, else the first field on the screen.
    return remembered ? m_field : first;
}

bool ScreenTouch::type(const QString &text)
{
    const QString field = typingField();
    if (field.isEmpty())
        return driven(TestDriver::pressKeys(m_root, text));
    return driven(TestDriver::typeText(m_root, field, text));
}

bool ScreenTouch::erase()
{
    const QString field = typingField();
    return field.isEmpty() ? fail(QStringLiteral("no field to erase in"))
                           : driven(TestDriver::eraseText(m_root, field, 1));
}

bool ScreenTouch::submit()
{
    const QString field = typingField();
    return field.isEmpty() ? fail(QStringLiteral("no field to submit")) : driven(TestDriver::submit(m_root, field));
}

bool ScreenTouch::collapseDropDowns()
{
    bool collapsed = false;
    for (const ScreenArea &area : qAsConst(m_areas)) {
        auto *dropDown = qobject_cast<DropDown *>(area.object.data());
        if (area.kind == ScreenArea::Control && dropDown && dropDown->isExpanded()) {
            dropDown->setExpanded(false);
            collapsed = true;
        }
    }
    return collapsed;
}

bool ScreenTouch::back()
{
    m_error.clear();
    if (m_overflow) {
        m_overflow = nullptr;
        return true;
    }
    const hx::system::SystemUiRecord dialog = topDialog();
    if (!dialog.isNull())
        return hx::system::SystemUi::pressButton(dialog.serial, hx::system::SystemUiResult::CancelButtonSelection);
    if (ContextMenu::isOpen()) {
        TestDriver::closeContextMenu();
        return true;
    }
    if (collapseDropDowns())
        return true;
    if (!Dialog::openDialogs().isEmpty()) {
        Dialog *open = Dialog::openDialogs().last();
        if (!TestDriver::clickButton(m_root, QStringLiteral("Cancel")))
            open->close();
        return true;
    }
    if (TestDriver::canGoBack(m_root) && TestDriver::pressBack(m_root))
        return true;
    if (!Sheet::openSheets().isEmpty()) {
        Sheet::openSheets().last()->close();
        return true;
    }
    return false;
}

} // namespace window
} // namespace trellan
} // namespace hx
