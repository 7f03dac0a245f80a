#ifndef HX_TRELLAN_PLACES_PLACEVIEWEDIT_P_H
#define HX_TRELLAN_PLACES_PLACEVIEWEDIT_P_H

#include <hx/trellan/places/hxplacesglobal.h>

#include <hx/platform/places/place.h>
#include <hx/trellan/sheet.h>

#include <QtCore/QMetaObject>
#include <QtCore/QSharedPointer>

namespace hx {
namespace trellan {
class NavigationPane;
class Page;
namespace places {

class PlaceViewPage;

// The editor sheet: a navigation pane with an empty root page under the place's editor page.
class HXPLACES_EXPORT PlaceViewEditPrivate : public hx::trellan::Sheet
{
    Q_OBJECT
public:
    explicit PlaceViewEditPrivate(const QSharedPointer<hx::platform::places::Place> &place, QObject *parent = nullptr);
    ~PlaceViewEditPrivate() override;

    hx::trellan::NavigationPane *pane() const { return m_pane; }
    PlaceViewPage *page() const { return m_page; }

public slots:
    void closeView();

signals:
    void placeUpdated();
    void favoriteChanged(bool favorite);
    void mapAction(const QSharedPointer<hx::platform::places::Place> &place);
    void goAction(const QSharedPointer<hx::platform::places::Place> &place);
    void planRouteAction(const QSharedPointer<hx::platform::places::Place> &place);

private:
    hx::trellan::NavigationPane *m_pane;
    PlaceViewPage *m_page;
};

} // namespace places
} // namespace trellan
} // namespace hx

#endif
