#include <hx/system/systemdialog.h>
#include <hx/trellan/arraydatamodel.h>
#include <hx/trellan/container.h>
#include <hx/trellan/customlistitem.h>
#include <hx/trellan/dialog.h>
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
    void dumpsTheDemoDocument();
    void showsOpenSheetsAndDialogsAfterTheScreen();
    void showsSystemDialogsOnTop();
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
                                            "  Actions: Save | Delete (disabled)");
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
                                            "  Actions: Map");
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

QTEST_MAIN(tst_ScreenText)
#include "tst_screentext.moc"
