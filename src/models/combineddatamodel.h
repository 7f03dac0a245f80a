#ifndef HX_TRELLAN_PLACES_COMBINEDDATAMODEL_H
#define HX_TRELLAN_PLACES_COMBINEDDATAMODEL_H

#include <hx/platform/places/coordinates.h>
#include <hx/platform/places/error.h>
#include <hx/platform/places/place.h>
#include <hx/platform/places/searchresult.h>
#include <hx/trellan/places/cachedplacedatamodel.h>
#include <hx/trellan/places/filtercategory.h>

#include <QtCore/QScopedPointer>

namespace hx {
namespace trellan {
namespace places {

class CombinedDataModelPrivate;

// One query over several groups, up to 10 places each under its section header; when loaded it
// also hands over the full places of its place rows.
class HXPLACES_EXPORT CombinedDataModel : public CachedPlaceDataModel
{
    Q_OBJECT
public:
    explicit CombinedDataModel(QObject *parent = nullptr);
    ~CombinedDataModel() override;

    void load(const QString &text, const hx::platform::places::Coordinates &near,
              const QList<FilterCategory::Type> &categories, bool includeFavorites);

    static QString createHeader(int group);

Q_SIGNALS:
    void modelLoadedWithPlaces(QList<QSharedPointer<hx::platform::places::Place>> places);
    void errorEvent(hx::platform::places::Error::Type error);

public Q_SLOTS:
    void onResultAvailable(hx::platform::places::Error::Type error, hx::platform::places::SearchResult result,
                           bool done, int id);
    void onModelLoaded();

private:
    QScopedPointer<CombinedDataModelPrivate> d;
};

} // namespace places
} // namespace trellan
} // namespace hx

#endif
