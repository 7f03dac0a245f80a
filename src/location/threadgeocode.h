#ifndef HX_TRELLAN_PLACES_THREADGEOCODE_H
#define HX_TRELLAN_PLACES_THREADGEOCODE_H

#include <hx/trellan/places/hxplacesglobal.h>

#include <hx/platform/places/address.h>
#include <hx/platform/places/location.h>

#include <QtCore/QList>
#include <QtCore/QThread>

namespace hx {
namespace trellan {
namespace places {

// Geocodes one address on its own thread and reports with geocodingFinished();
// the thread deletes itself when it ends.
class HXPLACES_EXPORT ThreadGeocode : public QThread
{
    Q_OBJECT

public:
    ThreadGeocode(const hx::platform::places::Address &address, int id);
    ~ThreadGeocode() override;

signals:
    void geocodingFinished(QString label, QList<hx::platform::places::Location> locations, int id);

protected:
    void run() override;

private:
    hx::platform::places::Address m_address;
    int m_id;
};

} // namespace places
} // namespace trellan
} // namespace hx

#endif
