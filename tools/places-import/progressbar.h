#ifndef HX_TOOLS_PROGRESSBAR_H
#define HX_TOOLS_PROGRESSBAR_H

#include <QtCore/QString>

// A one-line progress bar on stderr, drawn only when stderr is a terminal, so that logs and
// pipes get the messages alone.
class ProgressBar
{
public:
    ProgressBar();
    void start(const QString &label, qint64 total);
    void update(qint64 done);
    // For input whose size is known only once reading has begun.
    void setTotal(qint64 total) { m_total = total; }
    void finish();

private:
    bool m_enabled;
    QString m_label;
    qint64 m_total = 0;
    int m_lastPercent = -1;
};

#endif
