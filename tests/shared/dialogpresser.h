#ifndef HX_TEST_DIALOGPRESSER_H
#define HX_TEST_DIALOGPRESSER_H

#include <QtCore/QObject>
#include <QtCore/QString>

namespace hx {
namespace test {

// Presses a button of a system dialog as soon as one with the given title is on screen, also
// while the dialog runs its own modal loop (exec()), which a test cannot interrupt otherwise.
// Presses once, then stays idle.
class DialogPresser : public QObject
{
    Q_OBJECT

public:
    DialogPresser(const QString &title, const QString &buttonLabel, QObject *parent = nullptr);

    bool hasPressed() const { return m_pressed; }
    // The body the dialog showed when it was pressed.
    QString pressedBody() const { return m_body; }

private slots:
    void check();

private:
    QString m_title;
    QString m_label;
    QString m_body;
    bool m_pressed;
};

} // namespace test
} // namespace hx

#endif
