#include <hx/trellan/container.h>
#include <hx/trellan/enums.h>
#include <hx/trellan/freeformtitlebarkindproperties.h>
#include <hx/trellan/label.h>
#include <hx/trellan/page.h>
#include <hx/trellan/screentext.h>
#include <hx/trellan/testdriver.h>
#include <hx/trellan/titlebar.h>

#include <QtTest/QtTest>

using namespace hx::trellan;

class tst_TitleBar : public QObject
{
    Q_OBJECT
private slots:
    void eachKindShowsWhatItHolds_data();
    void eachKindShowsWhatItHolds();
    void segmentedBarKeepsOneSegmentSelected_data();
    void segmentedBarKeepsOneSegmentSelected();
    void titleBarActionsAreReachedThroughThePage();
};

void tst_TitleBar::eachKindShowsWhatItHolds_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("screen");

    QTest::newRow("default: title, dismiss and accept actions")
        << int(TitleBarKind::Default) << "Page\n  Title: Edit Place [Cancel] [Save (disabled)]";
    QTest::newRow("segmented: the tabs, the selected one marked")
        << int(TitleBarKind::Segmented) << "Page\n  Tabs: *Recents* | Favorites | Contacts";
    QTest::newRow("free-form: the control it holds")
        << int(TitleBarKind::FreeForm) << "Page\n  Label \"TitleBarView\": Cafe Nord";
}

void tst_TitleBar::eachKindShowsWhatItHolds()
{
    QFETCH(int, kind);
    QFETCH(QString, screen);

    Page page;
    auto *bar = new TitleBar(kind);
    if (kind == TitleBarKind::Default) {
        bar->setTitle(QStringLiteral("Edit Place"));
        auto *cancel = new ActionItem;
        cancel->setTitle(QStringLiteral("Cancel"));
        auto *save = new ActionItem;
        save->setTitle(QStringLiteral("Save"));
        save->setEnabled(false);
        bar->setDismissAction(cancel);
        bar->setAcceptAction(save);
    } else if (kind == TitleBarKind::Segmented) {
        for (const char *tab : { "Recents", "Favorites", "Contacts" })
            bar->addOption(new Option(QLatin1String(tab), QLatin1String(tab)));
    } else {
        auto *properties = new FreeFormTitleBarKindProperties;
        auto *view = new Label(QStringLiteral("Cafe Nord"));
        view->setObjectName(QStringLiteral("TitleBarView"));
        properties->setContent(view);
        bar->setKindProperties(properties);
    }
    page.setTitleBar(bar);
    QCOMPARE(bar->kind(), kind);
    QCOMPARE(ScreenText::render(&page), screen);
    bar->setVisible(false);
    QCOMPARE(ScreenText::render(&page), QStringLiteral("Page"));
}

void tst_TitleBar::segmentedBarKeepsOneSegmentSelected_data()
{
    QTest::addColumn<int>("preselected");
    QTest::addColumn<int>("choice");
    QTest::addColumn<int>("selected");
    QTest::addColumn<int>("notifications");

    QTest::newRow("the first segment is selected at first") << -1 << -1 << 0 << 0;
    QTest::newRow("a segment added selected wins") << 2 << -1 << 2 << 0;
    QTest::newRow("choosing another segment") << -1 << 1 << 1 << 1;
    QTest::newRow("choosing the selected one changes nothing") << -1 << 0 << 0 << 0;
    QTest::newRow("a segment that does not exist is refused") << -1 << 3 << 0 << 0;
}

void tst_TitleBar::segmentedBarKeepsOneSegmentSelected()
{
    QFETCH(int, preselected);
    QFETCH(int, choice);
    QFETCH(int, selected);
    QFETCH(int, notifications);

    TitleBar bar(TitleBarKind::Segmented);
    for (int i = 0; i < 3; ++i) {
        auto *option = new Option(QString::number(i), i);
        option->setSelected(i == preselected);
        bar.addOption(option);
    }
    QSignalSpy changed(&bar, &TitleBar::selectedIndexChanged);
    if (choice >= 0)
        QCOMPARE(bar.chooseOption(choice), choice < 3);
    QCOMPARE(bar.selectedIndex(), selected);
    QCOMPARE(bar.selectedValue().toInt(), selected);
    QCOMPARE(changed.count(), notifications);
    for (int i = 0; i < 3; ++i)
        QCOMPARE(bar.optionAt(i)->isSelected(), i == selected);
}

void tst_TitleBar::titleBarActionsAreReachedThroughThePage()
{
    Page page;
    auto *bar = new TitleBar;
    auto *accept = new ActionItem;
    accept->setObjectName(QStringLiteral("NewEntryAction"));
    bar->setAcceptAction(accept);
    page.setTitleBar(bar);
    QSignalSpy triggered(accept, &ActionItem::triggered);
    QVERIFY(TestDriver::triggerAction(&page, QStringLiteral("NewEntryAction")));
    bar->setVisible(false);
    QVERIFY(!TestDriver::triggerAction(&page, QStringLiteral("NewEntryAction")));
    QCOMPARE(TestDriver::lastError(), QStringLiteral("ActionItem \"NewEntryAction\" is in TitleBar, which is hidden"));
    QCOMPARE(triggered.count(), 1);
}

QTEST_MAIN(tst_TitleBar)
#include "tst_titlebar.moc"
