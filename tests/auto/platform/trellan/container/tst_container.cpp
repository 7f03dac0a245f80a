#include <hx/trellan/container.h>
#include <hx/trellan/label.h>

#include <QtCore/QPointer>
#include <QtTest/QtTest>

using namespace hx::trellan;

class tst_Container : public QObject
{
    Q_OBJECT
private slots:
    void insertPlacesChildren_data();
    void insertPlacesChildren();
    void addingToAnotherContainerMovesTheChild();
    void removeGivesTheChildBack();
    void removeAllDeletesChildren();
    void childDeletedElsewhereLeavesNoHole();
    void findsDescendantsByName();
};

void tst_Container::insertPlacesChildren_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("order");
    QTest::newRow("index 0 inserts first") << 0 << "x a b c";
    QTest::newRow("index 1 inserts second") << 1 << "a x b c";
    QTest::newRow("index equal to count appends") << 3 << "a b c x";
    QTest::newRow("index past the end appends") << 4 << "a b c x";
    QTest::newRow("negative index inserts first") << -1 << "x a b c";
}

void tst_Container::insertPlacesChildren()
{
    QFETCH(int, index);
    QFETCH(QString, order);
    Container container;
    for (const char *name : { "a", "b", "c" }) {
        auto *label = new Label;
        label->setObjectName(QLatin1String(name));
        container.add(label);
    }
    auto *inserted = new Label;
    inserted->setObjectName(QStringLiteral("x"));
    container.insert(index, inserted);
    QStringList names;
    for (Control *control : container.controls())
        names.append(control->objectName());
    QCOMPARE(names.join(QLatin1Char(' ')), order);
    QCOMPARE(inserted->parent(), &container);
}

void tst_Container::addingToAnotherContainerMovesTheChild()
{
    Container first;
    Container second;
    auto *label = new Label;
    first.add(label);
    second.add(label);
    QCOMPARE(first.count(), 0);
    QCOMPARE(second.count(), 1);
    QCOMPARE(label->parent(), &second);
}

void tst_Container::removeGivesTheChildBack()
{
    Container container;
    auto *label = new Label;
    container.add(label);
    QVERIFY(container.remove(label));
    QCOMPARE(label->parent(), nullptr);
    QVERIFY(!container.remove(label));
    delete label;
    QCOMPARE(container.count(), 0);
}

void tst_Container::removeAllDeletesChildren()
{
    Container container;
    QPointer<Label> label = new Label;
    container.add(label);
    container.removeAll();
    QVERIFY(label.isNull());
    QCOMPARE(container.count(), 0);
}

void tst_Container::childDeletedElsewhereLeavesNoHole()
{
    Container container;
    auto *first = new Label;
    auto *second = new Label;
    container.add(first);
    container.add(second);
    delete first;
    QCOMPARE(container.count(), 1);
    QCOMPARE(container.at(0), second);
}

void tst_Container::findsDescendantsByName()
{
    Container root;
    auto *inner = new Container;
    auto *label = new Label(QStringLiteral("hello"));
    label->setObjectName(QStringLiteral("Deep"));
    inner->add(label);
    root.add(inner);
    QCOMPARE(root.findControl<Label>(QStringLiteral("Deep")), label);
    QCOMPARE(root.findChild<Label *>(QStringLiteral("Deep")), label);
    QCOMPARE(root.findControl<Label>(QStringLiteral("Missing")), nullptr);
}

QTEST_MAIN(tst_Container)
#include "tst_container.moc"
