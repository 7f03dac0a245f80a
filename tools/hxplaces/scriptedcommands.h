#ifndef HXPLACES_SCRIPTEDCOMMANDS_H
#define HXPLACES_SCRIPTEDCOMMANDS_H

#include <hx/platform/places/coordinates.h>

#include <QtCore/QString>
#include <QtCore/QTextStream>

// The commands that print JSON or text for scripts and tests. Each returns the exit code:
// 0 done, 1 nothing to show or a failure (with a message on standard error).
class ScriptedCommands
{
public:
    ScriptedCommands(const hx::platform::places::Coordinates &near, QTextStream &out, QTextStream &err);

    // The merged list, or with a category (a footer's) the whole of that category.
    int search(const QString &text, int category);
    int share(qint64 id);
    int openUri(const QString &uri);
    int geocode(const QString &address);
    int where(double latitude, double longitude);
    int map(qint64 id, const QString &pngPath);
    int view(qint64 id);

private:
    hx::platform::places::Coordinates m_near;
    QTextStream &m_out;
    QTextStream &m_err;
};

#endif
