#ifndef HX_PLATFORM_PLACES_BYTES_P_H
#define HX_PLATFORM_PLACES_BYTES_P_H

#include <QtCore/QDataStream>
#include <QtCore/QIODevice>
#include <QtCore/QJsonDocument>
#include <QtCore/QJsonObject>
#include <QtCore/QStringList>
#include <QtCore/QVariantMap>
#include <hx/pps/plainjson.h>

namespace hx {
namespace platform {
namespace places {

// Readers for the byte form that never trust a count from the bytes: Qt's own list readers
// reserve the count first, so a corrupt count would try to allocate gigabytes.
class Bytes
{
public:
    static bool readCount(QDataStream &in, quint32 &count)
    {
        in >> count;
        if (in.status() != QDataStream::Ok)
            return false;
        // Every element takes at least four bytes, so a larger count cannot be honest.
        if (in.device() && qint64(count) * 4 > in.device()->bytesAvailable()) {
            in.setStatus(QDataStream::ReadCorruptData);
            return false;
        }
        return true;
    }

    static void writeStrings(QDataStream &out, const QStringList &strings)
    {
        out << quint32(strings.size());
        for (const QString &string : strings)
            out << string;
    }

    static void readStrings(QDataStream &in, QStringList &strings)
    {
        strings.clear();
        quint32 count = 0;
        if (!readCount(in, count))
            return;
        for (quint32 i = 0; i < count && in.status() == QDataStream::Ok; ++i) {
            QString string;
            in >> string;
            strings.append(string);
        }
    }

    // Property maps travel as compact JSON inside a byte array, which Qt reads in bounded steps.
    static void writeMap(QDataStream &out, const QVariantMap &map)
    {
        out << (map.isEmpty() ? QByteArray()
                              : QJsonDocument(QJsonObject::fromVariantMap(map)).toJson(QJsonDocument::Compact));
    }

    static void readMap(QDataStream &in, QVariantMap &map)
    {
        QByteArray json;
        in >> json;
        map.clear();
        if (json.isEmpty() || in.status() != QDataStream::Ok)
            return;
        // A map that names a member twice is not one we wrote: refused as corrupt, and never
        // shown to Qt's reader, which leaks on it.
        const QJsonDocument document = hx::pps::isPlainJson(json) ? QJsonDocument::fromJson(json) : QJsonDocument();
        if (!document.isObject()) {
            in.setStatus(QDataStream::ReadCorruptData);
            return;
        }
        map = document.object().toVariantMap();
    }
};

} // namespace places
} // namespace platform
} // namespace hx

#endif
