#ifndef HXPLACES_PICKCOMMAND_H
#define HXPLACES_PICKCOMMAND_H

#include <QtCore/QList>
#include <QtCore/QString>
#include <QtCore/QStringList>
#include <QtCore/QTextStream>

namespace hx {
namespace trellan {
namespace places {
class SelectedPlace;
}
} // namespace trellan
} // namespace hx

// "hxplaces pick": the tool is the calling application. PlacePicker::show() invokes the place
// picker card, a program of its own, which draws its page on this terminal or runs the steps
// handed to it, and answers; the pick's JSON is all that reaches standard output. The card
// says on standard error why it could not show its page or run a step.
class PickCommand
{
public:
    PickCommand(QTextStream &out, QTextStream &err);

    // The user picks on the terminal. 0 with the pick printed, 1 when nothing was picked (with
    // the reason on the error stream, unless the user cancelled).
    int interactive();
    // The card runs the steps instead, and answers when they picked or cancelled; steps that
    // end without either leave the card, and nothing is picked.
    int scripted(const QList<QStringList> &steps);

    // The steps that type text into the card's search field and tap the name of the
    // choice-th place row (from 1; headers, footers and other rows without a name are not
    // counted).
    static QList<QStringList> typeAndChoose(const QString &text, int choice);

private:
    int pick(const QString &steps, int timeoutMs);
    static QString printable(const hx::trellan::places::SelectedPlace &place);

    QTextStream &m_out;
    QTextStream &m_err;
};

#endif
