#include <hx/trellan/actionbarproperties.h>
#include <hx/trellan/actionitem.h>
#include <hx/trellan/page.h>
#include <hx/trellan/qmldocument.h>

#include <QtTest/QtTest>

using namespace hx::trellan;

class tst_ActionItem : public QObject
{
    Q_OBJECT
private slots:
    void enabledStateDecidesTriggering_data();
    void enabledStateDecidesTriggering();
    void dockingReadsBackFromThePage_data();
    void dockingReadsBackFromThePage();
    void layoutDocumentsSetDocking();
};

void tst_ActionItem::enabledStateDecidesTriggering_data()
{
    QTest::addColumn<QString>("steps");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<int>("enabledSignals");

    QTest::newRow("enabled at first") << "" << true << 0;
    QTest::newRow("disabled refuses a tap") << "disable" << false << 1;
    QTest::newRow("reset enables again") << "disable,reset" << true << 2;
    QTest::newRow("the slot disables it") << "slot off" << false << 1;
    QTest::newRow("reset of an enabled action says nothing") << "reset" << true << 0;
    QTest::newRow("the property reset enables again") << "disable,property reset" << true << 2;
}

void tst_ActionItem::enabledStateDecidesTriggering()
{
    QFETCH(QString, steps);
    QFETCH(bool, enabled);
    QFETCH(int, enabledSignals);

    ActionItem action;
    QSignalSpy enabledChanged(&action, &ActionItem::enabledChanged);
    QSignalSpy triggered(&action, &ActionItem::triggered);
    for (const QString &step : steps.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        if (step == QLatin1String("disable"))
            action.setEnabled(false);
        else if (step == QLatin1String("reset"))
            action.resetEnabled();
        else if (step == QLatin1String("slot off"))
            QMetaObject::invokeMethod(&action, "setEnabled", Q_ARG(bool, false));
        else if (step == QLatin1String("property reset"))
            QVERIFY(action.metaObject()->property(action.metaObject()->indexOfProperty("enabled")).reset(&action));
    }
    QCOMPARE(action.isEnabled(), enabled);
    QCOMPARE(enabledChanged.count(), enabledSignals);
    QCOMPARE(action.trigger(), enabled);
    QCOMPARE(triggered.count(), enabled ? 1 : 0);
}

void tst_ActionItem::dockingReadsBackFromThePage_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("through the property") << "property";
    QTest::newRow("by name, as the page's owner sets it") << "name";
}

void tst_ActionItem::dockingReadsBackFromThePage()
{
    QFETCH(QString, how);

    Page page;
    QCOMPARE(page.actionBarProperties(), nullptr);
    auto *properties = new ActionBarProperties;
    page.setActionBarProperties(properties);
    QCOMPARE(properties->parent(), &page);
    QSignalSpy docking(properties, &ActionBarProperties::dockingChanged);
    if (how == QLatin1String("property"))
        properties->setDocking(2);
    else
        QVERIFY(page.actionBarProperties()->setProperty("docking", 2));
    QCOMPARE(page.actionBarProperties()->property("docking").toInt(), 2);
    QCOMPARE(page.actionBarProperties()->docking(), 2);
    QCOMPARE(docking.count(), 1);
}

void tst_ActionItem::layoutDocumentsSetDocking()
{
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("page.qml")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("import hx.trellan 1.0\n"
               "Page { actionBarProperties: ActionBarProperties { docking: 1 }\n"
               "       actions: [ ActionItem { objectName: \"SelectAction\"; actionBarPlacement: "
               "ActionBarPlacement.Signature } ] }\n");
    file.close();
    QmlDocument document(QUrl::fromLocalFile(file.fileName()));
    QScopedPointer<Page> page(document.createRootObject<Page>());
    QVERIFY2(page, qPrintable(document.errorString()));
    QVERIFY(page->actionBarProperties());
    QCOMPARE(page->actionBarProperties()->property("docking").toInt(), 1);
    QCOMPARE(page->findAction(QStringLiteral("SelectAction"))->actionBarPlacement(), 3);
}

QTEST_MAIN(tst_ActionItem)
#include "tst_actionitem.moc"
