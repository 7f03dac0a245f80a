#ifndef HX_TRELLAN_PLACES_SELECTORCOORDINATE_H
#define HX_TRELLAN_PLACES_SELECTORCOORDINATE_H

#include <hx/trellan/places/hxplacesglobal.h>

#include <QtCore/QMetaType>

#include <atomic>

namespace hx {
namespace trellan {
namespace places {

// A position with its accuracies, in degrees and metres. The values are atomics because the
// fix of a location worker (CurrentCoordinate) is written by the worker while the UI thread
// polls it without a lock; relaxed loads and stores cost what plain ones do.
class HXPLACES_EXPORT SelectorCoordinate
{
public:
    // Latitude 0, longitude 0, the other three NaN.
    SelectorCoordinate();
    SelectorCoordinate(double latitude, double longitude, double accuracy, double altitude, double altitudeAccuracy);
    SelectorCoordinate(const SelectorCoordinate &other);
    SelectorCoordinate &operator=(const SelectorCoordinate &other);
    virtual ~SelectorCoordinate();

    double latitude() const { return m_latitude.load(std::memory_order_relaxed); }
    double longitude() const { return m_longitude.load(std::memory_order_relaxed); }
    double accuracy() const { return m_accuracy.load(std::memory_order_relaxed); }
    double altitude() const { return m_altitude.load(std::memory_order_relaxed); }
    double altitudeAccuracy() const { return m_altitudeAccuracy.load(std::memory_order_relaxed); }

    void setLatitude(double value) { m_latitude.store(value, std::memory_order_relaxed); }
    void setLongitude(double value) { m_longitude.store(value, std::memory_order_relaxed); }
    void setAccuracy(double value) { m_accuracy.store(value, std::memory_order_relaxed); }
    void setAltitude(double value) { m_altitude.store(value, std::memory_order_relaxed); }
    void setAltitudeAccuracy(double value) { m_altitudeAccuracy.store(value, std::memory_order_relaxed); }

protected:
    void assignValues(const SelectorCoordinate &other);

private:
    std::atomic<double> m_latitude;
    std::atomic<double> m_longitude;
    std::atomic<double> m_accuracy;
    std::atomic<double> m_altitude;
    std::atomic<double> m_altitudeAccuracy;
};

} // namespace places
} // namespace trellan
} // namespace hx

Q_DECLARE_METATYPE(hx::trellan::places::SelectorCoordinate)

#endif
