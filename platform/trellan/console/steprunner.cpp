#include <hx/system/localehandler.h>
#include <hx/system/systemui.h>
#include <hx/trellan/button.h>
#include <hx/trellan/console/screenlayout.h>
#include <hx/trellan/console/steprunner.h>
#include <hx/trellan/dialog.h>
#include <hx/trellan/imagebutton.h>
#include <hx/trellan/listview.h>
#include <hx/trellan/screentext.h>
#include <hx/trellan/testdriver.h>

#include <QtCore/QCoreApplication>
#include <QtCore/QElapsedTimer>
#include <QtCore/QHash>
#include <QtCore/QThreadPool>

#include <limits>

namespace hx {
namespace trellan {
namespace console {

namespace {
using hx::system::SystemUi;
using hx::system::SystemUiRecord;

// Each step's word and how many words follow it; a TEXT may hold spaces, so type takes the rest.
const QHash<QString, int> &arities()
{
    static const QHash<QString, int> counts {
        { QStringLiteral("type"), -2 },   { QStringLiteral("erase"), 2 },   { QStringLiteral("submit"), 1 },
        { QStringLiteral("tap"), -1 },    { QStringLiteral("tap-row"), 2 }, { QStringLiteral("tap-part"), 3 },
        { QStringLiteral("menu"), -3 },   { QStringLiteral("action"), -1 }, { QStringLiteral("choose"), 2 },
        { QStringLiteral("dialog"), -1 }, { QStringLiteral("back"), 0 },    { QStringLiteral("language"), 1 },
        { QStringLiteral("wait"), 1 },    { QStringLiteral("keys"), -1 },   { QStringLiteral("tap-nth"), 3 },
    };
    return counts;
}

bool isNumber(const QString &word, int minimum)
{
    bool ok = false;
    return word.toInt(&ok) >= minimum && ok;
}

// The words from index on, as one text: "type SearchField 75 King" types "75 King".
QString rest(const QStringList &words, int index)
{
    return words.mid(index).join(QLatin1Char(' '));
}

QString listOf(const QString &kind, const QStringList &names)
{
    return names.isEmpty() ? QString() : QStringLiteral("%1 %2").arg(kind, names.join(QStringLiteral(", ")));
}
} // namespace

StepRunner::StepRunner(QObject *root) : m_root(root) { }

bool StepRunner::check(const QStringList &words, QString *error)
{
    if (words.isEmpty() || !arities().contains(words.first())) {
        *error = QStringLiteral("unknown step \"%1\" (steps: type, erase, submit, tap, tap-row, tap-part, menu, "
                                "action, choose, dialog, back, language, wait, keys, tap-nth)")
                     .arg(words.value(0));
        return false;
    }
    const int arity = arities().value(words.first());
    const int given = words.size() - 1;
    if ((arity >= 0 && given != arity) || (arity < 0 && given < -arity)) {
        *error
            = QStringLiteral("step \"%1\" takes %2 word(s), %3 given")
                  .arg(words.first(), arity >= 0 ? QString::number(arity) : QStringLiteral("at least %1").arg(-arity))
                  .arg(given);
        return false;
    }
    const QString &step = words.first();
    const bool numbersOk = (step != QLatin1String("erase") || isNumber(words.at(2), 0))
        && ((step != QLatin1String("tap-row") && step != QLatin1String("tap-part") && step != QLatin1String("menu")
             && step != QLatin1String("tap-nth"))
            || isNumber(words.at(2), 1))
        && (step != QLatin1String("choose") || isNumber(words.at(2), 0));
    if (step == QLatin1String("wait") && !isNumber(words.at(1), 0)) {
        *error = QStringLiteral("step \"%1\": a wait is a whole number of milliseconds, from 0 to %2")
                     .arg(words.join(QLatin1Char(' ')))
                     .arg(std::numeric_limits<int>::max());
        return false;
    }
    if (!numbersOk) {
        *error = QStringLiteral("step \"%1\": a count, row or index must be a whole number (rows from 1)")
                     .arg(words.join(QLatin1Char(' ')));
        return false;
    }
    return true;
}

bool StepRunner::run(const QStringList &words, QString *error)
{
    if (!check(words, error))
        return false;
    if (!m_root) {
        *error = QStringLiteral("the screen is gone");
        return false;
    }
    const QString &step = words.first();
    if (step == QLatin1String("type"))
        return type(words, error);
    if (step == QLatin1String("erase"))
        return erase(words, error);
    if (step == QLatin1String("submit"))
        return submit(words, error);
    if (step == QLatin1String("tap"))
        return tap(words, error);
    if (step == QLatin1String("tap-row"))
        return tapRow(words, error);
    if (step == QLatin1String("tap-part"))
        return tapPart(words, error);
    if (step == QLatin1String("menu"))
        return menu(words, error);
    if (step == QLatin1String("action"))
        return action(words, error);
    if (step == QLatin1String("choose"))
        return choose(words, error);
    if (step == QLatin1String("dialog"))
        return dialog(words, error);
    if (step == QLatin1String("back"))
        return back(words, error);
    if (step == QLatin1String("language"))
        return language(words, error);
    if (step == QLatin1String("keys"))
        return keys(words, error);
    if (step == QLatin1String("tap-nth"))
        return tapNth(words, error);
    return wait(words);
}

bool StepRunner::type(const QStringList &words, QString *error)
{
    return done(TestDriver::typeText(m_root, words.at(1), rest(words, 2)), words, error);
}

bool StepRunner::keys(const QStringList &words, QString *error)
{
    return done(TestDriver::pressKeys(m_root, rest(words, 1)), words, error);
}

bool StepRunner::erase(const QStringList &words, QString *error)
{
    return done(TestDriver::eraseText(m_root, words.at(1), words.at(2).toInt()), words, error);
}

bool StepRunner::submit(const QStringList &words, QString *error)
{
    return done(TestDriver::submit(m_root, words.at(1)), words, error);
}

bool StepRunner::tap(const QStringList &words, QString *error)
{
    // A button is pressed (by name or text); any other control gets a finger's tap.
    const QString name = rest(words, 1);
    QObject *object = TestDriver::find(m_root, name);
    const bool pressable = !object || qobject_cast<Button *>(object) || qobject_cast<ImageButton *>(object);
    return done(pressable ? TestDriver::clickButton(m_root, name) : TestDriver::tap(m_root, name), words, error);
}

ListView *StepRunner::reachableList(const QStringList &words, QString *error) const
{
    auto *list = TestDriver::findOnScreen<ListView>(m_root, words.at(1));
    if (!list) {
        done(false, words, error);
        return nullptr;
    }
    const int number = words.at(2).toInt();
    if (number > list->rowCount()) {
        *error = QStringLiteral("%1: list \"%2\" shows %3 rows, no row %4")
                     .arg(words.first(), list->objectName())
                     .arg(list->rowCount())
                     .arg(number);
        return nullptr;
    }
    return list;
}

bool StepRunner::tapRow(const QStringList &words, QString *error)
{
    ListView *list = reachableList(words, error);
    return list && done(TestDriver::tapRow(m_root, list->objectName(), rowPath(list, words)), words, error);
}

bool StepRunner::tapPart(const QStringList &words, QString *error)
{
    // A part of a row (its call button, its favourite star) is a named control inside the row.
    ListView *list = reachableList(words, error);
    return list
        && done(TestDriver::tapRowPart(m_root, list->objectName(), rowPath(list, words), words.at(3)), words, error);
}

bool StepRunner::tapNth(const QStringList &words, QString *error)
{
    // Counts only the rows that hold the part, so "the second place" skips the headers and
    // footers between places, whatever sections the list shows today.
    auto *list = TestDriver::findOnScreen<ListView>(m_root, words.at(1));
    if (!list)
        return done(false, words, error);
    const QString &part = words.at(3);
    const int wanted = words.at(2).toInt();
    int seen = 0;
    for (int row = 0; row < list->rowCount(); ++row) {
        const Control *item = list->rowItem(row);
        if (!item || (item->objectName() != part && !item->findChild<Control *>(part)))
            continue;
        if (++seen == wanted)
            return done(TestDriver::tapRowPart(m_root, list->objectName(), list->rowIndexPath(row), part), words,
                        error);
    }
    *error = QStringLiteral("%1: list \"%2\" shows %3 rows with a part named \"%4\", not %5")
                 .arg(words.first(), list->objectName())
                 .arg(seen)
                 .arg(part)
                 .arg(wanted);
    return false;
}

bool StepRunner::menu(const QStringList &words, QString *error)
{
    // The context menu a long press opens on the row, and one of its actions.
    ListView *list = reachableList(words, error);
    return list
        && done(TestDriver::triggerRowAction(m_root, list->objectName(), rowPath(list, words), rest(words, 3)), words,
                error);
}

bool StepRunner::action(const QStringList &words, QString *error)
{
    return done(TestDriver::triggerAction(m_root, rest(words, 1)), words, error);
}

bool StepRunner::choose(const QStringList &words, QString *error)
{
    return done(TestDriver::chooseOption(m_root, words.at(1), words.at(2).toInt()), words, error);
}

bool StepRunner::dialog(const QStringList &words, QString *error)
{
    // System dialogs and toasts are on top of everything; a toolkit dialog's buttons come
    // next, reached as a finger would (not through a context menu over them).
    const QString label = rest(words, 1);
    const bool toolkitDialog = !Dialog::openDialogs().isEmpty();
    if (toolkitDialog && SystemUi::visible().isEmpty())
        return done(TestDriver::clickButton(m_root, label), words, error);
    if (TestDriver::pressDialogButton(label))
        return true;
    if (toolkitDialog)
        return done(TestDriver::clickButton(m_root, label), words, error);
    return done(false, words, error);
}

bool StepRunner::back(const QStringList &words, QString *error)
{
    return done(TestDriver::pressBack(m_root), words, error);
}

bool StepRunner::language(const QStringList &words, QString *error)
{
    if (hx::system::LocaleHandler::setLanguage(words.at(1)))
        return true;
    *error = QStringLiteral("language: \"%1\" is not a language the phone knows").arg(words.at(1));
    return false;
}

bool StepRunner::wait(const QStringList &words)
{
    QElapsedTimer timer;
    timer.start();
    const int duration = words.at(1).toInt();
    while (timer.elapsed() < duration)
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents,
                                        int(qMax<qint64>(1, duration - timer.elapsed())));
    return true;
}

bool StepRunner::waitUntilIdle(int timeoutMs) const
{
    // Idle: no worker of the pool runs, and nothing on screen changed for a few rounds of
    // delivered events (a queued reply that changes nothing does not keep us waiting) nor for a
    // few milliseconds, so that what a screen defers by a short timer once shown is seen too.
    const int quietRounds = 5;
    const int quietMs = 25;
    QElapsedTimer timer;
    timer.start();
    QElapsedTimer unchanged;
    unchanged.start();
    QString last;
    int quiet = 0;
    while (timer.elapsed() < timeoutMs) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QCoreApplication::sendPostedEvents();
        const QString now = m_root ? ScreenText::render(m_root) : QString();
        const bool workers = QThreadPool::globalInstance()->activeThreadCount() > 0;
        quiet = (now == last && !workers) ? quiet + 1 : 0;
        if (quiet == 0)
            unchanged.restart();
        last = now;
        if (quiet >= quietRounds && unchanged.elapsed() >= quietMs)
            return true;
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 20);
    }
    return false;
}

QVariantList StepRunner::rowPath(const ListView *list, const QStringList &words)
{
    return list->rowIndexPath(words.at(2).toInt() - 1);
}

bool StepRunner::done(bool succeeded, const QStringList &words, QString *error) const
{
    // The driver says what it could not reach and why; the rest of the screen follows.
    if (!succeeded)
        *error = QStringLiteral("%1: %2; %3").arg(words.first(), TestDriver::lastError(), onScreen());
    return succeeded;
}

QString StepRunner::onScreen() const
{
    const ScreenLayout layout = ScreenLayout::of(m_root);
    using Kind = ScreenLayout::Target;
    QStringList lists;
    for (const QString &name : layout.namesOf(Kind::Row)) {
        const auto *list = TestDriver::find<ListView>(m_root, name);
        lists.append(QStringLiteral("%1 (%2 rows)").arg(name).arg(list ? list->rowCount() : 0));
    }
    QStringList dialogButtons;
    for (const SystemUiRecord::Button &button : SystemUi::top().buttons)
        dialogButtons.append(button.label);
    QStringList parts { listOf(QStringLiteral("fields"), layout.namesOf(Kind::Field)),
                        listOf(QStringLiteral("buttons"), layout.namesOf(Kind::Button)),
                        listOf(QStringLiteral("tappable"), layout.namesOf(Kind::Tappable)),
                        listOf(QStringLiteral("options"),
                               layout.namesOf(Kind::Option) + layout.namesOf(Kind::DropDown)),
                        listOf(QStringLiteral("lists"), lists),
                        listOf(QStringLiteral("actions"), layout.namesOf(Kind::Action)),
                        listOf(QStringLiteral("dialog buttons"), dialogButtons) };
    parts.removeAll(QString());
    return parts.isEmpty() ? QStringLiteral("nothing on screen can be reached")
                           : QStringLiteral("on screen: ") + parts.join(QStringLiteral("; "));
}

} // namespace console
} // namespace trellan
} // namespace hx
