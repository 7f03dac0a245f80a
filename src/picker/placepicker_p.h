#ifndef HX_TRELLAN_PLACES_PLACEPICKER_P_H
#define HX_TRELLAN_PLACES_PLACEPICKER_P_H

#include <hx/trellan/places/placepicker.h>

#include <hx/system/carddonemessage.h>

#include <QtCore/QEventLoop>
#include <QtCore/QObject>

namespace hx {
namespace trellan {
namespace places {

class CardsUtils;
class SelectedPlace;

class PlacePickerPrivate : public QObject
{
    Q_OBJECT

public:
    explicit PlacePickerPrivate(QObject *parent);
    ~PlacePickerPrivate() override;

    // Opens the picker card and waits for its answer; the caller owns the result. Null at once
    // while an earlier call still waits, and null when this object is destroyed meanwhile (then
    // nothing of it may be touched).
    SelectedPlace *select();

    PlacePicker::Outcome outcome = PlacePicker::Picked;
    QString errorString;

private slots:
    void onPickerAnswered(const hx::system::CardDoneMessage &message);
    void onPlaceSelected(hx::trellan::places::SelectedPlace *place);

private:
    CardsUtils *m_cards;
    QEventLoop *m_loop; // the running wait, on select()'s stack; null when none
    SelectedPlace *m_result;
    hx::system::CardDoneMessage m_answer; // the card's message for the pick now arriving
};

} // namespace places
} // namespace trellan
} // namespace hx

#endif
