#ifndef HX_TRELLAN_PLACES_SELECTEDPLACE_P_H
#define HX_TRELLAN_PLACES_SELECTEDPLACE_P_H

#include <QtCore/QObject>
#include <QtCore/QSharedPointer>
#include <hx/platform/places/location.h>
#include <hx/platform/places/place.h>
#include <hx/trellan/places/selectedplace.h>

namespace hx {
namespace trellan {
namespace places {

class HXPLACES_EXPORT SelectedPlacePrivate : public QObject
{
    Q_OBJECT

public:
    explicit SelectedPlacePrivate(QObject *parent = nullptr);
    ~SelectedPlacePrivate() override;

    // A new record of the place (the caller owns it), with the given id or the place's own.
    static SelectedPlace *placeToSelectedPlace(const QSharedPointer<hx::platform::places::Place> &place, qint64 id);
    static SelectedPlace *placeToSelectedPlace(const QSharedPointer<hx::platform::places::Place> &place);

    // Keeps the place and chooses its location: the first one, when it has valid coordinates
    // or a non-empty address. Its missing label becomes the one-line address.
    void setPlace(qint64 id, const QSharedPointer<hx::platform::places::Place> &place);

    QString getName() const;
    QString getDescription() const;
    double getRating() const;
    QString getIsoAlpha3CountryCode() const;
    QString getIsoAlpha2CountryCode() const;
    QString getAddressLabel() const;
    // The map image around the chosen location, 768 x 768 pixels, as PNG bytes.
    QByteArray getRawImage(SelectedPlaceImageType::Type &type) const;
    // The same image as a toolkit image in a QVariant; invalid when there is none.
    QVariant getImage() const;

    QSharedPointer<hx::platform::places::Place> place;
    hx::platform::places::Location location;
    // Never assigned for a record made without a place: -1 says "not stored".
    qint64 id = -1;
};

} // namespace places
} // namespace trellan
} // namespace hx

#endif
