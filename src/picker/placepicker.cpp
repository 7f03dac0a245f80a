#include <hx/trellan/places/placepicker.h>

#include "placepicker_p.h"

#include <QtCore/QPointer>

#include <hx/trellan/places/cardsutils.h>
#include <hx/trellan/places/cclutils.h>
#include <hx/trellan/places/log.h>
#include <hx/trellan/places/selectedplace.h>

namespace hx {
namespace trellan {
namespace places {

PlacePickerPrivate::PlacePickerPrivate(QObject *parent)
    : QObject(parent), m_cards(new CardsUtils(this)), m_loop(nullptr), m_result(nullptr)
{
    connect(m_cards, &CardsUtils::selectedPlace, this, &PlacePickerPrivate::onPlaceSelected);
}

PlacePickerPrivate::~PlacePickerPrivate()
{
    // Closed by its owner while waiting: the wait ends with null.
    if (m_loop)
        m_loop->exit(0);
    delete m_result;
}

SelectedPlace *PlacePickerPrivate::select()
{
    if (m_loop) {
        // The card is open for the first call, which must keep waiting for its answer.
        Log::warning() << "hx::trellan::places::PlacePicker::show(): already waiting for the place picker card";
        return nullptr;
    }
    m_result = nullptr;
    m_cards->placePicker();
    CCLUtils::logPlacePickerInvocation();
    QEventLoop loop;
    m_loop = &loop;
    const QPointer<PlacePickerPrivate> alive(this);
    loop.exec();
    if (!alive)
        return nullptr;
    m_loop = nullptr;
    SelectedPlace *result = m_result;
    m_result = nullptr;
    return result;
}

void PlacePickerPrivate::onPlaceSelected(SelectedPlace *place)
{
    if (!m_loop) {
        delete place;
        return;
    }
    delete m_result;
    m_result = place;
    m_loop->exit(0);
}

PlacePicker::PlacePicker(QObject *parent) : CustomControl(nullptr), d(new PlacePickerPrivate(this))
{
    setParent(parent);
}

PlacePicker::~PlacePicker() = default;

SelectedPlace *PlacePicker::show()
{
    const QPointer<PlacePicker> alive(this);
    SelectedPlace *result = d->select();
    if (!alive)
        return nullptr;
    if (result)
        result->setParent(this);
    return result;
}

} // namespace places
} // namespace trellan
} // namespace hx
