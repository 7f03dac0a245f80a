#include <hx/trellan/page.h>
#include <hx/trellan/sheet.h>

#include <signalwaiter.h>

#include <QtTest/QtTest>

using namespace hx::trellan;
using hx::test::SignalWaiter;

class tst_Sheet : public QObject
{
    Q_OBJECT
private slots:
    void openAndCloseSignalOnce();
    void closeBeforeOpenedArrivesSkipsOpened();
    void deletedSheetLeavesTheOpenList();
};

void tst_Sheet::openAndCloseSignalOnce()
{
    Sheet sheet;
    sheet.setContent(new Page);
    QSignalSpy opened(&sheet, &Sheet::opened);
    QSignalSpy closed(&sheet, &Sheet::closed);
    sheet.open();
    sheet.open();
    QVERIFY(sheet.isOpened());
    QVERIFY(Sheet::openSheets().contains(&sheet));
    QVERIFY(SignalWaiter::wait(opened, 1));
    sheet.close();
    QVERIFY(!sheet.isOpened());
    QVERIFY(!Sheet::openSheets().contains(&sheet));
    QVERIFY(SignalWaiter::wait(closed, 1));
    QCoreApplication::processEvents();
    QCOMPARE(opened.count(), 1);
    QCOMPARE(closed.count(), 1);
}

void tst_Sheet::closeBeforeOpenedArrivesSkipsOpened()
{
    Sheet sheet;
    QSignalSpy opened(&sheet, &Sheet::opened);
    QSignalSpy closed(&sheet, &Sheet::closed);
    sheet.open();
    sheet.close();
    QVERIFY(SignalWaiter::wait(closed, 1));
    QCOMPARE(opened.count(), 0);
}

void tst_Sheet::deletedSheetLeavesTheOpenList()
{
    auto *sheet = new Sheet;
    sheet->open();
    delete sheet;
    QVERIFY(!Sheet::openSheets().contains(sheet));
}

QTEST_MAIN(tst_Sheet)
#include "tst_sheet.moc"
