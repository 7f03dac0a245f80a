#ifndef HX_TRELLAN_INVOCATION_H
#define HX_TRELLAN_INVOCATION_H

#include <hx/trellan/uiobject.h>

namespace hx {
namespace system {
class InvokeQuery;
}
namespace trellan {

// An invocation prepared from a query. It arms itself from the event loop (armed()); trigger
// then sends the query's request with the given action through the system's invocation
// manager, and finished() follows from the event loop. Triggering before armed() or twice
// does nothing.
class Invocation : public UIObject
{
    Q_OBJECT
public:
    // The query is copied; the caller keeps its own.
    explicit Invocation(const hx::system::InvokeQuery *query, QObject *parent = nullptr);
    ~Invocation() override;

    static Invocation *create(const hx::system::InvokeQuery *query, QObject *parent = nullptr);

    bool isArmed() const;
    hx::system::InvokeQuery *query() const;

public slots:
    bool trigger(const QString &action);

signals:
    void armed();
    void finished();

private:
    struct Private;
    QScopedPointer<Private> d;
};

} // namespace trellan
} // namespace hx

#endif
