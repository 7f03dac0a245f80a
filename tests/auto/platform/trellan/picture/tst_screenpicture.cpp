#include <hx/system/systemdialog.h>
#include <hx/trellan/actionitem.h>
#include <hx/trellan/actionset.h>
#include <hx/trellan/arraydatamodel.h>
#include <hx/trellan/button.h>
#include <hx/trellan/color.h>
#include <hx/trellan/container.h>
#include <hx/trellan/contextmenu.h>
#include <hx/trellan/customlistitem.h>
#include <hx/trellan/docklayout.h>
#include <hx/trellan/dropdown.h>
#include <hx/trellan/enums.h>
#include <hx/trellan/imageview.h>
#include <hx/trellan/label.h>
#include <hx/trellan/listitemprovider.h>
#include <hx/trellan/listview.h>
#include <hx/trellan/page.h>
#include <hx/trellan/picture/screenpicture.h>
#include <hx/trellan/stacklayout.h>
#include <hx/trellan/testdriver.h>
#include <hx/trellan/textfield.h>
#include <hx/trellan/titlebar.h>
#include <hx/trellan/uiconfig.h>
#include <hx/trellan/virtualkeyboard.h>

#include <QtTest/QtTest>

using namespace hx::trellan;
using hx::trellan::picture::ScreenPicture;

namespace {
class LabelRows : public ListItemProvider
{
public:
    Control *createItem(ListView *, const QString &) override
    {
        auto *item = new CustomListItem;
        auto *menu = new ActionSet;
        menu->setTitle(QStringLiteral("Place"));
        auto *share = new ActionItem;
        share->setTitle(QStringLiteral("Share"));
        menu->add(share);
        item->addActionSet(menu);
        auto *label = new Label;
        label->setLeftMargin(20);
        label->setTopMargin(16);
        label->setBottomMargin(16);
        auto *content = new Container;
        content->add(label);
        item->setContent(content);
        return item;
    }
    void updateItem(ListView *, Control *item, const QString &, const QVariantList &, const QVariant &data) override
    {
        item->findChild<Label *>()->setText(data.toString());
    }
};

// A page with a title, a field, a label, a button, three rows and an action.
class SmallScreen : public Page
{
public:
    SmallScreen()
    {
        auto *bar = new TitleBar;
        bar->setTitle(QStringLiteral("Places"));
        setTitleBar(bar);
        auto *content = new Container;
        content->setLeftPadding(24);
        content->setRightPadding(24);
        content->setTopPadding(24);
        auto *field = new TextField;
        field->setObjectName(QStringLiteral("Search"));
        field->setText(QStringLiteral("water"));
        content->add(field);
        auto *label = new Label(QStringLiteral("Three places match"));
        label->setTextStyle(SystemDefaults::TextStyles::subtitleText());
        label->setTopMargin(16);
        content->add(label);
        auto *button = new Button(QStringLiteral("Search"));
        button->setHorizontalAlignment(HorizontalAlignment::Fill);
        content->add(button);
        m_model.append(QVariantList { "Waterloo", "Water Street", "Waterfront Park" });
        auto *list = new ListView;
        list->setListItemProvider(&m_rows);
        list->setDataModel(&m_model);
        list->setObjectName(QStringLiteral("Results"));
        content->add(list);
        auto *units = new DropDown;
        units->setObjectName(QStringLiteral("Units"));
        units->setTitle(QStringLiteral("Units"));
        for (const char *text : { "Metric", "Imperial" })
            units->add(new Option(QString::fromLatin1(text), QString::fromLatin1(text)));
        content->add(units);
        setContent(content);
        auto *save = new ActionItem;
        save->setTitle(QStringLiteral("Save"));
        addAction(save);
    }

private:
    ArrayDataModel m_model;
    LabelRows m_rows;
};

QString referencePath()
{
    return qEnvironmentVariable("HX_SOURCE_DIR") + QStringLiteral("/tests/auto/platform/trellan/picture/reference.png");
}

// Share of pixels whose colour is far from the reference's: text may move by a pixel with
// another font build, the layout may not.
double farPixels(const QImage &a, const QImage &b)
{
    int far = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QColor p = a.pixelColor(x, y);
            const QColor q = b.pixelColor(x, y);
            if (qAbs(p.red() - q.red()) + qAbs(p.green() - q.green()) + qAbs(p.blue() - q.blue()) > 96)
                ++far;
        }
    }
    return double(far) / (a.width() * a.height());
}

int brightness(const QImage &image, const QPoint &point)
{
    return qGray(image.pixel(point));
}
} // namespace

class tst_ScreenPicture : public QObject
{
    Q_OBJECT
private slots:
    void smallScreenMatchesItsReference();
    void drawsWhatTheTreeHolds_data();
    void drawsWhatTheTreeHolds();
    void translationMovesAControlFromItsPlace();
    void textKeepsOffTheLeftEdge();
    void narrowTextShowsAllItsLines();
    void systemDialogDimsTheScreen();
    void drawsWhatIsOpenOverTheScreen_data();
    void drawsWhatIsOpenOverTheScreen();
    void anImageThatCannotBeLoadedShowsItsFrame();
    void savesAPngAtTheDisplaySize();
};

void tst_ScreenPicture::smallScreenMatchesItsReference()
{
    SmallScreen screen;
    const QImage picture = ScreenPicture::render(&screen, QSize(360, 640));
    if (qEnvironmentVariableIsSet("HX_UPDATE_REFERENCE")) {
        QVERIFY(picture.save(referencePath()));
        QSKIP("reference written");
    }
    const QImage reference(referencePath());
    QVERIFY2(!reference.isNull(), qPrintable(referencePath()));
    QCOMPARE(picture.size(), reference.size());
    const double far
        = farPixels(picture.convertToFormat(QImage::Format_RGB32), reference.convertToFormat(QImage::Format_RGB32));
    QVERIFY2(far < 0.01, qPrintable(QStringLiteral("%1% of the pixels differ").arg(far * 100)));
}

void tst_ScreenPicture::drawsWhatTheTreeHolds_data()
{
    QTest::addColumn<int>("orientation");
    QTest::addColumn<QPoint>("redPoint");
    QTest::addColumn<QPoint>("bluePoint");
    // Two 100-pixel squares, one after the other.
    QTest::newRow("a stack from top to bottom")
        << int(LayoutOrientation::TopToBottom) << QPoint(50, 50) << QPoint(50, 150);
    QTest::newRow("a stack from left to right")
        << int(LayoutOrientation::LeftToRight) << QPoint(50, 50) << QPoint(150, 50);
}

void tst_ScreenPicture::drawsWhatTheTreeHolds()
{
    QFETCH(int, orientation);
    QFETCH(QPoint, redPoint);
    QFETCH(QPoint, bluePoint);
    Container root;
    auto *layout = new StackLayout;
    layout->setOrientation(orientation);
    root.setLayout(layout);
    for (const quint32 colour : { 0xffff0000u, 0xff0000ffu }) {
        auto *square = new Container;
        square->setPreferredSize(100, 100);
        square->setBackground(Color::fromARGB(colour));
        root.add(square);
    }
    const QImage picture = ScreenPicture::render(&root, QSize(720, 1280));
    QCOMPARE(picture.pixelColor(redPoint), QColor(Qt::red));
    QCOMPARE(picture.pixelColor(bluePoint), QColor(Qt::blue));
    QCOMPARE(picture.pixelColor(300, 300), QColor(0x12, 0x12, 0x12));
}

void tst_ScreenPicture::translationMovesAControlFromItsPlace()
{
    // A 100-pixel square centred on the screen, lifted by half its height as the map's pin is.
    Container root;
    root.setLayout(new DockLayout);
    auto *square = new Container;
    square->setPreferredSize(100, 100);
    square->setHorizontalAlignment(HorizontalAlignment::Center);
    square->setVerticalAlignment(VerticalAlignment::Center);
    square->setBackground(Color::fromARGB(0xffff0000u));
    square->setTranslationY(-50);
    root.add(square);
    const QImage picture = ScreenPicture::render(&root, QSize(720, 1280));
    QCOMPARE(picture.pixelColor(360, 560), QColor(Qt::red));
    QCOMPARE(picture.pixelColor(360, 660), QColor(0x12, 0x12, 0x12));
}

void tst_ScreenPicture::textKeepsOffTheLeftEdge()
{
    Container root;
    auto *label = new Label(QStringLiteral("WWWWWWWW"));
    label->setMultiline(true);
    root.add(label);
    const QImage picture = ScreenPicture::render(&root, QSize(720, 1280));
    // The line of text starts past the margin, not at the screen's edge.
    for (int x = 0; x < 14; ++x) {
        for (int y = 0; y < 40; ++y)
            QCOMPARE(picture.pixelColor(x, y), QColor(0x12, 0x12, 0x12));
    }
    bool drawn = false;
    for (int x = 16; x < 60 && !drawn; ++x) {
        for (int y = 0; y < 40 && !drawn; ++y)
            drawn = picture.pixelColor(x, y) != QColor(0x12, 0x12, 0x12);
    }
    QVERIFY(drawn);
}

void tst_ScreenPicture::narrowTextShowsAllItsLines()
{
    // As the selector's empty list says what to do: centred, on half the screen's width.
    Container root;
    auto *label = new Label(QStringLiteral("Enter search term or address for suggestions."));
    label->setMultiline(true);
    label->setPreferredWidth(UIConfig::displaySize().width() * 0.55f);
    root.add(label);
    auto *below = new Label(QStringLiteral("below"));
    root.add(below);
    QList<hx::trellan::picture::ScreenArea> areas;
    ScreenPicture::render(&root, QSize(720, 1280), nullptr, &areas);
    QRectF text, next;
    for (const auto &area : areas) {
        if (area.object == label)
            text = area.rect;
        else if (area.object == below)
            next = area.rect;
    }
    QVERIFY(!text.isEmpty() && !next.isEmpty());
    const qreal lines = text.height() / next.height();
    QVERIFY2(lines >= 1.9, qPrintable(QStringLiteral("%1 lines high").arg(lines)));
    QVERIFY(next.top() >= text.bottom());
}

void tst_ScreenPicture::systemDialogDimsTheScreen()
{
    SmallScreen screen;
    const QImage before = ScreenPicture::render(&screen, QSize(360, 640));
    hx::system::SystemDialog dialog(QStringLiteral("Replace"), QStringLiteral("Cancel"));
    dialog.setTitle(QStringLiteral("Duplicate Place"));
    dialog.setBody(QStringLiteral("This place already exists on the device."));
    dialog.show();
    const QImage after = ScreenPicture::render(&screen, QSize(360, 640));
    // The title bar is darker behind the dialog; the middle now shows the dialog's box.
    QVERIFY(brightness(after, QPoint(5, 5)) < brightness(before, QPoint(5, 5)));
    QVERIFY(after.pixel(180, 320) != before.pixel(180, 320));
    dialog.cancel();
}

void tst_ScreenPicture::drawsWhatIsOpenOverTheScreen_data()
{
    QTest::addColumn<QString>("opened");
    QTest::addColumn<QPoint>("changed");
    QTest::addColumn<QPoint>("unchanged");
    // The picture is 360x640: the menu takes the right of it, the keyboard its bottom, the
    // drop-down's options push nothing else and take the space below the drop-down.
    QTest::newRow("a row's context menu") << QStringLiteral("menu") << QPoint(340, 300) << QPoint(-1, -1);
    QTest::newRow("the keyboard of a focused field")
        << QStringLiteral("keyboard") << QPoint(180, 600) << QPoint(180, 10);
    QTest::newRow("a drop-down's options") << QStringLiteral("drop-down") << QPoint(180, 330) << QPoint(180, 10);
}

void tst_ScreenPicture::drawsWhatIsOpenOverTheScreen()
{
    QFETCH(QString, opened);
    QFETCH(QPoint, changed);
    QFETCH(QPoint, unchanged);
    SmallScreen screen;
    const QImage before = ScreenPicture::render(&screen, QSize(360, 640));
    if (opened == QLatin1String("menu")) {
        QVERIFY2(TestDriver::openRowContextMenu(&screen, QStringLiteral("Results"), { 0 }),
                 qPrintable(TestDriver::lastError()));
    } else if (opened == QLatin1String("keyboard")) {
        TestDriver::find<TextField>(&screen, QStringLiteral("Search"))->requestFocus();
        QVERIFY(VirtualKeyboard::isShown());
    } else {
        TestDriver::find<DropDown>(&screen, QStringLiteral("Units"))->setExpanded(true);
    }
    const QImage after = ScreenPicture::render(&screen, QSize(360, 640));
    TestDriver::closeContextMenu();
    QVERIFY(after.pixel(changed) != before.pixel(changed));
    if (unchanged.x() >= 0)
        QCOMPARE(after.pixel(unchanged), before.pixel(unchanged));
}

void tst_ScreenPicture::anImageThatCannotBeLoadedShowsItsFrame()
{
    Container root;
    auto *view = new ImageView;
    view->setImageSource(QUrl(QStringLiteral("asset:///images/no_such_pin.png")));
    root.add(view);
    auto *again = new ImageView;
    again->setImageSource(QUrl(QStringLiteral("asset:///images/no_such_pin.png")));
    root.add(again);
    QStringList missing;
    const QImage picture = ScreenPicture::render(&root, QSize(720, 1280), &missing);
    // Two 96-pixel slots with a frame; nothing below them.
    QVERIFY(picture.pixelColor(48, 48) != QColor(0x12, 0x12, 0x12));
    QCOMPARE(picture.pixelColor(48, 300), QColor(0x12, 0x12, 0x12));
    // The painter tells what it could not draw, each name once.
    QCOMPARE(missing, QStringList { QStringLiteral("no_such_pin.png") });
}

void tst_ScreenPicture::savesAPngAtTheDisplaySize()
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("screen.png"));
    SmallScreen screen;
    QString error;
    QVERIFY2(ScreenPicture::save(&screen, path, &error), qPrintable(error));
    QCOMPARE(QImage(path).size(), UIConfig::displaySize());
    QVERIFY(!ScreenPicture::save(&screen, folder.filePath(QStringLiteral("missing/screen.png")), &error));
    QVERIFY(error.contains(QStringLiteral("missing/screen.png")));
}

QTEST_MAIN(tst_ScreenPicture)
#include "tst_screenpicture.moc"
