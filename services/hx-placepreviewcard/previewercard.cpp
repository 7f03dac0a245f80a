#include "previewercard.h"

#include <hx/pps/plainjson.h>
#include <hx/trellan/places/cardinterface.h>
#include <hx/trellan/places/cardsutils.h>
#include <hx/trellan/places/pickerpreview.h>
#include <hx/trellan/places/pickerpreviewselect.h>
#include <hx/trellan/places/placemanagerui.h>
#include <hx/trellan/places/placeviewpage.h>
#include <hx/trellan/places/sharepreview.h>
#include <hx/trellan/places/universalsearchpreview.h>

#include <hx/trellan/actionitem.h>
#include <hx/trellan/navigationpane.h>
#include <hx/trellan/navigationpaneproperties.h>

#include <placeview/placeviewpage_p.h>

#include <QtCore/QJsonDocument>
#include <QtCore/QJsonObject>
#include <QtCore/QUrlQuery>

using hx::platform::places::Coordinates;
using hx::platform::places::Error;
using hx::platform::places::Place;
using hx::system::CardDoneMessage;
using hx::trellan::Page;
using namespace hx::trellan::places;

namespace hx {
namespace services {

namespace {

const char PLACE_URL_SCHEME[] = "hxplaces";
const char PLACE_ID_MIME_TYPE[] = "application/vnd.korvane.place-id";
const char TEXT_MIME_TYPE[] = "text/plain";

// The user's position the caller put in the URI ("places:location?currentLat=…&currentLon=…").
Coordinates positionOf(const QUrl &uri)
{
    const QUrlQuery query(uri);
    bool latitudeOk = false, longitudeOk = false;
    const double latitude = query.queryItemValue(QStringLiteral("currentLat")).toDouble(&latitudeOk);
    const double longitude = query.queryItemValue(QStringLiteral("currentLon")).toDouble(&longitudeOk);
    return latitudeOk && longitudeOk ? Coordinates(latitude, longitude) : Coordinates();
}

// {"placeId":N}, also in the "JSON {…}" form, or the metadata's placeId; -1 without one.
qint64 placeIdOf(const hx::system::InvokeRequest &request)
{
    QByteArray data = request.data().trimmed();
    if (data.startsWith("JSON "))
        data = data.mid(5);
    // The invoker's data is untrusted: Qt's reader leaks on a member named twice.
    const QJsonValue fromData = hx::pps::isPlainJson(data)
        ? QJsonDocument::fromJson(data).object().value(CardsUtils::METADATA_KEY_PLACE_ID)
        : QJsonValue();
    const QVariant fromMetadata = request.metadata().value(CardsUtils::METADATA_KEY_PLACE_ID);
    const qint64 id = fromData.isDouble() ? qint64(fromData.toDouble()) : fromMetadata.toLongLong();
    return id >= 1 ? id : -1;
}

QSharedPointer<Place> storedRecord(qint64 id)
{
    if (id < 1)
        return {};
    Error::Type error = Error::None;
    return QSharedPointer<Place>(PlaceManagerUI::getPlace(id, error, false));
}

// Using a place marks it; that alone is no change the caller needs to hear about.
bool sameRecord(Place before, Place after)
{
    before.setLastUsedTime(0);
    after.setLastUsedTime(0);
    return before == after;
}

} // namespace

PreviewerCard::PreviewerCard(const hx::system::InvokeRequest &request, hx::trellan::NavigationPane *pane)
    : QObject(pane), m_request(request), m_pane(pane)
{ }

PreviewerCard::~PreviewerCard() = default;

bool PreviewerCard::open()
{
    Page *page = createPage();
    if (!page)
        return false;
    m_page = page;
    const QSharedPointer<Place> place = shownPlace();
    m_storedWhenShown = storedRecord(place ? place->id() : -1);
    m_pane->push(page);
    if (auto *composer = qobject_cast<PlaceViewPage *>(page))
        emit composer->setActions();
    return true;
}

Page *PreviewerCard::createPage()
{
    if (m_request.uri().scheme() == QLatin1String(PLACE_URL_SCHEME)) {
        SharePreview *preview = CardInterface::createSharePreview(m_request.uri());
        m_placeOfPage = [preview] { return preview->place(); };
        addCloseButton(preview);
        return preview;
    }
    if (m_request.mimeType() == QLatin1String(PLACE_ID_MIME_TYPE))
        return createPreviewOfPlaceId();
    if (m_request.mimeType() == QLatin1String(TEXT_MIME_TYPE))
        return createComposer();
    if (m_request.mimeType() == CardsUtils::PREVIEWER_PLACE_MIME_TYPE)
        return createPreviewOfSerialisedPlace();
    return nullptr;
}

Page *PreviewerCard::createPreviewOfSerialisedPlace()
{
    QSharedPointer<Place> place(CardInterface::deserializePlace(m_request.data()));
    if (!place)
        return nullptr;
    const Coordinates position = positionOf(m_request.uri());
    PickerPreview *preview = nullptr;
    if (m_request.action() == CardsUtils::PLACEPREVIEWER_ACTION_VIEWSELECT) {
        PickerPreviewSelect *select = CardInterface::createPickerPreviewSelect(place, position);
        connect(select, &PickerPreviewSelect::selected, this, &PreviewerCard::onSelected);
        preview = select;
    } else {
        preview = CardInterface::createPickerPreview(place, position);
    }
    m_placeOfPage = [preview] { return preview->place(); };
    addCloseButton(preview);
    return preview;
}

Page *PreviewerCard::createPreviewOfPlaceId()
{
    const QSharedPointer<Place> place = storedRecord(placeIdOf(m_request));
    if (!place)
        return nullptr;
    UniversalSearchPreview *preview = CardInterface::createUniversalSearchPreview(place);
    m_placeOfPage = [preview] { return preview->place(); };
    addCloseButton(preview);
    return preview;
}

Page *PreviewerCard::createComposer()
{
    PlaceViewPage *composer = CardInterface::createAddFavoriteComposer(QString::fromUtf8(m_request.data()));
    // Saving and cancelling both leave the composer; what the store holds tells them apart.
    connect(composer, &PlaceViewPage::back, this, &PreviewerCard::onClosed);
    m_placeOfPage = [composer] { return composer->d_func()->place(); };
    return composer;
}

void PreviewerCard::addCloseButton(Page *page)
{
    auto *properties = new hx::trellan::NavigationPaneProperties(page);
    auto *close = new hx::trellan::ActionItem(properties);
    close->setObjectName(QStringLiteral("CloseCardAction"));
    connect(close, &hx::trellan::ActionItem::triggered, this, &PreviewerCard::onClosed);
    properties->setBackButton(close);
    page->setPaneProperties(properties);
}

QSharedPointer<Place> PreviewerCard::shownPlace() const
{
    return m_page && m_placeOfPage ? m_placeOfPage() : QSharedPointer<Place>();
}

bool PreviewerCard::modifiedSinceShown() const
{
    const QSharedPointer<Place> place = shownPlace();
    const QSharedPointer<Place> now = storedRecord(place ? place->id() : -1);
    if (!now || !m_storedWhenShown)
        return now != m_storedWhenShown;
    return !sameRecord(*m_storedWhenShown, *now);
}

void PreviewerCard::onSelected()
{
    QSharedPointer<Place> place = shownPlace();
    // The caller hears an id, so a place it never stored is kept now, as a pick is.
    if (!place || PlaceManagerUI::savePickedPlace(place, true) != Error::None || !place->isPersisted()) {
        answerNothing();
        return;
    }
    const QSharedPointer<Place> now = storedRecord(place->id());
    const bool modified = !m_storedWhenShown || !now || !sameRecord(*m_storedWhenShown, *now);
    answer(place->id(), modified ? PlaceCardReturnMessage::SelectedModified : PlaceCardReturnMessage::Selected);
}

void PreviewerCard::onClosed()
{
    const QSharedPointer<Place> place = shownPlace();
    const qint64 id = place ? place->id() : -1;
    if (modifiedSinceShown())
        answer(id, PlaceCardReturnMessage::Modified);
    else if (m_request.action() != CardsUtils::PLACEPREVIEWER_ACTION_VIEWSELECT && storedRecord(id))
        answer(id, PlaceCardReturnMessage::Existed);
    else
        answerNothing();
}

void PreviewerCard::answer(qint64 id, PlaceCardReturnMessage::ReturnedPlaceStatus status)
{
    if (m_answered)
        return;
    m_answered = true;
    emit answered(CardDoneMessage(QStringLiteral("done"), PlaceCardReturnMessage(id, status).toString(),
                                  QStringLiteral("text/plain")));
}

void PreviewerCard::answerNothing()
{
    if (m_answered)
        return;
    m_answered = true;
    emit answered(CardDoneMessage(QStringLiteral("cancel"), QString()));
}

} // namespace services
} // namespace hx
