#include <hx/trellan/places/placepicker.h>

#include "placepicker_p.h"

#include <hx/trellan/places/cardsutils.h>
#include <hx/trellan/places/cclutils.h>
#include <hx/trellan/places/selectedplace.h>

namespace hx {
namespace trellan {
namespace places {

PlacePickerPrivate::PlacePickerPrivate(QObject *parent)
    : QObject(parent), m_cards(new CardsUtils(this)), m_result(nullptr)
{
    connect(m_cards, &CardsUtils::selectedPlace, this, &PlacePickerPrivate::onPlaceSelected);
}

SelectedPlace *PlacePickerPrivate::select()
{
    m_result = nullptr;
    m_cards->placePicker();
    CCLUtils::logPlacePickerInvocation();
    m_loop.exec();
    SelectedPlace *result = m_result;
    m_result = nullptr;
    return result;
}

void PlacePickerPrivate::onPlaceSelected(SelectedPlace *place)
{
    m_result = place;
    m_loop.exit(0);
}

PlacePicker::PlacePicker(QObject *parent) : CustomControl(nullptr), d(new PlacePickerPrivate(this))
{
    setParent(parent);
}

PlacePicker::~PlacePicker() = default;

SelectedPlace *PlacePicker::show()
{
    SelectedPlace *result = d->select();
    if (result)
        result->setParent(this);
    return result;
}

} // namespace places
} // namespace trellan
} // namespace hx
