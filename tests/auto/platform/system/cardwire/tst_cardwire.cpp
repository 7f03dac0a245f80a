#include "cardwire_p.h"

#include <hx/system/invokerequest.h>

#include <QtTest/QtTest>

using hx::system::CardWire;
using hx::system::InvokeRequest;
using hx::system::SecurityPerimeter;

// The invocation line a card reads from its socket.
class tst_CardWire : public QObject
{
    Q_OBJECT

private slots:
    void perimeterOfAnInvocation_data();
    void perimeterOfAnInvocation();
};

void tst_CardWire::perimeterOfAnInvocation_data()
{
    QTest::addColumn<QByteArray>("perimeter"); // the member as written on the line; empty: none
    QTest::addColumn<bool>("decoded");
    QTest::addColumn<int>("expected");

    QTest::newRow("none is the default") << QByteArray() << true << int(SecurityPerimeter::Default);
    QTest::newRow("enterprise") << QByteArray("1") << true << int(SecurityPerimeter::Enterprise);
    QTest::newRow("personal") << QByteArray("2") << true << int(SecurityPerimeter::Personal);
    QTest::newRow("one past the last") << QByteArray("3") << false << 0;
    QTest::newRow("negative") << QByteArray("-1") << false << 0;
    QTest::newRow("past an int") << QByteArray("99999999999") << false << 0;
    QTest::newRow("a fraction") << QByteArray("1.5") << false << 0;
    QTest::newRow("a text") << QByteArray("\"1\"") << false << 0;
    // A line that names a member twice is refused whole: Qt's reader would leak on it.
    QTest::newRow("named twice") << QByteArray("1,\"perimeter\":2") << false << 0;
}

void tst_CardWire::perimeterOfAnInvocation()
{
    QFETCH(QByteArray, perimeter);
    QFETCH(bool, decoded);
    QFETCH(int, expected);

    QByteArray line = R"({"action":"hx.action.VIEW","target":"sys.places.placepreviewer")";
    if (!perimeter.isEmpty())
        line += R"(,"perimeter":)" + perimeter;
    line += "}\n";
    InvokeRequest request;
    QCOMPARE(CardWire::decodeRequest(line, &request), decoded);
    if (!decoded)
        return;
    QCOMPARE(int(request.perimeter()), expected);
    InvokeRequest again;
    QVERIFY(CardWire::decodeRequest(CardWire::encodeRequest(request), &again));
    QCOMPARE(again.perimeter(), request.perimeter());
    QCOMPARE(again.target(), QStringLiteral("sys.places.placepreviewer"));
}

QTEST_GUILESS_MAIN(tst_CardWire)
#include "tst_cardwire.moc"
