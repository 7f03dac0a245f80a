#ifndef HX_TRELLAN_PLACES_GEOLOCATIONREQUEST_H
#define HX_TRELLAN_PLACES_GEOLOCATIONREQUEST_H

#include <hx/trellan/places/hxplacesglobal.h>

#include <QtCore/QHashFunctions>
#include <QtCore/QMetaType>
#include <QtCore/QString>

namespace hx {
namespace trellan {
namespace places {

// What fix is wanted from the location service. Requests that differ only in period, response
// time, reset flag or stale period are the same request: they share one worker and one fix.
class HXPLACES_EXPORT GeolocationRequest
{
public:
    enum Provider : int { Default = 0, Hybrid = 1, Gnss = 2, Network = 3 };

    GeolocationRequest();
    GeolocationRequest(int accuracy, int period, int responseTime, Provider provider, bool resetOnStart,
                       unsigned int staleSeconds, bool background);
    virtual ~GeolocationRequest();

    // "hybrid", "gnss", "network", or an empty text for Default and unknown values.
    QString providerString() const;
    // "places.<provider number>.<provider text>.<accuracy>"; equal requests have equal ids.
    QString id() const;

    bool operator==(const GeolocationRequest &other) const;
    bool operator!=(const GeolocationRequest &other) const { return !(*this == other); }

    int accuracy; // metres; 0 or less: the first fix with a position will do
    int period; // seconds; negative is sent as 3
    int responseTime; // seconds; negative: not sent, 60-second time-out
    Provider provider;
    bool resetOnStart; // clear the previous fix when a run starts
    unsigned int staleSeconds; // a fix this young or younger is handed out without a run
    bool background; // made for a client in the background
};

// Folds the MD4 digest of id() into the table's hash; equal requests share it.
HXPLACES_EXPORT uint qHash(const GeolocationRequest &request, uint seed = 0);

} // namespace places
} // namespace trellan
} // namespace hx

Q_DECLARE_METATYPE(hx::trellan::places::GeolocationRequest)

#endif
