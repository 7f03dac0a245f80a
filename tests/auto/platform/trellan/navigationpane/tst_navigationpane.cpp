#include <hx/trellan/actionitem.h>
#include <hx/trellan/navigationpane.h>
#include <hx/trellan/navigationpaneproperties.h>
#include <hx/trellan/page.h>

#include <signalwaiter.h>

#include <QtTest/QtTest>

using namespace hx::trellan;
using hx::test::SignalWaiter;

class tst_NavigationPane : public QObject
{
    Q_OBJECT
private slots:
    void pushAndPopKeepStackOrderButNeverPopTheLastPage();
    void transitionSignalsComeFromTheEventLoop();
    void backButtonOfThePageWinsOverPop();
    void navigateToPopsEverythingAbove();
    void poppedPageMayBeDeletedByTheReceiver();
};

static Page *page(const char *name)
{
    auto *created = new Page;
    created->setObjectName(QLatin1String(name));
    return created;
}

void tst_NavigationPane::pushAndPopKeepStackOrderButNeverPopTheLastPage()
{
    NavigationPane pane;
    QCOMPARE(pane.pop(), nullptr);
    Page *first = page("first");
    Page *second = page("second");
    Page *third = page("third");
    pane.push(first);
    pane.push(second);
    pane.push(third);
    QCOMPARE(pane.count(), 3);
    QCOMPARE(pane.top(), third);
    QCOMPARE(pane.pop(), third);
    QCOMPARE(pane.top(), second);
    QCOMPARE(pane.pop(), second);
    QCOMPARE(pane.top(), first);
    QCOMPARE(pane.pop(), nullptr);
    QCOMPARE(pane.top(), first);
}

void tst_NavigationPane::transitionSignalsComeFromTheEventLoop()
{
    NavigationPane pane;
    QSignalSpy pushed(&pane, &NavigationPane::pushTransitionEnded);
    QSignalSpy popped(&pane, &NavigationPane::popTransitionEnded);
    QSignalSpy top(&pane, &NavigationPane::topChanged);
    Page *first = page("first");
    Page *second = page("second");
    pane.push(first);
    pane.push(second);
    QCOMPARE(top.count(), 2);
    QCOMPARE(pushed.count(), 0);
    QVERIFY(pane.isTransitioning());
    QVERIFY(SignalWaiter::wait(pushed, 2));
    QCOMPARE(pushed.at(0).at(0).value<Page *>(), first);
    QCOMPARE(pushed.at(1).at(0).value<Page *>(), second);
    pane.pop();
    QCOMPARE(popped.count(), 0);
    QVERIFY(SignalWaiter::wait(popped, 1));
    QCOMPARE(popped.at(0).at(0).value<Page *>(), second);
    QCOMPARE(top.last().at(0).value<Page *>(), first);
    QVERIFY(!pane.isTransitioning());
}

void tst_NavigationPane::backButtonOfThePageWinsOverPop()
{
    NavigationPane pane;
    pane.push(page("root"));
    Page *detail = page("detail");
    auto *properties = new NavigationPaneProperties;
    auto *back = new ActionItem;
    back->setObjectName(QStringLiteral("BackAction"));
    properties->setBackButton(back);
    detail->setPaneProperties(properties);
    pane.push(detail);
    QSignalSpy triggered(back, &ActionItem::triggered);
    QVERIFY(pane.pressBack());
    QCOMPARE(triggered.count(), 1);
    QCOMPARE(pane.top(), detail);

    Page *plain = page("plain");
    pane.push(plain);
    QVERIFY(pane.pressBack());
    QCOMPARE(pane.top(), detail);
}

void tst_NavigationPane::navigateToPopsEverythingAbove()
{
    NavigationPane pane;
    Page *root = page("root");
    pane.push(root);
    pane.push(page("a"));
    pane.push(page("b"));
    QSignalSpy ended(&pane, &NavigationPane::navigateToTransitionEnded);
    QVERIFY(pane.navigateTo(root));
    QCOMPARE(pane.count(), 1);
    QVERIFY(SignalWaiter::wait(ended, 1));
    QCOMPARE(ended.at(0).at(0).value<QList<Page *>>().size(), 2);
}

void tst_NavigationPane::poppedPageMayBeDeletedByTheReceiver()
{
    NavigationPane pane;
    pane.push(page("root"));
    QPointer<Page> detail = page("detail");
    pane.push(detail);
    connect(&pane, &NavigationPane::popTransitionEnded, this, [](Page *popped) { delete popped; });
    pane.pop();
    QVERIFY(SignalWaiter::waitFor([&] { return detail.isNull(); }));
    QCOMPARE(pane.count(), 1);
}

QTEST_MAIN(tst_NavigationPane)
#include "tst_navigationpane.moc"
