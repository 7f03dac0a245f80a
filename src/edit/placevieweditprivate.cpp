#include "placeviewedit_p.h"

#include <hx/trellan/navigationpane.h>
#include <hx/trellan/page.h>
#include <hx/trellan/places/placeviewpage.h>

using hx::platform::places::Place;

namespace hx {
namespace trellan {
namespace places {

PlaceViewEditPrivate::PlaceViewEditPrivate(const QSharedPointer<Place> &place, QObject *parent)
    : Sheet(parent), m_pane(new NavigationPane), m_page(new PlaceViewPage(place))
{
    setObjectName(QStringLiteral("PlaceViewEditSheet"));
    setPeekEnabled(false);
    m_pane->setObjectName(QStringLiteral("PlaceViewEditPane"));
    m_pane->setPeekEnabled(false);
    setContent(m_pane);
    m_pane->push(new Page);

    using PlacePtr = QSharedPointer<Place>;
    connect(m_page, &PlaceViewPage::favoriteChanged, this, &PlaceViewEditPrivate::favoriteChanged);
    connect(m_page, &PlaceViewPage::placeUpdated, this, &PlaceViewEditPrivate::placeUpdated);
    connect(m_page, &PlaceViewPage::back, this, &PlaceViewEditPrivate::closeView);
    connect(m_page, &PlaceViewPage::deletePlace, this, &PlaceViewEditPrivate::closeView);
    connect(m_page, &PlaceViewPage::mapAction, this, [this](const PlacePtr &shown) {
        closeView();
        emit mapAction(shown);
    });
    connect(m_page, &PlaceViewPage::goAction, this, [this](const PlacePtr &shown) {
        closeView();
        emit goAction(shown);
    });
    connect(m_page, &PlaceViewPage::planRouteAction, this, [this](const PlacePtr &shown) {
        closeView();
        emit planRouteAction(shown);
    });

    // The page builds its action bar as it becomes the top; after that, leaving it for the root
    // page closes the sheet.
    const QMetaObject::Connection building
        = connect(m_pane, &NavigationPane::topChanged, m_page, &PlaceViewPage::setActions);
    m_pane->push(m_page);
    disconnect(building);
    connect(m_pane, &NavigationPane::topChanged, this, &PlaceViewEditPrivate::closeView);
    open();
}

PlaceViewEditPrivate::~PlaceViewEditPrivate() = default;

void PlaceViewEditPrivate::closeView()
{
    close();
}

} // namespace places
} // namespace trellan
} // namespace hx
