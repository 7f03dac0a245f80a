#include <hx/trellan/actionbarlayout.h>
#include <hx/trellan/actionitem.h>
#include <hx/trellan/contextmenu.h>
#include <hx/trellan/control.h>
#include <hx/trellan/listview.h>
#include <hx/trellan/page.h>
#include <hx/trellan/picture/screenpicture.h>
#include <hx/trellan/screentext.h>
#include <hx/trellan/textfield.h>
#include <hx/trellan/uiconfig.h>
#include <hx/trellan/window/screenwindow.h>

#include <hx/system/systemui.h>

#include <QtCore/QJsonArray>
#include <QtCore/QJsonDocument>
#include <QtCore/QJsonObject>
#include <QtCore/QSaveFile>
#include <QtGui/QGuiApplication>
#include <QtGui/QKeyEvent>
#include <QtGui/QMouseEvent>
#include <QtGui/QPainter>
#include <QtGui/QScreen>
#include <QtGui/QStyleHints>
#include <QtGui/QWheelEvent>

namespace hx {
namespace trellan {
namespace window {

namespace {
using hx::trellan::picture::ScreenArea;

// A press held this long is a long press, as on the phone.
constexpr int LongPressMs = 600;
// Changes that come without a signal (a list loaded, a spinner stopped) are seen this often.
constexpr int PollMs = 100;
// One step of a mouse wheel.
constexpr int WheelStep = 120;

QString kindName(ScreenArea::Kind kind)
{
    static const char *const names[] = { "control",  "list",   "row", "option",        "action",
                                         "overflow", "button", "key", "menu-backdrop", "dialog-backdrop" };
    return QLatin1String(names[kind]);
}

// What the area shows, for a script that looks for it.
QString shownText(const ScreenArea &area)
{
    if (!area.text.isEmpty())
        return area.text;
    if (area.kind == ScreenArea::Row) {
        const auto *list = qobject_cast<const ListView *>(area.list.data());
        return list ? ScreenText::texts(list->itemAt(area.indexPath)) : QString();
    }
    if (const auto *action = qobject_cast<const ActionItem *>(area.object.data()))
        return action->title();
    if (const auto *field = qobject_cast<const TextField *>(area.object.data()))
        return field->text();
    if (area.kind == ScreenArea::Control && qobject_cast<const Control *>(area.object.data()))
        return ScreenText::texts(area.object.data());
    return QString();
}
} // namespace

ScreenWindow::ScreenWindow(QObject *root, QWindow *parent) : QRasterWindow(parent), m_root(root), m_touch(root)
{
    // The phone's display, shrunk to fit a smaller desktop.
    const QSize display = UIConfig::displaySize();
    qreal scale = 1;
    if (screen()) {
        const QSize room = screen()->availableGeometry().size();
        scale = qMin<qreal>(1, qMin(qreal(room.width()) / display.width(), qreal(room.height()) / display.height()));
    }
    resize((QSizeF(display) * scale).toSize());
    m_poll.setInterval(PollMs);
    connect(&m_poll, &QTimer::timeout, this, &ScreenWindow::refresh);
    connect(hx::system::SystemUi::instance(), &hx::system::SystemUi::visibleChanged, this, &ScreenWindow::refresh);
    m_hold.setSingleShot(true);
    m_hold.setInterval(LongPressMs);
    connect(&m_hold, &QTimer::timeout, this, &ScreenWindow::holdLongEnough);
}

ScreenWindow::~ScreenWindow() = default;

int ScreenWindow::run()
{
    // Leaving is the window's own to say: the program goes on after it closes.
    QGuiApplication::setQuitOnLastWindowClosed(false);
    m_title = QGuiApplication::applicationDisplayName();
    setTitle(m_title);
    show();
    refresh();
    m_poll.start();
    if (!m_finished)
        m_loop.exec();
    m_poll.stop();
    hide();
    return m_code;
}

void ScreenWindow::quit(int code)
{
    m_code = code;
    m_finished = true;
    m_loop.quit();
}

bool ScreenWindow::event(QEvent *event)
{
    if (event->type() == QEvent::Close)
        quit(0);
    const bool handled = QRasterWindow::event(event);
    // A script may point once the window is there to point at.
    if (event->type() == QEvent::Expose && isExposed())
        writeMap();
    return handled;
}

void ScreenWindow::refresh()
{
    if (!m_root || m_finished)
        return;
    QList<ScreenArea> areas;
    QImage picture = hx::trellan::picture::ScreenPicture::render(m_root, QSize(), nullptr, &areas);
    if (m_touch.overflowPage())
        paintOverflow(&picture, &areas);
    m_touch.setAreas(areas);
    if (picture == m_picture)
        return;
    m_picture = picture;
    m_areas = areas;
    update();
    writeMap();
}

void ScreenWindow::paintOverflow(QImage *image, QList<ScreenArea> *areas) const
{
    // The actions the bar has no place for, in a panel at the right as the context menu is.
    const QList<ActionItem *> actions = ActionBarLayout(m_touch.overflowPage()->actions()).overflow();
    const qreal scale = image->width() / 720.0;
    QPainter painter(image);
    const QRectF screen(QPointF(0, 0), image->size());
    painter.fillRect(screen, QColor(0, 0, 0, 128));
    ScreenArea backdrop;
    backdrop.kind = ScreenArea::MenuBackdrop;
    backdrop.rect = screen;
    areas->append(backdrop);
    const qreal width = qMin(screen.width() * 0.6, 460 * scale);
    const qreal rowHeight = 76 * scale;
    const QRectF panel(screen.right() - width, screen.bottom() - 112 * scale - rowHeight * actions.size(), width,
                       rowHeight * actions.size());
    painter.fillRect(panel, QColor(0x2b, 0x2b, 0x2b));
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(qMax(1, qRound(28 * scale)));
    painter.setFont(font);
    for (int i = 0; i < actions.size(); ++i) {
        const ActionItem *action = actions.at(i);
        ScreenArea area;
        area.kind = ScreenArea::Action;
        area.rect = QRectF(panel.left(), panel.top() + i * rowHeight, width, rowHeight);
        area.object = const_cast<ActionItem *>(action);
        areas->append(area);
        painter.setPen(action->isEnabled() ? QColor(0xf2, 0xf2, 0xf2) : QColor(0x9a, 0x9a, 0x9a));
        painter.drawText(area.rect.adjusted(24 * scale, 0, -24 * scale, 0), Qt::AlignLeft | Qt::AlignVCenter,
                         action->title().isEmpty() ? action->objectName() : action->title());
    }
}

QRectF ScreenWindow::pictureRect() const
{
    if (m_picture.isNull())
        return QRectF();
    const QSizeF fitted = QSizeF(m_picture.size()).scaled(QSizeF(size()), Qt::KeepAspectRatio);
    return QRectF(QPointF((width() - fitted.width()) / 2, (height() - fitted.height()) / 2), fitted);
}

QPointF ScreenWindow::toPicture(const QPointF &point) const
{
    const QRectF shown = pictureRect();
    if (shown.isEmpty())
        return point;
    return (point - shown.topLeft()) * (m_picture.width() / shown.width());
}

QRectF ScreenWindow::toWindow(const QRectF &rect) const
{
    const QRectF shown = pictureRect();
    const qreal scale = shown.width() / qMax(1, m_picture.width());
    return QRectF(shown.topLeft() + rect.topLeft() * scale, rect.size() * scale);
}

void ScreenWindow::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(QRectF(QPointF(0, 0), QSizeF(size())), Qt::black);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(pictureRect(), m_picture);
    // The finger's mark: what a release or a long press will act on, as the phone lights it.
    if (m_pressing && !m_dragging && !m_pressUsed)
        painter.fillRect(toWindow(m_touch.target(m_pressed)), QColor(0x00, 0xa8, 0xdf, 64));
}

void ScreenWindow::report(bool done)
{
    // What a finger could not do is told in the title, as the terminal tells it in its status line.
    const QString error = m_touch.error();
    setTitle(done || error.isEmpty() ? m_title : QStringLiteral("%1 — %2").arg(m_title, error));
    refresh();
}

void ScreenWindow::mousePressEvent(QMouseEvent *event)
{
    const QPointF point = toPicture(event->localPos());
    if (event->button() == Qt::RightButton) {
        report(m_touch.longPress(point));
        return;
    }
    if (event->button() != Qt::LeftButton)
        return;
    m_pressing = true;
    m_dragging = false;
    m_pressUsed = false;
    m_pressed = point;
    m_last = point;
    m_dragRest = 0;
    m_hold.start();
    update();
}

void ScreenWindow::mouseMoveEvent(QMouseEvent *event)
{
    if (!m_pressing)
        return;
    const QPointF point = toPicture(event->localPos());
    const qreal threshold = QGuiApplication::styleHints()->startDragDistance() * m_picture.width()
        / qMax<qreal>(1, pictureRect().width());
    if (!m_dragging && (point - m_pressed).manhattanLength() < threshold)
        return;
    if (!m_dragging)
        update();
    m_dragging = true;
    m_hold.stop();
    // The list follows the finger: a drag upwards brings the rows below into view.
    m_dragRest += m_last.y() - point.y();
    m_last = point;
    const qreal row = m_touch.rowHeight(m_pressed);
    const int rows = int(m_dragRest / row);
    if (rows == 0)
        return;
    m_dragRest -= rows * row;
    m_touch.scroll(m_pressed, rows);
    refresh();
}

void ScreenWindow::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || !m_pressing)
        return;
    m_hold.stop();
    m_pressing = false;
    update();
    if (!m_dragging && !m_pressUsed)
        report(m_touch.tap(m_pressed));
}

void ScreenWindow::holdLongEnough()
{
    if (!m_pressing || m_dragging)
        return;
    m_pressUsed = true;
    report(m_touch.longPress(m_pressed));
}

void ScreenWindow::wheelEvent(QWheelEvent *event)
{
    m_wheelRest += event->angleDelta().y();
    const int rows = m_wheelRest / WheelStep;
    if (rows == 0)
        return;
    m_wheelRest -= rows * WheelStep;
    // The wheel turned away from the user shows what is above.
    report(m_touch.scroll(toPicture(event->position()), -rows));
}

void ScreenWindow::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Escape:
        if (!m_touch.back())
            quit(0);
        refresh();
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        report(m_touch.submit());
        return;
    case Qt::Key_Backspace:
        report(m_touch.erase());
        return;
    default:
        break;
    }
    const QString text = event->text();
    if (!text.isEmpty() && text.at(0).isPrint())
        report(m_touch.type(text));
}

void ScreenWindow::writeMap() const
{
    // Only a window on the screen takes a pointer, or a close request.
    const QString path = qEnvironmentVariable("HX_WINDOW_MAP");
    if (path.isEmpty() || !isExposed())
        return;
    QJsonArray areas;
    for (const ScreenArea &area : m_areas) {
        const QRect shown = toWindow(area.rect).toRect();
        if (shown.isEmpty())
            continue;
        QJsonObject entry { { QStringLiteral("kind"), kindName(area.kind) },
                            { QStringLiteral("x"), shown.x() },
                            { QStringLiteral("y"), shown.y() },
                            { QStringLiteral("width"), shown.width() },
                            { QStringLiteral("height"), shown.height() },
                            { QStringLiteral("text"), shownText(area) } };
        if (area.object)
            entry.insert(QStringLiteral("name"), area.object->objectName());
        if (area.list) {
            entry.insert(QStringLiteral("list"), area.list->objectName());
            entry.insert(QStringLiteral("indexPath"), QJsonArray::fromVariantList(area.indexPath));
        }
        if (area.index >= 0)
            entry.insert(QStringLiteral("index"), area.index);
        areas.append(entry);
    }
    const QJsonObject map { { QStringLiteral("window"), QString::number(winId()) },
                            { QStringLiteral("menu"), ContextMenu::isOpen() },
                            { QStringLiteral("areas"), areas } };
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(QJsonDocument(map).toJson(QJsonDocument::Compact));
    file.commit();
}

} // namespace window
} // namespace trellan
} // namespace hx
