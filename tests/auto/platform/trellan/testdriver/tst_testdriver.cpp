#include <hx/trellan/actionitem.h>
#include <hx/trellan/actionset.h>
#include <hx/trellan/button.h>
#include <hx/trellan/container.h>
#include <hx/trellan/dropdown.h>
#include <hx/trellan/enums.h>
#include <hx/trellan/label.h>
#include <hx/trellan/page.h>
#include <hx/trellan/sheet.h>
#include <hx/trellan/taphandler.h>
#include <hx/trellan/testdriver.h>
#include <hx/trellan/textfield.h>
#include <hx/trellan/validator.h>

#include <QtTest/QtTest>

using namespace hx::trellan;

class tst_TestDriver : public QObject
{
    Q_OBJECT
private slots:
    void typingEmitsTextChangingPerKeystroke();
    void submittingCommitsOnce();
    void disabledOrHiddenControlsRefuseInput_data();
    void disabledOrHiddenControlsRefuseInput();
    void actionsAreFoundByTitleOrName();
    void tapsReachTapHandlers();
    void chooseOptionSelectsAndNotifies();
    void controlsInAnOpenSheetAreFound();
};

static Page *screen()
{
    auto *page = new Page;
    auto *root = new Container;
    auto *field = new TextField;
    field->setObjectName(QStringLiteral("SearchField"));
    root->add(field);
    auto *button = new Button(QStringLiteral("Cancel"));
    button->setObjectName(QStringLiteral("CancelPickerButton"));
    root->add(button);
    auto *dropDown = new DropDown;
    dropDown->setObjectName(QStringLiteral("FilterDropDown"));
    dropDown->add(new Option(QStringLiteral("All"), 0));
    dropDown->add(new Option(QStringLiteral("Recents"), 1));
    root->add(dropDown);
    page->setContent(root);
    auto *save = new ActionItem;
    save->setObjectName(QStringLiteral("SaveEditAction"));
    save->setTitle(QStringLiteral("Save"));
    page->addAction(save);
    return page;
}

void tst_TestDriver::typingEmitsTextChangingPerKeystroke()
{
    QScopedPointer<Page> page(screen());
    auto *field = TestDriver::find<TextField>(page.data(), QStringLiteral("SearchField"));
    QSignalSpy changing(field, &TextField::textChanging);
    QSignalSpy changed(field, &TextField::textChanged);
    QVERIFY(TestDriver::typeText(page.data(), QStringLiteral("SearchField"), QStringLiteral("caf")));
    QCOMPARE(changing.count(), 3);
    QCOMPARE(changing.at(0).at(0).toString(), QStringLiteral("c"));
    QCOMPARE(changing.at(2).at(0).toString(), QStringLiteral("caf"));
    QCOMPARE(changed.count(), 0);
    QVERIFY(field->isFocused());
    QVERIFY(TestDriver::eraseText(page.data(), QStringLiteral("SearchField"), 1));
    QCOMPARE(changing.last().at(0).toString(), QStringLiteral("ca"));
    QVERIFY(TestDriver::replaceText(page.data(), QStringLiteral("SearchField"), QStringLiteral("x")));
    QCOMPARE(changing.at(changing.count() - 2).at(0).toString(), QString());
    QCOMPARE(field->text(), QStringLiteral("x"));
}

void tst_TestDriver::submittingCommitsOnce()
{
    QScopedPointer<Page> page(screen());
    auto *field = TestDriver::find<TextField>(page.data(), QStringLiteral("SearchField"));
    auto *validator = new Validator;
    validator->setMode(ValidationMode::FocusLost);
    field->setValidator(validator);
    QSignalSpy changed(field, &TextField::textChanged);
    QSignalSpy submitted(field, &TextField::submitted);
    QSignalSpy validate(validator, &Validator::validate);
    TestDriver::typeText(page.data(), QStringLiteral("SearchField"), QStringLiteral("home"));
    QVERIFY(TestDriver::submit(page.data(), QStringLiteral("SearchField")));
    QVERIFY(TestDriver::submit(page.data(), QStringLiteral("SearchField")));
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.at(0).at(0).toString(), QStringLiteral("home"));
    QCOMPARE(submitted.count(), 2);
    QCOMPARE(validate.count(), 1);
    // Programmatic text with signals blocked tells nobody.
    {
        const QSignalBlocker blocker(field);
        field->setText(QStringLiteral("quiet"));
    }
    QCOMPARE(changed.count(), 1);
}

void tst_TestDriver::disabledOrHiddenControlsRefuseInput_data()
{
    QTest::addColumn<bool>("disable");
    QTest::newRow("a disabled field and button") << true;
    QTest::newRow("a hidden parent container") << false;
}

void tst_TestDriver::disabledOrHiddenControlsRefuseInput()
{
    QFETCH(bool, disable);
    QScopedPointer<Page> page(screen());
    auto *field = TestDriver::find<TextField>(page.data(), QStringLiteral("SearchField"));
    auto *button = TestDriver::find<Button>(page.data(), QStringLiteral("CancelPickerButton"));
    if (disable) {
        field->setEnabled(false);
        button->setEnabled(false);
    } else {
        page->content()->setVisible(false);
    }
    QSignalSpy clicked(button, &Button::clicked);
    QVERIFY(!TestDriver::typeText(page.data(), QStringLiteral("SearchField"), QStringLiteral("a")));
    QVERIFY(!TestDriver::clickButton(page.data(), QStringLiteral("Cancel")));
    QCOMPARE(field->text(), QString());
    QCOMPARE(clicked.count(), 0);
    QVERIFY(!TestDriver::typeText(page.data(), QStringLiteral("NoSuchField"), QStringLiteral("a")));
}

void tst_TestDriver::actionsAreFoundByTitleOrName()
{
    QScopedPointer<Page> page(screen());
    auto *set = new ActionSet;
    auto *favorite = new ActionItem;
    favorite->setObjectName(QStringLiteral("FavoriteAction"));
    favorite->setTitle(QStringLiteral("Add to Favorites"));
    set->add(favorite);
    page->content()->addActionSet(set);
    QSignalSpy saved(page->findAction(QStringLiteral("SaveEditAction")), &ActionItem::triggered);
    QSignalSpy favored(favorite, &ActionItem::triggered);
    QVERIFY(TestDriver::triggerAction(page.data(), QStringLiteral("Save")));
    QVERIFY(TestDriver::triggerAction(page.data(), QStringLiteral("FavoriteAction")));
    QCOMPARE(saved.count(), 1);
    QCOMPARE(favored.count(), 1);
    favorite->setEnabled(false);
    QVERIFY(!TestDriver::triggerAction(page.data(), QStringLiteral("Add to Favorites")));
    QCOMPARE(favored.count(), 1);
}

void tst_TestDriver::tapsReachTapHandlers()
{
    QScopedPointer<Page> page(screen());
    auto *button = TestDriver::find<Button>(page.data(), QStringLiteral("CancelPickerButton"));
    auto *handler = new TapHandler;
    button->addGestureHandler(handler);
    QSignalSpy tapped(handler, &TapHandler::tapped);
    QSignalSpy touched(button, &Control::touch);
    QVERIFY(TestDriver::tap(page.data(), QStringLiteral("CancelPickerButton")));
    QCOMPARE(tapped.count(), 1);
    QCOMPARE(touched.count(), 2);
}

void tst_TestDriver::chooseOptionSelectsAndNotifies()
{
    QScopedPointer<Page> page(screen());
    auto *dropDown = TestDriver::find<DropDown>(page.data(), QStringLiteral("FilterDropDown"));
    QSignalSpy index(dropDown, &DropDown::selectedIndexChanged);
    QSignalSpy expanded(dropDown, &DropDown::expandedChanged);
    QVERIFY(TestDriver::chooseOption(page.data(), QStringLiteral("FilterDropDown"), 1));
    QCOMPARE(index.count(), 1);
    QCOMPARE(index.at(0).at(0).toInt(), 1);
    QCOMPARE(expanded.count(), 2);
    QCOMPARE(dropDown->selectedValue().toInt(), 1);
    QVERIFY(dropDown->at(1)->isSelected());
    QVERIFY(!TestDriver::chooseOption(page.data(), QStringLiteral("FilterDropDown"), 5));
    {
        const QSignalBlocker blocker(dropDown);
        dropDown->setSelectedIndex(0);
    }
    QCOMPARE(index.count(), 1);
    QCOMPARE(dropDown->selectedIndex(), 0);
}

void tst_TestDriver::controlsInAnOpenSheetAreFound()
{
    Page page;
    Sheet sheet;
    sheet.setContent(screen());
    QVERIFY(!TestDriver::find(&page, QStringLiteral("SearchField")));
    sheet.open();
    QVERIFY(TestDriver::typeText(&page, QStringLiteral("SearchField"), QStringLiteral("a")));
    sheet.close();
}

QTEST_MAIN(tst_TestDriver)
#include "tst_testdriver.moc"
