#ifndef HX_TRELLAN_PLACES_SINGLESEARCHALLDATAMODEL_H
#define HX_TRELLAN_PLACES_SINGLESEARCHALLDATAMODEL_H

#include <hx/platform/places/coordinates.h>
#include <hx/platform/places/error.h>
#include <hx/platform/places/searchresult.h>
#include <hx/trellan/places/cachedplacedatamodel.h>
#include <hx/trellan/places/filtercategory.h>

#include <QtCore/QScopedPointer>

namespace hx {
namespace trellan {
namespace places {

class SingleSearchAllDataModelPrivate;

// The all-results list of the search controls: one query over several groups, up to 20
// places each; collapsed, a group shows 2 places and a footer that opens the whole category.
class HXPLACES_EXPORT SingleSearchAllDataModel : public CachedPlaceDataModel
{
    Q_OBJECT
public:
    explicit SingleSearchAllDataModel(bool collapsed = true, QObject *parent = nullptr);
    ~SingleSearchAllDataModel() override;

    void load(const QString &text, const hx::platform::places::Coordinates &near,
              const QList<FilterCategory::Type> &categories, bool includeFavorites);

    bool hasMoreItems(const QVariantList &indexPath) override;
    static QString createHeader(int group);
    static QString createFooter(int group);

Q_SIGNALS:
    void errorEvent(hx::platform::places::Error::Type error);

public Q_SLOTS:
    void onResultAvailable(hx::platform::places::Error::Type error, hx::platform::places::SearchResult result,
                           bool done, int id);

private:
    QScopedPointer<SingleSearchAllDataModelPrivate> d;
};

} // namespace places
} // namespace trellan
} // namespace hx

#endif
