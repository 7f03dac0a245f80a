#include <hx/pps/ppsobject.h>

#include <hx/pps/ppsdecoder.h>
#include <hx/pps/ppsencoder.h>
#include <hx/pps/ppspath.h>

#include "ppsobject_p.h"

#include <QtCore/QFile>
#include <QtCore/QFileInfo>
#include <QtCore/QSaveFile>
#include <QtCore/QStringList>

#include <cerrno>
#include <cmath>
#include <cstring>
#include <fcntl.h>
#include <limits>
#include <sys/socket.h>
#include <unistd.h>

namespace hx {

namespace {

// Replies on server objects are single messages; no reply of ours comes near this.
constexpr int MaxMessage = 64 * 1024;

QVariant toVariant(pps_decoder_t *decoder)
{
    switch (pps_decoder_type(decoder, nullptr)) {
    case PPS_TYPE_STRING: {
        const char *text = nullptr;
        pps_decoder_get_string(decoder, nullptr, &text);
        return QString::fromUtf8(text);
    }
    case PPS_TYPE_BOOL: {
        bool value = false;
        pps_decoder_get_bool(decoder, nullptr, &value);
        return value;
    }
    case PPS_TYPE_NUMBER: {
        int small;
        if (pps_decoder_get_int(decoder, nullptr, &small) == PPS_DECODER_OK)
            return small;
        int64_t wide;
        if (pps_decoder_get_int64(decoder, nullptr, &wide) == PPS_DECODER_OK)
            return qlonglong(wide);
        double value = 0;
        pps_decoder_get_double(decoder, nullptr, &value);
        return value;
    }
    case PPS_TYPE_OBJECT: {
        QVariantMap map;
        pps_decoder_push(decoder, nullptr);
        while (const char *name = pps_decoder_name(decoder)) {
            const QString key = QString::fromUtf8(name);
            map.insert(key, toVariant(decoder));
        }
        pps_decoder_pop(decoder);
        return map;
    }
    case PPS_TYPE_ARRAY: {
        QVariantList list;
        pps_decoder_push(decoder, nullptr);
        while (pps_decoder_name(decoder))
            list.append(toVariant(decoder));
        pps_decoder_pop(decoder);
        return list;
    }
    default:
        pps_decoder_next(decoder);
        return QVariant();
    }
}

bool encodeValue(pps_encoder_t *encoder, const char *name, const QVariant &value);

bool encodeMap(pps_encoder_t *encoder, const QVariantMap &map)
{
    for (auto it = map.constBegin(); it != map.constEnd(); ++it) {
        if (!encodeValue(encoder, it.key().toUtf8().constData(), it.value()))
            return false;
    }
    return true;
}

bool encodeValue(pps_encoder_t *encoder, const char *name, const QVariant &value)
{
    switch (int(value.type())) {
    case QMetaType::UnknownType:
        return pps_encoder_add_null(encoder, name) == PPS_ENCODER_OK;
    case QMetaType::Bool:
        return pps_encoder_add_bool(encoder, name, value.toBool()) == PPS_ENCODER_OK;
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
        return pps_encoder_add_int64(encoder, name, value.toLongLong()) == PPS_ENCODER_OK;
    case QMetaType::ULongLong:
        if (value.toULongLong() > quint64(std::numeric_limits<qint64>::max()))
            return pps_encoder_add_double(encoder, name, value.toDouble()) == PPS_ENCODER_OK;
        return pps_encoder_add_int64(encoder, name, value.toLongLong()) == PPS_ENCODER_OK;
    case QMetaType::Double:
    case QMetaType::Float:
        return pps_encoder_add_double(encoder, name, value.toDouble()) == PPS_ENCODER_OK;
    case QMetaType::QString:
    case QMetaType::QByteArray:
        return pps_encoder_add_string(encoder, name, value.toString().toUtf8().constData()) == PPS_ENCODER_OK;
    case QMetaType::QVariantMap:
        return pps_encoder_start_object(encoder, name) == PPS_ENCODER_OK && encodeMap(encoder, value.toMap())
            && pps_encoder_end_object(encoder) == PPS_ENCODER_OK;
    case QMetaType::QVariantHash: {
        const QVariantHash hash = value.toHash();
        QVariantMap sorted;
        for (auto it = hash.constBegin(); it != hash.constEnd(); ++it)
            sorted.insert(it.key(), it.value());
        return encodeValue(encoder, name, sorted);
    }
    case QMetaType::QVariantList:
    case QMetaType::QStringList: {
        if (pps_encoder_start_array(encoder, name) != PPS_ENCODER_OK)
            return false;
        const QVariantList list = value.toList();
        for (const QVariant &element : list) {
            if (!encodeValue(encoder, nullptr, element))
                return false;
        }
        return pps_encoder_end_array(encoder) == PPS_ENCODER_OK;
    }
    default:
        return false;
    }
}

} // namespace

bool PpsObjectPrivate::fail(int code)
{
    error = code ? code : EIO;
    return false;
}

bool PpsObjectPrivate::succeed()
{
    error = 0;
    return true;
}

PpsObject::PpsObject(const QString &path, QObject *parent) : QObject(parent), d(new PpsObjectPrivate)
{
    d->path = path;
}

PpsObject::~PpsObject()
{
    close();
}

QString PpsObject::path() const
{
    return d->path;
}

bool PpsObject::open(int mode)
{
    close();
    const bool publish = mode & Publish;
    const bool subscribe = mode & Subscribe;
    if (!publish && !subscribe)
        return d->fail(EINVAL);
    int flags = publish && subscribe ? O_RDWR : publish ? O_WRONLY : O_RDONLY;
    if (publish)
        flags |= O_CREAT;
    d->server = pps::isServerObject(d->path);
    d->fd = pps::openObject(d->path, flags);
    if (d->fd < 0)
        return d->fail(errno);
    d->mode = mode;
    return d->succeed();
}

bool PpsObject::isOpen() const
{
    return d->fd >= 0;
}

void PpsObject::close()
{
    if (d->fd >= 0)
        ::close(d->fd);
    d->fd = -1;
    d->mode = 0;
}

QByteArray PpsObject::read(bool *ok)
{
    QByteArray data;
    bool success = false;
    if (d->fd < 0 || !(d->mode & Subscribe)) {
        d->fail(EBADF);
    } else if (d->server) {
        data.resize(MaxMessage);
        ssize_t n;
        do {
            n = ::recv(d->fd, data.data(), size_t(data.size()), 0);
        } while (n < 0 && errno == EINTR);
        data.resize(n > 0 ? int(n) : 0);
        success = n >= 0 ? d->succeed() : d->fail(errno);
    } else {
        // The whole object from its start, so every read sees the current state.
        char chunk[4096];
        off_t offset = 0;
        for (;;) {
            const ssize_t n = ::pread(d->fd, chunk, sizeof chunk, offset);
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0) {
                d->fail(errno);
                break;
            }
            if (n == 0) {
                success = d->succeed();
                break;
            }
            if (data.size() + n > PPS_DECODER_MAX_INPUT) {
                d->fail(EFBIG);
                break;
            }
            data.append(chunk, int(n));
            offset += n;
        }
    }
    if (!success)
        data.clear();
    if (ok)
        *ok = success;
    return data;
}

bool PpsObject::write(const QByteArray &data)
{
    if (d->fd < 0 || !(d->mode & Publish))
        return d->fail(EBADF);
    if (d->server) {
        ssize_t n;
        do {
            n = ::send(d->fd, data.constData(), size_t(data.size()), MSG_NOSIGNAL);
        } while (n < 0 && errno == EINTR);
        return n == data.size() ? d->succeed() : d->fail(n < 0 ? errno : EIO);
    }
    // A new file renamed over the old one: readers see the old text or the new, never a mix.
    QSaveFile file(pps::localPath(d->path));
    if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size())
        return d->fail(EIO);
    file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    if (!file.commit())
        return d->fail(EIO);
    // The descriptor now names the replaced file; reopen so reads see what was written.
    const int fd = pps::openObject(d->path, (d->mode & Subscribe) ? O_RDWR : O_WRONLY);
    if (fd >= 0) {
        ::close(d->fd);
        d->fd = fd;
    }
    return d->succeed();
}

int PpsObject::error() const
{
    return d->error;
}

QString PpsObject::errorString() const
{
    return d->error ? QString::fromLocal8Bit(std::strerror(d->error)) : QString();
}

QVariantMap PpsObject::decode(const QByteArray &data, bool *ok)
{
    QVariantMap result;
    pps_decoder_t decoder;
    pps_decoder_initialize(&decoder, nullptr);
    const bool parsed = pps_decoder_parse_pps(&decoder, data.constData(), size_t(data.size())) == PPS_DECODER_OK;
    if (parsed) {
        while (const char *name = pps_decoder_name(&decoder)) {
            const QString objectName = QString::fromUtf8(name);
            const QVariantMap attributes = toVariant(&decoder).toMap();
            if (objectName.isEmpty()) {
                for (auto it = attributes.constBegin(); it != attributes.constEnd(); ++it)
                    result.insert(it.key(), it.value());
            } else {
                result.insert(QLatin1Char('@') + objectName, attributes);
            }
        }
    }
    pps_decoder_cleanup(&decoder);
    if (ok)
        *ok = parsed;
    return result;
}

QByteArray PpsObject::encode(const QVariantMap &map, bool *ok)
{
    pps_encoder_t encoder;
    pps_encoder_initialize(&encoder, false);
    bool success = true;
    // Attributes first: once an object line is written, later lines belong to that object.
    for (auto it = map.constBegin(); success && it != map.constEnd(); ++it) {
        if (!it.key().startsWith(QLatin1Char('@')))
            success = encodeValue(&encoder, it.key().toUtf8().constData(), it.value());
    }
    for (auto it = map.constBegin(); success && it != map.constEnd(); ++it) {
        if (!it.key().startsWith(QLatin1Char('@')))
            continue;
        success = it.value().type() == QVariant::Map
            && pps_encoder_start_object(&encoder, it.key().toUtf8().constData()) == PPS_ENCODER_OK
            && encodeMap(&encoder, it.value().toMap()) && pps_encoder_end_object(&encoder) == PPS_ENCODER_OK;
    }
    QByteArray result;
    if (success && pps_encoder_error(&encoder) == PPS_ENCODER_OK)
        result = QByteArray(pps_encoder_buffer(&encoder), int(pps_encoder_length(&encoder)));
    else
        success = false;
    pps_encoder_cleanup(&encoder);
    if (ok)
        *ok = success;
    return result;
}

} // namespace hx
