#include <hx/trellan/arraydatamodel.h>
#include <hx/trellan/customlistitem.h>
#include <hx/trellan/label.h>
#include <hx/trellan/listitemprovider.h>
#include <hx/trellan/listview.h>

#include <signalwaiter.h>

#include <QtCore/QThreadPool>
#include <QtTest/QtTest>

using namespace hx::trellan;
using hx::test::SignalWaiter;

namespace {
// Rows show their data as the text of one label, and count what the view asked for.
class TextProvider : public ListItemProvider
{
public:
    int created = 0;
    int updated = 0;

    Control *createItem(ListView *, const QString &type) override
    {
        ++created;
        auto *item = new CustomListItem(3);
        item->setObjectName(type);
        auto *label = new Label;
        label->setObjectName(QStringLiteral("RowText"));
        item->setContent(label);
        return item;
    }

    void updateItem(ListView *, Control *item, const QString &, const QVariantList &, const QVariant &data) override
    {
        ++updated;
        static_cast<CustomListItem *>(item)->content()->setProperty("text", data.toString());
    }
};

// A model with two levels: headers at the top, their rows below, typed by level.
class GroupModel : public DataModel
{
public:
    QList<QStringList> groups = { { "a1", "a2" }, {}, { "c1" } };

    int childCount(const QVariantList &path) override
    {
        if (path.isEmpty())
            return groups.size();
        return path.size() == 1 ? groups.value(path.at(0).toInt()).size() : 0;
    }
    bool hasChildren(const QVariantList &path) override { return path.size() < 2 && childCount(path) > 0; }
    QString itemType(const QVariantList &path) override
    {
        return path.size() == 1 ? QStringLiteral("header") : QStringLiteral("row");
    }
    QVariant data(const QVariantList &path) override
    {
        if (path.size() == 1)
            return QStringLiteral("group %1").arg(path.at(0).toInt());
        return groups.value(path.at(0).toInt()).value(path.at(1).toInt());
    }
};

// A view showing a model that starts with `rows`, through a TextProvider.
struct ShownList
{
    explicit ShownList(const QVariantList &rows = {}, int visibleRows = 0)
    {
        model.append(rows);
        if (visibleRows > 0)
            view.setVisibleRowCount(visibleRows);
        view.setListItemProvider(&provider);
        view.setDataModel(&model);
    }
    ArrayDataModel model;
    TextProvider provider;
    ListView view;
};

QStringList rowTexts(const ListView &view)
{
    QStringList texts;
    for (int row = 0; row < view.rowCount(); ++row)
        texts.append(view.rowItem(row)->findChild<Label *>(QStringLiteral("RowText"))->text());
    return texts;
}
} // namespace

class tst_ListView : public QObject
{
    Q_OBJECT
private slots:
    void followsModelChanges_data();
    void followsModelChanges();
    void changesArriveThroughTheEventLoop();
    void burstOfChangesIsReadOnce();
    void appendsFromAWorkerThreadArriveInOrder();
    void readsOnlyTheVisibleWindow();
    void rowsThatLeaveAreReused_data();
    void rowsThatLeaveAreReused();
    void nestedRowsFollowTheirHeader();
    void tapOnAnExistingRowTriggers();
    void selectionAndFocusMarkRows();
};

void tst_ListView::followsModelChanges_data()
{
    QTest::addColumn<QString>("change");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("a row appended shows last") << "append" << QStringList { "a", "b", "c", "d" };
    QTest::newRow("a row inserted at the top shows first") << "insert" << QStringList { "d", "a", "b", "c" };
    QTest::newRow("a replaced row shows its new data") << "replace" << QStringList { "a", "B", "c" };
    QTest::newRow("a removed row disappears") << "remove" << QStringList { "a", "c" };
    QTest::newRow("a block inserted at the top shows first") << "block" << QStringList { "x", "y", "a", "b", "c" };
}

void tst_ListView::followsModelChanges()
{
    QFETCH(QString, change);
    QFETCH(QStringList, expected);
    ShownList shown({ "a", "b", "c" });
    ArrayDataModel &model = shown.model;
    QCOMPARE(rowTexts(shown.view), (QStringList { "a", "b", "c" }));

    QSignalSpy rows(&shown.view, &ListView::rowsChanged);
    if (change == "append")
        model.append(QStringLiteral("d"));
    else if (change == "insert")
        model.insert(0, QStringLiteral("d"));
    else if (change == "replace")
        model.replace(1, QStringLiteral("B"));
    else if (change == "remove")
        model.removeAt(1);
    else if (change == "block")
        model.insertList(0, QVariantList { "x", "y" });
    QVERIFY(SignalWaiter::wait(rows, 1));
    QCOMPARE(rowTexts(shown.view), expected);
}

void tst_ListView::changesArriveThroughTheEventLoop()
{
    ArrayDataModel model;
    TextProvider provider;
    ListView view(&model);
    view.setListItemProvider(&provider);
    model.append(QStringLiteral("late"));
    // The model may still be in the middle of a change when it emits: nothing is read yet.
    QCOMPARE(view.rowCount(), 0);
    QVERIFY(SignalWaiter::waitFor([&] { return view.rowCount() == 1; }));
}

void tst_ListView::burstOfChangesIsReadOnce()
{
    ShownList shown({}, 100);
    QSignalSpy rows(&shown.view, &ListView::rowsChanged);
    for (int i = 0; i < 50; ++i)
        shown.model.append(i);
    QVERIFY(SignalWaiter::waitFor([&] { return shown.view.rowCount() == 50; }));
    QCOMPARE(rows.count(), 1);
    QCOMPARE(shown.provider.created, 50);
}

void tst_ListView::appendsFromAWorkerThreadArriveInOrder()
{
    ShownList shown({}, 1000);
    const int count = 300;
    QThreadPool::globalInstance()->start(QRunnable::create([&shown] {
        for (int i = 0; i < count; ++i)
            shown.model.append(QString::number(i));
    }));
    // The view reads the model while the worker is still appending.
    QVERIFY(SignalWaiter::waitFor([&] { return shown.view.rowCount() == count; }, 10000));
    QThreadPool::globalInstance()->waitForDone();
    QCoreApplication::processEvents();
    const QStringList texts = rowTexts(shown.view);
    for (int i = 0; i < count; ++i)
        QCOMPARE(texts.at(i), QString::number(i));
}

void tst_ListView::readsOnlyTheVisibleWindow()
{
    QVariantList hundred;
    for (int i = 0; i < 100; ++i)
        hundred.append(i);
    ShownList shown(hundred, 10);
    ListView &view = shown.view;
    QCOMPARE(view.rowCount(), 10);
    QCOMPARE(shown.provider.created, 10);
    QVERIFY(!view.isAtEnd());

    QSignalSpy first(&view, &ListView::firstVisibleItemChanged);
    QSignalSpy atEnd(&view, &ListView::atEndChanged);
    view.scrollToItem(QVariantList { 90 });
    QCOMPARE(view.firstVisibleItem(), (QVariantList { 90 }));
    QCOMPARE(first.count(), 1);
    QVERIFY(view.isAtEnd());
    QCOMPARE(atEnd.count(), 1);
    QCOMPARE(rowTexts(view).first(), QStringLiteral("90"));
    QCOMPARE(rowTexts(view).last(), QStringLiteral("99"));
}

void tst_ListView::rowsThatLeaveAreReused_data()
{
    QTest::addColumn<QString>("change");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("a model emptied and filled again") << "refill" << QStringList { "x", "y", "z" };
    QTest::newRow("a model shrunk to one row") << "shrink" << QStringList { "f" };
    QTest::newRow("a window scrolled down") << "scroll" << QStringList { "d", "e", "f" };
}

void tst_ListView::rowsThatLeaveAreReused()
{
    QFETCH(QString, change);
    QFETCH(QStringList, expected);
    ShownList shown({ "a", "b", "c", "d", "e", "f" }, 3);
    ListView &view = shown.view;
    if (change == "refill") {
        shown.model.clear();
        QVERIFY(SignalWaiter::waitFor([&] { return view.rowCount() == 0; }));
        shown.model.append(QVariantList { "x", "y", "z" });
    } else if (change == "shrink") {
        for (int i = 0; i < 5; ++i)
            shown.model.removeAt(0);
    } else {
        view.scrollDown();
    }
    QVERIFY(SignalWaiter::waitFor([&] { return rowTexts(view) == expected; }));
    QCOMPARE(shown.provider.created, 3);
    // Controls kept for later rows are out of the tree that finders and dumps walk.
    QCOMPARE(view.findChildren<CustomListItem *>().size(), expected.size());
}

void tst_ListView::nestedRowsFollowTheirHeader()
{
    GroupModel model;
    TextProvider provider;
    ListView view;
    view.setListItemProvider(&provider);
    view.setDataModel(&model);
    QStringList paths;
    for (int row = 0; row < view.rowCount(); ++row) {
        QStringList path;
        for (const QVariant &index : view.rowIndexPath(row))
            path.append(index.toString());
        paths.append(view.rowType(row) + QLatin1Char(':') + path.join(QLatin1Char(',')));
    }
    QCOMPARE(paths, (QStringList { "header:0", "row:0,0", "row:0,1", "header:1", "header:2", "row:2,0" }));
    QCOMPARE(view.itemAt(QVariantList { 2, 0 })->objectName(), QStringLiteral("row"));
}

void tst_ListView::tapOnAnExistingRowTriggers()
{
    ArrayDataModel model;
    model.append(QVariantList { "a", "b" });
    ListView view(&model);
    QSignalSpy triggered(&view, &ListView::triggered);
    QVERIFY(view.tapRow(QVariantList { 1 }));
    QVERIFY(!view.tapRow(QVariantList { 2 }));
    QVERIFY(!view.tapRow(QVariantList {}));
    QCOMPARE(triggered.count(), 1);
    QCOMPARE(triggered.at(0).at(0).toList(), (QVariantList { 1 }));
}

void tst_ListView::selectionAndFocusMarkRows()
{
    ShownList shown({ "a", "b" });
    ListView &view = shown.view;
    view.select(QVariantList { 0 });
    view.setAsFocused(QVariantList { 1 });
    auto *first = qobject_cast<CustomListItem *>(view.itemAt(QVariantList { 0 }));
    auto *second = qobject_cast<CustomListItem *>(view.itemAt(QVariantList { 1 }));
    QVERIFY(first->isSelected());
    QVERIFY(!first->isFocusHighlighted());
    QVERIFY(second->isFocusHighlighted());
    QCOMPARE(first->highlightAppearance(), 3);
    view.clearSelection();
    QVERIFY(!first->isSelected());
    QVERIFY(view.selectionList().isEmpty());
}

QTEST_MAIN(tst_ListView)
#include "tst_listview.moc"
