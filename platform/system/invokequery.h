#ifndef HX_SYSTEM_INVOKEQUERY_H
#define HX_SYSTEM_INVOKEQUERY_H

#include <hx/system/invokerequest.h>

#include <QtCore/QObject>
#include <QtCore/QScopedPointer>

namespace hx {
namespace system {

class InvokeQueryPrivate;

// The description of an invocation that the toolkit's invoke action items and invocations
// carry until the user triggers them (sharing, map actions, NFC content).
class InvokeQuery : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString mimeType READ mimeType WRITE setMimeType NOTIFY queryChanged)
    Q_PROPERTY(QUrl uri READ uri WRITE setUri NOTIFY queryChanged)
    Q_PROPERTY(QByteArray data READ data WRITE setData NOTIFY queryChanged)
    Q_PROPERTY(QVariantMap metadata READ metadata WRITE setMetadata NOTIFY queryChanged)
    Q_PROPERTY(QString invokeActionId READ invokeActionId WRITE setInvokeActionId NOTIFY queryChanged)
    Q_PROPERTY(QString invokeTargetId READ invokeTargetId WRITE setInvokeTargetId NOTIFY queryChanged)
public:
    explicit InvokeQuery(QObject *parent = nullptr);
    ~InvokeQuery() override;

    QString mimeType() const;
    void setMimeType(const QString &mimeType);
    QUrl uri() const;
    void setUri(const QUrl &uri);
    // Parsed as a URL (tolerant mode).
    void setUri(const QString &uri);
    QByteArray data() const;
    void setData(const QByteArray &data);
    QVariantMap metadata() const;
    void setMetadata(const QVariantMap &metadata);
    QString invokeActionId() const;
    void setInvokeActionId(const QString &actionId);
    QString invokeTargetId() const;
    void setInvokeTargetId(const QString &targetId);
    SecurityPerimeter::Type perimeter() const;
    void setPerimeter(SecurityPerimeter::Type perimeter);

    // The request this query stands for; action, when given, replaces the query's own.
    InvokeRequest toRequest(const QString &action = QString()) const;

public slots:
    // Tells whoever holds the query that it changed as a whole.
    void updateQuery();

signals:
    void queryChanged();

private:
    QScopedPointer<InvokeQueryPrivate> d;
};

} // namespace system
} // namespace hx

#endif
