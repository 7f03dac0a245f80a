#include "randomuser.h"

#include "screenlayout.h"
#include "steprunner.h"

#include <hx/system/localehandler.h>
#include <hx/system/systemui.h>
#include <hx/trellan/contextmenu.h>
#include <hx/trellan/control.h>
#include <hx/trellan/dropdown.h>
#include <hx/trellan/listview.h>
#include <hx/trellan/testdriver.h>

#include <QtCore/QCoreApplication>
#include <QtCore/QEventLoop>
#include <QtCore/QScopeGuard>
#include <QtCore/QTimer>

namespace hx {
namespace trellan {
namespace console {

namespace {

// A step that opens dialog after dialog would nest loops without end: past this depth the user
// only answers what is open.
constexpr int MaxDepth = 4;

QString pick(QRandomGenerator &random, const QStringList &choices)
{
    return choices.at(random.bounded(choices.size()));
}

QString shortText(const QString &text)
{
    QString shown = text.left(24);
    for (QChar &c : shown) {
        if (c.category() == QChar::Other_Control || c.category() == QChar::Other_Format
            || c.category() == QChar::Other_Surrogate)
            c = QLatin1Char('?');
    }
    return text.size() > 24 ? QStringLiteral("\"%1\"... (%2 characters)").arg(shown).arg(text.size())
                            : QStringLiteral("\"%1\"").arg(shown);
}

} // namespace

RandomUser::RandomUser(QObject *root, quint32 seed, QObject *parent)
    : QObject(parent), m_root(root), m_seed(seed), m_random(seed)
{ }

void RandomUser::addStep(int weight, const std::function<QString(QRandomGenerator &)> &step)
{
    m_steps.append({ weight, step });
}

QString RandomUser::randomText(QRandomGenerator &random, bool paste)
{
    switch (random.bounded(paste ? 9 : 7)) {
    case 0:
        return pick(random,
                    { QStringLiteral("cafe"), QStringLiteral("water"), QStringLiteral("home"), QStringLiteral("a"),
                      QStringLiteral("200 University Ave W"), QStringLiteral("Toronto") });
    case 1: // right to left, with marks and mixed digits
        return pick(
            random,
            { QString::fromUtf8("\xD9\x85\xD9\x82\xD9\x87\xD9\x89 \xD8\xA7\xD9\x84\xD9\x82\xD9\x87\xD9\x88\xD8\xA9"),
              QString::fromUtf8("\xD7\xAA\xD7\x9C \xD7\x90\xD7\x91\xD7\x99\xD7\x91 12"),
              QString::fromUtf8("\xE2\x80\x8F\xD8\xB4\xD8\xA7\xD8\xB1\xD8\xB9 5\xE2\x80\x8E") });
    case 2: // emoji, joined and flagged
        return pick(random,
                    { QString::fromUtf8("\xF0\x9F\x98\x80"),
                      QString::fromUtf8("\xF0\x9F\x91\xA9\xE2\x80\x8D\xF0\x9F\x91\xA9\xE2\x80\x8D\xF0\x9F\x91\xA7"),
                      QString::fromUtf8("caf\xC3\xA9 \xE2\x98\x95\xEF\xB8\x8F \xF0\x9F\x87\xA8\xF0\x9F\x87\xA6") });
    case 3: { // control characters
        QString text;
        const int length = 1 + random.bounded(6);
        for (int i = 0; i < length; ++i)
            text += QChar(ushort(
                pick(random,
                     { QStringLiteral("0"), QStringLiteral("9"), QStringLiteral("10"), QStringLiteral("13"),
                       QStringLiteral("27"), QStringLiteral("127"), QStringLiteral("8232"), QStringLiteral("65279") })
                    .toInt()));
        return text + QStringLiteral("x");
    }
    case 4: { // bytes that are not UTF-8, decoded as the platform decodes them
        QByteArray bytes;
        const int length = 1 + random.bounded(12);
        for (int i = 0; i < length; ++i)
            bytes.append(char(random.bounded(256)));
        return QString::fromUtf8(bytes);
    }
    case 5: { // lone surrogates and unassigned code points
        QString text;
        text += QChar(ushort(0xD800 + random.bounded(0x800)));
        text += QChar(ushort(0xFDD0 + random.bounded(16)));
        return text;
    }
    case 6:
        return QString(1, QChar(ushort(0x20 + random.bounded(0x5e))));
    case 7: { // a long paste
        QString text;
        const QString piece = randomText(random, false);
        while (text.size() < 10000)
            text += piece.isEmpty() ? QStringLiteral("x") : piece;
        return text.left(10000);
    }
    default: // many lines
        return QStringLiteral("line one\nline two\r\n\tthree");
    }
}

int RandomUser::run(int maxSteps, int maxMs)
{
    m_maxSteps = maxSteps;
    m_maxMs = maxMs;
    m_done = 0;
    m_stopped = false;
    m_clock.start();
    QEventLoop loop;
    connect(this, &QObject::destroyed, &loop, &QEventLoop::quit);
    QTimer finished;
    connect(&finished, &QTimer::timeout, &loop, [this, &loop] {
        if ((m_stopped || m_done >= m_maxSteps || m_clock.elapsed() >= m_maxMs) && m_depth == 0)
            loop.quit();
    });
    finished.start(5);
    QTimer::singleShot(0, this, &RandomUser::tick);
    loop.exec();
    return m_done;
}

void RandomUser::tick()
{
    // While the user waits for the screen, the next step waits too, but for a system dialog that
    // came up meanwhile: it may hold its own loop, which only an answer ends.
    if (m_settling > 0) {
        QTimer::singleShot(1, this, &RandomUser::tick);
        if (hx::system::SystemUi::top().buttons.isEmpty())
            return;
        ++m_depth;
        const QString done = answerDialog();
        --m_depth;
        ++m_done;
        if (m_observer && !m_observer(m_done, done))
            m_stopped = true;
        return;
    }
    const bool over = m_stopped || m_done >= m_maxSteps || m_clock.elapsed() >= m_maxMs;
    // Over time, only a dialog that holds a nested loop is still answered, so the run can end.
    if (over && m_depth == 0)
        return;
    // The next step is due before this one acts: if this one waits in a dialog's own loop, the
    // next one runs inside it and can answer.
    QTimer::singleShot(0, this, &RandomUser::tick);
    ++m_depth;
    const QString done = over ? answerDialog() : step();
    --m_depth;
    if (over)
        return;
    ++m_done;
    if (m_observer && !m_observer(m_done, done))
        m_stopped = true;
}

QString RandomUser::step()
{
    QString done;
    const int total = 100 + [this] {
        int sum = 0;
        for (const auto &extra : qAsConst(m_steps))
            sum += extra.first;
        return sum;
    }();
    int roll = m_random.bounded(total);
    if (roll >= 100) {
        roll -= 100;
        for (const auto &extra : qAsConst(m_steps)) {
            if (roll < extra.first) {
                done = extra.second(m_random);
                break;
            }
            roll -= extra.first;
        }
    } else if (hx::system::SystemUi::visibleCount() > 0 && roll < 70) {
        done = answerDialog();
    } else if (roll < 4 && !m_languages.isEmpty()) {
        const QString language = pick(m_random, m_languages);
        hx::system::LocaleHandler::setLanguage(language);
        done = QStringLiteral("language ") + language;
    } else if (roll < 10 || m_depth > MaxDepth) {
        done = m_depth > MaxDepth
            ? answerDialog()
            : QStringLiteral("back") + (TestDriver::pressBack(m_root) ? QString() : QStringLiteral(" (refused)"));
    } else {
        done = actOnScreen();
    }
    settle();
    return done;
}

QString RandomUser::answerDialog()
{
    const hx::system::SystemUiRecord top = hx::system::SystemUi::top();
    if (top.isNull() || top.buttons.isEmpty())
        return QStringLiteral("nothing to answer");
    const QString label = top.buttons.at(m_random.bounded(top.buttons.size())).label;
    const bool pressed = TestDriver::pressDialogButton(label);
    return QStringLiteral("dialog %1%2").arg(label, pressed ? QString() : QStringLiteral(" (refused)"));
}

QString RandomUser::actOnScreen()
{
    if (!m_root)
        return QStringLiteral("no screen");
    const ScreenLayout layout = ScreenLayout::of(m_root);
    QList<ScreenLayout::Target> targets = layout.targets();
    if (layout.layer() != ScreenLayout::MenuLayer)
        targets += layout.actions();
    if (targets.isEmpty()) {
        if (ContextMenu::isOpen()) {
            TestDriver::closeContextMenu();
            return QStringLiteral("close the menu");
        }
        return QStringLiteral("back") + (TestDriver::pressBack(m_root) ? QString() : QStringLiteral(" (refused)"));
    }
    const ScreenLayout::Target target = targets.at(m_random.bounded(targets.size()));
    bool done = false;
    QString what;
    switch (target.kind) {
    case ScreenLayout::Target::Field: {
        const int choice = m_random.bounded(10);
        if (choice < 4) {
            const QString text = randomText(m_random, false);
            done = TestDriver::typeText(m_root, target.name, text);
            what = QStringLiteral("type %1 %2").arg(target.name, shortText(text));
        } else if (choice < 6) {
            const QString text = randomText(m_random, true);
            done = TestDriver::pasteText(m_root, target.name, text);
            what = QStringLiteral("paste %1 %2").arg(target.name, shortText(text));
        } else if (choice < 8) {
            const int count = 1 + m_random.bounded(m_random.bounded(2) ? 3 : 50);
            done = TestDriver::eraseText(m_root, target.name, count);
            what = QStringLiteral("erase %1 %2").arg(target.name).arg(count);
        } else {
            done = TestDriver::submit(m_root, target.name);
            what = QStringLiteral("submit ") + target.name;
        }
        break;
    }
    case ScreenLayout::Target::Button:
        done = TestDriver::clickButton(m_root, target.name);
        what = QStringLiteral("tap ") + target.name;
        break;
    case ScreenLayout::Target::DropDown:
        // As the terminal does: a finger on a drop-down the driver reaches opens or closes it.
        if (auto *dropDown = qobject_cast<DropDown *>(target.object.data())) {
            dropDown->setExpanded(!dropDown->isExpanded());
            done = true;
        }
        what = QStringLiteral("open ") + target.name;
        break;
    case ScreenLayout::Target::Option:
        done = TestDriver::chooseOption(m_root, target.name, target.index);
        what = QStringLiteral("choose %1 %2").arg(target.name).arg(target.index);
        break;
    case ScreenLayout::Target::Row: {
        // The named controls of the row, as a finger finds them: a title, an icon, a button.
        QStringList parts;
        if (auto *list = qobject_cast<ListView *>(target.object.data())) {
            if (Control *row = list->itemAt(target.indexPath)) {
                for (const Control *part : row->findChildren<Control *>()) {
                    if (!part->objectName().isEmpty() && !parts.contains(part->objectName()))
                        parts.append(part->objectName());
                }
            }
        }
        const int choice = m_random.bounded(4);
        if (choice == 0 && !parts.isEmpty()) {
            const QString part = pick(m_random, parts);
            done = TestDriver::tapRowPart(m_root, target.name, target.indexPath, part);
            what = QStringLiteral("tap-part %1 %2 %3").arg(target.name).arg(target.row + 1).arg(part);
        } else if (choice == 1) {
            done = TestDriver::openRowContextMenu(m_root, target.name, target.indexPath);
            what = QStringLiteral("hold %1 row %2").arg(target.name).arg(target.row + 1);
        } else {
            done = TestDriver::tapRow(m_root, target.name, target.indexPath);
            what = QStringLiteral("tap-row %1 %2").arg(target.name).arg(target.row + 1);
        }
        break;
    }
    case ScreenLayout::Target::Tappable:
        if (m_random.bounded(6) == 0) {
            done = TestDriver::openContextMenu(m_root, target.name);
            what = QStringLiteral("hold ") + target.name;
        } else {
            done = TestDriver::tap(m_root, target.name);
            what = QStringLiteral("tap ") + target.name;
        }
        break;
    case ScreenLayout::Target::Action: {
        const QString name
            = target.object && !target.object->objectName().isEmpty() ? target.object->objectName() : target.name;
        done = TestDriver::triggerAction(m_root, name);
        what = QStringLiteral("action ") + name;
        break;
    }
    }
    return done ? what : what + QStringLiteral(" (refused)");
}

void RandomUser::settle()
{
    // A quick user does not wait for the screen; a patient one waits until it is idle.
    ++m_settling;
    const auto done = qScopeGuard([this] { --m_settling; });
    const int roll = m_random.bounded(10);
    if (roll < 5) {
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    } else if (roll < 8) {
        QEventLoop wait;
        QTimer::singleShot(1 + m_random.bounded(30), &wait, &QEventLoop::quit);
        wait.exec();
    } else {
        StepRunner(m_root).waitUntilIdle(3000);
    }
}

} // namespace console
} // namespace trellan
} // namespace hx
