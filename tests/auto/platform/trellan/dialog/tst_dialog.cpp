#include <hx/trellan/button.h>
#include <hx/trellan/dialog.h>
#include <hx/trellan/label.h>
#include <hx/trellan/page.h>
#include <hx/trellan/screentext.h>
#include <hx/trellan/testdriver.h>

#include <signalwaiter.h>

#include <QtCore/QPointer>
#include <QtTest/QtTest>

using namespace hx::trellan;
using hx::test::SignalWaiter;

class tst_Dialog : public QObject
{
    Q_OBJECT
private slots:
    void opensAndClosesOnce_data();
    void opensAndClosesOnce();
    void newestDialogIsOnTop();
    void contentIsOwnedAndCanBeCleared();
};

void tst_Dialog::opensAndClosesOnce_data()
{
    QTest::addColumn<QString>("steps");
    QTest::addColumn<bool>("open");
    QTest::addColumn<int>("openedSignals");
    QTest::addColumn<int>("closedSignals");

    QTest::newRow("open") << "open" << true << 1 << 0;
    QTest::newRow("open twice tells once") << "open,open" << true << 1 << 0;
    QTest::newRow("open then close") << "open,wait,close" << false << 1 << 1;
    QTest::newRow("closed before opened arrives") << "open,close" << false << 0 << 1;
    QTest::newRow("closing a closed dialog tells nothing") << "close" << false << 0 << 0;
}

void tst_Dialog::opensAndClosesOnce()
{
    QFETCH(QString, steps);
    QFETCH(bool, open);
    QFETCH(int, openedSignals);
    QFETCH(int, closedSignals);

    Dialog dialog;
    QSignalSpy opened(&dialog, &Dialog::opened);
    QSignalSpy closed(&dialog, &Dialog::closed);
    for (const QString &step : steps.split(QLatin1Char(','))) {
        if (step == QLatin1String("open"))
            dialog.open();
        else if (step == QLatin1String("close"))
            dialog.close();
        else
            QVERIFY(SignalWaiter::wait(opened));
    }
    QCOMPARE(dialog.isOpened(), open);
    QCOMPARE(Dialog::openDialogs().contains(&dialog), open);
    // Let every queued signal arrive.
    QTest::qWait(0);
    QCoreApplication::processEvents();
    QCOMPARE(opened.count(), openedSignals);
    QCOMPARE(closed.count(), closedSignals);
}

void tst_Dialog::newestDialogIsOnTop()
{
    Page page;
    Dialog older;
    older.setObjectName(QStringLiteral("Older"));
    older.setContent(new Button(QStringLiteral("Keep")));
    Dialog newer;
    newer.setObjectName(QStringLiteral("Newer"));
    newer.setContent(new Button(QStringLiteral("Replace")));
    older.open();
    newer.open();
    QCOMPARE(Dialog::openDialogs(), (QList<Dialog *> { &older, &newer }));
    QVERIFY(!TestDriver::clickButton(&page, QStringLiteral("Keep")));
    QCOMPARE(TestDriver::lastError(), QStringLiteral("Button is covered by Dialog \"Newer\""));
    QVERIFY(TestDriver::clickButton(&page, QStringLiteral("Replace")));
    newer.close();
    QVERIFY(TestDriver::clickButton(&page, QStringLiteral("Keep")));
    older.close();
}

void tst_Dialog::contentIsOwnedAndCanBeCleared()
{
    QPointer<Label> content = new Label(QStringLiteral("Pick an address"));
    {
        Dialog dialog;
        dialog.setContent(content);
        QCOMPARE(content->parent(), &dialog);
        dialog.open();
        QCOMPARE(ScreenText::render(nullptr), QStringLiteral("Dialog:\n  Label: Pick an address"));
        dialog.resetContent();
        QCOMPARE(dialog.content(), nullptr);
        QCOMPARE(ScreenText::render(nullptr), QStringLiteral("Dialog:"));
    }
    // A deleted dialog leaves the screen and takes its former content with it.
    QVERIFY(Dialog::openDialogs().isEmpty());
    QVERIFY(content.isNull());
}

QTEST_MAIN(tst_Dialog)
#include "tst_dialog.moc"
