#ifndef HX_TEST_HTTPFIXTURE_H
#define HX_TEST_HTTPFIXTURE_H

#include <QtCore/QByteArray>
#include <QtCore/QHash>
#include <QtCore/QObject>
#include <QtCore/QUrl>
#include <QtNetwork/QTcpServer>

namespace hx {
namespace test {

// A small HTTP server on the loopback address: serves the bodies given per path (404 for any
// other), lets clients cache them for an hour and counts the requests it answered.
class HttpFixture : public QObject
{
    Q_OBJECT

public:
    explicit HttpFixture(QObject *parent = nullptr);

    bool isListening() const { return m_server.isListening(); }
    void serve(const QString &path, const QByteArray &body, const QByteArray &contentType);
    QUrl url(const QString &path) const;
    int requestCount() const { return m_requests; }

private slots:
    void onNewConnection();

private:
    void answer(QTcpSocket *socket);

    QTcpServer m_server;
    QHash<QString, QPair<QByteArray, QByteArray>> m_bodies;
    int m_requests = 0;
};

} // namespace test
} // namespace hx

#endif
