#ifndef HX_TRELLAN_CONSOLE_TERMINALSESSION_H
#define HX_TRELLAN_CONSOLE_TERMINALSESSION_H

#include <QtCore/QObject>
#include <QtCore/QScopedPointer>
#include <QtCore/QString>

#include <cstdio>

class QSocketNotifier;
typedef struct screen SCREEN;

namespace hx {
namespace trellan {
namespace console {

// The controlling terminal, taken over by ncurses for as long as the session is open: keys one
// at a time without echo, arrows and function keys as key codes, and a signal when keys wait.
// It draws on /dev/tty, not on standard output, which may be a pipe for what a program prints.
class TerminalSession : public QObject
{
    Q_OBJECT
public:
    enum class Interrupt { AsKey, AsSignal };

    explicit TerminalSession(QObject *parent = nullptr);
    ~TerminalSession() override;

    // Colour pairs: 1 accent, 2 highlight, 3 title. Says in message why the terminal cannot be used.
    bool open(Interrupt interrupt, bool showCursor, QString *message);
    void close();
    bool isOpen() const { return m_screen != nullptr; }

    // Draws text from a column, cut to the width left on the line, right-to-left words (Arabic,
    // Hebrew) in the order they are read.
    static void put(int row, int column, const QString &text, int width);
    // The text cut or filled with blanks to exactly width columns.
    static QString padded(const QString &text, int width);
    // The text in the order a left-to-right line shows it: right-to-left runs turned round.
    static QString visualOrder(const QString &text);

signals:
    void keysWaiting();

private:
    std::FILE *m_ttyIn = nullptr;
    std::FILE *m_ttyOut = nullptr;
    SCREEN *m_screen = nullptr;
    QScopedPointer<QSocketNotifier> m_notifier;
};

} // namespace console
} // namespace trellan
} // namespace hx

#endif
