#include "placescreen.h"

#include <hx/trellan/places/placeviewpage.h>

using namespace hx::trellan::places;

PlaceScreen::PlaceScreen(QObject *parent) : NavigationPane(parent)
{
    setObjectName(QStringLiteral("PlaceScreen"));
    push(new hx::trellan::Page);
}

bool PlaceScreen::open(qint64 placeId, QString *)
{
    auto *card = new PlaceViewPage(placeId, PlaceViewMode::ViewEditable);
    push(card);
    emit card->setActions();
    return true;
}
