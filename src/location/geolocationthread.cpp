#include <hx/trellan/places/geolocationthread.h>

#include <hx/pps/ppsdecoder.h>
#include <hx/pps/ppsencoder.h>
#include <hx/pps/ppspath.h>

#include <QtCore/QElapsedTimer>
#include <QtCore/QMutexLocker>

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <limits>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

namespace hx {
namespace trellan {
namespace places {

namespace {

constexpr double NaN = std::numeric_limits<double>::quiet_NaN();
constexpr const char *CONTROL_PATH = "/pps/services/geolocation/control";
constexpr int REPLY_SIZE = 20480;
constexpr int DEFAULT_TIMEOUT_MS = 60000;
// After an end-of-stream read the next read is tried this much later, so a
// closed service does not keep a core busy until the time-out.
constexpr int EMPTY_READ_PAUSE_MS = 50;

// The position members a run keeps; each keeps its value when a reply lacks it.
struct Fix
{
    double latitude = NaN;
    double longitude = NaN;
    double altitude = NaN;
    double accuracy = NaN;
    double altitudeAccuracy = NaN;
};

enum class Reply { ReadAgain, Stop, Position };

void readDouble(pps_decoder_t *decoder, const char *name, double *value)
{
    double read = 0;
    if (pps_decoder_get_double(decoder, name, &read) == PPS_DECODER_OK)
        *value = read;
}

// Heading, speed, provider, fix type and satellites are read as the service
// sends them and dropped. A "satellites" member that is not an array makes the
// reply unusable.
bool readDroppedMembers(pps_decoder_t *decoder)
{
    double ignoredDouble = 0;
    const char *ignoredText = nullptr;
    pps_decoder_get_double(decoder, "heading", &ignoredDouble);
    pps_decoder_get_double(decoder, "speed", &ignoredDouble);
    pps_decoder_get_string(decoder, "provider", &ignoredText);
    pps_decoder_get_string(decoder, "fix_type", &ignoredText);

    const pps_node_type_t type = pps_decoder_type(decoder, "satellites");
    if (type == PPS_TYPE_NONE)
        return true;
    if (type != PPS_TYPE_ARRAY)
        return false;
    if (pps_decoder_push(decoder, "satellites") != PPS_DECODER_OK)
        return false;
    const int count = pps_decoder_length(decoder);
    for (int i = 0; i < count; ++i) {
        if (pps_decoder_push(decoder, nullptr) != PPS_DECODER_OK)
            break;
        int id = 0;
        double cno = 0;
        pps_decoder_get_int(decoder, "id", &id);
        pps_decoder_get_double(decoder, "cno", &cno);
        pps_decoder_pop(decoder);
    }
    pps_decoder_pop(decoder);
    return true;
}

Reply readReply(pps_decoder_t *decoder, char *text, Fix *fix)
{
    if (pps_decoder_parse_pps_str(decoder, text) != PPS_DECODER_OK
        || pps_decoder_push(decoder, nullptr) != PPS_DECODER_OK)
        return Reply::ReadAgain;
    const char *res = nullptr;
    if (pps_decoder_get_string(decoder, "res", &res) != PPS_DECODER_OK || !res)
        return Reply::ReadAgain;

    if (std::strncmp(res, "status", 6) == 0) {
        // The service's own state; nothing in it decides the run.
        if (pps_decoder_push(decoder, "dat") == PPS_DECODER_OK) {
            bool active = false;
            int period = 0;
            if (pps_decoder_get_bool(decoder, "active_request", &active) == PPS_DECODER_OK && active)
                pps_decoder_get_int(decoder, "period", &period);
            pps_decoder_pop(decoder);
        }
        return Reply::ReadAgain;
    }

    const char *err = nullptr;
    if (pps_decoder_get_string(decoder, "err", &err) == PPS_DECODER_OK) {
        const char *errstr = nullptr;
        pps_decoder_get_string(decoder, "errstr", &errstr);
        return Reply::Stop;
    }
    if (pps_decoder_push(decoder, "dat") != PPS_DECODER_OK)
        return Reply::Stop;
    readDouble(decoder, "latitude", &fix->latitude);
    readDouble(decoder, "longitude", &fix->longitude);
    readDouble(decoder, "altitude", &fix->altitude);
    readDouble(decoder, "accuracy", &fix->accuracy);
    readDouble(decoder, "altitudeAccuracy", &fix->altitudeAccuracy);
    const bool usable = readDroppedMembers(decoder);
    pps_decoder_pop(decoder);
    return usable ? Reply::Position : Reply::ReadAgain;
}

bool writeRequest(int fd, const GeolocationRequest &request)
{
    pps_encoder_t encoder;
    pps_encoder_initialize(&encoder, false);
    const QByteArray id = request.id().toLatin1();
    pps_encoder_start_object(&encoder, "@control");
    pps_encoder_add_string(&encoder, "msg", "location");
    pps_encoder_add_string(&encoder, "id", id.constData());
    pps_encoder_start_object(&encoder, "dat");
    if (request.background)
        pps_encoder_add_bool(&encoder, "background", true);
    pps_encoder_add_int(&encoder, "period", request.period < 0 ? 3 : request.period);
    if (request.accuracy > 0)
        pps_encoder_add_int(&encoder, "accuracy", request.accuracy);
    if (request.provider != GeolocationRequest::Default)
        pps_encoder_add_string(&encoder, "provider", request.providerString().toLatin1().constData());
    if (request.responseTime >= 0)
        pps_encoder_add_int(&encoder, "response_time", request.responseTime);
    pps_encoder_end_object(&encoder);
    pps_encoder_end_object(&encoder);

    bool written = false;
    if (pps_encoder_error(&encoder) == PPS_ENCODER_OK) {
        const int length = pps_encoder_length(&encoder);
        written = ::write(fd, pps_encoder_buffer(&encoder), length) == length;
        if (!written)
            perror("write");
    }
    pps_encoder_cleanup(&encoder);
    return written;
}

// Waits until fd is readable or the time is up; false on time-up.
bool waitReadable(int fd, qint64 remainingMs)
{
    pollfd poller = { fd, POLLIN, 0 };
    for (;;) {
        const int ready = ::poll(&poller, 1, int(qMin<qint64>(remainingMs, 0x7fffffff)));
        if (ready >= 0)
            return ready > 0;
        if (errno != EINTR)
            return true; // let read() report the failure
    }
}

} // namespace

GeolocationThread::GeolocationThread(const GeolocationRequest &request)
    : m_request(request), m_running(false), m_threadId(), m_fixTime(0)
{ }

GeolocationThread::~GeolocationThread() = default;

bool GeolocationThread::isFixExpired(unsigned int seconds) const
{
    const unsigned int age = static_cast<unsigned int>(time(nullptr) - fixTime());
    return age > seconds;
}

bool GeolocationThread::beginRun(bool resetFix)
{
    QMutexLocker locker(&m_mutex);
    if (m_running)
        return false;
    if (resetFix)
        m_coordinate.reset();
    m_running = true;
    return true;
}

bool GeolocationThread::isRunning() const
{
    QMutexLocker locker(&m_mutex);
    return m_running;
}

void GeolocationThread::setThreadId(pthread_t id)
{
    QMutexLocker locker(&m_mutex);
    m_threadId = id;
}

void GeolocationThread::endRun()
{
    QMutexLocker locker(&m_mutex);
    m_running = false;
}

void GeolocationThread::startThread()
{
    const int fd = hx::pps::openObject(QLatin1String(CONTROL_PATH), O_RDWR);
    if (fd < 0) {
        const int error = errno;
        m_coordinate.setFailed(error);
        perror("open");
        endRun();
        return;
    }

    struct stat info;
    const bool isSocket = ::fstat(fd, &info) == 0 && S_ISSOCK(info.st_mode);
    Fix fix;
    if (writeRequest(fd, m_request)) {
        const qint64 timeoutMs = m_request.responseTime < 0 ? DEFAULT_TIMEOUT_MS : m_request.responseTime * 1000LL;
        QElapsedTimer elapsed;
        elapsed.start();
        char buffer[REPLY_SIZE + 1];
        pps_decoder_t decoder;
        pps_decoder_initialize(&decoder, nullptr);
        for (;;) {
            const qint64 remaining = timeoutMs - elapsed.elapsed();
            if (remaining < 0 || !waitReadable(fd, remaining))
                break;
            std::memset(buffer, 0, sizeof buffer);
            const ssize_t length = ::read(fd, buffer, REPLY_SIZE);
            if (length < 0) {
                perror("read");
                break;
            }
            if (length == 0) {
                if (isSocket)
                    break; // the service closed the connection: nothing more will come
                ::usleep(EMPTY_READ_PAUSE_MS * 1000);
                continue;
            }
            const Reply reply = readReply(&decoder, buffer, &fix);
            if (reply == Reply::Stop)
                break;
            if (reply == Reply::ReadAgain || std::isnan(fix.latitude) || std::isnan(fix.longitude))
                continue;
            if (m_request.accuracy <= 0 || double(m_request.accuracy) >= fix.accuracy)
                break;
        }
        pps_decoder_cleanup(&decoder);
    }
    ::close(fd);

    // Whatever ended the run, the best position it saw is published.
    if (!std::isnan(fix.latitude) && !std::isnan(fix.longitude)) {
        m_fixTime.store(time(nullptr), std::memory_order_release);
        m_coordinate.set(
            SelectorCoordinate(fix.latitude, fix.longitude, fix.accuracy, fix.altitude, fix.altitudeAccuracy));
    }
    endRun();
}

} // namespace places
} // namespace trellan
} // namespace hx
