#ifndef HX_TRELLAN_PLACES_CACHEDPLACEDATAMODEL_H
#define HX_TRELLAN_PLACES_CACHEDPLACEDATAMODEL_H

#include <hx/platform/places/searchresultgroup.h>
#include <hx/trellan/places/placesdatamodel.h>

#include <QtCore/QVector>

namespace hx {
namespace trellan {
namespace places {

// A place list whose rows point into a vector of places the model owns.
class HXPLACES_EXPORT CachedPlaceDataModel : public PlacesDataModel
{
    Q_OBJECT
public:
    explicit CachedPlaceDataModel(QObject *parent = nullptr);
    ~CachedPlaceDataModel() override;

    QString itemType(const QVariantList &indexPath) override;
    CachedPlace place(const QVariantList &indexPath) override;
    // The row's place, fetched in full from the store (and kept) when only its header is held.
    CachedPlace fullPlace(const QVariantList &indexPath) override;
    // Reloads a favourite, recent or contact row from the store and reports it updated.
    void refreshItem(const QVariantList &indexPath) override;
    bool refreshCache(int index);

    static QString createType(int group);

protected:
    // Call with mutex() held.
    QVector<CachedPlace> &storage();

private:
    friend class GroupedSearch;

    QVector<CachedPlace> m_storage;
};

} // namespace places
} // namespace trellan
} // namespace hx

#endif
