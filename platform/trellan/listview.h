#ifndef HX_TRELLAN_LISTVIEW_H
#define HX_TRELLAN_LISTVIEW_H

#include <hx/trellan/control.h>

#include <QtCore/QVariant>

namespace hx {
namespace trellan {

class DataModel;
class Layout;
class ListItemProvider;

// Rows of a DataModel made by a ListItemProvider. Like a phone's list it holds rows only for the
// visible window (visibleRowCount rows from the first visible one), so a long model is read
// only where the user looks. Model signals arrive by queued connection (the model may change on
// any thread); the view then reads the model on its own thread, once for a burst of changes,
// and emits rowsChanged.
class ListView : public Control
{
    Q_OBJECT
    Q_PROPERTY(hx::trellan::DataModel *dataModel READ dataModel WRITE setDataModel NOTIFY dataModelChanged)
    Q_PROPERTY(int visibleRowCount READ visibleRowCount WRITE setVisibleRowCount)
    Q_PROPERTY(int stickToEdgePolicy READ stickToEdgePolicy WRITE setStickToEdgePolicy)
    Q_PROPERTY(hx::trellan::Layout *layout READ layout WRITE setLayout)
    Q_PROPERTY(bool atEnd READ isAtEnd NOTIFY atEndChanged)
public:
    explicit ListView(QObject *parent = nullptr);
    explicit ListView(DataModel *model, QObject *parent = nullptr);
    ~ListView() override;

    // Not owned: the caller keeps the model alive while the view shows it.
    DataModel *dataModel() const;
    void setDataModel(DataModel *model);
    void resetDataModel() { setDataModel(nullptr); }
    // Not owned; rows are remade with it.
    ListItemProvider *listItemProvider() const;
    void setListItemProvider(ListItemProvider *provider);
    int visibleRowCount() const;
    void setVisibleRowCount(int rows);
    int stickToEdgePolicy() const;
    void setStickToEdgePolicy(int policy);
    Layout *layout() const;
    void setLayout(Layout *layout);

    // The rows held now, in order.
    int rowCount() const;
    QVariantList rowIndexPath(int row) const;
    QString rowType(int row) const;
    QVariant rowData(int row) const;
    Control *rowItem(int row) const;
    // The row control for an index path in the window, or null.
    Control *itemAt(const QVariantList &indexPath) const;
    QVariantList firstVisibleItem() const;
    bool isAtEnd() const;

    // Moves the window so that indexPath is its first row.
    void scrollToItem(const QVariantList &indexPath);
    // One window further down or up.
    void scrollDown();
    void scrollUp();

    // A user's tap on a row: triggered when the row exists in the model.
    bool tapRow(const QVariantList &indexPath);

    void select(const QVariantList &indexPath, bool selected = true);
    QVariantList selected() const;
    QVariantList selectionList() const;
    void clearSelection();
    void setAsFocused(const QVariantList &indexPath);
    QVariantList focusedIndexPath() const;

    // Asks the provider to update every held row with its current data.
    void refreshItems();
    // Reads the model now instead of at the next turn of the event loop.
    void syncNow();

signals:
    void triggered(const QVariantList &indexPath);
    void selectionChanged(const QVariantList &indexPath, bool selected);
    void firstVisibleItemChanged(const QVariantList &indexPath);
    void atEndChanged(bool atEnd);
    void dataModelChanged(hx::trellan::DataModel *model);
    void rowsChanged();

private slots:
    void onItemAdded(const QVariantList &indexPath);
    void onItemUpdated(const QVariantList &indexPath);
    void onItemRemoved(const QVariantList &indexPath);
    void onItemMoved(const QVariantList &from, const QVariantList &to);
    void onItemsChanged();
    void sync();

private:
    void scheduleSync(bool structural);

    struct Private;
    QScopedPointer<Private> d;
};

} // namespace trellan
} // namespace hx

#endif
