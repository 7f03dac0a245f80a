#include <hx/trellan/places/geolocationrequest.h>

#include <QtCore/QCryptographicHash>
#include <QtCore/QtEndian>

namespace hx {
namespace trellan {
namespace places {

GeolocationRequest::GeolocationRequest() : GeolocationRequest(0, -1, -1, Default, true, 0, false) { }

GeolocationRequest::GeolocationRequest(int accuracy, int period, int responseTime, Provider provider, bool resetOnStart,
                                       unsigned int staleSeconds, bool background)
    : accuracy(accuracy),
      period(period),
      responseTime(responseTime),
      provider(provider),
      resetOnStart(resetOnStart),
      staleSeconds(staleSeconds),
      background(background)
{ }

GeolocationRequest::~GeolocationRequest() = default;

QString GeolocationRequest::providerString() const
{
    switch (provider) {
    case Hybrid:
        return QStringLiteral("hybrid");
    case Gnss:
        return QStringLiteral("gnss");
    case Network:
        return QStringLiteral("network");
    default:
        return QString();
    }
}

QString GeolocationRequest::id() const
{
    return QStringLiteral("places.%1.%2.%3").arg(int(provider)).arg(providerString()).arg(accuracy);
}

bool GeolocationRequest::operator==(const GeolocationRequest &other) const
{
    return accuracy == other.accuracy && provider == other.provider && background == other.background;
}

uint qHash(const GeolocationRequest &request, uint seed)
{
    const QByteArray digest = QCryptographicHash::hash(request.id().toLatin1(), QCryptographicHash::Md4);
    // XOR of the four 32-bit words keeps every digest byte in the value.
    uint folded = 0;
    for (int i = 0; i + 4 <= digest.size(); i += 4)
        folded ^= qFromLittleEndian<quint32>(digest.constData() + i);
    return folded ^ seed;
}

} // namespace places
} // namespace trellan
} // namespace hx
