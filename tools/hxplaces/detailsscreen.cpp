#include "detailsscreen.h"

#include <hx/platform/places/placemanager.h>
#include <hx/trellan/container.h>
#include <hx/trellan/places/placeviewmode.h>
#include <hx/trellan/places/titlebarview.h>
#include <hx/trellan/places/viewplacecontent.h>
#include <hx/trellan/stacklayout.h>

#include <QtCore/QSharedPointer>

using namespace hx::platform::places;
using namespace hx::trellan;
using namespace hx::trellan::places;

DetailsScreen::DetailsScreen(QObject *parent) : Page(parent)
{
    setObjectName(QStringLiteral("DetailsScreen"));
}

bool DetailsScreen::open(qint64 placeId, QString *message)
{
    PlaceManager manager;
    Error::Type error = Error::None;
    QSharedPointer<Place> place(manager.getPlace(placeId, error));
    if (!place) {
        *message = QStringLiteral("no stored place with id %1 (store error %2)").arg(placeId).arg(int(error));
        return false;
    }
    auto *card = new Container;
    card->setLayout(new StackLayout(card));
    card->add(new TitleBarView(*place, PlaceViewMode::View, card));
    card->add(new ViewPlaceContent(place, PlaceViewMode::View, true, card));
    setContent(card);
    return true;
}
