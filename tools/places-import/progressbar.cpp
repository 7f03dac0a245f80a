#include "progressbar.h"

#include <cstdio>
#include <unistd.h>

ProgressBar::ProgressBar() : m_enabled(isatty(STDERR_FILENO) == 1) { }

void ProgressBar::start(const QString &label, qint64 total)
{
    m_label = label;
    m_total = total;
    m_lastPercent = -1;
    update(0);
}

void ProgressBar::update(qint64 done)
{
    if (!m_enabled)
        return;
    const int percent = m_total > 0 ? int(qBound<qint64>(0, done * 100 / m_total, 100)) : 100;
    if (percent == m_lastPercent)
        return;
    m_lastPercent = percent;
    constexpr int width = 30;
    const int filled = percent * width / 100;
    std::fprintf(stderr, "\r%s [%s%s] %3d%%", qPrintable(m_label), QByteArray(filled, '#').constData(),
                 QByteArray(width - filled, ' ').constData(), percent);
    std::fflush(stderr);
}

void ProgressBar::finish()
{
    if (!m_enabled || m_lastPercent < 0)
        return;
    update(m_total);
    std::fprintf(stderr, "\n");
    m_lastPercent = -1;
}
