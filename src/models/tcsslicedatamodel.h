#ifndef HX_TRELLAN_PLACES_TCSSLICEDATAMODEL_H
#define HX_TRELLAN_PLACES_TCSSLICEDATAMODEL_H

#include <hx/platform/geo/boundingbox.h>
#include <hx/platform/places/coordinates.h>
#include <hx/platform/places/error.h>
#include <hx/platform/places/searchresult.h>
#include <hx/trellan/places/cachedplacedatamodel.h>
#include <hx/trellan/places/filtercategory.h>

#include <QtCore/QScopedPointer>

namespace hx {
namespace trellan {
namespace places {

class TCSSliceDataModelPrivate;

// The paged remote results of the map search control: slices of 10 places, at most 100 in all.
// The control pins the slice around its current result on the map (getSliceForIndex).
class HXPLACES_EXPORT TCSSliceDataModel : public CachedPlaceDataModel
{
    Q_OBJECT
public:
    static const int SLICE_SIZE = 10;
    static const int MAX_RESULTS = 100;

    explicit TCSSliceDataModel(QObject *parent = nullptr);
    ~TCSSliceDataModel() override;

    // Drops the rows and asks for the first slice.
    void load(const QString &text, const hx::platform::geo::BoundingBox &box,
              const hx::platform::places::Coordinates &near, const QList<FilterCategory::Type> &categories);
    // Drops the rows; replies of the last request add nothing.
    void clear();
    // Asks for the next slice while the store has more and the list is not full.
    void getNextSlice();
    // The places of the slice of 10 rows that holds the row of indexPath.
    QList<QSharedPointer<hx::platform::places::AbstractPlace>> getSliceForIndex(const QVariantList &indexPath);
    // Replies that arrive from now until the next load or slice add nothing.
    void cancelRequest();
    bool isRequestCanceled() const;
    void requestForRating(const QList<int> &rows);

    QString text() const;

Q_SIGNALS:
    void resultAvailable(hx::platform::places::Error::Type error, hx::platform::places::SearchResult result, bool done,
                         int searchId);
    void gettingSlice();
    // The slice announced by gettingSlice() adds nothing: its request was cancelled or dropped.
    void sliceAbandoned();

public Q_SLOTS:
    void onResultAvailable(hx::platform::places::Error::Type error, hx::platform::places::SearchResult result,
                           bool done, int id);

private:
    QScopedPointer<TCSSliceDataModelPrivate> d;
};

} // namespace places
} // namespace trellan
} // namespace hx

#endif
