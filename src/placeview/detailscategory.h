#ifndef HX_TRELLAN_PLACES_DETAILSCATEGORY_H
#define HX_TRELLAN_PLACES_DETAILSCATEGORY_H

#include <hx/trellan/places/hxplacesglobal.h>

#include <QtCore/QStringList>
#include <hx/platform/places/pointofinterestauxiliarydata.h>
#include <hx/trellan/image.h>

namespace hx {
namespace trellan {
namespace places {

// The top-level point-of-interest categories the card knows, and their pictures.
class HXPLACES_EXPORT DetailsCategory
{
public:
    DetailsCategory() = delete;

    static bool validCategory(const QString &code);
    // The place's valid category codes in order, or [none()] when it has none.
    static QStringList validateCategories(const hx::platform::places::PointOfInterestAuxiliaryData &poi);
    static hx::trellan::Image cat2Image(const QStringList &codes);
    // The code that stands for no category: "??".
    static QString none();
};

} // namespace places
} // namespace trellan
} // namespace hx

#endif
