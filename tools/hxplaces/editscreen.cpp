#include "editscreen.h"

#include <hx/platform/places/placemanager.h>
#include <hx/trellan/actionitem.h>
#include <hx/trellan/label.h>
#include <hx/trellan/places/dataedit.h>
#include <hx/trellan/places/threadgeocode.h>
#include <hx/trellan/titlebar.h>

using namespace hx::platform::places;
using hx::trellan::ActionItem;
using hx::trellan::places::DataEdit;
using hx::trellan::places::ThreadGeocode;

EditScreen::EditScreen(QObject *parent) : Page(parent), m_save(new ActionItem)
{
    setObjectName(QStringLiteral("EditScreen"));
    auto *bar = new hx::trellan::TitleBar;
    m_save->setObjectName(QStringLiteral("SaveAction"));
    m_save->setTitle(QStringLiteral("Save"));
    m_save->setEnabled(false);
    bar->setAcceptAction(m_save);
    setTitleBar(bar);
}

EditScreen::~EditScreen() = default;

bool EditScreen::open(qint64 placeId, QString *message)
{
    if (placeId > 0) {
        PlaceManager manager;
        Error::Type error = Error::None;
        QScopedPointer<Place> stored(manager.getPlace(placeId, error));
        if (!stored) {
            *message = QStringLiteral("no stored place with id %1 (store error %2)").arg(placeId).arg(int(error));
            return false;
        }
        m_place = *stored;
    }
    titleBar()->setTitle(placeId > 0 ? QStringLiteral("Edit") : QStringLiteral("New Place"));
    m_form = new DataEdit(m_place, QString(), false);
    setContent(m_form);
    connect(m_form, &DataEdit::enableSave, m_save, &ActionItem::setEnabled);
    connect(m_form, &DataEdit::loading, m_save, [this] { m_save->setEnabled(false); });
    connect(m_save, &ActionItem::triggered, m_form, &DataEdit::geocodeOnSave);
    connect(m_form, &DataEdit::addressChanged, this, &EditScreen::geocode);
    connect(m_form, &DataEdit::saved, this, [this] {
        m_save->setEnabled(false);
        titleBar()->setTitle(QStringLiteral("Saved as place %1").arg(m_place.id()));
    });
    return true;
}

void EditScreen::geocode(const QString &text)
{
    const int id = ++m_geocodings;
    Address address;
    address.setLabel(text);
    auto *thread = new ThreadGeocode(address, id);
    connect(
        thread, &ThreadGeocode::geocodingFinished, this,
        [this, address](const QString &, const QList<Location> &found, int answered) {
            if (answered == m_geocodings)
                m_form->onGeocodingResult(found.isEmpty() ? Location(Coordinates(), address) : found.first(),
                                          !found.isEmpty());
        },
        Qt::QueuedConnection);
    thread->start();
}
