#ifndef HX_TEST_PSEUDOTERMINAL_H
#define HX_TEST_PSEUDOTERMINAL_H

#include <QtCore/QByteArray>
#include <QtCore/QList>
#include <QtCore/QPair>

namespace hx {
namespace test {

// A program on an 80x24 pseudo-terminal, used as a person at the keyboard uses it: each step
// waits until the terminal has shown its text, then types its keys, or resizes the window when
// the keys are ResizeStep followed by "COLUMNSxROWS". Standard output goes to a pipe of its own,
// apart from what is drawn, so a program's printed result can be read back.
class PseudoTerminal
{
public:
    static const char ResizeStep[];

    struct Run
    {
        int code = -1;
        QByteArray out;
        QByteArray seen; // everything drawn on the terminal
    };

    static Run run(QList<QByteArray> arguments, const QList<QPair<QByteArray, QByteArray>> &steps);
};

} // namespace test
} // namespace hx

#endif
