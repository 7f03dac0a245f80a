#include <hx/msgclient/base64.h>

#include <QtTest/QtTest>

class tst_Base64 : public QObject
{
    Q_OBJECT

private slots:
    void encodes_data();
    void encodes();
    void refusesATargetTooSmall();
};

void tst_Base64::encodes_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("nothing") << QByteArray() << QByteArray("");
    QTest::newRow("one byte gets two pads") << QByteArray("f") << QByteArray("Zg==");
    QTest::newRow("two bytes get one pad") << QByteArray("fo") << QByteArray("Zm8=");
    QTest::newRow("three bytes need no pad") << QByteArray("foo") << QByteArray("Zm9v");
    QTest::newRow("six bytes") << QByteArray("foobar") << QByteArray("Zm9vYmFy");
    QTest::newRow("every bit set uses the last letters") << QByteArray("\xff\xfe\xfb", 3) << QByteArray("//77");
    QTest::newRow("zero bytes") << QByteArray("\0\0", 2) << QByteArray("AAA=");
    QTest::newRow("a place id in Latin-1") << QByteArray("Caf\xe9 42") << QByteArray("Q2Fm6SA0Mg==");
}

void tst_Base64::encodes()
{
    QFETCH(QByteArray, data);
    QFETCH(QByteArray, expected);
    // The buffer size callers use: 4 * (length / 3 + 2).
    QByteArray target(4 * (data.size() / 3 + 2), 'x');
    const int written = hx_base64_encode(reinterpret_cast<const unsigned char *>(data.constData()), size_t(data.size()),
                                         target.data(), size_t(target.size()));
    QCOMPARE(written, expected.size());
    QCOMPARE(QByteArray(target.constData()), expected);
    QCOMPARE(QByteArray(target.constData()), data.toBase64());
}

void tst_Base64::refusesATargetTooSmall()
{
    char target[8] = "garbage";
    // "foobar" needs 8 characters and the NUL.
    QCOMPARE(hx_base64_encode(reinterpret_cast<const unsigned char *>("foobar"), 6, target, sizeof target), -1);
    QCOMPARE(target[0], '\0');
    QCOMPARE(hx_base64_encode(reinterpret_cast<const unsigned char *>("f"), 1, nullptr, 16), -1);
    char exact[5];
    QCOMPARE(hx_base64_encode(reinterpret_cast<const unsigned char *>("foo"), 3, exact, sizeof exact), 4);
}

QTEST_APPLESS_MAIN(tst_Base64)
#include "tst_base64.moc"
