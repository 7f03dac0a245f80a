#include <hx/trellan/customlistitem.h>
#include <hx/trellan/datamodel.h>
#include <hx/trellan/layout.h>
#include <hx/trellan/listitemprovider.h>
#include <hx/trellan/listview.h>
#include <hx/trellan/stacklayout.h>

#include <QtCore/QMultiHash>
#include <QtCore/QPointer>

namespace hx {
namespace trellan {

namespace {
struct Row
{
    QVariantList indexPath;
    QString type;
    QVariant data;
    QPointer<Control> item;
};
} // namespace

struct ListView::Private
{
    QPointer<DataModel> model;
    ListItemProvider *provider = nullptr;
    Layout *layout = nullptr;
    QList<Row> rows;
    // Row controls of rows that left the window, unparented and kept by type for the next rows
    // of that type: a filter that replaces every row then updates controls instead of building
    // them again.
    QMultiHash<QString, Control *> spare;
    QList<QVariantList> updated;
    QVariantList selection;
    QVariantList focused;
    QVariantList first = QVariantList() << 0;
    int visibleRowCount = 12;
    int stickToEdge = 0;
    bool syncPending = false;
    bool structural = false;
    bool atEnd = true;

    ~Private() { deleteSpare(); }
    void deleteSpare()
    {
        qDeleteAll(spare);
        spare.clear();
    }
    void keepSpare(const Row &row);
    void giveItem(ListView *view, Row &row);
    Control *takeSpare(const QString &type) { return spare.isEmpty() ? nullptr : spare.take(type); }
};

void ListView::Private::keepSpare(const Row &row)
{
    Control *item = row.item;
    if (!item)
        return;
    if (spare.size() >= visibleRowCount) {
        delete item;
        return;
    }
    item->setParent(nullptr);
    spare.insert(row.type, item);
}

void ListView::Private::giveItem(ListView *view, Row &row)
{
    if (!provider)
        return;
    Control *item = takeSpare(row.type);
    if (!item)
        item = provider->createItem(view, row.type);
    if (!item)
        return;
    item->setParent(view);
    row.item = item;
    provider->updateItem(view, item, row.type, row.indexPath, row.data);
    if (auto *listItem = qobject_cast<CustomListItem *>(item)) {
        listItem->setSelected(selection.contains(QVariant(row.indexPath)));
        listItem->setFocusHighlighted(row.indexPath == focused);
    }
}

ListView::ListView(QObject *parent) : Control(parent), d(new Private)
{
    d->layout = new StackLayout(this);
}

ListView::ListView(DataModel *model, QObject *parent) : ListView(parent)
{
    setDataModel(model);
}

ListView::~ListView() = default;

DataModel *ListView::dataModel() const
{
    return d->model;
}

void ListView::setDataModel(DataModel *model)
{
    if (d->model == model)
        return;
    if (d->model)
        disconnect(d->model, nullptr, this, nullptr);
    d->model = model;
    d->first = QVariantList() << 0;
    d->selection.clear();
    if (model) {
        // Queued even on one thread: a model may emit while it is still changing.
        connect(model, &DataModel::itemAdded, this, &ListView::onItemAdded, Qt::QueuedConnection);
        connect(model, &DataModel::itemUpdated, this, &ListView::onItemUpdated, Qt::QueuedConnection);
        connect(model, &DataModel::itemRemoved, this, &ListView::onItemRemoved, Qt::QueuedConnection);
        connect(model, &DataModel::itemMoved, this, &ListView::onItemMoved, Qt::QueuedConnection);
        connect(model, &DataModel::itemsChanged, this, &ListView::onItemsChanged, Qt::QueuedConnection);
    }
    d->structural = true;
    sync();
    emit dataModelChanged(model);
}

ListItemProvider *ListView::listItemProvider() const
{
    return d->provider;
}

void ListView::setListItemProvider(ListItemProvider *provider)
{
    d->provider = provider;
    for (const Row &row : qAsConst(d->rows))
        delete row.item.data();
    d->rows.clear();
    // Spare rows were made by the old provider.
    d->deleteSpare();
    d->structural = true;
    sync();
}

int ListView::visibleRowCount() const
{
    return d->visibleRowCount;
}

void ListView::setVisibleRowCount(int rows)
{
    d->visibleRowCount = qMax(1, rows);
    d->structural = true;
    sync();
}

int ListView::stickToEdgePolicy() const
{
    return d->stickToEdge;
}
void ListView::setStickToEdgePolicy(int policy)
{
    d->stickToEdge = policy;
}
Layout *ListView::layout() const
{
    return d->layout;
}
void ListView::setLayout(Layout *layout)
{
    if (!layout || layout == d->layout)
        return;
    delete d->layout;
    d->layout = layout;
    layout->setParent(this);
}

int ListView::rowCount() const
{
    return d->rows.size();
}
QVariantList ListView::rowIndexPath(int row) const
{
    return row >= 0 && row < d->rows.size() ? d->rows.at(row).indexPath : QVariantList();
}
QString ListView::rowType(int row) const
{
    return row >= 0 && row < d->rows.size() ? d->rows.at(row).type : QString();
}
QVariant ListView::rowData(int row) const
{
    return row >= 0 && row < d->rows.size() ? d->rows.at(row).data : QVariant();
}
Control *ListView::rowItem(int row) const
{
    return row >= 0 && row < d->rows.size() ? d->rows.at(row).item.data() : nullptr;
}

Control *ListView::itemAt(const QVariantList &indexPath) const
{
    for (const Row &row : qAsConst(d->rows)) {
        if (row.indexPath == indexPath)
            return row.item;
    }
    return nullptr;
}

QVariantList ListView::firstVisibleItem() const
{
    return d->rows.isEmpty() ? QVariantList() : d->rows.first().indexPath;
}

bool ListView::isAtEnd() const
{
    return d->atEnd;
}

void ListView::scrollToItem(const QVariantList &indexPath)
{
    if (indexPath.isEmpty())
        return;
    d->first = QVariantList() << qMax(0, indexPath.first().toInt());
    d->structural = true;
    sync();
}

void ListView::scrollDown()
{
    if (d->rows.isEmpty() || d->atEnd)
        return;
    const int next = d->rows.last().indexPath.first().toInt() + 1;
    scrollToItem(QVariantList() << next);
}

void ListView::scrollUp()
{
    const int first = d->first.value(0).toInt();
    scrollToItem(QVariantList() << qMax(0, first - d->visibleRowCount));
}

bool ListView::tapRow(const QVariantList &indexPath)
{
    if (!d->model || indexPath.isEmpty() || !isEnabled() || !isVisible())
        return false;
    QVariantList parentPath = indexPath;
    const int last = parentPath.takeLast().toInt();
    if (last < 0 || last >= d->model->childCount(parentPath))
        return false;
    emit triggered(indexPath);
    return true;
}

void ListView::select(const QVariantList &indexPath, bool selected)
{
    const QVariant key = QVariant(indexPath);
    const bool isSelected = d->selection.contains(key);
    if (isSelected == selected)
        return;
    if (selected)
        d->selection.append(key);
    else
        d->selection.removeAll(key);
    if (auto *item = qobject_cast<CustomListItem *>(itemAt(indexPath)))
        item->setSelected(selected);
    emit selectionChanged(indexPath, selected);
}

QVariantList ListView::selected() const
{
    return d->selection.isEmpty() ? QVariantList() : d->selection.last().toList();
}

QVariantList ListView::selectionList() const
{
    return d->selection;
}

void ListView::clearSelection()
{
    const QVariantList selection = d->selection;
    for (const QVariant &indexPath : selection)
        select(indexPath.toList(), false);
}

void ListView::setAsFocused(const QVariantList &indexPath)
{
    d->focused = indexPath;
    for (const Row &row : qAsConst(d->rows)) {
        if (auto *item = qobject_cast<CustomListItem *>(row.item.data()))
            item->setFocusHighlighted(row.indexPath == indexPath);
    }
}

QVariantList ListView::focusedIndexPath() const
{
    return d->focused;
}

void ListView::refreshItems()
{
    if (!d->provider)
        return;
    for (const Row &row : qAsConst(d->rows)) {
        if (row.item)
            d->provider->updateItem(this, row.item, row.type, row.indexPath, row.data);
    }
}

void ListView::syncNow()
{
    sync();
}

void ListView::onItemAdded(const QVariantList &indexPath)
{
    Q_UNUSED(indexPath)
    scheduleSync(true);
}

void ListView::onItemUpdated(const QVariantList &indexPath)
{
    if (!d->updated.contains(indexPath))
        d->updated.append(indexPath);
    scheduleSync(false);
}

void ListView::onItemRemoved(const QVariantList &indexPath)
{
    const QVariant key = QVariant(indexPath);
    if (d->selection.contains(key)) {
        d->selection.removeAll(key);
        emit selectionChanged(indexPath, false);
    }
    scheduleSync(true);
}

void ListView::onItemMoved(const QVariantList &from, const QVariantList &to)
{
    Q_UNUSED(from)
    Q_UNUSED(to)
    scheduleSync(true);
}

void ListView::onItemsChanged()
{
    scheduleSync(true);
}

void ListView::scheduleSync(bool structural)
{
    d->structural = d->structural || structural;
    if (d->syncPending)
        return;
    d->syncPending = true;
    QMetaObject::invokeMethod(this, "sync", Qt::QueuedConnection);
}

void ListView::sync()
{
    d->syncPending = false;
    const bool structural = d->structural;
    const QList<QVariantList> updated = d->updated;
    d->structural = false;
    d->updated.clear();

    const QVariantList oldFirst = firstVisibleItem();
    const bool oldAtEnd = d->atEnd;

    // The window: rows from the first visible top-level row, children after their parent.
    QList<Row> fresh;
    bool atEnd = true;
    if (d->model) {
        DataModel *model = d->model;
        const int top = model->childCount(QVariantList());
        int first = qBound(0, d->first.value(0).toInt(), qMax(0, top - 1));
        for (int i = first; i < top; ++i) {
            if (fresh.size() >= d->visibleRowCount) {
                atEnd = false;
                break;
            }
            const QVariantList path = QVariantList() << i;
            fresh.append(Row { path, model->itemType(path), model->data(path), nullptr });
            if (model->hasChildren(path)) {
                const int children = model->childCount(path);
                for (int j = 0; j < children && fresh.size() < d->visibleRowCount; ++j) {
                    const QVariantList child = QVariantList() << i << j;
                    fresh.append(Row { child, model->itemType(child), model->data(child), nullptr });
                }
            }
        }
    }

    // Keep the controls of rows that are still there with the same type, then reuse spare
    // controls of the type; make the others.
    QList<Row> old = d->rows;
    QList<Row *> unmatched;
    for (Row &row : fresh) {
        bool reused = false;
        for (int k = 0; k < old.size(); ++k) {
            if (old.at(k).indexPath == row.indexPath && old.at(k).type == row.type && old.at(k).item) {
                row.item = old.at(k).item;
                const bool changed = structural || updated.contains(row.indexPath) || !(old.at(k).data == row.data);
                old.removeAt(k);
                if (changed && d->provider)
                    d->provider->updateItem(this, row.item, row.type, row.indexPath, row.data);
                reused = true;
                break;
            }
        }
        if (!reused)
            unmatched.append(&row);
    }
    for (const Row &row : qAsConst(old))
        d->keepSpare(row);
    for (Row *row : qAsConst(unmatched))
        d->giveItem(this, *row);
    d->rows = fresh;
    d->atEnd = atEnd;

    if (firstVisibleItem() != oldFirst && !fresh.isEmpty())
        emit firstVisibleItemChanged(firstVisibleItem());
    if (atEnd != oldAtEnd)
        emit atEndChanged(atEnd);
    emit rowsChanged();
}

} // namespace trellan
} // namespace hx
