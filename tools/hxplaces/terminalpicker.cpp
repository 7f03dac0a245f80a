#include "terminalpicker.h"

#include "pickresolver.h"

#include <hx/system/systemui.h>
#include <hx/system/systemuirecord.h>
#include <hx/trellan/places/itemtype.h>
#include <hx/trellan/places/mylocationdialog.h>
#include <hx/trellan/places/placeutils.h>

#include <QtCore/QCoreApplication>
#include <QtCore/QScopedValueRollback>

#include <ncurses.h>

#include <string>

using namespace hx::platform::places;
using hx::system::SystemUi;
using hx::system::SystemUiRecord;
using hx::trellan::console::TerminalSession;
using hx::trellan::places::FilterCategory;
using hx::trellan::places::ItemType;
using hx::trellan::places::MyLocationDialog;

namespace {
constexpr int KeyEscape = 27;

} // namespace

TerminalPicker::TerminalPicker(const Coordinates &near, QObject *parent) : QObject(parent), m_near(near)
{
    // The picker is a selector screen: resources, device sizes and location settings first.
    hx::trellan::places::PlaceUtils::init();
    connect(&m_search, &SearchList::rowsChanged, this, &TerminalPicker::onRowsChanged);
    connect(SystemUi::instance(), &SystemUi::visibleChanged, this, &TerminalPicker::redraw);
    // Key presses wake the notifier; the poll also catches a resize, which comes as a key.
    connect(&m_terminal, &TerminalSession::keysWaiting, this, &TerminalPicker::readKeys);
    m_poll.setInterval(100);
    connect(&m_poll, &QTimer::timeout, this, &TerminalPicker::readKeys);
}

TerminalPicker::~TerminalPicker()
{
    m_terminal.close();
}

int TerminalPicker::run(QString *json, QString *message)
{
    if (!m_terminal.open(TerminalSession::Interrupt::AsSignal, true, message))
        return 1;
    load();
    redraw();
    m_poll.start();
    m_loop.exec();
    m_poll.stop();
    m_terminal.close();
    *json = m_json;
    return m_code;
}

void TerminalPicker::readKeys()
{
    if (!m_terminal.isOpen())
        return;
    wint_t key = 0;
    int kind;
    // Keys typed after the pick or the cancel are not for this picker any more.
    while (!m_finished && (kind = get_wch(&key)) != ERR && m_terminal.isOpen()) {
        if (key == KEY_RESIZE && kind == KEY_CODE_YES) {
            redraw();
            continue;
        }
        if (SystemUi::visibleCount() > 0 && SystemUi::top().kind != SystemUiRecord::Toast)
            handleDialogKey(int(key));
        else
            handleKey(int(key), kind == OK);
    }
}

void TerminalPicker::handleKey(int key, bool isCharacter)
{
    if (m_busy)
        return;
    if (isCharacter && key == KeyEscape) {
        if (m_category != FilterCategory::None) {
            // Back to the merged list of the same text.
            m_category = FilterCategory::None;
            m_selected = 0;
            load();
        } else {
            finish(1);
        }
        return;
    }
    if (isCharacter && (key == '\r' || key == '\n')) {
        activate();
        return;
    }
    if ((isCharacter && (key == 127 || key == 8)) || (!isCharacter && key == KEY_BACKSPACE)) {
        if (!m_text.isEmpty())
            typed(m_text.left(m_text.size() - 1));
        return;
    }
    if (!isCharacter) {
        if (key == KEY_UP)
            moveSelection(-1);
        else if (key == KEY_DOWN)
            moveSelection(1);
        else if (key == KEY_PPAGE)
            moveSelection(-10);
        else if (key == KEY_NPAGE)
            moveSelection(10);
        else if (key == KEY_ENTER)
            activate();
        return;
    }
    if (key >= 32 && key != 127)
        typed(m_text + QString::fromUcs4(reinterpret_cast<const char32_t *>(&key), 1));
}

void TerminalPicker::typed(const QString &text)
{
    // Every keystroke starts a new query at once; the model drops replies of the old one. In a
    // category's whole list the text narrows that list.
    m_text = text;
    m_selected = 0;
    m_status.clear();
    load();
}

void TerminalPicker::load()
{
    if (m_category == FilterCategory::None)
        m_search.showAll(m_text, m_near);
    else
        m_search.showCategory(m_category, m_text, m_near);
    redraw();
}

void TerminalPicker::onRowsChanged()
{
    m_selected = qBound(0, m_selected, qMax(0, selectableCount() - 1));
    redraw();
}

void TerminalPicker::handleDialogKey(int key)
{
    const SystemUiRecord dialog = SystemUi::top();
    followDialog(dialog);
    const int buttons = dialog.buttons.size();
    if (key == KEY_LEFT || key == KEY_UP)
        m_dialogButton = qMax(0, m_dialogButton - 1);
    else if (key == KEY_RIGHT || key == KEY_DOWN || key == '\t')
        m_dialogButton = qMin(buttons - 1, m_dialogButton + 1);
    else if ((key == '\r' || key == '\n' || key == KEY_ENTER) && m_dialogButton < buttons)
        SystemUi::pressButton(dialog.serial, dialog.buttons.at(m_dialogButton).label);
    else if (key == KeyEscape)
        SystemUi::pressButton(dialog.serial, hx::system::SystemUiResult::CancelButtonSelection);
    redraw();
}

void TerminalPicker::followDialog(const SystemUiRecord &dialog)
{
    // A new dialog starts on its last button, the confirming one ("Accept", "Use Coordinates").
    if (dialog.serial != m_dialogSerial) {
        m_dialogSerial = dialog.serial;
        m_dialogButton = dialog.buttons.size() - 1;
    }
    m_dialogButton = qBound(0, m_dialogButton, qMax(0, dialog.buttons.size() - 1));
}

QList<TerminalPicker::Entry> TerminalPicker::entries() const
{
    QList<Entry> list;
    if (m_category == FilterCategory::None)
        list.append({ Entry::MyLocation, -1 });
    for (int row = 0; row < m_search.count(); ++row) {
        const QString key = m_search.key(row);
        const Entry::Kind kind = ItemType::isHeader(key) ? Entry::Header
            : ItemType::isFooter(key)                    ? Entry::Footer
                                                         : Entry::Place;
        list.append({ kind, row });
    }
    return list;
}

int TerminalPicker::selectableCount() const
{
    int count = 0;
    for (const Entry &entry : entries())
        count += entry.kind != Entry::Header;
    return count;
}

void TerminalPicker::moveSelection(int delta)
{
    m_selected = qBound(0, m_selected + delta, qMax(0, selectableCount() - 1));
    redraw();
}

void TerminalPicker::activate()
{
    int index = 0;
    for (const Entry &entry : entries()) {
        if (entry.kind == Entry::Header || index++ != m_selected)
            continue;
        if (entry.kind == Entry::MyLocation) {
            fetchMyLocation();
        } else if (entry.kind == Entry::Footer) {
            const FilterCategory::Type category = m_search.footerCategory(entry.row);
            if (category == FilterCategory::None)
                return;
            m_category = category;
            m_selected = 0;
            load();
        } else {
            pick(m_search.fullPlace(entry.row));
        }
        return;
    }
}

void TerminalPicker::pick(QSharedPointer<Place> place)
{
    m_busy = true;
    m_status = QCoreApplication::translate("Places", "Retrieving details...");
    redraw();
    Error::Type error = Error::None;
    place = PickResolver::resolve(place, true, &error);
    m_busy = false;
    if (place.isNull()) {
        // Error 0: the user cancelled the address look-up and stays on the list.
        m_status = error == Error::None ? QString()
                                        : QStringLiteral("This place cannot be picked (error %1).").arg(int(error));
        redraw();
        return;
    }
    m_json = PickResolver::json(place);
    finish(0);
}

void TerminalPicker::fetchMyLocation()
{
    // One fetch object for the picker's life, as the search screen keeps one; every fetch ends
    // in exactly one success() or aborted().
    if (!m_locationDialog) {
        m_locationDialog = new MyLocationDialog(this, true);
        connect(m_locationDialog, &MyLocationDialog::success, this, &TerminalPicker::onLocationFound);
        connect(m_locationDialog, &MyLocationDialog::aborted, this, &TerminalPicker::onLocationAborted);
    }
    m_busy = true;
    m_status = QCoreApplication::translate("Places", "Getting your location");
    redraw();
    m_locationDialog->fetch();
}

void TerminalPicker::onLocationFound(Location location)
{
    m_busy = false;
    // Where the user stands is a place without a name; its address label names it.
    pick(QSharedPointer<Place>::create(QString(), location));
}

void TerminalPicker::onLocationAborted()
{
    m_busy = false;
    m_status.clear();
    redraw();
}

void TerminalPicker::finish(int code)
{
    m_finished = true;
    m_code = code;
    m_loop.quit();
}

void TerminalPicker::redraw()
{
    if (!m_terminal.isOpen())
        return;
    // Reading a category's rows on screen may fetch the next page, which adds rows and asks
    // for a redraw while this one runs: that one follows from the event loop instead.
    if (m_drawing) {
        if (!m_redrawQueued) {
            m_redrawQueued = true;
            QTimer::singleShot(0, this, [this] {
                m_redrawQueued = false;
                redraw();
            });
        }
        return;
    }
    const QScopedValueRollback<bool> drawing(m_drawing, true);
    int height = 0;
    int width = 0;
    getmaxyx(stdscr, height, width);
    erase();
    attron(A_BOLD);
    TerminalSession::put(0, 0, title(), width);
    attroff(A_BOLD);
    const QString prompt = QStringLiteral("Search: ");
    TerminalSession::put(1, 0, prompt + m_text, width);
    mvhline(2, 0, ACS_HLINE, width);
    drawList(3, height - 4, width);
    drawStatus(height - 1, width);
    if (SystemUi::visibleCount() > 0 && SystemUi::top().kind != SystemUiRecord::Toast)
        drawDialog(width, height);
    else
        move(1, qMin(width - 1, prompt.size() + m_text.size()));
    refresh();
}

QString TerminalPicker::title() const
{
    if (m_category == FilterCategory::None)
        return QStringLiteral("Pick a place");
    const QString name = SearchList::categoryTitle(m_category);
    return m_search.isLoading() ? QStringLiteral("Loading %1...").arg(name) : QStringLiteral("All %1").arg(name);
}

void TerminalPicker::drawList(int top, int height, int width)
{
    const QList<Entry> list = entries();
    // Find the selected line and scroll so that it stays on screen.
    int selectedLine = 0;
    int index = 0;
    for (int line = 0; line < list.size(); ++line) {
        if (list.at(line).kind != Entry::Header && index++ == m_selected)
            selectedLine = line;
    }
    const int first = qMax(0, selectedLine - height + 2);
    index = 0;
    for (int line = 0; line < list.size(); ++line) {
        const Entry &entry = list.at(line);
        const bool selected = entry.kind != Entry::Header && index++ == m_selected;
        const int y = top + line - first;
        if (line < first || y >= top + height)
            continue;
        if (selected)
            attron(A_REVERSE);
        switch (entry.kind) {
        case Entry::MyLocation:
            TerminalSession::put(
                y, 0,
                TerminalSession::padded(QStringLiteral("  > ") + QCoreApplication::translate("Places", "My Location"),
                                        width),
                width);
            break;
        case Entry::Header:
            attron(A_BOLD | COLOR_PAIR(1));
            TerminalSession::put(y, 0, SearchList::headerTitle(m_search.key(entry.row)), width);
            attroff(A_BOLD | COLOR_PAIR(1));
            break;
        case Entry::Footer:
            TerminalSession::put(
                y, 0,
                TerminalSession::padded(
                    QStringLiteral("    More %1...").arg(SearchList::categoryTitle(m_search.footerCategory(entry.row))),
                    width),
                width);
            break;
        case Entry::Place: {
            // Only rows on screen are read: a category list fetches its pages as they come into view.
            const hx::trellan::places::CachedPlace record = m_search.place(entry.row);
            if (record.isNull())
                break;
            const AbstractPlace &place = *record;
            const QString distance = m_distance.between(m_near, place.primaryCoordinates());
            const int nameWidth = qMax(10, (width - 12) / 2);
            QString text = QStringLiteral("  ") + TerminalSession::padded(place.name(), nameWidth) + QLatin1Char(' ');
            text += TerminalSession::padded(place.primaryLocation(), qMax(0, width - text.size() - 10));
            TerminalSession::put(y, 0, TerminalSession::padded(text + distance.rightJustified(9), width), width);
            break;
        }
        }
        if (selected)
            attroff(A_REVERSE);
    }
    if (list.size() <= 1 && !m_search.isLoading() && !m_text.isEmpty())
        TerminalSession::put(top + 1, 2, QCoreApplication::translate("Places", "No results"), width - 2);
}

void TerminalPicker::drawStatus(int row, int width)
{
    QString text = m_status;
    for (const SystemUiRecord &record : SystemUi::visible()) {
        if (record.kind == SystemUiRecord::Toast)
            text = record.body;
    }
    if (text.isEmpty())
        text = QStringLiteral("Type to search  Up/Down move  Enter pick  Esc ")
            + (m_category == FilterCategory::None ? QStringLiteral("cancel") : QStringLiteral("back"));
    attron(COLOR_PAIR(2));
    TerminalSession::put(row, 0, TerminalSession::padded(text, width), width);
    attroff(COLOR_PAIR(2));
}

void TerminalPicker::drawDialog(int width, int height)
{
    const SystemUiRecord dialog = SystemUi::top();
    const int boxWidth = qMin(width - 2, 60);
    QStringList lines;
    for (const QString &paragraph : dialog.body.split(QLatin1Char('\n'))) {
        QString rest = paragraph;
        do {
            lines.append(rest.left(boxWidth - 4));
            rest = rest.mid(boxWidth - 4);
        } while (!rest.isEmpty());
    }
    const int boxHeight = qMin(height - 2, lines.size() + 5);
    const int top = (height - boxHeight) / 2;
    const int left = (width - boxWidth) / 2;
    for (int y = top; y < top + boxHeight; ++y)
        TerminalSession::put(y, left, QString(boxWidth, QLatin1Char(' ')), boxWidth);
    attron(A_BOLD);
    TerminalSession::put(top, left + 2, dialog.title, boxWidth - 4);
    attroff(A_BOLD);
    for (int i = 0; i < lines.size() && top + 2 + i < top + boxHeight - 2; ++i)
        TerminalSession::put(top + 2 + i, left + 2, lines.at(i), boxWidth - 4);
    followDialog(dialog);
    int x = left + 2;
    for (int i = 0; i < dialog.buttons.size(); ++i) {
        const QString label = QStringLiteral("[ %1 ]").arg(dialog.buttons.at(i).label);
        if (i == m_dialogButton)
            attron(A_REVERSE);
        TerminalSession::put(top + boxHeight - 1, x, label, left + boxWidth - x);
        if (i == m_dialogButton)
            attroff(A_REVERSE);
        x += label.size() + 1;
    }
    move(top + boxHeight - 1, left + 2);
}
