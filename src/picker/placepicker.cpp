#include <hx/trellan/places/placepicker.h>

#include "pickeranswer_p.h"
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
    connect(m_cards, &CardsUtils::pickerAnswered, this, &PlacePickerPrivate::onPickerAnswered);
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
        outcome = PlacePicker::AlreadyWaiting;
        errorString = QStringLiteral("the place picker is already open, so it was not opened again; finish the "
                                     "pick under way first");
        return nullptr;
    }
    m_result = nullptr;
    m_answer = hx::system::CardDoneMessage();
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

void PlacePickerPrivate::onPickerAnswered(const hx::system::CardDoneMessage &message)
{
    m_answer = message;
}

void PlacePickerPrivate::onPlaceSelected(SelectedPlace *place)
{
    if (!m_loop) {
        delete place;
        return;
    }
    delete m_result;
    m_result = place;
    outcome = PickerAnswer::read(m_answer, place, &errorString);
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

PlacePicker::Outcome PlacePicker::outcome() const
{
    return d->outcome;
}

QString PlacePicker::errorString() const
{
    return d->errorString;
}

} // namespace places
} // namespace trellan
} // namespace hx
