#include <hx/trellan/button.h>
#include <hx/trellan/container.h>
#include <hx/trellan/docklayout.h>
#include <hx/trellan/dropdown.h>
#include <hx/trellan/enums.h>
#include <hx/trellan/label.h>
#include <hx/trellan/page.h>
#include <hx/trellan/qmldocument.h>
#include <hx/trellan/stacklayout.h>
#include <hx/trellan/textfield.h>
#include <hx/trellan/titlebar.h>

#include <testroots.h>

#include <QtCore/QTemporaryDir>
#include <QtTest/QtTest>

using namespace hx::trellan;

namespace {
bool writeFile(const QString &path, const QByteArray &content)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
}

const QByteArray LayoutDocument = R"(import hx.trellan 1.0
Container {
    objectName: "Root"
    property string file_id: "common.qml"
    property real map_image_height: 42
    property var subcategoryMap: { "AE": "Restaurants", "undefined": "" }
    leftPadding: 20
    horizontalAlignment: HorizontalAlignment.Center
    layout: StackLayout { orientation: LayoutOrientation.LeftToRight }
    Label {
        objectName: "Title"
        text: "Hello " + (typeof _name === "undefined" ? "nobody" : _name)
        multiline: true
        maxLineCount: 2
        bottomMargin: 30
        verticalAlignment: 2
    }
    Container {
        objectName: "Inner"
        layout: DockLayout {}
        visible: false
        TextField { objectName: "SearchField"; hintText: "Search" }
    }
    DropDown {
        objectName: "FilterDropDown"
        title: "Places"
        Option { objectName: "FilterAll"; text: "All"; value: 0 }
        Option { objectName: "FilterRecents"; text: "Recents"; value: 1 }
    }
}
)";
} // namespace

class tst_QmlDocument : public QObject
{
    Q_OBJECT
private slots:
    void buildsAControlTreeAndReadsItBack();
    void loadsFromEveryKindOfUrl_data();
    void loadsFromEveryKindOfUrl();
    void contextPropertyReachesTheDocument();
    void rootOfAnotherTypeGivesNull();
    void brokenDocumentsReportErrors_data();
    void brokenDocumentsReportErrors();
    void pageDocumentHoldsContentAndActions();

private:
    hx::test::TestRoots m_roots;
};

void tst_QmlDocument::buildsAControlTreeAndReadsItBack()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("layout.qml"));
    QVERIFY(writeFile(path, LayoutDocument));
    QmlDocument document(QUrl::fromLocalFile(path));
    QVERIFY2(document.load(), qPrintable(document.errorString()));
    QScopedPointer<Container> root(document.createRootObject<Container>());
    QVERIFY(root);
    QCOMPARE(root->objectName(), QStringLiteral("Root"));
    QCOMPARE(root->property("file_id").toString(), QStringLiteral("common.qml"));
    QCOMPARE(root->property("map_image_height").toReal(), 42.0);
    QCOMPARE(root->property("subcategoryMap").toMap().value(QStringLiteral("AE")).toString(),
             QStringLiteral("Restaurants"));
    QCOMPARE(root->leftPadding(), 20.0f);
    QCOMPARE(root->horizontalAlignment(), int(HorizontalAlignment::Center));
    auto *stack = qobject_cast<StackLayout *>(root->layout());
    QVERIFY(stack);
    QCOMPARE(stack->orientation(), int(LayoutOrientation::LeftToRight));
    QCOMPARE(root->count(), 3);

    auto *title = root->findControl<Label>(QStringLiteral("Title"));
    QVERIFY(title);
    QCOMPARE(title->text(), QStringLiteral("Hello nobody"));
    QVERIFY(title->isMultiline());
    QCOMPARE(title->maxLineCount(), 2);
    QCOMPARE(title->bottomMargin(), 30.0f);
    QCOMPARE(title->verticalAlignment(), 2);

    auto *inner = root->findControl<Container>(QStringLiteral("Inner"));
    QVERIFY(!inner->isVisible());
    QVERIFY(qobject_cast<DockLayout *>(inner->layout()));
    QCOMPARE(root->findControl<TextField>(QStringLiteral("SearchField"))->hintText(), QStringLiteral("Search"));

    auto *dropDown = root->findControl<DropDown>(QStringLiteral("FilterDropDown"));
    QCOMPARE(dropDown->count(), 2);
    QCOMPARE(dropDown->selectedIndex(), -1);
    QCOMPARE(dropDown->at(1)->objectName(), QStringLiteral("FilterRecents"));
}

void tst_QmlDocument::loadsFromEveryKindOfUrl_data()
{
    QTest::addColumn<QString>("url");
    QTest::addColumn<QString>("file");
    QTest::newRow("an application asset") << "asset:///places_settings/common.qml"
                                          << "places_settings/common.qml";
    QTest::newRow("the display's resolution folder wins over the base") << "asset:///places_settings/sized.qml"
                                                                        << "places_settings/720x1280/sized.qml";
    QTest::newRow("a plain file path") << "@/plain.qml"
                                       << "plain.qml";
}

void tst_QmlDocument::loadsFromEveryKindOfUrl()
{
    QFETCH(QString, url);
    QFETCH(QString, file);
    QTemporaryDir assets;
    qputenv("HX_APP_ASSETS", assets.path().toUtf8());
    QByteArray base = "import hx.trellan 1.0\nContainer { objectName: \"base\" }\n";
    QByteArray wanted = "import hx.trellan 1.0\nContainer { objectName: \"wanted\" }\n";
    QVERIFY(writeFile(assets.filePath(QStringLiteral("places_settings/sized.qml")), base));
    QVERIFY(writeFile(assets.filePath(QStringLiteral("places_settings/12ppd/sized.qml")), base));
    QVERIFY(writeFile(assets.filePath(file), wanted));
    url.replace(QLatin1Char('@'), assets.path());

    QScopedPointer<QmlDocument> document(QmlDocument::create(url));
    QVERIFY2(document->load(), qPrintable(document->errorString()));
    QScopedPointer<Container> root(document->createRootObject<Container>());
    QVERIFY(root);
    QCOMPARE(root->objectName(), QStringLiteral("wanted"));
    qunsetenv("HX_APP_ASSETS");
}

void tst_QmlDocument::contextPropertyReachesTheDocument()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("layout.qml"));
    QVERIFY(writeFile(path, LayoutDocument));
    QmlDocument document(QUrl::fromLocalFile(path));
    document.setContextProperty(QStringLiteral("_name"), QVariant(QStringLiteral("Ann")));
    QScopedPointer<Container> root(document.createRootObject<Container>());
    QVERIFY(root);
    QCOMPARE(root->findControl<Label>(QStringLiteral("Title"))->text(), QStringLiteral("Hello Ann"));
}

void tst_QmlDocument::rootOfAnotherTypeGivesNull()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("label.qml"));
    QVERIFY(writeFile(path, "import hx.trellan 1.0\nLabel { text: \"x\" }\n"));
    QmlDocument document(QUrl::fromLocalFile(path));
    QCOMPARE(document.createRootObject<Container>(), nullptr);
    QScopedPointer<Label> label(document.createRootObject<Label>());
    QVERIFY(label);
}

void tst_QmlDocument::brokenDocumentsReportErrors_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("a missing asset") << "asset:///nowhere.qml" << QByteArray();
    QTest::newRow("a syntax error") << "broken.qml" << QByteArray("import hx.trellan 1.0\nContainer {\n");
    QTest::newRow("an unknown control") << "unknown.qml" << QByteArray("import hx.trellan 1.0\nBlinker {}\n");
    QTest::newRow("invalid UTF-8") << "bytes.qml" << QByteArray("import hx.trellan 1.0\nLabel { text: \"\xff\xfe\" ");
}

void tst_QmlDocument::brokenDocumentsReportErrors()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, content);
    QTemporaryDir dir;
    QUrl url(name);
    if (!content.isEmpty()) {
        QVERIFY(writeFile(dir.filePath(name), content));
        url = QUrl::fromLocalFile(dir.filePath(name));
    }
    QmlDocument document(url);
    QVERIFY(!document.load());
    QVERIFY(document.hasErrors());
    QVERIFY(!document.errorString().isEmpty());
    QCOMPARE(document.createRootObject<Container>(), nullptr);
}

void tst_QmlDocument::pageDocumentHoldsContentAndActions()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("page.qml"));
    QVERIFY(writeFile(path, R"(import hx.trellan 1.0
Page {
    titleBar: TitleBar { title: "Details" }
    actions: [
        ActionItem { objectName: "MapAction"; title: "Map"; actionBarPlacement: ActionBarPlacement.OnBar },
        ActionItem { objectName: "ShareAction"; title: "Share" }
    ]
    Container { Button { objectName: "OK"; text: "OK" } }
}
)"));
    QmlDocument document(QUrl::fromLocalFile(path));
    QScopedPointer<Page> page(document.createRootObject<Page>());
    QVERIFY2(page, qPrintable(document.errorString()));
    QCOMPARE(page->titleBar()->title(), QStringLiteral("Details"));
    QCOMPARE(page->actionCount(), 2);
    QCOMPARE(page->actionAt(0)->objectName(), QStringLiteral("MapAction"));
    QCOMPARE(page->actionAt(0)->actionBarPlacement(), 1);
    QVERIFY(page->findChild<Button *>(QStringLiteral("OK")));
}

QTEST_MAIN(tst_QmlDocument)
#include "tst_qmldocument.moc"
