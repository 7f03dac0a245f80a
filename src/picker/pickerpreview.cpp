#include <hx/trellan/places/pickerpreview.h>

#include <hx/device/displayinfo.h>
#include <hx/trellan/container.h>
#include <hx/trellan/enums.h>
#include <hx/trellan/freeformtitlebarkindproperties.h>
#include <hx/trellan/places/detailsview.h>
#include <hx/trellan/places/infoview.h>
#include <hx/trellan/places/log.h>
#include <hx/trellan/places/mapdock.h>
#include <hx/trellan/places/placeutils.h>
#include <hx/trellan/places/placeviewmode.h>
#include <hx/trellan/places/titlebarview.h>
#include <hx/trellan/scrollview.h>
#include <hx/trellan/stacklayout.h>
#include <hx/trellan/titlebar.h>

using hx::platform::places::Coordinates;
using hx::platform::places::Place;

namespace hx {
namespace trellan {
namespace places {

namespace {

Container *stackedContainer(QObject *parent = nullptr)
{
    auto *container = new Container(parent);
    container->setLayout(new StackLayout(container));
    container->setHorizontalAlignment(HorizontalAlignment::Fill);
    return container;
}

} // namespace

PickerPreview::PickerPreview(const QSharedPointer<Place> &place, const Coordinates &position, QObject *parent)
    : Page(parent),
      m_place(place),
      m_position(position),
      m_displayInfo(new hx::device::DisplayInfo(this)),
      m_displayHeight(m_displayInfo->pixelSize().height())
{
    setObjectName(QStringLiteral("PickerPreview"));
    PlaceUtils::init();

    auto *bar = new TitleBar(int(TitleBarKind::FreeForm));
    bar->setScrollBehavior(1);
    auto *kind = new FreeFormTitleBarKindProperties(bar);
    kind->setContent(new TitleBarView(place ? *place : Place(), PlaceViewMode::View));
    bar->setKindProperties(kind);
    setTitleBar(bar);

    Log::debug() << "hx::trellan::places::PickerPreview::PickerPreview() in";
    setContent(content());
    Log::debug() << "hx::trellan::places::PickerPreview::PickerPreview() out";
}

PickerPreview::~PickerPreview() = default;

Container *PickerPreview::content()
{
    auto *outer = stackedContainer();
    outer->setObjectName(QStringLiteral("PickerPreviewContent"));
    outer->setBackground(PlaceUtils::BACKGROUND_COLOR);

    auto *inner = stackedContainer();
    inner->add(mapDock());
    auto *below = stackedContainer(inner);
    below->add(infoView());
    below->add(detailsView());
    inner->add(below);

    auto *scroll = new ScrollView(inner, outer);
    scroll->setObjectName(QStringLiteral("PickerPreviewScroll"));
    scroll->setScrollMode(ScrollMode::Vertical);
    scroll->setPreferredHeight(float(m_displayHeight));
    outer->add(scroll);
    return outer;
}

Control *PickerPreview::mapDock()
{
    if (!m_place)
        return new Container;
    if (!m_mapDock) {
        Log::debug() << "hx::trellan::places::PickerPreview::mapDock() in";
        m_mapDock = new MapDock(m_place, true, PlaceViewMode::View, true);
        connect(m_mapDock, &MapDock::touched, this, &PickerPreview::mapItAction);
        Log::debug() << "hx::trellan::places::PickerPreview::mapDock() out";
    }
    return m_mapDock;
}

Control *PickerPreview::infoView()
{
    if (!m_place)
        return new Container;
    Log::debug() << "hx::trellan::places::PickerPreview::infoView() in";
    if (!m_infoView) {
        m_infoView = new InfoView(*m_place, m_position, PlaceViewMode::Preview);
        if (m_mapDock)
            connect(m_mapDock, &MapDock::geocodingResult, m_infoView, &InfoView::onGeocodingResult);
    }
    return m_infoView;
}

Control *PickerPreview::detailsView()
{
    Log::debug() << "hx::trellan::places::PickerPreview::detailsView() in";
    if (!m_place)
        return new Container;
    auto *details = new DetailsView(*m_place, PlaceViewMode::View);
    if (m_mapDock)
        connect(m_mapDock, &MapDock::auxDataAvailable, details, &DetailsView::onSearchResult);
    auto *wrapper = stackedContainer();
    wrapper->add(details);
    return wrapper;
}

} // namespace places
} // namespace trellan
} // namespace hx
