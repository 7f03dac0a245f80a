#include <hx/system/invokerequest.h>

namespace hx {
namespace system {

class InvokeRequestData : public QSharedData
{
public:
    QString action;
    QString target;
    QString mimeType;
    QUrl uri;
    QByteArray data;
    QVariantMap metadata;
    SecurityPerimeter::Type perimeter = SecurityPerimeter::Default;
};

InvokeRequest::InvokeRequest() : d(new InvokeRequestData) { }

InvokeRequest::InvokeRequest(const InvokeRequest &other) = default;
InvokeRequest &InvokeRequest::operator=(const InvokeRequest &other) = default;
InvokeRequest::~InvokeRequest() = default;

QString InvokeRequest::action() const
{
    return d->action;
}

void InvokeRequest::setAction(const QString &action)
{
    d->action = action;
}

QString InvokeRequest::target() const
{
    return d->target;
}

void InvokeRequest::setTarget(const QString &target)
{
    d->target = target;
}

QString InvokeRequest::mimeType() const
{
    return d->mimeType;
}

void InvokeRequest::setMimeType(const QString &mimeType)
{
    d->mimeType = mimeType;
}

QUrl InvokeRequest::uri() const
{
    return d->uri;
}

void InvokeRequest::setUri(const QUrl &uri)
{
    d->uri = uri;
}

void InvokeRequest::setUri(const QString &uri)
{
    d->uri = QUrl(uri);
}

QByteArray InvokeRequest::data() const
{
    return d->data;
}

void InvokeRequest::setData(const QByteArray &data)
{
    d->data = data;
}

QVariantMap InvokeRequest::metadata() const
{
    return d->metadata;
}

void InvokeRequest::setMetadata(const QVariantMap &metadata)
{
    d->metadata = metadata;
}

SecurityPerimeter::Type InvokeRequest::perimeter() const
{
    return d->perimeter;
}

void InvokeRequest::setPerimeter(SecurityPerimeter::Type perimeter)
{
    d->perimeter = perimeter;
}

bool InvokeRequest::operator==(const InvokeRequest &other) const
{
    return d->action == other.d->action && d->target == other.d->target && d->mimeType == other.d->mimeType
        && d->uri == other.d->uri && d->data == other.d->data && d->metadata == other.d->metadata
        && d->perimeter == other.d->perimeter;
}

} // namespace system
} // namespace hx
