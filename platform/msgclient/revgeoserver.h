#ifndef HX_MSGCLIENT_REVGEOSERVER_H
#define HX_MSGCLIENT_REVGEOSERVER_H

#include <hx/msgclient/messageserver.h>
#include <hx/msgclient/reversegeocoder.h>

#include <QtCore/QScopedPointer>
#include <QtCore/QString>

namespace hx {
namespace msgclient {

// The "revgeocode" message service: a MessageServer whose connections are answered by a
// ReverseGeocoder, one per serving thread (each with its own gazetteer connection).
// hx-revgeocoded runs it as a daemon; tests run it in-process on their own roots.
class RevGeoServer
{
public:
    static constexpr const char *ServiceName = "revgeocode";

    // Answers from the gazetteer file (empty: HX_GAZETTEER_DB or its default).
    explicit RevGeoServer(const QString &gazetteerPath = QString());
    // Answers from a lookup that must be safe to call from several threads at once.
    explicit RevGeoServer(const ReverseGeocoder::Lookup &lookup);
    ~RevGeoServer();

    MessageServer &server();
    bool start(QString *error = nullptr);
    void stop();

private:
    QScopedPointer<MessageServer> m_server;
};

} // namespace msgclient
} // namespace hx

#endif
