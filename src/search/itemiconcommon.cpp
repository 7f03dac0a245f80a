#include <hx/platform/places/auxiliarydata.h>
#include <hx/platform/places/internaltags.h>
#include <hx/platform/places/placeheader.h>
#include <hx/trellan/container.h>
#include <hx/trellan/docklayout.h>
#include <hx/trellan/imageview.h>
#include <hx/trellan/label.h>
#include <hx/trellan/places/distance.h>
#include <hx/trellan/places/iconitemtype.h>
#include <hx/trellan/places/imageset.h>
#include <hx/trellan/places/itemicon.h>
#include <hx/trellan/places/itemiconcommon.h>
#include <hx/trellan/places/placeutils.h>
#include <hx/trellan/places/ratingitem.h>
#include <hx/trellan/stacklayout.h>
#include <hx/trellan/tapevent.h>
#include <hx/trellan/taphandler.h>
#include <hx/trellan/touchevent.h>
#include <hx/trellan/uiconfig.h>

namespace hx {
namespace trellan {
namespace places {

using hx::platform::places::AbstractPlace;
using hx::platform::places::AuxiliaryData;
using hx::platform::places::Coordinates;
using hx::platform::places::InternalTags;
using hx::platform::places::Place;
using hx::platform::places::PlaceHeader;
using hx::trellan::Container;
using hx::trellan::ImageView;
using hx::trellan::Label;
using hx::trellan::StackLayout;
using hx::trellan::TapHandler;
using hx::trellan::UIConfig;

namespace {

Container *stack(const QString &name, int orientation)
{
    auto *container = new Container;
    container->setObjectName(name);
    auto *layout = new StackLayout;
    layout->setOrientation(orientation);
    container->setLayout(layout);
    return container;
}

QSharedPointer<AbstractPlace> copyOf(const AbstractPlace *place)
{
    if (const auto *full = dynamic_cast<const Place *>(place))
        return QSharedPointer<AbstractPlace>(new Place(*full));
    if (const auto *header = dynamic_cast<const PlaceHeader *>(place))
        return QSharedPointer<AbstractPlace>(new PlaceHeader(*header));
    return QSharedPointer<AbstractPlace>();
}

const Place *fullPlace(const AbstractPlace *place)
{
    return dynamic_cast<const Place *>(place);
}

hx::trellan::Image commonImage(const AbstractPlace *place)
{
    struct Rule
    {
        bool (*applies)(const AbstractPlace *);
        hx::trellan::Image (*image)();
    };
    // First match wins: a place in several main categories is shown as a plain point of interest.
    static const Rule rules[] = {
        { &IconItemType::hasMultipleMainCategories, &ImageSet::POI },
        { &IconItemType::isMyHome, &ImageSet::MY_HOME },
        { &IconItemType::isMyWork, &ImageSet::MY_WORK },
        { &IconItemType::isContactHome, &ImageSet::CONTACT_HOME },
        { &IconItemType::isContactWork, &ImageSet::CONTACT_WORK },
        { &IconItemType::isContact, &ImageSet::CONTACT },
        { &IconItemType::isAirport, &ImageSet::AIRPORT },
        { &IconItemType::isGas, &ImageSet::GAS },
        { &IconItemType::isBank, &ImageSet::BANK },
        { &IconItemType::isEntertainment, &ImageSet::ENTERTAINMENT },
        { &IconItemType::isHeathCare, &ImageSet::HEALTH },
        { &IconItemType::isLodging, &ImageSet::LODGING },
        { &IconItemType::isPersonalServices, &ImageSet::PERSONALSERVICES },
        { &IconItemType::isPublicOffices, &ImageSet::PUBLICOFFICES },
        { &IconItemType::isRestaurant, &ImageSet::FOOD },
        { &IconItemType::isShopping, &ImageSet::SHOPPING },
        { &IconItemType::isTravel, &ImageSet::TRAVEL },
        { &IconItemType::isAutomotive, &ImageSet::AUTOMOTIVE },
    };
    for (const Rule &rule : rules) {
        if (rule.applies(place))
            return rule.image();
    }
    return ImageSet::NONE();
}

// The NONE image names no file; a named icon that the assets lack still counts as chosen.
bool isNone(const hx::trellan::Image &image)
{
    return image.isNull() && image.source().isEmpty();
}

hx::trellan::Image fallbackImage(const AbstractPlace *place, bool suggestionStep)
{
    if (!IconItemType::hasCoordinates(place)) {
        if (suggestionStep && IconItemType::isSuggestion(place))
            return ImageSet::POI();
        return ImageSet::NOMAP();
    }
    if (IconItemType::isPOI(place))
        return ImageSet::POI();
    if (!IconItemType::isGeocoded(place))
        return ImageSet::MAP();
    return ImageSet::GEOCODED();
}

hx::trellan::Image contactTabImage(const AbstractPlace *place)
{
    if (IconItemType::isContactHome(place))
        return ImageSet::CONTACT_HOME();
    if (IconItemType::isContactWork(place))
        return ImageSet::CONTACT_WORK();
    if (IconItemType::isPOI(place))
        return ImageSet::POI();
    if (!IconItemType::isGeocoded(place))
        return ImageSet::CONTACT();
    return ImageSet::GEOCODED();
}

} // namespace

ItemIconCommon::ItemIconCommon(int highlightAppearance, QObject *parent)
    : CustomListItem(highlightAppearance, parent), PickerRetrans(true), m_icon(ImageSet::MAP())
{
    connect(this, &CustomListItem::focusHighlightChanged, this, &ItemIconCommon::onFocusHighlight);
}

ItemIconCommon::~ItemIconCommon() = default;

void ItemIconCommon::init(ItemIcon *item)
{
    initItemLayout();
    if (item)
        setConnections(item);
}

void ItemIconCommon::initItemLayout()
{
    m_root = stack(QStringLiteral("ListItemContainer"), LayoutOrientation::LeftToRight);
    m_root->setMinHeight(UIConfig::du(PlaceUtils::PICKER_LISTITEM_HEIGHT));
    if (PlaceUtils::LAYOUT_DEBUG)
        m_root->setBackground(hx::trellan::Color::Cyan);
    m_itemContainer = stack(QStringLiteral("ItemContainer"), LayoutOrientation::LeftToRight);
    m_itemContainer->setSpaceQuota(1.0f);
    initLeftBox(m_iconView);
    initTitle();
    m_root->add(m_itemContainer);
    initRightBox();
    auto *titleTap = new TapHandler;
    m_itemContainer->addGestureHandler(titleTap);
    connect(titleTap, &TapHandler::tapped, this, &ItemIconCommon::onTitleInfoTapped);
    connect(m_itemContainer, &Control::touch, this, &ItemIconCommon::onTitleClicked);
    setContent(m_root);
}

void ItemIconCommon::initLeftBox(ImageView *&icon)
{
    m_imageContainer = new Container;
    m_imageContainer->setObjectName(QStringLiteral("ImageContainer"));
    m_imageContainer->setLayout(new hx::trellan::DockLayout);
    m_imageContainer->setPreferredWidth(UIConfig::du(PlaceUtils::PICKER_LISTITEM_ICON_WIDTH));
    icon = new ImageView;
    icon->setObjectName(QStringLiteral("ItemIcon"));
    icon->setPreferredSize(UIConfig::du(PlaceUtils::LIST_ICON_SIZE), UIConfig::du(PlaceUtils::LIST_ICON_SIZE));
    icon->setHorizontalAlignment(HorizontalAlignment::Center);
    icon->setVerticalAlignment(VerticalAlignment::Center);
    icon->setImage(m_icon);
    m_imageContainer->add(icon);
    m_cornerMark = new ImageView;
    m_cornerMark->setObjectName(QStringLiteral("CornerFavorite"));
    m_cornerMark->setVisible(false);
    m_imageContainer->add(m_cornerMark);
    m_itemContainer->add(m_imageContainer);
}

void ItemIconCommon::initTitle()
{
    m_info = stack(QStringLiteral("InfoContainer"), LayoutOrientation::TopToBottom);
    m_info->setSpaceQuota(1.0f);
    m_info->setVerticalAlignment(VerticalAlignment::Center);
    m_titleRow = stack(QStringLiteral("TitleContainer"), LayoutOrientation::LeftToRight);
    m_title = new Label;
    m_title->setObjectName(QStringLiteral("ItemTitle"));
    m_title->setSpaceQuota(1.0f);
    m_titleRow->add(m_title);
    m_info->add(m_titleRow);
    m_line1Label = new Label;
    m_line1Label->setObjectName(QStringLiteral("AddressLine1"));
    m_line2Label = new Label;
    m_line2Label->setObjectName(QStringLiteral("AddressLine2"));
    m_info->add(m_line1Label);
    m_info->add(m_line2Label);
    m_rating = new RatingItem;
    m_rating->setObjectName(QStringLiteral("RatingItem"));
    m_rating->setVisible(false);
    m_info->add(m_rating);
    setTextColours(false);
    m_itemContainer->add(m_info);
}

void ItemIconCommon::initRightBox()
{
    m_distanceContainer = stack(QStringLiteral("DistanceContainer"), LayoutOrientation::TopToBottom);
    m_distanceContainer->setPreferredWidth(UIConfig::du(PlaceUtils::DISTANCE_CONTAINER_WIDTH));
    m_distanceContainer->setRightPadding(UIConfig::du(PlaceUtils::RIGHT_BOX_RIGHT_PADDING));
    m_distance = new Distance;
    m_distance->setObjectName(QStringLiteral("Distance"));
    m_distance->setHorizontalAlignment(HorizontalAlignment::Right);
    m_distanceContainer->add(m_distance);
    m_infoItem = new Container;
    m_infoItem->setObjectName(QStringLiteral("InfoItem"));
    m_infoItem->setHorizontalAlignment(HorizontalAlignment::Right);
    m_moreInfo = new ImageView;
    m_moreInfo->setObjectName(QStringLiteral("MoreInfoCircle"));
    m_moreInfo->setImage(ImageSet::MOREDETAILS());
    m_moreInfo->setPreferredSize(UIConfig::du(PlaceUtils::PICKER_MORE_ICON_SIZE),
                                 UIConfig::du(PlaceUtils::PICKER_MORE_ICON_SIZE));
    m_infoItem->add(m_moreInfo);
    m_distanceContainer->add(m_infoItem);
    auto *infoTap = new TapHandler;
    m_moreInfo->addGestureHandler(infoTap);
    connect(infoTap, &TapHandler::tapped, this, &ItemIconCommon::onDetailsInfoTapped);
    connect(m_moreInfo, &Control::touch, this, &ItemIconCommon::onInfoClicked);
    m_root->add(m_distanceContainer);
}

void ItemIconCommon::moveDistanceBesideTitle()
{
    m_distanceContainer->remove(m_distance);
    m_titleRow->add(m_distance);
}

QString ItemIconCommon::getPlaceName() const
{
    return m_name;
}

QString ItemIconCommon::getAddressLine1() const
{
    return m_line1;
}

QString ItemIconCommon::getAddressLine2() const
{
    return m_line2;
}

QVariantList ItemIconCommon::indexPath() const
{
    return m_indexPath;
}

QSharedPointer<AbstractPlace> ItemIconCommon::place() const
{
    return m_place;
}

void ItemIconCommon::updateSearchCoordinates(const Coordinates &coordinates)
{
    m_searchCoordinates = coordinates;
}

void ItemIconCommon::setDistance(const Place *place)
{
    for (const AuxiliaryData &data : place->auxiliaryData()) {
        if (data.type() != QLatin1String(AuxiliaryData::TypeSuggestion))
            continue;
        bool ok = false;
        const double metres = data.property(QStringLiteral("distanceInMeter")).toDouble(&ok);
        if (ok && metres >= 0) {
            m_distance->setDistance(metres);
            return;
        }
    }
    m_distance->setVisible(false);
}

hx::trellan::Image ItemIconCommon::getImage(const AbstractPlace *place, const TitleBarTab::Tab &tab)
{
    switch (tab) {
    case TitleBarTab::None: {
        const hx::trellan::Image common = commonImage(place);
        if (!isNone(common))
            return common;
        return IconItemType::isCategory(place) ? ImageSet::CATEGORY() : fallbackImage(place, true);
    }
    case TitleBarTab::Recents:
    case TitleBarTab::Favorites: {
        const hx::trellan::Image common = commonImage(place);
        return isNone(common) ? fallbackImage(place, tab == TitleBarTab::Recents) : common;
    }
    case TitleBarTab::Contacts:
        return contactTabImage(place);
    }
    return ImageSet::MAP();
}

void ItemIconCommon::getAddressLinesFromPlace(const AbstractPlace &place)
{
    m_name = place.name();
    // A place found by another of its names shows that name beside its own: "Vienna (Wien)".
    for (const AuxiliaryData &data : place.auxiliaryData()) {
        const QString foundAs = data.type() == QLatin1String(AuxiliaryData::TypeSuggestion)
            ? data.property(QStringLiteral("foundAs")).toString()
            : QString();
        if (!foundAs.isEmpty() && foundAs != m_name) {
            m_name = QStringLiteral("%1 (%2)").arg(m_name, foundAs);
            break;
        }
    }
    const hx::platform::places::Address address = place.primaryAddress();
    const QStringList lines = address.compactAddressLines();
    if (!lines.isEmpty()) {
        m_line1 = lines.value(0);
        m_line2 = lines.value(1);
        return;
    }
    const QString label = address.label();
    const int comma = label.indexOf(QLatin1Char(','));
    m_line1 = (comma < 0 ? label : label.left(comma)).simplified();
    m_line2 = comma < 0 ? QString() : label.mid(comma + 1).simplified();
}

void ItemIconCommon::updateInfoTitle(const AbstractPlace &place)
{
    getAddressLinesFromPlace(place);
    m_title->setText(m_name);
    m_line1Label->setText(m_line1);
    m_line1Label->setVisible(!m_line1.isEmpty());
    m_line2Label->setText(m_line2);
    m_line2Label->setVisible(!m_line2.isEmpty());
}

void ItemIconCommon::updateListItemDescription(const QVariantList &indexPath, const AbstractPlace *place,
                                               TitleBarTab::Tab tab, bool highlighted, const RatingInfo &rating)
{
    if (!m_root)
        initItemLayout();
    m_indexPath = indexPath;
    m_place = copyOf(place);
    if (!place)
        return;
    updateDistance(*place);
    updateInfoTitle(*place);
    updateIcon(place, tab);
    updateCornerMark(place, tab);
    m_rating->update(rating);
    m_rating->setVisible(rating.isKnown() && rating.rating() > 0.0);
    if (highlighted)
        setFocusHighlighted(true);
}

void ItemIconCommon::updateDistance(const AbstractPlace &place)
{
    const Place *full = fullPlace(&place);
    if (full && full->hasTag(QLatin1String(InternalTags::Suggestion))) {
        setDistance(full);
        return;
    }
    if (m_searchCoordinates.isValid())
        m_distance->setDistance(m_searchCoordinates, place.primaryCoordinates());
    else
        m_distance->setDistance(place.primaryCoordinates());
}

void ItemIconCommon::updateIcon(const AbstractPlace *place, TitleBarTab::Tab tab)
{
    const hx::trellan::Image icon = getImage(place, tab);
    // Resetting an unchanged image would make the view load it again.
    if (icon == m_icon && m_iconView->image() == icon)
        return;
    m_icon = icon;
    m_iconView->setImage(icon);
}

void ItemIconCommon::updateCornerMark(const AbstractPlace *place, TitleBarTab::Tab tab)
{
    const bool shown = tab != TitleBarTab::Favorites && IconItemType::isFavorite(place);
    if (shown && m_cornerMark->image().isNull()) {
        m_cornerMark->setImage(ImageSet::LIST_ITEM_CORNER_FAVORITE());
        const float size = UIConfig::du(PlaceUtils::LIST_CORNER_FAVORITE_SIZE);
        m_cornerMark->setPreferredSize(size, size);
        m_cornerMark->setHorizontalAlignment(HorizontalAlignment::Left);
        m_cornerMark->setVerticalAlignment(VerticalAlignment::Top);
    }
    m_cornerMark->setVisible(shown);
    m_info->setLeftPadding(shown ? UIConfig::du(PlaceUtils::CORNER_FAVORITE_PADDING) : 0.0f);
}

void ItemIconCommon::setConnections(ItemIcon *item)
{
    connect(this, QOverload<const QVariantList &>::of(&ItemIconCommon::titleClicked), item, &ItemIcon::titleClicked);
    connect(this, QOverload<const QVariantList &>::of(&ItemIconCommon::infoClicked), item, &ItemIcon::infoClicked);
}

void ItemIconCommon::onTitleInfoTapped(TapEvent *)
{
    emit titleClicked(m_indexPath);
}

void ItemIconCommon::onDetailsInfoTapped(TapEvent *)
{
    emit infoClicked(m_indexPath);
}

void ItemIconCommon::onInfoClicked(TouchEvent *event)
{
    emit infoClicked(event);
}

void ItemIconCommon::onTitleClicked(TouchEvent *event)
{
    emit titleClicked(event);
}

void ItemIconCommon::onFocusHighlight(bool highlighted)
{
    setTextColours(highlighted);
}

void ItemIconCommon::setTextColours(bool highlighted)
{
    hx::trellan::TextStyle title = m_title->textStyle();
    title.setColor(highlighted ? PlaceUtils::OSKARN_FOCUS_HIGHLIGHT_COLOR : PlaceUtils::TITLE_TEXT_COLOR);
    m_title->setTextStyle(title);
    for (Label *line : { m_line1Label, m_line2Label }) {
        hx::trellan::TextStyle style = line->textStyle();
        style.setColor(highlighted ? PlaceUtils::OSKARN_FOCUS_HIGHLIGHT_COLOR : PlaceUtils::ADDRESS_TEXT_COLOR);
        line->setTextStyle(style);
    }
}

void ItemIconCommon::retranslateUI()
{
    // The distance follows the language on its own; names and addresses are the user's data.
}

} // namespace places
} // namespace trellan
} // namespace hx
