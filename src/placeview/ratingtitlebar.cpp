#include <hx/trellan/places/ratingtitlebar.h>

#include <hx/trellan/enums.h>
#include <hx/trellan/imageview.h>
#include <hx/trellan/label.h>
#include <hx/trellan/places/placeutils.h>
#include <hx/trellan/places/placeviewutils.h>
#include <hx/trellan/places/ratingproviderutils.h>
#include <hx/trellan/places/reviewscountlabel.h>
#include <hx/trellan/stacklayout.h>
#include <hx/trellan/uiconfig.h>

namespace hx {
namespace trellan {
namespace places {

namespace {

StackLayout *stackOf(Container *container, LayoutOrientation::Type orientation)
{
    auto *layout = new StackLayout(container);
    layout->setOrientation(orientation);
    container->setLayout(layout);
    return layout;
}

} // namespace

RatingTitleBar::RatingTitleBar(QObject *parent)
    : hx::trellan::Container(parent),
      m_thumbnailContainer(new Container(this)),
      m_thumbnail(new ImageView(this)),
      m_name(new Label(this)),
      m_ratingRow(new Container(this)),
      m_ratingLayout(nullptr)
{
    setObjectName(QStringLiteral("RatingTitleBar"));
    stackOf(this, LayoutOrientation::LeftToRight);
    setBottomPadding(UIConfig::du(PlaceUtils::MEDIUM_PADDING));

    m_thumbnail->setObjectName(QStringLiteral("Thumbnail"));
    m_thumbnailContainer->setLeftPadding(UIConfig::du(PlaceUtils::MEDIUM_PADDING));
    m_thumbnailContainer->setRightPadding(UIConfig::du(PlaceUtils::MEDIUM_PADDING));
    m_thumbnailContainer->add(m_thumbnail);
    m_thumbnailContainer->setVisible(false);
    add(m_thumbnailContainer);

    auto *text = new Container(this);
    stackOf(text, LayoutOrientation::TopToBottom);
    text->setVerticalAlignment(VerticalAlignment::Center);
    text->setLeftPadding(UIConfig::du(PlaceUtils::RATING_TITLE_BAR_LEFT_PADDING));
    m_name->setObjectName(QStringLiteral("RatingTitle"));
    m_name->setTextStyle(PlaceViewUtils::titleBarTextStyle());
    m_name->setMultiline(true);
    m_name->setMaxLineCount(2);
    m_name->setBottomMargin(UIConfig::du(PlaceUtils::RATING_TITLE_BAR_BOTTOM_MARGIN));
    text->add(m_name);
    m_ratingLayout = stackOf(m_ratingRow, LayoutOrientation::LeftToRight);
    text->add(m_ratingRow);
    add(text);
}

RatingTitleBar::~RatingTitleBar() = default;

void RatingTitleBar::showContent(const QString &name, const hx::platform::places::PointOfInterestAuxiliaryData &poi)
{
    m_name->setText(name);
    auto *stars = new ImageView(m_ratingRow);
    stars->setObjectName(QStringLiteral("RatingStars"));
    stars->setPreferredSize(UIConfig::du(PlaceUtils::RATING_TITLE_BAR_RATING_STARS_WIDTH),
                            UIConfig::du(PlaceUtils::RATING_TITLE_BAR_RATING_STARS_HEIGHT));
    stars->setImage(RatingProviderUtils::ratingToImage(float(poi.rating()), poi.provider()));
    m_ratingRow->add(stars);
    m_ratingRow->add(new ReviewsCountLabel(poi.ratingCount(), m_ratingRow));
}

void RatingTitleBar::showThumbnail(hx::trellan::Image &image)
{
    // The picture's size is in design units, like every size on this bar.
    const float side = UIConfig::du(PlaceUtils::PICTURE_WIDTH);
    m_thumbnail->setMinWidth(side);
    m_thumbnail->setMinHeight(side);
    m_thumbnail->setImage(image);
    m_thumbnailContainer->setVisible(true);
    // A narrow screen has no room for the count beside the stars.
    if (UIConfig::displaySize().width() < PlaceUtils::VELMORA_WIDTH)
        m_ratingLayout->setOrientation(LayoutOrientation::TopToBottom);
}

} // namespace places
} // namespace trellan
} // namespace hx
