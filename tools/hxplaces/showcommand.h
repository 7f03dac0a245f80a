#ifndef HXPLACES_SHOWCOMMAND_H
#define HXPLACES_SHOWCOMMAND_H

#include <hx/platform/places/coordinates.h>

#include <QtCore/QScopedPointer>
#include <QtCore/QStringList>

class QObject;
class QTextStream;
class Session;

// "hxplaces show SCREEN": opens one of the library's screens, runs the --do steps on it (each
// followed by a wait until the screen is idle), then prints its text, writes its picture or
// hands it to the terminal or a window.
class ShowCommand
{
public:
    ShowCommand(QTextStream &out, QTextStream &err);
    ~ShowCommand();

    static int list(QTextStream &out);

    // Makes the screen, looking around position, and runs the steps: 0, or 1 after telling err
    // what failed.
    int prepare(const QString &screen, const QStringList &arguments, const hx::platform::places::Coordinates &position,
                const QList<QStringList> &steps);
    int dump();
    // The text with its control characters in caret notation, line breaks and tabs kept.
    static QString terminalSafe(const QString &text);
    // A random user on the screen for at most steps steps and seconds seconds, each step printed;
    // then the places it saved that are still stored. 1 when the store could not be read.
    int randomUser(quint32 seed, int steps, int seconds, Session &session);
    int picture(const QString &path);
    // The screen in the terminal until the user leaves; message says why when it cannot be.
    int interact(QString *message);
    // The screen in a window on the desktop until the user leaves or closes it.
    int window();

private:
    QTextStream &m_out;
    QTextStream &m_err;
    QScopedPointer<QObject> m_root;
};

#endif
