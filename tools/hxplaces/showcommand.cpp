#include "showcommand.h"

#include "screencatalog.h"

#include <hx/trellan/console/steprunner.h>
#include <hx/trellan/console/terminalscreen.h>
#include <hx/trellan/picture/screenpicture.h>
#include <hx/trellan/places/placeutils.h>
#include <hx/trellan/screentext.h>

#include <QtCore/QTextStream>

using hx::trellan::console::StepRunner;

ShowCommand::ShowCommand(QTextStream &out, QTextStream &err) : m_out(out), m_err(err) { }

ShowCommand::~ShowCommand() = default;

int ShowCommand::list(QTextStream &out)
{
    for (const QString &name : ScreenCatalog::names())
        out << name << "\n";
    return 0;
}

int ShowCommand::prepare(const QString &screen, const QStringList &arguments, const QList<QStringList> &steps)
{
    // Resources, device sizes and location settings, as a screen of the library expects.
    hx::trellan::places::PlaceUtils::init();
    QString message;
    m_root.reset(ScreenCatalog::create(screen, arguments, &message));
    if (!m_root) {
        m_err << "hxplaces: " << message << Qt::endl;
        return 1;
    }
    StepRunner runner(m_root.data());
    runner.waitUntilIdle();
    for (int i = 0; i < steps.size(); ++i) {
        if (!runner.run(steps.at(i), &message)) {
            m_err << "hxplaces: step " << i + 1 << " (" << steps.at(i).join(QLatin1Char(' ')) << "): " << message
                  << Qt::endl;
            return 1;
        }
        if (!runner.waitUntilIdle())
            m_err << "hxplaces: the screen was still busy after step " << i + 1 << Qt::endl;
    }
    return 0;
}

int ShowCommand::dump()
{
    m_out << hx::trellan::ScreenText::render(m_root.data()) << Qt::endl;
    return 0;
}

int ShowCommand::picture(const QString &path)
{
    QString message;
    if (hx::trellan::picture::ScreenPicture::save(m_root.data(), path, &message))
        return 0;
    m_err << "hxplaces: " << message << Qt::endl;
    return 1;
}

int ShowCommand::interact(QString *message)
{
    hx::trellan::console::TerminalScreen terminal(m_root.data());
    return terminal.run(message);
}
