#include <hx/device/simulateddevice.h>
#include <hx/system/systemdialog.h>
#include <hx/trellan/actionitem.h>
#include <hx/trellan/actionset.h>
#include <hx/trellan/arraydatamodel.h>
#include <hx/trellan/button.h>
#include <hx/trellan/container.h>
#include <hx/trellan/contextmenu.h>
#include <hx/trellan/customlistitem.h>
#include <hx/trellan/dialog.h>
#include <hx/trellan/dropdown.h>
#include <hx/trellan/enums.h>
#include <hx/trellan/imagebutton.h>
#include <hx/trellan/keylistener.h>
#include <hx/trellan/label.h>
#include <hx/trellan/listitemprovider.h>
#include <hx/trellan/listview.h>
#include <hx/trellan/navigationpane.h>
#include <hx/trellan/navigationpaneproperties.h>
#include <hx/trellan/page.h>
#include <hx/trellan/sheet.h>
#include <hx/trellan/taphandler.h>
#include <hx/trellan/testdriver.h>
#include <hx/trellan/textfield.h>
#include <hx/trellan/validator.h>

#include <QtTest/QtTest>

using namespace hx::trellan;

namespace {
// Place rows as the place lists build them: a title area and a more-details circle, each with
// its own tap handler, and a context menu of two actions. Everything a finger does is logged.
class PlaceRows : public ListItemProvider
{
public:
    QStringList *log = nullptr;

    Control *createItem(ListView *, const QString &) override
    {
        auto *root = new Container;
        root->setObjectName(QStringLiteral("ListItemContainer"));
        auto *info = new Container;
        info->setObjectName(QStringLiteral("InfoContainer"));
        auto *title = new Label;
        title->setObjectName(QStringLiteral("ItemTitle"));
        info->add(title);
        auto *more = new ImageButton;
        more->setObjectName(QStringLiteral("MoreInfoCircle"));
        root->add(info);
        root->add(more);
        watch(info, QStringLiteral("title tapped"));
        watch(more, QStringLiteral("info tapped"));
        QObject::connect(more, &ImageButton::clicked, more, [this] { log->append(QStringLiteral("info clicked")); });
        QObject::connect(root, &Control::touch, root, [this](TouchEvent *event) {
            log->append(QStringLiteral("touch %1 %2").arg(event->touchType()).arg(event->target()->objectName()));
        });
        auto *menu = new ActionSet;
        for (const char *name : { "FavoriteAction", "MapAction" }) {
            auto *action = new ActionItem;
            action->setObjectName(QLatin1String(name));
            action->setTitle(QLatin1String(name).chopped(6));
            QObject::connect(action, &ActionItem::triggered, action,
                             [this, action] { log->append(action->objectName() + QStringLiteral(" triggered")); });
            menu->add(action);
        }
        auto *item = new CustomListItem;
        item->setContent(root);
        item->addActionSet(menu);
        return item;
    }

    void updateItem(ListView *, Control *item, const QString &, const QVariantList &, const QVariant &data) override
    {
        item->findChild<Label *>(QStringLiteral("ItemTitle"))->setText(data.toString());
    }

private:
    void watch(Control *control, const QString &entry)
    {
        auto *handler = new TapHandler;
        control->addGestureHandler(handler);
        QObject::connect(handler, &TapHandler::tapped, handler, [this, entry] { log->append(entry); });
    }
};

// A phone screen with something at every depth: a navigation pane whose first page holds a
// search field, a list of places and a Save action; a sheet (child of that page) with its own
// field; a newer sheet; a dialog.
struct Phone
{
    QStringList log;
    ArrayDataModel model;
    PlaceRows rows;
    NavigationPane pane;
    Page *first = new Page;
    Container *body = new Container;
    TextField *field = new TextField;
    ListView *list = new ListView;
    Sheet *sheet = new Sheet;
    Sheet newer;
    Dialog dialog;

    Phone()
    {
        rows.log = &log;
        pane.setObjectName(QStringLiteral("Pane"));
        first->setObjectName(QStringLiteral("First"));
        body->setObjectName(QStringLiteral("Body"));
        field->setObjectName(QStringLiteral("SearchField"));
        list->setObjectName(QStringLiteral("Results"));
        list->setListItemProvider(&rows);
        model.append(QVariantList { "Waterloo", "Water Street", "Waterford" });
        list->setDataModel(&model);
        list->syncNow();
        QObject::connect(list, &ListView::triggered, list, [this](const QVariantList &path) {
            log.append(QStringLiteral("row %1 triggered").arg(path.value(0).toInt()));
        });
        body->add(field);
        body->add(list);
        first->setContent(body);
        auto *save = new ActionItem;
        save->setObjectName(QStringLiteral("SaveAction"));
        save->setTitle(QStringLiteral("Save"));
        QObject::connect(save, &ActionItem::triggered, save, [this] { log.append(QStringLiteral("saved")); });
        first->addAction(save);
        pane.push(first);

        sheet->setObjectName(QStringLiteral("Details"));
        sheet->setParent(first);
        auto *sheetPage = new Page;
        auto *sheetField = new TextField;
        sheetField->setObjectName(QStringLiteral("SheetField"));
        sheetPage->setContent(sheetField);
        sheet->setContent(sheetPage);
        newer.setObjectName(QStringLiteral("Newer"));
        newer.setContent(new Page);
        dialog.setObjectName(QStringLiteral("Confirm"));
        dialog.setContent(new Button(QStringLiteral("OK")));
    }

    ~Phone()
    {
        ContextMenu::close();
        sheet->close();
    }
};
} // namespace

class tst_TestDriver : public QObject
{
    Q_OBJECT
private slots:
    void typingEmitsTextChangingPerKeystroke();
    void submittingCommitsOnce();
    void pastingEmitsOneTextChanging();
    void disabledOrHiddenControlsRefuseInput_data();
    void disabledOrHiddenControlsRefuseInput();
    void actionsAreFoundByTitleOrName();
    void tapsReachTapHandlers();
    void chooseOptionSelectsAndNotifies();
    void controlsInAnOpenSheetAreFound();
    void onlyWhatIsOnScreenIsReached_data();
    void onlyWhatIsOnScreenIsReached();
    void backFollowsTheBackButtons_data();
    void backFollowsTheBackButtons();
    void tappingARowPartTouchesItThenTriggersTheRow_data();
    void tappingARowPartTouchesItThenTriggersTheRow();
    void tappingAWholeRowLandsOnItsTitle();
    void rowPartsThatCannotBeTapped_data();
    void rowPartsThatCannotBeTapped();
    void contextActionsOfARow_data();
    void contextActionsOfARow();
    void contextActionsNeedAnOpenMenu();
    void keysGoToTheFocusedFieldElseToAListener_data();
    void keysGoToTheFocusedFieldElseToAListener();
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

void tst_TestDriver::pastingEmitsOneTextChanging()
{
    QScopedPointer<Page> page(screen());
    auto *field = TestDriver::find<TextField>(page.data(), QStringLiteral("SearchField"));
    QSignalSpy changing(field, &TextField::textChanging);
    TestDriver::typeText(page.data(), QStringLiteral("SearchField"), QStringLiteral("a"));
    // An emoji stays whole, where typing would hand on half of it first.
    const QString pasted = QString(10000, QLatin1Char('x')) + QString::fromUtf8("\xF0\x9F\x98\x80");
    QVERIFY(TestDriver::pasteText(page.data(), QStringLiteral("SearchField"), pasted));
    QCOMPARE(changing.count(), 2);
    QCOMPARE(changing.last().at(0).toString(), QStringLiteral("a") + pasted);
    QVERIFY(field->isFocused());
    field->setEnabled(false);
    QVERIFY(!TestDriver::pasteText(page.data(), QStringLiteral("SearchField"), QStringLiteral("b")));
    QVERIFY2(TestDriver::lastError().contains(QLatin1String("disabled")), qPrintable(TestDriver::lastError()));
    QCOMPARE(changing.count(), 2);
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
    QVERIFY(TestDriver::openContextMenu(page.data(), QStringLiteral("SearchField")));
    QVERIFY(TestDriver::triggerAction(page.data(), QStringLiteral("FavoriteAction")));
    QVERIFY(!ContextMenu::isOpen());
    QCOMPARE(saved.count(), 1);
    QCOMPARE(favored.count(), 1);
    favorite->setEnabled(false);
    QVERIFY(TestDriver::openContextMenu(page.data(), QStringLiteral("SearchField")));
    QVERIFY(!TestDriver::triggerAction(page.data(), QStringLiteral("Add to Favorites")));
    QVERIFY2(TestDriver::lastError().contains(QLatin1String("is disabled")), qPrintable(TestDriver::lastError()));
    QCOMPARE(favored.count(), 1);
    TestDriver::closeContextMenu();
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

void tst_TestDriver::onlyWhatIsOnScreenIsReached_data()
{
    QTest::addColumn<QString>("cover");
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("why");

    QTest::newRow("the top page's field") << ""
                                          << "SearchField"
                                          << "";
    QTest::newRow("the top page's row") << ""
                                        << "Results"
                                        << "";
    QTest::newRow("the top page's action") << ""
                                           << "SaveAction"
                                           << "";
    QTest::newRow("a field on a page covered by a pushed page")
        << "push"
        << "SearchField"
        << "TextField \"SearchField\" is on Page \"First\", covered by Page \"Second\"";
    QTest::newRow("an action of a covered page")
        << "push"
        << "SaveAction"
        << "ActionItem \"SaveAction\" is on Page \"First\", covered by Page \"Second\"";
    QTest::newRow("a field of a page popped off")
        << "push and pop"
        << "SecondField"
        << "TextField \"SecondField\" is in Page \"Second\", which was popped off NavigationPane \"Pane\"";
    QTest::newRow("a field in a hidden container")
        << "hide"
        << "SearchField"
        << "TextField \"SearchField\" is in Container \"Body\", which is hidden";
    QTest::newRow("a field inside a closed sheet")
        << ""
        << "SheetField"
        << "TextField \"SheetField\" is in Sheet \"Details\", which is not open";
    QTest::newRow("the open sheet's field") << "sheet"
                                            << "SheetField"
                                            << "";
    QTest::newRow("a row behind an open sheet") << "sheet"
                                                << "Results"
                                                << "ListView \"Results\" is covered by Sheet \"Details\"";
    QTest::newRow("the older of two sheets") << "two sheets"
                                             << "SheetField"
                                             << "TextField \"SheetField\" is covered by Sheet \"Newer\"";
    QTest::newRow("an action behind an open dialog") << "dialog"
                                                     << "SaveAction"
                                                     << "ActionItem \"SaveAction\" is covered by Dialog \"Confirm\"";
    QTest::newRow("a sheet's field behind an open dialog")
        << "sheet and dialog"
        << "SheetField"
        << "TextField \"SheetField\" is covered by Dialog \"Confirm\"";
    QTest::newRow("a row behind an open context menu")
        << "menu"
        << "Results"
        << "ListView \"Results\" is covered by the context menu of CustomListItem";
    QTest::newRow("an action behind a system dialog")
        << "system dialog"
        << "SaveAction"
        << "ActionItem \"SaveAction\" is covered by SystemDialog \"Delete?\"";
}

void tst_TestDriver::onlyWhatIsOnScreenIsReached()
{
    QFETCH(QString, cover);
    QFETCH(QString, target);
    QFETCH(QString, why);

    Phone phone;
    hx::system::SystemDialog system(QStringLiteral("Delete"), QStringLiteral("Cancel"));
    system.setTitle(QStringLiteral("Delete?"));
    if (cover.startsWith(QLatin1String("push"))) {
        auto *second = new Page;
        second->setObjectName(QStringLiteral("Second"));
        auto *secondField = new TextField;
        secondField->setObjectName(QStringLiteral("SecondField"));
        second->setContent(secondField);
        phone.pane.push(second);
        if (cover.endsWith(QLatin1String("pop")))
            QCOMPARE(phone.pane.pop(), second);
    }
    if (cover == QLatin1String("hide"))
        phone.body->setVisible(false);
    if (cover.startsWith(QLatin1String("sheet")) || cover == QLatin1String("two sheets"))
        phone.sheet->open();
    if (cover == QLatin1String("two sheets"))
        phone.newer.open();
    if (cover.endsWith(QLatin1String("dialog")) && !cover.startsWith(QLatin1String("system")))
        phone.dialog.open();
    if (cover == QLatin1String("menu"))
        QVERIFY(TestDriver::openRowContextMenu(&phone.pane, QStringLiteral("Results"), { 0 }));
    if (cover == QLatin1String("system dialog"))
        system.show();

    QObject *object = TestDriver::find(&phone.pane, target);
    if (!object)
        object = phone.pane.findChild<QObject *>(target);
    QVERIFY(object);
    QCOMPARE(TestDriver::whyNotOnScreen(&phone.pane, object), why);
    QCOMPARE(TestDriver::isOnScreen(&phone.pane, object), why.isEmpty());

    bool reached = false;
    if (target == QLatin1String("Results"))
        reached = TestDriver::tapRow(&phone.pane, target, { 1 });
    else if (target == QLatin1String("SaveAction"))
        reached = TestDriver::triggerAction(&phone.pane, QStringLiteral("Save"));
    else
        reached = TestDriver::typeText(&phone.pane, target, QStringLiteral("x"));
    QCOMPARE(reached, why.isEmpty());
    if (!reached) {
        QCOMPARE(TestDriver::lastError(), why);
        QVERIFY2(phone.log.isEmpty(), qPrintable(phone.log.join(QLatin1Char(','))));
    }
    system.cancel();
}

void tst_TestDriver::backFollowsTheBackButtons_data()
{
    QTest::addColumn<bool>("buttonsVisible");
    QTest::addColumn<bool>("ownBackAction");
    QTest::addColumn<bool>("pressed");
    QTest::addColumn<int>("pagesAfter");
    QTest::addColumn<int>("backActions");

    QTest::newRow("a shown back button pops the page") << true << false << true << 1 << 0;
    QTest::newRow("hidden back buttons cannot be pressed") << false << false << false << 2 << 0;
    QTest::newRow("a page's own back action is triggered instead") << true << true << true << 2 << 1;
    QTest::newRow("a hidden own back action is not") << false << true << false << 2 << 0;
}

void tst_TestDriver::backFollowsTheBackButtons()
{
    QFETCH(bool, buttonsVisible);
    QFETCH(bool, ownBackAction);
    QFETCH(bool, pressed);
    QFETCH(int, pagesAfter);
    QFETCH(int, backActions);

    Phone phone;
    auto *second = new Page;
    auto *back = new ActionItem;
    back->setObjectName(QStringLiteral("BackAction"));
    QSignalSpy backTriggered(back, &ActionItem::triggered);
    if (ownBackAction) {
        auto *properties = new NavigationPaneProperties;
        properties->setBackButton(back);
        second->setPaneProperties(properties);
    } else {
        back->setParent(second);
    }
    phone.pane.push(second);
    phone.pane.setBackButtonsVisible(buttonsVisible);

    QCOMPARE(TestDriver::pressBack(&phone.pane), pressed);
    QCOMPARE(phone.pane.count(), pagesAfter);
    QCOMPARE(backTriggered.count(), backActions);
    if (!pressed)
        QVERIFY2(TestDriver::lastError().contains(QLatin1String("NavigationPane \"Pane\"")),
                 qPrintable(TestDriver::lastError()));
}

void tst_TestDriver::tappingARowPartTouchesItThenTriggersTheRow_data()
{
    QTest::addColumn<QString>("part");
    QTest::addColumn<QStringList>("log");

    QTest::newRow("the title: its area's tap handler")
        << "ItemTitle" << QStringList { "touch 0 ItemTitle", "touch 2 ItemTitle", "title tapped", "row 1 triggered" };
    QTest::newRow("the more-details circle: its own tap handler only, and its click")
        << "MoreInfoCircle"
        << QStringList { "touch 0 MoreInfoCircle", "touch 2 MoreInfoCircle", "info tapped", "info clicked",
                         "row 1 triggered" };
    QTest::newRow("the row's body: no tap handler, the row still triggers")
        << "ListItemContainer"
        << QStringList { "touch 0 ListItemContainer", "touch 2 ListItemContainer", "row 1 triggered" };
}

void tst_TestDriver::tappingARowPartTouchesItThenTriggersTheRow()
{
    QFETCH(QString, part);
    QFETCH(QStringList, log);

    Phone phone;
    QVERIFY2(TestDriver::tapRowPart(&phone.pane, QStringLiteral("Results"), { 1 }, part),
             qPrintable(TestDriver::lastError()));
    QCOMPARE(phone.log, log);
}

void tst_TestDriver::tappingAWholeRowLandsOnItsTitle()
{
    // A finger on the row meets its first control that handles taps, the title's area, and
    // not the more-details circle beside it; the row triggers after.
    Phone phone;
    QVERIFY2(TestDriver::tapRowWhole(&phone.pane, QStringLiteral("Results"), { 1 }),
             qPrintable(TestDriver::lastError()));
    QVERIFY2(phone.log.contains(QStringLiteral("title tapped")), qPrintable(phone.log.join(", ")));
    QVERIFY2(!phone.log.contains(QStringLiteral("info tapped")), qPrintable(phone.log.join(", ")));
    QCOMPARE(phone.log.last(), QStringLiteral("row 1 triggered"));
    QCOMPARE(phone.log.count(QStringLiteral("row 1 triggered")), 1);
}

void tst_TestDriver::rowPartsThatCannotBeTapped_data()
{
    QTest::addColumn<QString>("part");
    QTest::addColumn<QVariantList>("indexPath");
    QTest::addColumn<QString>("why");

    QTest::newRow("a hidden part") << "MoreInfoCircle" << QVariantList { 1 }
                                   << "ImageButton \"MoreInfoCircle\" is hidden";
    QTest::newRow("a part the row does not have")
        << "Distance" << QVariantList { 1 } << "row [1] of ListView \"Results\" has no part named \"Distance\"";
    QTest::newRow("a row past the end") << "ItemTitle" << QVariantList { 7 }
                                        << "ListView \"Results\" has no row at [7]";
}

void tst_TestDriver::rowPartsThatCannotBeTapped()
{
    QFETCH(QString, part);
    QFETCH(QVariantList, indexPath);
    QFETCH(QString, why);

    Phone phone;
    for (auto *more : phone.list->findChildren<ImageButton *>(QStringLiteral("MoreInfoCircle")))
        more->setVisible(false);
    QVERIFY(!TestDriver::tapRowPart(&phone.pane, QStringLiteral("Results"), indexPath, part));
    QCOMPARE(TestDriver::lastError(), why);
    QVERIFY(phone.log.isEmpty());
}

void tst_TestDriver::contextActionsOfARow_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<bool>("triggered");
    QTest::addColumn<QString>("why");

    QTest::newRow("by object name") << "MapAction" << true << "";
    QTest::newRow("by title") << "Favorite" << true << "";
    QTest::newRow("one the menu does not have")
        << "DeleteHomeAction" << false
        << "the context menu of row [2] of \"Results\" has no \"DeleteHomeAction\", only FavoriteAction, MapAction";
}

void tst_TestDriver::contextActionsOfARow()
{
    QFETCH(QString, action);
    QFETCH(bool, triggered);
    QFETCH(QString, why);

    Phone phone;
    QCOMPARE(TestDriver::triggerRowAction(&phone.pane, QStringLiteral("Results"), { 2 }, action), triggered);
    QVERIFY(!ContextMenu::isOpen());
    QCOMPARE(phone.log.size(), triggered ? 1 : 0);
    if (triggered)
        QVERIFY(phone.log.first().endsWith(QLatin1String(" triggered")));
    else
        QCOMPARE(TestDriver::lastError(), why);
}

void tst_TestDriver::contextActionsNeedAnOpenMenu()
{
    Phone phone;
    QVERIFY(!TestDriver::triggerAction(&phone.pane, QStringLiteral("MapAction")));
    QCOMPARE(TestDriver::lastError(), QStringLiteral("ActionItem \"MapAction\" is in a context menu that is not open"));

    QVERIFY(TestDriver::openRowContextMenu(&phone.pane, QStringLiteral("Results"), { 0 }));
    QCOMPARE(ContextMenu::owner(), phone.list->rowItem(0));
    QCOMPARE(ContextMenu::actions().size(), 2);
    QVERIFY(TestDriver::triggerAction(&phone.pane, QStringLiteral("MapAction")));
    QCOMPARE(phone.log, QStringList { "MapAction triggered" });
    QVERIFY(!ContextMenu::isOpen());
}

void tst_TestDriver::keysGoToTheFocusedFieldElseToAListener_data()
{
    QTest::addColumn<bool>("keyboard");
    QTest::addColumn<bool>("focusField");
    QTest::addColumn<bool>("hideListener");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<QString>("fieldText");
    QTest::addColumn<QStringList>("heard");

    QTest::newRow("the focused field takes the keys") << true << true << false << true << "ab" << QStringList();
    QTest::newRow("without a focused field the listener hears each key")
        << true << false << false << true << "" << QStringList { "a", "b" };
    QTest::newRow("a listener on a hidden control hears nothing")
        << true << false << true << false << "" << QStringList();
    QTest::newRow("a touch-only device has no keys to press") << false << true << false << false << "" << QStringList();
}

void tst_TestDriver::keysGoToTheFocusedFieldElseToAListener()
{
    QFETCH(bool, keyboard);
    QFETCH(bool, focusField);
    QFETCH(bool, hideListener);
    QFETCH(bool, accepted);
    QFETCH(QString, fieldText);
    QFETCH(QStringList, heard);

    hx::device::SimulatedDevice::setPhysicalKeyboard(keyboard);
    QScopedPointer<Page> page(screen());
    auto *listened = new Container;
    auto *listener = new KeyListener(listened);
    static_cast<Container *>(page->content())->add(listened);
    listened->setVisible(!hideListener);
    QStringList keys;
    connect(listener, &KeyListener::keyPressed, this, [&keys](const QString &key) { keys.append(key); });
    auto *field = TestDriver::find<TextField>(page.data(), QStringLiteral("SearchField"));
    if (focusField)
        field->requestFocus();

    QCOMPARE(TestDriver::pressKeys(page.data(), QStringLiteral("ab")), accepted);
    QCOMPARE(field->text(), fieldText);
    QCOMPARE(keys, heard);
    hx::device::SimulatedDevice::reset();
}

QTEST_MAIN(tst_TestDriver)
#include "tst_testdriver.moc"
