#include <hx/system/localehandler.h>
#include <hx/system/systemui.h>
#include <hx/trellan/actionitem.h>
#include <hx/trellan/actionset.h>
#include <hx/trellan/button.h>
#include <hx/trellan/console/screenlayout.h>
#include <hx/trellan/console/steprunner.h>
#include <hx/trellan/control.h>
#include <hx/trellan/dialog.h>
#include <hx/trellan/imagebutton.h>
#include <hx/trellan/listview.h>
#include <hx/trellan/screentext.h>
#include <hx/trellan/testdriver.h>

#include <QtCore/QCoreApplication>
#include <QtCore/QElapsedTimer>
#include <QtCore/QHash>
#include <QtCore/QThreadPool>

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
        { QStringLiteral("wait"), 1 },
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

bool isShown(const QObject *object)
{
    for (const QObject *node = object; node; node = node->parent()) {
        if (const auto *control = qobject_cast<const Control *>(node)) {
            if (!control->isVisible())
                return false;
        }
    }
    return true;
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
                                "action, choose, dialog, back, language, wait)")
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
        && ((step != QLatin1String("tap-row") && step != QLatin1String("tap-part") && step != QLatin1String("menu"))
            || isNumber(words.at(2), 1))
        && (step != QLatin1String("choose") || isNumber(words.at(2), 0))
        && (step != QLatin1String("wait") || isNumber(words.at(1), 0));
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
        return back(error);
    if (step == QLatin1String("language"))
        return language(words, error);
    return wait(words);
}

bool StepRunner::type(const QStringList &words, QString *error)
{
    if (TestDriver::typeText(m_root, words.at(1), rest(words, 2)))
        return true;
    *error = QStringLiteral("type: no field \"%1\" to type into; %2").arg(words.at(1), onScreen());
    return false;
}

bool StepRunner::erase(const QStringList &words, QString *error)
{
    if (TestDriver::eraseText(m_root, words.at(1), words.at(2).toInt()))
        return true;
    *error = QStringLiteral("erase: no field \"%1\" to erase from; %2").arg(words.at(1), onScreen());
    return false;
}

bool StepRunner::submit(const QStringList &words, QString *error)
{
    if (TestDriver::submit(m_root, words.at(1)))
        return true;
    *error = QStringLiteral("submit: no field \"%1\" to submit; %2").arg(words.at(1), onScreen());
    return false;
}

bool StepRunner::tap(const QStringList &words, QString *error)
{
    // A button is pressed (by name or text); any other control gets a finger's tap.
    const QString name = rest(words, 1);
    QObject *object = TestDriver::find(m_root, name);
    const bool pressable = !object || qobject_cast<Button *>(object) || qobject_cast<ImageButton *>(object);
    if (pressable ? TestDriver::clickButton(m_root, name) : TestDriver::tap(m_root, name))
        return true;
    *error = QStringLiteral("tap: nothing named \"%1\" can be tapped; %2").arg(name, onScreen());
    return false;
}

ListView *StepRunner::reachableList(const QString &name, QString *error) const
{
    auto *list = TestDriver::find<ListView>(m_root, name);
    if (list && isShown(list))
        return list;
    *error = QStringLiteral("no list \"%1\" on screen; %2").arg(name, onScreen());
    return nullptr;
}

Control *StepRunner::row(const ListView *list, int number)
{
    return number >= 1 && number <= list->rowCount() ? list->rowItem(number - 1) : nullptr;
}

bool StepRunner::tapRow(const QStringList &words, QString *error)
{
    ListView *list = reachableList(words.at(1), error);
    if (!list)
        return false;
    const int number = words.at(2).toInt();
    if (number > list->rowCount()) {
        *error = QStringLiteral("tap-row: list \"%1\" shows %2 rows, no row %3")
                     .arg(list->objectName())
                     .arg(list->rowCount())
                     .arg(number);
        return false;
    }
    if (TestDriver::tapRow(m_root, list->objectName(), list->rowIndexPath(number - 1)))
        return true;
    *error = QStringLiteral("tap-row: row %1 of \"%2\" cannot be tapped").arg(number).arg(list->objectName());
    return false;
}

bool StepRunner::tapPart(const QStringList &words, QString *error)
{
    // A part of a row (its call button, its favourite star) is a named control inside the row.
    ListView *list = reachableList(words.at(1), error);
    if (!list)
        return false;
    const int number = words.at(2).toInt();
    Control *item = row(list, number);
    if (!item) {
        *error = QStringLiteral("tap-part: list \"%1\" shows %2 rows, no row %3")
                     .arg(list->objectName())
                     .arg(list->rowCount())
                     .arg(number);
        return false;
    }
    const QString &name = words.at(3);
    auto *part = item->objectName() == name ? item : item->findChild<Control *>(name);
    if (part && isShown(part)) {
        if (auto *button = qobject_cast<Button *>(part))
            return button->click();
        if (auto *imageButton = qobject_cast<ImageButton *>(part))
            return imageButton->click();
        if (part->simulateTap())
            return true;
    }
    QStringList parts;
    for (const Control *child : item->findChildren<Control *>()) {
        if (!child->objectName().isEmpty() && isShown(child))
            parts.append(child->objectName());
    }
    *error = QStringLiteral("tap-part: row %1 of \"%2\" has no part \"%3\" to tap (parts: %4)")
                 .arg(number)
                 .arg(list->objectName(), name,
                      parts.isEmpty() ? QStringLiteral("none") : parts.join(QStringLiteral(", ")));
    return false;
}

ActionItem *StepRunner::rowAction(const Control *row, const QString &titleOrName)
{
    for (int i = 0; row && i < row->actionSetCount(); ++i) {
        for (ActionItem *action : row->actionSetAt(i)->actions()) {
            if (action->isEnabled() && (action->objectName() == titleOrName || action->title() == titleOrName))
                return action;
        }
    }
    return nullptr;
}

bool StepRunner::menu(const QStringList &words, QString *error)
{
    // The context menu a long press opens on the row, and one of its actions.
    ListView *list = reachableList(words.at(1), error);
    if (!list)
        return false;
    const int number = words.at(2).toInt();
    Control *item = row(list, number);
    const QString title = rest(words, 3);
    if (ActionItem *found = rowAction(item, title))
        return found->trigger();
    QStringList titles;
    for (int i = 0; item && i < item->actionSetCount(); ++i) {
        for (const ActionItem *action : item->actionSetAt(i)->actions())
            titles.append(action->title());
    }
    *error = QStringLiteral("menu: row %1 of \"%2\" has no action \"%3\" (menu: %4)")
                 .arg(number)
                 .arg(list->objectName(), title,
                      titles.isEmpty() ? QStringLiteral("none") : titles.join(QStringLiteral(", ")));
    return false;
}

bool StepRunner::action(const QStringList &words, QString *error)
{
    const QString title = rest(words, 1);
    if (TestDriver::triggerAction(m_root, title))
        return true;
    *error = QStringLiteral("action: no enabled action \"%1\"; %2").arg(title, onScreen());
    return false;
}

bool StepRunner::choose(const QStringList &words, QString *error)
{
    if (TestDriver::chooseOption(m_root, words.at(1), words.at(2).toInt()))
        return true;
    *error = QStringLiteral("choose: no option %1 of \"%2\"; %3").arg(words.at(2), words.at(1), onScreen());
    return false;
}

bool StepRunner::dialog(const QStringList &words, QString *error)
{
    // System dialogs are on top of everything; a toolkit dialog's buttons come next.
    const QString label = rest(words, 1);
    if (TestDriver::pressDialogButton(label))
        return true;
    if (!Dialog::openDialogs().isEmpty() && TestDriver::clickButton(Dialog::openDialogs().last(), label))
        return true;
    *error = QStringLiteral("dialog: no dialog button \"%1\"; %2").arg(label, onScreen());
    return false;
}

bool StepRunner::back(QString *error)
{
    if (TestDriver::pressBack(m_root))
        return true;
    *error = QStringLiteral("back: there is nothing to go back from; %1").arg(onScreen());
    return false;
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
    // delivered events (a queued reply that changes nothing does not keep us waiting).
    const int quietRounds = 5;
    QElapsedTimer timer;
    timer.start();
    QString last;
    int quiet = 0;
    while (timer.elapsed() < timeoutMs) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QCoreApplication::sendPostedEvents();
        const QString now = m_root ? ScreenText::render(m_root) : QString();
        const bool workers = QThreadPool::globalInstance()->activeThreadCount() > 0;
        quiet = (now == last && !workers) ? quiet + 1 : 0;
        last = now;
        if (quiet >= quietRounds)
            return true;
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 20);
    }
    return false;
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
