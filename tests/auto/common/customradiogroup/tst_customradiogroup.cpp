#include <hx/trellan/container.h>
#include <hx/trellan/layoutupdatehandler.h>
#include <hx/trellan/places/customradiogroup.h>
#include <hx/trellan/radiogroup.h>
#include <hx/trellan/testdriver.h>

#include <QtTest/QtTest>

using namespace hx::trellan;
using namespace hx::trellan::places;

class tst_CustomRadioGroup : public QObject
{
    Q_OBJECT

private slots:
    void firstOptionIsSelected_data();
    void firstOptionIsSelected();
    void userChoiceIsRead_data();
    void userChoiceIsRead();
    void showsEveryOptionText();
    void followsTheSizeItIsGiven();
};

void tst_CustomRadioGroup::firstOptionIsSelected_data()
{
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<int>("index");
    QTest::addColumn<QVariant>("value");

    QTest::newRow("no option selects nothing") << QStringList() << -1 << QVariant();
    QTest::newRow("of three options the first stays selected")
        << QStringList { "Home", "Work", "Other" } << 0 << QVariant(0);
}

void tst_CustomRadioGroup::firstOptionIsSelected()
{
    QFETCH(QStringList, texts);
    QFETCH(int, index);
    QFETCH(QVariant, value);

    CustomRadioGroup group;
    for (int i = 0; i < texts.size(); ++i)
        group.addOption(texts.at(i), i);

    QCOMPARE(group.selectedIndex(), index);
    QCOMPARE(group.selectedValue(), value);
}

void tst_CustomRadioGroup::userChoiceIsRead_data()
{
    QTest::addColumn<int>("choice");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("value");

    QTest::newRow("choosing the last option selects it") << 2 << 2 << "other";
    QTest::newRow("choosing past the end keeps the selection") << 3 << 0 << "home";
}

void tst_CustomRadioGroup::userChoiceIsRead()
{
    QFETCH(int, choice);
    QFETCH(int, index);
    QFETCH(QString, value);

    CustomRadioGroup group;
    group.addOption(QStringLiteral("Home"), QStringLiteral("home"));
    group.addOption(QStringLiteral("Work"), QStringLiteral("work"));
    group.addOption(QStringLiteral("Other"), QStringLiteral("other"));
    RadioGroup *radio = group.findChild<RadioGroup *>();
    QVERIFY(radio);

    radio->choose(choice);

    QCOMPARE(group.selectedIndex(), index);
    QCOMPARE(group.selectedValue(), QVariant(value));
}

void tst_CustomRadioGroup::showsEveryOptionText()
{
    CustomRadioGroup group;
    const QString longText = QStringLiteral("Apartment 12, 1500 Long Avenue West  Springfield  Ontario  Canada");
    group.addOption(longText, 1);
    group.addOption(QStringLiteral("Work"), 2);

    const QString shown = TestDriver::screen(&group);
    QVERIFY2(shown.contains(QLatin1String("(*) ") + longText), qPrintable(shown));
    QVERIFY2(shown.contains(QLatin1String("( ) Work")), qPrintable(shown));
}

void tst_CustomRadioGroup::followsTheSizeItIsGiven()
{
    CustomRadioGroup group;
    RadioGroup *radio = group.findChild<RadioGroup *>();
    QVERIFY(radio);
    QCOMPARE(radio->preferredWidth(), 100.0f);

    auto *handler = group.root()->findChild<LayoutUpdateHandler *>();
    QVERIFY(handler);
    handler->setLayoutFrame(QRectF(0, 0, 640, 300));

    QCOMPARE(radio->preferredWidth(), 640.0f);
}

QTEST_MAIN(tst_CustomRadioGroup)
#include "tst_customradiogroup.moc"
