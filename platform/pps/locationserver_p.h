#ifndef HX_PPS_LOCATIONSERVER_P_H
#define HX_PPS_LOCATIONSERVER_P_H

#include <hx/pps/unixlistener.h>

#include <QtCore/QByteArray>
#include <QtCore/QList>
#include <QtCore/QString>

#include <atomic>
#include <chrono>
#include <mutex>
#include <vector>

namespace hx {
namespace pps {

class LocationServerPrivate
{
public:
    using Clock = std::chrono::steady_clock;

    struct Step
    {
        int delayMs = 0;
        QByteArray reply;
    };

    struct Client
    {
        int fd = -1;
        bool active = false; // a location request is being answered
        QByteArray id;
        int step = 0;
        Clock::time_point nextStep;
        Clock::time_point nextStatus;
    };

    void run();
    void acceptClients();
    bool serveClient(Client &client, Clock::time_point now);
    void handleRequest(Client &client, const QByteArray &text, Clock::time_point now);
    void sendDue(Client &client, Clock::time_point now);
    int pollTimeout(Clock::time_point now) const;
    void send(Client &client, const QByteArray &reply);
    QByteArray statusReply(const Client &client) const;
    QByteArray errorReply(const QByteArray &id, const char *code, const char *text) const;
    bool writeStatusObject();

    // The answer's steps, as the server thread takes them when it needs them: the position may
    // move while it answers.
    QList<Step> currentSteps() const;

    // Configuration: set before start(), except locationOn and the steps.
    int statusIntervalMs = 1000;
    std::atomic<bool> locationOn { true };

    QString controlPath;
    QString statusPath;
    UnixListener listener;
    std::vector<Client> clients;

    mutable std::mutex mutex; // guards the steps and the request record below
    QList<Step> steps;
    int requestCount = 0;
    QByteArray lastRequest;
};

} // namespace pps
} // namespace hx

#endif
