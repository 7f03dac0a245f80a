#ifndef HXPLACES_SESSIONFOLDER_H
#define HXPLACES_SESSIONFOLDER_H

#include <QtCore/QString>

// The temporary folder of one run: the simulated phone's roots and a demo's store. It is
// removed when the run ends, also when it is ended by SIGTERM, SIGINT or SIGHUP; one left by a
// run that was killed outright is removed by the next run. Its name has a mark of its own, and
// a run holds a lock on its folder, so only folders of runs that are over are ever removed.
class SessionFolder
{
public:
    SessionFolder();
    ~SessionFolder();
    SessionFolder(const SessionFolder &) = delete;
    SessionFolder &operator=(const SessionFolder &) = delete;

    bool isValid() const { return !m_path.isEmpty(); }
    QString path() const { return m_path; }
    QString errorString() const { return m_error; }

private:
    static void removeAbandoned();
    void removeOnSignals();

    QString m_path;
    QString m_error;
    int m_lock = -1;
};

#endif
