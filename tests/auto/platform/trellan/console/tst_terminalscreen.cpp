#include <hx/system/systemdialog.h>
#include <hx/system/systemui.h>
#include <hx/trellan/actionitem.h>
#include <hx/trellan/actionset.h>
#include <hx/trellan/arraydatamodel.h>
#include <hx/trellan/button.h>
#include <hx/trellan/console/steprunner.h>
#include <hx/trellan/console/stepscript.h>
#include <hx/trellan/console/terminalscreen.h>
#include <hx/trellan/console/terminalsession.h>
#include <hx/trellan/container.h>
#include <hx/trellan/customlistitem.h>
#include <hx/trellan/dialog.h>
#include <hx/trellan/label.h>
#include <hx/trellan/listitemprovider.h>
#include <hx/trellan/listview.h>
#include <hx/trellan/navigationpane.h>
#include <hx/trellan/page.h>
#include <hx/trellan/screentext.h>
#include <hx/trellan/sheet.h>
#include <hx/trellan/testdriver.h>
#include <hx/trellan/textfield.h>
#include <hx/trellan/titlebar.h>

#include <QtTest/QtTest>

#include <QtCore/QTimer>

#include <cstdio>

#include "pseudoterminal.h"

using namespace hx::trellan;

namespace {
const char HostArgument[] = "--host";

// Rows of a fruit name, a star button and a context menu; the star says what it did on the
// screen's Starred label, the menu on its Picked label.
class FruitRows : public ListItemProvider
{
public:
    FruitRows(Label *picked, Label *starred) : m_picked(picked), m_starred(starred) { }

    Control *createItem(ListView *, const QString &) override
    {
        auto *item = new CustomListItem;
        auto *content = new Container;
        auto *name = new Label;
        name->setObjectName(QStringLiteral("FruitName"));
        auto *star = new Button(QStringLiteral("*"));
        star->setObjectName(QStringLiteral("Star"));
        content->add(name);
        content->add(star);
        item->setContent(content);
        Label *picked = m_picked;
        Label *starred = m_starred;
        QObject::connect(star, &Button::clicked, starred,
                         [starred, name] { starred->setText(QStringLiteral("Starred ") + name->text()); });
        auto *menu = new ActionSet;
        auto *eat = new ActionItem;
        eat->setTitle(QStringLiteral("Eat"));
        QObject::connect(eat, &ActionItem::triggered, picked,
                         [picked, name] { picked->setText(QStringLiteral("Ate ") + name->text()); });
        menu->add(eat);
        item->addActionSet(menu);
        return item;
    }
    void updateItem(ListView *, Control *item, const QString &, const QVariantList &, const QVariant &data) override
    {
        item->findChild<Label *>(QStringLiteral("FruitName"))->setText(data.toString());
    }

private:
    Label *m_picked;
    Label *m_starred;
};

// A screen with one of each: a field whose text is echoed, a button that asks a system
// question, a list longer than a terminal, an action.
class Greeter : public Page
{
public:
    Greeter()
    {
        auto *bar = new TitleBar;
        bar->setTitle(QStringLiteral("Greeter"));
        setTitleBar(bar);
        auto *content = new Container;
        auto *name = new TextField;
        name->setObjectName(QStringLiteral("Name"));
        name->setHintText(QStringLiteral("Your name"));
        auto *greeting = new Label;
        greeting->setObjectName(QStringLiteral("Greeting"));
        connect(name, &TextField::textChanging, greeting,
                [greeting](const QString &text) { greeting->setText(QStringLiteral("Hello, ") + text); });
        auto *ask = new Button(QStringLiteral("Ask"));
        ask->setObjectName(QStringLiteral("Ask"));
        auto *answer = new Label;
        answer->setObjectName(QStringLiteral("Answer"));
        connect(ask, &Button::clicked, answer, [answer] {
            auto *dialog = new hx::system::SystemDialog(QStringLiteral("Yes"), QStringLiteral("No"));
            dialog->setTitle(QStringLiteral("Question"));
            dialog->setBody(QStringLiteral("Really?"));
            QObject::connect(dialog, &hx::system::SystemDialog::finished, answer,
                             [answer, dialog](hx::system::SystemUiResult::Type result) {
                                 answer->setText(result == hx::system::SystemUiResult::ConfirmButtonSelection
                                                     ? QStringLiteral("Answer: Yes")
                                                     : QStringLiteral("Answer: No"));
                                 dialog->deleteLater();
                             });
            dialog->show();
        });
        for (int i = 1; i <= 40; ++i)
            m_model.append(QStringLiteral("Fruit %1").arg(i, 2, 10, QLatin1Char('0')));
        auto *picked = new Label;
        picked->setObjectName(QStringLiteral("Picked"));
        auto *starred = new Label;
        starred->setObjectName(QStringLiteral("Starred"));
        m_rows.reset(new FruitRows(picked, starred));
        auto *list = new ListView;
        list->setObjectName(QStringLiteral("Fruits"));
        list->setListItemProvider(m_rows.data());
        list->setDataModel(&m_model);
        connect(list, &ListView::triggered, picked, [this, picked](const QVariantList &indexPath) {
            picked->setText(QStringLiteral("Picked ") + m_model.data(indexPath).toString());
        });
        for (Control *control : QList<Control *> { name, greeting, ask, answer, picked, starred, list })
            content->add(control);
        setContent(content);
        auto *clear = new ActionItem;
        clear->setTitle(QStringLiteral("Clear"));
        connect(clear, &ActionItem::triggered, name, [name] { name->replaceText(QString()); });
        addAction(clear);
    }

private:
    ArrayDataModel m_model;
    QScopedPointer<FruitRows> m_rows;
};

// The screen on this terminal until the user leaves; then its text goes to standard output.
int host(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    Greeter greeter;
    QString message;
    hx::trellan::console::TerminalScreen terminal(&greeter);
    const int code = terminal.run(&message);
    std::printf("%s\n%s\n", qPrintable(message), qPrintable(ScreenText::render(&greeter)));
    return code;
}

using Result = hx::test::PseudoTerminal::Run;

// Sends each step's keys once the terminal showed its text.
Result runOnTerminal(const QList<QPair<QByteArray, QByteArray>> &steps)
{
    return hx::test::PseudoTerminal::run(
        { QCoreApplication::applicationFilePath().toLocal8Bit(), QByteArray(HostArgument) }, steps);
}

const QByteArray Down("\x1bOB");
const QByteArray PageDown("\x1b[6~");
const QByteArray Tab("\t");
const QByteArray ControlC("\x03");
} // namespace

class tst_TerminalScreen : public QObject
{
    Q_OBJECT
private slots:
    void whatAScreenDefersOnceShownIsWaitedFor();
    void typeMoveTapAndAnswer();
    void dialogAnswers_data();
    void dialogAnswers();
    void longListScrollsWithTheHighlightAndSurvivesAResize();
    void actionsAreReachedWithTab();
    void contextMenuOfTheHighlightedRow_data();
    void contextMenuOfTheHighlightedRow();
    void stepsDriveTheScreen_data();
    void stepsDriveTheScreen();
    void stepsThatCannotBeDoneSayWhy_data();
    void stepsThatCannotBeDoneSayWhy();
    void dialogStepPressesTheToolkitDialog();
    void scriptAnswersAQuestionAnEarlierStepWaitsOn_data();
    void scriptAnswersAQuestionAnEarlierStepWaitsOn();
    void rightToLeftWordsAreDrawnAsTheyAreRead_data();
    void rightToLeftWordsAreDrawnAsTheyAreRead();
};

void tst_TerminalScreen::rightToLeftWordsAreDrawnAsTheyAreRead_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("drawn");
    QTest::newRow("left-to-right text as it is") << "| Vienna (Wien) |" << "| Vienna (Wien) |";
    QTest::newRow("a Hebrew name beside a Latin one")
        << QStringLiteral("| Haifa (חיפה) | 12 km |") << QStringLiteral("| Haifa (הפיח) | 12 km |");
    QTest::newRow("a number after a Hebrew word stays a number")
        << QStringLiteral("ירושלים 2026") << QStringLiteral("2026 םילשורי");
}

void tst_TerminalScreen::rightToLeftWordsAreDrawnAsTheyAreRead()
{
    QFETCH(QString, line);
    QFETCH(QString, drawn);
    QCOMPARE(console::TerminalSession::visualOrder(line), drawn);
}

void tst_TerminalScreen::typeMoveTapAndAnswer()
{
    // Keys type into the first field while nothing else is highlighted; Down reaches the
    // button; its dialog's numbered buttons answer it.
    const Result result = runOnTerminal(
        { { "Greeter", "Ada" }, { "Hello, Ada", Down }, { "Ask", "\r" }, { "Really?", "1" }, { "Answer:", ControlC } });
    QCOMPARE(result.code, 0);
    QVERIFY2(result.out.contains("TextField \"Name\": [Ada]"), result.out);
    QVERIFY2(result.out.contains("Label \"Answer\": Answer: No"), result.out);
}

void tst_TerminalScreen::dialogAnswers_data()
{
    QTest::addColumn<QByteArray>("keys");
    QTest::addColumn<QByteArray>("answer");
    QTest::newRow("a new dialog starts on its confirming button") << QByteArray("\r") << QByteArray("Answer: Yes");
    QTest::newRow("Left moves to the other button") << QByteArray("\x1bOD\r") << QByteArray("Answer: No");
    QTest::newRow("Esc cancels") << QByteArray("\x1b") << QByteArray("Answer: No");
    QTest::newRow("the second numbered button") << QByteArray("2") << QByteArray("Answer: Yes");
}

void tst_TerminalScreen::dialogAnswers()
{
    QFETCH(QByteArray, keys);
    QFETCH(QByteArray, answer);
    const Result result
        = runOnTerminal({ { "Greeter", Down }, { "Ask", "\r" }, { "Really?", keys }, { "Answer:", ControlC } });
    QCOMPARE(result.code, 0);
    QVERIFY2(result.out.contains("Label \"Answer\": " + answer), result.out);
}

void tst_TerminalScreen::longListScrollsWithTheHighlightAndSurvivesAResize()
{
    // Field, button, then the rows: three pages down is row 31, far below a 24-line terminal.
    // The title moves to the middle of the wider terminal once the resize is handled.
    const Result result = runOnTerminal({ { "Greeter", Down + Down + PageDown + PageDown },
                                          { "", QByteArray(hx::test::PseudoTerminal::ResizeStep) + "100x30" },
                                          { "Greeter", PageDown + "\r" + ControlC } });
    QCOMPARE(result.code, 0);
    QVERIFY2(result.out.contains("Label \"Picked\": Picked Fruit 31"), result.out);
}

void tst_TerminalScreen::actionsAreReachedWithTab()
{
    // Keys are handled in order, so Ctrl-C comes after the action ran.
    const Result result = runOnTerminal({ { "Greeter", "Bo" }, { "Hello, Bo", Tab + "\r" + ControlC } });
    QCOMPARE(result.code, 0);
    QVERIFY2(result.out.contains("TextField \"Name\": []"), result.out);
}

void tst_TerminalScreen::contextMenuOfTheHighlightedRow_data()
{
    QTest::addColumn<QByteArray>("keys");
    QTest::addColumn<QByteArray>("shown");
    // The menu is the toolkit's own, so the screen text shows it while it is open.
    QTest::newRow("F2 opens the menu the screen text shows")
        << QByteArray() << QByteArray("ContextMenu of CustomListItem:\n  Eat");
    QTest::newRow("Enter does its only action") << QByteArray("\r") << QByteArray("Label \"Picked\": Ate Fruit 02");
    QTest::newRow("Esc closes it and the highlight is back on the row")
        << QByteArray("\x1b\r") << QByteArray("Label \"Picked\": Picked Fruit 02");
}

void tst_TerminalScreen::contextMenuOfTheHighlightedRow()
{
    QFETCH(QByteArray, keys);
    QFETCH(QByteArray, shown);
    const Result result = runOnTerminal({ { "Greeter", Down + Down + Down + "\x1bOQ" }, { "Eat", keys + ControlC } });
    QCOMPARE(result.code, 0);
    QVERIFY2(result.out.contains(shown), result.out);
}

void tst_TerminalScreen::stepsDriveTheScreen_data()
{
    QTest::addColumn<QList<QStringList>>("steps");
    QTest::addColumn<QString>("shown");
    QTest::newRow("a row counted from 1")
        << QList<QStringList> { { "tap-row", "Fruits", "3" } } << QStringLiteral("Label \"Picked\": Picked Fruit 03");
    QTest::newRow("a part of a row: its button, then the row")
        << QList<QStringList> { { "tap-part", "Fruits", "2", "Star" } }
        << QStringLiteral("Label \"Picked\": Picked Fruit 02\n  Label \"Starred\": Starred Fruit 02");
    QTest::newRow("an action of a row's menu")
        << QList<QStringList> { { "menu", "Fruits", "4", "Eat" } } << QStringLiteral("Label \"Picked\": Ate Fruit 04");
    QTest::newRow("text typed with a blank, then erased")
        << QList<QStringList> { { "type", "Name", "Ada", "L" }, { "erase", "Name", "2" } }
        << QStringLiteral("Label \"Greeting\": Hello, Ada");
    QTest::newRow("an action by its title") << QList<QStringList> { { "type", "Name", "Bo" }, { "action", "Clear" } }
                                            << QStringLiteral("TextField \"Name\": []");
    QTest::newRow("the nth row holding a part")
        << QList<QStringList> { { "tap-nth", "Fruits", "5", "Star" } }
        << QStringLiteral("Label \"Picked\": Picked Fruit 05\n  Label \"Starred\": Starred Fruit 05");
}

void tst_TerminalScreen::stepsDriveTheScreen()
{
    QFETCH(QList<QStringList>, steps);
    QFETCH(QString, shown);
    Greeter greeter;
    hx::trellan::console::StepRunner runner(&greeter);
    for (const QStringList &step : steps) {
        QString error;
        QVERIFY2(runner.run(step, &error), qPrintable(error));
        QVERIFY(runner.waitUntilIdle(5000));
    }
    const QString screen = ScreenText::render(&greeter);
    QVERIFY2(screen.contains(shown), qPrintable(screen));
}

// The Greeter with something over it or beside it, as a step may meet it.
class Cover
{
public:
    enum Kind { Nothing, PushedPage, ClosedSheet, OpenDialog, OpenMenu };

    Cover(Kind kind) : m_greeter(new Greeter)
    {
        m_root = m_greeter;
        if (kind == PushedPage) {
            m_pane.reset(new NavigationPane);
            m_pane->push(m_greeter);
            auto *details = new Page;
            details->setObjectName(QStringLiteral("Details"));
            m_pane->push(details);
            m_root = m_pane.data();
        } else if (kind == ClosedSheet) {
            auto *sheet = new Sheet(m_greeter);
            sheet->setObjectName(QStringLiteral("Notes"));
            auto *page = new Page;
            auto *note = new TextField;
            note->setObjectName(QStringLiteral("Note"));
            page->setContent(note);
            sheet->setContent(page);
            sheet->open();
            sheet->close();
        } else if (kind == OpenDialog) {
            auto *dialog = new Dialog(m_greeter);
            dialog->setObjectName(QStringLiteral("Confirm"));
            auto *ok = new Button(QStringLiteral("OK"));
            QObject::connect(ok, &Button::clicked, dialog, &Dialog::close);
            dialog->setContent(ok);
            dialog->open();
        } else if (kind == OpenMenu) {
            TestDriver::openRowContextMenu(m_greeter, QStringLiteral("Fruits"), { 1 });
        }
        if (!m_pane)
            m_owned.reset(m_greeter);
    }
    ~Cover() { TestDriver::closeContextMenu(); }

    QObject *root() const { return m_root; }
    Greeter *greeter() const { return m_greeter; }

private:
    Greeter *m_greeter;
    QScopedPointer<Greeter> m_owned;
    QScopedPointer<NavigationPane> m_pane;
    QObject *m_root;
};
Q_DECLARE_METATYPE(Cover::Kind)

void tst_TerminalScreen::stepsThatCannotBeDoneSayWhy_data()
{
    QTest::addColumn<Cover::Kind>("cover");
    QTest::addColumn<QStringList>("step");
    QTest::addColumn<QString>("message");
    QTest::newRow("a part the row does not have")
        << Cover::Nothing << QStringList { "tap-part", "Fruits", "2", "Moon" }
        << QStringLiteral("tap-part: row [1] of ListView \"Fruits\" has no part named \"Moon\"");
    QTest::newRow("an action the menu does not have") << Cover::Nothing << QStringList { "menu", "Fruits", "2", "Sell" }
                                                      << QStringLiteral("has no \"Sell\", only Eat");
    QTest::newRow("no row holds the part") << Cover::Nothing << QStringList { "tap-nth", "Fruits", "1", "Moon" }
                                           << QStringLiteral("shows 0 rows with a part named \"Moon\", not 1");
    QTest::newRow("the nth row of a covered page")
        << Cover::PushedPage << QStringList { "tap-nth", "Fruits", "1", "Star" }
        << QStringLiteral("covered by Page \"Details\"");
    QTest::newRow("a row past the list's end")
        << Cover::Nothing << QStringList { "tap-row", "Fruits", "99" } << QStringLiteral("no row 99");
    QTest::newRow("a field that is not there") << Cover::Nothing << QStringList { "type", "Age", "9" }
                                               << QStringLiteral("type: nothing named \"Age\" is on screen; on "
                                                                 "screen: fields Name; buttons Ask");
    QTest::newRow("a field of a covered page")
        << Cover::PushedPage << QStringList { "type", "Name", "9" }
        << QStringLiteral("type: TextField \"Name\" is on Page, covered by Page \"Details\"");
    QTest::newRow("a row of a covered page") << Cover::PushedPage << QStringList { "tap-row", "Fruits", "1" }
                                             << QStringLiteral("covered by Page \"Details\"");
    QTest::newRow("a field of a closed sheet")
        << Cover::ClosedSheet << QStringList { "type", "Note", "9" }
        << QStringLiteral("TextField \"Note\" is in Sheet \"Notes\", which is not open");
    QTest::newRow("a field behind a dialog")
        << Cover::OpenDialog << QStringList { "type", "Name", "9" }
        << QStringLiteral("TextField \"Name\" is covered by Dialog \"Confirm\"; on screen: buttons OK");
    QTest::newRow("a row's part behind a dialog")
        << Cover::OpenDialog << QStringList { "tap-part", "Fruits", "2", "Star" }
        << QStringLiteral("covered by Dialog \"Confirm\"");
    QTest::newRow("a page's button is no dialog button")
        << Cover::OpenDialog << QStringList { "dialog", "Ask" } << QStringLiteral("covered by Dialog \"Confirm\"");
    QTest::newRow("no dialog at all") << Cover::Nothing << QStringList { "dialog", "OK" }
                                      << QStringLiteral("no system dialog or toast shows a button \"OK\"");
    QTest::newRow("a button under an open context menu")
        << Cover::OpenMenu << QStringList { "tap", "Ask" } << QStringLiteral("covered by the context menu of");
}

void tst_TerminalScreen::stepsThatCannotBeDoneSayWhy()
{
    QFETCH(Cover::Kind, cover);
    QFETCH(QStringList, step);
    QFETCH(QString, message);
    const Cover screen(cover);
    hx::trellan::console::StepRunner runner(screen.root());
    QString error;
    QVERIFY(!runner.run(step, &error));
    QVERIFY2(error.contains(message), qPrintable(error));
}

void tst_TerminalScreen::dialogStepPressesTheToolkitDialog()
{
    const Cover screen(Cover::OpenDialog);
    hx::trellan::console::StepRunner runner(screen.root());
    QString error;
    QVERIFY2(runner.run({ "dialog", "OK" }, &error), qPrintable(error));
    QVERIFY(Dialog::openDialogs().isEmpty());
    // The page is on top again.
    QVERIFY2(runner.run({ "type", "Name", "Ada" }, &error), qPrintable(error));
}

void tst_TerminalScreen::whatAScreenDefersOnceShownIsWaitedFor()
{
    Greeter greeter;
    auto *greeting = greeter.findChild<Label *>(QStringLiteral("Greeting"));
    QVERIFY(greeting);
    // As a page that starts its list a few milliseconds after it is shown.
    QTimer::singleShot(5, greeting, [greeting] { greeting->setText(QStringLiteral("Hello, later")); });
    hx::trellan::console::StepRunner runner(&greeter);
    QVERIFY(runner.waitUntilIdle(5000));
    QVERIFY2(ScreenText::render(&greeter).contains(QLatin1String("Hello, later")),
             qPrintable(ScreenText::render(&greeter)));
}

// A page whose button asks a system question and waits for the answer (exec), as a pick
// waits on "continue without a position?".
class Asker : public Page
{
public:
    Asker()
    {
        auto *content = new Container;
        auto *ask = new Button(QStringLiteral("Ask"));
        ask->setObjectName(QStringLiteral("Ask"));
        auto *answer = new Label;
        answer->setObjectName(QStringLiteral("Answer"));
        connect(ask, &Button::clicked, answer, [answer] {
            hx::system::SystemDialog dialog(QStringLiteral("Yes"), QStringLiteral("No"));
            dialog.setTitle(QStringLiteral("Question"));
            dialog.setBody(QStringLiteral("Really?"));
            const hx::system::SystemUiResult::Type result = dialog.exec();
            answer->setText(result == hx::system::SystemUiResult::ConfirmButtonSelection ? QStringLiteral("Said yes")
                                                                                         : QStringLiteral("Said no"));
        });
        content->add(ask);
        content->add(answer);
        setContent(content);
    }
};

void tst_TerminalScreen::scriptAnswersAQuestionAnEarlierStepWaitsOn_data()
{
    QTest::addColumn<QList<QStringList>>("steps");
    QTest::addColumn<bool>("succeeded");
    QTest::addColumn<QString>("shown");
    QTest::newRow("the answer, as the next step")
        << QList<QStringList> { { "tap", "Ask" }, { "dialog", "Yes" } } << true << QStringLiteral("Said yes");
    QTest::newRow("the answer after a wait")
        << QList<QStringList> { { "tap", "Ask" }, { "wait", "50" }, { "dialog", "No" } } << true
        << QStringLiteral("Said no");
    QTest::newRow("a button that never comes")
        << QList<QStringList> { { "tap", "Ask" }, { "dialog", "Maybe" } } << false << QStringLiteral("Said no");
}

void tst_TerminalScreen::scriptAnswersAQuestionAnEarlierStepWaitsOn()
{
    QFETCH(QList<QStringList>, steps);
    QFETCH(bool, succeeded);
    QFETCH(QString, shown);
    Asker asker;
    hx::trellan::console::StepScript script(&asker, steps);
    QSignalSpy finished(&script, &hx::trellan::console::StepScript::finished);
    // The question a failed script leaves open still waits below this test's loop: leave it
    // as a card does, with Cancel.
    connect(&script, &hx::trellan::console::StepScript::finished, this, [](bool done) {
        if (!done)
            hx::system::SystemUi::pressButton(hx::system::SystemUiResult::CancelButtonSelection);
    });
    script.start();
    QVERIFY(finished.wait(10000));
    QCOMPARE(finished.first().first().toBool(), succeeded);
    const QString screen = ScreenText::render(&asker);
    QVERIFY2(screen.contains(shown), qPrintable(screen + script.error()));
    if (!succeeded)
        QVERIFY2(script.error().contains(QLatin1String("step 2 (dialog Maybe)")), qPrintable(script.error()));
}

int main(int argc, char *argv[])
{
    if (argc > 1 && qstrcmp(argv[1], HostArgument) == 0)
        return host(argc, argv);
    QCoreApplication app(argc, argv);
    tst_TerminalScreen test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_terminalscreen.moc"
