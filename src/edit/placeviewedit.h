#ifndef HX_TRELLAN_PLACES_PLACEVIEWEDIT_H
#define HX_TRELLAN_PLACES_PLACEVIEWEDIT_H

#include <hx/trellan/places/hxplacesglobal.h>

#include <hx/platform/places/place.h>

#include <QtCore/QObject>
#include <QtCore/QSharedPointer>

namespace hx {
namespace trellan {
namespace places {

class PlaceViewEditPrivate;

// The place editor by itself, as a sheet over the current screen, for a stored place. The sheet
// opens at construction and closes itself after a save that leaves the editor, Back, a delete or
// a map, go or plan-route action.
class HXPLACES_EXPORT PlaceViewEdit : public QObject
{
    Q_OBJECT
public:
    PlaceViewEdit(const QSharedPointer<hx::platform::places::Place> &place, QObject *parent = nullptr);
    ~PlaceViewEdit() override;

    PlaceViewEditPrivate *d_func() const { return d; }

signals:
    void placeUpdated();
    void favoriteChanged(bool favorite);
    void mapAction(const QSharedPointer<hx::platform::places::Place> &place);
    void goAction(const QSharedPointer<hx::platform::places::Place> &place);
    void planRouteAction(const QSharedPointer<hx::platform::places::Place> &place);

private:
    PlaceViewEditPrivate *d;
};

} // namespace places
} // namespace trellan
} // namespace hx

#endif
