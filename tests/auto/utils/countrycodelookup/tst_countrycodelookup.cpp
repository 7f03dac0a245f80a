#include <QtCore/QByteArray>
#include <QtTest/QtTest>

#include <hx/trellan/places/countrycodelookup.h>

using hx::trellan::places::CountryCodeLookup;

class tst_CountryCodeLookup : public QObject
{
    Q_OBJECT

private slots:
    void lookup_data();
    void lookup();
    void nullNameFindsNothing();
    void everyAlpha3CodeMapsToItself();
};

void tst_CountryCodeLookup::lookup_data()
{
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<bool>("found");
    QTest::addColumn<QByteArray>("alpha3");
    QTest::addColumn<QByteArray>("alpha2");

    QTest::newRow("england is great britain") << QByteArray("ENGLAND") << true << QByteArray("GBR") << QByteArray("GB");
    QTest::newRow("germany by name") << QByteArray("GERMANY") << true << QByteArray("DEU") << QByteArray("DE");
    QTest::newRow("an alpha-3 code is its own key")
        << QByteArray("CAN") << true << QByteArray("CAN") << QByteArray("CA");
    QTest::newRow("the first key") << QByteArray("ABW") << true << QByteArray("ABW") << QByteArray("AW");
    QTest::newRow("the last key") << QByteArray("ZWE") << true << QByteArray("ZWE") << QByteArray("ZW");
    QTest::newRow("a withdrawn code keeps its old alpha-2")
        << QByteArray("NETHERLANDS ANTILLES") << true << QByteArray("ANT") << QByteArray("AN");
    QTest::newRow("a key with non-ASCII letters")
        << QByteArray("R\xc3\x89UNION") << true << QByteArray("REU") << QByteArray("RE");
    QTest::newRow("a key with parentheses")
        << QByteArray("COCOS (KEELING) ISLANDS") << true << QByteArray("CCK") << QByteArray("CC");
    QTest::newRow("a key with an apostrophe")
        << QByteArray("COTE D'IVOIRE") << true << QByteArray("CIV") << QByteArray("CI");
    QTest::newRow("united states and the shorter us")
        << QByteArray("US") << true << QByteArray("USA") << QByteArray("US");
    QTest::newRow("the empty name gives empty codes") << QByteArray("") << true << QByteArray() << QByteArray();
    QTest::newRow("lower case is not a key") << QByteArray("germany") << false << QByteArray() << QByteArray();
    QTest::newRow("blanks around a name are not trimmed here")
        << QByteArray(" GERMANY") << false << QByteArray() << QByteArray();
    QTest::newRow("upper-cased accented name is not the ASCII key")
        << QByteArray("C\xc3\x94TE D'IVOIRE") << false << QByteArray() << QByteArray();
    QTest::newRow("a prefix of a key is not a key") << QByteArray("GERMAN") << false << QByteArray() << QByteArray();
    QTest::newRow("an alpha-2 code is not a key") << QByteArray("DE") << false << QByteArray() << QByteArray();
    QTest::newRow("invalid UTF-8 is simply not found")
        << QByteArray("\xff\xfe") << false << QByteArray() << QByteArray();
}

void tst_CountryCodeLookup::lookup()
{
    QFETCH(QByteArray, name);
    QFETCH(bool, found);
    QFETCH(QByteArray, alpha3);
    QFETCH(QByteArray, alpha2);

    const char *a3 = CountryCodeLookup::getAlpha3(name.constData());
    const char *a2 = CountryCodeLookup::getAlpha2(name.constData());
    if (!found) {
        QVERIFY(!a3);
        QVERIFY(!a2);
        return;
    }
    QVERIFY(a3);
    QVERIFY(a2);
    QCOMPARE(QByteArray(a3), alpha3);
    QCOMPARE(QByteArray(a2), alpha2);
}

void tst_CountryCodeLookup::nullNameFindsNothing()
{
    QVERIFY(!CountryCodeLookup::getAlpha3(nullptr));
    QVERIFY(!CountryCodeLookup::getAlpha2(nullptr));
}

void tst_CountryCodeLookup::everyAlpha3CodeMapsToItself()
{
    // Every code the table can return must also be found as a key, with a two-letter partner.
    const QByteArray names[] = {
        "AFGHANISTAN",       "BRITAIN", "UAE", "VATICAN CITY", "SER", "THL", "ROM", "ANF", "SAINT BARTH\xc3\x89LEMY",
        "US VIRGIN ISLANDS", "ZIMBABWE"
    };
    for (const QByteArray &name : names) {
        const char *alpha3 = CountryCodeLookup::getAlpha3(name.constData());
        QVERIFY2(alpha3, name.constData());
        QCOMPARE(QByteArray(CountryCodeLookup::getAlpha3(alpha3)), QByteArray(alpha3));
        QCOMPARE(QByteArray(CountryCodeLookup::getAlpha2(alpha3)), QByteArray(CountryCodeLookup::getAlpha2(name)));
        QCOMPARE(int(qstrlen(CountryCodeLookup::getAlpha2(alpha3))), 2);
    }
}

QTEST_APPLESS_MAIN(tst_CountryCodeLookup)
#include "tst_countrycodelookup.moc"
