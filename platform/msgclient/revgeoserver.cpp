#include <hx/msgclient/revgeoserver.h>

#include <atomic>
#include <memory>

namespace hx {
namespace msgclient {

static MessageServer::Handler handlerFor(const std::shared_ptr<ReverseGeocoder> &geocoder)
{
    return [geocoder](const QByteArray &request) { return geocoder->answer(request); };
}

RevGeoServer::RevGeoServer(const QString &gazetteerPath)
{
    // The first geocoder (made when the server starts) reads the index in ahead: it answers
    // every request while they come one at a time. Those made for a burst start cold rather
    // than keep the burst waiting.
    auto preloaded = std::make_shared<std::atomic<bool>>(false);
    m_server.reset(new MessageServer(QString::fromLatin1(ServiceName), [gazetteerPath, preloaded] {
        auto geocoder = std::make_shared<ReverseGeocoder>(gazetteerPath);
        if (!preloaded->exchange(true))
            geocoder->preload();
        return handlerFor(geocoder);
    }));
    m_server->setErrorReply(&ReverseGeocoder::errorReply);
    m_server->setMaxRequestSize(RevGeoRequest::MaxSize);
}

RevGeoServer::RevGeoServer(const ReverseGeocoder::Lookup &lookup)
    : m_server(new MessageServer(QString::fromLatin1(ServiceName),
                                 [lookup] { return handlerFor(std::make_shared<ReverseGeocoder>(lookup)); }))
{
    m_server->setErrorReply(&ReverseGeocoder::errorReply);
    m_server->setMaxRequestSize(RevGeoRequest::MaxSize);
}

RevGeoServer::~RevGeoServer() = default;

MessageServer &RevGeoServer::server()
{
    return *m_server;
}

bool RevGeoServer::start(QString *error)
{
    return m_server->start(error);
}

void RevGeoServer::stop()
{
    m_server->stop();
}

} // namespace msgclient
} // namespace hx
