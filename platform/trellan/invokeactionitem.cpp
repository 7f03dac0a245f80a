#include <hx/system/invokemanager.h>
#include <hx/system/invokequery.h>
#include <hx/trellan/invokeactionitem.h>

#include <QtCore/QPointer>

namespace hx {
namespace trellan {

struct InvokeActionItem::Private
{
    QPointer<hx::system::InvokeQuery> query;
    hx::system::InvokeManager *manager = nullptr;
};

InvokeActionItem::InvokeActionItem(QObject *parent) : ActionItem(parent), d(new Private)
{
    d->query = new hx::system::InvokeQuery(this);
    connect(this, &ActionItem::triggered, this, &InvokeActionItem::invoke);
}

InvokeActionItem::~InvokeActionItem() = default;

hx::system::InvokeQuery *InvokeActionItem::query() const
{
    return d->query;
}

void InvokeActionItem::setQuery(hx::system::InvokeQuery *query)
{
    if (!query || query == d->query)
        return;
    delete d->query;
    d->query = query;
    query->setParent(this);
}

void InvokeActionItem::invoke()
{
    if (!d->manager)
        d->manager = new hx::system::InvokeManager(this);
    d->manager->invoke(d->query->toRequest());
    emit invoked();
}

} // namespace trellan
} // namespace hx
