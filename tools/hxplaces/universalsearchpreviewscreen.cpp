#include "universalsearchpreviewscreen.h"

#include <hx/platform/places/placemanager.h>
#include <hx/trellan/places/cardinterface.h>
#include <hx/trellan/places/universalsearchpreview.h>

#include <QtCore/QSharedPointer>

using namespace hx::platform::places;

UniversalSearchPreviewScreen::UniversalSearchPreviewScreen(QObject *parent) : NavigationPane(parent)
{
    setObjectName(QStringLiteral("UniversalSearchPreviewScreen"));
}

bool UniversalSearchPreviewScreen::open(qint64 placeId, QString *message)
{
    PlaceManager manager;
    Error::Type error = Error::None;
    QSharedPointer<Place> place(manager.getPlace(placeId, error));
    if (!place) {
        *message = QStringLiteral("no stored place with id %1 (store error %2)").arg(placeId).arg(int(error));
        return false;
    }
    push(hx::trellan::places::CardInterface::createUniversalSearchPreview(place));
    return true;
}
