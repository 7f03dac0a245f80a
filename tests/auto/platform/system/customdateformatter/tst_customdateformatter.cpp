#include <hx/utility/i18n/customdateformatter.h>
#include <hx/utility/imageconverter.h>

#include <QtGui/QColor>
#include <QtTest/QtTest>

using hx::utility::ImageConverter;
using hx::utility::i18n::CustomDateFormatter;

class tst_CustomDateFormatter : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void hourAndMinuteFollowTheLocale_data();
    void hourAndMinuteFollowTheLocale();
    void defaultLocaleIsReadAtEveryCall();
    void invalidTimeGivesNothing();
    void pngRoundTrip();
    void brokenBytesGiveANullImage();
};

void tst_CustomDateFormatter::cleanup()
{
    QLocale::setDefault(QLocale::c());
}

void tst_CustomDateFormatter::hourAndMinuteFollowTheLocale_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("expected");
    QTest::newRow("English uses a 12-hour clock") << "en_US"
                                                  << "9:05 PM";
    QTest::newRow("German uses a 24-hour clock") << "de_DE"
                                                 << "21:05";
    QTest::newRow("the C locale, whose short time has seconds, leaves them out") << "C"
                                                                                 << "21:05";
}

void tst_CustomDateFormatter::hourAndMinuteFollowTheLocale()
{
    QFETCH(QString, locale);
    QFETCH(QString, expected);
    const CustomDateFormatter formatter("hm", QLocale(locale));
    const QString text = formatter.format(QDateTime(QDate(2024, 3, 1), QTime(21, 5, 42)));
    QCOMPARE(text, expected);
    QVERIFY(!text.contains("42"));
}

void tst_CustomDateFormatter::defaultLocaleIsReadAtEveryCall()
{
    const CustomDateFormatter formatter("hm");
    QLocale::setDefault(QLocale("de_DE"));
    QCOMPARE(formatter.format(QTime(7, 30)), QString("07:30"));
    QLocale::setDefault(QLocale("en_US"));
    QCOMPARE(formatter.format(QTime(7, 30)), QString("7:30 AM"));
}

void tst_CustomDateFormatter::invalidTimeGivesNothing()
{
    QVERIFY(CustomDateFormatter("hm").format(QDateTime()).isEmpty());
    QVERIFY(CustomDateFormatter("hm").format(QTime(25, 0)).isEmpty());
}

void tst_CustomDateFormatter::pngRoundTrip()
{
    QImage image(4, 3, QImage::Format_ARGB32);
    image.fill(QColor(10, 20, 30, 128));
    const QByteArray png = ImageConverter::encode("image/png", image, 75);
    QVERIFY(png.startsWith("\x89PNG"));
    const QImage back = ImageConverter::decode(png, "PNG");
    QCOMPARE(back.size(), QSize(4, 3));
    const QImage rgba = ImageConverter::toPremultipliedRgba(back);
    const uchar *pixel = rgba.constBits();
    // Memory order red, green, blue, alpha, premultiplied by alpha 128.
    QVERIFY(qAbs(pixel[0] - 5) <= 1);
    QVERIFY(qAbs(pixel[2] - 15) <= 1);
    QCOMPARE(int(pixel[3]), 128);
    QVERIFY(ImageConverter::encode("image/x-unknown", image).isEmpty());
}

void tst_CustomDateFormatter::brokenBytesGiveANullImage()
{
    QVERIFY(ImageConverter::decode(QByteArray("\x89PNG broken", 11), "PNG").isNull());
    QVERIFY(ImageConverter::decode(QByteArray()).isNull());
    QVERIFY(ImageConverter::toPremultipliedRgba(QImage()).isNull());
}

QTEST_GUILESS_MAIN(tst_CustomDateFormatter)
#include "tst_customdateformatter.moc"
