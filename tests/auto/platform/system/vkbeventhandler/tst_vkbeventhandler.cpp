#include <hx/device/vkbeventhandler.h>

#include <QtTest/QtTest>

using hx::AbstractHpsEventHandler;
using hx::device::VKBEventHandler;

class tst_VKBEventHandler : public QObject
{
    Q_OBJECT

private slots:
    void keyboardCodes_data();
    void keyboardCodes();
    void otherDomainsAreIgnored();
    void deletedHandlerGetsNothing();
};

void tst_VKBEventHandler::keyboardCodes_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("emitted");
    QTest::addColumn<bool>("displayed");
    QTest::newRow("code 1 means the keyboard is shown") << 1 << 1 << true;
    QTest::newRow("code 2 means it is hidden") << 2 << 1 << false;
    QTest::newRow("code 0 is ignored") << 0 << 0 << false;
    QTest::newRow("code 3 is ignored") << 3 << 0 << false;
    QTest::newRow("a negative code is ignored") << -1 << 0 << false;
}

void tst_VKBEventHandler::keyboardCodes()
{
    QFETCH(int, code);
    QFETCH(int, emitted);
    QFETCH(bool, displayed);
    VKBEventHandler handler;
    QSignalSpy changes(&handler, &VKBEventHandler::virtualKeyboardDisplayChange);
    QCOMPARE(VKBEventHandler::deliver(code), 1);
    QCOMPARE(changes.count(), emitted);
    if (emitted)
        QCOMPARE(changes.first().first().toBool(), displayed);
}

void tst_VKBEventHandler::otherDomainsAreIgnored()
{
    VKBEventHandler handler;
    QSignalSpy changes(&handler, &VKBEventHandler::virtualKeyboardDisplayChange);
    QCOMPARE(AbstractHpsEventHandler::deliver(AbstractHpsEventHandler::NavigatorDomain, 1), 0);
    QCOMPARE(changes.count(), 0);
}

void tst_VKBEventHandler::deletedHandlerGetsNothing()
{
    auto *handler = new VKBEventHandler;
    QVERIFY(handler->isSubscribed(AbstractHpsEventHandler::VirtualKeyboardDomain));
    delete handler;
    QCOMPARE(VKBEventHandler::deliver(1), 0);
}

QTEST_GUILESS_MAIN(tst_VKBEventHandler)
#include "tst_vkbeventhandler.moc"
