#include <hx/system/invokemanager.h>
#include <hx/system/invokequery.h>

#include <signalwaiter.h>

#include <QtTest/QtTest>

using namespace hx::system;

class tst_InvokeManager : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void invocationIsRecordedAsSent();
    void boundCardSeesTheRequestAndCompletesOnce();
    void unboundTargetFinishesWithAnError();
    void requestWithoutTargetLetsTheSystemChoose();
    void requestWithNothingToSendGivesNoReply();
    void cardDoneAfterTheInvokerIsGoneIsDropped();
    void queryBecomesARequest();
};

void tst_InvokeManager::init()
{
    InvokeManager::clearRecordedRequests();
}

void tst_InvokeManager::cleanup()
{
    InvokeManager::unbindTarget("sys.places.placepicker");
}

void tst_InvokeManager::invocationIsRecordedAsSent()
{
    InvokeManager manager;
    InvokeRequest request;
    request.setAction("hx.action.EDIT");
    request.setTarget("sys.pim.contacts.card.composer");
    request.setMimeType("application/vnd.korvane.string.contact,application/contact");
    request.setUri(QStringLiteral("settings://location"));
    request.setData(QByteArray("42"));
    request.setMetadata({ { "placeId", 7 } });
    request.setPerimeter(SecurityPerimeter::Personal);
    manager.invoke(request);

    const QList<InvokeRequest> recorded = InvokeManager::recordedRequests();
    QCOMPARE(recorded.size(), 1);
    QVERIFY(recorded.first() == request);
    QCOMPARE(int(recorded.first().perimeter()), 2);

    InvokeManager::clearRecordedRequests();
    QVERIFY(InvokeManager::recordedRequests().isEmpty());
}

void tst_InvokeManager::boundCardSeesTheRequestAndCompletesOnce()
{
    InvokedCard opened;
    InvokeManager::bindTarget("sys.places.placepicker", [&](const InvokedCard &card) { opened = card; });
    InvokeManager manager;
    QSignalSpy done(&manager, &InvokeManager::childCardDone);
    InvokeRequest request;
    request.setAction("hx.action.VIEW");
    request.setTarget("sys.places.placepicker");
    request.setData("payload");
    InvokeTargetReply *reply = manager.invoke(request);
    QVERIFY(reply);
    QCOMPARE(reply->parent(), &manager);
    QSignalSpy finished(reply, &InvokeTargetReply::finished);

    QVERIFY(hx::test::SignalWaiter::waitFor([&] { return !opened.isNull(); }, 2000));
    QCOMPARE(finished.count(), 1);
    QCOMPARE(reply->error(), InvokeReplyError::None);
    QCOMPARE(done.count(), 0);
    QCOMPARE(opened.request(), request);

    QVERIFY(opened.done(CardDoneMessage("save", "{\"name\":\"Cafe\"}", "application/json")));
    QVERIFY(!opened.done(CardDoneMessage("save", "second")));
    QVERIFY(hx::test::SignalWaiter::wait(done, 1, 2000));
    QCoreApplication::processEvents();
    QCOMPARE(done.count(), 1);
    const auto message = done.first().first().value<CardDoneMessage>();
    QCOMPARE(message.reason(), QString("save"));
    QCOMPARE(message.data(), QString("{\"name\":\"Cafe\"}"));
    QVERIFY(opened.isDone());
}

void tst_InvokeManager::unboundTargetFinishesWithAnError()
{
    InvokeManager manager;
    QSignalSpy done(&manager, &InvokeManager::childCardDone);
    InvokeRequest request;
    request.setAction("hx.action.OPEN");
    request.setTarget("sys.nobody.here");
    InvokeTargetReply *reply = manager.invoke(request);
    QVERIFY(reply);
    QVERIFY(!reply->isFinished());
    QSignalSpy finished(reply, &InvokeTargetReply::finished);
    QVERIFY(hx::test::SignalWaiter::wait(finished, 1, 2000));
    QCOMPARE(reply->error(), InvokeReplyError::NoTarget);
    QVERIFY(reply->errorCode() != 0);
    QCOMPARE(done.count(), 0);
    QCOMPARE(InvokeManager::recordedRequests().size(), 1);
}

void tst_InvokeManager::requestWithoutTargetLetsTheSystemChoose()
{
    InvokeManager manager;
    InvokeRequest request;
    request.setAction("hx.action.MAP");
    request.setMimeType("application/vnd.korvane.place-id");
    request.setData("JSON {\"placeId\":12}");
    InvokeTargetReply *reply = manager.invoke(request);
    QSignalSpy finished(reply, &InvokeTargetReply::finished);
    QVERIFY(hx::test::SignalWaiter::wait(finished, 1, 2000));
    QCOMPARE(reply->errorCode(), 0);
}

void tst_InvokeManager::requestWithNothingToSendGivesNoReply()
{
    InvokeManager manager;
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("needs an action or a target"));
    QVERIFY(!manager.invoke(InvokeRequest()));
}

void tst_InvokeManager::cardDoneAfterTheInvokerIsGoneIsDropped()
{
    InvokedCard opened;
    InvokeManager::bindTarget("sys.places.placepicker", [&](const InvokedCard &card) { opened = card; });
    auto *manager = new InvokeManager;
    InvokeRequest request;
    request.setTarget("sys.places.placepicker");
    manager->invoke(request);
    QVERIFY(hx::test::SignalWaiter::waitFor([&] { return !opened.isNull(); }, 2000));
    delete manager;
    QVERIFY(opened.done(CardDoneMessage("cancel", QString())));
    QCoreApplication::processEvents();
}

void tst_InvokeManager::queryBecomesARequest()
{
    InvokeQuery query;
    QSignalSpy changed(&query, &InvokeQuery::queryChanged);
    query.setInvokeActionId("hx.action.SHARE");
    query.setUri(QStringLiteral("geo:43.5,-80.25"));
    query.setMetadata({ { "name", "Cafe" } });
    query.setMimeType("text/plain");
    query.updateQuery();
    QCOMPARE(changed.count(), 1);

    const InvokeRequest request = query.toRequest();
    QCOMPARE(request.action(), QString("hx.action.SHARE"));
    QCOMPARE(request.uri().toString(), QString("geo:43.5,-80.25"));
    QCOMPARE(request.metadata().value("name").toString(), QString("Cafe"));
    QCOMPARE(query.toRequest("hx.action.MAP").action(), QString("hx.action.MAP"));
}

QTEST_GUILESS_MAIN(tst_InvokeManager)
#include "tst_invokemanager.moc"
