#include <hx/system/invokemanager.h>
#include <hx/system/invokequery.h>
#include <hx/trellan/invocation.h>

#include <QtCore/QTimer>

namespace hx {
namespace trellan {

struct Invocation::Private
{
    hx::system::InvokeQuery *query = nullptr;
    hx::system::InvokeManager *manager = nullptr;
    bool armed = false;
    bool triggered = false;
};

Invocation::Invocation(const hx::system::InvokeQuery *query, QObject *parent) : UIObject(parent), d(new Private)
{
    d->query = new hx::system::InvokeQuery(this);
    if (query) {
        d->query->setMimeType(query->mimeType());
        d->query->setUri(query->uri());
        d->query->setData(query->data());
        d->query->setMetadata(query->metadata());
        d->query->setInvokeActionId(query->invokeActionId());
        d->query->setInvokeTargetId(query->invokeTargetId());
        d->query->setPerimeter(query->perimeter());
    }
    QTimer::singleShot(0, this, [this] {
        d->armed = true;
        emit armed();
    });
}

Invocation::~Invocation() = default;

Invocation *Invocation::create(const hx::system::InvokeQuery *query, QObject *parent)
{
    return new Invocation(query, parent);
}

bool Invocation::isArmed() const
{
    return d->armed;
}

hx::system::InvokeQuery *Invocation::query() const
{
    return d->query;
}

bool Invocation::trigger(const QString &action)
{
    if (!d->armed || d->triggered)
        return false;
    d->triggered = true;
    d->manager = new hx::system::InvokeManager(this);
    d->manager->invoke(d->query->toRequest(action));
    QTimer::singleShot(0, this, &Invocation::finished);
    return true;
}

} // namespace trellan
} // namespace hx
