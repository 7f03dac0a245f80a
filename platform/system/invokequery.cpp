#include <hx/system/invokequery.h>

namespace hx {
namespace system {

class InvokeQueryPrivate
{
public:
    InvokeRequest request;
};

InvokeQuery::InvokeQuery(QObject *parent) : QObject(parent), d(new InvokeQueryPrivate) { }

InvokeQuery::~InvokeQuery() = default;

QString InvokeQuery::mimeType() const
{
    return d->request.mimeType();
}

void InvokeQuery::setMimeType(const QString &mimeType)
{
    d->request.setMimeType(mimeType);
}

QUrl InvokeQuery::uri() const
{
    return d->request.uri();
}

void InvokeQuery::setUri(const QUrl &uri)
{
    d->request.setUri(uri);
}

void InvokeQuery::setUri(const QString &uri)
{
    d->request.setUri(QUrl(uri, QUrl::TolerantMode));
}

QByteArray InvokeQuery::data() const
{
    return d->request.data();
}

void InvokeQuery::setData(const QByteArray &data)
{
    d->request.setData(data);
}

QVariantMap InvokeQuery::metadata() const
{
    return d->request.metadata();
}

void InvokeQuery::setMetadata(const QVariantMap &metadata)
{
    d->request.setMetadata(metadata);
}

QString InvokeQuery::invokeActionId() const
{
    return d->request.action();
}

void InvokeQuery::setInvokeActionId(const QString &actionId)
{
    d->request.setAction(actionId);
}

QString InvokeQuery::invokeTargetId() const
{
    return d->request.target();
}

void InvokeQuery::setInvokeTargetId(const QString &targetId)
{
    d->request.setTarget(targetId);
}

SecurityPerimeter::Type InvokeQuery::perimeter() const
{
    return d->request.perimeter();
}

void InvokeQuery::setPerimeter(SecurityPerimeter::Type perimeter)
{
    d->request.setPerimeter(perimeter);
}

InvokeRequest InvokeQuery::toRequest(const QString &action) const
{
    InvokeRequest request = d->request;
    if (!action.isEmpty())
        request.setAction(action);
    return request;
}

void InvokeQuery::updateQuery()
{
    emit queryChanged();
}

} // namespace system
} // namespace hx
