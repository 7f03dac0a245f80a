#ifndef HX_TRELLAN_PLACES_REVERSEGEOCODERUNNABLE_H
#define HX_TRELLAN_PLACES_REVERSEGEOCODERUNNABLE_H

#include <hx/trellan/places/hxplacesglobal.h>

#include <hx/platform/places/location.h>

#include <QtCore/QObject>
#include <QtCore/QRunnable>

namespace hx {
namespace trellan {
namespace places {

// One reverse-geocoding exchange on the global thread pool. The pool deletes it
// when run() returns: a receiver of done() may compare the pointer, never use
// it.
class HXPLACES_EXPORT ReverseGeocodeRunnable : public QObject, public QRunnable
{
    Q_OBJECT

public:
    ReverseGeocodeRunnable(double latitude, double longitude, double horizontalAccuracy, double verticalAccuracy);
    ~ReverseGeocodeRunnable() override;

    // Asks for the city when the fix is coarser than
    // PlaceUtils::MY_LOCATION_ACCURACY, else for the address; emits done() once
    // with the first candidate carrying the fix's accuracies.
    void run() override;

signals:
    void done(ReverseGeocodeRunnable *runnable, bool ok, hx::platform::places::Location location);

private:
    double m_latitude;
    double m_longitude;
    double m_horizontalAccuracy;
    double m_verticalAccuracy;
};

} // namespace places
} // namespace trellan
} // namespace hx

#endif
