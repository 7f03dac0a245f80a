#ifndef HX_TRELLAN_PLACES_MAPSINVOKER_H
#define HX_TRELLAN_PLACES_MAPSINVOKER_H

#include <hx/trellan/places/hxplacesglobal.h>

#include <hx/platform/places/place.h>

#include <QtCore/QObject>
#include <QtCore/QSharedPointer>
#include <QtCore/QString>

namespace hx {
namespace system {
class InvokeQuery;
}
namespace trellan {
class InvokeActionItem;
namespace places {

// The map actions of one place: show on the map, navigate to it, plan a route, each handing
// the place id to whichever map application the system chooses.
class HXPLACES_EXPORT MapsInvoker : public QObject
{
    Q_OBJECT
public:
    explicit MapsInvoker(const QSharedPointer<hx::platform::places::Place> &place, QObject *parent = nullptr);
    ~MapsInvoker() override;

    // A new query (owned by parent) for the place id and action.
    hx::system::InvokeQuery *createMapsInvokeQuery(qint64 id, const QString &actionId, QObject *parent = nullptr);
    // A new action item (owned by this invoker until added elsewhere), enabled only when the
    // place has a valid position.
    hx::trellan::InvokeActionItem *createMapsInvokeAction(const QString &actionId);
    hx::trellan::InvokeActionItem *createPlanRouteAction();
    hx::trellan::InvokeActionItem *createGoAction();
    hx::trellan::InvokeActionItem *createMapAction();

public slots:
    // Shows the place on the map (the map image was tapped).
    void onMapTouched();

private slots:
    void onArmed();

private:
    QSharedPointer<hx::platform::places::Place> m_place;
};

} // namespace places
} // namespace trellan
} // namespace hx

#endif
