#include <hx/device/simulateddevice.h>
#include <hx/device/vkbeventhandler.h>
#include <hx/trellan/actionitem.h>
#include <hx/trellan/button.h>
#include <hx/trellan/focusrequester.h>
#include <hx/trellan/textarea.h>
#include <hx/trellan/textfield.h>
#include <hx/trellan/virtualkeyboard.h>

#include <QtTest/QtTest>

using namespace hx::trellan;
using hx::device::SimulatedDevice;
using hx::device::VKBEventHandler;

class tst_FocusRequester : public QObject
{
    Q_OBJECT
private slots:
    void cleanup();
    void oneFocusForControlsAndActions_data();
    void oneFocusForControlsAndActions();
    void deletedHolderLeavesNoFocus();
    void keyboardFollowsTheFocus_data();
    void keyboardFollowsTheFocus();
    void textAreaCommitsWhenItLosesTheFocus_data();
    void textAreaCommitsWhenItLosesTheFocus();
};

void tst_FocusRequester::cleanup()
{
    FocusRequester::clearFocus();
    SimulatedDevice::reset();
}

void tst_FocusRequester::oneFocusForControlsAndActions_data()
{
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");

    QTest::newRow("a field, then another field") << "field"
                                                 << "other field";
    QTest::newRow("a field, then an action") << "field"
                                             << "action";
    QTest::newRow("an action, then a button") << "action"
                                              << "button";
    QTest::newRow("an action, then another action") << "action"
                                                    << "other action";
}

void tst_FocusRequester::oneFocusForControlsAndActions()
{
    QFETCH(QString, first);
    QFETCH(QString, second);

    TextField field;
    TextField otherField;
    Button button;
    ActionItem action;
    ActionItem otherAction;
    const QHash<QString, QObject *> holders { { "field", &field },
                                              { "other field", &otherField },
                                              { "button", &button },
                                              { "action", &action },
                                              { "other action", &otherAction } };
    auto give = [](QObject *holder) {
        if (auto *control = qobject_cast<Control *>(holder))
            control->requestFocus();
        else
            qobject_cast<ActionItem *>(holder)->requestFocus();
    };
    QObject *before = holders.value(first);
    QObject *after = holders.value(second);
    QSignalSpy lost(before, SIGNAL(focusedChanged(bool)));

    give(before);
    QCOMPARE(FocusRequester::focused(), before);
    QVERIFY(before->property("focused").toBool());
    give(after);

    QCOMPARE(FocusRequester::focused(), after);
    QVERIFY(after->property("focused").toBool());
    QVERIFY(!before->property("focused").toBool());
    QCOMPARE(lost.count(), 2);
    QCOMPARE(lost.last().first().toBool(), false);
    QCOMPARE(FocusRequester::focusedAction(), qobject_cast<ActionItem *>(after));
    QCOMPARE(FocusRequester::focusedControl(), qobject_cast<Control *>(after));
}

void tst_FocusRequester::deletedHolderLeavesNoFocus()
{
    auto *field = new TextField;
    field->requestFocus();
    delete field;
    QCOMPARE(FocusRequester::focused(), nullptr);
    auto *action = new ActionItem;
    action->requestFocus();
    delete action;
    QCOMPARE(FocusRequester::focused(), nullptr);
}

void tst_FocusRequester::keyboardFollowsTheFocus_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<bool>("physicalKeyboard");
    QTest::addColumn<bool>("shown");

    QTest::newRow("a text field on a touch-only device") << "field" << false << true;
    QTest::newRow("a text field on a device with a keyboard") << "field" << true << false;
    QTest::newRow("an editable text area") << "area" << false << true;
    QTest::newRow("a read-only text area") << "read-only area" << false << false;
    QTest::newRow("a disabled text field") << "disabled field" << false << false;
    QTest::newRow("a button") << "button" << false << false;
}

void tst_FocusRequester::keyboardFollowsTheFocus()
{
    QFETCH(QString, control);
    QFETCH(bool, physicalKeyboard);
    QFETCH(bool, shown);

    SimulatedDevice::setPhysicalKeyboard(physicalKeyboard);
    QScopedPointer<Control> focusable;
    if (control.endsWith(QLatin1String("area"))) {
        auto *area = new TextArea;
        area->setEditable(!control.startsWith(QLatin1String("read-only")));
        focusable.reset(area);
    } else if (control.endsWith(QLatin1String("field"))) {
        focusable.reset(new TextField);
        focusable->setEnabled(!control.startsWith(QLatin1String("disabled")));
    } else {
        focusable.reset(new Button);
    }
    VKBEventHandler keyboard;
    QSignalSpy changes(&keyboard, &VKBEventHandler::virtualKeyboardDisplayChange);

    focusable->requestFocus();
    QCOMPARE(VirtualKeyboard::isShown(), shown);
    focusable->loseFocus();
    QVERIFY(!VirtualKeyboard::isShown());

    if (!shown) {
        QCOMPARE(changes.count(), 0);
        return;
    }
    QCOMPARE(changes.count(), 2);
    QCOMPARE(changes.at(0).first().toBool(), true);
    QCOMPARE(changes.at(1).first().toBool(), false);
}

void tst_FocusRequester::textAreaCommitsWhenItLosesTheFocus_data()
{
    QTest::addColumn<QString>("initial");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("commits");

    QTest::newRow("typing into an empty area commits once") << ""
                                                            << "quiet street" << QStringList { "quiet street" };
    QTest::newRow("typing adds to the text") << "Near "
                                             << "the park" << QStringList { "Near the park" };
    QTest::newRow("nothing typed commits nothing") << "as it was"
                                                   << "" << QStringList();
}

void tst_FocusRequester::textAreaCommitsWhenItLosesTheFocus()
{
    QFETCH(QString, initial);
    QFETCH(QString, typed);
    QFETCH(QStringList, commits);

    TextArea area(initial);
    QSignalSpy changing(&area, &TextArea::textChanging);
    QSignalSpy changed(&area, &TextArea::textChanged);
    area.typeText(typed);
    QCOMPARE(changing.count(), typed.size());
    QCOMPARE(changed.count(), 0);
    QVERIFY(area.isFocused());

    TextField next;
    next.requestFocus();

    QStringList seen;
    for (const QList<QVariant> &arguments : qAsConst(changed))
        seen.append(arguments.first().toString());
    QCOMPARE(seen, commits);
    QCOMPARE(area.text(), initial + typed);
}

QTEST_MAIN(tst_FocusRequester)
#include "tst_focusrequester.moc"
