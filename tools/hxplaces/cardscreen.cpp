#include "cardscreen.h"

#include <hx/trellan/places/placeviewpage.h>

using namespace hx::trellan::places;

CardScreen::CardScreen(QObject *parent) : NavigationPane(parent)
{
    setObjectName(QStringLiteral("CardScreen"));
    push(new hx::trellan::Page);
}

bool CardScreen::open(qint64 placeId, QString *)
{
    auto *card = new PlaceViewPage(placeId, PlaceViewMode::ViewEditable);
    push(card);
    emit card->setActions();
    return true;
}
