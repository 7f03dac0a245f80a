#include <hx/trellan/places/mapdock.h>

#include <hx/platform/places/contactauxiliarydata.h>
#include <hx/trellan/docklayout.h>
#include <hx/trellan/enums.h>
#include <hx/trellan/imageview.h>
#include <hx/trellan/places/addressbar.h>
#include <hx/trellan/places/gradientbackground.h>
#include <hx/trellan/places/mapholder.h>
#include <hx/trellan/places/placeutils.h>
#include <hx/trellan/places/ratingbar.h>
#include <hx/trellan/places/ratingdetails.h>
#include <hx/trellan/places/ratingprovider.h>
#include <hx/trellan/places/ratingproviderutils.h>
#include <hx/trellan/places/webimage.h>
#include <hx/trellan/taphandler.h>

#include <QtCore/QFileInfo>

using hx::platform::places::AbstractPlace;
using hx::platform::places::AuxiliaryData;
using hx::platform::places::ContactAuxiliaryData;
using hx::platform::places::Place;
using hx::platform::places::PointOfInterestAuxiliaryData;

namespace hx {
namespace trellan {
namespace places {

MapDock::MapDock(const QSharedPointer<Place> &place, bool showFavoriteStar, PlaceViewMode::Type mode, bool geocode,
                 QObject *parent)
    : Container(parent), m_place(place)
{
    setObjectName(QStringLiteral("MapDock"));
    setLayout(new DockLayout(this));
    setHorizontalAlignment(HorizontalAlignment::Center);
    setVerticalAlignment(VerticalAlignment::Center);

    m_holder = new MapHolder(place, showFavoriteStar, isEditingMode(mode), geocode, this);
    connect(m_holder, &MapHolder::touched, this, &MapDock::touched);
    connect(m_holder, &MapHolder::locationChanged, this, &MapDock::locationChanged);
    connect(m_holder, &MapHolder::geocodingResult, this, &MapDock::geocodingResult);
    connect(m_holder, &MapHolder::imageLoaded, this, &MapDock::imageLoaded);
    connect(m_holder, &MapHolder::touchedFocused, this, &MapDock::touchedFocused);
    connect(this, &MapDock::locationCoordinates, m_holder, &MapHolder::onLocationCoordinates);
    add(m_holder);

    initRatingProvider();
    initThumbnail();
    if (mode == PlaceViewMode::ZantB) {
        insert(1, new GradientBackground(this));
        add(new AddressBar(place, this));
    }
}

MapDock::~MapDock() = default;

bool MapDock::isEditingMode(PlaceViewMode::Type mode)
{
    return mode == PlaceViewMode::NewPlace || mode == PlaceViewMode::Edit || mode == PlaceViewMode::Compose;
}

void MapDock::initRatingProvider()
{
    if (!m_place || !m_place->hasPhysicalLocation() || m_place->source() == AbstractPlace::SourceManualInput)
        return;
    m_provider = new RatingProvider(this);
    connect(m_provider, &RatingProvider::searchResult, this, &MapDock::onSearchResult);
    connect(m_provider, &RatingProvider::imageUrlAvailable, this, &MapDock::onImageUrlAvailable);
    m_provider->requestForRating(m_place);
}

void MapDock::initThumbnail()
{
    m_thumbnail = new ImageView(this);
    m_thumbnail->setObjectName(QStringLiteral("Thumbnail"));
    m_thumbnail->setFocusPolicy(FocusPolicy::None);
    m_thumbnail->setHorizontalAlignment(HorizontalAlignment::Right);
    m_thumbnail->setVerticalAlignment(VerticalAlignment::Bottom);
    m_thumbnail->setVisible(false);
    if (m_place && m_place->hasAuxiliaryData(QLatin1String(AuxiliaryData::TypeContact))) {
        const QString photo
            = ContactAuxiliaryData(m_place->firstAuxiliaryData(QLatin1String(AuxiliaryData::TypeContact)))
                  .photoPathOriginal();
        if (!photo.isEmpty() && QFileInfo::exists(photo)) {
            m_thumbnail->setImageSource(photo);
            m_thumbnail->setVisible(true);
        }
    }
    auto *tap = new TapHandler(m_thumbnail);
    connect(tap, &TapHandler::tapped, this, &MapDock::onShowRatingDetails);
    m_thumbnail->addGestureHandler(tap);
    add(m_thumbnail);
}

void MapDock::onSearchResult(const QList<AuxiliaryData> &data)
{
    for (const AuxiliaryData &item : data) {
        if (item.type() == QLatin1String(AuxiliaryData::TypePointOfInterest)
            && item.provider().name() == RatingProviderUtils::YELP_PROVIDER_NAME) {
            m_poi = PointOfInterestAuxiliaryData(item);
            break;
        }
    }
    if (m_poi.rating() > 0 && !m_ratingBar) {
        m_ratingBar = new RatingBar(m_poi, this);
        m_ratingBar->setVerticalAlignment(VerticalAlignment::Bottom);
        m_ratingBar->setHorizontalAlignment(HorizontalAlignment::Left);
        m_ratingBar->setDefaultHighlightEnabled(false);
        connect(m_ratingBar, &Control::wantsHighlightChanged, this, &MapDock::onRatingBarFocusHighlight);
        connect(m_ratingBar, &RatingBar::showDetails, this, &MapDock::onShowRatingDetails);
        add(m_ratingBar);
    }
    emit auxDataAvailable(data);
}

void MapDock::onShowRatingDetails()
{
    if (!m_ratingDetails)
        m_ratingDetails = new RatingDetails(m_place, m_poi, this);
    if (m_thumbnail->hasImage()) {
        Image image = m_thumbnail->image();
        emit m_ratingDetails->thumbnailAvailable(image);
    }
    m_ratingDetails->open();
}

void MapDock::onImageUrlAvailable(const QUrl &url)
{
    if (!m_webImage) {
        m_webImage = new WebImage(this);
        connect(m_webImage, &WebImage::imageLoaded, this, &MapDock::updateThumbnail);
    }
    m_webImage->setUrl(url);
}

void MapDock::updateThumbnail(const Image &image)
{
    m_thumbnail->setImage(image);
    m_thumbnail->setVisible(true);
    Image shown = image;
    emit thumbnailAvailable(shown);
}

void MapDock::onRatingBarFocusHighlight(bool highlighted)
{
    if (!m_ratingBar)
        return;
    m_ratingBar->setBackground(highlighted ? PlaceUtils::OSKARN_FOCUS_HIGHLIGHT_COLOR
                                           : PlaceUtils::OSKARN_TRANSPARENT_COLOR);
}

void MapDock::setFavorite(bool favorite)
{
    m_holder->setFavorite(favorite);
}

void MapDock::onAddressLabelChanged(const QString &text)
{
    m_holder->onAddressLabelChanged(text);
}

void MapDock::onAddressChanging()
{
    m_holder->onAddressChanging();
}

} // namespace places
} // namespace trellan
} // namespace hx
