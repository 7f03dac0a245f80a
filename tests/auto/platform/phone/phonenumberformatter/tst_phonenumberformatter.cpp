#include <hx/phone/phonenumberformatter.h>

#include <QtTest/QtTest>

using hx::phone::PhoneNumberFormatter;

class tst_PhoneNumberFormatter : public QObject
{
    Q_OBJECT

private slots:
    void formats_data();
    void formats();
    void regionComesFromTheLocale_data();
    void regionComesFromTheLocale();
};

void tst_PhoneNumberFormatter::formats_data()
{
    QTest::addColumn<QString>("region");
    QTest::addColumn<QString>("number");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QString>("expected");

    QTest::newRow("a Canadian number typed nationally") << "CA"
                                                        << "519 888 7465" << true << "(519) 888-7465";
    QTest::newRow("a bare run of digits is grouped") << "US"
                                                     << "2125550123" << true << "(212) 555-0123";
    QTest::newRow("a number with its country code stays international") << "CA"
                                                                        << "+15198887465" << true << "+1 519-888-7465";
    QTest::newRow("a foreign number keeps its own grouping") << "US"
                                                             << "+44 20 7946 0958" << true << "+44 20 7946 0958";
    QTest::newRow("a German number in Germany") << "DE"
                                                << "030 12345678" << true << "030 12345678";
    QTest::newRow("a number the formatter cannot group keeps the user's spacing")
        << "CA"
        << "+519 888 7465" << true << "+519 888 7465";
    QTest::newRow("letters are not a number") << "CA"
                                              << "call me" << false << "";
    QTest::newRow("an empty text") << "CA"
                                   << "" << false << "";
    QTest::newRow("national digits without a known region") << ""
                                                            << "519 888 7465" << false << "";
    QTest::newRow("far too many digits") << "CA"
                                         << "1234567890123456789012" << false << "";
}

void tst_PhoneNumberFormatter::formats()
{
    QFETCH(QString, region);
    QFETCH(QString, number);
    QFETCH(bool, ok);
    QFETCH(QString, expected);

    const QLocale saved;
    QLocale::setDefault(QLocale::c()); // an empty region must not borrow the machine's
    bool formatted = !ok;
    QCOMPARE(PhoneNumberFormatter(region).format(number, &formatted), expected);
    QCOMPARE(formatted, ok);
    QLocale::setDefault(saved);
}

void tst_PhoneNumberFormatter::regionComesFromTheLocale_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("region");
    QTest::newRow("English in Canada") << "en_CA"
                                       << "CA";
    QTest::newRow("German in Germany") << "de_DE"
                                       << "DE";
    QTest::newRow("the C locale has no region") << "C"
                                                << "";
}

void tst_PhoneNumberFormatter::regionComesFromTheLocale()
{
    QFETCH(QString, locale);
    QFETCH(QString, region);
    const QLocale saved;
    QLocale::setDefault(QLocale(locale));
    QCOMPARE(PhoneNumberFormatter().region(), region);
    QCOMPARE(PhoneNumberFormatter::regionFromLocale(QLocale(locale)), region);
    QLocale::setDefault(saved);
}

QTEST_APPLESS_MAIN(tst_PhoneNumberFormatter)
#include "tst_phonenumberformatter.moc"
