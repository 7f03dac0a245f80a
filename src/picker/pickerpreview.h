#ifndef HX_TRELLAN_PLACES_PICKERPREVIEW_H
#define HX_TRELLAN_PLACES_PICKERPREVIEW_H

#include <hx/trellan/places/hxplacesglobal.h>

#include <hx/trellan/page.h>

#include <hx/platform/places/coordinates.h>
#include <hx/platform/places/place.h>

#include <QtCore/QSharedPointer>

namespace hx {
namespace device {
class DisplayInfo;
}
namespace trellan {
class Container;
namespace places {

class InfoView;
class MapDock;

// A read-only page of one place: its title bar, the map with the rating dock, the address and
// distance block and the details, in one vertical scroll view.
class HXPLACES_EXPORT PickerPreview : public hx::trellan::Page
{
    Q_OBJECT
public:
    PickerPreview(const QSharedPointer<hx::platform::places::Place> &place,
                  const hx::platform::places::Coordinates &position, QObject *parent = nullptr);
    ~PickerPreview() override;

    // Null until built, and without a place.
    MapDock *dock() const { return m_mapDock; }
    // The place shown (null for an empty preview); it gains its id when the store keeps it.
    QSharedPointer<hx::platform::places::Place> place() const { return m_place; }

signals:
    void mapItAction();

protected:
    // The building blocks, each a new control; the constructor calls them once, in this order.
    hx::trellan::Container *content();
    hx::trellan::Control *mapDock();
    hx::trellan::Control *infoView();
    hx::trellan::Control *detailsView();

private:
    QSharedPointer<hx::platform::places::Place> m_place;
    MapDock *m_mapDock = nullptr;
    InfoView *m_infoView = nullptr;
    hx::platform::places::Coordinates m_position;
    hx::device::DisplayInfo *m_displayInfo;
    int m_displayHeight;
};

} // namespace places
} // namespace trellan
} // namespace hx

#endif
