#include "showcommand.h"

#include "screencatalog.h"
#include "session.h"
#include "storewatch.h"

#include <hx/trellan/console/randomuser.h>
#include <hx/trellan/console/steprunner.h>
#include <hx/trellan/console/terminalscreen.h>
#include <hx/trellan/picture/screenpicture.h>
#include <hx/trellan/places/placeutils.h>
#include <hx/trellan/screentext.h>
#include <hx/trellan/window/screenwindow.h>

#include <hx/system/systemui.h>
#include <hx/trellan/testdriver.h>

#include <QtCore/QCoreApplication>
#include <QtCore/QElapsedTimer>
#include <QtCore/QEventLoop>
#include <QtCore/QTextStream>
#include <QtCore/QTimer>

using hx::trellan::console::StepRunner;

namespace {
const int FirstAnswerMs = 100;
}

ShowCommand::ShowCommand(QTextStream &out, QTextStream &err) : m_out(out), m_err(err) { }

ShowCommand::~ShowCommand() = default;

int ShowCommand::list(QTextStream &out)
{
    for (const QString &name : ScreenCatalog::names())
        out << name << "\n";
    return 0;
}

int ShowCommand::prepare(const QString &screen, const QStringList &arguments,
                         const hx::platform::places::Coordinates &position, const QList<QStringList> &steps)
{
    // Resources, device sizes and location settings, as a screen of the library expects.
    hx::trellan::places::PlaceUtils::init();
    QString message;
    m_root.reset(ScreenCatalog::create(screen, arguments, position, &message));
    if (!m_root) {
        m_err << "hxplaces: " << message << Qt::endl;
        return 1;
    }
    StepRunner runner(m_root.data());
    runner.waitUntilIdle();
    // A screen may start by asking a service (the local search asks for a fix): the answer comes
    // a moment after the screen first looks settled, and the first picture should show it.
    QEventLoop moment;
    QTimer::singleShot(FirstAnswerMs, &moment, &QEventLoop::quit);
    moment.exec();
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

QString ShowCommand::terminalSafe(const QString &text)
{
    // A name or typed text may carry escape sequences that would retitle or clear the terminal;
    // they are shown the way the interactive view shows them, as ^[ and the like.
    QString safe;
    safe.reserve(text.size());
    for (const QChar c : text) {
        const ushort code = c.unicode();
        if (code == '\n' || code == '\t')
            safe += c;
        else if (code < 0x20)
            safe += QLatin1Char('^') + QChar(ushort(code + 0x40));
        else if (code == 0x7f)
            safe += QLatin1String("^?");
        else if (code >= 0x80 && code < 0xa0)
            safe += QStringLiteral("~%1").arg(QChar(ushort(code - 0x40)));
        else
            safe += c;
    }
    return safe;
}

int ShowCommand::dump()
{
    m_out << terminalSafe(hx::trellan::ScreenText::render(m_root.data())) << Qt::endl;
    return 0;
}

int ShowCommand::randomUser(quint32 seed, int steps, int seconds, Session &session)
{
    using hx::platform::places::Coordinates;
    m_out << "random user: seed " << seed << Qt::endl;
    hx::trellan::console::RandomUser user(m_root.data(), seed);
    // Now and then the phone moves: a few streets away, or to another continent.
    const Coordinates home = session.position();
    user.addStep(3, [&session, home](QRandomGenerator &random) {
        const bool far = random.bounded(4) == 0;
        const double latitude = far ? random.bounded(170.0) - 85.0 : home.latitude() + random.bounded(0.02) - 0.01;
        const double longitude = far ? random.bounded(360.0) - 180.0 : home.longitude() + random.bounded(0.02) - 0.01;
        session.moveTo(Coordinates(latitude, longitude));
        return QStringLiteral("move %1 %2").arg(latitude, 0, 'f', 5).arg(longitude, 0, 'f', 5);
    });
    StoreWatch watch;
    user.setObserver([this, &watch](int number, const QString &step) {
        m_out << "step " << number << ": " << step << Qt::endl;
        return watch.update(step);
    });
    QElapsedTimer clock;
    clock.start();
    const int done = user.run(steps, seconds * 1000);
    // Whatever the last steps left running settles before the store is read for the last time,
    // and the user sees off what is still up: a dialog or toast answers and deletes itself, one
    // left up when the program ends would be lost with it.
    hx::trellan::console::StepRunner(m_root.data()).waitUntilIdle(3000);
    QElapsedTimer leaving;
    leaving.start();
    while (hx::system::SystemUi::visibleCount() > 0 && leaving.elapsed() < 15000) {
        const hx::system::SystemUiRecord top = hx::system::SystemUi::top();
        if (!top.buttons.isEmpty())
            hx::trellan::TestDriver::pressDialogButton(top.buttons.first().label);
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 50);
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    const bool readable = watch.failure().isEmpty() && watch.update(QStringLiteral("the end of the run"));
    const QStringList kept = watch.kept();
    m_out << "random user: seed " << seed << ", " << done << " steps in " << clock.elapsed() << " ms, "
          << watch.savedCount() << " places saved, " << watch.removedCount() << " removed again" << Qt::endl;
    for (const QString &line : kept)
        m_out << "kept\t" << line << Qt::endl;
    if (readable)
        return 0;
    m_err << "hxplaces: " << watch.failure() << Qt::endl;
    return 1;
}

int ShowCommand::picture(const QString &path)
{
    QString message;
    QStringList missing;
    if (hx::trellan::picture::ScreenPicture::save(m_root.data(), path, &message, QSize(), &missing)) {
        // The picture is written all the same; the frames in it name what the assets lack.
        if (!missing.isEmpty())
            m_err << "hxplaces: " << path << ": no image for " << missing.join(QStringLiteral(", ")) << Qt::endl;
        return 0;
    }
    m_err << "hxplaces: " << message << Qt::endl;
    return 1;
}

int ShowCommand::interact(QString *message)
{
    hx::trellan::console::TerminalScreen terminal(m_root.data());
    return terminal.run(message);
}

int ShowCommand::window()
{
    hx::trellan::window::ScreenWindow window(m_root.data());
    return window.run();
}
