#include <hx/trellan/places/infoview.h>

#include <hx/system/invokequery.h>
#include <hx/system/nfcsharedatacontent.h>
#include <hx/system/nfcsharemanager.h>
#include <hx/trellan/enums.h>
#include <hx/trellan/label.h>
#include <hx/trellan/places/distance.h>
#include <hx/trellan/places/log.h>
#include <hx/trellan/places/mapholder.h>
#include <hx/trellan/places/mapsutils.h>
#include <hx/trellan/places/placeutils.h>
#include <hx/trellan/places/placeviewutils.h>
#include <hx/trellan/stacklayout.h>
#include <hx/trellan/uiconfig.h>

#include <QtCore/QStringList>

using hx::platform::places::Coordinates;
using hx::platform::places::Location;
using hx::platform::places::Place;

namespace hx {
namespace trellan {
namespace places {

namespace {

// The live info blocks of the UI thread, oldest first: the newest is on the card on top.
QList<InfoView *> &liveViews()
{
    static QList<InfoView *> views;
    return views;
}

} // namespace

InfoView::InfoView(const Place &place, const Coordinates &, PlaceViewMode::Type mode, QObject *parent)
    : Container(parent), m_place(place)
{
    setObjectName(QStringLiteral("InfoView"));
    setLayout(new StackLayout(this));
    setHorizontalAlignment(HorizontalAlignment::Fill);
    setTopPadding(UIConfig::du(PlaceUtils::INFOVIEW_TOP_PADDING));
    setBottomPadding(UIConfig::du(PlaceUtils::INFOVIEW_BOTTOM_PADDING));
    setLeftPadding(UIConfig::du(PlaceUtils::DETAILVIEW_LEFT_PADDING));
    setRightPadding(UIConfig::du(PlaceUtils::DETAILVIEW_RIGHT_PADDING));

    if (mode != PlaceViewMode::ZantB) {
        m_address = new Label(addressText(place), this);
        m_address->setObjectName(QStringLiteral("InfoAddress"));
        m_address->setMultiline(true);
        m_address->setTextStyle(mode == PlaceViewMode::Preview ? PlaceViewUtils::addressInSelectModeTextStyle()
                                                               : PlaceViewUtils::addressTextStyle());
        add(m_address);
    }
    if (mode != PlaceViewMode::ZantD) {
        m_distance = new Distance(PlaceViewUtils::distanceLabelTextStyle());
        m_distance->setParent(this);
        m_distance->setTopNudge(6);
        connect(this, &InfoView::locationChanged, m_distance, &Distance::onLocationChanged);
        connect(m_distance, &Distance::locationValid, this, &InfoView::locationValid);
        add(m_distance);
        m_distance->setDistance(place.primaryCoordinates());
    }

    liveViews().append(this);
    m_nfc = PlaceUtils::getNfcShareManagerInstance();
    connect(m_nfc.data(), &hx::system::NfcShareManager::finished, this, &InfoView::onNfcShareManagerFinished);
    connect(m_nfc.data(), &hx::system::NfcShareManager::error, this, &InfoView::onNfcShareManagerError);
    shareIfLocated();
}

InfoView::~InfoView()
{
    const bool wasOnTop = isOnTop();
    liveViews().removeOne(this);
    // The card below is on top again and shares its own place.
    if (wasOnTop && !liveViews().isEmpty())
        liveViews().last()->shareIfLocated();
}

bool InfoView::isOnTop() const
{
    return !liveViews().isEmpty() && liveViews().last() == this;
}

void InfoView::shareIfLocated()
{
    if (m_place.primaryCoordinates().isValid())
        setNfcPayload();
}

QString InfoView::addressText(const Place &place)
{
    QStringList lines;
    for (const Location &location : place.locations()) {
        const QString label = location.address().label();
        const QString text = label.isEmpty() ? PlaceViewUtils::addressString(location, 2) : label;
        if (!text.isEmpty())
            lines << text;
    }
    return lines.join(QLatin1Char('\n'));
}

void InfoView::onLocationChanged(const Coordinates &coordinates)
{
    if (m_distance)
        m_distance->onLocationChanged(coordinates);
}

void InfoView::onGeocodingResult(const Location &location, bool isValid)
{
    if (!isValid)
        return;
    MapHolder::replaceFirstLocation(m_place, location);
    if (m_address && m_address->text().isEmpty()) {
        const QString label = location.address().label();
        m_address->setText(label.isEmpty() ? PlaceViewUtils::addressString(location, 2) : label);
    }
    emit locationChanged(location.coordinates());
    setNfcPayload();
}

void InfoView::setNfcPayload()
{
    if (!isOnTop())
        return;
    hx::system::InvokeQuery query;
    MapsUtils::createShareInvokeQuery(m_place, &query);
    hx::system::NfcShareDataContent content;
    content.setUri(query.uri());
    m_nfc->setShareMode(hx::system::NfcShareMode::Url);
    if (m_nfc->setShareContent(content) != hx::system::NfcShareSetContentError::None)
        Log::warning() << "hx::trellan::places::InfoView::setNfcPayload(): setShareContent";
}

void InfoView::onNfcShareManagerFinished(hx::system::NfcShareSuccess::Type)
{
    setNfcPayload();
}

void InfoView::onNfcShareManagerError(hx::system::NfcShareError::Type error)
{
    Log::warning() << "hx::trellan::places::InfoView::onNfcShareManagerError() error type" << int(error);
}

} // namespace places
} // namespace trellan
} // namespace hx
