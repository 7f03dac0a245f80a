#ifndef HX_TRELLAN_PLACES_ZANT_SINGLESEARCHFILTERDATAMODEL_H
#define HX_TRELLAN_PLACES_ZANT_SINGLESEARCHFILTERDATAMODEL_H

#include <hx/platform/places/place.h>
#include <hx/trellan/places/singlesearchfilterdatamodel.h>

namespace hx {
namespace trellan {
namespace places {

// A filtered list that also hands over the full places of its contact, My Places and point of
// interest rows when its load completes.
class HXPLACES_EXPORT ZANT_SingleSearchFilterDataModel : public SingleSearchFilterDataModel
{
    Q_OBJECT
public:
    explicit ZANT_SingleSearchFilterDataModel(QObject *parent = nullptr);
    ~ZANT_SingleSearchFilterDataModel() override;

Q_SIGNALS:
    void modelLoadedFinal(QList<QSharedPointer<hx::platform::places::Place>> places);

public Q_SLOTS:
    void onModelLoadedFinal();
};

} // namespace places
} // namespace trellan
} // namespace hx

#endif
