#ifndef HX_SYSTEM_NFCSHAREDATACONTENT_H
#define HX_SYSTEM_NFCSHAREDATACONTENT_H

#include <QtCore/QByteArray>
#include <QtCore/QString>
#include <QtCore/QUrl>

namespace hx {
namespace system {

// The payload a tap shares: a URI, or data with its MIME type.
class NfcShareDataContent
{
public:
    QString mimeType() const { return m_mimeType; }
    void setMimeType(const QString &mimeType) { m_mimeType = mimeType; }
    QByteArray data() const { return m_data; }
    void setData(const QByteArray &data) { m_data = data; }
    QUrl uri() const { return m_uri; }
    void setUri(const QUrl &uri) { m_uri = uri; }

    bool isEmpty() const { return m_data.isEmpty() && m_uri.isEmpty(); }
    bool operator==(const NfcShareDataContent &other) const
    {
        return m_mimeType == other.m_mimeType && m_data == other.m_data && m_uri == other.m_uri;
    }

private:
    QString m_mimeType;
    QByteArray m_data;
    QUrl m_uri;
};

} // namespace system
} // namespace hx

#endif
