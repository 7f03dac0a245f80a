#ifndef HX_TRELLAN_PLACES_PLACEPICKER_H
#define HX_TRELLAN_PLACES_PLACEPICKER_H

#include <hx/trellan/places/hxplacesglobal.h>
#include <hx/trellan/places/selectedplace.h>

#include <hx/trellan/customcontrol.h>

namespace hx {
namespace trellan {
namespace places {

class PlacePickerPrivate;

// Asks the user for a place through the place picker card. show() waits for the card in a
// nested event loop, so the UI stays alive and other events (timers, replies) are delivered
// meanwhile: callers must expect to be re-entered during show().
class HXPLACES_EXPORT PlacePicker : public hx::trellan::CustomControl
{
    Q_OBJECT

public:
    // How the last show() ended.
    enum Outcome {
        Picked, // show() returned the place
        Cancelled, // the user left the card without a pick
        NotStored, // the card's place was not stored, so it cannot be handed back
        StoreReadOnly, // the pick could not be stored: the store or its folder is read-only
        StoreBusy, // the pick could not be stored: another program was writing to the store
        StoreUnusable, // the pick could not be stored: the store is missing, damaged or foreign
        AnswerTooLarge, // the card's answer was larger than a card may send
        CardFailed, // the card could not start, crashed, left, timed out or could not be read
        AlreadyWaiting // refused: an earlier show() still waits for its card
    };
    Q_ENUM(Outcome)

    explicit PlacePicker(QObject *parent = nullptr);
    ~PlacePicker() override;

    // The chosen place, a child of the picker (re-parent it to keep it longer), or null when
    // nothing was picked: outcome() and errorString() then tell why.
    Q_INVOKABLE hx::trellan::places::SelectedPlace *show();

    // Picked until a show() ends otherwise.
    Q_INVOKABLE hx::trellan::places::PlacePicker::Outcome outcome() const;
    // What happened and what to do, in words for the user; empty after a pick.
    Q_INVOKABLE QString errorString() const;

private:
    Q_DISABLE_COPY(PlacePicker)
    PlacePickerPrivate *d;
};

} // namespace places
} // namespace trellan
} // namespace hx

#endif
