#include <hx/trellan/places/viewplacecontent.h>

#include "viewplacecontent_p.h"

#include <hx/device/displayinfo.h>
#include <hx/trellan/enums.h>
#include <hx/trellan/layoutupdatehandler.h>
#include <hx/trellan/places/cclutils.h>
#include <hx/trellan/places/detailsview.h>
#include <hx/trellan/places/infoview.h>
#include <hx/trellan/places/mapdock.h>
#include <hx/trellan/places/placeutils.h>
#include <hx/trellan/scrollview.h>
#include <hx/trellan/stacklayout.h>

using hx::platform::places::Coordinates;
using hx::platform::places::Location;
using hx::platform::places::Place;

namespace hx {
namespace trellan {
namespace places {

namespace {

// Room the card's other parts take on the display, with and without a title bar in the body.
constexpr int reservedWithTitleBar = 624;
constexpr int reservedWithoutTitleBar = 470;

} // namespace

ViewPlaceContent::ViewPlaceContent(const QSharedPointer<Place> &place, PlaceViewMode::Type mode, bool geocode,
                                   QObject *parent)
    : Container(parent), d(new ViewPlaceContentPrivate)
{
    setObjectName(QStringLiteral("ViewPlaceContent"));
    d->place = place;
    setBackground(PlaceUtils::BACKGROUND_COLOR);
    setLayout(new StackLayout(this));
    d->displayHeight = hx::device::DisplayInfo().pixelSize().height();
    if (mode == PlaceViewMode::Preview)
        CCLUtils::logPlacePreviewerInvocation(place);

    d->inner = new Container(this);
    d->inner->setObjectName(QStringLiteral("ViewPlaceContentInner"));
    d->inner->setLayout(new StackLayout(d->inner));
    d->inner->setHorizontalAlignment(HorizontalAlignment::Fill);

    d->dock = new MapDock(place, mode != PlaceViewMode::NewPlace, mode, geocode, d->inner);
    connect(this, &ViewPlaceContent::favorite, d->dock, &MapDock::setFavorite);
    connect(d->dock, &MapDock::touched, this, &ViewPlaceContent::mapTouched);
    d->inner->add(d->dock);

    auto *below = new Container(d->inner);
    below->setLayout(new StackLayout(below));
    below->setHorizontalAlignment(HorizontalAlignment::Fill);
    const Place shown = place ? *place : Place();
    d->info = new InfoView(shown, Coordinates(), mode, below);
    d->info->setFocusPolicy(FocusPolicy::None);
    below->add(d->info);
    d->details = new DetailsView(shown, mode, below);
    below->add(d->details);
    d->inner->add(below);

    connect(d->dock, &MapDock::locationChanged, d->info, &InfoView::onLocationChanged);
    connect(d->dock, &MapDock::geocodingResult, this, &ViewPlaceContent::onGeocodingResult);
    connect(d->dock, &MapDock::geocodingResult, d->info, &InfoView::onGeocodingResult);
    connect(d->info, &InfoView::locationValid, this, &ViewPlaceContent::locationValid);
    connect(d->dock, &MapDock::auxDataAvailable, d->details, &DetailsView::onSearchResult);
    if (mode == PlaceViewMode::ZantA)
        connect(d->details, &DetailsView::makeZANTCall, this, &ViewPlaceContent::makeZANTCall);

    d->scrollView = new ScrollView(d->inner, this);
    d->scrollView->setObjectName(QStringLiteral("ViewPlaceContentScroll"));
    d->scrollView->setScrollMode(ScrollMode::Vertical);
    d->scrollView->setHorizontalAlignment(HorizontalAlignment::Fill);
    d->scrollView->setVerticalAlignment(VerticalAlignment::Fill);
    add(d->scrollView);

    if (isZANTMode(mode)) {
        auto *layoutHandler = new LayoutUpdateHandler(d->inner);
        connect(layoutHandler, &LayoutUpdateHandler::layoutFrameChanged, this, &ViewPlaceContent::onMainLayoutChange);
    } else {
        d->scrollView->setPreferredHeight(d->displayHeight);
    }
}

ViewPlaceContent::~ViewPlaceContent() = default;

bool ViewPlaceContent::isZANTMode(int mode)
{
    return mode >= PlaceViewMode::ZantA && mode <= PlaceViewMode::ZantD;
}

QSharedPointer<Place> ViewPlaceContent::place() const
{
    return d->place;
}

ScrollView *ViewPlaceContent::scrollView() const
{
    return d->scrollView;
}

MapDock *ViewPlaceContent::mapDock() const
{
    return d->dock;
}

InfoView *ViewPlaceContent::infoView() const
{
    return d->info;
}

DetailsView *ViewPlaceContent::detailsView() const
{
    return d->details;
}

void ViewPlaceContent::onGeocodingResult(const Location &, bool success)
{
    if (success)
        emit locationChanged();
}

void ViewPlaceContent::onMainLayoutChange(const QRectF &frame)
{
    // A title bar laid into the card's body takes more of the display than the card's own.
    auto *handler = qobject_cast<LayoutUpdateHandler *>(sender());
    const QObject *root = handler && handler->target() ? static_cast<QObject *>(handler->target()) : sender();
    const bool titleBar = root && root->findChild<Container *>(QStringLiteral("TitleBarView"));
    const int limit = d->displayHeight - (titleBar ? reservedWithTitleBar : reservedWithoutTitleBar);
    if (int(frame.height()) < limit)
        d->scrollView->setPreferredHeight(frame.height());
}

} // namespace places
} // namespace trellan
} // namespace hx
