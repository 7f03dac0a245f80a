#ifndef HX_TRELLAN_PLACES_PLACESDATAMODEL_H
#define HX_TRELLAN_PLACES_PLACESDATAMODEL_H

#include <hx/platform/places/auxiliarydatareply.h>
#include <hx/trellan/datamodel.h>
#include <hx/trellan/places/cachedplace.h>
#include <hx/trellan/places/hxplacesglobal.h>
#include <hx/trellan/places/ratinginfo.h>

#include <QtCore/QList>
#include <QtCore/QScopedPointer>
#include <QtCore/QVariant>

class QMutex;

namespace hx {
namespace trellan {
class ArrayDataModel;
namespace places {

class PlacesDataModelPrivate;

// What every place list shares: rows of ModelMarker, the search id that lets a model drop the
// replies of an older query, and the ratings of its rows.
class HXPLACES_EXPORT PlacesDataModel : public hx::trellan::DataModel
{
    Q_OBJECT
public:
    explicit PlacesDataModel(QObject *parent = nullptr);
    ~PlacesDataModel() override;

    int childCount(const QVariantList &indexPath) override;
    bool hasChildren(const QVariantList &indexPath) override;
    QString itemType(const QVariantList &indexPath) override;
    QVariant data(const QVariantList &indexPath) override;

    virtual CachedPlace place(const QVariantList &indexPath) = 0;
    virtual CachedPlace fullPlace(const QVariantList &indexPath) = 0;
    virtual void refreshItem(const QVariantList &indexPath) = 0;
    virtual bool hasMoreItems(const QVariantList &indexPath);

    // The id of the current query; -1 before the first.
    int searchId() const;

Q_SIGNALS:
    // The first rows (or the first error) of a query are in.
    void modelLoaded();
    // The query is complete.
    void modelLoadedFinal();

public Q_SLOTS:
    void onAuxiliaryDataAvailable(QList<hx::platform::places::AuxiliaryDataReply> replies, QVariant id, bool done);

protected:
    hx::trellan::ArrayDataModel *rows() const;
    // Guards the search id and the places against replies that arrive while a query starts.
    QMutex &mutex() const;
    // Call with mutex() held.
    int nextSearchId();
    void setSearchIdLocked(int id);
    int searchIdLocked() const;

    void requestForRating(const QList<CachedPlace> &places, int searchId, const QVariantList &rows);
    void updateRatingInfo(const QVariantList &rows, const QList<RatingInfo> &ratings);
    // Tells the ratings still on their way that count rows were inserted before row, so that
    // each lands on the place it was asked for.
    void movePendingRatings(int row, int count);

private:
    QScopedPointer<PlacesDataModelPrivate> d;
};

} // namespace places
} // namespace trellan
} // namespace hx

#endif
