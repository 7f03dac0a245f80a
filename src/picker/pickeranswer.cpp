#include "pickeranswer_p.h"

#include "records/selectedplace_p.h"

#include <hx/platform/places/storestatus.h>
#include <hx/trellan/places/jsonutils.h>
#include <hx/trellan/places/selectedplace.h>

#include <QtCore/QScopedPointer>

using hx::platform::places::Place;
using hx::platform::places::StoreStatus;
using hx::system::CardDoneMessage;

namespace hx {
namespace trellan {
namespace places {

namespace {

const char Done[] = "done";
const char Cancel[] = "cancel";
// The pick could not be stored; the data says why, for the user.
const char ReadOnly[] = "read-only";
const char Busy[] = "busy";
const char Unusable[] = "store-unusable";
const char NotStored[] = "not-stored";

bool is(const CardDoneMessage &message, const char *reason)
{
    return message.reason() == QLatin1String(reason);
}

CardDoneMessage notStored(const QSharedPointer<Place> &pick)
{
    const QString path = StoreStatus::userStorePath();
    StoreStatus::Kind kind = StoreStatus::Usable;
    const QString problem = StoreStatus::problem(path, &kind);
    if (problem.isEmpty()) {
        // The store took nothing though it could: the place itself was refused, as a contact
        // whose address was never found.
        const bool located = pick->locationCount() > 0 && pick->location(0).coordinates().isValid();
        return CardDoneMessage(QLatin1String(NotStored),
                               located ? QString()
                                       : QStringLiteral("the picked place has no position (its address was not "
                                                        "found), so it was not stored; pick another place"));
    }
    const char *reason = kind == StoreStatus::ReadOnly ? ReadOnly : kind == StoreStatus::Busy ? Busy : Unusable;
    return CardDoneMessage(QLatin1String(reason),
                           QStringLiteral("the pick could not be stored in %1: %2").arg(path, problem));
}

QString cardFailure(const CardDoneMessage &message, PlacePicker::Outcome *outcome)
{
    *outcome = PlacePicker::CardFailed;
    if (is(message, CardDoneMessage::AnswerTooLong)) {
        *outcome = PlacePicker::AnswerTooLarge;
        return QStringLiteral("the picker card's answer was too large to hand back, so nothing was picked; pick a "
                              "place with less text");
    }
    if (is(message, CardDoneMessage::NotStarted))
        return QStringLiteral("the picker card could not be started, so nothing was picked; check that it is "
                              "installed and registered");
    if (is(message, CardDoneMessage::Crashed))
        return QStringLiteral("the picker card crashed, so nothing was picked; pick again");
    if (is(message, CardDoneMessage::TimedOut))
        return QStringLiteral("the picker card did not answer in time, so nothing was picked; pick again");
    if (is(message, CardDoneMessage::CardOpen))
        return QStringLiteral("another card of this application is still open, so the picker card was not "
                              "started; close it and pick again");
    if (is(message, CardDoneMessage::UnreadableAnswer))
        return QStringLiteral("the picker card's answer could not be read, so nothing was picked; pick again");
    return QStringLiteral("the picker card left without answering, so nothing was picked; pick again");
}

} // namespace

CardDoneMessage PickerAnswer::of(const QSharedPointer<Place> &pick)
{
    if (!pick)
        return CardDoneMessage(QLatin1String(Cancel), QString());
    // A place the store did not take has no id, and the caller could not find it again.
    if (pick->id() <= 0)
        return notStored(pick);
    QScopedPointer<SelectedPlace> selected(SelectedPlacePrivate::placeToSelectedPlace(pick));
    return CardDoneMessage(QLatin1String(Done), JsonUtils::encodeSelectedPlaceToJson(selected.data()),
                           QStringLiteral("application/json"));
}

PlacePicker::Outcome PickerAnswer::read(const CardDoneMessage &message, bool placeRead, QString *text)
{
    text->clear();
    if (placeRead)
        return PlacePicker::Picked;
    if (is(message, Done)) {
        *text = QStringLiteral("the picker card answered with a place it had not stored (it has no id), so nothing "
                               "was picked; pick again");
        return PlacePicker::NotStored;
    }
    if (is(message, Cancel)) {
        *text = QStringLiteral("the pick was cancelled, so nothing was picked");
        return PlacePicker::Cancelled;
    }
    // The card's own words when it gave them; a card that did not still gets a reason.
    if (is(message, ReadOnly)) {
        *text = message.data().isEmpty() ? QStringLiteral("the pick could not be stored: the store is read-only; "
                                                          "make it writable to store places")
                                         : message.data();
        return PlacePicker::StoreReadOnly;
    }
    if (is(message, Busy)) {
        *text = message.data().isEmpty() ? QStringLiteral("the pick could not be stored: another program is "
                                                          "writing to the store; try again when it has finished")
                                         : message.data();
        return PlacePicker::StoreBusy;
    }
    if (is(message, Unusable)) {
        *text = message.data().isEmpty()
            ? QStringLiteral("the pick could not be stored: the store cannot be used; give another store")
            : message.data();
        return PlacePicker::StoreUnusable;
    }
    if (is(message, NotStored)) {
        *text = message.data().isEmpty() ? QStringLiteral("the picked place was not stored, so nothing was picked; "
                                                          "pick again")
                                         : message.data();
        return PlacePicker::NotStored;
    }
    PlacePicker::Outcome outcome = PlacePicker::CardFailed;
    *text = cardFailure(message, &outcome);
    return outcome;
}

} // namespace places
} // namespace trellan
} // namespace hx
