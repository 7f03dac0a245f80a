#ifndef HX_TRELLAN_CONSOLE_TERMINALSCREEN_H
#define HX_TRELLAN_CONSOLE_TERMINALSCREEN_H

#include <hx/trellan/console/screenlayout.h>
#include <hx/trellan/console/terminalsession.h>

#include <QtCore/QEventLoop>
#include <QtCore/QObject>
#include <QtCore/QPointer>
#include <QtCore/QTimer>

namespace hx {
namespace system {
class SystemUiRecord;
}
namespace trellan {

namespace console {

// Any control tree on the controlling terminal, from 80x24 up: the title bar, the content,
// the action bar, open sheets and dialogs on top, then the system dialogs and toasts, and a
// status line with the keys. It follows every change of the tree and every resize. Keys act
// through the test driver, as a test would, and reach only what the driver reaches: printable
// keys type into the focused field, Up/Down move over what can be tapped, Enter taps, Tab and
// Shift-Tab walk the actions, F2 opens the highlighted row's context menu (Esc closes it), Esc
// goes back (or cancels a dialog), digits press a dialog's numbered button, Ctrl-C leaves.
class TerminalScreen : public QObject
{
    Q_OBJECT
public:
    explicit TerminalScreen(QObject *root, QObject *parent = nullptr);
    ~TerminalScreen() override;

    // Runs until the user leaves (0) or quit() is called with a code; 1 with a message when
    // the terminal cannot be used.
    int run(QString *message);

public slots:
    void quit(int code = 0);

private slots:
    void readKeys();
    void redraw();

private:
    void handleKey(int key, bool isCharacter);
    void handleSystemDialogKey(const hx::system::SystemUiRecord &dialog, int key, bool isCharacter);
    QList<int> dialogButtons() const;
    bool pressDialogButton(int number);
    void typeCharacter(const QString &text);
    void eraseCharacter();
    void moveHighlight(int delta);
    bool stepHighlight(int step);
    bool slideList(const ScreenLayout::Target &current, int step);
    void walkActions(int delta);
    void activate();
    void openMenu();
    void pressToastButton();
    void escape();
    bool collapseDropDowns();
    void report(bool done, const QString &what);

    const ScreenLayout::Target *highlighted() const;
    QString typingField() const;
    void follow(const ScreenLayout::Target &previous, bool hadPrevious);
    void relayout();

    void drawTitleBar(int width);
    int drawBody(const ScreenLayout &layout, int top, int height, int width, bool keys);
    void drawActionBar(int row, int width);
    void drawBox(const QString &title, const QStringList &lines, int selectedLine, int rows, int columns);
    void drawSystemUi(int rows, int columns);
    void drawStatus(int row, int width);

    QPointer<QObject> m_root;
    ScreenLayout m_layout;
    int m_highlight = 0; // in targets, or in actions when m_onActions
    bool m_onActions = false;
    int m_highlightUnderMenu = 0;
    int m_scroll = 0;
    QString m_field; // the field keys type into, once one was highlighted
    int m_dialogButton = -1;
    int m_dialogSerial = 0;
    QString m_message;

    hx::trellan::console::TerminalSession m_terminal;
    QTimer m_poll;
    QEventLoop m_loop;
    int m_code = 0;
    bool m_finished = false;
};

} // namespace console
} // namespace trellan
} // namespace hx

#endif
