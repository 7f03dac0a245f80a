#include <hx/pps/locationserver.h>

#include <hx/pps/plainjson.h>
#include <hx/pps/ppsdecoder.h>
#include <hx/pps/ppsencoder.h>
#include <hx/pps/ppsobject.h>
#include <hx/pps/ppspath.h>

#include "locationserver_p.h"

#include <QtCore/QFile>
#include <QtCore/QJsonArray>
#include <QtCore/QJsonDocument>
#include <QtCore/QJsonObject>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace hx {
namespace pps {

namespace {

const char ControlObject[] = "/pps/services/geolocation/control";
const char StatusObject[] = "/pps/services/geolocation/status";
// The largest request we accept; a location request is a few hundred bytes.
constexpr size_t MaxRequest = 16 * 1024;
// Past this many open clients new ones are hung up at once, so a flood cannot use up the
// descriptors the service needs for its status object.
constexpr size_t MaxClients = 512;

class Encoder
{
public:
    Encoder() { pps_encoder_initialize(&m_encoder, false); }
    ~Encoder() { pps_encoder_cleanup(&m_encoder); }
    pps_encoder_t *operator->() { return &m_encoder; }
    operator pps_encoder_t *() { return &m_encoder; }
    QByteArray text() const
    {
        const char *buffer = pps_encoder_buffer(&m_encoder);
        return buffer ? QByteArray(buffer, int(pps_encoder_length(&m_encoder))) : QByteArray();
    }

private:
    pps_encoder_t m_encoder;
};

// A location reply whose "dat" attribute is the given JSON object, written as it is.
QByteArray fixReply(const QJsonObject &dat)
{
    return "@control\nres::location\ndat:json:" + QJsonDocument(dat).toJson(QJsonDocument::Compact) + "\n";
}

bool parseStep(const QJsonObject &line, LocationServerPrivate::Step *step, QString *error)
{
    step->delayMs = line.value(QStringLiteral("delay")).toInt(0);
    if (line.contains(QStringLiteral("fix"))) {
        step->reply = fixReply(line.value(QStringLiteral("fix")).toObject());
    } else if (line.contains(QStringLiteral("error"))) {
        const QByteArray code = line.value(QStringLiteral("error")).toString().toUtf8();
        const QByteArray text = line.value(QStringLiteral("errstr")).toString(QString::fromUtf8(code)).toUtf8();
        Encoder encoder;
        pps_encoder_start_object(encoder, "@control");
        pps_encoder_add_string(encoder, "res", "location");
        pps_encoder_add_string(encoder, "err", code.constData());
        pps_encoder_add_string(encoder, "errstr", text.constData());
        pps_encoder_end_object(encoder);
        step->reply = encoder.text();
    } else if (line.value(QStringLiteral("status")).toBool()) {
        step->reply = "@control\nres::status\ndat:json:{\"active_request\":true,\"period\":1}\n";
    } else if (line.contains(QStringLiteral("raw"))) {
        step->reply = line.value(QStringLiteral("raw")).toString().toUtf8();
    } else {
        if (error)
            *error = QStringLiteral("a track line needs \"fix\", \"error\", \"status\" or \"raw\"");
        return false;
    }
    return true;
}

} // namespace

LocationServer::LocationServer() : d(new LocationServerPrivate) { }

LocationServer::~LocationServer()
{
    stop();
}

bool LocationServer::setTrack(const QByteArray &text, QString *error)
{
    QList<LocationServerPrivate::Step> steps;
    int number = 0;
    for (const QByteArray &rawLine : text.split('\n')) {
        ++number;
        const QByteArray line = rawLine.trimmed();
        if (line.isEmpty() || line.startsWith('#'))
            continue;
        // A line that names a member twice is refused with the malformed ones: Qt's reader leaks on it.
        const bool plain = isPlainJson(line);
        QJsonParseError parseError;
        const QJsonDocument document = plain ? QJsonDocument::fromJson(line, &parseError) : QJsonDocument();
        LocationServerPrivate::Step step;
        QString stepError
            = plain ? parseError.errorString() : QStringLiteral("malformed JSON, or a member named twice");
        if (!document.isObject() || !parseStep(document.object(), &step, &stepError)) {
            if (error)
                *error = QStringLiteral("track line %1: %2").arg(number).arg(stepError);
            return false;
        }
        steps.append(step);
    }
    std::lock_guard<std::mutex> lock(d->mutex);
    d->steps = steps;
    return true;
}

bool LocationServer::loadTrack(const QString &file, QString *error)
{
    QFile track(file);
    if (!track.open(QIODevice::ReadOnly)) {
        if (error)
            *error = track.errorString();
        return false;
    }
    return setTrack(track.readAll(), error);
}

void LocationServer::setFixedPosition(double latitude, double longitude, double accuracy)
{
    QJsonObject satellite;
    satellite.insert(QStringLiteral("id"), 7);
    satellite.insert(QStringLiteral("cno"), 38.5);
    QJsonObject dat;
    dat.insert(QStringLiteral("latitude"), latitude);
    dat.insert(QStringLiteral("longitude"), longitude);
    dat.insert(QStringLiteral("accuracy"), accuracy);
    dat.insert(QStringLiteral("altitude"), 0.0);
    dat.insert(QStringLiteral("altitudeAccuracy"), accuracy);
    dat.insert(QStringLiteral("provider"), QStringLiteral("gnss"));
    dat.insert(QStringLiteral("fix_type"), QStringLiteral("gnss_fix"));
    dat.insert(QStringLiteral("satellites"), QJsonArray({ satellite }));
    const QList<LocationServerPrivate::Step> steps { LocationServerPrivate::Step { 0, fixReply(dat) } };
    std::lock_guard<std::mutex> lock(d->mutex);
    d->steps = steps;
}

void LocationServer::setSilent()
{
    std::lock_guard<std::mutex> lock(d->mutex);
    d->steps.clear();
}

void LocationServer::setStatusInterval(int milliseconds)
{
    d->statusIntervalMs = std::max(0, milliseconds);
}

void LocationServer::setLocationOn(bool on)
{
    d->locationOn = on;
    if (isRunning())
        d->writeStatusObject();
}

bool LocationServerPrivate::writeStatusObject()
{
    // The switch lives in the member "status" of the object, where readers look for it.
    Encoder encoder;
    pps_encoder_start_object(encoder, "@status");
    pps_encoder_start_object(encoder, "status");
    pps_encoder_add_bool(encoder, "location_manager_location_on", locationOn);
    pps_encoder_end_object(encoder);
    pps_encoder_end_object(encoder);
    PpsObject status(QString::fromLatin1(StatusObject));
    return status.open(PpsObject::Publish) && status.write(encoder.text());
}

bool LocationServer::start(QString *error)
{
    if (isRunning())
        return true;
    d->controlPath = localPath(QString::fromLatin1(ControlObject));
    d->statusPath = localPath(QString::fromLatin1(StatusObject));
    if (!d->writeStatusObject()) {
        if (error)
            *error = QStringLiteral("cannot write %1: %2")
                         .arg(d->statusPath, QString::fromLocal8Bit(std::strerror(errno)));
        return false;
    }
    if (!d->listener.listen(d->controlPath, SOCK_SEQPACKET, 64, error))
        return false;
    d->listener.start([this] { d->run(); });
    return true;
}

void LocationServer::stop()
{
    d->listener.stop();
    for (auto &client : d->clients)
        ::close(client.fd);
    d->clients.clear();
    d->listener.close();
}

bool LocationServer::isRunning() const
{
    return d->listener.isRunning();
}

QString LocationServer::controlPath() const
{
    return d->controlPath;
}

QString LocationServer::statusPath() const
{
    return d->statusPath;
}

int LocationServer::requestCount() const
{
    std::lock_guard<std::mutex> lock(d->mutex);
    return d->requestCount;
}

QByteArray LocationServer::lastRequest() const
{
    std::lock_guard<std::mutex> lock(d->mutex);
    return d->lastRequest;
}

void LocationServerPrivate::run()
{
    std::vector<pollfd> fds;
    for (;;) {
        fds.clear();
        fds.push_back({ listener.wakeFd(), POLLIN, 0 });
        fds.push_back({ listener.fd(), POLLIN, 0 });
        for (const Client &client : clients)
            fds.push_back({ client.fd, POLLIN, 0 });
        const int ready = ::poll(fds.data(), fds.size(), pollTimeout(Clock::now()));
        if (ready < 0 && errno != EINTR)
            return;
        if (fds[0].revents)
            return;
        if (fds[1].revents & POLLIN)
            acceptClients();
        const auto now = Clock::now();
        // Clients accepted just now are not in fds yet; their turn comes on the next round.
        const size_t polled = fds.size() - 2;
        std::vector<Client> kept;
        for (size_t i = 0; i < clients.size(); ++i) {
            Client &client = clients[i];
            const bool readable = i < polled && fds[i + 2].revents;
            if (readable && !serveClient(client, now)) {
                ::close(client.fd);
                continue;
            }
            sendDue(client, now);
            kept.push_back(client);
        }
        clients.swap(kept);
    }
}

void LocationServerPrivate::acceptClients()
{
    for (;;) {
        const int fd = ::accept4(listener.fd(), nullptr, nullptr, SOCK_CLOEXEC);
        if (fd < 0)
            return;
        if (clients.size() >= MaxClients) {
            ::close(fd);
            continue;
        }
        Client client;
        client.fd = fd;
        clients.push_back(client);
    }
}

bool LocationServerPrivate::serveClient(Client &client, Clock::time_point now)
{
    QByteArray buffer(int(MaxRequest), '\0');
    const ssize_t n = ::recv(client.fd, buffer.data(), MaxRequest, MSG_DONTWAIT);
    if (n == 0 || (n < 0 && errno != EAGAIN && errno != EINTR))
        return false;
    if (n > 0) {
        buffer.truncate(int(n));
        handleRequest(client, buffer, now);
    }
    return true;
}

void LocationServerPrivate::handleRequest(Client &client, const QByteArray &text, Clock::time_point now)
{
    pps_decoder_t decoder;
    pps_decoder_initialize(&decoder, nullptr);
    const char *message = nullptr;
    const char *id = "";
    const bool parsed = pps_decoder_parse_pps(&decoder, text.constData(), size_t(text.size())) == PPS_DECODER_OK
        && pps_decoder_push(&decoder, nullptr) == PPS_DECODER_OK
        && pps_decoder_get_string(&decoder, "msg", &message) == PPS_DECODER_OK;
    pps_decoder_get_string(&decoder, "id", &id);
    const QByteArray requestId(id);
    const QByteArray verb = parsed ? QByteArray(message) : QByteArray();
    pps_decoder_cleanup(&decoder);

    if (verb == "cancel") {
        client.active = false;
        return;
    }
    if (verb != "location") {
        send(client, errorReply(requestId, "bad_request", "expected a location or cancel message"));
        return;
    }
    {
        std::lock_guard<std::mutex> lock(mutex);
        ++requestCount;
        lastRequest = text;
    }
    if (!locationOn) {
        client.active = false;
        send(client, errorReply(requestId, "location_off", "Location services are off"));
        return;
    }
    client.active = true;
    client.id = requestId;
    client.step = 0;
    const QList<Step> steps = currentSteps();
    client.nextStep = now + std::chrono::milliseconds(steps.isEmpty() ? 0 : steps.first().delayMs);
    client.nextStatus = now + std::chrono::milliseconds(statusIntervalMs);
    send(client, statusReply(client));
}

void LocationServerPrivate::sendDue(Client &client, Clock::time_point now)
{
    if (!client.active)
        return;
    const QList<Step> steps = currentSteps();
    while (client.step < steps.size() && client.nextStep <= now) {
        send(client, steps.at(client.step).reply);
        ++client.step;
        if (client.step < steps.size())
            client.nextStep += std::chrono::milliseconds(steps.at(client.step).delayMs);
    }
    if (statusIntervalMs > 0 && client.nextStatus <= now) {
        send(client, statusReply(client));
        client.nextStatus = now + std::chrono::milliseconds(statusIntervalMs);
    }
}

QList<LocationServerPrivate::Step> LocationServerPrivate::currentSteps() const
{
    std::lock_guard<std::mutex> lock(mutex);
    return steps;
}

int LocationServerPrivate::pollTimeout(Clock::time_point now) const
{
    auto next = Clock::time_point::max();
    const int stepCount = currentSteps().size();
    for (const Client &client : clients) {
        if (!client.active)
            continue;
        if (client.step < stepCount)
            next = std::min(next, client.nextStep);
        if (statusIntervalMs > 0)
            next = std::min(next, client.nextStatus);
    }
    if (next == Clock::time_point::max())
        return -1;
    const auto wait = std::chrono::duration_cast<std::chrono::milliseconds>(next - now).count();
    return int(std::clamp<long long>(wait + 1, 0, 60000));
}

void LocationServerPrivate::send(Client &client, const QByteArray &reply)
{
    // A client that does not read its replies loses them instead of stalling every other client.
    ::send(client.fd, reply.constData(), size_t(reply.size()), MSG_DONTWAIT | MSG_NOSIGNAL);
}

QByteArray LocationServerPrivate::statusReply(const Client &client) const
{
    Encoder encoder;
    pps_encoder_start_object(encoder, "@control");
    pps_encoder_add_string(encoder, "res", "status");
    pps_encoder_add_string(encoder, "id", client.id.constData());
    pps_encoder_start_object(encoder, "dat");
    pps_encoder_add_bool(encoder, "active_request", client.active);
    pps_encoder_add_int(encoder, "period", 1);
    pps_encoder_end_object(encoder);
    pps_encoder_end_object(encoder);
    return encoder.text();
}

QByteArray LocationServerPrivate::errorReply(const QByteArray &id, const char *code, const char *text) const
{
    Encoder encoder;
    pps_encoder_start_object(encoder, "@control");
    pps_encoder_add_string(encoder, "res", "location");
    pps_encoder_add_string(encoder, "id", id.constData());
    pps_encoder_add_string(encoder, "err", code);
    pps_encoder_add_string(encoder, "errstr", text);
    pps_encoder_end_object(encoder);
    return encoder.text();
}

} // namespace pps
} // namespace hx
