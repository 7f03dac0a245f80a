#ifndef HX_TRELLAN_PLACES_PICKERANSWER_P_H
#define HX_TRELLAN_PLACES_PICKERANSWER_P_H

#include <hx/trellan/places/placepicker.h>

#include <hx/platform/places/place.h>
#include <hx/system/carddonemessage.h>

#include <QtCore/QSharedPointer>
#include <QtCore/QString>

namespace hx {
namespace trellan {
namespace places {

class SelectedPlace;

// How the picker card tells its caller what became of a pick, and how the caller reads it: a
// stored place, a cancel, or why the pick could not be stored, in words for the user.
class PickerAnswer
{
public:
    // The card's side: its answer once the page is done; pick is null after a cancel.
    static hx::system::CardDoneMessage of(const QSharedPointer<hx::platform::places::Place> &pick);

    // The caller's side: how the pick ended, given the card's message and whether a place
    // could be read from it; text receives what happened and what to do (empty for a pick).
    static PlacePicker::Outcome read(const hx::system::CardDoneMessage &message, bool placeRead, QString *text);
};

} // namespace places
} // namespace trellan
} // namespace hx

#endif
