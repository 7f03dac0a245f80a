#include <hx/trellan/places/jsonutils.h>
#include <hx/trellan/places/placemanagerui.h>
#include <hx/trellan/places/placepicker.h>
#include <hx/trellan/places/selectedplace.h>

#include <hx/platform/places/place.h>
#include <hx/system/cardregistry.h>
#include <hx/system/invokemanager.h>

#include "gazetteerfixture.h"
#include "ppsstatusfile.h"
#include "records/selectedplace_p.h"
#include "signalwaiter.h"
#include "testroots.h"

#include <QtCore/QDir>
#include <QtCore/QFile>
#include <QtCore/QJsonDocument>
#include <QtCore/QJsonObject>
#include <QtCore/QPointer>
#include <QtCore/QTemporaryDir>
#include <QtCore/QTimer>
#include <QtTest/QSignalSpy>
#include <QtTest/QtTest>

#include <csignal>

using namespace hx::system;
using namespace hx::test;
using namespace hx::trellan::places;

namespace {

const QString TEST_TARGET = QStringLiteral("sys.test.card");
const QString PICKER_TARGET = QStringLiteral("sys.places.placepicker");

void setMode(const QString &mode, const QString &data = QString())
{
    qputenv("HX_TESTCARD_MODE", mode.toUtf8());
    qputenv("HX_TESTCARD_DATA", data.toUtf8());
}

InvokeRequest testRequest()
{
    InvokeRequest request;
    request.setAction(QStringLiteral("hx.action.VIEW"));
    request.setTarget(TEST_TARGET);
    return request;
}

CardDoneMessage messageAt(const QSignalSpy &spy, int index)
{
    return spy.at(index).first().value<CardDoneMessage>();
}

} // namespace

class tst_CardPrograms : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void cardOutcomes_data();
    void cardOutcomes();
    void invocationReachesTheCardWhole();
    void cardSocketIsTheUsersAlone();
    void killedCardEndsWithoutData();
    void cardInvokedWhileOneIsOpenIsRefused();
    void nextCardStartsOnceTheFirstHasEnded();
    void cardRunsTheStepsHandedToIt_data();
    void cardRunsTheStepsHandedToIt();
    void registryDecidesWhoAnswers_data();
    void registryDecidesWhoAnswers();
    void inProcessBindingWinsOverTheRegistry();
    void pickerShowReturnsWhatTheCardAnswers_data();
    void pickerShowReturnsWhatTheCardAnswers();
    void pickThroughThePickerCard_data();
    void pickThroughThePickerCard();

private:
    void registerCard(const QString &target, const QString &program);

    QScopedPointer<TestRoots> m_roots;
    QScopedPointer<QTemporaryDir> m_registry;
};

void tst_CardPrograms::init()
{
    m_roots.reset(new TestRoots);
    QVERIFY(m_roots->isValid());
    m_registry.reset(new QTemporaryDir);
    QVERIFY(m_registry->isValid());
    qputenv("HX_CARD_REGISTRY", QFile::encodeName(m_registry->path()));
    registerCard(TEST_TARGET, QStringLiteral(HX_TESTCARD_PATH));
    InvokeManager::setDefaultCardTimeout(20000);
    qunsetenv("HX_TESTCARD_PIDFILE");
}

void tst_CardPrograms::cleanup()
{
    qunsetenv("HX_CARD_REGISTRY");
    qunsetenv("HX_TESTCARD_MODE");
    qunsetenv("HX_TESTCARD_DATA");
    InvokeManager::unbindTarget(TEST_TARGET);
    m_registry.reset();
    m_roots.reset();
}

void tst_CardPrograms::registerCard(const QString &target, const QString &program)
{
    QFile entry(QDir(m_registry->path()).filePath(target + QStringLiteral(".json")));
    QVERIFY(entry.open(QIODevice::WriteOnly));
    const QJsonObject object { { "target", target }, { "program", program } };
    entry.write(QJsonDocument(object).toJson());
}

void tst_CardPrograms::cardOutcomes_data()
{
    QTest::addColumn<QString>("mode");
    QTest::addColumn<int>("timeoutMs");
    QTest::addColumn<QString>("reason");
    QTest::addColumn<QString>("data");

    QTest::newRow("answers") << "answer" << 20000 << "done"
                             << "{\"name\":\"Kitchener\"}";
    QTest::newRow("answers with unicode and newlines") << "answer" << 20000 << "done"
                                                       << "Caf\u00e9\n\"Zo\u00eb\"";
    QTest::newRow("answers with a megabyte")
        << "large" << 20000 << "done" << QString(1 << 20, QLatin1Char('x')) + QStringLiteral("end");
    QTest::newRow("answers more than a card may send") << "huge" << 20000 << "hx.answer-too-long"
                                                       << "";
    QTest::newRow("cancels") << "cancel" << 20000 << "cancel"
                             << "";
    QTest::newRow("crashes") << "crash" << 20000 << "hx.crashed"
                             << "";
    QTest::newRow("leaves without answering") << "leave" << 20000 << "hx.left-without-answer"
                                              << "";
    QTest::newRow("never answers") << "hang" << 300 << "hx.timed-out"
                                   << "";
}

void tst_CardPrograms::cardOutcomes()
{
    QFETCH(QString, mode);
    QFETCH(int, timeoutMs);
    QFETCH(QString, reason);
    QFETCH(QString, data);
    // Only an answering card reads its data from the environment, which holds no megabyte.
    setMode(mode, mode == QLatin1String("answer") ? data : QString());

    InvokeManager manager;
    manager.setCardTimeout(timeoutMs);
    QSignalSpy done(&manager, &InvokeManager::childCardDone);
    InvokeTargetReply *reply = manager.invoke(testRequest());
    QVERIFY(reply);
    QSignalSpy finished(reply, &InvokeTargetReply::finished);
    QVERIFY(SignalWaiter::wait(done, 1, 10000));
    QCOMPARE(finished.count(), 1);
    QCOMPARE(reply->error(), InvokeReplyError::None);
    QCOMPARE(messageAt(done, 0).reason(), reason);
    QCOMPARE(messageAt(done, 0).data(), data);

    // A second card runs to its end; the first must not have answered again meanwhile. It gets
    // the usual time: a slow start must not end it too.
    setMode("cancel");
    manager.setCardTimeout(20000);
    manager.invoke(testRequest());
    QVERIFY(SignalWaiter::wait(done, 2, 10000));
    QCOMPARE(done.count(), 2);
    QCOMPARE(messageAt(done, 1).reason(), QString("cancel"));
}

void tst_CardPrograms::invocationReachesTheCardWhole()
{
    setMode("echo");
    InvokeManager manager;
    QSignalSpy done(&manager, &InvokeManager::childCardDone);
    InvokeRequest request = testRequest();
    request.setMimeType(QStringLiteral("application/vnd.korvane.place"));
    request.setUri(QStringLiteral("places:location?currentLat=43.4643000&currentLon=-80.5204000"));
    const QByteArray data("binary\0\n\xff place", 16);
    request.setData(data);
    request.setMetadata({ { "placeId", 7 } });
    manager.invoke(request);
    QVERIFY(SignalWaiter::wait(done, 1, 10000));

    const QJsonObject seen = QJsonDocument::fromJson(messageAt(done, 0).data().toUtf8()).object();
    QCOMPARE(seen.value("action").toString(), request.action());
    QCOMPARE(seen.value("target").toString(), TEST_TARGET);
    QCOMPARE(seen.value("mimeType").toString(), request.mimeType());
    QCOMPARE(seen.value("uri").toString(), request.uri().toString());
    QCOMPARE(QByteArray::fromHex(seen.value("data").toString().toLatin1()), data);
    QCOMPARE(seen.value("metadata").toObject().value("placeId").toInt(), 7);
    QCOMPARE(messageAt(done, 0).dataType(), QString("application/json"));
}

void tst_CardPrograms::cardSocketIsTheUsersAlone()
{
    setMode("mode");
    InvokeManager manager;
    QSignalSpy done(&manager, &InvokeManager::childCardDone);
    manager.invoke(testRequest());
    QVERIFY(SignalWaiter::wait(done, 1, 10000));
    QCOMPARE(messageAt(done, 0).data(), QString("600"));
    // The socket leaves the message root with the card.
    QVERIFY2(QDir(m_roots->messageRoot()).entryList({ "card.*" }, QDir::System | QDir::Files).isEmpty(),
             qPrintable(QDir(m_roots->messageRoot()).entryList(QDir::System | QDir::Files).join(", ")));
}

void tst_CardPrograms::killedCardEndsWithoutData()
{
    setMode("hang");
    const QString pidFile = m_roots->path() + QStringLiteral("/card.pid");
    qputenv("HX_TESTCARD_PIDFILE", QFile::encodeName(pidFile));
    InvokeManager manager;
    // No time-out: only the end of the program itself can end the wait.
    manager.setCardTimeout(0);
    QSignalSpy done(&manager, &InvokeManager::childCardDone);
    manager.invoke(testRequest());
    QVERIFY(SignalWaiter::waitFor([&] { return QFile(pidFile).size() > 0; }, 10000));
    QFile file(pidFile);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const qint64 pid = file.readAll().toLongLong();
    QVERIFY(pid > 0);

    QCOMPARE(::kill(pid_t(pid), SIGKILL), 0);
    QVERIFY(SignalWaiter::wait(done, 1, 60000));
    QCOMPARE(messageAt(done, 0), CardDoneMessage(QLatin1String(CardDoneMessage::Crashed), QString()));
}

void tst_CardPrograms::cardInvokedWhileOneIsOpenIsRefused()
{
    setMode("hang");
    InvokeManager first;
    first.setCardTimeout(0);
    QSignalSpy firstDone(&first, &InvokeManager::childCardDone);
    QSignalSpy firstFinished(first.invoke(testRequest()), &InvokeTargetReply::finished);
    QVERIFY(SignalWaiter::wait(firstFinished, 1, 5000));

    InvokeManager second;
    QSignalSpy secondDone(&second, &InvokeManager::childCardDone);
    InvokeTargetReply *refused = second.invoke(testRequest());
    QVERIFY(refused);
    QSignalSpy refusedFinished(refused, &InvokeTargetReply::finished);
    QVERIFY(SignalWaiter::wait(secondDone, 1, 5000));
    QCOMPARE(refusedFinished.count(), 1);
    QCOMPARE(refused->error(), InvokeReplyError::CardOpen);
    QCOMPARE(messageAt(secondDone, 0), CardDoneMessage(QLatin1String(CardDoneMessage::CardOpen), QString()));
    QCOMPARE(firstDone.count(), 0);
}

void tst_CardPrograms::nextCardStartsOnceTheFirstHasEnded()
{
    setMode("hang");
    {
        InvokeManager first;
        first.setCardTimeout(0);
        QSignalSpy finished(first.invoke(testRequest()), &InvokeTargetReply::finished);
        QVERIFY(SignalWaiter::wait(finished, 1, 5000));
        // Leaving takes the open card with it.
    }
    setMode("answer", "second");
    InvokeManager next;
    QSignalSpy done(&next, &InvokeManager::childCardDone);
    InvokeTargetReply *reply = next.invoke(testRequest());
    QVERIFY(SignalWaiter::wait(done, 1, 10000));
    QCOMPARE(reply->error(), InvokeReplyError::None);
    QCOMPARE(messageAt(done, 0).data(), QString("second"));
}

void tst_CardPrograms::cardRunsTheStepsHandedToIt_data()
{
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QString>("reason");
    QTest::addColumn<QString>("data");

    QTest::newRow("typed and done") << "type Name kitch\ntap Done"
                                    << "done"
                                    << "kitch";
    QTest::newRow("steps end before the card") << "type Name kitch"
                                               << "cancel"
                                               << "";
    QTest::newRow("a step that cannot be done") << "tap Nowhere\ntap Done"
                                                << "cancel"
                                                << "";
}

void tst_CardPrograms::cardRunsTheStepsHandedToIt()
{
    QFETCH(QString, steps);
    QFETCH(QString, reason);
    QFETCH(QString, data);
    setMode("steps");
    qputenv("HX_CARD_STEPS", steps.toUtf8());
    InvokeManager manager;
    QSignalSpy done(&manager, &InvokeManager::childCardDone);
    manager.invoke(testRequest());
    const bool answered = SignalWaiter::wait(done, 1, 15000);
    qunsetenv("HX_CARD_STEPS");
    QVERIFY(answered);
    QCOMPARE(messageAt(done, 0).reason(), reason);
    QCOMPARE(messageAt(done, 0).data(), data);
}

void tst_CardPrograms::registryDecidesWhoAnswers_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<bool>("starts");

    QTest::newRow("listed program")
        << QString("{\"target\":\"sys.other.card\",\"program\":\"%1\"}").arg(HX_TESTCARD_PATH) << true;
    QTest::newRow("program that does not exist")
        << "{\"target\":\"sys.other.card\",\"program\":\"/nonexistent/hx-nothing\"}" << false;
    QTest::newRow("entry for another target")
        << QString("{\"target\":\"sys.another\",\"program\":\"%1\"}").arg(HX_TESTCARD_PATH) << false;
    QTest::newRow("unreadable entry") << "{\"target\":" << false;
}

void tst_CardPrograms::registryDecidesWhoAnswers()
{
    QFETCH(QString, entry);
    QFETCH(bool, starts);
    QFile file(QDir(m_registry->path()).filePath("other.json"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(entry.toUtf8());
    file.close();
    setMode("answer", "other");

    QCOMPARE(CardRegistry::programFor("sys.other.card").isEmpty(), !starts);
    InvokeManager manager;
    QSignalSpy done(&manager, &InvokeManager::childCardDone);
    InvokeRequest request = testRequest();
    request.setTarget("sys.other.card");
    InvokeTargetReply *reply = manager.invoke(request);
    QSignalSpy finished(reply, &InvokeTargetReply::finished);
    QVERIFY(SignalWaiter::wait(finished, 1, 5000));
    QCOMPARE(reply->error(), starts ? InvokeReplyError::None : InvokeReplyError::NoTarget);
    if (starts) {
        QVERIFY(SignalWaiter::wait(done, 1, 10000));
        QCOMPARE(messageAt(done, 0).data(), QString("other"));
    } else {
        QCOMPARE(done.count(), 0);
    }
}

void tst_CardPrograms::inProcessBindingWinsOverTheRegistry()
{
    setMode("answer", "from the program");
    InvokeManager::bindTarget(TEST_TARGET,
                              [](const InvokedCard &card) { card.done(CardDoneMessage("done", "in process")); });
    InvokeManager manager;
    QSignalSpy done(&manager, &InvokeManager::childCardDone);
    manager.invoke(testRequest());
    QVERIFY(SignalWaiter::wait(done, 1, 5000));
    QCOMPARE(messageAt(done, 0).data(), QString("in process"));
}

void tst_CardPrograms::pickerShowReturnsWhatTheCardAnswers_data()
{
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QString>("name");
    QTest::addColumn<PlacePicker::Outcome>("outcome");

    QTest::newRow("picked") << "answer"
                            << "Kitchener City Hall" << PlacePicker::Picked;
    QTest::newRow("cancelled") << "cancel"
                               << "" << PlacePicker::Cancelled;
    QTest::newRow("a place without an id") << "unstored"
                                           << "" << PlacePicker::NotStored;
    QTest::newRow("too large") << "huge"
                               << "" << PlacePicker::AnswerTooLarge;
    QTest::newRow("crashed") << "crash"
                             << "" << PlacePicker::CardFailed;
    QTest::newRow("never answers") << "hang"
                                   << "" << PlacePicker::CardFailed;
}

void tst_CardPrograms::pickerShowReturnsWhatTheCardAnswers()
{
    QFETCH(QString, mode);
    QFETCH(QString, name);
    QFETCH(PlacePicker::Outcome, outcome);
    registerCard(PICKER_TARGET, QStringLiteral(HX_TESTCARD_PATH));
    QSharedPointer<hx::platform::places::Place> place(new hx::platform::places::Place(
        name,
        hx::platform::places::Location(hx::platform::places::Coordinates(43.4516, -80.4925),
                                       hx::platform::places::Address())));
    // As the picker card does: the pick is stored as a recent place before it travels.
    if (!name.isEmpty())
        QCOMPARE(PlaceManagerUI::savePickedPlace(place, false), hx::platform::places::Error::None);
    QScopedPointer<SelectedPlace> selected(SelectedPlacePrivate::placeToSelectedPlace(place));
    const QString json = JsonUtils::encodeSelectedPlaceToJson(selected.data());
    setMode(mode, json);
    // Long enough for a card to write more than it may send, short for one that never answers.
    InvokeManager::setDefaultCardTimeout(mode == QLatin1String("hang") ? 500 : 20000);

    // The caller's event loop stays alive while show() waits for the card.
    bool callerServed = false;
    QTimer::singleShot(0, [&] { callerServed = true; });
    PlacePicker picker;
    SelectedPlace *result = picker.show();
    QVERIFY(callerServed);
    QCOMPARE(picker.outcome(), outcome);
    // Only a pick goes without a word for the user.
    QCOMPARE(picker.errorString().isEmpty(), outcome == PlacePicker::Picked);
    if (name.isEmpty()) {
        QVERIFY(!result);
    } else {
        QVERIFY2(result, qPrintable(json));
        QCOMPARE(result->name(), name);
        QCOMPARE(qint64(result->id()), place->id());
        QCOMPARE(result->parent(), &picker);
    }
}

void tst_CardPrograms::pickThroughThePickerCard_data()
{
    QTest::addColumn<QString>("steps");
    QTest::addColumn<int>("timeoutMs");
    QTest::addColumn<QString>("picked");

    QTest::addColumn<PlacePicker::Outcome>("outcome");

    QTest::newRow("types and taps a row") << "type SearchField kitch\ntap-part SearchList 2 ItemTitle" << 30000
                                          << "Kitchener City Hall" << PlacePicker::Picked;
    QTest::newRow("cancelled") << "action CancelPickerButton" << 30000 << "" << PlacePicker::Cancelled;
    // Ended by the time-out, not by its steps.
    QTest::newRow("never answers") << "type SearchField kitch\nwait 60000" << 1500 << "" << PlacePicker::CardFailed;
}

void tst_CardPrograms::pickThroughThePickerCard()
{
    QFETCH(QString, steps);
    QFETCH(int, timeoutMs);
    QFETCH(QString, picked);
    QFETCH(PlacePicker::Outcome, outcome);
    QVERIFY(GazetteerFixture::write(m_roots->gazetteerPath(),
                                    { GazetteerFixture::poi(QStringLiteral("Kitchener City Hall"), 43.4516, -80.4925),
                                      GazetteerFixture::poi(QStringLiteral("Waterloo Park"), 43.4668, -80.5268) }));
    QVERIFY(PpsStatusFile::write("/pps/services/networking/status_public", "@status_public\nip_ok::yes\n"));
    QVERIFY(PpsStatusFile::write("/pps/services/geolocation/status",
                                 "@status\nstatus:json:{\"location_manager_location_on\":true}\n"));
    registerCard(PICKER_TARGET, QStringLiteral(HX_PICKERCARD_PATH));
    qputenv("HX_CARD_STEPS", steps.toUtf8());
    InvokeManager::setDefaultCardTimeout(timeoutMs);

    PlacePicker picker;
    SelectedPlace *result = picker.show();
    qunsetenv("HX_CARD_STEPS");
    QCOMPARE(result ? result->name() : QString(), picked);
    QCOMPARE(picker.outcome(), outcome);

    hx::platform::places::Error::Type error = hx::platform::places::Error::None;
    hx::platform::places::SearchHandle handle;
    QStringList recents;
    for (hx::platform::places::PlaceHeader *header :
         PlaceManagerUI::findRecentlyPickedPlaces(error, handle, 0, 50, false)) {
        recents << header->name();
        delete header;
    }
    QCOMPARE(recents, picked.isEmpty() ? QStringList() : QStringList { picked });
}

QTEST_MAIN(tst_CardPrograms)
#include "tst_cardprograms.moc"
