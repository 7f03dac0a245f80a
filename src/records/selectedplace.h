#ifndef HX_TRELLAN_PLACES_SELECTEDPLACE_H
#define HX_TRELLAN_PLACES_SELECTEDPLACE_H

#include <hx/trellan/places/hxplacesglobal.h>
#include <hx/trellan/places/selectedplaceimagetype.h>

#include <QtCore/QByteArray>
#include <QtCore/QObject>
#include <QtCore/QString>
#include <QtCore/QUrl>
#include <QtCore/QVariant>

namespace hx {
namespace trellan {
namespace places {

class SelectedPlacePrivate;

// The place the user picked, as handed to applications: flat read-only properties of one stored
// place and one chosen location of it. It never changes once made.
class HXPLACES_EXPORT SelectedPlace : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool isPhysicalLocation READ isPhysicalLocation CONSTANT)
    Q_PROPERTY(int placeId READ id CONSTANT)
    Q_PROPERTY(QString name READ name CONSTANT)
    Q_PROPERTY(QString alternativeName READ alternativeName CONSTANT)
    Q_PROPERTY(QString description READ description CONSTANT)
    Q_PROPERTY(QString street READ street CONSTANT)
    Q_PROPERTY(QString city READ city CONSTANT)
    Q_PROPERTY(QString region READ region CONSTANT)
    Q_PROPERTY(QString country READ country CONSTANT)
    Q_PROPERTY(QString isoAlpha3CountryCode READ isoAlpha3CountryCode CONSTANT)
    Q_PROPERTY(QString isoAlpha2CountryCode READ isoAlpha2CountryCode CONSTANT)
    Q_PROPERTY(QString postal READ postal CONSTANT)
    Q_PROPERTY(QString addressLabel READ addressLabel CONSTANT)
    Q_PROPERTY(QString phone READ phone CONSTANT)
    Q_PROPERTY(QString secondaryPhone READ secondaryPhone CONSTANT)
    Q_PROPERTY(QString fax READ fax CONSTANT)
    Q_PROPERTY(QString email READ email CONSTANT)
    Q_PROPERTY(QUrl url READ url CONSTANT)
    Q_PROPERTY(double rating READ rating CONSTANT)
    Q_PROPERTY(QUrl mapURL READ mapURL CONSTANT)
    Q_PROPERTY(QVariant image READ image CONSTANT)
    Q_PROPERTY(double latitude READ latitude CONSTANT)
    Q_PROPERTY(double longitude READ longitude CONSTANT)
    Q_PROPERTY(double altitude READ altitude CONSTANT)
    Q_PROPERTY(double horizontalAccuracy READ horizontalAccuracy CONSTANT)
    Q_PROPERTY(double verticalAccuracy READ verticalAccuracy CONSTANT)

public:
    explicit SelectedPlace(QObject *parent = nullptr);
    ~SelectedPlace() override;

    bool isPhysicalLocation() const;
    // The low 32 bits of the place's id; -1 for a record that was never given a place.
    int id() const;
    QString name() const;
    QString alternativeName() const;
    QString description() const;
    QString street() const;
    QString city() const;
    QString region() const;
    QString country() const;
    QString isoAlpha3CountryCode() const;
    QString isoAlpha2CountryCode() const;
    QString postal() const;
    QString addressLabel() const;
    QString phone() const;
    QString secondaryPhone() const;
    QString fax() const;
    QString email() const;
    QUrl url() const;
    // Not a number when the place has no rated point-of-interest data.
    double rating() const;
    QUrl mapURL() const;
    // The map image as a toolkit image, rendered anew on every read; invalid without one.
    QVariant image() const;
    double latitude() const;
    double longitude() const;
    double altitude() const;
    double horizontalAccuracy() const;
    double verticalAccuracy() const;

    // The encoded map image (768 x 768 pixels around the place), rendered anew on every call;
    // type tells what the bytes are.
    QByteArray getRawImage(SelectedPlaceImageType::Type &type) const;

private:
    friend class SelectedPlacePrivate;
    SelectedPlacePrivate *const d;
    Q_DISABLE_COPY(SelectedPlace)
};

} // namespace places
} // namespace trellan
} // namespace hx

#endif
