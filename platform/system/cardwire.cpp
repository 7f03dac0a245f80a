#include "cardwire_p.h"

#include <hx/pps/plainjson.h>

#include <QtCore/QJsonDocument>
#include <QtCore/QJsonObject>

namespace hx {
namespace system {

namespace {

QByteArray line(const QJsonObject &object)
{
    return QJsonDocument(object).toJson(QJsonDocument::Compact) + '\n';
}

bool readObject(const QByteArray &line, QJsonObject *object)
{
    // A line from the socket is untrusted: Qt's reader leaks on a member named twice.
    const QByteArray text = line.trimmed();
    if (!hx::pps::isPlainJson(text))
        return false;
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(text, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return false;
    *object = document.object();
    return true;
}

} // namespace

QByteArray CardWire::encodeRequest(const InvokeRequest &request)
{
    QJsonObject object;
    object.insert(QStringLiteral("action"), request.action());
    object.insert(QStringLiteral("target"), request.target());
    object.insert(QStringLiteral("mimeType"), request.mimeType());
    object.insert(QStringLiteral("uri"), request.uri().toString(QUrl::FullyEncoded));
    object.insert(QStringLiteral("data"), QString::fromLatin1(request.data().toBase64()));
    object.insert(QStringLiteral("metadata"), QJsonObject::fromVariantMap(request.metadata()));
    object.insert(QStringLiteral("perimeter"), int(request.perimeter()));
    return line(object);
}

bool CardWire::decodeRequest(const QByteArray &text, InvokeRequest *request)
{
    QJsonObject object;
    if (!readObject(text, &object) || !object.value(QStringLiteral("target")).isString())
        return false;
    // A perimeter this side does not know is refused, never handled as the default one.
    const QJsonValue perimeterValue = object.value(QStringLiteral("perimeter"));
    const int perimeter = perimeterValue.isUndefined() ? int(SecurityPerimeter::Default) : perimeterValue.toInt(-1);
    if (perimeter < SecurityPerimeter::Default || perimeter > SecurityPerimeter::Personal)
        return false;
    InvokeRequest decoded;
    decoded.setAction(object.value(QStringLiteral("action")).toString());
    decoded.setTarget(object.value(QStringLiteral("target")).toString());
    decoded.setMimeType(object.value(QStringLiteral("mimeType")).toString());
    const QString uri = object.value(QStringLiteral("uri")).toString();
    if (!uri.isEmpty())
        decoded.setUri(QUrl(uri, QUrl::StrictMode));
    decoded.setData(QByteArray::fromBase64(object.value(QStringLiteral("data")).toString().toLatin1()));
    decoded.setMetadata(object.value(QStringLiteral("metadata")).toObject().toVariantMap());
    decoded.setPerimeter(SecurityPerimeter::Type(perimeter));
    *request = decoded;
    return true;
}

QByteArray CardWire::encodeDone(const CardDoneMessage &message)
{
    QJsonObject object;
    object.insert(QStringLiteral("reason"), message.reason());
    object.insert(QStringLiteral("data"), message.data());
    object.insert(QStringLiteral("dataType"), message.dataType());
    return line(object);
}

bool CardWire::decodeDone(const QByteArray &text, CardDoneMessage *message)
{
    QJsonObject object;
    if (!readObject(text, &object) || !object.value(QStringLiteral("data")).isString())
        return false;
    *message = CardDoneMessage(object.value(QStringLiteral("reason")).toString(),
                               object.value(QStringLiteral("data")).toString(),
                               object.value(QStringLiteral("dataType")).toString());
    return true;
}

} // namespace system
} // namespace hx
