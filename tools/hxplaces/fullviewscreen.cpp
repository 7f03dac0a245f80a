#include "fullviewscreen.h"
#include "translatedtitle.h"

#include <hx/platform/places/placemanager.h>
#include <hx/trellan/container.h>
#include <hx/trellan/label.h>
#include <hx/trellan/places/placeviewfullview.h>
#include <hx/trellan/titlebar.h>

#include <QtCore/QSharedPointer>

using namespace hx::platform::places;
using hx::trellan::places::PlaceViewFullView;

FullViewScreen::FullViewScreen(QObject *parent) : Page(parent)
{
    setObjectName(QStringLiteral("FullViewScreen"));
    auto *bar = new hx::trellan::TitleBar;
    setTranslatedTitle(bar, QT_TRANSLATE_NOOP("Places", "Assistant card"));
    setTitleBar(bar);
}

bool FullViewScreen::open(qint64 placeId, int mode, QString *message)
{
    PlaceManager manager;
    Error::Type error = Error::None;
    QSharedPointer<Place> place(manager.getPlace(placeId, error));
    if (!place) {
        *message = QStringLiteral("no stored place with id %1 (store error %2)").arg(placeId).arg(int(error));
        return false;
    }
    auto *view = new PlaceViewFullView(place, PlaceViewFullView::ViewMode(mode), this);
    auto *content = new hx::trellan::Container;
    if (hx::trellan::Container *root = view->getVisualNodeRoot())
        content->add(root);
    else
        content->add(new hx::trellan::Label(QStringLiteral("The assistant card's document could not be used")));
    setContent(content);
    return true;
}
