#include <hx/device/simulateddevice.h>
#include <hx/system/systemdialog.h>
#include <hx/trellan/actionset.h>
#include <hx/trellan/arraydatamodel.h>
#include <hx/trellan/button.h>
#include <hx/trellan/container.h>
#include <hx/trellan/contextmenu.h>
#include <hx/trellan/customlistitem.h>
#include <hx/trellan/dialog.h>
#include <hx/trellan/dropdown.h>
#include <hx/trellan/enums.h>
#include <hx/trellan/focusrequester.h>
#include <hx/trellan/imagebutton.h>
#include <hx/trellan/imageview.h>
#include <hx/trellan/label.h>
#include <hx/trellan/listitemprovider.h>
#include <hx/trellan/listview.h>
#include <hx/trellan/navigationpane.h>
#include <hx/trellan/page.h>
#include <hx/trellan/qmldocument.h>
#include <hx/trellan/screentext.h>
#include <hx/trellan/sheet.h>
#include <hx/trellan/testdriver.h>
#include <hx/trellan/textfield.h>
#include <hx/trellan/titlebar.h>
#include <hx/trellan/validator.h>

#include <QtCore/QTemporaryDir>
#include <QtTest/QtTest>

using namespace hx::trellan;

namespace {
class TitleAndAddress : public ListItemProvider
{
public:
    Control *createItem(ListView *, const QString &) override
    {
        auto *root = new Container;
        auto *title = new Label;
        title->setObjectName(QStringLiteral("ItemTitle"));
        auto *address = new Label;
        address->setObjectName(QStringLiteral("InfoItem"));
        root->add(title);
        root->add(address);
        auto *item = new CustomListItem;
        item->setContent(root);
        return item;
    }
    void updateItem(ListView *, Control *item, const QString &, const QVariantList &, const QVariant &data) override
    {
        const QStringList parts = data.toString().split(QLatin1Char('/'));
        item->findChild<Label *>(QStringLiteral("ItemTitle"))->setText(parts.value(0));
        item->findChild<Label *>(QStringLiteral("InfoItem"))->setText(parts.value(1));
    }
};

class TypedModel : public ArrayDataModel
{
public:
    QString itemType(const QVariantList &indexPath) override
    {
        return indexPath.value(0).toInt() == 0 ? QStringLiteral("HEADER_TODAY") : QStringLiteral("TYPE_POI");
    }
};
} // namespace

class tst_ScreenText : public QObject
{
    Q_OBJECT
private slots:
    void dumpsASmallScreen();
    void plainTextKeepsItsAngleBrackets_data();
    void plainTextKeepsItsAngleBrackets();
    void dumpsTheDemoDocument();
    void showsOpenSheetsAndDialogsAfterTheScreen();
    void showsSystemDialogsOnTop();
    void showsImagesByTheirAssetName_data();
    void showsImagesByTheirAssetName();
    void terminalDrawsTheSymbolAnImageNames();
    void placesActionsOnTheActionBar_data();
    void placesActionsOnTheActionBar();
    void showsAnExpandedDropDownsOptions();
    void showsAnOpenContextMenuOnTop();
    void showsTheFocusAndTheKeyboard();
    void showsAFieldsValidationError_data();
    void showsAFieldsValidationError();
};

void tst_ScreenText::dumpsASmallScreen()
{
    NavigationPane pane;
    auto *page = new Page;
    page->setObjectName(QStringLiteral("Selector"));
    auto *bar = new TitleBar;
    bar->setTitle(QStringLiteral("Places"));
    page->setTitleBar(bar);
    auto *root = new Container;
    auto *field = new TextField;
    field->setObjectName(QStringLiteral("SearchField"));
    field->setText(QStringLiteral("water"));
    root->add(field);
    TypedModel model;
    model.append(QVariantList { "Today/", "Waterloo/Ontario", "Water Street/Halifax" });
    TitleAndAddress provider;
    auto *list = new ListView;
    list->setObjectName(QStringLiteral("Results"));
    list->setListItemProvider(&provider);
    list->setDataModel(&model);
    root->add(list);
    page->setContent(root);
    auto *save = new ActionItem;
    save->setTitle(QStringLiteral("Save"));
    auto *remove = new ActionItem;
    remove->setTitle(QStringLiteral("Delete"));
    remove->setEnabled(false);
    page->addAction(save);
    page->addAction(remove);
    pane.push(page);

    const QString expected = QStringLiteral("NavigationPane: 1 pages\n"
                                            "Page \"Selector\"\n"
                                            "  Title: Places\n"
                                            "  TextField \"SearchField\": [water]\n"
                                            "  ListView \"Results\": 3 rows\n"
                                            "    [0] HEADER_TODAY: Today\n"
                                            "    [1] TYPE_POI: Waterloo | Ontario\n"
                                            "    [2] TYPE_POI: Water Street | Halifax\n"
                                            "  Action bar: left Save | centre Delete (disabled)");
    QCOMPARE(ScreenText::render(&pane), expected);
}

void tst_ScreenText::dumpsTheDemoDocument()
{
    const QString path
        = qEnvironmentVariable("HX_SOURCE_DIR") + QStringLiteral("/tests/auto/platform/trellan/screentext/demo.qml");
    QmlDocument document(QUrl::fromLocalFile(path));
    QScopedPointer<Page> page(document.createRootObject<Page>());
    QVERIFY2(page, qPrintable(document.errorString()));
    const QString expected = QStringLiteral("Page \"DemoPage\"\n"
                                            "  Title: Choose a place [Cancel] [New (disabled)]\n"
                                            "  TextField \"SearchField\": [] (hint: Search)\n"
                                            "  DropDown \"FilterDropDown\": Places = All\n"
                                            "  --- Favorites ---\n"
                                            "  Label \"Empty\": No places found for x\n"
                                            "  Button \"CancelPickerButton\": <Cancel>\n"
                                            "  ActivityIndicator \"Spinner\": running\n"
                                            "  Action bar: left Map");
    QCOMPARE(ScreenText::render(page.data()), expected);
}

void tst_ScreenText::showsOpenSheetsAndDialogsAfterTheScreen()
{
    Page page;
    Sheet sheet;
    sheet.setObjectName(QStringLiteral("RatingDetails"));
    auto *sheetPage = new Page;
    sheetPage->setContent(new Label(QStringLiteral("Latest reviews")));
    sheet.setContent(sheetPage);
    Dialog dialog;
    dialog.setContent(new Label(QStringLiteral("Pick an address")));
    QCOMPARE(ScreenText::render(&page), QStringLiteral("Page"));
    sheet.open();
    dialog.open();
    QCOMPARE(ScreenText::render(&page),
             QStringLiteral("Page\n"
                            "Sheet \"RatingDetails\":\n"
                            "  Page\n"
                            "    Label: Latest reviews\n"
                            "Dialog:\n"
                            "  Label: Pick an address"));
    dialog.close();
    sheet.close();
    QCOMPARE(ScreenText::render(&page), QStringLiteral("Page"));
}

void tst_ScreenText::showsSystemDialogsOnTop()
{
    Page page;
    hx::system::SystemDialog dialog(QStringLiteral("Replace"), QStringLiteral("Cancel"));
    dialog.setTitle(QStringLiteral("Duplicate Place"));
    dialog.setBody(QStringLiteral("This place already exists on the device."));
    dialog.show();
    const QString text = ScreenText::render(&page);
    QVERIFY2(text.startsWith(QStringLiteral("Page\nSystemDialog:\n  Title: Duplicate Place\n"
                                            "  Body: This place already exists on the device.\n  Buttons: ")),
             qPrintable(text));
    QVERIFY(text.contains(QStringLiteral("<Replace>")));
    QVERIFY(text.contains(QStringLiteral("<Cancel>")));
    QSignalSpy finished(&dialog, &hx::system::SystemDialog::finished);
    QVERIFY(TestDriver::pressDialogButton(QStringLiteral("Replace")));
    QCOMPARE(finished.count(), 1);
    QCOMPARE(ScreenText::render(&page), QStringLiteral("Page"));
}

void tst_ScreenText::showsImagesByTheirAssetName_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("expected");

    QTest::newRow("an image view from an asset") << "ImageView"
                                                 << "asset:///places_images/ic_favorite.png"
                                                 << "ImageView \"Shown\": [img ic_favorite.png]";
    QTest::newRow("an image view painted in memory") << "ImageView"
                                                     << ""
                                                     << "ImageView \"Shown\": [img 4x2]";
    QTest::newRow("an image button") << "ImageButton"
                                     << "asset:///places_images/moredetails.png"
                                     << "ImageButton \"Shown\": [img moredetails.png]";
    QTest::newRow("a button with an image") << "Button"
                                            << "asset:///places_images/listbutton.png"
                                            << "Button \"Shown\": <List> [img listbutton.png]";
    QTest::newRow("an image view without an image shows nothing") << "empty"
                                                                  << ""
                                                                  << "";
}

void tst_ScreenText::showsImagesByTheirAssetName()
{
    QFETCH(QString, kind);
    QFETCH(QString, source);
    QFETCH(QString, expected);

    Container root;
    Control *control = nullptr;
    if (kind == QLatin1String("ImageButton")) {
        auto *button = new ImageButton;
        button->setDefaultImageSource(QUrl(source));
        control = button;
    } else if (kind == QLatin1String("Button")) {
        auto *button = new Button(QStringLiteral("List"));
        button->setImageSource(QUrl(source));
        control = button;
    } else {
        auto *view = new ImageView;
        if (!source.isEmpty())
            view->setImageSource(QUrl(source));
        else if (kind == QLatin1String("ImageView"))
            view->setImage(Image(QImage(4, 2, QImage::Format_ARGB32_Premultiplied)));
        control = view;
    }
    control->setObjectName(QStringLiteral("Shown"));
    root.add(control);
    QCOMPARE(ScreenText::render(&root), expected);
    control->setVisible(false);
    QCOMPARE(ScreenText::render(&root), QString());
}

void tst_ScreenText::terminalDrawsTheSymbolAnImageNames()
{
    QTemporaryDir folder;
    QImage picture(8, 8, QImage::Format_ARGB32);
    picture.fill(Qt::red);
    picture.setText(QStringLiteral("Symbol"), QStringLiteral("★"));
    const QString path = folder.filePath(QStringLiteral("favorite.png"));
    QVERIFY(picture.save(path));
    Container root;
    auto *view = new ImageView;
    view->setImageSource(QUrl::fromLocalFile(path));
    root.add(view);
    auto *unnamed = new ImageView;
    unnamed->setImageSource(QUrl(QStringLiteral("asset:///places_images/no_such_pin.png")));
    root.add(unnamed);
    root.add(new Label(QStringLiteral("Corner Café")));
    // An image whose file names no symbol shows by its bare name.
    QCOMPARE(ScreenText::texts(&root, ScreenText::ImageSymbols), QStringLiteral("★ | no_such_pin.png | Corner Café"));
    // The dump keeps the file's name, which tests and scripts read.
    QCOMPARE(ScreenText::texts(&root), QStringLiteral("[img favorite.png] | [img no_such_pin.png] | Corner Café"));
}

void tst_ScreenText::placesActionsOnTheActionBar_data()
{
    QTest::addColumn<QList<int>>("placements");
    QTest::addColumn<QString>("expected");

    QTest::newRow("three actions fill left, centre and right")
        << QList<int> { 0, 0, 0 } << "Action bar: left A | centre B | right C";
    QTest::newRow("a fourth action goes to the overflow")
        << QList<int> { 0, 0, 0, 0 } << "Action bar: left A | centre B | right C | overflow: D";
    QTest::newRow("a signature action takes the centre")
        << QList<int> { 0, 3, 0 } << "Action bar: left A | centre B (signature) | right C";
    QTest::newRow("beside a signature action only two fit")
        << QList<int> { 3, 0, 0, 0 } << "Action bar: left B | centre A (signature) | right C | overflow: D";
    QTest::newRow("on-bar actions come before default ones")
        << QList<int> { 0, 0, 0, 1 } << "Action bar: left D | centre A | right B | overflow: C";
    QTest::newRow("overflow actions stay in the overflow") << QList<int> { 2, 0 } << "Action bar: left B | overflow: A";
}

void tst_ScreenText::placesActionsOnTheActionBar()
{
    QFETCH(QList<int>, placements);
    QFETCH(QString, expected);

    Page page;
    for (int i = 0; i < placements.size(); ++i) {
        auto *action = new ActionItem;
        action->setTitle(QString(QLatin1Char(char('A' + i))));
        page.addAction(action, placements.at(i));
    }
    QCOMPARE(ScreenText::render(&page), QStringLiteral("Page\n  ") + expected);
}

void tst_ScreenText::showsAnExpandedDropDownsOptions()
{
    Container root;
    auto *dropDown = new DropDown;
    dropDown->setObjectName(QStringLiteral("TypeDropDown"));
    dropDown->setTitle(QStringLiteral("Type"));
    auto *favorite = new Option(QStringLiteral("Favorite"), 0);
    favorite->setImageSource(QUrl(QStringLiteral("asset:///places_images/favorite.png")));
    dropDown->add(favorite);
    dropDown->add(new Option(QStringLiteral("Home"), 1));
    dropDown->setSelectedIndex(1);
    root.add(dropDown);
    QCOMPARE(ScreenText::render(&root), QStringLiteral("DropDown \"TypeDropDown\": Type = Home"));
    dropDown->setExpanded(true);
    QCOMPARE(ScreenText::render(&root),
             QStringLiteral("DropDown \"TypeDropDown\": Type = Home (expanded)\n"
                            "  ( ) Favorite [img favorite.png]\n"
                            "  (*) Home"));
}

void tst_ScreenText::showsAnOpenContextMenuOnTop()
{
    Page page;
    auto *row = new Label(QStringLiteral("Waterloo"));
    row->setObjectName(QStringLiteral("Row"));
    auto *menu = new ActionSet;
    menu->setTitle(QStringLiteral("Waterloo"));
    auto *map = new ActionItem;
    map->setTitle(QStringLiteral("Map"));
    map->setImageSource(QUrl(QStringLiteral("asset:///places_images/ic_map.png")));
    auto *edit = new ActionItem;
    edit->setTitle(QStringLiteral("Edit"));
    edit->setEnabled(false);
    menu->add(map);
    menu->add(edit);
    row->addActionSet(menu);
    page.setContent(row);
    QVERIFY(TestDriver::openContextMenu(&page, QStringLiteral("Row")));
    QCOMPARE(ScreenText::render(&page),
             QStringLiteral("Page\n"
                            "  Label \"Row\": Waterloo\n"
                            "ContextMenu of Label \"Row\":\n"
                            "  --- Waterloo ---\n"
                            "  Map [img ic_map.png]\n"
                            "  Edit (disabled)"));
    ContextMenu::close();
    QCOMPARE(ScreenText::render(&page), QStringLiteral("Page\n  Label \"Row\": Waterloo"));
}

void tst_ScreenText::showsTheFocusAndTheKeyboard()
{
    hx::device::SimulatedDevice::setPhysicalKeyboard(false);
    Page page;
    auto *field = new TextField;
    field->setObjectName(QStringLiteral("SearchField"));
    page.setContent(field);
    auto *select = new ActionItem;
    select->setTitle(QStringLiteral("Select"));
    page.addAction(select, ActionBarPlacement::Signature);

    QVERIFY(TestDriver::typeText(&page, QStringLiteral("SearchField"), QStringLiteral("wat")));
    QCOMPARE(ScreenText::render(&page),
             QStringLiteral("Page\n"
                            "  TextField \"SearchField\": [wat] (focused)\n"
                            "  Action bar: centre Select (signature)\n"
                            "Keyboard: shown"));
    FocusRequester::requestFocus(select);
    QCOMPARE(ScreenText::render(&page),
             QStringLiteral("Page\n"
                            "  TextField \"SearchField\": [wat]\n"
                            "  Action bar: centre Select (focused) (signature)"));
    FocusRequester::clearFocus();
    hx::device::SimulatedDevice::reset();
}

void tst_ScreenText::plainTextKeepsItsAngleBrackets_data()
{
    QTest::addColumn<int>("format");
    QTest::addColumn<QString>("shown");
    QTest::newRow("plain text as written") << int(TextFormat::Plain) << "Label: No places found for <Zzyzx>";
    QTest::newRow("markup is read off") << int(TextFormat::Auto) << "Label: No places found for ";
}

void tst_ScreenText::plainTextKeepsItsAngleBrackets()
{
    QFETCH(int, format);
    QFETCH(QString, shown);
    Page page;
    auto *label = new Label(QStringLiteral("No places found for <Zzyzx>"));
    label->setTextFormat(format);
    page.setContent(label);
    QCOMPARE(ScreenText::render(&page), QStringLiteral("Page\n  ") + shown);
    QCOMPARE(ScreenText::texts(label), shown.mid(7));
}

void tst_ScreenText::showsAFieldsValidationError_data()
{
    QTest::addColumn<int>("state"); // -1: no validation answer yet
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("expected");

    const QString plain = QStringLiteral("TextField \"EMailField\": [bob]");
    QTest::newRow("an invalid text shows the message")
        << int(ValidationState::Invalid) << QStringLiteral("Email not recognized")
        << plain + QStringLiteral(" (error: Email not recognized)");
    QTest::newRow("a valid text shows nothing") << int(ValidationState::Valid) << QStringLiteral("Bad") << plain;
    QTest::newRow("a text not validated yet shows nothing") << -1 << QStringLiteral("Bad") << plain;
    QTest::newRow("an invalid text without a message shows nothing")
        << int(ValidationState::Invalid) << QString() << plain;
}

void tst_ScreenText::showsAFieldsValidationError()
{
    QFETCH(int, state);
    QFETCH(QString, message);
    QFETCH(QString, expected);

    TextField field;
    field.setObjectName(QStringLiteral("EMailField"));
    field.setText(QStringLiteral("bob"));
    auto *validator = new Validator(&field);
    validator->setErrorMessage(message);
    if (state >= 0)
        validator->setState(state);
    field.setValidator(validator);
    QCOMPARE(ScreenText::render(&field), expected);
}

QTEST_MAIN(tst_ScreenText)
#include "tst_screentext.moc"
