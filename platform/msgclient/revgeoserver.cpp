#include <hx/msgclient/revgeoserver.h>

#include <memory>

namespace hx {
namespace msgclient {

static MessageServer::Handler handlerFor(const std::shared_ptr<ReverseGeocoder> &geocoder)
{
    return [geocoder](const QByteArray &request) { return geocoder->answer(request); };
}

RevGeoServer::RevGeoServer(const QString &gazetteerPath)
{
    // Every thread's geocoder shares one in-memory index of the file, read when the server starts.
    m_server.reset(new MessageServer(QString::fromLatin1(ServiceName), [gazetteerPath] {
        auto geocoder = std::make_shared<ReverseGeocoder>(gazetteerPath);
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
