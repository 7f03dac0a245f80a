#ifndef HX_SYSTEM_INVOKEREQUEST_H
#define HX_SYSTEM_INVOKEREQUEST_H

#include <hx/system/securityperimeter.h>

#include <QtCore/QByteArray>
#include <QtCore/QMetaType>
#include <QtCore/QSharedDataPointer>
#include <QtCore/QString>
#include <QtCore/QUrl>
#include <QtCore/QVariantMap>

namespace hx {
namespace system {

class InvokeRequestData;

// One request to the invocation service: what to do (action), to whom (target; empty lets
// the system choose), and with what (MIME type, URI, data, metadata), in which perimeter.
class InvokeRequest
{
public:
    InvokeRequest();
    InvokeRequest(const InvokeRequest &other);
    InvokeRequest &operator=(const InvokeRequest &other);
    ~InvokeRequest();

    QString action() const;
    void setAction(const QString &action);
    QString target() const;
    void setTarget(const QString &target);
    QString mimeType() const;
    void setMimeType(const QString &mimeType);
    QUrl uri() const;
    void setUri(const QUrl &uri);
    void setUri(const QString &uri);
    QByteArray data() const;
    void setData(const QByteArray &data);
    QVariantMap metadata() const;
    void setMetadata(const QVariantMap &metadata);
    SecurityPerimeter::Type perimeter() const;
    void setPerimeter(SecurityPerimeter::Type perimeter);

    bool operator==(const InvokeRequest &other) const;
    bool operator!=(const InvokeRequest &other) const { return !(*this == other); }

private:
    QSharedDataPointer<InvokeRequestData> d;
};

} // namespace system
} // namespace hx

Q_DECLARE_METATYPE(hx::system::InvokeRequest)

#endif
