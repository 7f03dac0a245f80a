#ifndef HX_TRELLAN_INVOKEACTIONITEM_H
#define HX_TRELLAN_INVOKEACTIONITEM_H

#include <hx/trellan/actionitem.h>

namespace hx {
namespace system {
class InvokeQuery;
}
namespace trellan {

// An action that invokes another application with its query (sharing, a map) when triggered.
// The request goes through the system's invocation manager, which records it.
class InvokeActionItem : public ActionItem
{
    Q_OBJECT
    Q_PROPERTY(hx::system::InvokeQuery *query READ query WRITE setQuery)
public:
    explicit InvokeActionItem(QObject *parent = nullptr);
    ~InvokeActionItem() override;

    // Never null: an empty query at first, owned by the item.
    hx::system::InvokeQuery *query() const;
    // Takes ownership; the previous query is deleted.
    void setQuery(hx::system::InvokeQuery *query);

signals:
    // The request was sent; the system may now show its target chooser.
    void invoked();

private:
    void invoke();

    struct Private;
    QScopedPointer<Private> d;
};

} // namespace trellan
} // namespace hx

#endif
