#include "httpfixture.h"

#include <QtNetwork/QTcpSocket>

namespace hx {
namespace test {

HttpFixture::HttpFixture(QObject *parent) : QObject(parent)
{
    connect(&m_server, &QTcpServer::newConnection, this, &HttpFixture::onNewConnection);
    m_server.listen(QHostAddress::LocalHost, 0);
}

void HttpFixture::serve(const QString &path, const QByteArray &body, const QByteArray &contentType)
{
    m_bodies.insert(path, qMakePair(body, contentType));
}

QUrl HttpFixture::url(const QString &path) const
{
    return QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(m_server.serverPort()).arg(path));
}

void HttpFixture::onNewConnection()
{
    while (QTcpSocket *socket = m_server.nextPendingConnection()) {
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { answer(socket); });
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
    }
}

void HttpFixture::answer(QTcpSocket *socket)
{
    // Requests are small GETs: wait for the end of the header block.
    const QByteArray buffered = socket->property("buffer").toByteArray() + socket->readAll();
    if (!buffered.contains("\r\n\r\n")) {
        socket->setProperty("buffer", buffered);
        return;
    }
    socket->setProperty("buffer", QByteArray());
    ++m_requests;
    const QList<QByteArray> words = buffered.left(buffered.indexOf("\r\n")).split(' ');
    const QString path = words.size() > 1 ? QString::fromLatin1(words.at(1)) : QString();
    QByteArray response;
    if (m_bodies.contains(path)) {
        const auto &entry = m_bodies.value(path);
        response = "HTTP/1.1 200 OK\r\nContent-Type: " + entry.second
            + "\r\nContent-Length: " + QByteArray::number(entry.first.size()) + "\r\nCache-Control: max-age=3600\r\n"
            + "Last-Modified: Mon, 07 Dec 2026 00:00:00 GMT\r\nConnection: close\r\n\r\n" + entry.first;
    } else {
        response = "HTTP/1.1 404 Not Found\r\nContent-Length: 0\r\nConnection: close\r\n\r\n";
    }
    socket->write(response);
    socket->disconnectFromHost();
}

} // namespace test
} // namespace hx
