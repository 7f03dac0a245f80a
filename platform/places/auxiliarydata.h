#ifndef HX_PLATFORM_PLACES_AUXILIARYDATA_H
#define HX_PLATFORM_PLACES_AUXILIARYDATA_H

#include <hx/platform/places/provider.h>

#include <QtCore/QDataStream>
#include <QtCore/QList>
#include <QtCore/QMetaType>
#include <QtCore/QString>
#include <QtCore/QVariant>
#include <QtCore/QVariantMap>

namespace hx {
namespace platform {
namespace places {

// Extra facts about a place from one provider: a point of interest, a contact, a review, an
// image, a reservation link, or a suggestion's distance. The facts are named properties, so the
// typed views (PointOfInterestAuxiliaryData and the others) convert to and from this class
// without losing anything.
class AuxiliaryData
{
public:
    static constexpr const char TypePointOfInterest[] = "PointOfInterest";
    static constexpr const char TypeContact[] = "Contact";
    static constexpr const char TypeReservation[] = "Reservation";
    static constexpr const char TypeReview[] = "Review";
    static constexpr const char TypeImage[] = "Image";
    // A suggestion's distance from the search position, in the property "distanceInMeter", and the
    // other name it was found by ("Wien" for Vienna), in the property "foundAs".
    static constexpr const char TypeSuggestion[] = "TCS Suggestion";

    AuxiliaryData() = default;
    explicit AuxiliaryData(const QString &type, const Provider &provider = Provider(),
                           const QString &externalId = QString());
    virtual ~AuxiliaryData();

    QString type() const { return m_type; }
    Provider provider() const { return m_provider; }
    QString externalId() const { return m_externalId; }
    void setType(const QString &type) { m_type = type; }
    void setProvider(const Provider &provider) { m_provider = provider; }
    void setExternalId(const QString &id) { m_externalId = id; }

    // A property by name; an invalid QVariant when it is not set.
    QVariant property(const QString &name) const { return m_properties.value(name); }
    bool hasProperty(const QString &name) const { return m_properties.contains(name); }
    void setProperty(const QString &name, const QVariant &value);
    QVariantMap properties() const { return m_properties; }
    void setProperties(const QVariantMap &properties) { m_properties = properties; }

    bool isEmpty() const;

    bool operator==(const AuxiliaryData &other) const;
    bool operator!=(const AuxiliaryData &other) const { return !(*this == other); }

protected:
    QString text(const char *name) const { return m_properties.value(QLatin1String(name)).toString(); }

private:
    QString m_type;
    Provider m_provider;
    QString m_externalId;
    QVariantMap m_properties;
};

QDataStream &operator<<(QDataStream &out, const AuxiliaryData &data);
QDataStream &operator>>(QDataStream &in, AuxiliaryData &data);

} // namespace places
} // namespace platform
} // namespace hx

Q_DECLARE_METATYPE(hx::platform::places::AuxiliaryData)
Q_DECLARE_METATYPE(QList<hx::platform::places::AuxiliaryData>)

#endif
