#include <hx/pps/plainjson.h>

#include <QtCore/QByteArray>
#include <QtCore/QJsonDocument>
#include <QtCore/QJsonObject>
#include <QtTest/QtTest>

class tst_PlainJson : public QObject
{
    Q_OBJECT

private slots:
    void repeatedNamesAreFound_data();
    void repeatedNamesAreFound();
    void textQtWritesIsPlain_data();
    void textQtWritesIsPlain();
};

void tst_PlainJson::repeatedNamesAreFound_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<bool>("plain");

    QTest::newRow("a name given twice at the top") << QByteArray("{\"a\":1,\"a\":2}") << false;
    QTest::newRow("a name given twice with an object first") << QByteArray("{\"a\":{\"b\":[1]},\"a\":2}") << false;
    QTest::newRow("a name given twice in an object in an array")
        << QByteArray("[1,{\"x\":{},\"y\":[{\"a\":1,\"b\":2,\"a\":3}]}]") << false;
    QTest::newRow("a name and its escaped spelling") << QByteArray("{\"a\":1,\"\\u0061\":2}") << false;
    QTest::newRow("a name and its spelling as an escaped pair")
        << QByteArray("{\"\xf0\x9f\x98\x80\":1,\"\\ud83d\\ude00\":2}") << false;
    QTest::newRow("a name given again after a string with a brace and a comma")
        << QByteArray("{\"a\":\"},{\\\"\",\"a\":2}") << false;

    QTest::newRow("the same name in sibling objects") << QByteArray("[{\"a\":1},{\"a\":2}]") << true;
    QTest::newRow("the same name at two depths") << QByteArray("{\"a\":{\"a\":{\"a\":1}}}") << true;
    QTest::newRow("a value spelled like the next name") << QByteArray("{\"a\":\"b\",\"b\":\"a\"}") << true;
    QTest::newRow("names that differ only after an escaped NUL")
        << QByteArray("{\"a\\u0000b\":1,\"a\\u0000c\":2}") << true;
    QTest::newRow("names that differ only in a lone surrogate")
        << QByteArray("{\"\\ud800x\":1,\"\\udc00x\":2}") << true;
    QTest::newRow("names in an array of strings") << QByteArray("[\"a\",\"a\"]") << true;
    QTest::newRow("a plain scalar") << QByteArray("\"a\"") << true;

    QTest::newRow("empty text") << QByteArray() << false;
    QTest::newRow("a trailing comma") << QByteArray("{\"a\":1,}") << false;
    QTest::newRow("an unclosed object") << QByteArray("{\"a\":{\"a\":1}") << false;
    QTest::newRow("an unclosed name") << QByteArray("{\"a") << false;
    QTest::newRow("bytes that are not UTF-8") << QByteArray("{\"\xff\":1}") << false;
}

void tst_PlainJson::repeatedNamesAreFound()
{
    QFETCH(QByteArray, text);
    QFETCH(bool, plain);
    QCOMPARE(hx::pps::isPlainJson(text), plain);
}

// What Qt itself writes must never be refused, or a stored map could not be read back.
void tst_PlainJson::textQtWritesIsPlain_data()
{
    QTest::addColumn<QVariantMap>("map");
    QTest::newRow("names with control characters and quotes")
        << QVariantMap { { QStringLiteral("a\"b"), 1 },
                         { QStringLiteral("a\\b"), 2 },
                         { QStringLiteral("a\tb"), 3 },
                         { QStringLiteral("a\nb"), QVariantList { 1, QStringLiteral("a\nb") } } };
    QTest::newRow("names outside the basic plane and lone surrogates")
        << QVariantMap { { QString::fromUtf8("\xf0\x9f\x98\x80"), 1 },
                         { QString(QChar(0xd83d)), 2 },
                         { QString(QChar(0xde00)), 3 },
                         { QString::fromUtf8("caf\xc3\xa9"), 4 },
                         { QStringLiteral("cafe"), 5 } };
    QTest::newRow("numbers Qt cannot carry") << QVariantMap { { QStringLiteral("nan"), qQNaN() },
                                                              { QStringLiteral("inf"), qInf() },
                                                              { QStringLiteral("big"), 1e308 } };
}

void tst_PlainJson::textQtWritesIsPlain()
{
    QFETCH(QVariantMap, map);
    const QByteArray text = QJsonDocument(QJsonObject::fromVariantMap(map)).toJson();
    QVERIFY2(hx::pps::isPlainJson(text), text.constData());
    QVERIFY(hx::pps::isPlainJson(QJsonDocument(QJsonObject::fromVariantMap(map)).toJson(QJsonDocument::Compact)));
}

QTEST_GUILESS_MAIN(tst_PlainJson)
#include "tst_plainjson.moc"
