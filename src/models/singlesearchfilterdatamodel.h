#ifndef HX_TRELLAN_PLACES_SINGLESEARCHFILTERDATAMODEL_H
#define HX_TRELLAN_PLACES_SINGLESEARCHFILTERDATAMODEL_H

#include <hx/platform/places/coordinates.h>
#include <hx/platform/places/place.h>
#include <hx/trellan/places/filtercategory.h>
#include <hx/trellan/places/placesdatamodel.h>

#include <QtCore/QDateTime>
#include <QtCore/QMutex>
#include <QtCore/QScopedPointer>
#include <QtCore/QSharedPointer>

#include <functional>

namespace hx {
namespace trellan {
namespace places {

class PlacesDataCache;
class PlacesDataLoader;
class SingleSearchFilterDataModelPrivate;

// The full list of one filter category, held through the sliding cache: the first 63 results
// are laid out on a pool thread, later ones are added as the user scrolls. Recents of
// category 8 are grouped under time headers.
class HXPLACES_EXPORT SingleSearchFilterDataModel : public PlacesDataModel
{
    Q_OBJECT
public:
    class AsyncLoad;

    explicit SingleSearchFilterDataModel(QObject *parent = nullptr);
    // Cancels a running load; the job then touches nothing of this model.
    ~SingleSearchFilterDataModel() override;

    void load(FilterCategory::Type category, const QString &text, const hx::platform::places::Coordinates &near,
              bool includeFavorites);

    QString itemType(const QVariantList &indexPath) override;
    CachedPlace place(const QVariantList &indexPath) override;
    CachedPlace fullPlace(const QVariantList &indexPath) override;
    void refreshItem(const QVariantList &indexPath) override;
    RatingInfo ratingInfo(const QVariantList &indexPath);

    QList<QSharedPointer<const hx::platform::places::Place>> getTopItems(const int &count);

    QString timeSlot(const CachedPlace &place) const;
    void addHeader(const CachedPlace &place);
    static QString createType(FilterCategory::Type category);
    static bool isRecentSearchTerm(const CachedPlace &place);
    static bool isRecentSearchPointOfInterestCategory(const CachedPlace &place);

    // The clock the time headers are computed from; an empty function restores the system clock.
    static void setTimeSource(const std::function<QDateTime()> &source);

public Q_SLOTS:
    void onEntryAdded(hx::trellan::places::CachedPlace place, int index);
    void onLoaded(int id);

private:
    friend class SingleSearchFilterDataModelPrivate;
    static QMutex cancelAsync;
    QScopedPointer<SingleSearchFilterDataModelPrivate> d;
};

} // namespace places
} // namespace trellan
} // namespace hx

#endif
