#include <hx/platform/places/utilities.h>

#include <QtCore/QBuffer>
#include <QtCore/QDataStream>

#include "abstractplace_p.h"
#include "bytes_p.h"

namespace hx {
namespace platform {
namespace places {

QByteArray Utilities::serialize(const Place &place)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setVersion(QDataStream::Qt_5_15);
    const AbstractPlaceData &data = *place.d;
    out << Magic << Version;
    out << qint64(data.id) << data.name << data.description << qint32(data.source) << qint64(data.lastUsedTime)
        << qint32(data.certainty) << qint32(data.securityPerimeter) << data.mapUrl.toString();
    Bytes::writeStrings(out, data.tags);
    out << quint32(data.locations.size());
    for (const Location &location : data.locations)
        out << location;
    out << quint32(data.auxiliaryData.size());
    for (const AuxiliaryData &aux : data.auxiliaryData)
        out << aux;
    return bytes;
}

Place *Utilities::deserialize(const QByteArray &bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QDataStream in(&buffer);
    in.setVersion(QDataStream::Qt_5_15);
    quint32 magic = 0;
    quint16 version = 0;
    in >> magic >> version;
    // A newer version may have fields this one cannot read: refuse rather than guess.
    if (in.status() != QDataStream::Ok || magic != Magic || version == 0 || version > Version)
        return nullptr;

    Place place;
    AbstractPlaceData &data = *place.d;
    qint64 id = -1, lastUsed = 0;
    qint32 source = 0, certainty = 0, perimeter = 0;
    QString mapUrl;
    in >> id >> data.name >> data.description >> source >> lastUsed >> certainty >> perimeter >> mapUrl;
    data.id = id;
    data.source = source;
    data.lastUsedTime = lastUsed;
    data.certainty = certainty;
    data.securityPerimeter = perimeter;
    data.mapUrl = QUrl(mapUrl);
    Bytes::readStrings(in, data.tags);
    quint32 count = 0;
    if (Bytes::readCount(in, count)) {
        for (quint32 i = 0; i < count && in.status() == QDataStream::Ok; ++i) {
            Location location;
            in >> location;
            data.locations.append(location);
        }
    }
    if (Bytes::readCount(in, count)) {
        for (quint32 i = 0; i < count && in.status() == QDataStream::Ok; ++i) {
            AuxiliaryData aux;
            in >> aux;
            data.auxiliaryData.append(aux);
        }
    }
    // Trailing bytes mean the form is not ours, even when the head looked right.
    if (in.status() != QDataStream::Ok || !in.atEnd())
        return nullptr;
    return new Place(place);
}

bool Utilities::deserialize(const QByteArray &bytes, Place *&place)
{
    Place *result = deserialize(bytes);
    if (!result)
        return false;
    place = result;
    return true;
}

} // namespace places
} // namespace platform
} // namespace hx
