#include <hx/system/systemui.h>
#include <hx/system/systemuirecord.h>
#include <hx/trellan/console/terminalscreen.h>
#include <hx/trellan/contextmenu.h>
#include <hx/trellan/dialog.h>
#include <hx/trellan/dropdown.h>
#include <hx/trellan/listview.h>
#include <hx/trellan/sheet.h>
#include <hx/trellan/testdriver.h>
#include <hx/trellan/virtualkeyboard.h>

#include <ncurses.h>

#include <string>

namespace hx {
namespace trellan {
namespace console {

namespace {
using hx::system::SystemUi;
using hx::system::SystemUiRecord;
using hx::system::SystemUiResult;

constexpr int KeyEscape = 27;
constexpr int KeyTab = 9;
constexpr int KeyControlC = 3;
constexpr int KeyControlO = 15;
constexpr int KeyControlT = 20;

QStringList wrapped(const QString &text, int width)
{
    QStringList lines;
    for (const QString &paragraph : text.split(QLatin1Char('\n'))) {
        QString line;
        for (const QString &word : paragraph.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            if (!line.isEmpty() && line.size() + 1 + word.size() > width) {
                lines.append(line);
                line.clear();
            }
            line += (line.isEmpty() ? QString() : QStringLiteral(" ")) + word;
            while (line.size() > width) {
                lines.append(line.left(width));
                line = line.mid(width);
            }
        }
        lines.append(line);
    }
    return lines;
}

bool sameTarget(const ScreenLayout::Target &a, const ScreenLayout::Target &b)
{
    return a.kind == b.kind && a.object == b.object && a.indexPath == b.indexPath && a.index == b.index;
}

// Rows a person would skip over: section headers say what follows, they do nothing.
bool isStop(const ScreenLayout &layout, int target)
{
    for (const ScreenLayout::Line &line : layout.lines()) {
        if (line.target == target)
            return line.style != ScreenLayout::Line::Heading;
    }
    return true;
}

SystemUiRecord topDialog()
{
    const QList<SystemUiRecord> shown = SystemUi::visible();
    for (int i = shown.size() - 1; i >= 0; --i) {
        if (shown.at(i).kind != SystemUiRecord::Toast)
            return shown.at(i);
    }
    return SystemUiRecord();
}

// The newest toast that shows a button (an Undo), or a null record.
SystemUiRecord topToastWithButton()
{
    const QList<SystemUiRecord> shown = SystemUi::visible();
    for (int i = shown.size() - 1; i >= 0; --i) {
        if (shown.at(i).kind == SystemUiRecord::Toast && !shown.at(i).buttons.isEmpty())
            return shown.at(i);
    }
    return SystemUiRecord();
}
} // namespace

TerminalScreen::TerminalScreen(QObject *root, QObject *parent) : QObject(parent), m_root(root)
{
    connect(SystemUi::instance(), &SystemUi::visibleChanged, this, &TerminalScreen::redraw);
    // Keys wake the notifier; the poll catches a resize (it comes as a key) and any change of
    // the tree, which has no signal of its own.
    connect(&m_terminal, &TerminalSession::keysWaiting, this, &TerminalScreen::readKeys);
    m_poll.setInterval(100);
    connect(&m_poll, &QTimer::timeout, this, &TerminalScreen::readKeys);
}

TerminalScreen::~TerminalScreen()
{
    m_terminal.close();
}

int TerminalScreen::run(QString *message)
{
    // Ctrl-C arrives as a key and leaves through quit(), which gives the terminal back.
    if (!m_terminal.open(TerminalSession::Interrupt::AsKey, false, message))
        return 1;
    redraw();
    m_poll.start();
    if (!m_finished)
        m_loop.exec();
    m_poll.stop();
    m_terminal.close();
    return m_code;
}

void TerminalScreen::quit(int code)
{
    m_code = code;
    m_finished = true;
    m_loop.quit();
}

void TerminalScreen::readKeys()
{
    if (!m_terminal.isOpen())
        return;
    wint_t key = 0;
    int kind;
    while (!m_finished && m_terminal.isOpen() && (kind = get_wch(&key)) != ERR) {
        if (key == KEY_RESIZE && kind == KEY_CODE_YES) {
            // Drawn whole at the new size: only the changes would leave the terminal's own
            // rewrapping of the old lines on screen.
            clearok(curscr, TRUE);
            continue;
        }
        const bool isCharacter = kind == OK;
        m_message.clear();
        const SystemUiRecord dialog = topDialog();
        if (isCharacter && (key == KeyControlC || key == 17))
            quit(0);
        else if (!dialog.isNull())
            handleSystemDialogKey(dialog, int(key), isCharacter);
        else
            handleKey(int(key), isCharacter);
        // The next key acts on the screen this one left.
        relayout();
    }
    redraw();
}

void TerminalScreen::handleSystemDialogKey(const SystemUiRecord &dialog, int key, bool isCharacter)
{
    const int count = dialog.buttons.size();
    if (isCharacter && key >= '1' && key < '1' + count) {
        report(TestDriver::pressDialogButton(dialog.buttons.at(key - '1').label), QStringLiteral("press"));
    } else if (isCharacter && key == KeyEscape) {
        report(SystemUi::pressButton(dialog.serial, SystemUiResult::CancelButtonSelection),
               QStringLiteral("cancel this dialog"));
    } else if (isCharacter && (key == '\r' || key == '\n') && m_dialogButton >= 0 && m_dialogButton < count) {
        report(TestDriver::pressDialogButton(dialog.buttons.at(m_dialogButton).label), QStringLiteral("press"));
    } else if (count > 0
               && ((isCharacter && key == KeyTab) || (!isCharacter && (key == KEY_RIGHT || key == KEY_DOWN)))) {
        m_dialogButton = (m_dialogButton + 1) % count;
    } else if (count > 0 && !isCharacter && (key == KEY_LEFT || key == KEY_UP || key == KEY_BTAB)) {
        m_dialogButton = (m_dialogButton + count - 1) % count;
    }
}

void TerminalScreen::handleKey(int key, bool isCharacter)
{
    if (isCharacter) {
        if (key >= '1' && key <= '9' && pressDialogButton(key - '1'))
            return;
        if (key == KeyEscape)
            escape();
        else if (key == '\r' || key == '\n')
            activate();
        else if (key == KeyTab)
            walkActions(1);
        else if (key == KeyControlO)
            openMenu();
        else if (key == KeyControlT)
            pressToastButton();
        else if (key == 127 || key == 8)
            eraseCharacter();
        else if (key >= 32)
            typeCharacter(QString::fromUcs4(reinterpret_cast<const char32_t *>(&key), 1));
        return;
    }
    switch (key) {
    case KEY_UP:
        moveHighlight(-1);
        break;
    case KEY_DOWN:
        moveHighlight(1);
        break;
    case KEY_PPAGE:
        moveHighlight(-10);
        break;
    case KEY_NPAGE:
        moveHighlight(10);
        break;
    case KEY_BTAB:
        walkActions(-1);
        break;
    case KEY_ENTER:
        activate();
        break;
    case KEY_BACKSPACE:
        eraseCharacter();
        break;
    case KEY_F(2):
        openMenu();
        break;
    default:
        break;
    }
}

const ScreenLayout::Target *TerminalScreen::highlighted() const
{
    const QList<ScreenLayout::Target> &targets = m_onActions ? m_layout.actions() : m_layout.targets();
    return m_highlight >= 0 && m_highlight < targets.size() ? &targets.at(m_highlight) : nullptr;
}

QString TerminalScreen::typingField() const
{
    const ScreenLayout::Target *target = highlighted();
    if (target && target->kind == ScreenLayout::Target::Field)
        return target->name;
    if (!m_field.isEmpty() && m_layout.namesOf(ScreenLayout::Target::Field).contains(m_field))
        return m_field;
    const int first = m_layout.firstField();
    return first >= 0 ? m_layout.targets().at(first).name : QString();
}

QList<int> TerminalScreen::dialogButtons() const
{
    // A toolkit dialog without fields takes digits for its buttons, as a system dialog does.
    QList<int> buttons;
    if (m_layout.layer() != ScreenLayout::DialogLayer || m_layout.firstField() >= 0)
        return buttons;
    for (int i = 0; i < m_layout.targets().size(); ++i) {
        if (m_layout.targets().at(i).kind == ScreenLayout::Target::Button)
            buttons.append(i);
    }
    return buttons;
}

bool TerminalScreen::pressDialogButton(int number)
{
    const QList<int> buttons = dialogButtons();
    if (number >= buttons.size())
        return false;
    const ScreenLayout::Target &button = m_layout.targets().at(buttons.at(number));
    report(TestDriver::clickButton(m_root, button.name), QStringLiteral("press ") + button.name);
    return true;
}

void TerminalScreen::typeCharacter(const QString &text)
{
    const QString field = typingField();
    if (field.isEmpty()) {
        // No field on screen: the keys go where a physical keyboard's keys go.
        if (!TestDriver::pressKeys(m_root, text))
            m_message = QStringLiteral("There is no named field to type into.");
        return;
    }
    report(TestDriver::typeText(m_root, field, text), QStringLiteral("type into ") + field);
}

void TerminalScreen::eraseCharacter()
{
    const QString field = typingField();
    if (!field.isEmpty())
        report(TestDriver::eraseText(m_root, field, 1), QStringLiteral("erase in ") + field);
}

void TerminalScreen::moveHighlight(int delta)
{
    if (m_onActions) {
        // Up or Down from the action bar goes back to the content.
        m_onActions = false;
        m_highlight = delta > 0 ? 0 : m_layout.targets().size() - 1;
        return;
    }
    const int step = delta > 0 ? 1 : -1;
    for (int i = 0; i < qAbs(delta) && stepHighlight(step); ++i) { }
    const ScreenLayout::Target *target = highlighted();
    if (target && target->kind == ScreenLayout::Target::Field)
        m_field = target->name;
}

bool TerminalScreen::stepHighlight(int step)
{
    const ScreenLayout::Target *current = highlighted();
    if (current && current->kind == ScreenLayout::Target::Row && slideList(*current, step))
        return true;
    const int count = m_layout.targets().size();
    int next = m_highlight + step;
    while (next >= 0 && next < count && !isStop(m_layout, next))
        next += step;
    if (next < 0 || next >= count)
        return false;
    m_highlight = next;
    return true;
}

bool TerminalScreen::slideList(const ScreenLayout::Target &current, int step)
{
    // A list holds a window of its rows: at the window's edge it slides, and the highlight goes
    // on to the next row of the model.
    auto *list = qobject_cast<ListView *>(current.object.data());
    if (!list)
        return false;
    const int index = current.indexPath.value(0).toInt();
    const bool down = step > 0 && current.row == list->rowCount() - 1 && !list->isAtEnd();
    const bool up = step < 0 && current.row == 0 && index > 0;
    if (!down && !up)
        return false;
    const int wanted = index + step;
    list->scrollToItem({ down ? wanted : qMax(0, index - list->rowCount()) });
    m_layout = ScreenLayout::of(m_root);
    for (int i = 0; i < m_layout.targets().size(); ++i) {
        const ScreenLayout::Target &target = m_layout.targets().at(i);
        if (target.object == list && target.indexPath.value(0).toInt() == wanted) {
            m_highlight = i;
            return true;
        }
    }
    return false;
}

void TerminalScreen::walkActions(int delta)
{
    const int count = m_layout.actions().size();
    if (count == 0) {
        m_message = QStringLiteral("This screen has no actions.");
        return;
    }
    m_highlight = m_onActions ? (m_highlight + delta + count) % count : (delta > 0 ? 0 : count - 1);
    m_onActions = true;
}

void TerminalScreen::activate()
{
    const ScreenLayout::Target *target = highlighted();
    if (!target)
        return;
    const ScreenLayout::Target chosen = *target;
    switch (chosen.kind) {
    case ScreenLayout::Target::Field:
        m_field = chosen.name;
        report(TestDriver::submit(m_root, chosen.name), QStringLiteral("submit ") + chosen.name);
        break;
    case ScreenLayout::Target::Button:
        report(TestDriver::clickButton(m_root, chosen.name), QStringLiteral("press ") + chosen.name);
        break;
    case ScreenLayout::Target::DropDown:
        // The driver has no call for it: a finger on a drop-down the driver reaches opens it.
        if (auto *dropDown = qobject_cast<DropDown *>(chosen.object.data()))
            dropDown->setExpanded(!dropDown->isExpanded());
        break;
    case ScreenLayout::Target::Option:
        report(TestDriver::chooseOption(m_root, chosen.name, chosen.index), QStringLiteral("choose that"));
        break;
    case ScreenLayout::Target::Row:
        report(TestDriver::tapRowWhole(m_root, chosen.name, chosen.indexPath), QStringLiteral("tap that row"));
        break;
    case ScreenLayout::Target::Tappable:
        report(TestDriver::tap(m_root, chosen.name), QStringLiteral("tap ") + chosen.name);
        break;
    case ScreenLayout::Target::Action:
        report(TestDriver::triggerAction(m_root, chosen.name), QStringLiteral("do ") + chosen.name);
        break;
    }
}

void TerminalScreen::openMenu()
{
    // A long press on the highlighted row or control: the driver opens its context menu.
    const ScreenLayout::Target *target = highlighted();
    if (!target || m_onActions) {
        m_message = QStringLiteral("No context menu here.");
        return;
    }
    if (target->kind == ScreenLayout::Target::Row)
        report(TestDriver::openRowContextMenu(m_root, target->name, target->indexPath), QStringLiteral("open a menu"));
    else
        report(TestDriver::openContextMenu(m_root, target->name), QStringLiteral("open a menu"));
    if (m_layout.layer() != ScreenLayout::MenuLayer && ContextMenu::isOpen()) {
        m_highlightUnderMenu = m_highlight;
        m_highlight = 0;
    }
}

void TerminalScreen::escape()
{
    if (ContextMenu::isOpen()) {
        TestDriver::closeContextMenu();
        return;
    }
    if (collapseDropDowns())
        return;
    if (!Dialog::openDialogs().isEmpty()) {
        Dialog *dialog = Dialog::openDialogs().last();
        if (!TestDriver::clickButton(m_root, QStringLiteral("Cancel")))
            dialog->close();
        return;
    }
    if (TestDriver::pressBack(m_root))
        return;
    if (!Sheet::openSheets().isEmpty()) {
        Sheet::openSheets().last()->close();
        return;
    }
    quit(0);
}

bool TerminalScreen::collapseDropDowns()
{
    bool collapsed = false;
    for (const ScreenLayout::Target &target : m_layout.targets()) {
        auto *dropDown = qobject_cast<DropDown *>(target.object.data());
        if (dropDown && dropDown->isExpanded()) {
            dropDown->setExpanded(false);
            collapsed = true;
        }
    }
    return collapsed;
}

void TerminalScreen::report(bool done, const QString &what)
{
    // The driver says why: what covers or hides the target.
    if (!done)
        m_message = QStringLiteral("Cannot %1: %2").arg(what, TestDriver::lastError());
}

void TerminalScreen::follow(const ScreenLayout::Target &previous, bool hadPrevious)
{
    // The highlight stays on the same thing while the screen changes around it.
    const QList<ScreenLayout::Target> &targets = m_onActions ? m_layout.actions() : m_layout.targets();
    if (hadPrevious) {
        for (int i = 0; i < targets.size(); ++i) {
            if (sameTarget(targets.at(i), previous)) {
                m_highlight = i;
                return;
            }
        }
    }
    if (m_onActions && targets.isEmpty())
        m_onActions = false;
    const int count = (m_onActions ? m_layout.actions() : m_layout.targets()).size();
    m_highlight = qBound(0, m_highlight, qMax(0, count - 1));
}

void TerminalScreen::relayout()
{
    const ScreenLayout::Target *before = highlighted();
    const ScreenLayout::Target previous = before ? *before : ScreenLayout::Target();
    const bool wasMenu = m_layout.layer() == ScreenLayout::MenuLayer;
    m_layout = ScreenLayout::of(m_root);
    // A closed menu gives the highlight back to what it was opened on.
    if (wasMenu && m_layout.layer() != ScreenLayout::MenuLayer)
        m_highlight = m_highlightUnderMenu;
    follow(previous, before != nullptr && !wasMenu);
}

void TerminalScreen::redraw()
{
    if (!m_terminal.isOpen() || m_finished)
        return;
    relayout();

    erase();
    int rows = 0;
    int columns = 0;
    getmaxyx(stdscr, rows, columns);
    drawTitleBar(columns);
    const int bodyHeight = qMax(1, rows - 3);
    if (m_layout.layer() != ScreenLayout::ScreenLayer) {
        // The screen under a dialog or menu stays in view; their lines are boxed over it.
        drawBody(ScreenLayout::ofTree(m_root, ScreenLayout::underneath(m_root)), 1, bodyHeight, columns, false);
        QStringList lines;
        int selected = -1;
        const QList<int> buttons = dialogButtons();
        for (const ScreenLayout::Line &line : m_layout.lines()) {
            if (line.target >= 0 && !m_onActions && line.target == m_highlight)
                selected = lines.size();
            const int number = buttons.indexOf(line.target) + 1;
            const QString prefix = number > 0 ? QStringLiteral("%1 ").arg(number) : QString();
            lines.append(QString(line.depth * 2, QLatin1Char(' ')) + prefix + line.text);
        }
        drawBox(m_layout.layer() == ScreenLayout::MenuLayer ? m_layout.title() : QString(), lines, selected, rows,
                columns);
    } else {
        drawBody(m_layout, 1, bodyHeight, columns, true);
    }
    if (VirtualKeyboard::isShown()) {
        attron(A_DIM | A_REVERSE);
        TerminalSession::put(rows - 3, 0,
                             TerminalSession::padded(QStringLiteral(" Keyboard: shown (type to enter text)"), columns),
                             columns);
        attroff(A_DIM | A_REVERSE);
    }
    drawActionBar(rows - 2, columns);
    drawSystemUi(rows, columns);
    drawStatus(rows - 1, columns);
    refresh();
}

void TerminalScreen::drawTitleBar(int width)
{
    QString left;
    QString right;
    for (int i = 0; i < m_layout.actions().size(); ++i) {
        const ScreenLayout::Target &action = m_layout.actions().at(i);
        if (!action.titleBar)
            continue;
        const bool lit = m_onActions && i == m_highlight;
        const QString text = lit ? QStringLiteral(">%1<").arg(action.name) : QStringLiteral("[%1]").arg(action.name);
        (left.isEmpty() ? left : right) = text;
    }
    attron(COLOR_PAIR(3) | A_BOLD);
    TerminalSession::put(0, 0, TerminalSession::padded(QString(), width), width);
    TerminalSession::put(0, 1, left, width - 1);
    const QString title = m_layout.title();
    TerminalSession::put(0, qMax(left.size() + 2, (width - title.size()) / 2), title, width);
    if (!right.isEmpty())
        TerminalSession::put(0, qMax(0, width - right.size() - 1), right, right.size());
    attroff(COLOR_PAIR(3) | A_BOLD);
}

int TerminalScreen::drawBody(const ScreenLayout &layout, int top, int height, int width, bool keys)
{
    const QList<ScreenLayout::Line> &lines = layout.lines();
    int lit = -1;
    for (int i = 0; keys && !m_onActions && i < lines.size(); ++i) {
        if (lines.at(i).target == m_highlight && lines.at(i).target >= 0)
            lit = i;
    }
    // Long screens scroll with the highlight.
    if (lit >= 0) {
        if (lit < m_scroll)
            m_scroll = lit;
        else if (lit >= m_scroll + height)
            m_scroll = lit - height + 1;
    }
    m_scroll = qBound(0, m_scroll, qMax(0, lines.size() - height));
    const int offset = keys ? m_scroll : 0;
    for (int i = 0; i < height && offset + i < lines.size(); ++i) {
        const ScreenLayout::Line &line = lines.at(offset + i);
        int attributes = A_NORMAL;
        if (line.style == ScreenLayout::Line::Heading)
            attributes = A_BOLD | COLOR_PAIR(1);
        else if (line.style == ScreenLayout::Line::Muted)
            attributes = A_DIM;
        if (offset + i == lit)
            attributes = A_REVERSE;
        const QString marker = offset + i == lit ? QStringLiteral("> ") : QStringLiteral("  ");
        attron(attributes);
        TerminalSession::put(
            top + i, 0, TerminalSession::padded(marker + QString(line.depth * 2, QLatin1Char(' ')) + line.text, width),
            width);
        attroff(attributes);
    }
    return lines.size();
}

void TerminalScreen::drawActionBar(int row, int width)
{
    attron(A_REVERSE);
    TerminalSession::put(row, 0, TerminalSession::padded(QString(), width), width);
    attroff(A_REVERSE);
    // Left, centre and right places in thirds of the line; the overflow's actions after "⋯".
    const int third = qMax(1, width / 3);
    int overflowColumn = -1;
    for (int i = 0; i < m_layout.actions().size(); ++i) {
        const ScreenLayout::Target &action = m_layout.actions().at(i);
        if (action.titleBar)
            continue;
        const bool lit = m_onActions && i == m_highlight;
        QString text
            = action.signature ? QStringLiteral(" (%1) ").arg(action.name) : QStringLiteral(" %1 ").arg(action.name);
        if (!action.enabled)
            text += QStringLiteral("(off) ");
        int column = 1;
        if (action.place == ScreenLayout::Target::Centre)
            column = third + (third - text.size()) / 2;
        else if (action.place == ScreenLayout::Target::Right)
            column = 2 * third;
        else if (action.place == ScreenLayout::Target::Overflow) {
            if (overflowColumn < 0) {
                overflowColumn = qMax(2 * third, width - 2);
                // The overflow menu hides its actions until one is highlighted.
                TerminalSession::put(row, overflowColumn, QStringLiteral("⋯"), 1);
            }
            if (!lit)
                continue;
            column = qMax(0, width - text.size() - 2);
        }
        column = qMax(1, column);
        attron(lit ? A_BOLD : A_REVERSE);
        TerminalSession::put(row, column, text, width - column);
        attroff(lit ? A_BOLD : A_REVERSE);
    }
}

void TerminalScreen::drawBox(const QString &title, const QStringList &lines, int selectedLine, int rows, int columns)
{
    const int boxWidth = qMin(columns - 2, 64);
    const int boxHeight = qMin(rows - 4, lines.size() + (title.isEmpty() ? 2 : 4));
    const int top = qMax(1, (rows - boxHeight) / 2);
    const int left = qMax(0, (columns - boxWidth) / 2);
    attron(COLOR_PAIR(2));
    for (int y = top; y < top + boxHeight; ++y)
        TerminalSession::put(y, left, QString(boxWidth, QLatin1Char(' ')), boxWidth);
    int y = top + 1;
    if (!title.isEmpty()) {
        attron(A_BOLD);
        TerminalSession::put(y, left + 2, title, boxWidth - 4);
        attroff(A_BOLD);
        y += 2;
    }
    for (int i = 0; i < lines.size() && y < top + boxHeight - 1; ++i, ++y) {
        if (i == selectedLine)
            attron(A_REVERSE);
        TerminalSession::put(y, left + 2, TerminalSession::padded(lines.at(i), boxWidth - 4), boxWidth - 4);
        if (i == selectedLine)
            attroff(A_REVERSE);
    }
    attroff(COLOR_PAIR(2));
}

void TerminalScreen::drawSystemUi(int rows, int columns)
{
    const SystemUiRecord dialog = topDialog();
    if (dialog.serial != m_dialogSerial) {
        // A new dialog starts on its confirming button, as on the phone.
        m_dialogSerial = dialog.serial;
        m_dialogButton = dialog.buttons.size() - 1;
    }
    for (const SystemUiRecord &record : SystemUi::visible()) {
        if (record.kind != SystemUiRecord::Toast)
            continue;
        QString text = record.body;
        for (const SystemUiRecord::Button &button : record.buttons)
            text += QStringLiteral("  [%1]").arg(button.label);
        attron(A_REVERSE | A_BOLD);
        TerminalSession::put(rows - 3, 2, QStringLiteral(" %1 ").arg(text), columns - 4);
        attroff(A_REVERSE | A_BOLD);
    }
    if (dialog.isNull())
        return;
    const int boxWidth = qMin(columns - 2, 64);
    QStringList lines = wrapped(dialog.body, boxWidth - 4);
    if (dialog.progress >= 0)
        lines.append(QStringLiteral("%1%").arg(dialog.progress));
    lines.append(QString());
    QString buttons;
    for (int i = 0; i < dialog.buttons.size(); ++i) {
        const QString label = QStringLiteral("%1 %2").arg(i + 1).arg(dialog.buttons.at(i).label);
        buttons += i == m_dialogButton ? QStringLiteral(">%1<  ").arg(label) : QStringLiteral("[%1]  ").arg(label);
    }
    lines.append(buttons.trimmed());
    drawBox(dialog.title, lines, -1, rows, columns);
}

void TerminalScreen::pressToastButton()
{
    const SystemUiRecord toast = topToastWithButton();
    if (toast.isNull()) {
        m_message = QStringLiteral("No toast shows a button.");
        return;
    }
    const QString label = toast.buttons.first().label;
    report(TestDriver::pressDialogButton(label), QStringLiteral("press ") + label);
}

void TerminalScreen::drawStatus(int row, int width)
{
    QString text = m_message;
    const SystemUiRecord toast = topToastWithButton();
    // A toast's button is pressed with Ctrl-T while the screen under it keeps its keys.
    if (text.isEmpty() && topDialog().isNull() && m_layout.layer() != ScreenLayout::MenuLayer && !toast.isNull())
        text = QStringLiteral("Ctrl-T %1  Up/Down move  Enter tap  F2 menu  Esc back  Ctrl-C quit")
                   .arg(toast.buttons.first().label);
    if (text.isEmpty() && !topDialog().isNull())
        text = QStringLiteral("1-9 press a button  Left/Right choose  Enter press  Esc cancel");
    else if (text.isEmpty() && m_layout.layer() == ScreenLayout::MenuLayer)
        text = QStringLiteral("Up/Down choose  Enter do it  Esc close the menu");
    else if (text.isEmpty())
        text = QStringLiteral("Type into field  Up/Down move  Enter tap  Tab actions  F2 menu  Esc back  Ctrl-C quit");
    attron(COLOR_PAIR(2));
    TerminalSession::put(row, 0, TerminalSession::padded(text, width), width);
    attroff(COLOR_PAIR(2));
}

} // namespace console
} // namespace trellan
} // namespace hx
