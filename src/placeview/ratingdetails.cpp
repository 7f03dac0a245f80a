#include <hx/trellan/places/ratingdetails.h>

#include <hx/trellan/actionitem.h>
#include <hx/trellan/enums.h>
#include <hx/trellan/header.h>
#include <hx/trellan/imageview.h>
#include <hx/trellan/label.h>
#include <hx/trellan/navigationpane.h>
#include <hx/trellan/navigationpaneproperties.h>
#include <hx/trellan/page.h>
#include <hx/trellan/places/placeutils.h>
#include <hx/trellan/places/placeviewutils.h>
#include <hx/trellan/places/ratingprovider.h>
#include <hx/trellan/places/ratingprovideractivityindicator.h>
#include <hx/trellan/places/ratingproviderutils.h>
#include <hx/trellan/places/ratingtitlebar.h>
#include <hx/trellan/places/resourceutils.h>
#include <hx/trellan/places/reviewitem.h>
#include <hx/trellan/places/webreview.h>
#include <hx/trellan/scrollview.h>
#include <hx/trellan/stacklayout.h>
#include <hx/trellan/taphandler.h>
#include <hx/trellan/uiconfig.h>

#include <QtCore/QCoreApplication>

using namespace hx::platform::places;

namespace hx {
namespace trellan {
namespace places {

namespace {

Container *stacked(LayoutOrientation::Type orientation, QObject *parent)
{
    auto *container = new Container(parent);
    auto *layout = new StackLayout(container);
    layout->setOrientation(orientation);
    container->setLayout(layout);
    return container;
}

} // namespace

RatingDetails::RatingDetails(const QSharedPointer<Place> &place, const PointOfInterestAuxiliaryData &poi,
                             QObject *parent)
    : hx::trellan::Sheet(parent), m_place(place), m_poi(poi), m_provider(new RatingProvider(this))
{
    setObjectName(QStringLiteral("RatingDetails"));
    setPeekEnabled(false);
    m_pane = new NavigationPane(this);
    m_pane->setPeekEnabled(false);

    auto *page = new Page(m_pane);
    page->setContent(new ScrollView(buildContent(), page));
    auto *back = new ActionItem(page);
    back->setObjectName(QStringLiteral("BackAction"));
    back->setImageSource(QUrl(ResourceUtils::getAssetPath(QStringLiteral("back.png"))));
    connect(back, &ActionItem::triggered, this, &Sheet::close);
    auto *properties = new NavigationPaneProperties(page);
    properties->setBackButton(back);
    page->setPaneProperties(properties);
    m_pane->push(page);
    connect(m_pane, &NavigationPane::popTransitionEnded, this, &RatingDetails::onPopTransitionEnded);
    setContent(m_pane);

    connect(this, &RatingDetails::thumbnailAvailable, m_titleBar, &RatingTitleBar::showThumbnail);
    // Reviews are asked for once, on the first opening only.
    connect(this, &Sheet::opened, this, &RatingDetails::showContent);
    retranslateUI();
}

RatingDetails::~RatingDetails() = default;

Container *RatingDetails::buildContent()
{
    Container *content = stacked(LayoutOrientation::TopToBottom, this);
    m_titleBar = new RatingTitleBar(content);
    m_titleBar->showContent(m_place ? m_place->name() : QString(), m_poi);
    content->add(m_titleBar);

    m_activity = new RatingProviderActivityIndicator(content);
    content->add(m_activity);

    m_reviews = stacked(LayoutOrientation::TopToBottom, content);
    m_reviews->setObjectName(QStringLiteral("Reviews"));
    m_reviewsHeader = new Header(m_reviews);
    m_reviews->add(m_reviewsHeader);
    m_reviews->setVisible(false);
    content->add(m_reviews);

    content->add(buildLink());
    return content;
}

Container *RatingDetails::buildLink()
{
    m_linkContainer = stacked(LayoutOrientation::LeftToRight, this);
    m_linkContainer->setTopPadding(UIConfig::du(PlaceUtils::RATING_DETAILS_LINK_TOP));
    m_link = new Label(m_linkContainer);
    m_link->setObjectName(QStringLiteral("FullReviewsLink"));
    m_link->setTextStyle(PlaceViewUtils::yelpReadMoreReviewsTextStyle());
    m_link->setRightPadding(UIConfig::du(PlaceUtils::RATING_DETAILS_LINK_RIGHT_PADDING));
    auto *tap = new TapHandler(m_link);
    connect(tap, &TapHandler::tapped, this, &RatingDetails::onTap);
    m_link->addGestureHandler(tap);
    m_linkContainer->add(m_link);

    auto *logo = new ImageView(m_linkContainer);
    logo->setObjectName(QStringLiteral("ProviderLogo"));
    logo->setPreferredSize(UIConfig::du(PlaceUtils::RATING_DETAILS_YELP_LOGO_WIDTH),
                           UIConfig::du(PlaceUtils::RATING_DETAILS_YELP_LOGO_HEIGHT));
    logo->setImage(RatingProviderUtils::providerLogo(m_poi.provider()).image());
    m_linkContainer->add(logo);
    return m_linkContainer;
}

void RatingDetails::retranslateUI()
{
    m_reviewsHeader->setTitle(QCoreApplication::translate("Places", "Latest reviews"));
    m_link->setText(
        RatingProviderUtils::WEB_LINK_TEMPLATE.arg(QCoreApplication::translate("Places", "Read full reviews on:")));
}

void RatingDetails::showContent()
{
    disconnect(this, &Sheet::opened, this, &RatingDetails::showContent);
    connect(m_provider, &RatingProvider::businessResult, this, &RatingDetails::onBusinessResult, Qt::UniqueConnection);
    connect(m_provider, &RatingProvider::error, this, &RatingDetails::onError, Qt::UniqueConnection);
    m_provider->requestForBusinessDetails(m_place);
}

void RatingDetails::onBusinessResult(const QList<AuxiliaryData> &data)
{
    const QList<ReviewAuxiliaryData> reviews = RatingProviderUtils::getReviewAuxiliaryData(data);
    for (const ReviewAuxiliaryData &review : reviews)
        m_reviews->add(new ReviewItem(review, m_reviews));
    if (reviews.isEmpty())
        return;
    m_activity->setVisible(false);
    m_reviews->setVisible(true);
}

void RatingDetails::onError()
{
    m_activity->setVisible(false);
}

void RatingDetails::onTap(hx::trellan::TapEvent *)
{
    // A closed page is not kept for nothing while the sheet stays.
    if (m_web)
        m_web->deleteLater();
    m_web = new WebReview(m_poi.url(), this);
}

void RatingDetails::onFocusHighlight(bool highlighted)
{
    TextStyle style = m_link->textStyle();
    if (highlighted) {
        m_linkContainer->setBackground(PlaceUtils::OSKARN_FOCUS_HIGHLIGHT_COLOR);
        style.setColor(hx::trellan::Color::White);
        style.setFontWeight(FontWeight::Bold);
    } else {
        m_linkContainer->setBackground(PlaceUtils::OSKARN_TRANSPARENT_COLOR);
        style.setColor(PlaceUtils::PHONE_TEXT_COLOR);
        style.setFontWeight(0);
    }
    m_link->setTextStyle(style);
}

void RatingDetails::onPopTransitionEnded(hx::trellan::Page *)
{
    close();
}

} // namespace places
} // namespace trellan
} // namespace hx
