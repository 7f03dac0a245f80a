#ifndef HX_TRELLAN_PLACES_MODELMARKER_H
#define HX_TRELLAN_PLACES_MODELMARKER_H

#include <hx/trellan/places/hxplacesglobal.h>
#include <hx/trellan/places/ratinginfo.h>

#include <QtCore/QDebug>
#include <QtCore/QMetaType>
#include <QtCore/QString>
#include <QtCore/QVariantList>

namespace hx {
namespace trellan {
namespace places {

// One row of a place list: [index into the model's places (-1 for headers and footers),
// row key, rating]. It is a QVariantList so that it also serves as a list view's index path.
class HXPLACES_EXPORT ModelMarker : public QVariantList
{
public:
    // Empty and invalid.
    ModelMarker() = default;
    ModelMarker(int index, const QString &type);
    explicit ModelMarker(const QString &type);
    // Adopts a list as it is; valid only when it has exactly three entries.
    ModelMarker(const QVariantList &list);

    bool isValid() const;
    int index() const;
    QString type() const;
    RatingInfo ratingInfo() const;
    bool isHeader() const;
    bool isFooter() const;
    void updateRatingInfo(const RatingInfo &rating);
};

HXPLACES_EXPORT QDebug operator<<(QDebug debug, const ModelMarker &marker);

} // namespace places
} // namespace trellan
} // namespace hx

Q_DECLARE_METATYPE(hx::trellan::places::ModelMarker)

#endif
