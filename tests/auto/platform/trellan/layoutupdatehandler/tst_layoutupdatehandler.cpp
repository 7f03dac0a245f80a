#include <hx/device/displayinfo.h>
#include <hx/device/simulateddevice.h>
#include <hx/trellan/container.h>
#include <hx/trellan/layoutupdatehandler.h>
#include <hx/trellan/qmldocument.h>

#include <QtCore/QTemporaryDir>
#include <QtTest/QtTest>

using namespace hx::trellan;

namespace {
// A layout document that declares its helpers as real documents do: a DisplayInfo it reads
// sizes from, and a handler that follows the frame of the inner container.
const QByteArray Document = R"(import hx.trellan 1.0
import hx.displayInfo 1.0
Container {
    objectName: "Root"
    property rect innerFrame
    property int frames: 0
    preferredWidth: displayInfo.width * 0.55
    attachedObjects: [ DisplayInfo { id: displayInfo } ]
    Container {
        objectName: "Inner"
        attachedObjects: [
            LayoutUpdateHandler {
                objectName: "InnerHandler"
                onLayoutFrameChanged: { innerFrame = layoutFrame; frames = frames + 1 }
            }
        ]
    }
}
)";
} // namespace

class tst_LayoutUpdateHandler : public QObject
{
    Q_OBJECT
private slots:
    void cleanup();
    void reportsEachNewFrameOnce_data();
    void reportsEachNewFrameOnce();
    void layoutDocumentsAttachHandlersAndDisplayInfo();
};

void tst_LayoutUpdateHandler::cleanup()
{
    hx::device::SimulatedDevice::reset();
}

void tst_LayoutUpdateHandler::reportsEachNewFrameOnce_data()
{
    QTest::addColumn<QList<QRectF>>("frames");
    QTest::addColumn<int>("reports");

    QTest::newRow("one frame") << QList<QRectF> { QRectF(0, 0, 720, 300) } << 1;
    QTest::newRow("the same frame again says nothing")
        << QList<QRectF> { QRectF(0, 0, 720, 300), QRectF(0, 0, 720, 300) } << 1;
    QTest::newRow("a new height is a new frame")
        << QList<QRectF> { QRectF(0, 0, 720, 300), QRectF(0, 0, 720, 420) } << 2;
}

void tst_LayoutUpdateHandler::reportsEachNewFrameOnce()
{
    QFETCH(QList<QRectF>, frames);
    QFETCH(int, reports);

    Container target;
    auto *handler = new LayoutUpdateHandler(&target);
    QCOMPARE(handler->target(), &target);
    QCOMPARE(handler->parent(), &target);
    QSignalSpy changed(handler, &LayoutUpdateHandler::layoutFrameChanged);
    for (const QRectF &frame : qAsConst(frames))
        handler->setLayoutFrame(frame);
    QCOMPARE(changed.count(), reports);
    QCOMPARE(handler->layoutFrame(), frames.last());
}

void tst_LayoutUpdateHandler::layoutDocumentsAttachHandlersAndDisplayInfo()
{
    hx::device::SimulatedDevice::setDisplaySize(QSize(1440, 1440));
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("layout.qml")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(Document);
    file.close();

    QmlDocument document(QUrl::fromLocalFile(file.fileName()));
    QScopedPointer<Container> root(document.createRootObject<Container>());
    QVERIFY2(root, qPrintable(document.errorString()));
    QCOMPARE(root->preferredWidth(), 1440 * 0.55f);
    QCOMPARE(root->attachedObjectList().size(), 1);
    QVERIFY(qobject_cast<hx::device::DisplayInfo *>(root->attachedObjectList().first()));

    auto *inner = root->findChild<Container *>(QStringLiteral("Inner"));
    auto *handler = root->findChild<LayoutUpdateHandler *>(QStringLiteral("InnerHandler"));
    QVERIFY(inner && handler);
    QCOMPARE(handler->target(), inner);
    handler->setLayoutFrame(QRectF(0, 10, 1440, 600));
    QCOMPARE(root->property("frames").toInt(), 1);
    QCOMPARE(root->property("innerFrame").toRectF(), QRectF(0, 10, 1440, 600));
}

QTEST_MAIN(tst_LayoutUpdateHandler)
#include "tst_layoutupdatehandler.moc"
