#ifndef HXPLACES_COMMANDLINE_H
#define HXPLACES_COMMANDLINE_H

#include "session.h"

#include <QtCore/QCommandLineParser>
#include <QtCore/QStringList>

// Reads "hxplaces COMMAND [options] [arguments]": the command is the first argument, each
// command has its own options and --help. Usage errors end with exit code 2.
class CommandLine
{
public:
    enum Status { Run, ShowedHelp, UsageError };

    Status parse(const QStringList &arguments);

    QString command() const { return m_command; }
    QStringList positional() const { return m_parser.positionalArguments(); }
    QString value(const QString &option) const { return m_parser.value(option); }
    bool isSet(const QString &option) const { return m_parser.isSet(option); }
    Session::Options sessionOptions() const { return m_session; }
    // The --do steps of "show" and "pick", each as its words.
    QList<QStringList> steps() const { return m_steps; }
    QString error() const { return m_error; }
    QString helpText() const;

    static QString overview();
    // "LAT,LON" or two numbers: valid coordinates or an invalid Coordinates.
    static hx::platform::places::Coordinates parsePosition(const QString &text);

private:
    bool configure(const QString &command);
    bool check();
    bool checkCount(int count);
    bool takeSteps(QStringList *arguments);
    bool checkPosition();

    QCommandLineParser m_parser;
    QString m_command;
    QString m_error;
    Session::Options m_session;
    QList<QStringList> m_steps;
};

#endif
