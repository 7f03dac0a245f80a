#include <hx/trellan/places/placecardreturnmessage.h>

#include <QtTest/QtTest>

using hx::trellan::places::PlaceCardReturnMessage;
using Status = PlaceCardReturnMessage::ReturnedPlaceStatus;

class tst_PlaceCardReturnMessage : public QObject
{
    Q_OBJECT

private slots:
    void toText_data();
    void toText();
    void fromText_data();
    void fromText();
};

void tst_PlaceCardReturnMessage::toText_data()
{
    QTest::addColumn<qint64>("id");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("text");

    QTest::newRow("a selected place") << qint64(1234) << 3 << "1234:SELECTED";
    QTest::newRow("an existing place") << qint64(1) << 1 << "1:EXISTED";
    QTest::newRow("a modified place") << qint64(2) << 2 << "2:MODIFIED";
    QTest::newRow("a place selected after changes") << qint64(3) << 4 << "3:SELECTEDMODIFIED";
    QTest::newRow("a status out of range is unknown") << qint64(7) << 9 << "7:UNKNOWN";
    QTest::newRow("a negative status is unknown") << qint64(7) << -1 << "7:UNKNOWN";
    QTest::newRow("an id wider than 32 bits is written whole") << qint64(5000000000) << 3 << "5000000000:SELECTED";
}

void tst_PlaceCardReturnMessage::toText()
{
    QFETCH(qint64, id);
    QFETCH(int, status);
    QFETCH(QString, text);
    QCOMPARE(PlaceCardReturnMessage(id, Status(status)).toString(), text);
}

void tst_PlaceCardReturnMessage::fromText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<qint64>("id");
    QTest::addColumn<int>("status");

    QTest::newRow("a place selected after changes") << "1234:SELECTEDMODIFIED" << qint64(1234) << 4;
    QTest::newRow("an empty part between the colons is skipped") << "1234::SELECTED" << qint64(1234) << 3;
    QTest::newRow("the id -1 drops the status") << "-1:SELECTED" << qint64(-1) << 0;
    QTest::newRow("an id that is not a number drops the status") << "abc:SELECTED" << qint64(-1) << 0;
    QTest::newRow("an id alone is the default message") << "1234" << qint64(-1) << 0;
    QTest::newRow("the status word is case-sensitive") << "1234:selected" << qint64(1234) << 0;
    QTest::newRow("an id above 32 bits does not parse") << "2147483648:SELECTED" << qint64(-1) << 0;
    QTest::newRow("the largest 32-bit id parses") << "2147483647:EXISTED" << qint64(2147483647) << 1;
    QTest::newRow("a negative id other than -1 keeps its status") << "-5:MODIFIED" << qint64(-5) << 2;
    QTest::newRow("further parts are ignored") << "12:EXISTED:MODIFIED" << qint64(12) << 1;
    QTest::newRow("an empty text is the default message") << "" << qint64(-1) << 0;
    QTest::newRow("a hexadecimal id does not parse") << "0x10:SELECTED" << qint64(-1) << 0;
}

void tst_PlaceCardReturnMessage::fromText()
{
    QFETCH(QString, text);
    QFETCH(qint64, id);
    QFETCH(int, status);
    const PlaceCardReturnMessage message = PlaceCardReturnMessage::fromString(text);
    QCOMPARE(message.getId(), id);
    QCOMPARE(int(message.getStatus()), status);
}

QTEST_GUILESS_MAIN(tst_PlaceCardReturnMessage)
#include "tst_placecardreturnmessage.moc"
