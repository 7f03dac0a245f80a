#include <hx/trellan/places/cardsutils.h>

#include <QtCore/QtMath>
#include <hx/platform/places/utilities.h>
#include <hx/system/invokemanager.h>
#include <hx/system/invoketargetreply.h>
#include <hx/trellan/places/getgeolocation.h>
#include <hx/trellan/places/jsonutils.h>
#include <hx/trellan/places/log.h>
#include <hx/trellan/places/placeutils.h>
#include <hx/trellan/places/selectedplace.h>

#include "cardsutils_p.h"

using hx::system::CardDoneMessage;
using hx::system::InvokeManager;
using hx::system::InvokeReplyError;
using hx::system::InvokeRequest;
using hx::system::InvokeTargetReply;

namespace hx {
namespace trellan {
namespace places {

const QString CardsUtils::PLACEPICKER_ACTION_NAME = QStringLiteral("hx.action.VIEW");
const QString CardsUtils::PLACEPICKER_TARGET_NAME = QStringLiteral("sys.places.placepicker");
const QString CardsUtils::PLACEPREVIEWER_ACTION_VIEW = QStringLiteral("hx.action.VIEW");
const QString CardsUtils::PLACEPREVIEWER_ACTION_VIEWSELECT = QStringLiteral("hx.action.VIEWSELECT");
const QString CardsUtils::PLACEPREVIEWER_TARGET_NAME = QStringLiteral("sys.places.placepreviewer");
const QString CardsUtils::PREVIEWER_PLACE_MIME_TYPE = QStringLiteral("application/vnd.korvane.place");
const QString CardsUtils::METADATA_KEY_PLACE_ID = QStringLiteral("placeId");

namespace {

// Logs a failed delivery and lets the reply go; the card sends no result for it.
void finishReply(QObject *sender, const char *failureText)
{
    auto *reply = qobject_cast<InvokeTargetReply *>(sender);
    if (!reply)
        return;
    if (reply->errorCode() != 0)
        Log::critical() << failureText << reply->errorCode();
    reply->deleteLater();
}

} // namespace

CardsUtils::CardsUtils(QObject *parent) : QObject(parent), d(new CardsUtilsPrivate)
{
    qRegisterMetaType<hx::trellan::places::PlaceCardReturnMessage>("hx::trellan::places::PlaceCardReturnMessage");
    d->invokeManager = new InvokeManager(this);
}

CardsUtils::~CardsUtils() = default;

void CardsUtils::placePicker()
{
    Log::debug() << "hx::trellan::places::CardsUtils::placePicker() in";
    InvokeRequest request;
    request.setAction(PLACEPICKER_ACTION_NAME);
    request.setTarget(PLACEPICKER_TARGET_NAME);
    // Unique: invoking again must not deliver one result twice.
    connect(d->invokeManager, &InvokeManager::childCardDone, this, &CardsUtils::pickerChildCardDone,
            Qt::UniqueConnection);
    ++d->pickerAnswersOwed;
    InvokeTargetReply *reply = d->invokeManager->invoke(request);
    if (reply)
        connect(reply, &InvokeTargetReply::finished, this, &CardsUtils::placePickerInvokeFinished);
    else // answered from the event loop, as a card would, once the caller waits
        QMetaObject::invokeMethod(
            this,
            [this] { answerPicker(nullptr, CardDoneMessage(QLatin1String(CardDoneMessage::NotStarted), QString())); },
            Qt::QueuedConnection);
}

void CardsUtils::answerPicker(SelectedPlace *place, const CardDoneMessage &message)
{
    if (d->pickerAnswersOwed == 0) {
        delete place;
        return;
    }
    --d->pickerAnswersOwed;
    emit pickerAnswered(message);
    emit selectedPlace(place);
}

void CardsUtils::placeViewPreviewer(const QSharedPointer<hx::platform::places::Place> &place, bool select)
{
    if (!place) {
        Log::warning() << "hx::trellan::places::CardsUtils::placeViewPreviewer() no place to preview";
        return;
    }
    InvokeRequest request;
    request.setAction(select ? PLACEPREVIEWER_ACTION_VIEWSELECT : PLACEPREVIEWER_ACTION_VIEW);
    request.setTarget(PLACEPREVIEWER_TARGET_NAME);
    request.setMimeType(PREVIEWER_PLACE_MIME_TYPE);

    // The previewer shows how far away the place is when it is told where the user is.
    const CurrentCoordinate *position = GetGeolocation::getCoordinate(PlaceUtils::genericRequest);
    if (position->state() == CurrentCoordinate::Valid && place->primaryCoordinates().isValid()) {
        const SelectorCoordinate fix = position->value();
        if (!qIsNaN(fix.latitude()) && !qIsNaN(fix.longitude()))
            request.setUri(QStringLiteral("places:location?currentLat=%1&currentLon=%2")
                               .arg(QString::number(fix.latitude(), 'f', 7), QString::number(fix.longitude(), 'f', 7)));
    }
    request.setData(hx::platform::places::Utilities::serialize(*place));
    invokePreviewer(request);
}

void CardsUtils::invokePreviewer(const InvokeRequest &request)
{
    Log::debug() << "hx::trellan::places::CardsUtils::invokePreviewer() in";
    connect(d->invokeManager, &InvokeManager::childCardDone, this, &CardsUtils::previewerChildCardDone,
            Qt::UniqueConnection);
    InvokeTargetReply *reply = d->invokeManager->invoke(request);
    if (reply)
        connect(reply, &InvokeTargetReply::finished, this, &CardsUtils::placeViewInvokeFinished);
}

void CardsUtils::placeViewInvokeFinished()
{
    finishReply(sender(), "hx::trellan::places::CardsUtils::placeViewInvokeFinished() invoke reply had an error: ");
}

void CardsUtils::placePickerInvokeFinished()
{
    auto *reply = qobject_cast<InvokeTargetReply *>(sender());
    // No card will answer a failed invocation: the caller hears null now rather than never. A
    // refusal because a card is open is answered by the invocation service itself.
    const bool unanswered = reply && reply->errorCode() != 0 && reply->error() != InvokeReplyError::CardOpen;
    finishReply(sender(), "hx::trellan::places::CardsUtils::placePickerInvokeFinished() invoke reply had an error: ");
    if (unanswered)
        answerPicker(nullptr, CardDoneMessage(QLatin1String(CardDoneMessage::NotStarted), QString()));
}

void CardsUtils::pickerChildCardDone(const CardDoneMessage &message)
{
    if (d->pickerAnswersOwed == 0)
        return;
    SelectedPlace *place = nullptr;
    if (!message.data().isEmpty())
        place = JsonUtils::decodeSelectedPlaceFromJson(message.data());
    answerPicker(place, message);
}

void CardsUtils::previewerChildCardDone(const CardDoneMessage &message)
{
    if (!message.data().isEmpty())
        emit previewDone(PlaceCardReturnMessage::fromString(message.data()));
    else
        emit previewDone(PlaceCardReturnMessage());
}

} // namespace places
} // namespace trellan
} // namespace hx
