#ifndef HX_TRELLAN_PLACES_REVERSEGEOCODERCHECKER_H
#define HX_TRELLAN_PLACES_REVERSEGEOCODERCHECKER_H

#include <hx/trellan/places/hxplacesglobal.h>
#include <hx/trellan/places/selectorcoordinate.h>

#include <hx/platform/places/location.h>

#include <QtCore/QObject>

class QTimer;

namespace hx {
namespace trellan {
namespace places {

class ReverseGeocodeRunnable;

// One reverse geocoding of a coordinate with a deadline: emits the address found, or an empty
// Location when there is none in time, once.
class HXPLACES_EXPORT ReverseGeocoderChecker : public QObject
{
    Q_OBJECT

public:
    explicit ReverseGeocoderChecker(const SelectorCoordinate &coordinate);
    ~ReverseGeocoderChecker() override;

    void start();

signals:
    void done(hx::platform::places::Location location);

public slots:
    void reverseGeocodeFinished(ReverseGeocodeRunnable *runnable, bool ok, hx::platform::places::Location location);
    void onCountingTimeOnReverseGeocoding();

private:
    ReverseGeocodeRunnable *m_runnable; // only compared, never dereferenced
    SelectorCoordinate m_coordinate;
    QTimer *m_timer;
    int m_ticks;
};

} // namespace places
} // namespace trellan
} // namespace hx

#endif
