#include <hx/system/invokemanager.h>
#include <hx/system/invokequery.h>
#include <hx/trellan/invocation.h>
#include <hx/trellan/invokeactionitem.h>

#include <signalwaiter.h>

#include <QtTest/QtTest>

using namespace hx::trellan;
using hx::system::InvokeManager;
using hx::test::SignalWaiter;

class tst_Invocation : public QObject
{
    Q_OBJECT
private slots:
    void init() { InvokeManager::clearRecordedRequests(); }
    void armsThenSendsTheActionOnce();
    void triggerBeforeArmedDoesNothing();
    void invokeActionItemSendsItsQuery();
    void disabledInvokeActionItemSendsNothing();
};

void tst_Invocation::armsThenSendsTheActionOnce()
{
    hx::system::InvokeQuery query;
    query.setMimeType(QStringLiteral("text/plain"));
    query.setData("Waterloo");
    QScopedPointer<Invocation> invocation(Invocation::create(&query));
    QSignalSpy armed(invocation.data(), &Invocation::armed);
    QSignalSpy finished(invocation.data(), &Invocation::finished);
    QVERIFY(SignalWaiter::wait(armed, 1));
    QVERIFY(invocation->trigger(QStringLiteral("hx.action.SHARE")));
    QVERIFY(!invocation->trigger(QStringLiteral("hx.action.SHARE")));
    QVERIFY(SignalWaiter::wait(finished, 1));
    const auto requests = InvokeManager::recordedRequests();
    QCOMPARE(requests.size(), 1);
    QCOMPARE(requests.first().action(), QStringLiteral("hx.action.SHARE"));
    QCOMPARE(requests.first().mimeType(), QStringLiteral("text/plain"));
}

void tst_Invocation::triggerBeforeArmedDoesNothing()
{
    hx::system::InvokeQuery query;
    Invocation invocation(&query);
    QVERIFY(!invocation.trigger(QStringLiteral("hx.action.MAP")));
    QVERIFY(InvokeManager::recordedRequests().isEmpty());
}

void tst_Invocation::invokeActionItemSendsItsQuery()
{
    InvokeActionItem item;
    item.setObjectName(QStringLiteral("ShareAction"));
    item.query()->setInvokeActionId(QStringLiteral("hx.action.SHARE"));
    item.query()->setMimeType(QStringLiteral("text/plain"));
    QVERIFY(item.trigger());
    const auto requests = InvokeManager::recordedRequests();
    QCOMPARE(requests.size(), 1);
    QCOMPARE(requests.first().action(), QStringLiteral("hx.action.SHARE"));
}

void tst_Invocation::disabledInvokeActionItemSendsNothing()
{
    InvokeActionItem item;
    item.query()->setInvokeActionId(QStringLiteral("hx.action.SHARE"));
    item.setEnabled(false);
    QVERIFY(!item.trigger());
    QVERIFY(InvokeManager::recordedRequests().isEmpty());
}

QTEST_MAIN(tst_Invocation)
#include "tst_invocation.moc"
