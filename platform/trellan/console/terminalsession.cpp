#include <hx/trellan/console/terminalsession.h>

#include <QtCore/QSocketNotifier>
#include <QtCore/QVector>

#include <fribidi.h>
#include <ncurses.h>

#include <algorithm>
#include <string>

namespace hx {
namespace trellan {
namespace console {

TerminalSession::TerminalSession(QObject *parent) : QObject(parent) { }

TerminalSession::~TerminalSession()
{
    close();
}

bool TerminalSession::open(Interrupt interrupt, bool showCursor, QString *message)
{
    m_ttyIn = std::fopen("/dev/tty", "r");
    m_ttyOut = m_ttyIn ? std::fopen("/dev/tty", "w") : nullptr;
    if (!m_ttyOut) {
        *message = QStringLiteral("no terminal to draw on (/dev/tty cannot be opened)");
        close();
        return false;
    }
    m_screen = newterm(nullptr, m_ttyOut, m_ttyIn);
    if (!m_screen) {
        *message = QStringLiteral("this terminal type is not known to ncurses (TERM)");
        close();
        return false;
    }
    set_term(m_screen);
    set_escdelay(25);
    if (interrupt == Interrupt::AsKey)
        raw();
    else
        cbreak();
    noecho();
    nonl();
    keypad(stdscr, TRUE);
    nodelay(stdscr, TRUE);
    curs_set(showCursor ? 1 : 0);
    if (has_colors()) {
        start_color();
        use_default_colors();
        init_pair(1, COLOR_CYAN, -1);
        init_pair(2, COLOR_BLACK, COLOR_WHITE);
        init_pair(3, COLOR_WHITE, COLOR_BLUE);
    }
    m_notifier.reset(new QSocketNotifier(fileno(m_ttyIn), QSocketNotifier::Read));
    connect(m_notifier.data(), &QSocketNotifier::activated, this, &TerminalSession::keysWaiting);
    return true;
}

void TerminalSession::put(int row, int column, const QString &text, int width)
{
    if (width <= 0)
        return;
    const std::wstring wide = visualOrder(text.left(width)).toStdWString();
    mvaddnwstr(row, column, wide.c_str(), int(wide.size()));
}

QString TerminalSession::visualOrder(const QString &text)
{
    const QVector<uint> logical = text.toUcs4();
    const bool rightToLeft = std::any_of(logical.cbegin(), logical.cend(), [](uint c) {
        const QChar::Direction direction = QChar::direction(c);
        return direction == QChar::DirR || direction == QChar::DirAL;
    });
    if (!rightToLeft)
        return text;
    static_assert(sizeof(FriBidiChar) == sizeof(uint), "code points of the same size");
    QVector<uint> visual(logical.size());
    FriBidiParType base = FRIBIDI_PAR_LTR;
    if (!fribidi_log2vis(reinterpret_cast<const FriBidiChar *>(logical.constData()), logical.size(), &base,
                         reinterpret_cast<FriBidiChar *>(visual.data()), nullptr, nullptr, nullptr))
        return text;
    return QString::fromUcs4(visual.constData(), visual.size());
}

QString TerminalSession::padded(const QString &text, int width)
{
    return text.left(qMax(0, width)).leftJustified(qMax(0, width), QLatin1Char(' '));
}

void TerminalSession::close()
{
    m_notifier.reset();
    if (m_screen) {
        endwin();
        delscreen(m_screen);
        m_screen = nullptr;
    }
    if (m_ttyOut)
        std::fclose(m_ttyOut);
    if (m_ttyIn)
        std::fclose(m_ttyIn);
    m_ttyOut = m_ttyIn = nullptr;
}

} // namespace console
} // namespace trellan
} // namespace hx
