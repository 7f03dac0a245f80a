#include "cardprocess_p.h"

#include "cardwire_p.h"

#include <QtCore/QAtomicInteger>
#include <QtCore/QCoreApplication>
#include <QtCore/QDebug>
#include <QtCore/QDir>
#include <QtCore/QFile>
#include <QtNetwork/QLocalServer>
#include <QtNetwork/QLocalSocket>

#include <unistd.h>

namespace hx {
namespace system {

namespace {

QString messageRoot()
{
    const QString configured = qEnvironmentVariable("HX_MSG_ROOT");
    if (!configured.isEmpty())
        return configured;
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty())
        return runtime + QStringLiteral("/hxmsg");
    return QStringLiteral("/tmp/hxmsg-%1").arg(::getuid());
}

QString nextSocketPath()
{
    static QAtomicInteger<quint32> serial;
    return QStringLiteral("%1/card.%2.%3").arg(messageRoot()).arg(QCoreApplication::applicationPid()).arg(++serial);
}

// How long a card that has answered may take to leave before it is stopped.
const int exitGraceMs = 2000;

} // namespace

CardProcess::CardProcess(const InvokeRequest &request, const QString &program, int timeoutMs, QObject *parent)
    : QObject(parent), m_request(request), m_program(program)
{
    m_timeout.setSingleShot(true);
    m_timeout.setInterval(timeoutMs);
    connect(&m_timeout, &QTimer::timeout, this, &CardProcess::onTimeout);
    // A card attached to a terminal draws its page there.
    m_process.setProcessChannelMode(QProcess::ForwardedChannels);
    m_process.setInputChannelMode(QProcess::ForwardedInputChannel);
    connect(&m_process, QOverload<int, QProcess::ExitStatus>::of(&QProcess::finished), this,
            &CardProcess::onProcessFinished);
    connect(&m_process, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            fail(CardDoneMessage::NotStarted, "could not start");
    });
}

CardProcess::~CardProcess()
{
    m_process.disconnect(this);
    stopProcess();
    if (m_server)
        m_server->close();
}

QString CardProcess::socketVariable()
{
    return QStringLiteral("HX_CARD_SOCKET");
}

bool CardProcess::listen()
{
    QDir().mkpath(messageRoot());
    m_server = new QLocalServer(this);
    m_server->setMaxPendingConnections(1);
    // The socket is made in a private folder and moved into place, so it is never reachable
    // by others, then narrowed to what a socket needs.
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    const QString path = nextSocketPath();
    QLocalServer::removeServer(path);
    if (!m_server->listen(path)) {
        qWarning() << "hx::system::CardProcess::listen() cannot listen on" << path << m_server->errorString();
        return false;
    }
    QFile::setPermissions(m_server->fullServerName(), QFile::ReadOwner | QFile::WriteOwner);
    connect(m_server, &QLocalServer::newConnection, this, &CardProcess::onConnection);
    return true;
}

void CardProcess::start()
{
    if (!listen()) {
        fail(CardDoneMessage::NotStarted, "no socket");
        return;
    }
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(socketVariable(), m_server->fullServerName());
    m_process.setProcessEnvironment(environment);
    if (m_timeout.interval() > 0)
        m_timeout.start();
    m_process.start(m_program, QStringList());
}

void CardProcess::onConnection()
{
    QLocalSocket *socket = m_server->nextPendingConnection();
    if (!socket)
        return;
    if (m_peer) {
        socket->deleteLater();
        return;
    }
    m_peer = socket;
    // One peer per card: the socket leaves the message root as soon as it is taken.
    m_server->close();
    connect(m_peer, &QLocalSocket::readyRead, this, &CardProcess::onReadyRead);
    m_peer->write(CardWire::encodeRequest(m_request));
    m_peer->flush();
}

void CardProcess::onReadyRead()
{
    if (m_finished)
        return;
    m_pending += m_peer->readAll();
    const int end = m_pending.indexOf('\n');
    if (end < 0) {
        if (m_pending.size() > CardWire::MAX_LINE)
            fail(CardDoneMessage::AnswerTooLong, "answer too long");
        return;
    }
    CardDoneMessage message;
    if (!CardWire::decodeDone(m_pending.left(end), &message)) {
        fail(CardDoneMessage::UnreadableAnswer, "unreadable answer");
        return;
    }
    finish(message);
}

void CardProcess::onProcessFinished()
{
    // A card may answer and leave before this loop has seen its connection or its line;
    // whatever it wrote still counts.
    if (!m_finished && !m_peer && m_server && m_server->isListening())
        m_server->waitForNewConnection(0);
    while (!m_finished && m_peer && m_peer->waitForReadyRead(0)) { }
    if (!m_finished && m_peer && m_peer->bytesAvailable() > 0)
        onReadyRead();
    if (m_process.exitStatus() == QProcess::CrashExit)
        fail(CardDoneMessage::Crashed, "crashed");
    else
        fail(CardDoneMessage::LeftWithoutAnswer, "left without an answer");
}

void CardProcess::onTimeout()
{
    fail(CardDoneMessage::TimedOut, "timed out");
}

void CardProcess::finish(const CardDoneMessage &message)
{
    if (m_finished)
        return;
    m_finished = true;
    m_timeout.stop();
    if (m_process.state() != QProcess::NotRunning && !m_process.waitForFinished(exitGraceMs))
        stopProcess();
    emit finished(message);
}

void CardProcess::fail(const char *reason, const char *why)
{
    if (m_finished)
        return;
    m_finished = true;
    m_timeout.stop();
    qWarning() << "hx::system::CardProcess::finish()" << m_request.target() << why;
    stopProcess();
    emit finished(CardDoneMessage(QLatin1String(reason), QString()));
}

void CardProcess::stopProcess()
{
    if (m_process.state() == QProcess::NotRunning)
        return;
    m_process.kill();
    m_process.waitForFinished(exitGraceMs);
}

} // namespace system
} // namespace hx
