#ifndef HX_SYSTEM_CARDPROCESS_P_H
#define HX_SYSTEM_CARDPROCESS_P_H

#include <hx/system/carddonemessage.h>
#include <hx/system/invokerequest.h>

#include <QtCore/QObject>
#include <QtCore/QProcess>
#include <QtCore/QTimer>

class QLocalServer;
class QLocalSocket;

namespace hx {
namespace system {

// One card program started for one invocation. It listens on a socket of its own under the
// message root, hands the invocation to the program once it connects, and emits finished()
// exactly once: with the card's message, or with an empty one when the program could not
// start, crashed, was killed, left without answering or outlived the time-out.
class CardProcess : public QObject
{
    Q_OBJECT
public:
    CardProcess(const InvokeRequest &request, const QString &program, int timeoutMs, QObject *parent);
    ~CardProcess() override;

    void start();
    static QString socketVariable();

signals:
    void finished(const hx::system::CardDoneMessage &message);

private:
    void onConnection();
    void onReadyRead();
    void onProcessFinished();
    void onTimeout();
    void finish(const CardDoneMessage &message);
    // Ends the card without its answer; reason is one of CardDoneMessage's own, why goes to the log.
    void fail(const char *reason, const char *why);
    void stopProcess();
    bool listen();

    InvokeRequest m_request;
    QString m_program;
    QLocalServer *m_server = nullptr;
    QLocalSocket *m_peer = nullptr;
    QProcess m_process;
    QTimer m_timeout;
    QByteArray m_pending;
    bool m_finished = false;
};

} // namespace system
} // namespace hx

#endif
