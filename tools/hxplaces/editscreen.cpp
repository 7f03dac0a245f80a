#include "editscreen.h"

#include <hx/platform/places/placemanager.h>
#include <hx/trellan/actionitem.h>
#include <hx/trellan/places/editplacecontent.h>
#include <hx/trellan/places/placeviewmode.h>
#include <hx/trellan/places/retranslatehelper.h>
#include <hx/trellan/titlebar.h>

#include <QtCore/QCoreApplication>
#include <QtCore/QSharedPointer>

using namespace hx::platform::places;
using hx::trellan::ActionItem;
using hx::trellan::places::EditPlaceContent;
using hx::trellan::places::PlaceViewMode;
using hx::trellan::places::RetranslateHelper;

EditScreen::EditScreen(QObject *parent) : Page(parent), m_save(new ActionItem)
{
    setObjectName(QStringLiteral("EditScreen"));
    auto *bar = new hx::trellan::TitleBar;
    m_save->setObjectName(QStringLiteral("SaveAction"));
    m_save->setEnabled(false);
    bar->setAcceptAction(m_save);
    setTitleBar(bar);
    connect(new RetranslateHelper(this), &RetranslateHelper::retranslate, this, &EditScreen::retranslate);
    retranslate();
}

// The same words as the place card's own editor.
void EditScreen::retranslate()
{
    m_save->setTitle(QCoreApplication::translate("hx::trellan::places::TitleBarEdit", "Save"));
    if (m_savedAs > 0)
        titleBar()->setTitle(QCoreApplication::translate("Places", "Saved as place %1").arg(m_savedAs));
    else if (m_placeId > 0)
        titleBar()->setTitle(QCoreApplication::translate("hx::trellan::places::TCSItemIconCommon", "Edit"));
    else
        titleBar()->setTitle(QCoreApplication::translate("Places", "New Place"));
}

EditScreen::~EditScreen() = default;

bool EditScreen::open(qint64 placeId, QString *message)
{
    QSharedPointer<Place> place(new Place);
    if (placeId > 0) {
        PlaceManager manager;
        Error::Type error = Error::None;
        place.reset(manager.getPlace(placeId, error));
        if (!place) {
            *message = QStringLiteral("no stored place with id %1 (store error %2)").arg(placeId).arg(int(error));
            return false;
        }
    }
    m_placeId = placeId;
    retranslate();
    m_content = new EditPlaceContent(place, placeId > 0 ? PlaceViewMode::Edit : PlaceViewMode::NewPlace);
    setContent(m_content);
    connect(m_content, &EditPlaceContent::enableSaveState, m_save, &ActionItem::setEnabled);
    connect(m_save, &ActionItem::triggered, m_content, &EditPlaceContent::onSaveButtonClicked);
    connect(m_content, &EditPlaceContent::saved, this, [this, place] {
        m_save->setEnabled(false);
        m_savedAs = place->id();
        retranslate();
    });
    return true;
}
