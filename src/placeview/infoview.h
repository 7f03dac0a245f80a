#ifndef HX_TRELLAN_PLACES_INFOVIEW_H
#define HX_TRELLAN_PLACES_INFOVIEW_H

#include <hx/trellan/places/hxplacesglobal.h>
#include <hx/trellan/places/placeviewmode.h>

#include <hx/trellan/container.h>

#include <QtCore/QSharedPointer>
#include <hx/platform/places/coordinates.h>
#include <hx/platform/places/location.h>
#include <hx/platform/places/place.h>
#include <hx/system/nfcsharetypes.h>

namespace hx {
namespace system {
class NfcShareManager;
}
namespace trellan {
class Label;
namespace places {

class Distance;

// The block under the map: the place's address, how far away it is, and the place offered to a
// phone tapped against this one.
class HXPLACES_EXPORT InfoView : public hx::trellan::Container
{
    Q_OBJECT
public:
    InfoView(const hx::platform::places::Place &place, const hx::platform::places::Coordinates &coordinates,
             PlaceViewMode::Type mode, QObject *parent = nullptr);
    ~InfoView() override;

    hx::trellan::Label *addressLabel() const { return m_address; }
    Distance *distance() const { return m_distance; }

public slots:
    void onLocationChanged(const hx::platform::places::Coordinates &coordinates);
    void onGeocodingResult(const hx::platform::places::Location &location, bool isValid);
    void onNfcShareManagerFinished(hx::system::NfcShareSuccess::Type result);
    void onNfcShareManagerError(hx::system::NfcShareError::Type error);

signals:
    void locationValid();
    void locationChanged(const hx::platform::places::Coordinates &coordinates);

private:
    static QString addressText(const hx::platform::places::Place &place);
    // Whether this block belongs to the card on top, the only one whose place is shared.
    bool isOnTop() const;
    void shareIfLocated();
    void setNfcPayload();

    hx::platform::places::Place m_place;
    hx::trellan::Label *m_address = nullptr;
    Distance *m_distance = nullptr;
    QSharedPointer<hx::system::NfcShareManager> m_nfc;
};

} // namespace places
} // namespace trellan
} // namespace hx

#endif
