#include <hx/system/invokemanager.h>
#include <hx/system/invokerequest.h>
#include <hx/trellan/label.h>
#include <hx/trellan/places/browserutils.h>
#include <hx/trellan/places/detaillistitem.h>
#include <hx/trellan/places/emailtext.h>
#include <hx/trellan/places/imageset.h>
#include <hx/trellan/places/phonetext.h>
#include <hx/trellan/places/uritext.h>
#include <hx/trellan/testdriver.h>

#include "testroots.h"

#include <QtTest/QSignalSpy>
#include <QtTest/QtTest>

using hx::system::InvokeManager;
using hx::system::InvokeRequest;
using hx::trellan::Control;
using hx::trellan::Label;
using hx::trellan::TestDriver;
using namespace hx::trellan::places;

namespace {

enum Kind { Phone, ActivePhone, Email, Web };

// A details row holding one value text, as the card shows it.
DetailListItem *rowWith(Kind kind, const QString &text, bool assistant)
{
    Control *value = nullptr;
    switch (kind) {
    case Phone:
        value = new PhoneText(text, false, false, assistant);
        break;
    case ActivePhone:
        value = new PhoneText(text, true, false, assistant);
        break;
    case Email:
        value = new EmailText(text, false);
        break;
    case Web:
        value = new UriText(text, false);
        break;
    }
    value->setObjectName(QStringLiteral("Value"));
    return new DetailListItem(ImageSet::PHONE(), new Label(QStringLiteral("Caption")), value, true, true);
}

void settle()
{
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

} // namespace

class tst_ValueTexts : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void tapInvokes_data();
    void tapInvokes();
    void assistantNeverDials_data();
    void assistantNeverDials();
    void webAddressThatCannotOpenIsLogged();

private:
    QScopedPointer<hx::test::TestRoots> m_roots;
};

void tst_ValueTexts::init()
{
    m_roots.reset(new hx::test::TestRoots);
    InvokeManager::clearRecordedRequests();
}

void tst_ValueTexts::cleanup()
{
    settle();
    m_roots.reset();
}

void tst_ValueTexts::tapInvokes_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("tapped"); // the value itself, or the row around it
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("action");
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QString>("uri");

    QTest::newRow("a tapped phone number dials it") << int(Phone) << "Value"
                                                    << "+1 519-555-0100"
                                                    << "hx.action.DIAL" << QByteArray("+1 519-555-0100") << "";
    QTest::newRow("a tap on the row of a phone number dials it")
        << int(Phone) << "DetailListItem"
        << "519-555-0100"
        << "hx.action.DIAL" << QByteArray("519-555-0100") << "";
    QTest::newRow("a marked-up phone number dials from its row") << int(ActivePhone) << "DetailListItem"
                                                                 << "555 0100"
                                                                 << "hx.action.DIAL" << QByteArray("555 0100") << "";
    QTest::newRow("an e-mail address composes a message")
        << int(Email) << "Value"
        << "info@pyrus.example"
        << "hx.action.COMPOSE" << QByteArray("{ \"to\" : [\"info@pyrus.example\"] }") << "";
    QTest::newRow("a web address opens the browser")
        << int(Web) << "DetailListItem"
        << "www.pyrus.example/menu"
        << "hx.action.OPEN" << QByteArray() << "http://www.pyrus.example/menu";
}

void tst_ValueTexts::tapInvokes()
{
    QFETCH(int, kind);
    QFETCH(QString, tapped);
    QFETCH(QString, text);
    QFETCH(QString, action);
    QFETCH(QByteArray, data);
    QFETCH(QString, uri);

    QScopedPointer<DetailListItem> row(rowWith(Kind(kind), text, false));
    if (kind == Web)
        QTest::ignoreMessage(QtWarningMsg,
                             "hx::trellan::places::BrowserUtils::onInvokeReplyFinished(): failed invoking, error =1");
    QVERIFY2(TestDriver::tap(row.data(), tapped), qPrintable(TestDriver::lastError()));
    const QList<InvokeRequest> requests = InvokeManager::recordedRequests();
    QCOMPARE(requests.size(), 1);
    QCOMPARE(requests.first().action(), action);
    QCOMPARE(requests.first().data(), data);
    QCOMPARE(requests.first().uri().toString(), uri);
    // Nobody answers to the browser here: its reply reports that, then is cleaned up.
    if (auto *browser = row->findChild<BrowserUtils *>())
        QTRY_COMPARE(browser->findChildren<QObject *>().size(), 1);
}

void tst_ValueTexts::assistantNeverDials_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("tapped");
    QTest::newRow("the number itself") << int(Phone) << "Value";
    QTest::newRow("the row of the number") << int(Phone) << "DetailListItem";
    QTest::newRow("the row of a marked-up number") << int(ActivePhone) << "DetailListItem";
}

void tst_ValueTexts::assistantNeverDials()
{
    QFETCH(int, kind);
    QFETCH(QString, tapped);
    QScopedPointer<DetailListItem> row(rowWith(Kind(kind), QStringLiteral("+1 519-555-0100"), true));
    auto *phone = TestDriver::find<PhoneText>(row.data(), QStringLiteral("Value"));
    QSignalSpy call(phone, &PhoneText::makeZANTCall);
    QVERIFY2(TestDriver::tap(row.data(), tapped), qPrintable(TestDriver::lastError()));
    QCOMPARE(call.size(), 1);
    QCOMPARE(call.first().first().toString(), QStringLiteral("+1 519-555-0100"));
    QVERIFY(InvokeManager::recordedRequests().isEmpty());
}

void tst_ValueTexts::webAddressThatCannotOpenIsLogged()
{
    QScopedPointer<DetailListItem> row(rowWith(Web, QString(), false));
    QTest::ignoreMessage(QtCriticalMsg,
                         "hx::trellan::places::BrowserUtils::openUri(): uri is empty. Aborting the open URI request.");
    QTest::ignoreMessage(
        QtWarningMsg,
        "hx::trellan::places::UriText::onDetailListItemTapped() error opening browser with the URL provided");
    QVERIFY(TestDriver::tap(row.data(), QStringLiteral("Value")));
    QVERIFY(InvokeManager::recordedRequests().isEmpty());
}

QTEST_GUILESS_MAIN(tst_ValueTexts)
#include "tst_valuetexts.moc"
