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
// polls it without a lock; acquire loads and release stores cost what plain ones do on the
// usual processors, and let CurrentCoordinate::value() detect a copy taken mid-write.
class HXPLACES_EXPORT SelectorCoordinate
{
public:
    // Latitude 0, longitude 0, the other three NaN.
    SelectorCoordinate();
    SelectorCoordinate(double latitude, double longitude, double accuracy, double altitude, double altitudeAccuracy);
    SelectorCoordinate(const SelectorCoordinate &other);
    SelectorCoordinate &operator=(const SelectorCoordinate &other);
    virtual ~SelectorCoordinate();

    double latitude() const { return m_latitude.load(std::memory_order_acquire); }
    double longitude() const { return m_longitude.load(std::memory_order_acquire); }
    double accuracy() const { return m_accuracy.load(std::memory_order_acquire); }
    double altitude() const { return m_altitude.load(std::memory_order_acquire); }
    double altitudeAccuracy() const { return m_altitudeAccuracy.load(std::memory_order_acquire); }

    void setLatitude(double value) { m_latitude.store(value, std::memory_order_release); }
    void setLongitude(double value) { m_longitude.store(value, std::memory_order_release); }
    void setAccuracy(double value) { m_accuracy.store(value, std::memory_order_release); }
    void setAltitude(double value) { m_altitude.store(value, std::memory_order_release); }
    void setAltitudeAccuracy(double value) { m_altitudeAccuracy.store(value, std::memory_order_release); }

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
