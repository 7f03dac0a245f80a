#include <hx/trellan/places/detailscategory.h>

#include <hx/trellan/places/imageset.h>

using hx::platform::places::Category;
using hx::platform::places::PointOfInterestAuxiliaryData;

namespace hx {
namespace trellan {
namespace places {

bool DetailsCategory::validCategory(const QString &code)
{
    static const QStringList valid { QStringLiteral("AE"), QStringLiteral("AN"), QStringLiteral("AH"),
                                     QStringLiteral("AK"), QStringLiteral("AB"), QStringLiteral("AA"),
                                     QStringLiteral("AF"), QStringLiteral("AL"), QStringLiteral("AI"),
                                     QStringLiteral("AC") };
    return valid.contains(code);
}

QStringList DetailsCategory::validateCategories(const PointOfInterestAuxiliaryData &poi)
{
    QStringList codes;
    for (const Category &category : poi.categories()) {
        if (validCategory(category.code()))
            codes << category.code();
    }
    if (codes.isEmpty())
        codes << none();
    return codes;
}

hx::trellan::Image DetailsCategory::cat2Image(const QStringList &codes)
{
    if (codes.size() > 1)
        return ImageSet::POI();
    const QString code = codes.value(0);
    if (code == QLatin1String("AE"))
        return ImageSet::FOOD();
    if (code == QLatin1String("AN"))
        return ImageSet::HEALTH();
    if (code == QLatin1String("AH"))
        return ImageSet::LODGING();
    return ImageSet::CATEGORY();
}

QString DetailsCategory::none()
{
    return QStringLiteral("??");
}

} // namespace places
} // namespace trellan
} // namespace hx
